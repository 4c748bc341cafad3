// SPDX-License-Identifier: GPL-3.0-or-later
// Topsy-Turvy Queens and King's Secrets: two packs. Eight foundations start
// with the Kings, which go up by themselves, and are built up in suit round
// the corner: King, Ace, Two, ..., Queen. Eight columns are built down in
// suit, never onto a King, and runs move as units. Seven secret cards lie
// face down under the first seven foundations; completing foundation j turns
// secret card j up, and it may then go to a foundation. The stock turns one
// card at a time onto the waste and is gone through three times. The game
// is won when every foundation shows its Queen.
//
//   Topsy-Turvy Queens (1)  four cards a column; an empty column takes any
//                           card, or a run when the player says so.
//   King's Secrets (2)      five cards a column; an empty column takes only
//                           a Queen, or a whole run headed by a Queen.
//
// The foundations show no foundation mark, so the score stays as dealt.

#include "platform/Modal.h"
#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kFoundations = 8;
constexpr int kColumns = 8;
constexpr int kSecrets = 7;  // foundation 8 has none
constexpr int kFull = 13;
constexpr int kPasses = 3;

int SecretLeft(int i) {
  return 77 * i - 72;
}  // 5, 82, ..., 467
int FoundationLeft(int i) {
  return 77 * i - 69;
}  // 8, 85, ..., 547: over its secret card, a little lower and to the right
int ColumnLeft(int i) {
  return 77 * i - 72;
}  // 5, 82, ..., 544
constexpr int kTopRow = 5;
constexpr int kSecretTop = 126;
constexpr int kFoundationTop = 131;
constexpr int kColumnTop = 230;
constexpr int kColumnStep = 18;

// Tags: what a card's source pile is.
constexpr Role kWasteRole = Role::Marked;  // the waste (and the foundations)
constexpr Role kColumnRole = Role::Second;
constexpr Role kSecretRole = Role::Third;

// B lies on A: one rank lower in A's suit, and nothing ever lies on a King
// (a King lies on the Ace of its suit).
bool LiesOn(const TCard* a, const TCard* b) {
  return a && b && a->Rank() != 13 && CardRules::PrecedesInSuit(a, b);
}

bool IsQueen(const TCard* c) {
  return c && c->Rank() == 12;
}

// A foundation that shows its Queen has its thirteen cards and takes no more
// (its top is a Queen only then). Without this, ranks wrapping would let the
// second King of the suit onto it, and the game could never be won.
bool Complete(const TDeck* f) {
  return f && f->CardsCount() >= kFull;
}

}  // namespace

class TopsyTurvyQueens : public TGame {
 public:
  // How many rows the columns are dealt, and whether an empty column takes
  // any card or run (or only a Queen and a run based on one).
  struct Variant {
    int rows;
    bool emptyTakesAny;
  };
  static constexpr Variant kTopsyTurvy{.rows = 4, .emptyTakesAny = true};
  static constexpr Variant kKingsSecrets{.rows = 5, .emptyTakesAny = false};

  TopsyTurvyQueens(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    T.RedealLimit = kPasses;
    T.SetRotation_Counter(1);

    MakeWasteAndStock({.wasteTop = kTopRow,
                       .stockLeft = 5,
                       .stockTop = kTopRow,
                       .stockLook = Look::Ring,
                       .wasteRole = kWasteRole,
                       .wasteDblClick = Pile(&TopsyTurvyQueens::QueensToFoundationDblClick),
                       .turn = Rule(&TopsyTurvyQueens::QueensStockSelect),
                       .redeal = Pile(&TopsyTurvyQueens::QueensRedealEmptySelect)});

    for (int i = 1; i <= kSecrets; ++i) {
      TDeck* secret = MakePile({.left = SecretLeft(i), .top = kSecretTop, .role = kSecretRole});
      secret->OnAddWithRule = Rule(&TGame::RefuseAll);
      secret->OnSelect = Rule(&TopsyTurvyQueens::FaceUpOnlySelect);
      secret->OnDoubleSelect = Pile(&TopsyTurvyQueens::QueensToFoundationDblClick);
      T.ListC[i] = secret;
    }
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile({.left = FoundationLeft(i), .top = kFoundationTop, .role = kWasteRole});
      f->OnAddWithRule = Rule(&TopsyTurvyQueens::QueensFoundationRule);
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAfterMove = After(&TopsyTurvyQueens::QueensFoundationAfterMove);
      f->Hide();  // shown when its King arrives
      T.Foundation[i] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = kColumnRole});
      column->OnAddWithRule = Rule(&TopsyTurvyQueens::QueensColumnRule);
      column->OnDoubleSelect = Pile(&TopsyTurvyQueens::QueensToFoundationDblClick);
      T.ListB[i] = column;
    }

    TakePacks(T.Waste(), kPacks, false);
    T.Board1->SetScore(-52 * kPacks);
    for (int i = 1; i <= kSecrets; ++i)
      DealRandom(T.Waste(), T.ListC[i]);
    for (int row = 1; row <= variant_.rows; ++row)
      for (int i = 1; i <= kColumns; ++i)
        DealRandom(T.Waste(), T.ListB[i], true);
    DealRestToStock(T.Waste(), T.Stock(), false);

    StartTimer(Timer(&TopsyTurvyQueens::Check_Kings_TTimer));
  }

  // --- The stock --------------------------------------------------------------

  // One card face up onto the waste. On the last pass the emptied stock
  // shows that it is exhausted.
  void QueensStockSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = false;
    if (TCard* c = Sender->TopCard) {
      c->SetFace(true);
      T.Waste()->MoveCardTo(c);
      if (T.Rotation_Counter() == kPasses) SetLook(Sender, Look::NoRedeal);
    }
    ResumeTimer();
  }

  // The waste goes back face down while passes are left; a pass is never
  // undone.
  void QueensRedealEmptySelect(TDeck* Sender) {
    if (T.Rotation_Counter() < T.RedealLimit) {
      Sender->TurnOver(T.Waste());
      T.SetRotation_Counter(T.Rotation_Counter() + 1);
      T.Board1->ClearHistory();
    }
    T.EnableTimer();
  }

  // --- Secret cards -----------------------------------------------------------

  // A secret card can be picked up only once it has been turned up.
  void FaceUpOnlySelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = Sender->TopCard && Sender->TopCard->Face();
    T.EnableTimer();
  }

  // --- Columns ----------------------------------------------------------------

  // Down in suit, nothing on a King. From another column the deepest card of
  // the run that lies on the destination takes the cards on it along. Secret
  // cards never come here.
  void QueensColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    TCard* c = ACard;
    const TDeck* S = c ? c->HostDeck : nullptr;
    if (c && S && !HasRole(S, kSecretRole)) {
      TCard* t = Sender->TopCard;
      if (t || !HasRole(S, kColumnRole)) {
        if ((!t && (variant_.emptyTakesAny || IsQueen(c))) || LiesOn(t, c)) {
          if (clicked && !c->Face()) c->SetFace(true);
          Action = true;
        } else if (t && HasRole(S, kColumnRole)) {
          TCard* x = c;
          while (LiesOn(Beneath(x), x) && !LiesOn(t, x))
            x = Beneath(x);
          if (LiesOn(t, x)) {
            ACard = x;
            Action = true;
          }
        }
      } else if (LiesOn(Beneath(c), c)) {
        // A run onto an empty column.
        if (!variant_.emptyTakesAny) {
          ACard = RunBase(c);
          Action = IsQueen(ACard);
        } else if (clicked) {
          switch (AskEmptyColumn()) {
            case mrOk:
              ACard = RunBase(c);
              break;
            case mrYes:
              break;
            default:
              ACard = nullptr;  // cancelled: no move, no warning
          }
          Action = true;
        } else {
          Action = true;
        }
      } else {
        Action = variant_.emptyTakesAny || IsQueen(c);
      }
    }
    if (clicked) T.EnableTimer();
  }

  // --- Foundations ------------------------------------------------------------

  // Up in suit, an Ace on the King; an empty foundation waits for the timer
  // to bring its King, a complete one takes nothing more.
  void QueensFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (!Complete(Sender) && CardRules::FollowsInSuit(Sender->TopCard, ACard)) {
      if (clicked && !ACard->Face()) ACard->SetFace(true);
      Action = true;
    }
    if (clicked) T.EnableTimer();
  }

  // The top card to the first foundation on which it follows in suit.
  void QueensToFoundationDblClick(TDeck* Sender) {
    TCard* c = Sender->TopCard;
    for (int i = 1; c && i <= kFoundations; ++i) {
      TDeck* f = T.Foundation[i];
      if (!f || Complete(f) || !CardRules::FollowsInSuit(f->TopCard, c)) continue;
      Deselect(Sender);
      f->MoveCardTo(c);
      break;
    }
    T.EnableTimer();
  }

  // A secret card that went up leaves its place empty for good; the eighth
  // Queen wins.
  void QueensFoundationAfterMove(TDeck* Source, TDeck*, TCard*) {
    if (Source && HasRole(Source, kSecretRole)) Source->Hide();
    int queens = 0;
    for (int i = 1; i <= kFoundations; ++i)
      if (T.Foundation[i] && IsQueen(T.Foundation[i]->TopCard)) ++queens;
    if (queens == kFoundations && !T.Won()) {
      T.DisableTimer();
      T.GameWon();
    }
  }

  // --- The timer --------------------------------------------------------------

  // Every 100 ms: one King from a column or a turned-up secret card to the
  // first empty foundation, secret cards under complete foundations turned
  // up, and a King from the waste.
  void Check_Kings_TTimer() {
    if (TickWaitsForMove()) return;
    TDeck* empty = FirstEmptyFoundation();
    for (int j = 1; j <= kColumns; ++j) {
      TDeck* column = T.ListB[j];
      if (empty && IsKing(column->TopCard)) {
        PlaceKing(empty, column->TopCard);
        break;
      }
      if (j > kSecrets) continue;
      TDeck* secret = T.ListC[j];
      TCard* s = secret->TopCard;
      if (empty && s && s->Face() && IsKing(s)) {
        PlaceKing(empty, s);
        break;
      }
      if (s && !s->Face() && IsQueen(T.Foundation[j]->TopCard)) {
        // The foundation above is complete: its secret card comes up in
        // front of it, where the clicks now land. Undoing the last move to
        // the foundation would bury the card again, so history ends here.
        s->SetFace(true);
        T.Board1->ClearHistory();
        s->BringToFront();
      }
    }
    if (TCard* c = T.Waste()->TopCard; IsKing(c))
      if (TDeck* f = FirstEmptyFoundation()) PlaceKing(f, c);
    T.EnableTimer();
  }

 private:
  static bool IsKing(const TCard* c) { return c && c->Rank() == 13; }

  // The lowest card of the run that c heads (c lies on the card beneath it).
  static TCard* RunBase(TCard* c) {
    TCard* x = Beneath(c);
    while (LiesOn(Beneath(x), x))
      x = Beneath(x);
    return x;
  }

  TDeck* FirstEmptyFoundation() const {
    for (int i = 1; i <= kFoundations; ++i)
      if (T.Foundation[i] && !T.Foundation[i]->TopCard) return T.Foundation[i];
    return nullptr;
  }

  void PlaceKing(TDeck* f, TCard* king) {
    f->MoveCardTo(king);
    f->Show();
  }

  const Variant variant_;
};

REGISTER_VARIANT(TopsyTurvyQueens, 1, TopsyTurvyQueens::kTopsyTurvy);
REGISTER_VARIANT(TopsyTurvyQueens, 2, TopsyTurvyQueens::kKingsSecrets);
