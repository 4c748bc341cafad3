// SPDX-License-Identifier: GPL-3.0-or-later
// Forty Thieves (27), Josephine (36) and Masquerade (42): the deals checked
// card for card through the real program, the three column rules, the
// stocks, foundations that give cards back (Masquerade) or never do,
// automatic play, complete foundations and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"

using namespace harness;

namespace {

using independent::Name;

// What the program must print for a deal, built from the rules of the deal:
// both packs on the deal pile (card 104 on top), every card the c-th from
// the top of what is left; the columns in turn, then the stock face down.
std::string ExpectedDump(int game, uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  const bool masquerade = game == 42;
  const int columns = masquerade ? 8 : 10;
  std::vector<std::vector<int>> column(static_cast<size_t>(columns));
  for (int i = 0; i < (masquerade ? 8 : 40); ++i)
    column[size_t(i % columns)].push_back(draw());
  std::vector<int> stock;
  while (!pile.empty())
    stock.push_back(draw());

  std::ostringstream out;
  const char* name = game == 27 ? "Forty Thieves" : game == 36 ? "Josephine" : "Masquerade";
  out << "game " << game << " \"" << name << "\" number " << number
      << " score -104 rotation -1 started 0\n";
  int id = 1;
  if (!masquerade) out << "pile " << id << " at 100,5 shift 2/2 empty 4 tag 1:\n";
  ++id;  // Masquerade's deal pile is gone, its number stays used
  out << "pile " << id++ << " at 10,5 shift 2/2 empty 2 tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << id++ << " at " << (masquerade ? 78 * i + 60 : 73 * i + 119)
        << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= columns; ++i) {
    out << "pile " << id++ << " at " << (masquerade ? 78 * i + 60 : 77 * i - 67)
        << ",130 shift 18/0 empty 0 tag 4:";
    for (int n : column[size_t(i - 1)])
      out << ' ' << Name(n);
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class ThievesTest : public GameTest {
 protected:
  void Deal(int game) {
    ASSERT_TRUE(host.DealGame(game, 1));
    wins = 0;
  }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  // Fills every column not named in the layout with one card of its own, so
  // the count of empty columns is exactly what a test says.
  void LayFull(std::vector<std::pair<TDeck*, std::string>> layout, int columns,
               std::vector<int> keepEmpty = {}) {
    static const char* kFillers[] = {"2C2", "3C2", "4C2", "5C2", "6C2",
                                     "2D2", "3D2", "4D2", "5D2", "6D2"};
    for (int i = 1; i <= columns; ++i) {
      bool named = std::find(keepEmpty.begin(), keepEmpty.end(), i) != keepEmpty.end();
      for (const auto& [pile, text] : layout)
        named = named || pile == Col(i);
      if (!named) layout.push_back({Col(i), kFillers[i - 1]});
    }
    Lay(layout);
  }
  void RunTimer(int ticks = 40) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

// Every foundation full but the last one, which lacks its Queen and King.
std::vector<std::pair<int, std::string>> NearlyFull() {
  std::vector<std::pair<int, std::string>> f;
  const std::string suits = "CDHS";
  for (int i = 0; i < 8; ++i) {
    std::string text;
    for (char r : std::string("A23456789TJQK")) {
      if (i == 7 && (r == 'Q' || r == 'K')) continue;
      text += std::string(text.empty() ? "" : " ") + r + suits[size_t(i % 4)] + (i >= 4 ? "2" : "");
    }
    f.push_back({i + 1, text});
  }
  return f;
}

}  // namespace

TEST(ThievesDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  const std::vector<std::pair<int, uint32_t>> deals = {
      {27, 1}, {27, 2147483647u}, {36, 7}, {36, 31337}, {42, 1}, {42, 123456789}};
  for (auto [game, number] : deals) {
    ProgramRun r =
        box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
        << "game " << game << " number " << number;
  }
}

TEST_F(ThievesTest, FortyThievesRunsTravelOnlyThroughEmptyColumns) {
  Deal(27);
  // No empty column: 8H would fit on 9H2, but not the run from 9H onto TH.
  LayFull({{Col(1), "KS 9H 8H"}, {Col(2), "TH"}, {Col(3), "9H2"}}, 10);
  host.Board1->WarnEnabled = false;
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "TH");
  EXPECT_EQ(host.Board1->SelectedPile, Col(1));  // refused, still held
  Click(Col(3));
  EXPECT_EQ(Names(Col(3)), "9H2 8H");
  EXPECT_EQ(host.Table.GameStarted, 1);

  // Two empty columns besides the destination: three cards go, four do not.
  host.Board1->WarnEnabled = true;
  LayFull({{Col(1), "KS 9H 8H 7H 6H"}, {Col(2), "TH"}}, 10, {9, 10});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "TH");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);

  LayFull({{Col(1), "KS 9H 8H 7H"}, {Col(2), "TH"}}, 10, {9, 10});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "TH 9H 8H 7H");
  EXPECT_EQ(Names(Col(1)), "KS");
  EXPECT_EQ(Names(Col(9)) + Names(Col(10)), "");
  // Two parked, the base, one back and the last: five single moves.
  EXPECT_EQ(host.Board1->History.size(), 5u);
}

TEST_F(ThievesTest, FortyThievesEmptyColumnCountsOnlyOtherEmptyColumns) {
  Deal(27);
  const std::vector<std::pair<TDeck*, std::string>> run = {{Col(1), "KS 9H 8H 7H 6H"}};
  // Columns 9 and 10 empty: moving to 10 leaves N = 1, so two cards go.
  LayFull(run, 10, {9, 10});
  dialogAnswer = mrOk;
  Move(Col(1), Col(10));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(10)), "7H 6H");
  EXPECT_EQ(Names(Col(1)), "KS 9H 8H");
  // With no other empty column there is nothing to ask: one card moves.
  LayFull(run, 10, {10});
  Move(Col(1), Col(10));
  EXPECT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(Names(Col(10)), "6H");
}

TEST_F(ThievesTest, JosephineMovesAnyRunInSuitAndWholeColumns) {
  Deal(36);
  // No empty column at all: the whole run of five still goes in one move.
  LayFull({{Col(1), "KS 9H 8H 7H 6H 5H"}, {Col(2), "TH"}}, 10);
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "TH 9H 8H 7H 6H 5H");
  EXPECT_EQ(Names(Col(1)), "KS");
  EXPECT_EQ(host.Board1->History.size(), 1u);

  // The waste is no run, however its cards lie.
  LayFull({{Waste(), "8H 7H"}, {Col(1), "9H"}}, 10);
  host.Board1->WarnEnabled = false;
  Move(Waste(), Col(1));
  EXPECT_EQ(Names(Col(1)), "9H");
  Click(Waste());

  // "Move column" takes the whole column, bottom card included, and any
  // card may head it (no King needed).
  host.Board1->WarnEnabled = true;
  const std::vector<std::pair<TDeck*, std::string>> whole = {{Col(1), "9H 8H 7H"}};
  LayFull(whole, 10, {10});
  dialogAnswer = mrOk;
  Move(Col(1), Col(10));
  EXPECT_EQ(Names(Col(10)), "9H 8H 7H");
  EXPECT_EQ(Names(Col(1)), "");
  LayFull(whole, 10, {10});
  dialogAnswer = mrYes;
  Move(Col(1), Col(10));
  EXPECT_EQ(Names(Col(10)), "7H");
  LayFull(whole, 10, {10});
  dialogAnswer = 0;  // the dialog closed
  Move(Col(1), Col(10));
  EXPECT_EQ(Names(Col(1)), "9H 8H 7H");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(dialogs.size(), 3u);
}

TEST_F(ThievesTest, StocksTurnOnceAndOnlyMasqueradeFoundationsGiveBack) {
  Deal(27);
  Lay({{Stock(), "5c 9d"}, {F(1), "AH 2H"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "9D");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(Stock());
  Click(Stock());  // empty: nothing to turn, no redeal
  EXPECT_EQ(Names(Waste()), "9D 5C");
  EXPECT_EQ(Names(Stock()), "");
  Click(F(1));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);

  Deal(42);
  Lay({{Stock(), "ac 2c 3c 4c 5c 6c 7c 8c 9c tc"}, {Col(3), "8S"}});
  Click(Stock());
  for (int i = 1; i <= 8; ++i)
    EXPECT_EQ(Names(Col(i)), (i == 3 ? "8S " : "") + Name(11 - i)) << i;
  EXPECT_EQ(Names(Stock()), "ac 2c");
  host.Board1->UndoStep();  // the row is one step
  EXPECT_EQ(Names(Stock()), "ac 2c 3c 4c 5c 6c 7c 8c 9c tc");
  EXPECT_EQ(Names(Col(3)), "8S");
  host.Board1->RedoStep();
  Click(Stock());  // the last two cards
  EXPECT_EQ(Names(Col(1)), "TC 2C");
  EXPECT_EQ(Names(Col(2)), "9C AC");
  EXPECT_EQ(Names(Col(4)), "7C");

  // A foundation's top card comes back onto a column, an Ace never.
  Lay({{F(1), "AH 2H 3H"}, {F(2), "AD"}, {Col(1), "4S"}});
  host.Board1->WarnEnabled = false;
  Move(F(1), Col(1));
  EXPECT_EQ(Names(Col(1)), "4S 3H");
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 3);
  Click(F(2));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  // Columns go down in alternating colours.
  Lay({{Col(1), "4S 3H"}, {Col(2), "4H"}, {Col(3), "KD"}, {Col(4), "AS"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "4H");
  Click(Col(1));
  Move(Col(3), Col(4));  // a King on an Ace of the other colour
  EXPECT_EQ(Names(Col(4)), "AS KD");
}

TEST_F(ThievesTest, AutoPlayIsSafeInThievesAndMasqueradeEagerInJosephine) {
  for (int game : {27, 42, 36}) {
    Deal(game);
    host.Table.AutoPlay = 0;
    Lay({{F(1), "AH 2H"},
         {F(2), "AC 2C"},
         {F(3), "AD 2D"},
         {F(4), "AS"},
         {F(5), "AH2 2H2"},
         {F(6), "AC2 2C2"},
         {F(7), "AD2 2D2"},
         {F(8), "AS2 2S2"},
         {Col(1), "KC 3H"},
         {Col(2), "QC 2S"}});
    host.Board1->WarnEnabled = false;
    host.Additional_timer.SetEnabled(true);
    RunTimer(1);
    // Safe play: the Two of spades first; Josephine takes whatever fits.
    if (game == 36) {
      EXPECT_EQ(Names(F(1)), "AH 2H 3H");
      RunTimer();
      EXPECT_EQ(Names(F(4)), "AS 2S");
      continue;
    }
    EXPECT_EQ(Names(F(1)), "AH 2H") << game;
    EXPECT_EQ(Names(F(4)), "AS 2S") << game;
    RunTimer(1);
    EXPECT_EQ(Names(F(1)), "AH 2H 3H") << game;
  }

  // AutoPlay Off: Aces only, from a column or the waste.
  Deal(27);
  host.Table.AutoPlay = 1;
  Lay({{Col(1), "KC AH"}, {Waste(), "AS"}, {Col(2), "2H"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AS");
  EXPECT_EQ(Names(Col(2)), "2H");
}

TEST_F(ThievesTest, CompleteFoundationTakesNoSecondAce) {
  Deal(27);
  host.Table.AutoPlay = 0;
  const std::vector<std::pair<TDeck*, std::string>> table = {
      {F(1), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
      {F(2), "AC"},
      {F(3), "AD"},
      {F(4), "AS"},
      {F(5), "AC2"},
      {F(6), "AD2"},
      {Col(1), "KS AS2"},
      {Col(2), "QS AH2"}};
  Lay(table);
  host.Board1->WarnEnabled = false;
  Move(Col(2), F(1));  // refused by the foundation
  EXPECT_EQ(F(1)->CardsCount(), 13);
  Click(Col(2));
  DoubleClick(Col(2));  // nowhere to go: F(7) and F(8) are empty
  EXPECT_EQ(F(1)->CardsCount(), 13);
  EXPECT_EQ(Names(Col(2)), "QS AH2");
  Click(Col(2));
  // The timer puts the first Ace on F(7) and must not drop the other on the
  // complete hearts in the same tick; the next tick starts F(8) with it.
  host.Additional_timer.SetEnabled(true);
  RunTimer(1);
  EXPECT_EQ(Names(F(7)), "AS2");
  EXPECT_EQ(F(1)->CardsCount(), 13);
  RunTimer(1);
  EXPECT_EQ(Names(F(8)), "AH2");
}

TEST_F(ThievesTest, WinIsDetectedOnceAndOnlyWhenEveryFoundationIsFull) {
  for (int game : {27, 36, 42}) {
    Deal(game);
    host.Table.AutoPlay = 1;
    std::vector<std::pair<TDeck*, std::string>> table;
    for (const auto& [i, text] : NearlyFull())
      table.push_back({F(i), text});
    table.push_back({Col(2), "KS2 QS2"});
    Lay(table);
    host.Additional_timer.SetEnabled(true);
    RunTimer(3);
    EXPECT_EQ(wins, 0) << game;
    Move(Col(2), F(8));
    host.Additional_timer.Fire();
    EXPECT_EQ(wins, 0) << game;  // the King is still out
    DoubleClick(Col(2));
    EXPECT_EQ(F(8)->CardsCount(), 13) << game;
    EXPECT_EQ(wins, 0) << game;  // the timer decides, not the move
    host.Additional_timer.Fire();
    EXPECT_EQ(wins, 1) << game;
    EXPECT_FALSE(host.Additional_timer.Enabled()) << game;
    RunTimer(3);
    EXPECT_EQ(wins, 1) << game;
    EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104) << game;
  }
}
