// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <random>

#include "records/Settings.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath("store.conf"); }
  // Writes a hand-made settings file, as a damaged or edited store would be.
  void WriteRaw(const QByteArray& text) {
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
  }
  AppSettings Read() {
    QSettings store(Path(), QSettings::IniFormat);
    return ReadSettings(store);
  }
  QByteArray FileText() {
    QFile f(Path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir dir_;
};

void ExpectDefaults(const AppSettings& s) {
  // The first start as the player sees it, then every other field.
  EXPECT_EQ(s.GameIndex, 0);
  EXPECT_EQ(s.Back, 1);
  EXPECT_TRUE(s.Warnings);
  EXPECT_TRUE(s.Resume);  // the game in progress comes back
  EXPECT_EQ(s.UndoOption, 2);
  EXPECT_EQ(s.BoardColor, 32768);
  EXPECT_EQ(s.PatternType, 0);
  EXPECT_EQ(s.PatternName, "Wood1");
  EXPECT_EQ(s.PlayersCount, 0);
  EXPECT_EQ(s.GameOptions[45], (TGameOption{10, 10, 542, 689, 0}));
  EXPECT_TRUE(s == AppSettings{});
}

AppSettings Unusual() {
  AppSettings s;
  s.GameIndex = 32;
  s.Back = 12;
  s.Warnings = false;
  s.Resume = false;
  s.AskAbandon = false;
  s.Toolbar = false;
  s.AnimationSpeed = 3;
  s.UndoOption = 1;
  s.BoardColor = 0x123456;
  s.PatternType = 2;
  s.PatternName = "Marble";
  s.PatternFile = "/home/ann/pictures/a, b; c=d.jpg";
  s.PlaySound = true;
  s.Tray = true;
  s.ShowEmpty = true;
  s.StatState = -7;
  s.StatusBar = true;
  s.WinnableOnly = true;
  s.WinnableGrade = 3;
  s.CardFaces = 2;
  s.Language = "fr";
  s.PlayersCount = 2;
  s.ActivePlayer = 1;
  s.PlayerNames = {"Ann", "Zoë #1"};
  s.GameOptions[0] = {-20, 3000, 100, 200, 1};
  s.GameOptions[200] = {1, 2, 3, 4, 5};
  s.Statistics[45] = {65535, 7};
  return s;
}

}  // namespace

TEST_F(SettingsTest, EmptyOrMissingStoreGivesFirstStartDefaults) {
  ExpectDefaults(Read());  // no file at all
  WriteRaw("");
  ExpectDefaults(Read());
}

TEST_F(SettingsTest, WrittenValuesAreTextAndReadBackUnchanged) {
  AppSettings written = Unusual();
  {
    QSettings store(Path(), QSettings::IniFormat);
    ASSERT_TRUE(WriteSettings(store, written));
  }
  const QByteArray text = FileText();
  EXPECT_TRUE(text.contains("[Cards]"));
  EXPECT_TRUE(text.contains("[Players]"));
  EXPECT_TRUE(text.contains("BoardColor=1193046"));  // decimal text, not 0x123456
  EXPECT_TRUE(text.contains("Warnings=0"));
  EXPECT_TRUE(text.contains("Tray=1"));
  EXPECT_TRUE(text.contains("Resume=0"));
  EXPECT_TRUE(text.contains("Version=2.0"));
  EXPECT_TRUE(text.contains("U2="));

  AppSettings read = Read();
  EXPECT_EQ(read.Version, "2.0");  // what this version writes
  // With players present the statistics table is written but not read back.
  EXPECT_EQ(read.Statistics, RegStatistics{});
  written.Version = "2.0";
  written.Statistics = {};
  // Includes GameOptions[0].AutoPlay = 1 and the unused record 200 as they were.
  EXPECT_TRUE(read == written);
  QSettings store(Path(), QSettings::IniFormat);
  EXPECT_EQ(store.value("Statistics").toByteArray(), RegStatisticsToBytes(Unusual().Statistics));
}

TEST_F(SettingsTest, AFailedWriteIsReported) {
  WriteRaw("not a folder");
  QSettings store(Path() + "/inside/store.conf", QSettings::IniFormat);
  EXPECT_FALSE(WriteSettings(store, Unusual()));
}

TEST_F(SettingsTest, BinaryTablesAreLittleEndianRecords) {
  TGameOptions options{};
  options[3] = {-2, 0x0102, 542, 689, 1};
  const QByteArray o = GameOptionsToBytes(options);
  ASSERT_EQ(o.size(), 2010);
  EXPECT_EQ(o.mid(30, 10), QByteArray::fromHex("feff0201 1e02b102 0100"));
  EXPECT_EQ(o.mid(0, 10), QByteArray::fromHex("0a000a00 1e02b102 0000"));

  RegStatistics stats{};
  stats[200] = {0xABCD, 0x0102};
  const QByteArray s = RegStatisticsToBytes(stats);
  ASSERT_EQ(s.size(), 804);
  EXPECT_EQ(s.right(4), QByteArray::fromHex("cdab0201"));
  EXPECT_EQ(s.count('\0'), 800);
}

TEST_F(SettingsTest, IntegerTextsDecimalHexAndNotANumber) {
  EXPECT_EQ(ParseStoredInteger("0x8000"), 32768);
  EXPECT_EQ(ParseStoredInteger("0X1f"), 31);
  EXPECT_EQ(ParseStoredInteger("0xFFFFFFFF"), -1);
  EXPECT_EQ(ParseStoredInteger(" 42 "), 42);
  EXPECT_EQ(ParseStoredInteger("+7"), 7);
  EXPECT_EQ(ParseStoredInteger("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ParseStoredInteger("000000000000012"), 12);
  for (const char* bad : {"", " ", "-", "0x", "0x123456789", "0xG", "2147483648", "1e3", "12abc",
                          "abc", "1 2", "$10", "--1", "99999999999999999999"}) {
    EXPECT_FALSE(ParseStoredInteger(bad).has_value()) << bad;
  }

  WriteRaw(
      "[Cards]\nBoardColor=0x8000\nBack=banana\nStatState=0x10\nWarnings=2\nTray=yes\n"
      "Play_Sound=0\nPattern_Name=a,b\n");
  const AppSettings s = Read();
  EXPECT_EQ(s.BoardColor, 32768);
  EXPECT_EQ(s.Back, 1);  // not a number: the default
  EXPECT_EQ(s.StatState, 16);
  EXPECT_TRUE(s.Warnings);  // any non-zero number is true
  EXPECT_FALSE(s.Tray);     // not a number: the default (false)
  EXPECT_FALSE(s.PlaySound);
  EXPECT_EQ(s.PatternName, "a,b");  // an unquoted comma is still one text
}

TEST_F(SettingsTest, AbsurdNumbersComeBackToDefinedValues) {
  WriteRaw(
      "[Cards]\nGame=9999\nBack=-3\nUndoOption=7\nBoardColor=-1\nPattern_Type=5\nStatState=-9\n"
      "WinnableGrade=5\nAnimationSpeed=9\nCardFaces=3\n"
      "Language=klingon\n"
      "[Players]\nPlayers=-4\nActive_Player=-1\n");
  AppSettings s = Read();
  EXPECT_EQ(s.GameIndex, 0);
  EXPECT_EQ(s.Back, 1);
  EXPECT_EQ(s.UndoOption, 2);
  EXPECT_EQ(s.BoardColor, 32768);
  EXPECT_EQ(s.PatternType, 0);
  EXPECT_EQ(s.StatState, -9);     // kept unchanged, whatever it is
  EXPECT_EQ(s.WinnableGrade, 0);  // any grade
  EXPECT_EQ(s.AnimationSpeed, 2);
  EXPECT_EQ(s.CardFaces, 0);  // the standard faces
  EXPECT_EQ(s.Language, "");  // a language we do not speak follows the system
  EXPECT_EQ(s.PlayersCount, 0);
  EXPECT_EQ(s.ActivePlayer, 0);

  WriteRaw("[Cards]\nGame=45\nBack=13\n[Players]\nPlayers=99999999\nActive_Player=5\nU1=Ann\n");
  s = Read();
  EXPECT_EQ(s.GameIndex, 45);
  EXPECT_EQ(s.Back, 1);
  EXPECT_EQ(s.PlayersCount, kMaxPlayers);
  ASSERT_EQ(s.PlayerNames.size(), kMaxPlayers);
  EXPECT_EQ(s.PlayerNames[0], "Ann");
  EXPECT_EQ(s.PlayerNames[1], "Default");  // a missing name
  EXPECT_EQ(s.ActivePlayer, 5);

  WriteRaw("[Players]\nPlayers=2\nActive_Player=2\n");
  EXPECT_EQ(Read().ActivePlayer, 0);  // no third player
}

TEST_F(SettingsTest, PlayerNamesOrStatisticsDependOnTheCount) {
  RegStatistics stats{};
  stats[1] = {3, 4};
  {
    QSettings store(Path(), QSettings::IniFormat);
    store.setValue("Statistics", RegStatisticsToBytes(stats));
    store.setValue("Players/U1", "Ann");
    store.setValue("Players/Players", "0");
  }
  AppSettings s = Read();
  EXPECT_EQ(s.Statistics, stats);
  EXPECT_TRUE(s.PlayerNames.isEmpty());
  {
    QSettings store(Path(), QSettings::IniFormat);
    store.setValue("Players/Players", "1");
  }
  s = Read();
  EXPECT_EQ(s.Statistics, RegStatistics{});
  EXPECT_EQ(s.PlayerNames, QStringList{"Ann"});
}

TEST_F(SettingsTest, GameOptionsFailureRules) {
  TGameOptions custom{};
  for (auto& o : custom)
    o = {1, 2, 300, 400, 1};
  const QByteArray full = GameOptionsToBytes(custom);
  const TGameOptions defaults{};

  TGameOptions o{};
  EXPECT_TRUE(ApplyGameOptionsValue(QVariant(full), o));
  EXPECT_EQ(o, custom);

  o = custom;  // too long: everything back to the defaults
  EXPECT_FALSE(ApplyGameOptionsValue(QVariant(full + QByteArray(1, 'x')), o));
  EXPECT_EQ(o, defaults);

  o = custom;  // a text where a table belongs
  EXPECT_FALSE(ApplyGameOptionsValue(QVariant(QString("garbage")), o));
  EXPECT_EQ(o, defaults);

  o = defaults;  // 25 bytes: two whole records, the half record is ignored
  EXPECT_TRUE(ApplyGameOptionsValue(QVariant(full.left(25)), o));
  EXPECT_EQ(o[0], custom[0]);
  EXPECT_EQ(o[1], custom[1]);
  EXPECT_EQ(o[2], defaults[2]);

  // Inside a real file the bad table disturbs no other value.
  {
    QSettings store(Path(), QSettings::IniFormat);
    store.setValue("Game_Options", full + "tail");
    store.setValue("Cards/Back", "7");
  }
  const AppSettings s = Read();
  EXPECT_EQ(s.GameOptions, defaults);
  EXPECT_EQ(s.Back, 7);
}

TEST_F(SettingsTest, StatisticsFailureRules) {
  RegStatistics custom{};
  for (auto& p : custom)
    p = {5, 6};
  const QByteArray full = RegStatisticsToBytes(custom);
  RegStatistics s = custom;
  EXPECT_FALSE(ApplyRegStatisticsValue(QVariant(full + "x"), s));
  EXPECT_EQ(s, RegStatistics{});
  s = custom;
  EXPECT_FALSE(ApplyRegStatisticsValue(QVariant(12), s));
  EXPECT_EQ(s, RegStatistics{});
  s = RegStatistics{};
  EXPECT_TRUE(ApplyRegStatisticsValue(QVariant(full.left(10)), s));
  EXPECT_EQ(s[1], custom[1]);
  EXPECT_EQ(s[2], RegStatPair{});
  s = custom;
  EXPECT_TRUE(ApplyRegStatisticsValue(QVariant(), s));  // missing: unchanged
  EXPECT_EQ(s, custom);
}

TEST_F(SettingsTest, OutOfRangeAutoPlayOfAGameReadsAsOn) {
  TGameOptions o{};
  o[5].AutoPlay = 9;
  o[100].AutoPlay = 9;  // unused records are carried as they are
  {
    QSettings store(Path(), QSettings::IniFormat);
    store.setValue("Game_Options", GameOptionsToBytes(o));
  }
  const AppSettings s = Read();
  EXPECT_EQ(s.GameOptions[5].AutoPlay, 0);
  EXPECT_EQ(s.GameOptions[100].AutoPlay, 9);
}

// Random bytes as a whole file, and random texts in every value: reading
// never fails and every value lands in its documented range.
TEST_F(SettingsTest, FuzzGarbageFilesAndValues) {
  std::mt19937 rng(20240607);
  auto expectSane = [](const AppSettings& s) {
    EXPECT_TRUE(IsGameIndex(s.GameIndex));
    EXPECT_GE(s.Back, 1);
    EXPECT_LE(s.Back, 12);
    EXPECT_GE(s.UndoOption, 0);
    EXPECT_LE(s.UndoOption, 2);
    EXPECT_GE(s.BoardColor, 0);
    EXPECT_LE(s.BoardColor, 0xFFFFFF);
    EXPECT_GE(s.PatternType, 0);
    EXPECT_LE(s.PatternType, 2);
    EXPECT_GE(s.PlayersCount, 0);
    EXPECT_LE(s.PlayersCount, kMaxPlayers);
    EXPECT_EQ(s.PlayerNames.size(), s.PlayersCount);
    EXPECT_GE(s.ActivePlayer, 0);
    EXPECT_LT(s.ActivePlayer, std::max(1, s.PlayersCount));
  };
  for (int round = 0; round < 60; ++round) {
    QByteArray junk(static_cast<int>(rng() % 3000), '\0');
    for (char& c : junk)
      c = static_cast<char>(rng());
    if (round % 2) junk.prepend("[Cards]\nGame=");
    WriteRaw(junk);
    expectSane(Read());
  }
  // A store that was garbage is still written at exit, and reads back.
  WriteRaw(QByteArray("[Cards\n\x01=\"open quote\n[]]\n=\n\xff\xfe[Players]\nPlayers=\"3\n", 42));
  {
    QSettings store(Path(), QSettings::IniFormat);
    expectSane(ReadSettings(store));
    EXPECT_EQ(store.status(), QSettings::FormatError);
    EXPECT_TRUE(WriteSettings(store, Unusual()));
  }
  EXPECT_EQ(Read().PatternFile, Unusual().PatternFile);

  // Texts with a known meaning: a decimal number, hex, or something that can
  // never be a number ('z' is in no number).
  const QStringList keys = {"Cards/StatState", "Cards/Back", "Cards/BoardColor", "Players/Players"};
  for (int round = 0; round < 300; ++round) {
    const int32_t n = static_cast<int32_t>(rng());
    std::optional<int32_t> expected;
    QString text;
    switch (rng() % 3) {
      case 0:
        text = QString::number(n);
        expected = n;
        break;
      case 1:
        text = (rng() % 2 ? "0x" : "0X") + QString::number(static_cast<uint32_t>(n), 16);
        if (rng() % 2) text = text.toUpper().replace("0X", "0x");
        expected = n;
        break;
      default:
        for (int i = static_cast<int>(rng() % 12); i > 0; --i)
          text += QChar(static_cast<char16_t>(32 + rng() % 95));
        text.insert(static_cast<int>(rng() % (text.size() + 1)), 'z');
    }
    const QString key = keys[static_cast<int>(rng() % keys.size())];
    QFile::remove(Path());
    {
      QSettings store(Path(), QSettings::IniFormat);
      store.setValue(key, text);
    }
    const AppSettings s = Read();
    expectSane(s);
    if (key == "Cards/StatState") {
      EXPECT_EQ(s.StatState, expected.value_or(0)) << text.toStdString();
    } else if (key == "Cards/Back") {
      const int back = expected.value_or(1);
      EXPECT_EQ(s.Back, back >= 1 && back <= 12 ? back : 1) << text.toStdString();
    }
  }
}

TEST(SettingsScreens, PlacementsAreKeptOnAVisibleScreen) {
  const QRect screen(0, 0, 1920, 1080);
  const QRect right(1920, 0, 1280, 1024);
  const QList<QRect> one = {screen};
  const QList<QRect> two = {screen, right};

  EXPECT_EQ(ClampToScreens(QRect(10, 10, 689, 542), one), QRect(10, 10, 689, 542));
  EXPECT_EQ(ClampToScreens(QRect(30000, 30000, 689, 542), one), QRect(1231, 538, 689, 542));
  EXPECT_EQ(ClampToScreens(QRect(-5000, -20, 689, 542), one), QRect(0, 0, 689, 542));
  EXPECT_EQ(ClampToScreens(QRect(1800, 1000, 689, 542), one), QRect(1231, 538, 689, 542));
  EXPECT_EQ(ClampToScreens(QRect(5, 5, 5000, 3000), one), screen);
  EXPECT_EQ(ClampToScreens(QRect(10, 10, -4, 0), one), QRect(10, 10, 689, 542));

  // On the second monitor it stays there; mostly on it, it moves onto it.
  EXPECT_EQ(ClampToScreens(QRect(2000, 100, 689, 542), two), QRect(2000, 100, 689, 542));
  EXPECT_EQ(ClampToScreens(QRect(1800, 100, 689, 542), two), QRect(1920, 100, 689, 542));
  // Far to the right of both: the nearest screen.
  EXPECT_EQ(ClampToScreens(QRect(9000, 100, 689, 542), two), QRect(2511, 100, 689, 542));

  // No screen known (no GUI), or only empty ones: nothing to clamp against.
  EXPECT_EQ(ClampToScreens(QRect(30000, 30000, 1, 1), {}), QRect(30000, 30000, 1, 1));
  EXPECT_EQ(ClampToScreens(QRect(30000, 30000, 1, 1), {QRect()}), QRect(30000, 30000, 1, 1));

  TGameOptions options{};
  options[0] = {-30000, -30000, 542, 689, 1};
  options[46] = {-30000, -30000, 542, 689, 1};
  ClampGameOptions(options, one);
  EXPECT_EQ(options[0], (TGameOption{0, 0, 542, 689, 1}));
  EXPECT_EQ(options[46].Top, -30000);  // unused records are carried unchanged
}

TEST(SettingsStore, RealStoreIsTheOrganisationFile) {
  std::unique_ptr<QSettings> store = OpenSettingsStore();
#ifndef Q_OS_WIN
  EXPECT_EQ(store->format(), QSettings::NativeFormat);
  EXPECT_EQ(store->fileName(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                "/Tamsel Cards.conf");
#endif
}
