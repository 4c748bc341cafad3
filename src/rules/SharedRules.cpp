// The pile rules, automatic play and deal helpers that the games share.
// Each handler answers the pile machinery through Action (and, for runs,
// through ACard); none of them checks more than its own pile event needs.

#include <algorithm>

#include "platform/Messages.h"
#include "platform/Modal.h"
#include "rules/Game.h"

using namespace CardRules;

namespace {

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

// A foundation that holds its thirteen cards takes nothing more. Ranks wrap,
// so without this a King-topped foundation of a two-pack game would take the
// second Ace of its suit and the game could never come out.
bool Complete(const TDeck* d) {
  return d && d->ShowEmpty() == 1 && d->CardsCount() >= 13;
}

// The first empty pile among F[1..nF], or nullptr.
TDeck* FirstEmpty(const TTable::PileList& F, int nF) {
  for (int i = 1; i <= nF && i < int(F.size()); ++i)
    if (F[size_t(i)] && !F[size_t(i)]->TopCard) return F[size_t(i)];
  return nullptr;
}

}  // namespace

// --- Simple rules ------------------------------------------------------------

void TGame::RefuseAll(TDeck*, TCard*&, bool& Action, bool) {
  Action = false;
}

void TGame::StockToWasteSelect(TDeck* Sender, TCard*&, bool& Action, bool clicked) {
  Action = false;
  SetStarted(clicked);
  if (TCard* c = Top(Sender); c && T.Waste()) {
    c->SetFace(true);
    T.Waste()->MoveCardTo(c);
  }
  ResumeTimer();
}

void TGame::FoundationUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  SetStarted(clicked);
  if (!Complete(Sender) && FollowsInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) ResumeTimer();
}

void TGame::SuitUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  SetStarted(clicked);
  if (!Complete(Sender) && FollowsInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) T.EnableTimer();
}

void TGame::AnySuitUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  SetStarted(clicked);
  if (!Complete(Sender) && FollowsAnySuit(Top(Sender), ACard)) Action = true;
  if (clicked) ResumeTimer();
}

void TGame::SuitDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  SetStarted(clicked);
  if (!Complete(Sender) && PrecedesInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) ResumeTimer();
}

void TGame::FrameDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  SetStarted(clicked);
  if (!Top(Sender) || PrecedesInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) T.EnableTimer();
}

void TGame::EmptyOnlyRule(TDeck* Sender, TCard*&, bool& Action, bool clicked) {
  Action = Top(Sender) == nullptr;
  if (clicked) ResumeTimer();
}

void TGame::NoAceSelect(TDeck*, TCard*& ACard, bool& Action, bool clicked) {
  Action = true;
  SetStarted(clicked);
  if (ACard && ACard->Rank() == 1) Action = false;
  T.EnableTimer();
}

// --- Columns down in alternating colours ------------------------------------

void TGame::AltColourDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  T.DisableTimer();
  Action = false;
  SetStarted(clicked);
  if (!ACard) return;
  TDeck* S = ACard->HostDeck;
  if (S && S->Tag == 15) return;
  const bool fromColumn = S && S->Tag == 4;

  if (TCard* t = Top(Sender)) {
    if (fromColumn && Beneath(ACard) && FitsAltColourDown(Beneath(ACard), ACard)) {
      // Walk down the face-up run until a card fits on the destination.
      TCard* x = ACard;
      while (OnFaceUpRun(x, FitsAltColourDown) && !FitsAltColourDown(t, x))
        x = Beneath(x);
      if (FitsAltColourDown(t, x)) {
        ACard = x;
        Action = true;
      }
    } else {
      Action = FitsAltColourDown(t, ACard);
    }
    return;
  }

  // Any card may go to an empty column; for a run the player says how much.
  Action = true;
  if (T.GameIndex == 37 || !clicked || !fromColumn || !OnFaceUpRun(ACard, FitsAltColourDown))
    return;
  switch (AskEmptyColumn()) {
    case mrOk:
      // The whole face-up run; never a covered card beneath it.
      while (OnFaceUpRun(ACard, FitsAltColourDown))
        ACard = Beneath(ACard);
      break;
    case mrYes:
      break;
    default:
      ACard = nullptr;  // cancelled: no move, no warning
  }
}

// --- Runs through free piles ------------------------------------------------

std::vector<TDeck*> TGame::FreePiles(const TTable::PileList& P, int nP, const TDeck* except) {
  std::vector<TDeck*> free;
  for (int i = 1; i <= nP && i < int(P.size()); ++i) {
    TDeck* d = P[size_t(i)];
    if (d && d != except && !d->TopCard) free.push_back(d);
  }
  return free;
}

namespace {

// Moves the run of k + 1 cards from x upward onto D one card at a time: the k
// cards above x go to the first k free piles, x goes to D, the parked cards
// come back, and the last one is left in ACard for the pile machinery to move.
void MoveRunThroughFreePiles(TDeck* D, TCard* x, int k, const std::vector<TDeck*>& free,
                             TCard*& ACard) {
  TDeck* S = x->HostDeck;
  if (k <= 0 || !S || size_t(k) > free.size()) {
    ACard = x;
    return;
  }
  for (int j = 0; j < k; ++j)
    free[size_t(j)]->MoveCardTo(S->TopCard);
  D->MoveCardTo(x);
  for (int j = k - 1; j >= 1; --j)
    D->MoveCardTo(free[size_t(j)]->TopCard);
  ACard = free[0]->TopCard;
}

}  // namespace

void TGame::FreePileRunRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked,
                            CardRules::Comparison fits, const TTable::PileList& P, int nP,
                            int runTag) {
  T.DisableTimer();
  SetStarted(clicked);
  Action = false;
  TCard* c = ACard;
  if (!c) return;
  const bool runSource = runTag < 0 || (c->HostDeck && c->HostDeck->Tag == runTag);
  const std::vector<TDeck*> free = FreePiles(P, nP, Sender);
  const int n = int(free.size());

  if (TCard* t = Top(Sender)) {
    if (n > 0 && runSource && !fits(t, c)) {
      // Down the run to the card that fits on t; k cards lie above it.
      TCard* x = c;
      int k = 0;
      while (OnFaceUpRun(x, fits) && !fits(t, x)) {
        x = Beneath(x);
        ++k;
      }
      if (fits(t, x) && k <= n) {
        Action = true;
        if (clicked) MoveRunThroughFreePiles(Sender, x, k, free, ACard);
      }
    } else {
      Action = fits(t, c);
    }
  } else {
    Action = true;
    if (clicked && n > 0 && runSource && OnFaceUpRun(c, fits)) {
      switch (AskEmptyColumn()) {
        case mrOk: {
          TCard* x = c;
          int k = 0;
          while (k < n && OnFaceUpRun(x, fits)) {
            x = Beneath(x);
            ++k;
          }
          MoveRunThroughFreePiles(Sender, x, k, free, ACard);
          break;
        }
        case mrYes:
          break;
        default:
          ACard = nullptr;  // cancelled: no move, no warning
      }
    }
  }
  if (clicked) T.EnableTimer();
}

void TGame::ToFoundationElseFreeCell(TDeck* Sender, const TTable::PileList& F, int nF,
                                     const TTable::PileList& cells, int nCells) {
  TCard* c = Top(Sender);
  TDeck* dest = nullptr;
  for (int i = 1; c && !dest && i <= nF && i < int(F.size()); ++i)
    if (F[size_t(i)] && FollowsInSuit(Top(F[size_t(i)]), c)) dest = F[size_t(i)];
  if (c && !dest) dest = FirstEmpty(cells, nCells);
  if (dest) {
    Deselect(Sender);
    dest->MoveCardTo(c);
  }
  T.EnableTimer();
}

// --- Double clicks -----------------------------------------------------------

namespace {

// The first of F[1..n] that takes c by the rule, with King-topped
// foundations left out when told.
TDeck* FoundationFor(const TTable::PileList& F, int n, const TCard* c, Comparison rule,
                     bool skipKing) {
  if (!c) return nullptr;
  for (int i = 1; i <= n && i < int(F.size()); ++i) {
    TDeck* f = F[size_t(i)];
    if (!f || Complete(f) || (skipKing && f->TopCard && f->TopCard->Rank() == 13)) continue;
    if (rule(f->TopCard, c)) return f;
  }
  return nullptr;
}

}  // namespace

void TGame::Deselect(TDeck* pile) {
  if (!pile) return;
  if (pile->TopCard) pile->TopCard->SetSelected(false);
  if (T.Board1 && T.Board1->SelectedPile == pile) T.Board1->SelectedPile = nullptr;
}

void TGame::ToFoundation8DblClick(TDeck* Sender) {
  T.GameStarted = 1;
  if (TDeck* f = FoundationFor(T.Foundation, 8, Top(Sender), FollowsInSuit, false)) {
    TCard* c = Sender->TopCard;
    Deselect(Sender);
    f->MoveCardTo(c);
  }
  T.EnableTimer();
}

void TGame::ToFoundation4DblClick(TDeck* Sender) {
  if (TDeck* f = FoundationFor(T.Foundation, 4, Top(Sender), FollowsInSuit, false)) {
    TCard* c = Sender->TopCard;
    Deselect(Sender);
    f->MoveCardTo(c);
  }
  T.EnableTimer();
}

void TGame::ToFoundation4NoKingDblClick(TDeck* Sender) {
  T.GameStarted = 1;
  if (TDeck* f = FoundationFor(T.Foundation, 4, Top(Sender), FollowsInSuit, true)) {
    TCard* c = Sender->TopCard;
    Deselect(Sender);
    f->MoveCardTo(c);
  }
  ResumeTimer();
}

void TGame::ToFoundation4AnySuitDblClick(TDeck* Sender) {
  T.GameStarted = 1;
  if (TDeck* f = FoundationFor(T.Foundation, 4, Top(Sender), FollowsAnySuit, false)) {
    TCard* c = Sender->TopCard;
    Deselect(Sender);
    f->MoveCardTo(c);
  }
  ResumeTimer();
}

// --- After moves and stocks --------------------------------------------------

void TGame::TurnUpAfterMove(TDeck* Source, TDeck*, TCard*) {
  if (TCard* c = Top(Source); c && !c->Face()) c->SetFace(true);
  T.EnableTimer();
}

void TGame::ReserveRefillAfterMove(TDeck* Source, TDeck*, TCard*) {
  if (!Source) return;
  TDeck* reserve = T.Single[4];
  if (Source->Tag == 4 && !Source->TopCard && Top(reserve) && reserve != Source) {
    Source->MoveCardTo(reserve->TopCard);
  } else if (Source->Tag == 5 && Source->TopCard) {
    Source->TopCard->SetFace(true);
  }
}

void TGame::DealRowSelect(TDeck* Sender, TCard*&, bool& Action, bool clicked) {
  T.DisableTimer();
  Action = false;
  SetStarted(clicked);
  if (Top(Sender) && T.Board1) {
    T.Board1->BeginMoveGroup();
    for (int i = 1; i <= 8 && Sender->TopCard; ++i) {
      TDeck* column = T.Tableau[size_t(i)];
      if (!column || column == Sender) continue;
      TCard* c = Sender->TopCard;
      c->SetFace(true);
      column->MoveCardTo(c);
    }
    T.Board1->EndMoveGroup();
  }
  ResumeTimer();
}

void TGame::RedealEmptySelect(TDeck* Sender) {
  T.DisableTimer();
  if (Sender && T.Waste() && T.Waste() != Sender && T.Rotation_Counter() != T.RedealLimit) {
    T.SetRotation_Counter(T.Rotation_Counter() + 1);
    Sender->TurnOver(T.Waste());
    if (T.Rotation_Counter() == T.RedealLimit) Sender->SetShowEmpty(2);
    if (T.Board1) T.Board1->ClearHistory();
  }
  ResumeTimer();
}

// --- Automatic play and the win test -----------------------------------------

void TGame::AutoPlaceBaseCards(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP,
                               int baseRank, TDeck* extra) {
  for (int i = 1; i <= nP && i < int(P.size()); ++i) {
    TCard* c = Top(P[size_t(i)]);
    if (!c || !c->Face() || c->Rank() != baseRank) continue;
    if (TDeck* f = FirstEmpty(F, nF)) {
      f->MoveCardTo(c);
      f->Show();
    }
    break;
  }
  if (TCard* c = Top(extra); c && c->Rank() == baseRank) {
    if (TDeck* f = FirstEmpty(F, nF)) {
      f->MoveCardTo(c);
      f->Show();
    }
  }
}

bool TGame::AutoPlayToFoundations(const TTable::PileList& F, int nF, const TTable::PileList& P,
                                  int nP, bool safe, int baseRank, CardRules::Comparison rule,
                                  TDeck* extra) {
  // Height above the base: the base card is 1, twelve ranks above it 13.
  auto height = [baseRank](const TCard* c) { return (c->Rank() - baseRank + 13) % 13 + 1; };
  int lowest = 14;
  for (int j = 1; j <= nF && j < int(F.size()); ++j) {
    if (!F[size_t(j)]) continue;
    const TCard* t = F[size_t(j)]->TopCard;
    lowest = std::min(lowest, t ? height(t) : 1);
  }
  auto tryPile = [&](TDeck* p) {
    TCard* c = Top(p);
    if (!c || (safe && height(c) > lowest + 1)) return false;
    for (int j = 1; j <= nF && j < int(F.size()); ++j) {
      TDeck* f = F[size_t(j)];
      if (!f || f == p || Complete(f) || !rule(f->TopCard, c)) continue;
      f->MoveCardTo(c);
      if (!c->Face()) c->SetFace(true);
      return true;
    }
    return false;
  };
  for (int i = 1; i <= nP && i < int(P.size()); ++i)
    if (tryPile(P[size_t(i)])) return true;
  return extra && tryPile(extra);
}

bool TGame::AllFoundationsFull(const TTable::PileList& F, int n) {
  if (n < 1) return false;
  for (int i = 1; i <= n && i < int(F.size()); ++i)
    if (!F[size_t(i)] || F[size_t(i)]->CardsCount() != 13) return false;
  return true;
}

void TGame::CommonTimer(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP,
                        bool safe, int baseRank, CardRules::Comparison rule, TDeck* extra) {
  T.DisableTimer();
  if (T.Board1 && T.Board1->Busy) {
    // A move in flight let this tick through; touching its cards now would
    // tear the run apart.
    T.EnableTimer();
    return;
  }
  AutoPlaceBaseCards(F, nF, P, nP, baseRank, extra);
  if (T.AutoPlay == 0) AutoPlayToFoundations(F, nF, P, nP, safe, baseRank, rule, extra);
  if (AllFoundationsFull(F, nF)) {
    T.GameWon();
    return;
  }
  T.EnableTimer();
}

int TGame::AskEmptyColumn() {
  return RequestDialog(ModalDialog::EmptyColumn, QStringLiteral("Move to empty column..."), mrOk);
}

// --- Deal helpers ------------------------------------------------------------

TDeck* TGame::MakePile(int left, int top, int vShift, int gShift, int showEmpty, bool canShowCard,
                       int tag) {
  auto* d = new TDeck(T.Form);
  d->SetHostBoard(T.Board1);
  d->SetBounds(left, top, d->Width(), d->Height());
  d->SetVShift(vShift);
  d->SetGShift(gShift);
  d->SetShowEmpty(showEmpty);
  d->CanShowCard = canShowCard;
  d->Tag = tag;
  return d;
}

void TGame::TakePacks(TDeck* dealPile, int packs, bool faceUp) {
  if (!dealPile) return;
  for (int n = 1; n <= 52 * packs && n <= 104; ++n) {
    TCard* c = T.CardPool[size_t(n)];
    if (!c) continue;
    c->Show();
    c->SetFace(faceUp);
    dealPile->AddCard(c);
    c->BringToFront();
  }
}

TCard* TGame::DealRandom(TDeck* dealPile, TDeck* p) {
  if (!dealPile || !p || dealPile->CardsCount() == 0) return nullptr;
  const int n = T.NextRandom(dealPile->CardsCount());
  TCard* c = dealPile->CardAt(n);
  if (!c) return nullptr;  // a draw outside 1..count moves nothing
  p->MoveCard(dealPile, n);
  return c;
}

TCard* TGame::DealRandom(TDeck* dealPile, TDeck* p, bool faceUp) {
  TCard* c = DealRandom(dealPile, p);
  if (c) c->SetFace(faceUp);
  return c;
}

void TGame::DealRestToStock(TDeck* dealPile, TDeck* stock, bool faceUp) {
  if (!stock) return;
  while (dealPile && dealPile->CardsCount() > 0)
    if (!DealRandom(dealPile, stock, faceUp)) break;
}

void TGame::FreeDealPile(TDeck*& slot) {
  TDeck* pile = slot;
  if (!pile) return;
  for (TDeck*& s : T.Single)
    if (s == pile) s = nullptr;
  for (TTable::PileList* l :
       {&T.ListA, &T.ListB, &T.ListC, &T.ListD, &T.Tableau, &T.Reserve, &T.Foundation})
    for (TDeck*& s : *l)
      if (s == pile) s = nullptr;
  slot = nullptr;
  delete pile;
}

void TGame::StartTimer(std::function<void()> handler) {
  if (!T.Additional_timer) return;
  T.Additional_timer->OnTimer = std::move(handler);
  T.Additional_timer->SetEnabled(bool(T.Additional_timer->OnTimer));
}
