// SPDX-License-Identifier: GPL-3.0-or-later
// For every game: positions reached by seeded random play, where a hint
// must be a move the two-click protocol accepts, and asking for it must
// change nothing at all.

#include "session/Hint.h"
#include "support/GameHarness.h"

using namespace harness;

namespace {

std::vector<int> Games() {
  std::vector<int> games;
  for (int i = 0; i < kGameCount; ++i)
    if (HasDealRoutine(i)) games.push_back(i);
  return games;
}

constexpr int kPositions = 200;

class HintInGame : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(HintInGame, EveryHintIsAcceptedAndAskingChangesNothing) {
  const int game = GetParam();
  std::mt19937 rng(uint32_t(game) * 7919u + 17u);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  uint32_t number = 1;
  host.DealGame(game, number);
  host.Board1->WarnEnabled = true;
  int hinted = 0, stuck = 0;
  for (int position = 0; position < kPositions; ++position) {
    // A few random actions: clicks, pairs of clicks, timer ticks.
    for (int a = 0; a < 3; ++a) {
      std::vector<TDeck*> piles;
      for (TDeck* d : Piles(host))
        if (d->Visible()) piles.push_back(d);
      if (piles.empty()) break;
      switch (pick(4)) {
        case 0:
          Click(piles[pick(piles.size())]);
          break;
        case 1:
          host.Additional_timer.Fire();
          break;
        default:
          Move(piles[pick(piles.size())], piles[pick(piles.size())]);
      }
    }
    host.Board1->ClearSelection();
    if (wins || position % 50 == 49 || stuck >= 10) {  // a fresh deal now and then
      stuck = 0;
      wins = 0;
      host.DealGame(game, ++number);
    }
    const QString where =
        QStringLiteral("game %1 number %2 position %3\n").arg(game).arg(number).arg(position);
    const QString before = DumpTable(host, game, number);
    const bool timer = host.Additional_timer.Enabled();
    const size_t history = host.Board1->History.size();
    const auto hint = FindHint(host);
    ASSERT_EQ(DumpTable(host, game, number), before) << where.toStdString();
    ASSERT_EQ(host.Additional_timer.Enabled(), timer) << where.toStdString();
    if (!hint) {
      ++stuck;
      continue;
    }
    ++hinted;
    stuck = 0;
    // The hint as two clicks: picked up, then taken.
    messages.clear();
    Click(hint->From);
    ASSERT_EQ(host.Board1->SelectedPile, hint->From)
        << where.toStdString() << "pick-up refused: " << hint->From->DeckID();
    Click(hint->To);
    EXPECT_TRUE(messages.empty()) << where.toStdString() << "refused: " << hint->From->DeckID()
                                  << " -> " << hint->To->DeckID();
    EXPECT_NE(DumpTable(host, game, number), before)
        << where.toStdString() << hint->From->DeckID() << " -> " << hint->To->DeckID();
    EXPECT_GT(host.Board1->History.size(), history) << where.toStdString();
    if (::testing::Test::HasFailure()) return;
  }
  // A finder that never finds anything would have tested nothing. (Games
  // played mostly from the stock have few card moves: deals are not hinted.)
  EXPECT_GE(hinted, 5) << "game " << game;
}

INSTANTIATE_TEST_SUITE_P(AllGames, HintInGame, ::testing::ValuesIn(Games()),
                         [](const auto& info) { return "Game" + std::to_string(info.param); });

}  // namespace
