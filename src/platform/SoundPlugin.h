// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contract between the program and its sound plugin (wenlo-sound, a
// shared library beside the program). The audio stack (Qt Multimedia and the
// desktop's sound server) is large and slow to load, and most players never
// turn sound on, so the program does not link it: the plugin is loaded with
// QLibrary when the first sound is played, or made ready just after the
// window's first frame while sound is on, so the first move keeps its pace;
// never while sound is off.
//
// Plain C functions, so that nothing but these names ties the two together.

extern "C" {
// The version of this contract; the program uses a plugin only when it
// answers kSoundPluginAbi.
using WenloSoundAbiFn = int (*)();
// Opens the default audio output ahead of the first sound (the slow part:
// the sound server is contacted); returns whether there is one.
using WenloSoundPrepareFn = bool (*)();
// Plays PCM samples asynchronously, cutting the sound before it short.
// bits is 8 (unsigned) or 16 (signed, little-endian). Returns whether the
// sound went to an audio device; no device means false and no error.
using WenloSoundPlayFn = bool (*)(int sampleRate, int channels, int bits, const char* samples,
                                  long long size);
}

constexpr int kSoundPluginAbi = 1;
constexpr const char* kSoundPluginName = "wenlo-sound";
constexpr const char* kSoundAbiSymbol = "wenlo_sound_abi";
constexpr const char* kSoundPrepareSymbol = "wenlo_sound_prepare";
constexpr const char* kSoundPlaySymbol = "wenlo_sound_play";
