#pragma once
// Playing short in-memory WAV files, as the table's move and turn sounds
// need: asynchronous, each new sound cutting the previous one short. A
// machine without an audio device plays nothing and never blocks.

#include <QByteArray>
#include <functional>

// Plays data (a complete RIFF/WAVE file, PCM) asynchronously. Empty or
// unreadable data plays nothing.
void PlaySoundData(const QByteArray& wav);

// Tests watch what would be played; in deterministic mode nothing reaches
// the audio device, the observer still hears every call.
void SetSoundObserver(std::function<void(const QByteArray&)> observer);
