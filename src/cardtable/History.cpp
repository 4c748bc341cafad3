// SPDX-License-Identifier: GPL-3.0-or-later
// The board's move history: a linear list of moves, turns and group
// brackets, undone and redone step by step with the ordinary pile moves.

#include "cardtable/Cardscmp.h"

namespace {
bool IsCardEntry(const THistoryEntry& e) {
  return e.Kind == kEntryMove;
}
}  // namespace

void TBoard::RecordEntry(const THistoryEntry& e) {
  TrimRedo();
  History.push_back(e);
  HistoryIndex = int(History.size()) - 1;
}

void TBoard::RecordMove(TDeck* source, TDeck* dest, TCard* card) {
  THistoryEntry e;
  e.Animated = Animate;
  e.SourceLeft = source->Left();
  e.SourceTop = source->Top();
  e.Kind = kEntryMove;
  e.SourceID = quint8(source->DeckID());
  e.DestID = quint8(dest->DeckID());
  e.Flip = false;
  e.CardNo = quint8(card->CardID);
  RecordEntry(e);
}

void TBoard::RecordTurn(TCard* card) {
  THistoryEntry e;
  e.Animated = Animate;
  if (card->HostDeck) {
    e.SourceLeft = card->HostDeck->Left();
    e.SourceTop = card->HostDeck->Top();
  }
  e.Kind = kEntryMove;
  e.Flip = true;
  e.CardNo = quint8(card->CardID);
  RecordEntry(e);
}

void TBoard::TrimRedo() {
  if (HistoryIndex + 1 < int(History.size())) History.resize(size_t(HistoryIndex + 1));
}

void TBoard::BeginMoveGroup() {
  if (InGroup) return;
  InGroup = true;
  TrimRedo();
  THistoryEntry e;
  e.Kind = kEntryBegin;
  History.push_back(e);
  HistoryIndex = int(History.size()) - 1;
}

void TBoard::EndMoveGroup() {
  if (!InGroup) return;
  InGroup = false;
  THistoryEntry e;
  e.Kind = kEntryEnd;
  History.push_back(e);
  HistoryIndex = int(History.size()) - 1;
}

void TBoard::ClearHistory() {
  History.clear();
  History.shrink_to_fit();
  History.reserve(400);
  HistoryIndex = -1;
}

void TBoard::DropUndoable() {
  if (HistoryIndex < 0) return;
  History.erase(History.begin(), History.begin() + HistoryIndex + 1);
  HistoryIndex = -1;
}

void TBoard::Replay(const THistoryEntry& e, bool forward) {
  TForm* form = Owner();
  TCard* card = FindCardByID(form, e.CardNo);
  if (!card) return;
  if (e.Flip) {
    Recording = false;
    card->SetFace(!card->Face());
    Recording = true;
    return;
  }
  TDeck* source = FindPileByID(form, e.SourceID);
  TDeck* dest = FindPileByID(form, e.DestID);
  if (source && (source->Left() != e.SourceLeft || source->Top() != e.SourceTop))
    source->SetBounds(e.SourceLeft, e.SourceTop, source->Width(), source->Height());
  TDeck* target = forward ? dest : source;
  if (!target) return;
  Recording = false;
  if (!e.Animated) Animate = false;
  target->MoveCardTo(card);
  Animate = true;
  Recording = true;
}

bool TBoard::UndoStep() {
  // Groups that hold nothing (opened and closed without a move) and a group
  // left open at the end are stepped over, so every undo either undoes a
  // real step or reports that nothing is left.
  for (;;) {
    if (HistoryIndex < 0) return false;
    const THistoryEntry& top = History[size_t(HistoryIndex)];
    if (top.Kind == kEntryBegin) {
      --HistoryIndex;
      continue;
    }
    if (top.Kind == kEntryEnd && HistoryIndex >= 1 &&
        History[size_t(HistoryIndex - 1)].Kind == kEntryBegin) {
      HistoryIndex -= 2;
      continue;
    }
    break;
  }
  THistoryEntry e = History[size_t(HistoryIndex)];
  bool grouped = false;
  if (e.Kind == kEntryEnd) {
    grouped = true;
    --HistoryIndex;
    if (HistoryIndex < 0) return false;
    e = History[size_t(HistoryIndex)];
  }
  int chain = e.CardNo;
  while (grouped || (IsCardEntry(e) && e.CardNo == chain)) {
    if (IsCardEntry(e)) Replay(e, false);
    chain = e.CardNo;
    --HistoryIndex;
    if (HistoryIndex < 0) return false;
    e = History[size_t(HistoryIndex)];
    if (e.Kind == kEntryBegin) {
      --HistoryIndex;
      return HistoryIndex >= 0;
    }
  }
  return HistoryIndex >= 0;
}

bool TBoard::RedoStep() {
  const int last = int(History.size()) - 1;
  // Step over empty groups first; a begin marker as the very last entry
  // (a group still open) leaves the position where it is.
  while (HistoryIndex + 2 <= last && History[size_t(HistoryIndex + 1)].Kind == kEntryBegin &&
         History[size_t(HistoryIndex + 2)].Kind == kEntryEnd)
    HistoryIndex += 2;
  ++HistoryIndex;
  if (HistoryIndex > last) {
    --HistoryIndex;
    return false;
  }
  THistoryEntry e = History[size_t(HistoryIndex)];
  bool grouped = false;
  if (e.Kind == kEntryBegin) {
    grouped = true;
    ++HistoryIndex;
    if (HistoryIndex > last) {
      HistoryIndex -= 2;
      return false;
    }
    e = History[size_t(HistoryIndex)];
  }
  int chain = e.CardNo;
  while ((grouped && e.Kind != kEntryEnd) || (IsCardEntry(e) && e.CardNo == chain)) {
    Replay(e, true);
    chain = e.CardNo;
    ++HistoryIndex;
    if (HistoryIndex > last) {
      --HistoryIndex;
      return false;
    }
    e = History[size_t(HistoryIndex)];
    if (e.Kind == kEntryEnd) return HistoryIndex < last;
  }
  if (grouped && e.Kind == kEntryEnd) return HistoryIndex < last;
  --HistoryIndex;
  return HistoryIndex < last;
}
