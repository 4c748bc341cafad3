// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Native.h"

#include <map>

#include "cardtable/Deck.h"
#include "rules/PileLayout.h"
#include "rules/Table.h"

namespace {

constexpr size_t kPileHeader = 5;  // DeckID, left, top, look, count
constexpr uint16_t kFaceBit = 0x80;
constexpr uint16_t kShownBit = 0x100;
constexpr uint16_t kPileShownBit = 0x100;  // in a pile's look word
constexpr int kFoundationLook = 1;         // a card arriving on such a pile scores
constexpr int kCardScore = 5;

struct Registered {
  FamilyBinder binder;
  bool first = true;
  NativeSearchKind kind = NativeSearchKind::DepthFirst;
};

std::map<int, Registered>& Registry() {
  static std::map<int, Registered> families;
  return families;
}

}  // namespace

FamilyRegistration::FamilyRegistration(std::initializer_list<int> games, FamilyBinder binder,
                                       bool first, NativeSearchKind kind) {
  for (int g : games)
    Registry()[g] = {binder, first, kind};
}

std::vector<const TDeck*> TablePiles(const TTable& t, int columns,
                                     std::initializer_list<const TDeck*> between, int foundations) {
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= columns; ++i)
    piles.push_back(t.Tableau[i]);
  piles.insert(piles.end(), between);
  for (int i = 1; i <= foundations; ++i)
    piles.push_back(t.Foundation[i]);
  return piles;
}

std::optional<NativeGame> BindPiles(const std::vector<const TDeck*>& piles,
                                    std::unique_ptr<core::Family> family) {
  NativeGame g;
  for (const TDeck* d : piles) {
    if (!d) return std::nullopt;
    g.deckIds.push_back(d->DeckID());
  }
  g.family = std::move(family);
  return g;
}

size_t PileHeader(const TablePosition& pos, int deckId) {
  for (size_t i = 0; i < pos.piles.size(); i += kPileHeader + pos.piles[i + 4])
    if (pos.piles[i] == deckId) return i;
  return pos.piles.size();
}

void SetPileLook(TablePosition& pos, int deckId, int look) {
  for (size_t i = 0; i < pos.piles.size(); i += kPileHeader + pos.piles[i + 4])
    if (pos.piles[i] == deckId) pos.piles[i + 3] = uint16_t((pos.piles[i + 3] & ~0xFF) | look);
}

int PileLook(const TablePosition& pos, int deckId) {
  for (size_t i = 0; i < pos.piles.size(); i += kPileHeader + pos.piles[i + 4])
    if (pos.piles[i] == deckId) return pos.piles[i + 3] & 0xFF;
  return -1;
}

void SetPileShown(TablePosition& pos, int deckId, bool shown) {
  for (size_t i = 0; i < pos.piles.size(); i += kPileHeader + pos.piles[i + 4])
    if (pos.piles[i] == deckId)
      pos.piles[i + 3] =
          uint16_t((pos.piles[i + 3] & ~kPileShownBit) | (shown ? kPileShownBit : 0));
}

bool PileShown(const TablePosition& pos, int deckId) {
  for (size_t i = 0; i < pos.piles.size(); i += kPileHeader + pos.piles[i + 4])
    if (pos.piles[i] == deckId) return (pos.piles[i + 3] & kPileShownBit) != 0;
  return false;
}

void BindPassCounters(NativeGame& game, int stockDeckId, int passes, int pass, int noMore) {
  // The stock's look lives in its pile header: DeckID, left, top, look.
  auto lookAt = [stockDeckId](const std::vector<uint16_t>& d) -> size_t {
    for (size_t i = 0; i < d.size(); i += kPileHeader + d[i + 4])
      if (d[i] == stockDeckId) return i + 3;
    return 0;
  };
  game.readCounters = [=](const TablePosition& from, core::Pos& to) {
    const size_t look = lookAt(from.piles);
    if (!look || from.rotation < 1 || from.rotation > passes) return false;
    to.counters[pass] = int16_t(from.rotation);
    to.counters[noMore] = (from.piles[look] & 0xFF) == int(Look::NoRedeal);
    return true;
  };
  game.writeCounters = [=](const core::Pos& from, TablePosition& to) {
    to.rotation = from.counters[pass];
    if (const size_t look = lookAt(to.piles))
      to.piles[look] = uint16_t((to.piles[look] & ~0xFF) |
                                int(from.counters[noMore] ? Look::NoRedeal : Look::Ring));
  };
}

bool HasNativeFamily(int game) {
  return Registry().count(game) > 0;
}

bool NativeSearchFirst(int game) {
  auto it = Registry().find(game);
  return it != Registry().end() && it->second.first;
}

NativeSearchKind NativeSearchKindOf(int game) {
  auto it = Registry().find(game);
  return it != Registry().end() ? it->second.kind : NativeSearchKind::DepthFirst;
}

std::optional<NativeGame> BindFamily(int game, const TTable& table, int autoPlay) {
  auto it = Registry().find(game);
  if (it == Registry().end()) return std::nullopt;
  return it->second.binder(table, autoPlay);
}

bool ToCompact(const NativeGame& game, const TablePosition& from, core::Pos& to) {
  to = core::Pos();
  std::map<int, size_t> at;  // DeckID -> where its header starts
  const std::vector<uint16_t>& d = from.piles;
  for (size_t i = 0; i < d.size(); i += kPileHeader + d[i + 4])
    at[d[i]] = i;
  size_t bound = 0;
  for (int id : game.deckIds) {
    auto it = at.find(id);
    if (it == at.end() || to.piles == core::kMaxPiles) return false;
    const size_t h = it->second;
    const int n = d[h + 4];
    if (to.Total() + n > core::kMaxCards) return false;
    core::Code cards[core::kMaxCards];
    for (int k = 0; k < n; ++k)
      cards[k] = core::Code((d[h + kPileHeader + size_t(k)] & 0x7F) |
                            ((d[h + kPileHeader + size_t(k)] & kFaceBit) ? core::kFaceUp : 0));
    to.AddPile(cards, n);
    bound += size_t(n);
  }
  // Every card of the table must lie on a pile the family knows.
  size_t total = 0;
  for (size_t i = 0; i < d.size(); i += kPileHeader + d[i + 4])
    total += d[i + 4];
  if (total != bound) return false;
  return game.readCounters ? game.readCounters(from, to) : true;
}

TablePosition FromCompact(const NativeGame& game, const core::Pos& from,
                          const TablePosition& like) {
  std::map<int, int> pileOf;  // DeckID -> the family's pile
  for (size_t p = 0; p < game.deckIds.size(); ++p)
    pileOf[game.deckIds[p]] = int(p);
  TablePosition out = like;
  out.piles.clear();
  out.foundationCards = out.faceDown = out.cards = out.buried = 0;
  int scored = 0;  // cards gained (or lost) by the foundation-looking piles
  const std::vector<uint16_t>& d = like.piles;
  for (size_t i = 0; i < d.size(); i += kPileHeader + d[i + 4]) {
    const bool foundation = (d[i + 3] & 0xFF) == kFoundationLook;
    auto it = pileOf.find(d[i]);
    out.piles.insert(out.piles.end(), d.begin() + ptrdiff_t(i), d.begin() + ptrdiff_t(i + 4));
    if (it == pileOf.end()) {
      out.piles.insert(out.piles.end(), d.begin() + ptrdiff_t(i + 4),
                       d.begin() + ptrdiff_t(i + kPileHeader + d[i + 4]));
      continue;
    }
    const int p = it->second;
    const int n = from.Size(p);
    out.piles.push_back(uint16_t(n));
    for (int k = 0; k < n; ++k) {
      const core::Code c = from.At(p, k);
      out.piles.push_back(uint16_t(core::Number(c) | (core::FaceUp(c) ? kFaceBit : 0) | kShownBit));
      if (!core::FaceUp(c)) ++out.faceDown;
    }
    out.cards += n;
    if (foundation) {
      out.foundationCards += n;
      scored += n - d[i + 4];
    }
  }
  out.score = like.score + kCardScore * scored;
  if (game.writeCounters) game.writeCounters(from, out);
  return out;
}
