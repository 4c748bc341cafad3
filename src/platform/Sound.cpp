// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sound.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtEndian>
#include <memory>

#include "platform/Messages.h"
#include "platform/SoundPlugin.h"

namespace {

std::function<void(const QByteArray&)>& Observer() {
  static std::function<void(const QByteArray&)> observer;
  return observer;
}

// The plugin, looked for once: when it is missing or of another version the
// program stays silent for the rest of the run.
struct Backend {
  QString path;
  bool tried = false;
  std::unique_ptr<QLibrary> library;
  WenloSoundPrepareFn prepare = nullptr;
  WenloSoundPlayFn play = nullptr;
};

Backend& TheBackend() {
  static Backend backend;
  return backend;
}

WenloSoundPlayFn LoadBackend() {
  Backend& b = TheBackend();
  if (b.tried) return b.play;
  b.tried = true;
  QString path = b.path.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                        QLatin1String(kSoundPluginName)
                                  : b.path;
  auto library = std::make_unique<QLibrary>(path);
  if (!library->load()) return nullptr;
  auto abi = reinterpret_cast<WenloSoundAbiFn>(library->resolve(kSoundAbiSymbol));
  auto prepare = reinterpret_cast<WenloSoundPrepareFn>(library->resolve(kSoundPrepareSymbol));
  auto play = reinterpret_cast<WenloSoundPlayFn>(library->resolve(kSoundPlaySymbol));
  if (!abi || !prepare || !play || abi() != kSoundPluginAbi) {
    library->unload();
    return nullptr;
  }
  b.library = std::move(library);
  b.prepare = prepare;
  b.play = play;
  return play;
}

}  // namespace

std::optional<WavPcm> ParseWav(const QByteArray& wav) {
  if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return std::nullopt;
  WavPcm out;
  qsizetype pos = 12;
  bool haveFormat = false;
  while (pos + 8 <= wav.size()) {
    QByteArray id = wav.mid(pos, 4);
    quint32 len = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
    pos += 8;
    if (len > quint64(wav.size() - pos)) len = quint32(wav.size() - pos);
    if (id == "fmt " && len >= 16) {
      const char* f = wav.constData() + pos;
      quint16 audioFormat = qFromLittleEndian<quint16>(f);
      quint16 channels = qFromLittleEndian<quint16>(f + 2);
      quint32 rate = qFromLittleEndian<quint32>(f + 4);
      quint16 bits = qFromLittleEndian<quint16>(f + 14);
      if (audioFormat != 1 || channels == 0 || rate == 0 || rate > 1000000 ||
          (bits != 8 && bits != 16))
        return std::nullopt;
      out.SampleRate = int(rate);
      out.Channels = channels;
      out.Bits = bits;
      haveFormat = true;
    } else if (id == "data") {
      out.Samples = wav.mid(pos, qsizetype(len));
      if (!haveFormat || out.Samples.isEmpty()) return std::nullopt;
      return out;
    }
    pos += qsizetype(len) + qsizetype(len & 1);
  }
  return std::nullopt;
}

void SetSoundObserver(std::function<void(const QByteArray&)> observer) {
  Observer() = std::move(observer);
}

bool SoundBackendLoaded() {
  return TheBackend().play != nullptr;
}

void SetSoundPluginPath(const QString& path) {
  Backend& b = TheBackend();
  if (b.library) return;  // a loaded plugin stays for the whole run
  b.path = path;
  b.tried = false;
}

void PrepareSound() {
  if (IsDeterministic() || !QCoreApplication::instance()) return;
  if (LoadBackend()) TheBackend().prepare();
}

void PlaySoundData(const QByteArray& wav) {
  if (Observer()) Observer()(wav);
  if (wav.isEmpty() || IsDeterministic() || !QCoreApplication::instance()) return;
  std::optional<WavPcm> pcm = ParseWav(wav);
  if (!pcm) return;
  if (WenloSoundPlayFn play = LoadBackend())
    play(pcm->SampleRate, pcm->Channels, pcm->Bits, pcm->Samples.constData(), pcm->Samples.size());
}
