// SPDX-License-Identifier: GPL-3.0-or-later
// The column rule of the games whose columns go down in suit and move a run
// of one suit at once (Josephine, Napoleon Leaves Moscow).

#include "rules/SuitRunRule.h"

#include "platform/Modal.h"

using namespace CardRules;

// Columns down in suit where a run of one suit moves at once, however many
// columns are empty. Josephine lets any card or run into an empty column;
// Napoleon Leaves Moscow only a King or a run based on a King.
void SuitDownRunRule(TGame& game, TTable& T, TDeck* Sender, TCard*& ACard, bool& Action,
                     bool clicked, EmptyColumnTakes empty) {
  T.DisableTimer();
  Action = false;
  TCard* c = ACard;
  if (!c || !Sender) return;
  const bool fromColumn = HasRole(c->HostDeck, Role::Column);
  const bool onRun = fromColumn && PrecedesInSuit(TGame::Beneath(c), c);

  if (TCard* t = Sender->TopCard) {
    if (onRun) {
      // Down the run to the card that lies in suit on t.
      TCard* x = c;
      while (TGame::OnFaceUpRun(x, PrecedesInSuit) && !PrecedesInSuit(t, x))
        x = TGame::Beneath(x);
      if (PrecedesInSuit(t, x)) {
        ACard = x;
        Action = true;
      }
    } else {
      Action = PrecedesInSuit(t, c);
    }
  } else {
    Action = true;
    if (clicked && onRun) {
      switch (game.AskEmptyColumn()) {
        case mrOk:
          // The whole face-up run, down to the bottom card when the column
          // is one run.
          while (TGame::OnFaceUpRun(ACard, PrecedesInSuit))
            ACard = TGame::Beneath(ACard);
          break;
        case mrYes:
          break;
        default:
          ACard = nullptr;  // cancelled: no move, no warning
      }
    }
    if (empty == EmptyColumnTakes::KingOnly && ACard && ACard->Rank() != 13) Action = false;
  }
  if (clicked) T.EnableTimer();
}
