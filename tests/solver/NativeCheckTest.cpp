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

#include "cardtable/Deck.h"
#include "platform/Messages.h"
#include "rules/Table.h"
#include "session/TableHost.h"
#include "solver/Native.h"
#include "solver/Solver.h"
#include "solver/core/Search.h"

namespace {

std::vector<int> NativeGames() {
  std::vector<int> games;
  for (int g = 0; g < 46; ++g)
    if (HasNativeFamily(g)) games.push_back(g);
  return games;
}

// Deals the reference search wins within its budget, for the games whose
// families' own search finds no win among the first deals: the check
// then looks at the move that wins one of them.
const std::map<int, uint32_t> kReferenceWins = {{41, 2}};

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

  // The dealt table with the game's own foundations filled by their own
  // rules (asked as a drop would ask them, without the click) from every
  // card on the other piles, then the last card given to each foundation
  // (or to the first that took any) laid on the family's first empty piles
  // that are no foundations. Nothing unless every card went home (a game
  // without foundations, or whose own rules fill them otherwise, is not
  // one move from its win that way).
  static std::optional<TablePosition> OneShort(SolverTable& table, const NativeGame& native,
                                               const TablePosition& dealt, bool allShort) {
    table.Restore(dealt);
    TTable& t = table.Host().Table;
    std::vector<TDeck*> foundations;
    for (int i = 1; i <= 19; ++i)
      if (t.Foundation[i] &&
          std::count(foundations.begin(), foundations.end(), t.Foundation[i]) == 0)
        foundations.push_back(t.Foundation[i]);
    auto isFoundation = [&](TDeck* d) {
      return std::count(foundations.begin(), foundations.end(), d) > 0;
    };
    const std::vector<TDeck*> piles = PilesInOrder(table.Host());
    std::vector<TCard*> pool;
    for (TDeck* d : piles)
      if (!isFoundation(d))
        for (TCard* c = d->TopCard; c; c = c->NextCard)
          pool.push_back(c);
    // A foundation its game's timer starts (it takes nothing while empty)
    // gets a card of the rank the started ones show at their bottom.
    int base = 0;
    for (TDeck* f : foundations)
      if (f->CardsCount() > 0 && !base) base = f->CardAt(f->CardsCount())->Rank();
    for (TDeck* f : foundations)
      for (TCard*& c : pool)
        if (base && f->CardsCount() == 0 && c && c->Rank() == base) {
          c->HostDeck->RemoveCard(c);
          f->AddCard(c);
          f->Show();
          c->SetFace(true);
          c = nullptr;
        }
    std::map<TDeck*, TCard*> last;  // the last card each foundation took
    for (bool more = true; more;) {
      more = false;
      for (TDeck* f : foundations)
        for (TCard*& c : pool) {
          TCard* asked = c;
          bool takes = false;
          if (c && f->OnAddWithRule) f->OnAddWithRule(f, asked, takes, false);
          if (!c || !takes || asked != c) continue;
          last[f] = c;
          c->HostDeck->RemoveCard(c);
          f->AddCard(c);
          c->SetFace(true);
          c = nullptr;
          more = true;
        }
    }
    if (std::count(pool.begin(), pool.end(), nullptr) != std::ptrdiff_t(pool.size()))
      return std::nullopt;
    std::vector<TDeck*> free;
    for (int id : native.deckIds)
      for (TDeck* d : piles)
        if (d->DeckID() == id && !isFoundation(d) && d->CardsCount() == 0) free.push_back(d);
    size_t next = 0;
    for (TDeck* f : foundations) {
      auto it = last.find(f);
      if (it == last.end() || next == free.size()) continue;
      f->RemoveCard(it->second);
      free[next++]->AddCard(it->second);
      if (!allShort) break;
    }
    return table.Capture();
  }
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

    // Tables one card short of what the game's own foundations take: each
    // foundation filled by its own rule from every card off the
    // foundations, then the last card of each (or of the first only) on
    // an empty pile. The moves that win must win both ways, automatic play
    // and all.
    // The first of the first deals where that fills them: a deal whose
    // timer started no foundation gives no rank to start the others with.
    for (uint32_t number = 1; number <= 10 && wins_ == 0; ++number) {
      ASSERT_TRUE(table.Deal(number));
      const std::optional<NativeGame> bound = BindFamily(game, table.Host().Table, autoPlay);
      const TablePosition start = table.Capture();
      for (bool allShort : {true, false})
        if (const auto finale = OneShort(table, *bound, start, allShort)) {
          SCOPED_TRACE(testing::Message()
                       << "autoplay " << autoPlay << " deal " << number << " one short on "
                       << (allShort ? "every foundation" : "the first"));
          Compare(table, *bound, start, *finale);
          if (HasFailure()) return;
        }
    }
    ASSERT_TRUE(table.Deal(1));
    const std::optional<NativeGame> native = BindFamily(game, table.Host().Table, autoPlay);
    const TablePosition dealt = table.Capture();
    // Else, where the game has four foundations a pack (built up in suit
    // from the Ace in most games), tables one King short on each (or on the
    // first only), the Kings on the first piles that are no foundations.
    std::vector<bool> foundation;  // by the family's piles: the game's own
    for (int id : native->deckIds) {
      bool is = false;
      for (int i = 1; i <= 19; ++i)
        is |= table.Host().Table.Foundation[i] && table.Host().Table.Foundation[i]->DeckID() == id;
      foundation.push_back(is);
    }
    core::Pos deal;
    ASSERT_TRUE(ToCompact(*native, dealt, deal));
    const int packs = deal.Total() / 52;
    if (wins_ == 0 && std::count(foundation.begin(), foundation.end(), true) == 4 * packs)
      for (int out : {4 * packs, 1}) {
        core::Pos finale;
        for (int p = 0, nth = 0, kings = 0; p < deal.piles; ++p) {
          std::vector<core::Code> cards;
          if (foundation[size_t(p)]) {
            const int first = nth / 4 * 52 + nth % 4 * 13;
            for (int rank = 1; rank <= (nth < out ? 12 : 13); ++rank)
              cards.push_back(core::Code(first + rank) | core::kFaceUp);
            ++nth;
          } else if (kings < out) {
            cards.push_back(core::Code(kings / 4 * 52 + kings % 4 * 13 + 13) | core::kFaceUp);
            ++kings;
          }
          finale.AddPile(cards.data(), int(cards.size()));
        }
        std::copy(deal.counters, deal.counters + core::kCounters, finale.counters);
        SCOPED_TRACE(testing::Message() << "autoplay " << autoPlay << " Kings out " << out);
        Compare(table, *native, dealt, FromCompact(*native, finale, dealt));
      }
    // Where the foundations are started by the timer (or there are none),
    // the last move of a winning line: the native search's on the first
    // deals, else the reference search's on a deal it is known to win.
    for (uint32_t number = 1; wins_ == 0 && number <= 20 && !HasFailure(); ++number) {
      ASSERT_TRUE(table.Deal(number));
      const std::optional<NativeGame> bound = BindFamily(game, table.Host().Table, autoPlay);
      const TablePosition start = table.Capture();
      core::Pos from;
      ASSERT_TRUE(ToCompact(*bound, start, from));
      core::Limits limits;
      limits.positions = 200000;
      const core::Outcome o = core::Search(*bound->family, from, limits);
      if (o.answer != core::Answer::Won || o.line.empty()) continue;
      if (o.line.size() > 1) from = o.line[o.line.size() - 2].pos;
      SCOPED_TRACE(testing::Message()
                   << "autoplay " << autoPlay << " deal " << number << " before its winning move");
      Compare(table, *bound, start, FromCompact(*bound, from, start));
    }
    if (wins_ == 0 && kReferenceWins.count(game)) {
      const uint32_t number = kReferenceWins.at(game);
      SolveRequest req;
      req.gameIndex = game;
      req.number = number;
      req.autoPlay = autoPlay;
      req.shortLine = false;
      req.engine = SolveRequest::Engine::Reference;
      req.budget.seconds = 30;
      const SolveResult r = Solve(req);
      ASSERT_EQ(r.verdict, Verdict::Winnable) << "deal " << number;
      ASSERT_TRUE(table.Deal(number));
      const std::optional<NativeGame> bound = BindFamily(game, table.Host().Table, autoPlay);
      const TablePosition start = table.Capture();
      const size_t opening = r.line.size() - size_t(r.moves);
      for (size_t m = opening; m + 1 < r.line.size(); ++m)
        ASSERT_TRUE(table.Apply(r.line[m]));
      SCOPED_TRACE(testing::Message() << "autoplay " << autoPlay << " deal " << number
                                      << " before the reference's winning move");
      Compare(table, *bound, start, table.Capture());
    }
  }
  EXPECT_GT(wins_, 0);
}

INSTANTIATE_TEST_SUITE_P(NativeGames, NativeCheckTest, ::testing::ValuesIn(NativeGames()),
                         [](const auto& info) { return "game" + std::to_string(info.param); });

// The native answer against the reference search's on the same deals: a
// deal one finds winnable the other may not prove lost, and the other way
// round. Where Solve asks the native search first, it must also decide at
// least what the reference decides.
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
    // A family registered not first may decide less: Solve asks the
    // reference first there.
    if (NativeSearchFirst(game)) {
      EXPECT_GE(decidedNative, decidedReference) << "game " << game;
    }
  }
  SetDeterministic(false);
}

// A deal's compact start, as the native search sees it.
struct NativeDeal {
  SolverTable table;
  std::optional<NativeGame> native;
  core::Pos start;
  NativeDeal(int game, uint32_t number) : table(game, 0, false) {
    table.Deal(number);
    native = BindFamily(game, table.Host().Table, 0);
    if (!native || !ToCompact(*native, table.Capture(), start)) native.reset();
  }
};

// Safe moves taken alone and dead positions left out must never cost a
// win: on every deal both searches decide, they agree. (The unpruned
// search only decides the small deals, which is where a lost verdict
// would lean on the pruning the most; WENLO_NATIVE_CHECK searches further.)
TEST(NativeSearchTest, PruningNeverLosesAWin) {
  SetDeterministic(true);
  core::Limits limits;
  limits.positions = 20LL * PositionsPerRun();
  limits.seconds = 30;
  int compared = 0;
  for (int game : NativeGames())
    for (uint32_t number = 1; number <= 4; ++number) {
      NativeDeal d(game, number);
      ASSERT_TRUE(d.native) << "game " << game;
      limits.prune = true;
      const core::Outcome pruned = core::Search(*d.native->family, d.start, limits);
      limits.prune = false;
      const core::Outcome full = core::Search(*d.native->family, d.start, limits);
      if (pruned.answer == core::Answer::Unknown || full.answer == core::Answer::Unknown) continue;
      EXPECT_EQ(pruned.answer, full.answer) << "game " << game << " deal " << number;
      ++compared;
    }
  EXPECT_GT(compared, 0);
  SetDeterministic(false);
}

// Out of memory the search stops and answers nothing rather than a lost
// verdict it has not earned.
TEST(NativeSearchTest, MemoryCapStopsWithoutAVerdict) {
  SetDeterministic(true);
  NativeDeal d(32, 1);  // FreeCell
  ASSERT_TRUE(d.native);
  core::Limits limits;
  limits.memoryBytes = 4096;
  limits.firstRun = 1000000;
  const core::Outcome o = core::Search(*d.native->family, d.start, limits);
  EXPECT_TRUE(o.memoryFull);
  EXPECT_EQ(o.answer, core::Answer::Unknown);
  SetDeterministic(false);
}

}  // namespace
