// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Position.h"

#include <algorithm>

#include "session/TableHost.h"

namespace {

constexpr uint16_t kFaceBit = 0x80;
constexpr uint16_t kShownBit = 0x100;
constexpr uint16_t kPileShownBit = 0x100;
constexpr size_t kPileHeader = 5;

// A few games keep their foundations outside the foundation list (a centre
// and corners in single slots); their look still says what they are.
bool IsFoundation(const TTable& t, const TDeck* d) {
  return std::find(t.Foundation.begin() + 1, t.Foundation.end(), d) != t.Foundation.end() ||
         HasLook(d, Look::Foundation);
}

}  // namespace

std::vector<TDeck*> PilesInOrder(TableHost& host) {
  std::vector<TDeck*> piles;
  for (TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c)) piles.push_back(d);
  std::stable_sort(piles.begin(), piles.end(),
                   [](TDeck* a, TDeck* b) { return a->DeckID() < b->DeckID(); });
  return piles;
}

std::string TablePosition::Key() const {
  std::string k(piles.size() * 2 + 5, '\0');
  auto* out = reinterpret_cast<unsigned char*>(k.data());
  auto put = [&](uint16_t v) {
    *out++ = uint8_t(v);
    *out++ = uint8_t(v >> 8);
  };
  for (size_t i = 0; i < piles.size();) {
    for (size_t h = 0; h < kPileHeader; ++h)
      put(piles[i + h]);
    const size_t n = piles[i + 4];
    i += kPileHeader;
    // Whether a covered card is drawn is the pile's look, not the game.
    for (size_t c = 0; c < n; ++c)
      put(uint16_t(piles[i + c] & ~kShownBit));
    i += n;
  }
  put(uint16_t(rotation));
  put(uint16_t(score));
  *out++ = uint8_t(redealButton);
  return k;
}

TablePosition CapturePosition(TableHost& host, const std::vector<TDeck*>& piles) {
  TablePosition pos;
  const TTable& t = host.Table;
  pos.piles.reserve(piles.size() * kPileHeader + 104);
  for (TDeck* d : piles) {
    const int n = d->CardsCount();
    pos.piles.push_back(uint16_t(d->DeckID()));
    pos.piles.push_back(uint16_t(d->Left()));
    pos.piles.push_back(uint16_t(d->Top()));
    pos.piles.push_back(uint16_t((d->ShowEmpty() & 0xFF) | (d->Visible() ? kPileShownBit : 0)));
    pos.piles.push_back(uint16_t(n));
    const size_t base = pos.piles.size();
    pos.piles.resize(base + size_t(n));
    size_t k = size_t(n);
    for (TCard* c = d->TopCard; c && k > 0; c = c->NextCard) {
      pos.piles[base + --k] =
          uint16_t(c->CardID | (c->Face() ? kFaceBit : 0) | (c->Visible() ? kShownBit : 0));
      if (!c->Face()) ++pos.faceDown;
    }
    if (IsFoundation(t, d)) pos.foundationCards += n;
    if (d == t.Single[1] && n > 1) pos.buried = n - 1;
    pos.cards += n;
  }
  pos.rotation = t.Rotation_Counter();
  pos.score = host.Board1->Score();
  pos.started = t.GameStarted;
  pos.timerOn = host.Additional_timer.Enabled();
  pos.redealButton = t.RedealButton ? (t.RedealButton->Enabled() ? 1 : 0) : -1;
  return pos;
}

namespace {

// Whether the pile holds exactly these cards, sides and looks already.
bool PileMatches(const TDeck* d, const uint16_t* header, const uint16_t* cards, bool cardsKnown) {
  if (d->Left() != int16_t(header[1]) || d->Top() != int16_t(header[2]) ||
      d->ShowEmpty() != (header[3] & 0xFF) || d->Visible() != ((header[3] & kPileShownBit) != 0) ||
      d->CardsCount() != header[4])
    return false;
  if (cardsKnown) return true;
  size_t k = header[4];
  for (const TCard* c = d->TopCard; c; c = c->NextCard) {
    if (k == 0) return false;
    const uint16_t v = cards[--k];
    if (c->CardID != (v & 0x7F) || c->Face() != ((v & kFaceBit) != 0) ||
        c->Visible() != ((v & kShownBit) != 0) || c->Selected())
      return false;
  }
  return k == 0;
}

}  // namespace

void RestorePosition(TableHost& host, const std::vector<TDeck*>& piles,
                     const TablePosition& position, const std::vector<uint64_t>* matched) {
  TBoard* b = host.Board1;
  TTable& t = host.Table;
  b->ClearSelection();
  const bool recording = b->Recording;
  b->Recording = false;
  // Only the piles that differ are rebuilt: a search puts back positions
  // one or two moves away from the table as it stands.
  struct Redo {
    TDeck* pile;
    size_t at;
  };
  thread_local std::vector<Redo> redo;
  redo.clear();
  const std::vector<uint16_t>& data = position.piles;
  size_t p = 0;
  for (size_t i = 0; i < data.size(); i += kPileHeader + data[i + 4]) {
    while (p < piles.size() && piles[p]->DeckID() < data[i])
      ++p;
    if (p == piles.size() || piles[p]->DeckID() != data[i]) continue;
    const bool known = matched && p < matched->size() && (*matched)[p] == piles[p]->Revision();
    if (!PileMatches(piles[p], &data[i], &data[i + kPileHeader], known))
      redo.push_back({piles[p], i});
  }
  for (const Redo& r : redo)
    while (r.pile->TopCard)
      r.pile->RemoveCard(r.pile->TopCard);
  for (const Redo& r : redo) {
    TDeck* d = r.pile;
    const size_t i = r.at;
    const int left = int16_t(data[i + 1]);
    const int top = int16_t(data[i + 2]);
    const int look = data[i + 3] & 0xFF;
    const bool shown = (data[i + 3] & kPileShownBit) != 0;
    const size_t n = data[i + 4];
    if (d->Left() != left || d->Top() != top) d->SetBounds(left, top, d->Width(), d->Height());
    if (d->ShowEmpty() != look) d->SetShowEmpty(look);
    if (d->Visible() != shown) shown ? d->Show() : d->Hide();
    for (size_t c = 0; c < n; ++c) {
      const uint16_t v = data[i + kPileHeader + c];
      TCard* card = t.CardPool[size_t(v & 0x7F)];
      if (card->HostDeck && card->HostDeck != d) card->HostDeck->RemoveCard(card);
      card->SetSelected(false);
      if (card->Face() != ((v & kFaceBit) != 0)) card->SetFace((v & kFaceBit) != 0);
      d->AddCard(card);
      if ((v & kShownBit) != 0)
        card->Show();
      else
        card->Hide();
    }
  }
  b->Recording = recording;
  if (t.Rotation_Counter() != position.rotation) t.SetRotation_Counter(position.rotation);
  b->SetScore(position.score);
  t.GameStarted = position.started;
  t.ForgetWin();
  host.Additional_timer.SetEnabled(position.timerOn);
  if (t.RedealButton && position.redealButton >= 0)
    t.RedealButton->SetEnabled(position.redealButton == 1);
  b->ClearHistory();
}

namespace {

uint64_t Mix(uint64_t h, uint64_t v) {
  // One round of a 64-bit finaliser over the running value: cheap, and a
  // change of any input bit reaches every output bit.
  h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  h ^= h >> 31;
  h *= 0xbf58476d1ce4e5b9ULL;
  h ^= h >> 29;
  return h;
}

}  // namespace

TableDigest DigestTable(TableHost& host, const std::vector<TDeck*>& piles,
                        const std::vector<int>& group, std::vector<PileDigest>* cache) {
  const TTable& t = host.Table;
  // The piles of a group hash apart from the rest and go in sorted, so the
  // order among them does not count. Reused: this runs for every move tried.
  thread_local std::vector<std::pair<int, uint64_t>> grouped;
  grouped.clear();
  uint64_t exact = 0x51ed27a3;
  uint64_t canonical = 0x51ed27a3;
  for (size_t i = 0; i < piles.size(); ++i) {
    const TDeck* d = piles[i];
    // What the pile holds and shows, as Key() records it: one multiply a
    // card (the cards are most of the work), one full mix a pile.
    PileDigest* known = cache && i < cache->size() ? &(*cache)[i] : nullptr;
    uint64_t content = 0;
    if (known && known->revision == d->Revision()) {
      content = known->content;
    } else {
      content = 0xcbf29ce484222325ULL ^ uint64_t(d->ShowEmpty() & 0xFF) ^
                (d->Visible() ? kPileShownBit : 0) ^ (uint64_t(d->CardsCount()) << 16);
      for (const TCard* c = d->TopCard; c; c = c->NextCard)
        content = (content ^ (uint64_t(c->CardID) | (c->Face() ? kFaceBit : 0))) * 0x100000001b3ULL;
      content = Mix(content, 0);
      if (known) *known = {d->Revision(), content};
    }
    const uint64_t where = uint64_t(d->DeckID()) | uint64_t(uint16_t(d->Left())) << 16 |
                           uint64_t(uint16_t(d->Top())) << 32;
    const uint64_t whole = Mix(where, content);
    exact = Mix(exact, whole);
    const int g = i < group.size() ? group[i] : -1;
    if (g < 0)
      canonical = Mix(canonical, whole);
    else
      grouped.push_back({g, content});
  }
  std::sort(grouped.begin(), grouped.end());
  for (const auto& [g, h] : grouped)
    canonical = Mix(canonical, h + uint64_t(g));
  const uint64_t tail = uint64_t(uint16_t(t.Rotation_Counter())) |
                        uint64_t(uint16_t(host.Board1->Score())) << 16 |
                        uint64_t(t.RedealButton ? (t.RedealButton->Enabled() ? 1 : 0) : 2) << 32;
  return {Mix(exact, tail), Mix(canonical, tail)};
}

uint64_t QuickMark(TableHost& host, const std::vector<TDeck*>& piles) {
  const TBoard* b = host.Board1;
  const TTable& t = host.Table;
  uint64_t h = 0xcbf29ce484222325ULL;
  auto put = [&h](uint64_t v) { h = (h ^ v) * 0x100000001b3ULL; };
  for (const TDeck* d : piles) {
    const TCard* top = d->TopCard;
    put(uint64_t(d->CardsCount()) | uint64_t(top ? top->CardID : 0xFF) << 8 |
        uint64_t(top && top->Face()) << 16 | uint64_t(d->Visible()) << 17 |
        uint64_t(d->ShowEmpty() & 0xFF) << 18 | uint64_t(uint16_t(d->Left())) << 32 |
        uint64_t(uint16_t(d->Top())) << 48);
  }
  put(b->History.size());
  put(uint64_t(uint32_t(b->HistoryIndex)));
  put(uint64_t(uint32_t(b->Score())));
  put(uint64_t(uint32_t(t.Rotation_Counter())));
  put(t.RedealButton ? (t.RedealButton->Enabled() ? 1 : 0) : 2);
  return h;
}
