// SPDX-License-Identifier: GPL-3.0-or-later
// Steeplechase (game 19): the deal through the real program against an
// independent expectation, the foundations in alternating colours from the
// dealt base rank, foundation cards coming back into play, the reserve that
// plays only to the foundations, runs and the empty-column question, the
// timer and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Both packs lie on the waste, card 104 on top. Thirteen draws make the
// reserve, the next one the first foundation, then one for each column;
// the other 82 go face down to the stock in the order drawn.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  auto draw = [&] { return deal.Draw(); };
  std::string reserve;
  for (int i = 0; i < 13; ++i)
    reserve += std::string(" ").append(Name(draw()));
  const std::string base = std::string(" ").append(Name(draw()));
  std::vector<std::string> columns;
  for (int i = 0; i < 8; ++i)
    columns.push_back(std::string(" ").append(Name(draw())));
  std::string stock;
  while (!deal.cards.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 19 \"Steeplechase\" number " << number << " score " << -104 + 5
      << " rotation -1 started 0\n";
  out << "pile 1 at 10,140 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 2 + i << " at " << 74 * i + 46
        << ",5 shift 0/0 empty 1 tag 16:" << (i == 1 ? base : "") << '\n';
  out << "pile 11 at 120,112 shift 0/15 empty 0 tag 15:" << reserve << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 11 + i << " at " << 74 * i + 46
        << ",220 shift 18/0 empty 0 tag 4:" << columns[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// A complete foundation from a base Queen: thirteen cards in alternating
// colours, starting red with the given red and black suits ("H", "S2") or
// black when `redFirst` is false.
std::string FullFoundation(bool redFirst, const std::string& red, const std::string& black) {
  static const char* kRanks = "QKA23456789TJ";
  std::string s;
  for (int k = 0; k < 13; ++k) {
    const bool isRed = (k % 2 == 0) == redFirst;
    const std::string& suit = isRed ? red : black;
    if (!s.empty()) s += ' ';
    s += kRanks[k];
    s += suit;
  }
  return s;
}

class SteeplechaseTest : public GameTest {
 protected:
  SteeplechaseTest() {
    // A deal whose base rank is the Queen, so that the foundations wrap.
    for (uint32_t n = 1; n < 1000; ++n) {
      host.DealGame(19, n);
      if (F(1)->TopCard->Rank() == 12) break;
    }
    host.Table.AutoPlay = 1;
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Reserve() { return host.Table.Reserve[1]; }
  TDeck* Waste() { return host.Table.Waste(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& piles) { Arrange(host, piles, 104); }
};

}  // namespace

TEST(SteeplechaseDeal, RealProgramDumpsTheExpectedTableAndTheHelpTopicIsCarried) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4242u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "19", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
  EXPECT_TRUE(HelpTopicExists(119));
  EXPECT_TRUE(HelpTopicHtml(119).contains("<h1>Steeplechase</h1>"));
}

TEST_F(SteeplechaseTest, FoundationsClimbInAlternatingColoursRoundTheCorner) {
  ASSERT_EQ(F(1)->TopCard->Rank(), 12);
  Lay({{F(1), "QH"},
       {Col(1), "KD2"},
       {Col(2), "KS"},
       {Col(3), "AH"},
       {Col(4), "2H"},
       {Col(5), "QD"},
       {Col(6), "2C"}});
  Move(Col(1), F(1));  // the same colour: no
  EXPECT_EQ(Names(F(1)), "QH");
  Click(Col(1));
  Move(Col(2), F(1));  // a black King on the red Queen
  Move(Col(3), F(1));  // and a red Ace on the King
  Move(Col(4), F(1));  // a red Two on the red Ace: no
  EXPECT_EQ(Names(F(1)), "QH KS AH");
  Click(Col(4));
  Move(Col(6), F(1));  // a Two of the other colour, any suit
  EXPECT_EQ(Names(F(1)), "QH KS AH 2C");
  Move(Col(5), F(2));  // an empty foundation takes not even a base card by hand
  EXPECT_EQ(Names(F(2)), "");
  Click(Col(5));
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 4);

  // A complete foundation takes nothing more, though the next card would
  // follow its top: by hand, by a double click or by automatic play.
  const std::string full = FullFoundation(true, "H", "S");
  Lay({{F(1), full}, {Col(1), "QC"}, {F(2), "QD2"}, {Col(2), "KC2"}});
  Move(Col(1), F(1));
  EXPECT_EQ(F(1)->CardsCount(), 13);
  Click(Col(1));
  DoubleClick(Col(1));
  EXPECT_EQ(F(1)->CardsCount(), 13);
  Click(Col(1));
  host.Table.AutoPlay = 0;
  host.Additional_timer.SetEnabled(true);
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(1)), full);
  EXPECT_EQ(Names(F(3)), "QC");  // a base card starts the next empty foundation
  EXPECT_EQ(Names(F(2)), "QD2 KC2");
}

TEST_F(SteeplechaseTest, FoundationCardsComeBackOnlyOntoAFittingColumnCard) {
  Lay({{F(1), "QH KS"}, {F(2), "QD"}, {F(3), "QC2 KH"}, {Col(1), "AD"}, {Col(3), "5C"}});
  Click(F(2));  // a base card cannot be picked up
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(F(1), F(2));  // KS would follow QD, but not from another foundation
  EXPECT_EQ(Names(F(2)), "QD");
  EXPECT_EQ(host.Board1->SelectedPile, F(1));
  Click(Col(2));  // nor into an empty column
  EXPECT_EQ(Names(Col(2)), "");
  Click(Col(3));  // nor onto a card it does not fit
  EXPECT_EQ(Names(Col(3)), "5C");
  Click(Col(1));  // a King fits on an Ace of the other colour
  EXPECT_EQ(Names(Col(1)), "AD KS");
  EXPECT_EQ(Names(F(1)), "QH");
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 4);
  Move(Col(1), F(3));  // a black King does not follow a red King
  EXPECT_EQ(Names(F(3)), "QC2 KH");
  Click(Col(1));
  DoubleClick(Col(1));  // back to the first foundation that takes it
  EXPECT_EQ(Names(F(1)), "QH KS");
  EXPECT_TRUE(messages.empty());
}

TEST_F(SteeplechaseTest, ReserveCardsPlayOnlyToTheFoundations) {
  Lay({{F(1), "QH KS AD 2C 3H"}, {Reserve(), "9D 4S 5D"}, {Col(1), "6S"}});
  Move(Reserve(), Col(1));  // 5D would fit on 6S
  EXPECT_EQ(Names(Col(1)), "6S");
  Click(Reserve());
  Move(Reserve(), Col(2));  // nor into an empty column
  EXPECT_EQ(Names(Col(2)), "");
  Click(Reserve());
  Move(Col(1), Reserve());  // nothing goes onto the reserve
  EXPECT_EQ(Names(Reserve()), "9D 4S 5D");
  Click(Col(1));
  DoubleClick(Reserve());  // 5D fits no foundation
  EXPECT_EQ(Names(Reserve()), "9D 4S 5D");
  Click(Reserve());
  Lay({{F(1), "QH KS AD 2C 3H"}, {Reserve(), "9D 5D 4S"}});
  DoubleClick(Reserve());
  EXPECT_EQ(Names(F(1)), "QH KS AD 2C 3H 4S");
  EXPECT_EQ(Names(Reserve()), "9D 5D");
}

TEST_F(SteeplechaseTest, WasteRunsMoveOntoACardButGoIntoAnEmptyColumnOneCardUnasked) {
  Lay({{Waste(), "9H 8S 7D"}, {Col(1), "TC"}, {Col(2), "KH"}});
  Move(Waste(), Col(2));  // no card of the waste's run fits on KH
  EXPECT_EQ(Names(Col(2)), "KH");
  Click(Waste());
  Move(Waste(), Col(3));  // 7D lies in order on 8S, yet goes alone and unasked
  EXPECT_EQ(Names(Col(3)), "7D");
  EXPECT_TRUE(dialogs.empty());
  Move(Waste(), Col(1));  // 8S lies in order on 9H: the two go onto TC together
  EXPECT_EQ(Names(Col(1)), "TC 9H 8S");
  EXPECT_EQ(Names(Waste()), "");
}

TEST_F(SteeplechaseTest, RunsMoveAsUnitsAndTheEmptyColumnQuestionDecidesHowMuch) {
  Lay({{Col(1), "KC 8C 7H 6S"}, {Col(2), "9D"}});
  Move(Col(1), Col(2));  // from the deepest card that fits
  EXPECT_EQ(Names(Col(2)), "9D 8C 7H 6S");
  EXPECT_EQ(Names(Col(1)), "KC");
  Move(Col(2), Col(1));  // no card of the run fits on KC
  EXPECT_EQ(Names(Col(1)), "KC");
  Click(Col(2));

  const std::vector<std::pair<TDeck*, std::string>> table = {{Col(1), "5D AS KH QC"}};
  Lay(table);
  dialogAnswer = mrOk;  // the run, but not down to the Ace
  Move(Col(1), Col(2));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(2)), "KH QC");
  EXPECT_EQ(Names(Col(1)), "5D AS");

  Lay({{Col(1), "8C 7H 6S"}});
  Move(Col(1), Col(2));  // a column that is one run goes whole
  EXPECT_EQ(Names(Col(2)), "8C 7H 6S");
  EXPECT_EQ(Names(Col(1)), "");

  Lay(table);
  dialogAnswer = mrYes;  // the single card
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "QC");

  for (int answer : {int(mrCancel), 0}) {
    Lay(table);
    dialogAnswer = answer;
    Move(Col(1), Col(2));
    EXPECT_EQ(Names(Col(2)), "");
    EXPECT_EQ(Names(Col(1)), "5D AS KH QC");
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);
    EXPECT_TRUE(host.Board1->History.empty());
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(SteeplechaseTest, BaseCardsGoUpAlwaysAndOtherCardsOnlyWhenAutoPlayIsOnAndSafe) {
  Lay({{F(1), "QH"},
       {Reserve(), "5C QS"},
       {Col(1), "QD"},
       {Col(2), "KH"},
       {Col(3), "AS"},
       {Waste(), "QC2"}});
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();  // AutoPlay Off: the base cards only
  EXPECT_EQ(Names(F(2)), "QS");
  EXPECT_EQ(Names(F(3)), "QD");
  EXPECT_EQ(Names(F(4)), "QC2");
  for (int i = 0; i < 3; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(Names(Col(2)), "KH");
  host.Table.AutoPlay = 0;
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(2)), "QS KH");
  // With four foundations still empty an Ace (a third card) is not safe.
  EXPECT_EQ(Names(Col(3)), "AS");
  EXPECT_EQ(Names(Reserve()), "5C");
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 5);
}

TEST_F(SteeplechaseTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  const std::string red[] = {"H", "D", "H2", "D2"}, black[] = {"S", "C", "S2", "C2"};
  std::vector<std::pair<TDeck*, std::string>> table;
  for (int i = 1; i <= 8; ++i)
    table.push_back({F(i), FullFoundation(i <= 4, red[(i - 1) % 4], black[(i - 1) % 4])});
  // Foundation 8 ends J C2 and foundation 7 JS2: take both off.
  table[7].second.resize(table[7].second.size() - 4);
  table[6].second.resize(table[6].second.size() - 4);
  table.push_back({Col(5), "JC2"});
  table.push_back({Reserve(), "JS2"});
  Lay(table);
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);  // AutoPlay Off: two cards out
  DoubleClick(Reserve());
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);
  Move(Col(5), F(8));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Additional_timer.SetEnabled(true);
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}
