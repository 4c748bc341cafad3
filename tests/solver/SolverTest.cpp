// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against the real rules: its winning lines replay through the
// scripted driver to a win, every move it makes lands the real table where
// the solver said it would, and a "not winnable" agrees with an exhaustive
// search written independently for a tiny stand-in game.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>
#include <map>
#include <set>

#include "app/ScriptDriver.h"
#include "platform/Messages.h"
#include "rules/Game.h"
#include "rules/GameRegistry.h"
#include "session/GameFlow.h"
#include "solver/Solver.h"

namespace {

// --- A stand-in game small enough to search by hand ------------------------
// Six cards (Ace to 3 of clubs and hearts) in three columns of two; a column
// takes a card only while empty; two foundations built up in suit from the
// Ace. Won when both hold three cards.
constexpr int kStandIn = 230;
constexpr int kColumns = 3;

class StandIn : public TGame {
 public:
  using TGame::TGame;
  void Deal() override {
    TDeck* deal = MakePile({.left = 10, .top = 400});
    for (int suit : {1, 3})
      for (int rank = 1; rank <= 3; ++rank) {
        TCard* c = T.CardPool[PoolNumber(1, suit, rank)];
        c->Show();
        deal->AddCard(c);
      }
    for (int i = 1; i <= 2; ++i) {
      TDeck* f = MakePile({.left = 400 + 80 * i, .top = 10, .look = Look::Foundation});
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&StandIn::HomeRule);
      f->OnAfterMove = After(&StandIn::WinTest);
      T.Foundation[i] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* c = MakePile({.left = 10 + 80 * i, .top = 150, .vShift = 20, .role = Role::Column});
      c->OnAddWithRule = Rule(&StandIn::ColumnRule);
      T.Tableau[i] = c;
    }
    for (int i = 1; i <= 3; ++i)
      for (int k = 0; k < 2; ++k)
        DealRandom(deal, T.Tableau[i], true);
    FreeDealPile(deal);
    T.Board1->SetScore(-6);
  }
  void HomeRule(TDeck* s, TCard*& c, bool& a, bool) {
    const TCard* top = s->TopCard;
    a = c && (top ? top->Suit() == c->Suit() && top->Rank() + 1 == c->Rank() : c->Rank() == 1);
  }
  void ColumnRule(TDeck* s, TCard*& c, bool& a, bool) { a = c && !s->TopCard; }
  void WinTest(TDeck*, TDeck*, TCard*) {
    if (T.Foundation[1]->CardsCount() == 3 && T.Foundation[2]->CardsCount() == 3) T.GameWon();
  }
};

// The same game as plain data: columns of cards (suit * 16 + rank), bottom
// first, and the two foundations' heights.
struct Tiny {
  std::vector<std::vector<int>> cols;
  std::map<int, int> home;  // suit -> rank on top
  bool operator<(const Tiny& o) const { return std::tie(cols, home) < std::tie(o.cols, o.home); }
};

bool TinyWinnable(const Tiny& s, std::set<Tiny>& seen) {
  if (s.home.size() == 2 && s.home.at(1) == 3 && s.home.at(3) == 3) return true;
  if (!seen.insert(s).second) return false;
  for (size_t i = 0; i < s.cols.size(); ++i) {
    if (s.cols[i].empty()) continue;
    const int card = s.cols[i].back();
    const int suit = card / 16, rank = card % 16;
    auto home = s.home.find(suit);
    if ((home == s.home.end() && rank == 1) || (home != s.home.end() && home->second + 1 == rank)) {
      Tiny n = s;
      n.cols[i].pop_back();
      n.home[suit] = rank;
      if (TinyWinnable(n, seen)) return true;
    }
    for (size_t j = 0; j < s.cols.size(); ++j) {
      if (j == i || !s.cols[j].empty()) continue;
      Tiny n = s;
      n.cols[i].pop_back();
      n.cols[j].push_back(card);
      if (TinyWinnable(n, seen)) return true;
    }
  }
  return false;
}

class SolverTest : public ::testing::Test {
 protected:
  SolverTest() { SetDeterministic(true); }
  ~SolverTest() override { SetDeterministic(false); }
};

TEST_F(SolverTest, NotWinnableAgreesWithAnExhaustiveSearchOnAStandInGame) {
  ScopedGameOverride game{kStandIn, [](TTable& t) { return std::make_unique<StandIn>(t); }};
  int winnable = 0, notWinnable = 0;
  for (uint32_t number = 1; number <= 40; ++number) {
    SolverTable table(kStandIn, 0);
    ASSERT_TRUE(table.Deal(number));
    Tiny start;
    for (int i = 1; i <= kColumns; ++i) {
      std::vector<int> col;
      for (TCard* c = table.Host().Table.Tableau[size_t(i)]->TopCard; c; c = c->NextCard)
        col.insert(col.begin(), c->Suit() * 16 + c->Rank());
      start.cols.push_back(col);
    }
    std::set<Tiny> seen;
    const bool expected = TinyWinnable(start, seen);
    // Rounds of a couple of positions make the main search take over many
    // restarted ones before it is done; what they hand over must not change
    // the answer, and the line must still lead from the deal to the win.
    for (long long firstRound : {0LL, 2LL}) {
      SolveRequest req;
      req.gameIndex = kStandIn;
      req.number = number;
      req.budget.firstRound = firstRound;
      const SolveResult r = Solve(req);
      ASSERT_EQ(r.verdict, expected ? Verdict::Winnable : Verdict::NotWinnable)
          << "deal " << number << ", first round " << firstRound;
      if (!expected) continue;
      SolverTable replay(kStandIn, 0);
      ASSERT_TRUE(replay.Deal(number));
      for (const SolverMove& m : r.line)
        ASSERT_TRUE(replay.Apply(m));
      EXPECT_TRUE(replay.Won()) << "deal " << number << ", first round " << firstRound;
    }
    (expected ? winnable : notWinnable)++;
  }
  // The sample holds both answers, or the comparison proves little.
  EXPECT_GT(winnable, 0);
  EXPECT_GT(notWinnable, 0);
}

// --- The real games through the real program --------------------------------

struct Case {
  int game;
  uint32_t number;
};

class SolverLineTest : public SolverTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SolverLineTest, LineReplaysThroughTheScriptedDriverToAWin) {
  const Case c = GetParam();
  SolveRequest req;
  req.gameIndex = c.game;
  req.number = c.number;
  // The position budget decides, not the clock: a sanitizer build runs the
  // same search many times slower and must find the same line.
  req.budget.seconds = 300;
  const SolveResult r = Solve(req);
  ASSERT_EQ(r.verdict, Verdict::Winnable);
  ASSERT_EQ(r.keys.size(), r.line.size());

  QTemporaryDir dir;
  PlayerList players;
  players.Add("Ann");
  GameFlow flow(AppSettings(), std::move(players), dir.filePath("players.dat"));
  QString text;
  QTextStream out(&text);
  ScriptDriver driver(flow, out);
  auto run = [&](const QString& script) {
    auto parsed = ParseScript(script);
    ASSERT_TRUE(std::holds_alternative<std::vector<ScriptCommand>>(parsed));
    ASSERT_FALSE(driver.Run(std::get<std::vector<ScriptCommand>>(parsed)));
  };
  run(QStringLiteral("deal %1 %2\nautoplay on\n").arg(c.game).arg(c.number));
  // Move by move, the real table lands exactly where the solver's own
  // table did: the move generator made only moves the table accepts.
  TableHost& host = flow.Host();
  for (size_t i = 0; i < r.line.size(); ++i) {
    run(r.line[i].Text());
    ASSERT_EQ(CapturePosition(host, PilesInOrder(host)).Key(), r.keys[i]) << "after entry " << i;
  }
  out.flush();
  EXPECT_TRUE(text.contains(QStringLiteral("won %1 %2\n").arg(c.game).arg(c.number)))
      << qPrintable(text);

  // The line came out shortened: from no position of it does a single move
  // reach a position more than one entry later, or the win early. Played on
  // one solver table twice over, as the shortening plays it, so a table that
  // can be won only once fails here.
  SolverTable table(c.game, 0);
  ASSERT_TRUE(table.Deal(c.number));
  const size_t opening = r.line.size() - size_t(r.moves);  // the opening ticks
  auto spot = [](const TablePosition& p) {
    return p.Key() + char(p.timerOn) + char(p.started != 0);
  };
  std::vector<TablePosition> at{table.Capture()};
  for (int pass = 0; pass < 2; ++pass) {
    table.Restore(at.front());
    at.resize(1);
    for (size_t i = opening; i < r.line.size(); ++i) {
      ASSERT_TRUE(table.Apply(r.line[i]));
      at.push_back(table.Capture());
    }
    ASSERT_TRUE(table.Won()) << "pass " << pass;
  }
  std::map<std::string, size_t> index;
  for (size_t i = 0; i < at.size(); ++i)
    index[spot(at[i])] = i;
  for (size_t i = 0; i + 1 < at.size(); ++i)
    for (const MoveOutcome& o : table.Moves(at[i])) {
      const size_t reach = o.won                           ? at.size() - 1
                           : index.count(spot(o.position)) ? index[spot(o.position)]
                                                           : 0;
      EXPECT_LE(reach, i + 1) << "a move from position " << i << " reaches " << reach;
    }
}

// Bisley and Short Solitaire; Carpet and King Albert, whose interchangeable
// piles the search takes for one; FreeCell and Castle, whose lines the
// native search finds (King Albert's too).
INSTANTIATE_TEST_SUITE_P(Deals, SolverLineTest,
                         ::testing::Values(Case{10, 1}, Case{18, 1}, Case{17, 1}, Case{6, 1},
                                           Case{32, 1}, Case{28, 1}),
                         [](const auto& info) {
                           return "game" + std::to_string(info.param.game) + "_deal" +
                                  std::to_string(info.param.number);
                         });

// A diving search wanders: King Albert deal 2's first line is hundreds of
// moves. The answer comes first without the second search for a shorter
// line; shortening it afterwards gives exactly the line Solve gives when it
// does both at once.
// The same holds for the native search's line (King Albert has a family).
TEST_F(SolverTest, ALongLineIsSearchedAgainShorterLaterOrAtOnce) {
  for (auto engine : {SolveRequest::Engine::Reference, SolveRequest::Engine::Native}) {
    SolveRequest req;
    req.gameIndex = 6;
    req.number = 2;
    req.budget.seconds = 300;
    req.engine = engine;
    const SolveResult atOnce = Solve(req);
    req.shortLine = false;
    SolveResult later = Solve(req);
    ASSERT_EQ(later.verdict, Verdict::Winnable);
    EXPECT_EQ(later.native, engine == SolveRequest::Engine::Native);
    const int first = later.moves;
    ShortenLine(req, later);
    EXPECT_LT(atOnce.moves * 2, first);
    EXPECT_EQ(later.moves, atOnce.moves);
    EXPECT_EQ(later.keys, atOnce.keys);
    ASSERT_EQ(later.line.size(), later.keys.size());
  }
}

TEST_F(SolverTest, BudgetRunsOutAsUnknownAndCancelStopsAtOnce) {
  SolveRequest req;
  req.gameIndex = 17;
  req.number = 1;
  req.engine = SolveRequest::Engine::Reference;  // whose positions `nodes` counts
  req.budget.nodes = 3;
  SolveResult r = Solve(req);
  EXPECT_EQ(r.verdict, Verdict::Unknown);
  EXPECT_TRUE(r.line.empty());
  EXPECT_LE(r.nodes, 3);
  std::atomic<bool> cancel{true};
  req.budget.nodes = 1000000;
  req.cancel = &cancel;
  r = Solve(req);
  EXPECT_EQ(r.verdict, Verdict::Unknown);
  EXPECT_TRUE(r.cancelled);
}

// Two FreeCell columns of seven cards swapped: one position for the search
// (the canonical digest), two tables all the same (the exact digest), and two
// positions again when swaps are not merged.
TEST_F(SolverTest, SwappedColumnsShareTheCanonicalDigestOnly) {
  for (bool merge : {true, false}) {
    SolverTable table(32, 0, merge);
    ASSERT_TRUE(table.Deal(1));
    TablePosition p = table.Capture();
    const TableDigest before = table.Digest();
    std::vector<size_t> at;  // where the cards of columns 1 and 2 start
    for (size_t i = 0; i < p.piles.size(); i += 5 + p.piles[i + 4])
      for (int col : {1, 2})
        if (p.piles[i] == table.Host().Table.Tableau[col]->DeckID()) at.push_back(i + 5);
    ASSERT_EQ(at.size(), 2u);
    ASSERT_EQ(p.piles[at[0] - 1], p.piles[at[1] - 1]);
    std::swap_ranges(p.piles.begin() + long(at[0]),
                     p.piles.begin() + long(at[0] + p.piles[at[0] - 1]),
                     p.piles.begin() + long(at[1]));
    table.Restore(p);
    const TableDigest after = table.Digest();
    EXPECT_NE(after.exact, before.exact);
    EXPECT_EQ(after.canonical == before.canonical, merge);
  }
}

// Taking swapped piles for one position must never hide a win: King Albert
// deals the merged search proves lost are lost when every arrangement is
// searched on its own as well.
TEST_F(SolverTest, MergingSwapsAgreesWithSearchingEveryArrangement) {
  for (uint32_t number : {4u, 8u, 10u}) {
    SolveRequest req;
    req.gameIndex = 6;
    req.number = number;
    req.budget = {2000000, 30};
    ASSERT_EQ(Solve(req).verdict, Verdict::NotWinnable) << "deal " << number;
    req.mergeSwaps = false;
    const SolveResult apart = Solve(req);
    EXPECT_EQ(apart.verdict, Verdict::NotWinnable) << "deal " << number;
  }
}

// Between the clicks it tries, the move generator rebuilds only the piles a
// click changed. Every move it reports, from the deal and from one position
// further, must land a table that was put back whole at the same place.
class SolverMovesTest : public SolverTest, public ::testing::WithParamInterface<int> {};

TEST_P(SolverMovesTest, EveryMoveLandsWhereTheGeneratorSaid) {
  const int game = GetParam();
  SolverTable table(game, 0);
  SolverTable check(game, 0);
  ASSERT_TRUE(table.Deal(3));
  ASSERT_TRUE(check.Deal(3));
  TablePosition from = table.Capture();
  for (int level = 0; level < 2; ++level) {
    const std::vector<MoveOutcome> moves = table.Moves(from);
    ASSERT_FALSE(moves.empty()) << "level " << level;
    for (const MoveOutcome& m : moves) {
      check.Restore(from);
      ASSERT_TRUE(check.Apply(m.move));
      EXPECT_EQ(check.Capture().Key(), m.position.Key()) << qPrintable(m.move.Text());
      EXPECT_EQ(check.Won(), m.won);
    }
    from = moves[moves.size() / 2].position;
  }
}

INSTANTIATE_TEST_SUITE_P(AllGames, SolverMovesTest, ::testing::Range(0, 46));

TEST_F(SolverTest, APositionGoesBackOnItsTableExactly) {
  SolverTable table(32, 0);
  ASSERT_TRUE(table.Deal(5));
  const TablePosition start = table.Capture();
  const std::vector<MoveOutcome> moves = table.Moves(start);
  ASSERT_FALSE(moves.empty());
  for (const MoveOutcome& m : moves) {
    EXPECT_NE(m.position.Key(), start.Key());
    table.Restore(m.position);
    EXPECT_EQ(table.Capture().Key(), m.position.Key());
  }
  table.Restore(start);
  EXPECT_EQ(table.Capture().Key(), start.Key());
}

}  // namespace
