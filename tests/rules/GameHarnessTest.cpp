// SPDX-License-Identifier: GPL-3.0-or-later
// One suite that every game joins: the deal keeps every card exactly once and
// scores as it should, the same number deals the same table, and a seeded
// random player can click, double-click, let the timer play, undo and redo
// for hundreds of actions without losing a card, after which undoing
// everything gives back the dealt table and redoing everything the played one.

#include "support/GameHarness.h"

using namespace harness;

namespace {

// Every game with a deal routine joins the suite: its registration is the
// one line that adds it. (Evaluated when the tests are registered, after every
// game has registered itself.)
std::vector<int> RegisteredGames() {
  std::vector<int> games;
  for (int i = 0; i < kGameCount; ++i)
    if (HasDealRoutine(i)) games.push_back(i);
  return games;
}

// Games whose own rules make undo inexact, each with its reason. Only these
// skip the comparisons after undoing and redoing everything; the invariants
// still hold for them after every step.
const std::map<int, const char*> kUndoInexact = {};

// Game numbers the random player plays; a few hundred actions each.
const std::vector<uint32_t> kPlayedNumbers = {1, 2, 3, 77, 1000, 31337, 2147483647u};
constexpr int kActions = 300;

std::string ParamName(const ::testing::TestParamInfo<int>& info) {
  std::string name = "Game" + std::to_string(info.param) + "_";
  for (QChar ch : GameName(info.param))
    if (ch.isLetterOrNumber()) name += char(ch.toLatin1());
  return name;
}

class GameHarness : public ::testing::TestWithParam<int> {
 protected:
  GameHarness() : index(GetParam()), packs(GamePackCount(GetParam())) {
    // As the win display does, the win takes the timer over: the game's
    // handler never runs again for this deal.
    host.Table.OnGameWon = [this] {
      ++wins;
      host.Additional_timer.SetEnabled(false);
      host.Additional_timer.OnTimer = nullptr;
    };
  }

  bool Deal(uint32_t number) {
    wins = 0;
    return host.DealGame(index, number);
  }

  const int index;
  const int packs;
  TableHost host;
  int wins = 0;
};

// --- Deal ----------------------------------------------------------------------

TEST_P(GameHarness, DealLaysEveryCardOnceAndScoresAsDealt) {
  Watchdog dog(20);
  for (uint32_t number : {1u, 2u, 5u, 4096u, 123456789u, 2147483647u}) {
    dog.SetContext(index, number);
    dog.Tick("deal");
    ASSERT_TRUE(Deal(number)) << "no deal routine for game " << index;
    const std::string broken = CheckTable(host, packs);
    EXPECT_EQ(broken, "") << "game " << index << " number " << number;
    const int score = host.Board1->Score();
    if (score != -1000) {
      EXPECT_EQ(score, -52 * packs + host.Board1->CardScore * FoundationCards(host))
          << "game " << index << " number " << number;
    }
    EXPECT_EQ(host.Board1->History.size(), 0u);
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);
    EXPECT_EQ(host.Table.GameStarted, 0);
  }
}

TEST_P(GameHarness, SameNumberSameTableOtherNumberOtherTable) {
  Deal(1);
  const QString first = DumpTable(host, index, 1);
  Deal(2);
  const QString second = DumpTable(host, index, 2);
  Deal(1);
  EXPECT_EQ(DumpTable(host, index, 1), first);
  // The header names the number; the piles must differ too.
  EXPECT_NE(first.section('\n', 1), second.section('\n', 1));
}

// Every game keeps its foundations in T.Foundation: a pile showing the
// foundation look (which scores) is one of them.
TEST_P(GameHarness, FoundationLookedPilesAreTheTablesFoundations) {
  Deal(1);
  for (TDeck* d : Piles(host)) {
    if (HasLook(d, Look::Foundation)) {
      EXPECT_TRUE(host.Table.IsFoundation(d)) << "game " << index << " pile " << d->DeckID();
    }
  }
}

// --- Random play ---------------------------------------------------------------

class RandomPlayer {
 public:
  RandomPlayer(TableHost& host, uint32_t seed)
      : host_(host), rng_(seed), answers_([this](const ModalRequest& r) -> std::optional<int> {
          // Dialogs get any of their answers, closing included; messages
          // any button.
          static const int kDialog[] = {mrOk, mrOk, mrYes, mrCancel, 0};
          static const int kMessage[] = {mrOk, mrCancel, mrYes, mrNo};
          if (r.kind == ModalRequest::Dialog) {
            ++dialogs;
            return kDialog[Pick(5)];
          }
          return kMessage[Pick(4)];
        }) {}

  int dialogs = 0;
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // One action of the player; returns what it did.
  std::string Act(Watchdog& dog) {
    TBoard* b = host_.Board1;
    std::vector<TDeck*> piles;
    for (TDeck* d : Piles(host_))
      if (d->Visible()) piles.push_back(d);
    if (piles.empty()) return "nothing to click";
    const int roll = Pick(100);
    if (roll < 15) {
      dog.Tick("click a pile");
      TDeck* d = piles[Pick(int(piles.size()))];
      ClickSomewhere(d);
      return "click pile " + std::to_string(d->DeckID());
    }
    if (roll < 55) {
      // Like a player looking for a move: pick a card up, move the mouse
      // over the other piles for the drop cursor and mostly drop there; with
      // no drop cursor anywhere put the card back and try another pile.
      dog.Tick("move");
      std::string what;
      std::vector<TDeck*> full;
      for (TDeck* d : piles)
        if (d->TopCard) full.push_back(d);
      std::shuffle(full.begin(), full.end(), rng_);
      for (size_t attempt = 0; attempt < 4; ++attempt) {
        if (!b->SelectedPile) {
          if (attempt >= full.size()) return what + "no pile to pick up";
          TDeck* from = full[attempt];
          ClickSomewhere(from);
          what += "pick up " + std::to_string(from->DeckID()) + ", ";
          if (!b->SelectedPile) return what + "not picked up";
        }
        std::vector<TDeck*> targets, onCards;
        for (TDeck* d : piles) {
          d->MouseMove(QPoint(d->Left() + 3, d->Top() + 3));
          if (d->Cursor != crDrop) continue;
          targets.push_back(d);
          if (d->TopCard) onCards.push_back(d);
        }
        // Building on a card is what moves a game on; empty places fill up.
        if (!onCards.empty() && Pick(4) > 0) targets = onCards;
        if (!targets.empty() || Pick(8) == 0) {
          TDeck* d = !targets.empty() ? targets[size_t(Pick(int(targets.size())))]
                                      : piles[Pick(int(piles.size()))];
          ClickSomewhere(d);
          return what + "drop on " + std::to_string(d->DeckID());
        }
        TDeck* held = b->SelectedPile;
        Click(held);  // put it back
        what += "put back, ";
      }
      return what;
    }
    if (roll < 67) {
      dog.Tick("double click");
      TDeck* d = piles[Pick(int(piles.size()))];
      DoubleClick(d);
      return "double click pile " + std::to_string(d->DeckID());
    }
    if (roll < 84) {
      dog.Tick("timer");
      const int ticks = 1 + Pick(6);
      for (int i = 0; i < ticks; ++i)
        host_.Additional_timer.Fire();
      return "timer x" + std::to_string(ticks);
    }
    if (roll < 87) {
      dog.Tick("redeal button");
      if (!host_.Table.RedealButton) return "no redeal button";
      host_.Table.RedealButton->Click();
      return "redeal button";
    }
    if (roll < 94) {
      dog.Tick("undo");
      host_.Additional_timer.SetEnabled(false);  // as the Undo command does
      b->UndoStep();
      return "undo";
    }
    dog.Tick("redo");
    host_.Additional_timer.SetEnabled(false);
    b->RedoStep();
    return "redo";
  }

 private:
  // A click on a visible card of the pile (any of a fan), or on the pile.
  void ClickSomewhere(TDeck* d) {
    std::vector<TCard*> visible;
    for (TCard* c : Cards(d))
      if (c->Visible()) visible.push_back(c);
    if (visible.empty())
      d->Click();
    else
      visible[size_t(Pick(int(visible.size())))]->Click();
  }

  TableHost& host_;
  std::mt19937 rng_;
  ScopedModalResponder answers_;
};

TEST_P(GameHarness, RandomPlayKeepsTheTableAndUndoesAndRedoesExactly) {
  Watchdog dog(20);
  const auto inexact = kUndoInexact.find(index);
  int totalChanges = 0;
  for (uint32_t number : kPlayedNumbers) {
    dog.SetContext(index, number);
    dog.Tick("deal");
    ASSERT_TRUE(Deal(number));
    RandomPlayer player(host, number * 2654435761u + uint32_t(index));
    host.Board1->WarnEnabled = player.Pick(2) == 0;
    host.Table.AutoPlay = player.Pick(3) == 0 ? 1 : 0;
    const bool scored = host.Board1->Score() != -1000;
    const int scoreBase = host.Board1->Score() - host.Board1->CardScore * FoundationCards(host);
    TableState base = Snapshot(host);
    std::vector<std::string> log;
    size_t maxHistory = 0;
    auto where = [&] {
      std::string s = "game " + std::to_string(index) + " number " + std::to_string(number) +
                      " after " + std::to_string(log.size()) + " actions; last:";
      for (size_t i = log.size() > 8 ? log.size() - 8 : 0; i < log.size(); ++i)
        s += " [" + log[i] + "]";
      return s;
    };

    int changes = 0;
    for (int a = 0; a < kActions; ++a) {
      const TableState was = Snapshot(host);
      log.push_back(player.Act(dog));
      if (!(Snapshot(host) == was)) ++changes;
      std::string broken = CheckTable(host, packs);
      if (scored &&
          host.Board1->Score() - host.Board1->CardScore * FoundationCards(host) != scoreBase)
        broken += "score " + std::to_string(host.Board1->Score()) + " does not match the cards\n";
      ASSERT_EQ(broken, "") << where();
      ASSERT_LE(wins, 1) << where();
      if (wins) break;  // the win display would clear the table now
      // A redeal forgets the history: undo can go back only to here.
      if (host.Board1->History.empty()) base = Snapshot(host);
      maxHistory = std::max(maxHistory, host.Board1->History.size());
    }
    totalChanges += changes;
    // WENLO_HARNESS_STATS=1 shows how deeply each deal was played.
    if (getenv("WENLO_HARNESS_STATS"))
      std::fprintf(stderr,
                   "game %d number %u: changes %d dialogs %d history %zu (max %zu), foundations "
                   "%d, wins %d\n",
                   index, number, changes, player.dialogs, host.Board1->History.size(), maxHistory,
                   FoundationCards(host), wins);

    // Steps the player undid and did not replace are redone first, so the
    // table stands at the end of its history.
    dog.Tick("undo everything");
    host.Board1->ClearSelection();
    host.Additional_timer.SetEnabled(false);
    const size_t entries = host.Board1->History.size();
    size_t steps = 0;
    while (host.Board1->CanRedo() && steps <= entries) {
      host.Board1->RedoStep();
      ++steps;
    }
    ASSERT_EQ(CheckTable(host, packs), "") << "after redoing the undone steps; " << where();
    const TableState played = Snapshot(host);
    steps = 0;
    while (host.Board1->CanUndo() && steps <= entries) {
      host.Board1->UndoStep();
      ++steps;
    }
    ASSERT_FALSE(host.Board1->CanUndo()) << "undo does not end; " << where();
    ASSERT_EQ(CheckTable(host, packs), "") << "after undoing everything; " << where();
    if (inexact == kUndoInexact.end()) {
      EXPECT_EQ(Snapshot(host), base) << "undo everything: got\n"
                                      << Describe(Snapshot(host)) << "expected\n"
                                      << Describe(base) << where();
    }

    dog.Tick("redo everything");
    steps = 0;
    while (host.Board1->CanRedo() && steps <= entries) {
      host.Board1->RedoStep();
      ++steps;
    }
    ASSERT_FALSE(host.Board1->CanRedo()) << "redo does not end; " << where();
    ASSERT_EQ(CheckTable(host, packs), "") << "after redoing everything; " << where();
    if (inexact == kUndoInexact.end()) {
      EXPECT_EQ(Snapshot(host), played) << "redo everything: got\n"
                                        << Describe(Snapshot(host)) << "expected\n"
                                        << Describe(played) << where();
    }
  }
  // A player who never moved a card would have tested nothing.
  EXPECT_GE(totalChanges, int(kPlayedNumbers.size())) << "game " << index;
}

INSTANTIATE_TEST_SUITE_P(GameHarness, GameHarness, ::testing::ValuesIn(RegisteredGames()),
                         ParamName);

}  // namespace
