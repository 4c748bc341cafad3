// SPDX-License-Identifier: GPL-3.0-or-later
// Carpet (game 17): the deal through the real program against an independent
// expectation, the gaps of the carpet, the waste's double click, the one
// pass through the stock, the Aces that go up by themselves and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// The pack lies on the waste, card 52 on top; twenty draws of the c-th card
// from the top fill the carpet row by row, the other 32 go face down to the
// stock in the order drawn.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  std::vector<int>& pack = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<int> carpet;
  for (int i = 0; i < 20; ++i)
    carpet.push_back(draw());
  std::string stock;
  while (!pack.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 17 \"Carpet\" number " << number << " score -52 rotation -1 started 0\n";
  out << "pile 1 at 100,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  const int foundationLeft[] = {235, 311, 387, 463};
  for (int i = 0; i < 4; ++i)
    out << "pile " << 3 + i << " at " << foundationLeft[i] << ",5 shift 0/0 empty 1 tag 0:\n";
  const int placeLeft[] = {200, 276, 352, 428, 504};
  const int placeTop[] = {120, 220, 320, 420};
  for (int i = 0; i < 20; ++i)
    out << "pile " << 7 + i << " at " << placeLeft[i % 5] << ',' << placeTop[i / 5]
        << " shift 0/0 empty 0 tag " << 11 + i << ": " << Name(carpet[size_t(i)], true) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class CarpetTest : public ::testing::Test {
 protected:
  CarpetTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(17, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Place(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void RunTimer(int ticks = 10) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
  // Every place of the carpet holds a card except those named.
  std::vector<std::pair<TDeck*, std::string>> FullCarpet(std::set<int> gaps) {
    static const char* kFiller[] = {"3C", "4C", "5C", "6C", "7C", "3D", "4D", "5D", "6D", "7D",
                                    "3H", "4H", "5H", "6H", "7H", "3S", "4S", "5S", "6S", "7S"};
    std::vector<std::pair<TDeck*, std::string>> piles;
    for (int i = 1; i <= 20; ++i)
      if (!gaps.count(i)) piles.push_back({Place(i), kFiller[i - 1]});
    return piles;
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(CarpetDeal, RealProgramDumpsTheExpectedTableAndTheHelpTopicIsCarried) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 31337u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "17", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
  EXPECT_TRUE(HelpTopicExists(117));
  EXPECT_TRUE(HelpTopicHtml(117).contains("<h1>Carpet</h1>"));
}

TEST_F(CarpetTest, AGapTakesOneCardFromTheWasteOrTheCarpetAndAFullPlaceNothing) {
  auto table = FullCarpet({4, 9});
  table.push_back({Waste(), "KD QS"});
  Arrange(host, table);
  Move(Waste(), Place(1));  // a place with a card takes nothing
  EXPECT_EQ(Names(Place(1)), "3C");
  Click(Waste());
  Move(Place(2), Place(3));
  EXPECT_EQ(Names(Place(3)), "5C");
  Click(Place(2));
  EXPECT_EQ(host.Table.GameStarted, 0);  // a free place's rule starts nothing

  Move(Waste(), Place(4));  // any card fills a gap
  EXPECT_EQ(Names(Place(4)), "QS");
  Move(Place(4), Place(9));  // from one place into another gap
  EXPECT_EQ(Names(Place(9)), "QS");
  EXPECT_EQ(Names(Place(4)), "");
  Move(Waste(), Place(9));  // but only one card per place
  EXPECT_EQ(Names(Place(9)), "QS");
  EXPECT_EQ(Names(Waste()), "KD");
  Click(Waste());
  Move(Place(1), Waste());  // nothing goes back onto the waste
  EXPECT_EQ(Names(Waste()), "KD");
  Click(Place(1));
  Move(Place(1), Stock());  // nor onto the stock
  EXPECT_EQ(Names(Place(1)), "3C");
  EXPECT_EQ(host.Board1->History.size(), 2u);
}

TEST_F(CarpetTest, FoundationsGoUpInSuitAndTakeNoAceByHand) {
  auto table = FullCarpet({20});
  table.push_back({Waste(), "AH"});
  table.push_back({F(1), "AC 2C"});
  Arrange(host, table);
  Move(Waste(), F(2));  // an Ace does not start a foundation by hand
  EXPECT_EQ(Names(F(2)), "");
  Click(Waste());
  Move(Place(1), F(1));  // 3C on 2C
  EXPECT_EQ(Names(F(1)), "AC 2C 3C");
  Move(Place(6), F(1));  // 3D on 3C: no
  EXPECT_EQ(Names(F(1)), "AC 2C 3C");
  Click(Place(6));
  Click(F(1));  // foundation cards stay
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  DoubleClick(Place(2));  // 4C by a double click
  EXPECT_EQ(Names(F(1)), "AC 2C 3C 4C");
  DoubleClick(Place(7));  // 4D fits nowhere and stays
  EXPECT_EQ(Names(Place(7)), "4D");
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 4);
}

TEST_F(CarpetTest, WasteDoubleClickPrefersAFoundationThenTheFirstGap) {
  auto table = FullCarpet({12, 17});
  table.push_back({Waste(), "9H 8H 2S"});
  table.push_back({F(3), "AS"});
  Arrange(host, table);
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Waste());  // 2S follows AS
  EXPECT_EQ(Names(F(3)), "AS 2S");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  DoubleClick(Waste());  // 8H fits no foundation: the first gap, place 12
  EXPECT_EQ(Names(Place(12)), "8H");
  EXPECT_EQ(Names(Place(17)), "");
  DoubleClick(Waste());
  EXPECT_EQ(Names(Place(17)), "9H");
  EXPECT_EQ(Names(Waste()), "");

  // No fitting foundation and no gap: the card stays where it is.
  auto full = FullCarpet({});
  full.push_back({Waste(), "KH"});
  Arrange(host, full);
  const TableState before = Snapshot(host);
  DoubleClick(Waste());
  Click(Waste());
  EXPECT_EQ(Snapshot(host), before);
  EXPECT_TRUE(host.Board1->History.empty());
}

TEST_F(CarpetTest, StockIsTurnedOneCardAtATimeAndOnlyOnce) {
  EXPECT_EQ(Stock()->CardsCount(), 32);
  host.Table.AutoPlay = 1;
  int turned = 0;
  while (Stock()->TopCard && turned < 100) {
    TCard* top = Stock()->TopCard;
    Click(Stock());
    ASSERT_EQ(Waste()->TopCard, top);
    EXPECT_TRUE(top->Face());
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);  // the stock is never picked up
    ++turned;
  }
  EXPECT_EQ(turned, 32);
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  const TableState before = Snapshot(host);
  Click(Stock());  // no redeal
  EXPECT_EQ(Snapshot(host), before);
  EXPECT_EQ(host.Table.Rotation_Counter(), -1);
}

TEST_F(CarpetTest, AcesAloneGoUpByThemselvesWhateverAutoPlaySays) {
  auto table = FullCarpet({3, 8});
  table.push_back({Place(3), "AD"});
  table.push_back({Place(8), "AH"});
  table.push_back({Waste(), "AS"});
  table.push_back({Stock(), "2h"});
  Arrange(host, table);
  host.Table.AutoPlay = 0;
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();  // one from the carpet and one from the waste
  EXPECT_EQ(Names(F(1)), "AD");
  EXPECT_EQ(Names(F(2)), "AS");
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(3)), "AH");
  Click(Stock());  // the Two of hearts comes up
  RunTimer();
  EXPECT_EQ(Names(Waste()), "2H");  // AutoPlay On, yet it waits for the player
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 3);
}

TEST_F(CarpetTest, WinIsDetectedOnceWhenTheFourFoundationsAreFull) {
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS"},
                 {Place(7), "KS"},
                 {Waste(), "KH"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 0);  // nothing goes up by itself but Aces
  DoubleClick(Waste());
  RunTimer(3);
  EXPECT_EQ(wins, 0);  // one card still out
  Move(Place(7), F(4));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
