// SPDX-License-Identifier: GPL-3.0-or-later
// Pharaoh: one pack. Four foundations start with the Aces of hearts and
// diamonds, built up, and the Kings of clubs and spades, built down, always
// in alternating colours. A click on the stock deals a row of four cards face
// up onto the columns; only the columns' top cards play, onto the
// foundations. Once the stock is used up the "Re&Deal" button may be pressed
// once: the columns go back into the stock and the dealing starts again.
// There is no timer: the foundation moves themselves find the win.

#include <QCoreApplication>
#include <QRect>

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kFoundations = 4;
constexpr int kColumns = 4;
constexpr int kCards = 52;

constexpr Role kUpRole = Role::Marked;    // foundations 1 and 2, Ace to King
constexpr Role kDownRole = Role::Second;  // foundations 3 and 4, King to Ace
constexpr int kLastRotation = 2;

int PileLeft(int i) {
  return 80 * i + 60;
}  // 140, 220, 300, 380

// The base cards, taken without a draw by their place from the top of the
// ordered pack (each counted on what the previous steps left): the King of
// spades, the King of clubs, the Ace of diamonds, the Ace of hearts.
struct BaseCard {
  int position;
  int foundation;
};
constexpr BaseCard kBaseCards[] = {{1, 4}, {39, 3}, {38, 2}, {25, 1}};

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

}  // namespace

class Pharaoh : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    T.SetRotation_Counter(1);
    T.RedealLimit = kLastRotation;

    TDeck* stock = MakePile({.left = 10, .top = 45, .vShift = 2, .gShift = 2, .look = Look::Ring});
    stock->OnSelect = Rule(&Pharaoh::PharaohDealSelect);
    stock->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = stock;
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile({.left = PileLeft(i),
                           .top = 5,
                           .look = Look::Foundation,
                           .role = i <= 2 ? kUpRole : kDownRole});
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&Pharaoh::PharaohFoundationRule);
      // A card played by click is on the foundation only after the rule has
      // answered: the win is looked for once it lies there.
      f->OnAfterMove = After(&Pharaoh::PharaohFoundationAfterMove);
      T.Foundation[i] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(
          {.left = PileLeft(i), .top = 140, .vShift = 18, .showsCard = true, .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::RefuseAll);
      column->OnDoubleSelect = Pile(&Pharaoh::PharaohDblClick);
      T.Tableau[i] = column;
    }

    // The first column holds the pack while it is dealt.
    TDeck* dealPile = T.Tableau[1];
    TakePacks(dealPile, 1, true);
    // Set before the base cards go up, so that they earn their points.
    T.Board1->SetScore(-kCards);
    for (const BaseCard& b : kBaseCards)
      T.Foundation[b.foundation]->MoveCard(dealPile, b.position);
    DealRestToStock(dealPile, stock, false);
    DealRow();

    button_ = T.CreateRedealButton(QCoreApplication::translate("Pharaoh", "Re&Deal"),
                                   QRect(12, 10, 70, 25));
    button_->SetEnabled(false);
    button_->OnClick = [this] { Pharaoh_Click(); };
    // Undo can put the last row back into the stock and redo take it out
    // again; the button follows.
    T.OnHistoryStep = [this] { UpdateRedealButton(); };
    StartTimer(nullptr);
  }

  // A click on the stock deals a row: one card face up onto each column, as
  // one undo step. The row that empties the stock offers the redeal while
  // it is still unused.
  void PharaohDealSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = false;
    if (Sender->TopCard) {
      T.Board1->BeginMoveGroup();
      DealRow();
      T.Board1->EndMoveGroup();
    }
    if (Sender->TopCard) return;
    if (T.Rotation_Counter() != kLastRotation) {
      button_->SetEnabled(true);
    } else {
      button_->SetEnabled(false);
      SetLook(Sender, Look::NoRedeal);
      Sender->Repaint();
    }
  }

  // The redeal: columns 4, 3, 2, 1 go back into the stock face down, card by
  // card from the top, and a new row is dealt. It can never be undone.
  void Pharaoh_Click() {
    TDeck* stock = T.Stock();
    // The button is off whenever a redeal would not act; should a press come
    // anyway, it must not gather the columns onto cards not yet dealt.
    if (!RedealWouldAct()) {
      UpdateRedealButton();
      return;
    }
    button_->SetEnabled(false);
    T.SetRotation_Counter(T.Rotation_Counter() + 1);
    TBoard* b = T.Board1;
    b->Animate = false;
    for (int j = kColumns; j >= 1; --j) {
      TDeck* column = T.Tableau[j];
      while (TCard* c = column->TopCard) {
        c->SetFace(false);
        stock->MoveCardTo(c);
      }
    }
    DealRow();
    b->Animate = true;
    b->ClearHistory();
    // Four cards or fewer were left: the stock is spent with the redeal.
    if (!stock->TopCard) {
      SetLook(stock, Look::NoRedeal);
      stock->Repaint();
    }
  }

  void PharaohFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool) {
    Action = false;
    Action = Fits(Sender, ACard);
  }

  // The column's top card to the first foundation it fits.
  void PharaohDblClick(TDeck* Sender) {
    TCard* c = Top(Sender);
    for (int i = 1; c && i <= kFoundations; ++i) {
      TDeck* f = T.Foundation[i];
      if (!Fits(f, c)) continue;
      Deselect(Sender);
      f->MoveCardTo(c);
      CheckWin();
      return;
    }
  }

  void PharaohFoundationAfterMove(TDeck*, TDeck*, TCard*) { CheckWin(); }

 private:
  // Foundations 1 and 2 go up to the King, 3 and 4 down to the Ace, each
  // card of the other colour than the one it covers.
  static bool Fits(const TDeck* f, const TCard* c) {
    const TCard* t = Top(f);
    if (!t || !c || !OtherColour(c, t)) return false;
    if (HasRole(f, kDownRole)) return t->Rank() != 1 && PrecedesAnySuit(t, c);
    if (HasRole(f, kUpRole)) return t->Rank() != 13 && FollowsAnySuit(t, c);
    return false;
  }

  // A redeal acts once the stock is used up, and only while it is unused.
  bool RedealWouldAct() const {
    return !T.Stock()->TopCard && T.Rotation_Counter() != kLastRotation;
  }
  void UpdateRedealButton() { button_->SetEnabled(RedealWouldAct()); }

  // One card face up onto each column while the stock lasts.
  void DealRow() {
    TDeck* stock = T.Stock();
    for (int i = 1; i <= kColumns && stock->TopCard; ++i) {
      TCard* c = stock->TopCard;
      c->SetFace(true);
      T.Tableau[i]->MoveCardTo(c);
    }
  }

  // All 52 cards home. A card undone off a foundation and played again
  // must not win the same game twice.
  void CheckWin() {
    int home = 0;
    for (int i = 1; i <= kFoundations; ++i)
      home += T.Foundation[i]->CardsCount();
    if (home != kCards) return;
    T.GameWon();
  }

  TRedealButton* button_ = nullptr;
};

REGISTER_GAME(Pharaoh, 13);
