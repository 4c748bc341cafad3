// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress across a restart, for every game: a played table
// captured, written, read and restored on a fresh table is the same table
// (dump, card places, drawing order of cards and piles, history), and undoing and redoing it
// goes the same way. A saved game that does not fit its deal (edited, or
// from a changed game) leaves an empty table, whatever it says.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "app/ExitHandling.h"
#include "session/GameFlow.h"
#include "session/GameResume.h"
#include "support/GameHarness.h"

using namespace harness;

namespace {

std::vector<int> DealtGames() {
  std::vector<int> games;
  for (int i = 0; i < kGameCount; ++i)
    if (HasDealRoutine(i)) games.push_back(i);
  return games;
}

// Everything a player could tell apart: the dump, and where each card lies,
// which way up, whether it shows, and in which drawing order.
std::string Picture(TableHost& host, int index, uint32_t number) {
  std::string s = DumpTable(host, index, number).toStdString();
  for (TGraphicControl* c : host.Form().ZOrder()) {
    if (auto* card = dynamic_cast<TCard*>(c); card && card->HostDeck)
      s += std::to_string(card->CardID) + (card->Visible() ? "@" : "h@") +
           std::to_string(card->Left()) + "," + std::to_string(card->Top()) + " ";
    else if (auto* pile = dynamic_cast<TDeck*>(c))
      s.append("p").append(std::to_string(pile->DeckID())).append(" ");
  }
  for (const THistoryEntry& e : host.Board1->History)
    s.append("\n").append(std::to_string(e.Kind) + " " + std::to_string(e.SourceID) + ">" +
                          std::to_string(e.DestID) + " " + std::to_string(e.CardNo) +
                          (e.Flip ? "f" : "") + (e.Animated ? "" : "i") + " " +
                          std::to_string(e.SourceLeft) + "," + std::to_string(e.SourceTop));
  return s;
}

class ResumeTable : public ::testing::Test {
 protected:
  ResumeTable() {
    for (TableHost* h : {&played, &resumed})
      h->Table.OnGameWon = [h] {  // the win display would take over now
        h->Additional_timer.SetEnabled(false);
        h->Additional_timer.OnTimer = nullptr;
      };
  }

  // Clicks two piles at random, lets the timer run, undoes now and then,
  // and leaves a few steps undone, so the history has a redo part.
  void Play(int index, uint32_t number, int actions) {
    ASSERT_TRUE(played.DealGame(index, number));
    std::mt19937 rng(number * 7919u + uint32_t(index));
    auto pick = [&](size_t n) {
      return size_t(std::uniform_int_distribution<size_t>(0, n - 1)(rng));
    };
    for (int a = 0; a < actions && played.Additional_timer.OnTimer; ++a) {
      std::vector<TDeck*> piles;
      for (TDeck* d : Piles(played))
        if (d->Visible()) piles.push_back(d);
      switch (pick(6)) {
        case 0:
          played.Additional_timer.Fire();
          break;
        case 1:
          played.Additional_timer.SetEnabled(false);
          played.Board1->UndoStep();
          break;
        default:
          Click(piles[pick(piles.size())]);
          Click(piles[pick(piles.size())]);
      }
    }
    played.Board1->ClearSelection();
    played.Additional_timer.SetEnabled(false);
    for (int k = 0; k < 3; ++k)
      played.Board1->UndoStep();
    played.Table.GameStarted = 1;
  }

  ScopedModalResponder defaults{
      [](const ModalRequest& r) -> std::optional<int> { return r.defaultResult; }};
  TableHost played, resumed;
};

class ResumeEveryGame : public ResumeTable, public ::testing::WithParamInterface<int> {};

}  // namespace

TEST_P(ResumeEveryGame, RestoredTableIsThePlayedOneUndoAndRedoIncluded) {
  const int index = GetParam();
  for (uint32_t number : {3u, 2147483647u}) {
    Play(index, number, 120);
    const SavedGame saved = GameResume::Capture(played, "Default", index, number);
    auto read = ParseSavedGame(FormatSavedGame(saved));
    ASSERT_TRUE(read);
    QString why;
    ASSERT_TRUE(GameResume::Restore(resumed, *read, &why)) << why.toStdString();
    EXPECT_EQ(resumed.Table.GameStarted, 1);
    EXPECT_EQ(resumed.Table.AutoPlay, played.Table.AutoPlay);
    ASSERT_EQ(Picture(resumed, index, number), Picture(played, index, number))
        << "game " << index << " number " << number;
    ASSERT_EQ(CheckTable(resumed, GamePackCount(index)), "");
    for (TableHost* h : {&played, &resumed})
      while (h->Board1->CanUndo())
        h->Board1->UndoStep();
    EXPECT_EQ(Picture(resumed, index, number), Picture(played, index, number)) << "after undo";
    for (TableHost* h : {&played, &resumed})
      while (h->Board1->CanRedo())
        h->Board1->RedoStep();
    EXPECT_EQ(Picture(resumed, index, number), Picture(played, index, number)) << "after redo";
  }
}

INSTANTIATE_TEST_SUITE_P(AllGames, ResumeEveryGame, ::testing::ValuesIn(DealtGames()),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Game" + std::to_string(info.param);
                         });

// Saved games edited past their check line, field by field: each one either
// restores a table that keeps every card exactly once (and undoes and redoes
// without harm), or leaves the table empty.
TEST_F(ResumeTable, EditedSavedGamesRestoreSoundlyOrNotAtAll) {
  Play(32, 5, 80);
  const QByteArray good = FormatSavedGame(GameResume::Capture(played, "Default", 32, 5));
  const QByteArray body = good.left(good.lastIndexOf("check "));
  QList<QByteArray> lines = body.split('\n');
  lines.removeLast();
  std::mt19937 rng(77);
  auto pick = [&](qsizetype n) {
    return qsizetype(std::uniform_int_distribution<qsizetype>(0, n - 1)(rng));
  };
  const char* numbers[] = {"0", "1", "-1", "2", "3", "7", "11", "52", "104", "255", "99999"};
  int restored = 0, refused = 0;
  for (int round = 0; round < 400; ++round) {
    QList<QByteArray> t = lines;
    for (int edits = 1 + int(pick(3)); edits > 0; --edits) {
      const qsizetype line = pick(t.size());
      QList<QByteArray> words = t[line].split(' ');
      const qsizetype w = 1 + pick(qMax<qsizetype>(words.size() - 1, 1));
      if (w < words.size()) words[w] = numbers[pick(std::size(numbers))];
      t[line] = words.join(' ');
      if (pick(4) == 0) t.swapItemsAt(pick(t.size()), pick(t.size()));
    }
    QByteArray text = t.join('\n') + '\n';
    text += "check " + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex() + '\n';
    auto g = ParseSavedGame(text);
    if (!g) continue;
    if (!GameResume::Restore(resumed, *g)) {
      ++refused;
      EXPECT_TRUE(Piles(resumed).empty()) << "round " << round;
      EXPECT_EQ(resumed.Table.GameStarted, 0);
      EXPECT_FALSE(resumed.Board1->CanUndo());
      continue;
    }
    ++restored;
    ASSERT_EQ(CheckTable(resumed, 1), "") << "round " << round;
    for (int k = 0; k < 200 && resumed.Board1->CanUndo(); ++k)
      resumed.Board1->UndoStep();
    for (int k = 0; k < 200 && resumed.Board1->CanRedo(); ++k)
      resumed.Board1->RedoStep();
    ASSERT_EQ(CheckTable(resumed, 1), "") << "round " << round;
  }
  // Both outcomes were really exercised.
  EXPECT_GT(restored, 0);
  EXPECT_GT(refused, 0);
}

TEST_F(ResumeTable, FileStaysUntilForgottenAndComesBackOnlyForItsPlayer) {
  QTemporaryDir dir;
  GameResume keeper(SavedGamePath(dir.filePath("players.dat")));
  Play(32, 9, 40);
  ASSERT_TRUE(keeper.Save(played, "Default", 32, 9));
  QString why;
  EXPECT_FALSE(keeper.Resume(resumed, "Someone else", &why));
  EXPECT_EQ(why, "saved for player 'Default'");
  EXPECT_TRUE(Piles(resumed).empty());
  EXPECT_TRUE(keeper.HeldByAnother("Someone else"));
  EXPECT_FALSE(keeper.HeldByAnother("Default"));

  // Brought back, the file stays: a crash before the game ends brings it
  // back again, until its game ends and it is forgotten.
  for (int start = 0; start < 2; ++start) {
    auto g = keeper.Resume(resumed, "Default", &why);
    ASSERT_TRUE(g) << why.toStdString();
    EXPECT_EQ(Picture(resumed, 32, 9), Picture(played, 32, 9));
  }
  EXPECT_TRUE(keeper.Forget());
  EXPECT_FALSE(keeper.Resume(resumed, "Default", &why));
  EXPECT_EQ(why, "no saved game");
}

// The flow's side: kept at exit instead of counted, back at the next start
// with its caption, its file kept until the game ends (abandoned: counted
// lost; won: counted won), never written over when it is another player's;
// a keep that fails is reported and counted once.
class ResumeFlow : public ::testing::Test {
 protected:
  std::unique_ptr<GameFlow> Make(const QString& player = "Ann") {
    PlayerList p;
    p.Add(player);
    auto f = std::make_unique<GameFlow>(AppSettings{}, std::move(p), dir.filePath("players.dat"));
    f->SetKeepGameInProgress(true);
    return f;
  }
  static int Lost(GameFlow& f) { return int(f.Players().Stats(0).Games[32].Lost); }
  static QString Play(GameFlow& f, uint32_t number = 4) {
    f.DealGame(32, number);
    f.Table().GameStarted = 1;
    return DumpTable(f.Host(), 32, number);
  }
  QByteArray Kept() const {
    QFile file(saved);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir;
  const QString saved = SavedGamePath(dir.filePath("players.dat"));
  ScopedModalResponder defaults{
      [](const ModalRequest& r) -> std::optional<int> { return r.defaultResult; }};
};

TEST_F(ResumeFlow, KeptUntilItsGameEndsAndCountedOnce) {
  auto first = Make();
  const QString table = Play(*first);
  EXPECT_TRUE(first->Close().Ok());
  EXPECT_EQ(Lost(*first), 0);
  ASSERT_FALSE(Kept().isEmpty());

  // Abandoned after a restart of the program: counted then, file gone.
  auto second = Make();
  ASSERT_TRUE(second->ResumeSavedGame()) << second->ResumeError().toStdString();
  EXPECT_EQ(DumpTable(second->Host(), 32, 4), table);
  EXPECT_EQ(second->Caption(), "FreeCell [#4]");
  EXPECT_FALSE(Kept().isEmpty()) << "a kill now would lose the game";
  second->Deal_MIClick();
  EXPECT_EQ(Lost(*second), 1);
  EXPECT_TRUE(Kept().isEmpty());

  // Won after a restart: counted won only, file gone.
  Play(*second, 5);
  EXPECT_TRUE(second->Close().Ok());
  auto third = Make();
  ASSERT_TRUE(third->ResumeSavedGame());
  third->GameWon();
  EXPECT_TRUE(Kept().isEmpty());
  EXPECT_EQ(third->Players().Stats(0).Games[32].Won, 1);
  EXPECT_EQ(Lost(*third), 0);

  // With keeping off, or the option off, counted at exit as always.
  for (bool keep : {false, true}) {
    auto f = Make();
    f->SetKeepGameInProgress(keep);
    f->Settings().Resume = false;
    Play(*f);
    f->Close();
    EXPECT_EQ(Lost(*f), 1) << keep;
    EXPECT_TRUE(Kept().isEmpty()) << keep;
  }
}

TEST_F(ResumeFlow, AnotherPlayersGameIsNeitherRemovedNorWrittenOver) {
  auto bob = Make("Bob");
  Play(*bob, 7);
  bob->Close();
  const QByteArray bobs = Kept();
  ASSERT_FALSE(bobs.isEmpty());

  auto ann = Make();
  EXPECT_FALSE(ann->ResumeSavedGame());
  EXPECT_EQ(Kept(), bobs);
  Play(*ann);
  EXPECT_TRUE(ann->Close().Ok());
  EXPECT_EQ(Kept(), bobs);
  EXPECT_EQ(Lost(*ann), 1);  // it could not be kept
}

TEST_F(ResumeFlow, AFailedKeepIsReportedAndTheGameCountedOnce) {
  // Nothing kept before: the failure is reported and the game counted now.
  ASSERT_TRUE(QDir().mkpath(saved));  // a folder in the way
  auto first = Make();
  Play(*first);
  SaveReport report = first->Close();
  ASSERT_FALSE(report.Ok());
  EXPECT_EQ(report.Problems[0].File, saved);
  EXPECT_EQ(Lost(*first), 1);
  ASSERT_TRUE(QDir(saved).removeRecursively());

#ifdef Q_OS_UNIX
  // A game brought back whose new keep fails (a size limit below the file's
  // size, as `ulimit -f` sets it): the earlier file stays whole and brings the game back, so it is
  // not counted now.
  auto second = Make();
  Play(*second);
  ASSERT_TRUE(second->Close().Ok());
  const QByteArray before = Kept();
  auto third = Make();
  ASSERT_TRUE(third->ResumeSavedGame());
  ExitHandling::IgnoreFileSizeSignal();
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit tight = old;
  tight.rlim_cur = rlim_t(before.size() - 1);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  report = third->Close();
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
  ASSERT_FALSE(report.Ok());
  EXPECT_EQ(report.Problems[0].File, saved);
  EXPECT_EQ(Kept(), before);
  EXPECT_EQ(Lost(*third), 0);
#endif
}
