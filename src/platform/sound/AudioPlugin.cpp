// SPDX-License-Identifier: GPL-3.0-or-later
// The sound plugin: plays PCM samples on the default audio output with Qt
// Multimedia. Loaded by the program on the first sound (platform/Sound.cpp),
// so the audio stack is never loaded while sound is off.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <memory>

#include "platform/SoundPlugin.h"

namespace {

struct Player {
  std::unique_ptr<QAudioSink> sink;
  std::unique_ptr<QBuffer> buffer;
  QByteArray data;
};

Player& Current() {
  static Player player;
  return player;
}

// The default output, asked once: a machine without one plays nothing.
const QAudioDevice& Device() {
  static const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  return device;
}

}  // namespace

extern "C" Q_DECL_EXPORT int wenlo_sound_abi() {
  return kSoundPluginAbi;
}

extern "C" Q_DECL_EXPORT bool wenlo_sound_prepare() {
  return !Device().isNull();
}

extern "C" Q_DECL_EXPORT bool wenlo_sound_play(int sampleRate, int channels, int bits,
                                               const char* samples, long long size) {
  if (!samples || size <= 0 || sampleRate <= 0 || channels <= 0) return false;
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(channels);
  if (bits == 8)
    format.setSampleFormat(QAudioFormat::UInt8);
  else if (bits == 16)
    format.setSampleFormat(QAudioFormat::Int16);
  else
    return false;
  const QAudioDevice& device = Device();
  if (device.isNull() || !device.isFormatSupported(format)) return false;
  Player& p = Current();
  if (p.sink) p.sink->stop();  // the new sound cuts the previous one short
  p.sink.reset();
  p.buffer.reset();
  p.data = QByteArray(samples, qsizetype(size));
  p.buffer = std::make_unique<QBuffer>(&p.data);
  p.buffer->open(QIODevice::ReadOnly);
  p.sink = std::make_unique<QAudioSink>(device, format);
  p.sink->start(p.buffer.get());
  return true;
}
