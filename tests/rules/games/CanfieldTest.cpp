// SPDX-License-Identifier: GPL-3.0-or-later
// Canfield (game 3) and Short Solitaire (game 18): both deals checked card
// for card through the real program against an independent
// re-implementation, the turn pile and the endless stock, the base rank,
// Canfield's runs and reserve, Short Solitaire's columns, and the wins.

#include "session/Hint.h"
#include "solver/Moves.h"
#include "support/GameHarness.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

// The shuffle generator written again from its definition: state *
// 134775813 + 1 modulo 2^32; a draw in 1..n is the high 32 bits of n * state,
// plus 1.
struct ReferenceGenerator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
};

struct RefCard {
  int n;  // pool number 1..52
  bool up;
  int Rank() const { return (n - 1) % 13 + 1; }
  std::string Text() const {
    static const char* kRanks = "A23456789TJQK";
    static const char* kSuits = "CDHS";
    std::string s{kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
    if (!up)
      for (char& ch : s)
        ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return s;
  }
};
using RefPile = std::vector<RefCard>;  // bottom first

// The deal pile of one pack and its draws of the c-th card from the top.
struct RefDeal {
  ReferenceGenerator g;
  RefPile pile;
  RefDeal(uint32_t number, bool up) : g{number} {
    for (int n = 1; n <= 52; ++n)
      pile.push_back({n, up});
  }
  RefCard Draw() {
    auto it = pile.end() - g.Draw(int(pile.size()));
    RefCard c = *it;
    pile.erase(it);
    return c;
  }
};

std::string Line(int id, int left, int top, int v, int g, int empty, int tag, const RefPile& p) {
  std::ostringstream out;
  out << "pile " << id << " at " << left << ',' << top << " shift " << v << '/' << g << " empty "
      << empty << " tag " << tag << ':';
  for (const RefCard& c : p)
    out << ' ' << c.Text();
  out << '\n';
  return out.str();
}

// Canfield: 13 to the reserve (its top turned up), one to each column, one
// to the first foundation (the base rank), 34 to the stock; then dealt
// column cards of the base rank go to the next empty foundations.
std::string ExpectedCanfield(uint32_t number) {
  RefDeal d(number, false);
  RefPile reserve, stock, columns[4], foundations[4];
  for (int i = 0; i < 13; ++i)
    reserve.push_back(d.Draw());
  reserve.back().up = true;
  for (RefPile& c : columns) {
    c.push_back(d.Draw());
    c.back().up = true;
  }
  foundations[0].push_back(d.Draw());
  foundations[0].back().up = true;
  const int base = foundations[0].back().Rank();
  while (!d.pile.empty())
    stock.push_back(d.Draw());
  int used = 1;
  for (RefPile& c : columns)
    if (c.back().Rank() == base) {
      foundations[used++].push_back(c.back());
      c.clear();
    }
  std::ostringstream out;
  out << "game 3 \"Canfield\" number " << number << " score " << -52 + 5 * used
      << " rotation -1 started 0\n";
  out << Line(1, 100, 5, 2, 2, 4, 1, {}) << Line(2, 100, 5, 0, 15, 4, 1, {})
      << Line(3, 5, 5, 2, 2, 3, 2, stock) << Line(4, 5, 130, 5, 0, 0, 5, reserve);
  for (int i = 0; i < 4; ++i)
    out << Line(5 + i, 80 * (i + 1) + 170, 5, 0, 0, 1, 1, foundations[i]);
  for (int i = 0; i < 4; ++i)
    out << Line(9 + i, 80 * (i + 1) + 170, 130, 18, 0, 0, 4, columns[i]);
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// Short Solitaire: the pack face up; 24 cards round the six columns starting
// with the second, one to the first foundation, the rest face down to the
// stock.
std::string ExpectedShort(uint32_t number) {
  RefDeal d(number, true);
  RefPile stock, columns[6], foundation;
  for (int i = 1; i <= 24; ++i)
    columns[i % 6].push_back(d.Draw());
  foundation.push_back(d.Draw());
  while (!d.pile.empty()) {
    stock.push_back(d.Draw());
    stock.back().up = false;
  }
  std::ostringstream out;
  out << "game 18 \"Short Solitaire\" number " << number << " score -47 rotation -1 started 0\n";
  out << Line(1, 100, 5, 2, 2, 4, 1, {}) << Line(2, 100, 5, 0, 15, 0, 1, {})
      << Line(3, 5, 5, 2, 2, 3, 2, stock);
  for (int i = 0; i < 4; ++i)
    out << Line(4 + i, 80 * (i + 1) + 155, 5, 0, 0, 1, 0, i == 0 ? foundation : RefPile{});
  for (int i = 0; i < 6; ++i)
    out << Line(8 + i, 76 * (i + 1) + 24, 140, 18, 0, 0, 11 + i, columns[i]);
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// "5H 6H ... 4H": a suit's 13 cards from the base rank up, circularly.
std::string SuitFrom(int base, char suit, int count = 13) {
  static const std::string kRanks = "A23456789TJQK";
  std::string s;
  for (int k = 0; k < count; ++k) {
    if (!s.empty()) s += ' ';
    s += std::string{kRanks[size_t((base - 1 + k) % 13)], suit};
  }
  return s;
}

class CanfieldFamilyTest : public ::testing::Test {
 protected:
  CanfieldFamilyTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
  }

  // Deals the first game number whose base rank is `rank` and returns it.
  uint32_t DealWithBase(int game, int rank) {
    for (uint32_t n = 1; n < 2000; ++n) {
      host.DealGame(game, n);
      TDeck* f1 = host.Table.Foundation[1];
      if (f1->CardAt(f1->CardsCount())->Rank() == rank) return n;
    }
    ADD_FAILURE() << "no deal with base rank " << rank;
    return 0;
  }

  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  TDeck* Turn() { return host.Table.Single[3]; }
  TDeck* Reserve() { return host.Table.Single[4]; }
  // Canfield's foundations and columns.
  TDeck* KF(int i) { return host.Table.Foundation[i]; }
  TDeck* KCol(int i) { return host.Table.ListB[i]; }
  // Short Solitaire's.
  TDeck* SF(int i) { return host.Table.Foundation[i]; }
  TDeck* SCol(int i) { return host.Table.Tableau[i]; }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i)
      host.Additional_timer.Fire();
  }
  QPoint At(const TGraphicControl* c) { return {c->Left(), c->Top()}; }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(CanfieldDeal, RealProgramDumpsTheExpectedTables) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "3", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedCanfield(number)) << "number " << number;
    r = box.Run({"--game", "18", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedShort(number)) << "number " << number;
  }
}

TEST_F(CanfieldFamilyTest, DealsMatchTheExpectationAndDealtBaseCardsGoUp) {
  for (uint32_t number : {2u, 77u, 4096u}) {
    host.DealGame(3, number);
    EXPECT_EQ(DumpTable(host, 3, number).toStdString(), ExpectedCanfield(number));
    host.DealGame(18, number);
    EXPECT_EQ(DumpTable(host, 18, number).toStdString(), ExpectedShort(number));
  }
  // A deal with a base-rank card among the columns: it is on a foundation,
  // its column stays empty and the reserve keeps its 13 cards.
  uint32_t found = 0;
  for (uint32_t n = 1; n < 500 && !found; ++n) {
    host.DealGame(3, n);
    if (KF(2)->CardsCount() == 1) found = n;
  }
  ASSERT_NE(found, 0u);
  EXPECT_EQ(DumpTable(host, 3, found).toStdString(), ExpectedCanfield(found));
  EXPECT_EQ(KF(2)->TopCard->Rank(), KF(1)->TopCard->Rank());
  int empty = 0;
  for (int i = 1; i <= 4; ++i)
    empty += KCol(i)->CardsCount() == 0;
  EXPECT_GE(empty, 1);
  EXPECT_EQ(Reserve()->CardsCount(), 13);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(CanfieldFamilyTest, StockTurnsThreeOntoTheTurnPileAsOneStep) {
  host.DealGame(3, 5);
  Arrange(host, {{Waste(), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC"},
                 {Turn(), "QD KD AD"},
                 {Stock(), "2s 3s 4s 5s"},
                 {KF(1), "9H"}});
  Turn()->SetBounds(100, 5, Turn()->Width(), Turn()->Height());
  const TableState before = Snapshot(host);
  host.Additional_timer.SetEnabled(false);
  Click(Stock());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(Names(Turn()), "5S 4S 3S");
  EXPECT_EQ(Names(Waste()), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QD KD AD");
  EXPECT_EQ(Names(Stock()), "2s");
  // The turn pile lies on the waste's top card (a stack of 14 shows one
  // edge) and fans its three cards to the right.
  EXPECT_EQ(At(Turn()), At(Waste()->TopCard));
  EXPECT_EQ(At(Turn()), QPoint(102, 7));
  EXPECT_EQ(At(Turn()->TopCard), QPoint(132, 7));
  EXPECT_TRUE(host.Board1->Animate);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_EQ(host.Table.GameStarted, 1);

  // One undo takes the whole turn back, the turn pile to where it was.
  host.Board1->UndoStep();
  EXPECT_EQ(Snapshot(host), before);
  EXPECT_EQ(At(Turn()), QPoint(100, 5));
  EXPECT_FALSE(host.Board1->CanUndo());
  host.Board1->RedoStep();
  EXPECT_EQ(Names(Turn()), "5S 4S 3S");

  // The last card alone; then the empty stock turns everything back.
  Click(Stock());
  EXPECT_EQ(Names(Turn()), "2S");
  EXPECT_EQ(Names(Stock()), "");
  Click(Stock());
  EXPECT_EQ(Names(Turn()), "");
  EXPECT_EQ(Names(Waste()), "");
  EXPECT_EQ(Names(Stock()), "2s 3s 4s 5s ad kd qd jc tc 9c 8c 7c 6c 5c 4c 3c 2c ac");
  EXPECT_EQ(At(Turn()), At(Waste()));
  EXPECT_FALSE(host.Board1->CanUndo());  // a pass is never undone
  // The next pass turns the cards in their first order again.
  Click(Stock());
  EXPECT_EQ(Names(Turn()), "AC 2C 3C");
  // Any number of passes; an empty waste turns back to nothing.
  Arrange(host, {{KF(1), "9H"}});
  Click(Stock());
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Names(Turn()), "");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

TEST_F(CanfieldFamilyTest, TurnPileTopPlaysAndUncoversTheWasteBeneath) {
  host.DealGame(3, 5);
  host.Board1->WarnEnabled = false;
  Arrange(host, {{Waste(), "9S"}, {Turn(), "JD 8D"}, {KCol(1), "TH"}, {KCol(2), "9C"}});
  Move(Turn(), KCol(2));  // 8D on 9C
  EXPECT_EQ(Names(KCol(2)), "9C 8D");
  Move(Turn(), KCol(1));  // JD on TH: no, and it stays picked up
  EXPECT_EQ(host.Board1->SelectedPile, Turn());
  Click(KCol(3));  // an empty column (no reserve left) takes it
  EXPECT_EQ(Names(KCol(3)), "JD");
  EXPECT_EQ(Names(Turn()), "");
  Move(Waste(), KCol(1));  // the waste's top card is playable again
  EXPECT_EQ(Names(KCol(1)), "TH 9S");
  EXPECT_TRUE(messages.empty());
}

// While the turn pile lies on the waste, the waste's top card is covered:
// no way of playing takes it, though a column and a foundation would.
TEST_F(CanfieldFamilyTest, TheWasteCardUnderTheTurnPileWaitsUntilTheTurnPileIsPlayedOut) {
  struct Case {
    int game;
    std::function<TDeck*(int)> column, foundation;
  };
  const Case cases[] = {{3, [this](int i) { return KCol(i); }, [this](int i) { return KF(i); }},
                        {18, [this](int i) { return SCol(i); }, [this](int i) { return SF(i); }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.game);
    const uint32_t number = DealWithBase(c.game, 5);
    host.Table.AutoPlay = 1;
    host.Board1->WarnEnabled = false;
    // 9S fits on the TH and on the 8S; the turn pile's 2C fits nowhere.
    auto arrange = [&](const char* turn) {
      Arrange(host, {{c.foundation(1), "5C 6C 7C 8S"},
                     {c.column(1), "TH"},
                     {Waste(), "KD 9S"},
                     {Turn(), turn}});
      host.Additional_timer.SetEnabled(false);
    };
    arrange("JD 2C");
    const TablePosition covered = CapturePosition(host, PilesInOrder(host));
    Click(Waste());  // a click, a key on the framed waste, a drag's lift
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);
    Click(c.column(1));
    EXPECT_EQ(Names(c.column(1)), "TH");
    host.Board1->ClearSelection();
    DoubleClick(Waste());
    EXPECT_EQ(Names(c.foundation(1)), "5C 6C 7C 8S");
    host.Board1->ClearSelection();
    host.Drag().Pressed(Qt::LeftButton, At(Waste()->TopCard) + QPoint(5, 5), Waste()->TopCard);
    host.Drag().Moved(At(Waste()->TopCard) + QPoint(40, 40));
    EXPECT_FALSE(host.Drag().Dragging());
    host.Drag().Released(Qt::LeftButton, At(c.column(1)->TopCard) + QPoint(5, 5));
    EXPECT_EQ(Names(Waste()), "KD 9S");
    const auto hint = FindHint(host);
    EXPECT_TRUE(!hint || hint->From != Waste());
    // The solver's moves come from the same clicks on a table of its own.
    SolverTable solver(c.game, 1);
    ASSERT_TRUE(solver.Deal(number));
    for (const MoveOutcome& m : solver.Moves(covered))
      EXPECT_NE(m.move.steps.front().a, Waste()->DeckID()) << qPrintable(m.move.Text());
    // Played out, the turn pile uncovers the waste's top card.
    arrange("");
    Move(Waste(), c.column(1));
    EXPECT_EQ(Names(c.column(1)), "TH 9S");
  }
}

TEST_F(CanfieldFamilyTest, CanfieldRunsMoveFromTheDeepestFittingCard) {
  host.DealGame(3, 5);
  Arrange(host, {{KCol(1), "KC QH JS TD 9C"}, {KCol(2), "QD"}, {KCol(3), "8H"}});
  const TableState before = Snapshot(host);
  Move(KCol(1), KCol(2));
  EXPECT_EQ(Names(KCol(2)), "QD JS TD 9C");
  EXPECT_EQ(Names(KCol(1)), "KC QH");
  host.Board1->UndoStep();
  EXPECT_EQ(Snapshot(host), before);
  // Nothing of the run fits: refused, nothing moves.
  Move(KCol(1), KCol(3));
  EXPECT_EQ(Names(KCol(1)), "KC QH JS TD 9C");
  EXPECT_EQ(messages.size(), 1u);
  // A King goes on an Ace of the other colour.
  Arrange(host, {{KCol(1), "KH"}, {KCol(2), "AS"}, {KCol(3), "KS"}});
  Move(KCol(3), KCol(2));
  EXPECT_EQ(Names(KCol(2)), "AS");
  Move(KCol(1), KCol(2));
  EXPECT_EQ(Names(KCol(2)), "AS KH");

  // From the waste, the turn pile or the reserve only the top card moves,
  // even when it lies on a card that would fit.
  Arrange(host, {{Turn(), "JH TS"},
                 {Waste(), "JD TC"},
                 {Reserve(), "5D 4D"},
                 {KCol(1), "QC"},
                 {KCol(2), "QS"},
                 {KCol(3), "6C"}});
  messages.clear();
  Move(Turn(), KCol(1));
  Move(Reserve(), KCol(3));
  // The waste's top card, once the turn pile is off it.
  Arrange(host, {{Waste(), "JD TC"}, {KCol(1), "QC"}, {KCol(2), "QS"}, {KCol(3), "6C"}});
  Move(Waste(), KCol(2));
  EXPECT_EQ(Names(KCol(1)) + Names(KCol(2)) + Names(KCol(3)), "QCQS6C");
  EXPECT_EQ(messages.size(), 3u);
}

TEST_F(CanfieldFamilyTest, CanfieldEmptiedColumnsTakeTheReserveUntilItIsSpent) {
  host.DealGame(3, 5);
  Arrange(host, {{Reserve(), "3d 8c 5H"},
                 {KCol(1), "9S"},
                 {KCol(2), "TH"},
                 {KCol(3), "8S"},
                 {KCol(4), "9H"},
                 {KF(1), "7S"}});
  const TableState before = Snapshot(host);
  Move(KCol(1), KCol(2));
  EXPECT_EQ(Names(KCol(2)), "TH 9S");
  EXPECT_EQ(Names(KCol(1)), "5H");
  EXPECT_EQ(Names(Reserve()), "3d 8C");
  host.Board1->UndoStep();  // the move, the refill and the turn are one step
  EXPECT_EQ(Snapshot(host), before);

  // A move to a foundation refills too (by double click here).
  DoubleClick(KCol(3));
  EXPECT_EQ(Names(KF(1)), "7S 8S");
  EXPECT_EQ(Names(KCol(3)), "5H");
  EXPECT_EQ(Names(Reserve()), "3d 8C");
  // The reserve's own card to a column turns the next one up.
  Move(Reserve(), KCol(4));
  EXPECT_EQ(Names(KCol(4)), "9H 8C");
  EXPECT_EQ(Names(Reserve()), "3D");

  // With the reserve spent an emptied column stays empty and takes any card.
  Arrange(host, {{KCol(1), "9S"}, {KCol(2), "TH"}, {Waste(), "4D"}});
  Move(KCol(1), KCol(2));
  EXPECT_EQ(Names(KCol(1)), "");
  Move(Waste(), KCol(1));
  EXPECT_EQ(Names(KCol(1)), "4D");
}

TEST_F(CanfieldFamilyTest, CanfieldFoundationsRunFromTheBaseRankRoundTheCircle) {
  DealWithBase(3, 5);
  host.Additional_timer.SetEnabled(false);
  Arrange(host, {{KF(1), SuitFrom(5, 'S', 9)},  // 5S..KS
                 {KF(2), "5D"},
                 {KCol(1), "AS"},
                 {KCol(2), "2S"},
                 {KCol(3), "6H"},
                 {Waste(), "7D"}});
  Move(KCol(2), KF(1));  // 2 on King: no
  Move(KCol(1), KF(1));  // an Ace on the King
  Move(KCol(2), KF(1));
  EXPECT_EQ(Names(KF(1)), SuitFrom(5, 'S', 11));
  Move(KCol(3), KF(3));  // an empty foundation takes nothing from the player
  EXPECT_EQ(Names(KF(3)), "");
  DoubleClick(KCol(3));  // 6H fits nowhere: it stays picked up
  EXPECT_EQ(Names(KCol(3)), "6H");
  Click(KCol(3));
  DoubleClick(Waste());  // 7D does not follow 5D
  EXPECT_EQ(Names(Waste()), "7D");
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(CanfieldFamilyTest, CanfieldTimerPlacesOnlyBaseCardsFromReserveTurnPileAndWaste) {
  DealWithBase(3, 5);
  host.Table.AutoPlay = 0;  // still nothing but base cards go up
  Arrange(
      host,
      {{KF(1), "5C"}, {Reserve(), "3h 5D"}, {Turn(), "5S 6D"}, {Waste(), "5H"}, {KCol(2), "6C"}});
  Tick(3);
  EXPECT_EQ(Names(KF(2)), "5D");
  EXPECT_EQ(Names(Reserve()), "3H");
  EXPECT_EQ(Names(KF(3)), "");  // the waste's 5 lies under the turn pile
  EXPECT_EQ(Names(KCol(2)), "6C");
  EXPECT_EQ(Names(KF(1)), "5C");
  EXPECT_TRUE(host.Additional_timer.Enabled());
  // The turn pile's top card of the base rank goes up.
  Arrange(host, {{KF(1), "5C"}, {Turn(), "6D 5S"}, {Waste(), "5H"}});
  Tick();
  EXPECT_EQ(Names(KF(2)), "5S");
  // With the turn pile played out, the waste's top card does.
  Arrange(host, {{KF(1), "5C"}, {Waste(), "2D 5H"}});
  Tick();
  EXPECT_EQ(Names(KF(2)), "5H");
  EXPECT_EQ(Names(Waste()), "2D");
}

TEST_F(CanfieldFamilyTest, CanfieldWinsOnceWhenTheLastCardGoesUp) {
  DealWithBase(3, 1);
  Arrange(host, {{KF(1), SuitFrom(1, 'C')},
                 {KF(2), SuitFrom(1, 'D')},
                 {KF(3), SuitFrom(1, 'H')},
                 {KF(4), SuitFrom(1, 'S', 11)},
                 {KCol(1), "KS QS"}});
  Tick(3);
  EXPECT_EQ(wins, 0);
  DoubleClick(KCol(1));
  EXPECT_EQ(wins, 0);
  EXPECT_EQ(Names(KCol(1)), "KS");
  Move(KCol(1), KF(4));
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
  Tick(3);
  Click(Stock());
  Tick(3);
  EXPECT_EQ(wins, 1);
}

TEST_F(CanfieldFamilyTest, ShortEmptyColumnTakesOnlyTheCardBelowTheBase) {
  DealWithBase(18, 5);
  host.Table.AutoPlay = 1;
  Arrange(host,
          {{SF(1), "5C"}, {SCol(2), "3C"}, {SCol(3), "4H 9D"}, {SCol(4), "6S"}, {SCol(5), "4D"}});
  Move(SCol(2), SCol(1));  // a 3 on an empty column: no
  Move(SCol(4), SCol(1));  // a 6: no
  Move(SCol(5), SCol(1));  // the 4 below the base 5: yes
  EXPECT_EQ(Names(SCol(1)), "4D");
  Move(SCol(2), SCol(1));  // one lower, any suit
  EXPECT_EQ(Names(SCol(1)), "4D 3C");
  Move(SCol(4), SCol(1));  // higher: no
  EXPECT_EQ(messages.size(), 3u);
  // Single cards only: 9D moves, the 4H beneath it never with it.
  Arrange(host, {{SF(1), "5C"}, {SCol(1), "4H 9D"}, {SCol(2), "TS"}, {SCol(3), "5S"}});
  Move(SCol(1), SCol(2));
  EXPECT_EQ(Names(SCol(2)), "TS 9D");
  Move(SCol(1), SCol(3));
  EXPECT_EQ(Names(SCol(3)), "5S 4H");

  // With base Ace an empty column takes a King, and a King goes on an Ace.
  DealWithBase(18, 1);
  Arrange(host, {{SF(1), "AC"}, {SCol(1), "QH"}, {SCol(2), "KD"}, {SCol(3), "AS"}});
  Move(SCol(1), SCol(4));
  EXPECT_EQ(Names(SCol(4)), "");
  Move(SCol(2), SCol(4));
  EXPECT_EQ(Names(SCol(4)), "KD");
  Move(SCol(4), SCol(3));
  EXPECT_EQ(Names(SCol(3)), "AS KD");
}

TEST_F(CanfieldFamilyTest, ShortTimerPlacesBaseCardsAndPlaysUpAnySuitSafely) {
  DealWithBase(18, 5);
  host.Table.AutoPlay = 1;
  Arrange(host, {{SF(1), "5C"}, {SCol(1), "5D"}, {SCol(2), "6H"}, {Turn(), "5S"}, {Waste(), "5H"}});
  Tick();
  // One base card from the columns and one from the turn pile in one tick;
  // the waste's lies under the turn pile and goes once it is bare. AutoPlay
  // Off moves nothing else.
  EXPECT_EQ(Names(SF(2)), "5D");
  EXPECT_EQ(Names(SF(3)), "5S");
  EXPECT_EQ(Names(SF(4)), "");
  Tick();
  EXPECT_EQ(Names(SF(4)), "5H");
  EXPECT_EQ(Names(SCol(2)), "6H");
  Tick(3);
  EXPECT_EQ(Names(SCol(2)), "6H");
  // A player's move: any suit one higher on a foundation; double click too.
  Move(SCol(2), SF(1));
  EXPECT_EQ(Names(SF(1)), "5C 6H");

  // AutoPlay On: a card goes up only while it is at most one above the
  // lowest foundation; the turn pile's top card counts, and the waste's once
  // the turn pile is off it.
  host.Table.AutoPlay = 0;
  Arrange(host, {{SF(1), "5C 6H"},
                 {SF(2), "5D"},
                 {SF(3), "5S"},
                 {SCol(1), "7C"},
                 {SCol(2), "6D"},
                 {Waste(), "KD 6S"},
                 {Turn(), "8H 7D"}});
  Tick(6);
  EXPECT_EQ(Names(SCol(1)), "7C");  // two above the empty foundation: stays
  EXPECT_EQ(Names(Turn()), "8H 7D");
  EXPECT_EQ(Names(SF(2)), "5D 6D");
  EXPECT_EQ(Names(SF(3)), "5S");  // 6S lies under the turn pile
  EXPECT_EQ(Names(Waste()), "KD 6S");
  // The player is not held to the safe rule.
  DoubleClick(SCol(1));
  EXPECT_EQ(Names(SF(1)), "5C 6H 7C");
  // With the turn pile empty the waste's top card plays.
  Arrange(host, {{SF(1), "5C 6H"}, {SF(2), "5D"}, {SF(3), "5S"}, {Waste(), "KD 6S"}});
  Tick(2);
  EXPECT_EQ(Names(SF(2)), "5D 6S");
  EXPECT_EQ(Names(Waste()), "KD");
  EXPECT_EQ(wins, 0);
}

TEST_F(CanfieldFamilyTest, ShortWinsOnceWhenEveryFoundationHoldsThirteen) {
  DealWithBase(18, 5);
  host.Table.AutoPlay = 0;
  // Built regardless of suit: each foundation mixes suits.
  Arrange(host, {{SF(1), "5C 6D 7H 8S 9C TD JH QS KC AD 2H 3S 4C"},
                 {SF(2), "5D 6H 7S 8C 9D TH JS QC KD AH 2S 3C 4D"},
                 {SF(3), "5H 6S 7C 8D 9H TS JC QD KH AS 2C 3D 4H"},
                 {SF(4), "5S 6C 7D 8H 9S TC JD QH KS AC 2D 3H"},
                 {SCol(3), "4S"}});
  host.Additional_timer.SetEnabled(true);
  EXPECT_EQ(wins, 0);
  Tick();  // the 4 goes up; the same tick sees the table complete
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(SF(4)->CardsCount(), 13);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
  // The empty stock turns back and re-arms the timer: no second win.
  Click(Stock());
  Tick(3);
  EXPECT_EQ(wins, 1);
}

TEST(CanfieldDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(103));
  EXPECT_TRUE(HelpTopicHtml(103).contains("<h1>Canfield</h1>"));
  EXPECT_TRUE(HelpTopicExists(118));
  EXPECT_TRUE(HelpTopicHtml(118).contains("<h1>Short Solitaire</h1>"));
}
