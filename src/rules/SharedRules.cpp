// SPDX-License-Identifier: GPL-3.0-or-later
// The pile rules, automatic play and deal helpers that the games share.
// Each handler answers the pile machinery through Action (and, for runs,
// through ACard); none of them checks more than its own pile event needs.

#include <QCoreApplication>
#include <algorithm>

#include "platform/Messages.h"
#include "platform/Modal.h"
#include "rules/Game.h"

using namespace CardRules;

namespace {

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

// The first empty pile among F[1..nF], or nullptr.
TDeck* FirstEmpty(const TTable::PileList& F, int nF) {
  for (int i = 1; i <= nF; ++i)
    if (F[i] && !F[i]->TopCard) return F[i];
  return nullptr;
}

}  // namespace

// A foundation that holds its thirteen cards takes nothing more. Ranks wrap,
// so without this a King-topped foundation of a two-pack game would take the
// second Ace of its suit and the game could never come out.
bool TGame::IsCompleteFoundation(const TDeck* d) const {
  return d && d->CardsCount() >= 13 && T.IsFoundation(d);
}

// --- Simple rules ------------------------------------------------------------

void TGame::RefuseAll(TDeck*, TCard*&, bool& Action, bool) {
  Action = false;
}

void TGame::StockToWasteSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
  Action = false;
  if (TCard* c = Top(Sender); c && T.Waste()) {
    c->SetFace(true);
    T.Waste()->MoveCardTo(c);
  }
  ResumeTimer();
}

void TGame::FoundationUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  if (!IsCompleteFoundation(Sender) && FollowsInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) ResumeTimer();
}

void TGame::SuitUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  if (!IsCompleteFoundation(Sender) && FollowsInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) T.EnableTimer();
}

void TGame::AnySuitUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  if (!IsCompleteFoundation(Sender) && FollowsAnySuit(Top(Sender), ACard)) Action = true;
  if (clicked) ResumeTimer();
}

void TGame::SuitDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  if (!IsCompleteFoundation(Sender) && PrecedesInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) ResumeTimer();
}

void TGame::FrameDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  Action = false;
  if (!Top(Sender) || PrecedesInSuit(Top(Sender), ACard)) Action = true;
  if (clicked) T.EnableTimer();
}

void TGame::EmptyOnlyRule(TDeck* Sender, TCard*&, bool& Action, bool clicked) {
  Action = Top(Sender) == nullptr;
  if (clicked) ResumeTimer();
}

void TGame::NoAceSelect(TDeck*, TCard*& ACard, bool& Action, bool) {
  Action = true;
  if (ACard && ACard->Rank() == 1) Action = false;
  T.EnableTimer();
}

// --- Columns down in alternating colours ------------------------------------

void TGame::AltColourDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
  AltColourDown(Sender, ACard, Action, clicked, true);
}

void TGame::AltColourDownSingleToEmptyRule(TDeck* Sender, TCard*& ACard, bool& Action,
                                           bool clicked) {
  AltColourDown(Sender, ACard, Action, clicked, false);
}

void TGame::AltColourDown(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked,
                          bool runsToEmpty) {
  T.DisableTimer();
  Action = false;
  if (!ACard) return;
  TDeck* S = ACard->HostDeck;
  if (HasRole(S, Role::Closed)) return;
  const bool fromColumn = HasRole(S, Role::Column);

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
  if (!runsToEmpty || !clicked || !fromColumn || !OnFaceUpRun(ACard, FitsAltColourDown)) return;
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
  for (int i = 1; i <= nP; ++i) {
    TDeck* d = P[i];
    if (d && d != except && !d->TopCard) free.push_back(d);
  }
  return free;
}

namespace {

// How many piles FreePiles would list: the rule asks on every card tried
// against a column, and only a move that parks cards needs the list itself.
int CountFreePiles(const TTable::PileList& P, int nP, const TDeck* except) {
  int n = 0;
  for (int i = 1; i <= nP; ++i) {
    const TDeck* d = P[i];
    if (d && d != except && !d->TopCard) ++n;
  }
  return n;
}

// Moves the run of k + 1 cards from x upward onto D one card at a time: the k
// cards above x go to the first k free piles, x goes to D, the parked cards
// come back, and the last one is left in ACard for the pile machinery to move.
void MoveRunThroughFreePiles(TDeck* D, TCard* x, int k, const TTable::PileList& P, int nP,
                             TCard*& ACard) {
  const std::vector<TDeck*> free = TGame::FreePiles(P, nP, D);
  TDeck* S = x->HostDeck;
  if (k <= 0 || !S || k > int(free.size())) {
    ACard = x;
    return;
  }
  for (int j = 0; j < k; ++j)
    free.at(j)->MoveCardTo(S->TopCard);
  D->MoveCardTo(x);
  for (int j = k - 1; j >= 1; --j)
    D->MoveCardTo(free.at(j)->TopCard);
  ACard = free[0]->TopCard;
}

}  // namespace

void TGame::FreePileRunRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked,
                            CardRules::Comparison fits, const TTable::PileList& P, int nP,
                            Role runRole) {
  T.DisableTimer();
  Action = false;
  TCard* c = ACard;
  if (!c) return;
  const bool runSource = runRole == AnyRole || HasRole(c->HostDeck, runRole);
  const int n = CountFreePiles(P, nP, Sender);

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
        // Asked only, the rule names the card the run would move from (as
        // the other run rules do), so a drag can tell what it would carry.
        if (clicked)
          MoveRunThroughFreePiles(Sender, x, k, P, nP, ACard);
        else
          ACard = x;
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
          MoveRunThroughFreePiles(Sender, x, k, P, nP, ACard);
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
  for (int i = 1; c && !dest && i <= nF; ++i)
    if (F[i] && FollowsInSuit(Top(F[i]), c)) dest = F[i];
  if (c && !dest) dest = FirstEmpty(cells, nCells);
  if (dest) {
    Deselect(Sender);
    dest->MoveCardTo(c);
  }
  T.EnableTimer();
}

// --- Double clicks -----------------------------------------------------------

TDeck* TGame::FoundationFor(const TTable::PileList& F, int n, const TCard* c, Comparison rule,
                            bool skipKing) const {
  if (!c) return nullptr;
  for (int i = 1; i <= n; ++i) {
    TDeck* f = F[i];
    if (!f || IsCompleteFoundation(f) || (skipKing && f->TopCard && f->TopCard->Rank() == 13))
      continue;
    if (rule(f->TopCard, c)) return f;
  }
  return nullptr;
}

void TGame::Deselect(TDeck* pile) {
  if (!pile) return;
  if (pile->TopCard) pile->TopCard->SetSelected(false);
  if (T.Board1 && T.Board1->SelectedPile == pile) T.Board1->SelectedPile = nullptr;
}

bool TGame::SendToFoundation(TDeck* Sender, const ToFoundation& how) {
  TDeck* f = FoundationFor(T.Foundation, how.count, Top(Sender), how.fits, how.skipKingTopped);
  if (f) {
    TCard* c = Sender->TopCard;
    Deselect(Sender);
    f->MoveCardTo(c);
  }
  return f != nullptr;
}

TDeckEEvent TGame::DoubleClickToFoundation(ToFoundation how) {
  return [this, how](TDeck* Sender) {
    SendToFoundation(Sender, how);
    ResumeTimer();
  };
}

// --- After moves and stocks --------------------------------------------------

void TGame::TurnUpAfterMove(TDeck* Source, TDeck*, TCard*) {
  if (TCard* c = Top(Source); c && !c->Face()) c->SetFace(true);
  T.EnableTimer();
}

void TGame::ReserveRefillAfterMove(TDeck* Source, TDeck*, TCard*) {
  if (!Source) return;
  TDeck* reserve = T.Single[4];
  if (HasRole(Source, Role::Column) && !Source->TopCard && Top(reserve) && reserve != Source) {
    Source->MoveCardTo(reserve->TopCard);
  } else if (HasRole(Source, Role::Reserve) && Source->TopCard) {
    Source->TopCard->SetFace(true);
  }
}

void TGame::DealRowSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
  T.DisableTimer();
  Action = false;
  if (Top(Sender) && T.Board1) {
    T.Board1->BeginMoveGroup();
    for (int i = 1; i <= 8 && Sender->TopCard; ++i) {
      TDeck* column = T.Tableau[i];
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
    if (T.Rotation_Counter() == T.RedealLimit) SetLook(Sender, Look::NoRedeal);
    if (T.Board1) T.Board1->ClearHistory();
  }
  ResumeTimer();
}

// --- Automatic play and the win test -----------------------------------------

void TGame::AutoPlaceBaseCards(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP,
                               int baseRank, TDeck* extra) {
  for (int i = 1; i <= nP; ++i) {
    TCard* c = Top(P[i]);
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
  for (int j = 1; j <= nF; ++j) {
    if (!F[j]) continue;
    const TCard* t = F[j]->TopCard;
    lowest = std::min(lowest, t ? height(t) : 1);
  }
  auto tryPile = [&](TDeck* p) {
    TCard* c = Top(p);
    if (!c || (safe && height(c) > lowest + 1)) return false;
    for (int j = 1; j <= nF; ++j) {
      TDeck* f = F[j];
      if (!f || f == p || IsCompleteFoundation(f) || !rule(f->TopCard, c)) continue;
      f->MoveCardTo(c);
      if (!c->Face()) c->SetFace(true);
      return true;
    }
    return false;
  };
  for (int i = 1; i <= nP; ++i)
    if (tryPile(P[i])) return true;
  return extra && tryPile(extra);
}

bool TGame::AllFoundationsFull(const TTable::PileList& F, int n) {
  if (n < 1) return false;
  for (int i = 1; i <= n; ++i)
    if (!F[i] || F[i]->CardsCount() != 13) return false;
  return true;
}

bool TGame::TickWaitsForMove() {
  T.DisableTimer();
  if (T.Board1 && T.Board1->Busy) {
    // A move in flight let this tick through; touching its cards now would
    // tear the run apart.
    T.EnableTimer();
    return true;
  }
  return false;
}

void TGame::PlayUp(const TTable::PileList& F, int nF, const std::vector<PileGroup>& groups,
                   bool safe, int baseRank, CardRules::Comparison rule) {
  for (const PileGroup& g : groups)
    AutoPlaceBaseCards(F, nF, *g.piles, g.count, baseRank, g.extra);
  if (T.AutoPlay == 0 && rule)
    for (const PileGroup& g : groups)
      AutoPlayToFoundations(F, nF, *g.piles, g.count, safe, baseRank, rule, g.extra);
}

void TGame::FinishTick(const TTable::PileList& F, int nF) {
  if (AllFoundationsFull(F, nF)) {
    T.GameWon();  // the table hears only the first win of a deal
    return;
  }
  T.EnableTimer();
}

void TGame::CommonTimer(const TTable::PileList& F, int nF, const std::vector<PileGroup>& groups,
                        bool safe, int baseRank, CardRules::Comparison rule) {
  if (TickWaitsForMove()) return;
  PlayUp(F, nF, groups, safe, baseRank, rule);
  FinishTick(F, nF);
}

void TGame::CommonTimer(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP,
                        bool safe, int baseRank, CardRules::Comparison rule, TDeck* extra) {
  CommonTimer(F, nF, {PileGroup(P, nP, extra)}, safe, baseRank, rule);
}

int TGame::AskEmptyColumn() {
  return RequestDialog(ModalDialog::EmptyColumn,
                       QCoreApplication::translate("TEmptyColDlg", "Move to empty column..."),
                       mrOk);
}

// --- Deal helpers ------------------------------------------------------------

TDeck* TGame::MakePile(const PileLayout& at) {
  auto* d = new TDeck(T.Form);
  d->SetHostBoard(T.Board1);
  d->SetBounds(at.left, at.top, d->Width(), d->Height());
  d->SetVShift(at.vShift);
  d->SetGShift(at.gShift);
  SetLook(d, at.look);
  d->CanShowCard = at.showsCard;
  d->Tag = int(at.role);
  return d;
}

void TGame::MakeFoundations(int n, const std::function<PileLayout(int)>& at, TDeckEvent takes,
                            TDeckEvent gives, TDeckNEvent afterMove) {
  for (int i = 1; i <= n; ++i) {
    TDeck* f = MakePile(at(i));
    f->OnAddWithRule = takes;
    if (gives) f->OnSelect = gives;
    if (afterMove) f->OnAfterMove = afterMove;
    T.Foundation[i] = f;
  }
}

void TGame::MakeWasteAndStock(const WasteAndStock& piles) {
  TDeck* waste = MakePile({.left = piles.wasteLeft,
                           .top = piles.wasteTop,
                           .vShift = 2,
                           .gShift = 2,
                           .look = Look::None,
                           .role = piles.wasteRole});
  waste->OnAddWithRule = Rule(&TGame::RefuseAll);
  waste->OnDoubleSelect = piles.wasteDblClick;
  T.Waste() = waste;
  TDeck* stock = MakePile({.left = piles.stockLeft,
                           .top = piles.stockTop,
                           .vShift = 2,
                           .gShift = 2,
                           .look = piles.stockLook,
                           .role = piles.stockRole});
  stock->OnSelect = piles.turn ? piles.turn : Rule(&TGame::StockToWasteSelect);
  stock->OnAddWithRule = Rule(&TGame::RefuseAll);
  stock->OnEmptySelect = piles.redeal;
  T.Stock() = stock;
}

void TGame::TakePacks(TDeck* dealPile, int packs, bool faceUp) {
  if (!dealPile) return;
  for (int n = 1; n <= 52 * packs && n <= 104; ++n) {
    TCard* c = T.CardPool[n];
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
