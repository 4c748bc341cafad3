// SPDX-License-Identifier: GPL-3.0-or-later
// In a frame (game 4): the deal through the real program against an
// independent expectation, the frame piles, the foundations from Two round to
// Ace, the Twos going up by themselves (and nothing else), the stock gone
// through once and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Generator;

// Pool number 1..104 -> "QH", "QH2" for the second pack, lower case face down.
std::string Name(int n, bool faceUp) {
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  const int m = (n - 1) % 52;
  std::string s{kRanks[m % 13], kSuits[m / 13]};
  if (!faceUp) s = {char(std::tolower(s[0])), char(std::tolower(s[1]))};
  if (n > 52) s += '2';
  return s;
}

// Every card goes face down to the stock, each the c-th from the top of what
// is left on the waste (card 104 on top at first); the frame piles then take
// the stock's top cards in turn, face up.
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> pile;  // bottom first
  for (int n = 1; n <= 104; ++n)
    pile.push_back(n);
  std::vector<int> stock;  // bottom first
  while (!pile.empty()) {
    auto it = pile.end() - g.Draw(int(pile.size()));
    stock.push_back(*it);
    pile.erase(it);
  }
  std::vector<int> frame;
  for (int i = 0; i < 12; ++i) {
    frame.push_back(stock.back());
    stock.pop_back();
  }
  const int place[12][2] = {{230, 392}, {230, 288}, {230, 184}, {230, 80},  {310, 15},  {390, 15},
                            {470, 15},  {550, 15},  {630, 80},  {630, 184}, {630, 288}, {630, 392}};

  std::ostringstream out;
  out << "game 4 \"In a frame\" number " << number << " score -104 rotation -1 started 0\n";
  out << "pile 1 at 120,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  for (int i = 0; i < 12; ++i)
    out << "pile " << 3 + i << " at " << place[i][0] << ',' << place[i][1]
        << " shift 0/0 empty 0 tag 0: " << Name(frame[size_t(i)], true) << '\n';
  for (int i = 0; i < 8; ++i)
    out << "pile " << 15 + i << " at " << 310 + 80 * (i % 4) << ',' << (i < 4 ? 170 : 280)
        << " shift 0/0 empty 1 tag 1:\n";
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class InAFrameTest : public ::testing::Test {
 protected:
  InAFrameTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(4, 1);
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Frame(int i) { return host.Table.ListD[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(InAFrameDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4096u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "4", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(InAFrameDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(104).contains("<h1>In a frame</h1>"));
}

TEST_F(InAFrameTest, OnlyTwosGoUpByThemselves) {
  host.Table.AutoPlay = 0;  // AutoPlay On changes nothing here
  Lay({{Frame(1), "2H"},
       {Frame(2), "2C"},
       {Frame(3), "AS"},
       {Waste(), "2D"},
       {F(8), "2S 3S"},
       {Frame(4), "4S"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();  // one Two from the frame and the waste's in one tick
  EXPECT_EQ(Names(F(1)), "2H");
  EXPECT_EQ(Names(F(2)), "2D");
  RunTimer(5);
  EXPECT_EQ(Names(F(3)), "2C");
  EXPECT_EQ(Names(Frame(3)), "AS");
  EXPECT_EQ(Names(Frame(4)), "4S");  // it would fit, but nobody plays it up
  EXPECT_EQ(Names(F(8)), "2S 3S");
  // An Ace on the waste stays there too.
  Lay({{Waste(), "AH"}});
  RunTimer(3);
  EXPECT_EQ(Names(Waste()), "AH");
  EXPECT_EQ(F(1)->CardsCount(), 0);
}

TEST_F(InAFrameTest, FramePilesBuildDownInSuitAndTakeAnythingWhenEmpty) {
  Lay({{Frame(1), "9H"},
       {Frame(2), "8H"},
       {Frame(3), "8D"},
       {Frame(4), "AS"},
       {Frame(5), "KS"},
       {Waste(), "KD 7H"}});
  host.Board1->WarnEnabled = false;
  Move(Frame(3), Frame(1));  // another suit
  EXPECT_EQ(Names(Frame(1)), "9H");
  EXPECT_EQ(host.Board1->SelectedPile, Frame(3));
  Click(Frame(3));
  Move(Frame(2), Frame(1));
  Move(Waste(), Frame(1));
  EXPECT_EQ(Names(Frame(1)), "9H 8H 7H");
  Move(Frame(5), Frame(4));  // a King on the Ace of its suit
  EXPECT_EQ(Names(Frame(4)), "AS KS");
  // Empty frame piles take any card, from the waste or from the frame.
  Move(Waste(), Frame(2));
  Move(Frame(3), Frame(5));
  EXPECT_EQ(Names(Frame(2)), "KD");
  EXPECT_EQ(Names(Frame(5)), "8D");
  // One card at a time, however the pile lies.
  Move(Frame(1), Frame(6));
  EXPECT_EQ(Names(Frame(6)), "7H");
  EXPECT_EQ(Names(Frame(1)), "9H 8H");
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(InAFrameTest, FoundationsRunFromTwoRoundToAce) {
  Lay({{F(1), "2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
       {F(2), "2C"},
       {Frame(1), "AH"},
       {Frame(2), "3C"},
       {Frame(3), "AC"},
       {Waste(), "4C"}});
  host.Board1->WarnEnabled = false;
  Move(Frame(3), F(2));  // the Ace comes last
  EXPECT_EQ(Names(F(2)), "2C");
  Click(Frame(3));
  Move(Frame(1), F(1));  // and completes its foundation on the King
  EXPECT_EQ(F(1)->CardsCount(), 13);
  DoubleClick(Frame(2));
  DoubleClick(Waste());
  EXPECT_EQ(Names(F(2)), "2C 3C 4C");
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 16);

  // The stock is gone through once.
  Lay({{Stock(), "5c 9d"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "9D");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(Stock());
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "9D 5C");
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
}

TEST_F(InAFrameTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  std::vector<std::pair<TDeck*, std::string>> table;
  const std::string suits = "CDHS";
  for (int i = 0; i < 8; ++i) {
    std::string text;
    for (char r : std::string("23456789TJQKA")) {
      if (i == 7 && r == 'A') continue;
      text += std::string(text.empty() ? "" : " ") + r + suits[size_t(i % 4)] + (i >= 4 ? "2" : "");
    }
    table.push_back({F(i + 1), text});
  }
  table.push_back({Frame(4), "AS2"});
  Lay(table);
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 0);
  Move(Frame(4), F(8));
  EXPECT_EQ(wins, 0);  // the timer decides
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  // The frame and foundation rules start the timer on every click; the won
  // table does not win again.
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}
