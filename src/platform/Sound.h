// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing short in-memory WAV files, as the table's move and turn sounds
// need: asynchronous, each new sound cutting the previous one short. A
// machine without an audio device, or without the sound plugin, plays
// nothing and never blocks.
//
// The audio stack lives in the sound plugin (platform/SoundPlugin.h), loaded
// on the first sound that reaches the device or by PrepareSound: with sound
// off it is never loaded.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Plays data (a complete RIFF/WAVE file, PCM) asynchronously. Empty or
// unreadable data plays nothing.
void PlaySoundData(const QByteArray& wav);

// Loads the sound plugin and opens the audio output now, so that the first
// sound does not wait for them. The program calls it after the window's
// first frame and when the player turns sound on; nothing in deterministic
// mode.
void PrepareSound();

// Tests watch what would be played; in deterministic mode nothing reaches
// the audio device, the observer still hears every call.
void SetSoundObserver(std::function<void(const QByteArray&)> observer);

// The PCM samples of a WAV file: 8-bit unsigned or 16-bit signed, mono or
// more channels.
struct WavPcm {
  int SampleRate = 0;
  int Channels = 0;
  int Bits = 0;
  QByteArray Samples;
};
// Reads the fmt and data chunks; nothing for data that is not such a file
// (truncated, another encoding, chunk lengths past the end).
std::optional<WavPcm> ParseWav(const QByteArray& wav);

// Whether the sound plugin has been loaded into the process.
bool SoundBackendLoaded();
// Where the plugin is looked for: by default beside the program. Tests point
// it at the build's plugin; an empty path restores the default.
void SetSoundPluginPath(const QString& path);
