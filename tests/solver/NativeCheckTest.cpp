// SPDX-License-Identifier: GPL-3.0-or-later
// The reference check: for every game with a native family, from the deal
// and from positions reached by random play, the family's moves lead to
// exactly the positions the game's own handlers lead to (the same table
// keys, the same wins), both ways round; and the native search's answers
// stand against the reference search's.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>

#include "platform/Messages.h"
#include "session/TableHost.h"
#include "solver/Native.h"
#include "solver/Solver.h"

namespace {

std::vector<int> NativeGames() {
  std::vector<int> games;
  for (int g = 0; g < 46; ++g)
    if (HasNativeFamily(g)) games.push_back(g);
  return games;
}

// Positions looked at per game and AutoPlay setting; WENLO_NATIVE_CHECK
// asks for more (a long run before a family is trusted).
int PositionsPerRun() {
  const char* v = std::getenv("WENLO_NATIVE_CHECK");
  return v ? std::max(1, std::atoi(v)) : 1000;
}

class NativeCheckTest : public ::testing::TestWithParam<int> {
 protected:
  NativeCheckTest() { SetDeterministic(true); }
  ~NativeCheckTest() override { SetDeterministic(false); }

  // The moves from pos both ways, compared by the keys they lead to and
  // whether they win; returns the reference's outcomes.
  std::vector<MoveOutcome> Compare(SolverTable& table, const NativeGame& native,
                                   const TablePosition& dealt, const TablePosition& pos) {
    core::Pos compact;
    EXPECT_TRUE(ToCompact(native, pos, compact));
    EXPECT_EQ(FromCompact(native, compact, dealt).Key(), pos.Key());
    // key -> (won, how it is made)
    std::map<std::string, std::pair<bool, QString>> ref, own;
    std::vector<MoveOutcome> outcomes = table.Moves(pos);
    for (const MoveOutcome& o : outcomes)
      ref.emplace(o.position.Key(), std::make_pair(o.won, o.move.Text()));
    std::vector<core::Child> kids;
    native.family->Moves(compact, kids);
    for (const core::Child& k : kids) {
      QString how;
      for (int s = 0; s < k.nsteps; ++s)
        how += QStringLiteral("%1:%2 ").arg(int(k.steps[s].kind)).arg(k.steps[s].value);
      own.emplace(FromCompact(native, k.pos, dealt).Key(), std::make_pair(k.won, how));
    }
    for (const auto& [key, made] : ref) {
      auto it = own.find(key);
      if (it == own.end()) {
        ADD_FAILURE() << "the family misses the move\n" << qPrintable(made.second);
        return {};
      }
      EXPECT_EQ(it->second.first, made.first) << qPrintable(made.second);
    }
    for (const auto& [key, made] : own)
      if (!ref.count(key)) {
        ADD_FAILURE() << "the family makes a move the rules refuse: " << qPrintable(made.second);
        return {};
      }
    wins_ += int(std::count_if(outcomes.begin(), outcomes.end(), [](auto& o) { return o.won; }));
    return outcomes;
  }
  int wins_ = 0;
};

TEST_P(NativeCheckTest, MovesLeadWhereTheGamesOwnHandlersLead) {
  const int game = GetParam();
  std::mt19937 random(uint32_t(game) * 7919u + 1u);
  for (int autoPlay : {0, 1}) {
    SolverTable table(game, autoPlay, false);
    int looked = 0, moves = 0;
    for (uint32_t deal = 1; looked < PositionsPerRun() && !HasFailure(); ++deal) {
      ASSERT_TRUE(table.Deal(deal));
      const std::optional<NativeGame> native = BindFamily(game, table.Host().Table, autoPlay);
      ASSERT_TRUE(native);
      const TablePosition dealt = table.Capture();
      TablePosition pos = dealt;
      for (int step = 0; step < 200 && looked < PositionsPerRun(); ++step, ++looked) {
        SCOPED_TRACE(testing::Message()
                     << "autoplay " << autoPlay << " deal " << deal << " step " << step);
        const std::vector<MoveOutcome> outcomes = Compare(table, *native, dealt, pos);
        if (HasFailure()) return;
        moves += int(outcomes.size());
        std::vector<const MoveOutcome*> onward;
        for (const MoveOutcome& o : outcomes)
          if (!o.won) onward.push_back(&o);
        if (onward.empty()) break;
        pos = onward[random() % onward.size()]->position;
      }
    }
    // The walk saw real play, not a table stuck at the deal.
    EXPECT_GT(moves, looked) << "autoplay " << autoPlay;

    // A table one King short on each foundation (or on the first one only,
    // for games that play nothing up by themselves), the Kings on the first
    // piles that are no foundations: the moves that win must win both ways.
    ASSERT_TRUE(table.Deal(1));
    const std::optional<NativeGame> native = BindFamily(game, table.Host().Table, autoPlay);
    const TablePosition dealt = table.Capture();
    core::Pos deal;
    ASSERT_TRUE(ToCompact(*native, dealt, deal));
    std::vector<bool> foundation(size_t(deal.piles), false);  // by the look of the pile
    for (size_t i = 0; i < dealt.piles.size(); i += 5 + dealt.piles[i + 4]) {
      const auto at = std::find(native->deckIds.begin(), native->deckIds.end(), dealt.piles[i]);
      if (at != native->deckIds.end() && (dealt.piles[i + 3] & 0xFF) == 1)
        foundation[size_t(at - native->deckIds.begin())] = true;
    }
    const int packs = deal.Total() / 52;
    ASSERT_EQ(std::count(foundation.begin(), foundation.end(), true), 4 * packs);
    for (const int shortOnes : {4 * packs, 1}) {
      core::Pos last;
      std::vector<core::Code> kings;
      for (int p = 0, nth = 0; p < deal.piles; ++p) {
        std::vector<core::Code> cards;
        if (foundation[size_t(p)]) {
          const int pack = nth / 4, suit = nth % 4;
          for (int rank = 1; rank <= 13; ++rank)
            cards.push_back(core::Code(pack * 52 + suit * 13 + rank) | core::kFaceUp);
          if (nth++ < shortOnes) {
            kings.push_back(cards.back());
            cards.pop_back();
          }
        }
        last.AddPile(cards.data(), int(cards.size()));
      }
      ASSERT_EQ(int(kings.size()), shortOnes);
      // The Kings go one each on the first piles that take no foundation role.
      core::Pos finale;  // the deal's counters (passes, the timer) with these piles
      std::copy(deal.counters, deal.counters + core::kCounters, finale.counters);
      for (int p = 0, k = 0; p < last.piles; ++p) {
        std::vector<core::Code> cards(last.cards + last.Begin(p), last.cards + last.end[p]);
        if (!foundation[size_t(p)] && k < int(kings.size())) cards.push_back(kings[size_t(k++)]);
        finale.AddPile(cards.data(), int(cards.size()));
      }
      SCOPED_TRACE(testing::Message()
                   << "autoplay " << autoPlay << " " << shortOnes << " Kings short");
      Compare(table, *native, dealt, FromCompact(*native, finale, dealt));
    }
  }
  EXPECT_GT(wins_, 0);
}

INSTANTIATE_TEST_SUITE_P(NativeGames, NativeCheckTest, ::testing::ValuesIn(NativeGames()),
                         [](const auto& info) { return "game" + std::to_string(info.param); });

// The native answer against the reference search's on the same deals: a
// deal one finds winnable the other may not prove lost, and the other way
// round. The native search must also decide at least what the reference
// decides.
TEST(NativeSolveTest, AnswersStandAgainstTheReferenceSearch) {
  SetDeterministic(true);
  for (int game : NativeGames()) {
    int decidedNative = 0, decidedReference = 0;
    for (uint32_t number = 1; number <= 3; ++number) {
      SolveRequest req;
      req.gameIndex = game;
      req.number = number;
      req.shortLine = false;
      req.budget.seconds = 60;
      req.budget.nodes = 3000;
      req.budget.nativeNodes = 30000;
      req.engine = SolveRequest::Engine::Native;
      const SolveResult n = Solve(req);
      EXPECT_TRUE(n.native) << "game " << game << " deal " << number;
      req.engine = SolveRequest::Engine::Reference;
      const SolveResult r = Solve(req);
      SCOPED_TRACE(testing::Message() << "game " << game << " deal " << number);
      if (n.verdict != Verdict::Unknown && r.verdict != Verdict::Unknown) {
        EXPECT_EQ(n.verdict, r.verdict);
      }
      decidedNative += n.verdict != Verdict::Unknown;
      decidedReference += r.verdict != Verdict::Unknown;
    }
    EXPECT_GE(decidedNative, decidedReference) << "game " << game;
  }
  SetDeterministic(false);
}

}  // namespace
