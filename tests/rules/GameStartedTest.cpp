// SPDX-License-Identifier: GPL-3.0-or-later
// A game counts as started once the player has changed its table, whichever
// pile or button did it: abandoning a deal that was played only by double
// clicks, or only into the free cells, must count it. A click that changes
// nothing (a pick-up, a put-back, a refused move) starts nothing.

#include "support/GameHarness.h"

using namespace harness;

namespace {

struct StartCase {
  const char* what;
  int game;
  std::function<void(TTable&)> play;  // on a table arranged by `arrange`
  std::function<std::vector<std::pair<TDeck*, std::string>>(TTable&)> arrange;
  bool starts;
};

void PrintTo(const StartCase& c, std::ostream* os) {
  *os << c.what;
}

// A two of spades on column 1 and its ace at home.
std::vector<std::pair<TDeck*, std::string>> TwoOverAce(TTable& t) {
  return {{t.Foundation[1], "AS"}, {t.Tableau[1], "2S"}};
}
std::vector<std::pair<TDeck*, std::string>> NineAndNine(TTable& t) {
  return {{t.Tableau[1], "9D"}, {t.Tableau[2], "9S"}};
}

const StartCase kCases[] = {
    {"Obstacle-race double click home", 5, [](TTable& t) { DoubleClick(t.Tableau[1]); }, TwoOverAce,
     true},
    {"King Albert double click home", 6, [](TTable& t) { DoubleClick(t.Tableau[1]); }, TwoOverAce,
     true},
    {"Troika double click home", 7, [](TTable& t) { DoubleClick(t.Tableau[1]); }, TwoOverAce, true},
    {"FreeCell card into a free cell", 32, [](TTable& t) { Move(t.Tableau[1], t.Reserve[1]); },
     NineAndNine, true},
    {"FreeCell pick-up and put-back", 32, [](TTable& t) { Move(t.Tableau[1], t.Tableau[1]); },
     NineAndNine, false},
    {"FreeCell refused move", 32, [](TTable& t) { Move(t.Tableau[1], t.Tableau[2]); }, NineAndNine,
     false},
    {"FreeCell double click with nowhere to go", 32, [](TTable& t) { DoubleClick(t.Tableau[2]); },
     [](TTable& t) {
       return std::vector<std::pair<TDeck*, std::string>>{{t.Reserve[1], "KC"},
                                                          {t.Reserve[2], "KD"},
                                                          {t.Reserve[3], "KH"},
                                                          {t.Reserve[4], "KS"},
                                                          {t.Tableau[2], "9S"}};
     },
     false},
    {"Pharaoh redeal button", 13, [](TTable& t) { t.RedealButton->Click(); },
     [](TTable& t) {
       t.RedealButton->SetEnabled(true);  // the stock is empty: the redeal is offered
       return std::vector<std::pair<TDeck*, std::string>>{{t.Tableau[1], "5S 6H"}};
     },
     true},
};

class GameStartedTest : public GameTest, public ::testing::WithParamInterface<StartCase> {};

}  // namespace

TEST_P(GameStartedTest, OnlyAChangedTableStartsTheGame) {
  const StartCase& c = GetParam();
  ASSERT_TRUE(host.DealGame(c.game, 1));
  TTable& t = host.Table;
  Arrange(host, c.arrange(t));
  const TableState before = Snapshot(host);
  t.GameStarted = 0;
  c.play(t);
  EXPECT_EQ(Snapshot(host) != before, c.starts)
      << c.what << ": the case does not play what it says";
  EXPECT_EQ(t.GameStarted, c.starts ? 1 : 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Moves, GameStartedTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });
