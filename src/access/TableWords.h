// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table in words, for a screen reader: what a card, a pile and a change
// of the table are called. Plain functions over the table, so they are tested
// without any accessibility machinery.

#include <QString>
#include <utility>
#include <vector>

class TCard;
class TDeck;
class TTable;

namespace TableWords {

// "Queen of hearts", "10 of clubs", "Ace of spades".
QString CardName(int cardFace);
// "Queen of hearts, face up" (", picked up" when it is selected); a card
// face down is not named: "Card face down".
QString CardText(const TCard& card);

// The pile's role and place: "Foundation 2", "Column 3", "Free cell 1",
// "Stock", "Waste", "Reserve 4"; any other pile is "Pile" and its number.
QString PilePlace(const TTable& table, const TDeck& pile);
// The place and what lies there: "Column 3, 7 cards, 4 face down",
// "Stock, 24 cards, all face down", "Free cell 1, empty".
QString PileText(const TTable& table, const TDeck& pile);

// The piles of the table's board that are shown, in the order they were made.
std::vector<TDeck*> ShownPiles(const TTable& table);

// What the table looked like at one moment, pile by pile.
struct Snapshot {
  struct Pile {
    int id = 0;
    QString place;
    std::vector<std::pair<int, bool>> cards;  // card number and face up, bottom to top
  };
  std::vector<Pile> piles;
  int selectedPile = 0;  // DeckID of the pile whose top card is picked up, or 0
  QString deal;          // which deal is on the table ("FreeCell [#1]")
};
// The table as it is now.
Snapshot Snap(const TTable& table, const QString& deal);

// The same deal with the same piles in both (their cards may differ).
bool SameLayout(const Snapshot& a, const Snapshot& b);

// What changed from `before` to `after` in words, empty when nothing a player
// would notice did: "Queen of hearts from Column 3 to Foundation 2",
// "Jack of clubs and 2 more cards from Column 1 to Column 5",
// "7 of clubs turned up in Column 2", "Picked up 5 of hearts from Column 4",
// "Put back", or for a new deal "FreeCell [#2] dealt".
QString DescribeChange(const Snapshot& before, const Snapshot& after);

}  // namespace TableWords
