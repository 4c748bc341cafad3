// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/TableWords.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <map>

#include "cardtable/Cardscmp.h"
#include "rules/PileLayout.h"
#include "rules/Table.h"

namespace TableWords {
namespace {

// The words' translation context, so the tools that collect texts find them.
struct W {
  Q_DECLARE_TR_FUNCTIONS(TableWords)
};

// The index of `pile` in a slot list, or 0.
template <class List>
int SlotOf(const List& list, const TDeck* pile) {
  for (int i = 1; i < list.size(); ++i)
    if (list[i] == pile) return i;
  return 0;
}

const Snapshot::Pile* FindPile(const Snapshot& s, int id) {
  for (const Snapshot::Pile& p : s.piles)
    if (p.id == id) return &p;
  return nullptr;
}

QString PlaceOf(const Snapshot& s, int id) {
  const Snapshot::Pile* p = FindPile(s, id);
  return p ? p->place : QString();
}

// The card's name as the snapshot shows it: face up, its name; face down,
// only that it is a card.
QString Named(int cardId, bool faceUp) {
  if (!faceUp) return W::tr("a face-down card");
  const int suit = (cardId - 1) % 52 / 13 + 1;
  const int rank = (cardId - 1) % 13 + 1;
  return CardName(suit * 256 + rank);
}

// More moves than this in one look are said as a new deal.
constexpr qsizetype kMostMovesSaid = 6;

}  // namespace

bool SameLayout(const Snapshot& a, const Snapshot& b) {
  if (a.deal != b.deal || a.piles.size() != b.piles.size()) return false;
  for (size_t i = 0; i < a.piles.size(); ++i)
    if (a.piles[i].id != b.piles[i].id || a.piles[i].place != b.piles[i].place) return false;
  return true;
}

QString CardName(int cardFace) {
  static const char* const ranks[] = {
      QT_TRANSLATE_NOOP("TableWords", "Ace"),  QT_TRANSLATE_NOOP("TableWords", "2"),
      QT_TRANSLATE_NOOP("TableWords", "3"),    QT_TRANSLATE_NOOP("TableWords", "4"),
      QT_TRANSLATE_NOOP("TableWords", "5"),    QT_TRANSLATE_NOOP("TableWords", "6"),
      QT_TRANSLATE_NOOP("TableWords", "7"),    QT_TRANSLATE_NOOP("TableWords", "8"),
      QT_TRANSLATE_NOOP("TableWords", "9"),    QT_TRANSLATE_NOOP("TableWords", "10"),
      QT_TRANSLATE_NOOP("TableWords", "Jack"), QT_TRANSLATE_NOOP("TableWords", "Queen"),
      QT_TRANSLATE_NOOP("TableWords", "King")};
  static const char* const suits[] = {
      QT_TRANSLATE_NOOP("TableWords", "clubs"), QT_TRANSLATE_NOOP("TableWords", "diamonds"),
      QT_TRANSLATE_NOOP("TableWords", "hearts"), QT_TRANSLATE_NOOP("TableWords", "spades")};
  const int rank = cardFace & 0xFF;
  const int suit = (cardFace >> 8) & 0xFF;
  if (rank < 1 || rank > 13 || suit < 1 || suit > 4) return W::tr("Unknown card");
  //: A card's name: rank, then suit ("Queen of hearts").
  return W::tr("%1 of %2").arg(W::tr(ranks[rank - 1]), W::tr(suits[suit - 1]));
}

QString CardText(const TCard& card) {
  if (!card.Face()) return W::tr("Card face down");
  QString text = W::tr("%1, face up").arg(CardName(card.CardFace()));
  if (card.Selected()) text = W::tr("%1, picked up").arg(text);
  return text;
}

QString PilePlace(const TTable& table, const TDeck& pile) {
  if (int i = SlotOf(table.Foundation, &pile)) return W::tr("Foundation %1").arg(i);
  if (table.Single[2] == &pile) return W::tr("Stock");
  if (table.Single[1] == &pile) return W::tr("Waste");
  const int reserve = SlotOf(table.Reserve, &pile);
  // A reserve that shows a ring when empty takes any one card: a free cell.
  if (reserve && HasLook(&pile, Look::Ring)) return W::tr("Free cell %1").arg(reserve);
  if (int i = SlotOf(table.Tableau, &pile)) return W::tr("Column %1").arg(i);
  if (reserve) return W::tr("Reserve %1").arg(reserve);
  if (table.Single[4] == &pile) return W::tr("Reserve");
  return W::tr("Pile %1").arg(pile.DeckID());
}

QString PileText(const TTable& table, const TDeck& pile) {
  const QString place = PilePlace(table, pile);
  const int n = pile.CardsCount();
  if (n == 0) return W::tr("%1, empty").arg(place);
  int down = 0;
  for (const TCard* c = pile.TopCard; c; c = c->NextCard)
    down += c->Face() ? 0 : 1;
  const QString count = n == 1 ? W::tr("1 card") : W::tr("%1 cards").arg(n);
  if (down == 0) return W::tr("%1, %2").arg(place, count);
  if (down == n) return W::tr("%1, %2, all face down").arg(place, count);
  return W::tr("%1, %2, %3 face down").arg(place, count).arg(down);
}

std::vector<TDeck*> ShownPiles(const TTable& table) {
  std::vector<TDeck*> out;
  if (!table.Form || !table.Board1) return out;
  for (TComponent* c : table.Form->Components())
    if (auto* d = dynamic_cast<TDeck*>(c); d && d->Visible() && d->HostBoard() == table.Board1)
      out.push_back(d);
  return out;
}

Snapshot Snap(const TTable& table, const QString& deal) {
  Snapshot s;
  s.deal = deal;
  for (const TDeck* d : ShownPiles(table)) {
    Snapshot::Pile p;
    p.id = d->DeckID();
    p.place = PilePlace(table, *d);
    for (const TCard* card = d->TopCard; card; card = card->NextCard)
      p.cards.emplace_back(card->CardID, card->Face());
    std::reverse(p.cards.begin(), p.cards.end());
    s.piles.push_back(std::move(p));
  }
  if (table.Board1 && table.Board1->SelectedPile)
    s.selectedPile = table.Board1->SelectedPile->DeckID();
  return s;
}

QString DescribeChange(const Snapshot& before, const Snapshot& after) {
  if (!SameLayout(before, after)) {
    if (after.piles.empty()) return QString();
    return W::tr("%1 dealt").arg(after.deal);
  }
  // Where each card that left a pile came from, and each pile's new cards.
  std::map<int, int> leftFrom;  // card number -> pile it left
  struct Arrival {
    int to;
    std::vector<std::pair<int, bool>> cards;
  };
  std::vector<Arrival> arrivals;
  QStringList turned;
  for (size_t i = 0; i < after.piles.size(); ++i) {
    const auto& was = before.piles[i].cards;
    const auto& now = after.piles[i].cards;
    size_t same = 0;
    while (same < was.size() && same < now.size() && was[same].first == now[same].first) {
      if (was[same].second != now[same].second && now[same].second)
        turned
            << W::tr("%1 turned up in %2").arg(Named(now[same].first, true), after.piles[i].place);
      ++same;
    }
    for (size_t k = same; k < was.size(); ++k)
      leftFrom[was[k].first] = after.piles[i].id;
    if (same < now.size())
      arrivals.push_back({after.piles[i].id, {now.begin() + long(same), now.end()}});
  }
  QStringList said;
  for (const Arrival& a : arrivals) {
    // Consecutive cards from the same pile are one move (a run, a deal of
    // three from the stock).
    size_t k = 0;
    while (k < a.cards.size()) {
      const auto from = leftFrom.find(a.cards[k].first);
      const int source = from == leftFrom.end() ? 0 : from->second;
      size_t end = k + 1;
      while (end < a.cards.size()) {
        const auto f = leftFrom.find(a.cards[end].first);
        if ((f == leftFrom.end() ? 0 : f->second) != source) break;
        ++end;
      }
      const QString first = Named(a.cards[k].first, a.cards[k].second);
      const size_t more = end - k - 1;
      const QString what = more == 0   ? first
                           : more == 1 ? W::tr("%1 and 1 more card").arg(first)
                                       : W::tr("%1 and %2 more cards").arg(first).arg(more);
      const QString to = PlaceOf(after, a.to);
      said << (source ? W::tr("%1 from %2 to %3").arg(what, PlaceOf(after, source), to)
                      : W::tr("%1 to %2").arg(what, to));
      k = end;
    }
  }
  // Cards going every which way at once are a deal made again (Restart), not
  // moves anyone would want read out one by one.
  if (said.size() > kMostMovesSaid) return W::tr("%1 dealt").arg(after.deal);
  said << turned;
  if (said.isEmpty() && before.selectedPile != after.selectedPile) {
    const Snapshot::Pile* p = FindPile(after, after.selectedPile);
    if (p && !p->cards.empty())
      said << W::tr("Picked up %1 from %2").arg(Named(p->cards.back().first, true), p->place);
    else if (!after.selectedPile)
      said << W::tr("Put back");
  }
  return said.join(QStringLiteral(". "));
}

}  // namespace TableWords
