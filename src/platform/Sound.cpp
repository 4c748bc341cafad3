#include "platform/Sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QtEndian>
#include <memory>

#include "platform/Messages.h"

namespace {

std::function<void(const QByteArray&)>& Observer() {
  static std::function<void(const QByteArray&)> observer;
  return observer;
}

struct WavData {
  QAudioFormat format;
  QByteArray samples;
};

// Reads the fmt and data chunks of a PCM WAV file; false when it is not one.
bool ParseWav(const QByteArray& wav, WavData& out) {
  if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return false;
  int pos = 12;
  bool haveFormat = false;
  while (pos + 8 <= wav.size()) {
    QByteArray id = wav.mid(pos, 4);
    quint32 len = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
    pos += 8;
    if (len > quint32(wav.size() - pos)) len = wav.size() - pos;
    if (id == "fmt " && len >= 16) {
      const char* f = wav.constData() + pos;
      quint16 audioFormat = qFromLittleEndian<quint16>(f);
      quint16 channels = qFromLittleEndian<quint16>(f + 2);
      quint32 rate = qFromLittleEndian<quint32>(f + 4);
      quint16 bits = qFromLittleEndian<quint16>(f + 14);
      if (audioFormat != 1 || channels == 0 || rate == 0) return false;
      out.format.setSampleRate(int(rate));
      out.format.setChannelCount(channels);
      if (bits == 8)
        out.format.setSampleFormat(QAudioFormat::UInt8);
      else if (bits == 16)
        out.format.setSampleFormat(QAudioFormat::Int16);
      else
        return false;
      haveFormat = true;
    } else if (id == "data") {
      out.samples = wav.mid(pos, int(len));
      return haveFormat && !out.samples.isEmpty();
    }
    pos += int(len + (len & 1));
  }
  return false;
}

struct Player {
  std::unique_ptr<QAudioSink> sink;
  std::unique_ptr<QBuffer> buffer;
  QByteArray data;
};

Player& Current() {
  static Player player;
  return player;
}

}  // namespace

void SetSoundObserver(std::function<void(const QByteArray&)> observer) {
  Observer() = std::move(observer);
}

void PlaySoundData(const QByteArray& wav) {
  if (Observer()) Observer()(wav);
  if (wav.isEmpty() || IsDeterministic() || !QCoreApplication::instance()) return;
  WavData parsed;
  if (!ParseWav(wav, parsed)) return;
  static bool probed = false;
  static QAudioDevice device;
  if (!probed) {
    probed = true;
    device = QMediaDevices::defaultAudioOutput();
  }
  if (device.isNull() || !device.isFormatSupported(parsed.format)) return;
  Player& p = Current();
  if (p.sink) p.sink->stop();  // the new sound cuts the previous one short
  p.sink.reset();
  p.buffer.reset();
  p.data = parsed.samples;
  p.buffer = std::make_unique<QBuffer>(&p.data);
  p.buffer->open(QIODevice::ReadOnly);
  p.sink = std::make_unique<QAudioSink>(device, parsed.format);
  p.sink->start(p.buffer.get());
}
