// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pile of cards: a windowless control that chains its cards from the top
// down and runs the two-click move protocol through its events.

#include <cstdint>

#include "cardtable/Card.h"

// ---------------------------------------------------------------------------
// What the menu bar's corner says while the pointer rests on a pile:
// "   Cards in deck: 24".
QString CountText(int cards);

class TDeck : public TGraphicControl {
 public:
  explicit TDeck(TForm* owner);
  ~TDeck() override;

  int GShift() const { return gShift_; }
  void SetGShift(int g);
  int VShift() const { return vShift_; }
  void SetVShift(int v);
  int CardsCount() const { return cardsCount_; }
  int ShowEmpty() const { return showEmpty_; }
  void SetShowEmpty(int v);
  TBoard* HostBoard() const { return hostBoard_; }
  void SetHostBoard(TBoard* b);
  int DeckID() const { return deckID_; }
  // Counts every change of what the pile holds and shows: a card added or
  // taken, a card on it turned, selected, shown or hidden, its empty look,
  // the pile shown or hidden. Equal
  // revisions mean the same cards in the same state, so a caller that put
  // the pile in a known state can tell it is still in it without walking
  // its cards.
  uint64_t Revision() const { return revision_; }
  void Touch() { ++revision_; }
  bool CanShowCard = false;
  TCard* TopCard = nullptr;

  // Fanned: every card shows, each one step beyond the last. Stacked: only
  // the top card shows, over one edge per nine cards.
  bool Fanned() const { return vShift_ > 3 || gShift_ > 3; }

  TDeckEEvent OnBeforeUndo;
  TDeckEvent OnSelect;
  TDeckEEvent OnDoubleSelect;
  TDeckEEvent OnEmptySelect;
  TDeckEvent OnAddWithRule;
  TDeckNEvent OnAfterMove;

  // The n-th card from the top (1 = top), or nullptr.
  TCard* CardAt(int n) const;

  void AddCard(TCard* card);
  TCard* RemoveCard(TCard* card);
  void MoveCard(TDeck* source, int n);
  void MoveCardTo(TCard* card);
  void TurnOver(TDeck* source);
  void ShowCount();

  void Paint(QImage& screen, const QRect& clip) override;
  void Click() override;
  void DblClick() override;
  void MouseMove(QPoint pos) override;
  void MouseUp(Qt::MouseButton button, QPoint pos) override;

 protected:
  void VisibilityChanged() override { ++revision_; }

 private:
  // Click's two-click protocol: pick a card up, put it down, or refuse.
  void TwoClickProtocol();
  void SlideCard(TDeck* src, TCard* card);
  // Where a card put on this pile lies: on the pile, or fanned past its top.
  QPoint Landing() const;
  void SetCursors(int cursor);

  uint64_t revision_ = 0;
  int gShift_ = 0;
  int vShift_ = 0;
  int cardsCount_ = 0;
  int showEmpty_ = 0;
  TBoard* hostBoard_ = nullptr;
  int deckID_ = 0;
};

// Looks a pile or a card up by number among the form's components, first
// match in creation order; nullptr when there is none.
TDeck* FindPileByID(TForm* form, int id);
TCard* FindCardByID(TForm* form, int id);

// The rectangle the piles of the table cover, with the cards they hold
// (fanned cards included); empty when no pile is shown.
QRect PileLayoutBounds(const TForm& form);
