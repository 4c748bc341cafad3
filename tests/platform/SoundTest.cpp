// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV reader behind the table sounds, and the sound plugin that is loaded
// only when a sound really plays.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QtEndian>

#include "art/CardArt.h"
#include "platform/Messages.h"
#include "platform/Sound.h"
#include "platform/qt/StartupProbe.h"

namespace {

QByteArray U32(quint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian<quint32>(v, b.data());
  return b;
}
QByteArray U16(quint16 v) {
  QByteArray b(2, '\0');
  qToLittleEndian<quint16>(v, b.data());
  return b;
}
QByteArray Fmt(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
  return "fmt " + U32(16) + U16(format) + U16(channels) + U32(rate) +
         U32(rate * channels * bits / 8) + U16(quint16(channels * bits / 8)) + U16(bits);
}
QByteArray Riff(const QByteArray& chunks) {
  return "RIFF" + U32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

// Loads in deterministic mode would be refused; these tests play for real.
struct RealPlay {
  RealPlay() { SetDeterministic(false); }
  ~RealPlay() { SetDeterministic(true); }
};

}  // namespace

TEST(SoundTest, ReadsPcmWavAndRefusesEverythingElse) {
  const QByteArray samples("\x01\x02\x03\x04", 4);
  struct Case {
    const char* what;
    QByteArray wav;
    bool ok;
  } cases[] = {
      {"16-bit mono", Riff(Fmt(1, 1, 22050, 16) + "data" + U32(4) + samples), true},
      {"odd chunk padded",
       Riff("LIST" + U32(1) + QByteArray("x\0", 2) + Fmt(1, 1, 8000, 8) + "data" + U32(4) +
            samples),
       true},
      {"data length past the end", Riff(Fmt(1, 2, 8000, 8) + "data" + U32(0xFFFFFFF0u) + samples),
       true},
      {"empty", QByteArray(), false},
      {"not RIFF", "RIFX" + Riff("").mid(4), false},
      {"no format before data", Riff("data" + U32(4) + samples + Fmt(1, 1, 8000, 8)), false},
      {"float samples", Riff(Fmt(3, 1, 8000, 16) + "data" + U32(4) + samples), false},
      {"24-bit", Riff(Fmt(1, 1, 8000, 24) + "data" + U32(4) + samples), false},
      {"no channels", Riff(Fmt(1, 0, 8000, 16) + "data" + U32(4) + samples), false},
      {"empty data", Riff(Fmt(1, 1, 8000, 16) + "data" + U32(0)), false},
      {"truncated format", Riff(Fmt(1, 1, 8000, 16).left(12)), false},
      {"huge unknown chunk", Riff("junk" + U32(0xFFFFFFFFu) + Fmt(1, 1, 8000, 16)), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<WavPcm> pcm = ParseWav(c.wav);
    ASSERT_EQ(pcm.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(pcm->Samples, samples);
    }
  }
  std::optional<WavPcm> pcm = ParseWav(Riff(Fmt(1, 2, 44100, 16) + "data" + U32(4) + samples));
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->SampleRate, 44100);
  EXPECT_EQ(pcm->Channels, 2);
  EXPECT_EQ(pcm->Bits, 16);
  for (const char* name : {"PLYSEL", "TURN"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(ParseWav(CardArt::SoundWav(name)));
  }
}

// The audio stack is not in the process until the first sound plays: not
// in deterministic mode, not when the plugin is missing; then the plugin
// beside the program is loaded (and plays on a device, or quietly not).
TEST(SoundTest, LoadsTheAudioStackOnlyForTheFirstRealSound) {
  const QByteArray wav = CardArt::SoundWav("PLYSEL");
  EXPECT_FALSE(LibraryLoaded("libQt6Multimedia"));
  PlaySoundData(wav);
  EXPECT_FALSE(SoundBackendLoaded());
  {
    RealPlay real;
    SetSoundPluginPath(QStringLiteral("/nonexistent/wenlo-sound"));
    PlaySoundData(wav);
    EXPECT_FALSE(SoundBackendLoaded());
    EXPECT_FALSE(LibraryLoaded("libQt6Multimedia"));
    SetSoundPluginPath(QFileInfo(QStringLiteral(WENLO_BINARY)).absolutePath() +
                       QStringLiteral("/wenlo-sound"));
    PlaySoundData(wav);
    EXPECT_TRUE(SoundBackendLoaded());
    EXPECT_TRUE(LibraryLoaded("libQt6Multimedia"));
    PlaySoundData(wav);  // the second cuts the first short
  }
}
