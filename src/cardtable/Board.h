// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board the piles share: score, selection, options, flags and the move
// history behind undo and redo.

#include "cardtable/Deck.h"

// ---------------------------------------------------------------------------
struct THistoryEntry {
  bool Animated = true;
  int SourceLeft = 0;
  int SourceTop = 0;
  quint8 Kind = 0;  // 0 move or turn, 1 group begin, 2 group end
  quint8 SourceID = 0;
  quint8 DestID = 0;
  bool Flip = false;
  quint8 CardNo = 0;
};

constexpr quint8 kEntryMove = 0;
constexpr quint8 kEntryBegin = 1;
constexpr quint8 kEntryEnd = 2;

class TBoard : public TGraphicControl {
 public:
  explicit TBoard(TForm* owner);
  ~TBoard() override;

  QImage PeekSave;
  QImage SlideCardImage;
  QImage SlideFrame;
  bool WarnEnabled = true;
  int Pattern_Type = 0;
  bool MyPlaySound = false;
  int IDCounter = 0;
  TCard* PeekCard = nullptr;
  TBoardEvent OnScoreChange;
  bool InGroup = false;
  bool Busy = false;
  bool Recording = true;
  bool Animate = true;
  bool ShowEmptyPiles = false;
  bool ClickGuard = false;
  int HistoryIndex = -1;
  std::vector<THistoryEntry> History;
  TDeck* SelectedPile = nullptr;
  int CardScore = 5;

  int Score() const { return score_; }
  void SetScore(int v);

  // Puts the peeked card's saved pixels back.
  void EndPeek();
  void MouseUp(Qt::MouseButton button, QPoint pos) override;

  // Move history.
  void RecordMove(TDeck* source, TDeck* dest, TCard* card);
  void RecordTurn(TCard* card);
  void TrimRedo();
  void BeginMoveGroup();
  void EndMoveGroup();
  void ClearHistory();
  void DropUndoable();
  bool UndoStep();
  bool RedoStep();
  bool CanUndo() const { return HistoryIndex >= 0; }
  bool CanRedo() const { return HistoryIndex < int(History.size()) - 1; }

  // Deselects the selected pile's top card and forgets the selection.
  void ClearSelection();

  // What the player did. Every card laid on a pile and every card turned
  // counts as a change of the table; PlayerAction runs one of the player's
  // own actions (a click or double click on a pile, the redeal button) and
  // calls OnPlayerChange when the table changed under it. So whatever the
  // rules do with a click, a move the player made is heard once, here, and
  // a click that only picks a card up or is refused is not heard at all.
  void CountTableChange() { ++tableChanges_; }
  // Grows with every change of the table: a watcher that saw the same count
  // before knows no card has moved or turned since.
  unsigned TableChanges() const { return tableChanges_; }
  void PlayerAction(const std::function<void()>& action);
  std::function<void()> OnPlayerChange;

 private:
  void RecordEntry(const THistoryEntry& e);
  void Replay(const THistoryEntry& e, bool forward);
  int score_ = -1000;
  unsigned tableChanges_ = 0;
};
