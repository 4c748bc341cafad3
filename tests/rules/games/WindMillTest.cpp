// SPDX-License-Identifier: GPL-3.0-or-later
// WindMill (game 0): the deal checked card for card against an independent
// re-implementation through the real program, the centre, corner and arm
// rules, the refill of emptied arms, and the win.

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

// Pool number 1..104 as the dump writes it: "QH", "qh" face down, "QH2" for
// the second pack.
std::string RefCard(int n, bool faceUp) {
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  const int k = (n - 1) % 52;
  std::string s{kRanks[k % 13], kSuits[k / 13]};
  if (!faceUp)
    for (char& ch : s)
      ch = char(std::tolower(static_cast<unsigned char>(ch)));
  if (n > 52) s += '2';
  return s;
}

// The table the deal must give: both packs on the waste (pool card 1 at the
// bottom), that bottom card to the centre, every other card to the stock by
// draws of the c-th card from the top, then the stock's top card to each
// arm in turn.
std::string ExpectedDump(uint32_t number) {
  ReferenceGenerator g{number};
  std::vector<int> waste;  // bottom first
  for (int n = 1; n <= 104; ++n)
    waste.push_back(n);
  const int centre = waste.front();
  waste.erase(waste.begin());
  std::vector<int> stock;
  while (!waste.empty()) {
    auto it = waste.end() - g.Draw(int(waste.size()));
    stock.push_back(*it);
    waste.erase(it);
  }
  std::vector<int> arms;
  for (int i = 0; i < 8; ++i) {
    arms.push_back(stock.back());
    stock.pop_back();
  }
  std::ostringstream out;
  out << "game 0 \"WindMill\" number " << number << " score -99 rotation -1 started 0\n";
  out << "pile 1 at 120,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:";
  for (int n : stock)
    out << ' ' << RefCard(n, false);
  out << "\npile 3 at 400,198 shift 0/0 empty 1 tag 0: " << RefCard(centre, true) << '\n';
  const int armAt[8][2] = {{400, 2},   {400, 100}, {400, 296}, {400, 394},
                           {200, 198}, {300, 198}, {500, 198}, {600, 198}};
  for (int i = 0; i < 8; ++i)
    out << "pile " << 4 + i << " at " << armAt[i][0] << ',' << armAt[i][1]
        << " shift 0/0 empty 0 tag 0: " << RefCard(arms[size_t(i)], true) << '\n';
  const int cornerAt[4][2] = {{300, 100}, {500, 100}, {300, 296}, {500, 296}};
  for (int i = 0; i < 4; ++i)
    out << "pile " << 12 + i << " at " << cornerAt[i][0] << ',' << cornerAt[i][1]
        << " shift 0/0 empty 1 tag 1:\n";
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// Ranks from..to of one suit, "5H 6H 7H" ("2" appended for pack two).
std::string SuitRun(const std::string& ranks, char suit, bool pack2 = false) {
  std::string s;
  for (char r : ranks) {
    if (!s.empty()) s += ' ';
    s += std::string{r, suit} + (pack2 ? "2" : "");
  }
  return s;
}
const std::string kUp = "A23456789TJQK";
const std::string kDown = "KQJT98765432A";

class WindMillTest : public ::testing::Test {
 protected:
  WindMillTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(0, 1);
  }

  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  TDeck* Centre() { return host.Table.Foundation[1]; }
  TDeck* Arm(int i) { return host.Table.Single[3 + i]; }
  TDeck* Corner(int i) { return host.Table.Foundation[1 + i]; }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(WindMillDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "0", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(WindMillTest, DealLeavesNoTimerAndTheCentreAceFirst) {
  for (uint32_t number : {1u, 77u, 31337u}) {
    host.DealGame(0, number);
    EXPECT_EQ(DumpTable(host, 0, number).toStdString(), ExpectedDump(number));
    EXPECT_EQ(Names(Centre()), "AC");
    EXPECT_FALSE(host.Additional_timer.Enabled());
    EXPECT_FALSE(bool(host.Additional_timer.OnTimer));
  }
}

TEST_F(WindMillTest, CentreBuildsUpAnySuitWrapsAfterKingAndStopsAt52) {
  Lay({{Centre(), "AC 2C"}, {Arm(1), "3D"}, {Arm(2), "4C"}, {Arm(3), "5S"}});
  Move(Arm(2), Centre());  // 4 on 2: no
  EXPECT_EQ(Names(Centre()), "AC 2C");
  EXPECT_EQ(messages.size(), 1u);
  Move(Arm(1), Centre());  // 3 of another suit: yes
  EXPECT_EQ(Names(Centre()), "AC 2C 3D");
  EXPECT_EQ(host.Table.GameStarted, 1);

  // An Ace follows a King; the 52nd card goes on, the 53rd does not.
  const std::string full51 = SuitRun(kUp, 'C') + ' ' + SuitRun(kUp, 'D') + ' ' + SuitRun(kUp, 'H') +
                             ' ' + SuitRun("A23456789TJQ", 'S');
  Lay({{Centre(), SuitRun(kUp, 'C')}, {Arm(1), "AH2"}});
  Move(Arm(1), Centre());
  EXPECT_EQ(Centre()->CardsCount(), 14);
  Lay({{Centre(), full51}, {Arm(1), "KD2"}, {Arm(2), "AH2"}});
  Move(Arm(1), Centre());
  EXPECT_EQ(Centre()->CardsCount(), 52);
  Move(Arm(2), Centre());  // an Ace on the King, but the centre is full
  EXPECT_EQ(Centre()->CardsCount(), 52);
  EXPECT_EQ(Names(Arm(2)), "AH2");

  // Neither the centre nor the stock can be picked up.
  Click(Centre());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

TEST_F(WindMillTest, CornersTakeAKingFirstThenOneLowerAndNothingOnAnAce) {
  Lay({{Arm(1), "QH"}, {Arm(2), "KH"}, {Arm(3), "QS2"}, {Arm(4), "TD"}, {Arm(5), "KC2"}});
  Move(Arm(1), Corner(1));  // a Queen on an empty corner: no
  EXPECT_EQ(Names(Corner(1)), "");
  Move(Arm(2), Corner(1));
  Move(Arm(4), Corner(1));  // two lower: no
  Move(Arm(3), Corner(1));  // one lower, other suit and pack
  EXPECT_EQ(Names(Corner(1)), "KH QS2");
  EXPECT_EQ(host.Board1->Score(), -104 + 10);

  Lay({{Corner(2), "KS 3D 2C AD"}, {Arm(1), "KC2"}, {Arm(2), "AS"}});
  Move(Arm(1), Corner(2));  // ranks do not wrap on a corner
  Move(Arm(2), Corner(2));
  EXPECT_EQ(Names(Corner(2)), "KS 3D 2C AD");
  EXPECT_EQ(messages.size(), 4u);
}

TEST_F(WindMillTest, AnArmEmptiedToCentreOrCornerIsRefilledAtOnce) {
  Lay({{Centre(), "AC 2D 3H"},
       {Corner(1), "KD"},
       {Arm(1), "4S"},
       {Arm(2), "QC"},
       {Waste(), "5D 7H"},
       {Stock(), "9c 3s"}});
  const TableState before = Snapshot(host);
  Move(Arm(1), Centre());
  EXPECT_EQ(Names(Centre()), "AC 2D 3H 4S");
  EXPECT_EQ(Names(Arm(1)), "7H");  // the waste's top card
  EXPECT_EQ(Names(Waste()), "5D");
  // The move and its refill are one step.
  host.Board1->UndoStep();
  EXPECT_EQ(Snapshot(host), before);
  EXPECT_FALSE(host.Board1->CanUndo());

  // With the waste spent the stock's top card comes, face up.
  Lay({{Corner(1), "KD"}, {Arm(2), "QC"}, {Stock(), "9c 3s"}});
  Move(Arm(2), Corner(1));
  EXPECT_EQ(Names(Arm(2)), "3S");
  EXPECT_EQ(Names(Stock()), "9c");
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Arm(2)), "QC");
  EXPECT_EQ(Names(Stock()), "9c 3s");

  // Moves from the waste, and from arm to arm, refill nothing; with nothing
  // left to refill from the arm stays empty.
  Lay({{Centre(), "AC"}, {Arm(1), "9S"}, {Waste(), "5D 2H"}, {Stock(), "9c"}});
  Move(Waste(), Centre());
  EXPECT_EQ(Names(Waste()), "5D");
  EXPECT_EQ(Names(Stock()), "9c");
  Move(Arm(1), Arm(2));
  EXPECT_EQ(Names(Arm(1)), "");
  EXPECT_EQ(Names(Arm(2)), "9S");
  Move(Arm(2), Arm(3));
  Move(Arm(3), Arm(3));  // picked up and put back
  EXPECT_EQ(Names(Arm(3)), "9S");
  Lay({{Centre(), "AC"}, {Arm(1), "2S"}});
  Move(Arm(1), Centre());
  EXPECT_EQ(Names(Arm(1)), "");
  // An occupied arm takes nothing.
  Lay({{Arm(1), "2S"}, {Arm(2), "3S"}});
  Move(Arm(1), Arm(2));
  EXPECT_EQ(Names(Arm(2)), "3S");
}

TEST_F(WindMillTest, StockGoesOnceOneCardAtATimeOntoTheWaste) {
  Lay({{Stock(), "4h 8c"}});
  Click(Stock());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(Names(Waste()), "8C");
  Click(Stock());
  Click(Stock());  // empty: nothing, no turning back
  EXPECT_EQ(Names(Waste()), "8C 4H");
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(WindMillTest, WinIsDetectedOnceWhenCentreAndCornersAreComplete) {
  const std::string centre51 = SuitRun(kUp, 'C') + ' ' + SuitRun(kUp, 'D') + ' ' +
                               SuitRun(kUp, 'H') + ' ' + SuitRun("A23456789TJQ", 'S');
  Lay({{Centre(), centre51},
       {Corner(1), SuitRun(kDown, 'C', true)},
       {Corner(2), SuitRun(kDown, 'D', true)},
       {Corner(3), SuitRun(kDown, 'H', true)},
       {Corner(4), SuitRun("KQJT98765432", 'S', true)},
       {Arm(1), "AS2"},
       {Arm(2), "KS"}});
  Move(Arm(1), Corner(4));
  EXPECT_EQ(wins, 0);  // the centre still lacks its King
  EXPECT_EQ(Names(Arm(1)), "");
  Move(Arm(2), Centre());
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
  // A corner's Ace taken off and put back does not win again.
  Move(Corner(4), Arm(5));
  EXPECT_EQ(Names(Arm(5)), "AS2");
  Move(Arm(5), Corner(4));
  EXPECT_EQ(Corner(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 1);
}

TEST(WindMillDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(100));
  EXPECT_TRUE(HelpTopicHtml(100).contains("<h1>WindMill</h1>"));
}
