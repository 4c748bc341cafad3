// SPDX-License-Identifier: GPL-3.0-or-later
// Simple: two packs. A top row of eight reserve cards says where each of
// the eight foundations below it starts: foundation i begins with any card
// one rank above reserve card i and is built up regardless of suit, round
// the corner from King to Ace, until it reaches the rank below the reserve
// card; then the reserve card (and whatever was built down in suit on it)
// finishes it at 13 cards. Cards reach the foundations and the reserve only
// from the eight columns, which a click on the stock deals a row onto. The
// game is won when every foundation holds its 13 cards; everything that
// goes up by itself does so whatever the AutoPlay setting.

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kPiles = 8;  // foundations, reserve piles and columns alike
constexpr int kFull = 13;

int RowLeft(int i) {
  return 75 * i + 65;
}  // 140, 215, ..., 665: reserve pile, foundation and column in one file
constexpr int kReserveTop = 5;
constexpr int kFoundationTop = 105;
constexpr int kColumnTop = 210;

}  // namespace

class Simple : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The waste slot holds the deal pile while the cards are dealt.
    MakeWasteAndStock({.wasteTop = 390, .stockTop = 5, .turn = Rule(&TGame::DealRowSelect)});
    TDeck* dealPile = T.Waste();
    MakeFoundations(
        kPiles,
        [&](int i) {
          return PileLayout{.left = RowLeft(i), .top = kFoundationTop, .look = Look::Foundation};
        },
        Rule(&Simple::SimpleFoundationRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kPiles; ++i) {
      TDeck* r = MakePile({.left = RowLeft(i), .top = kReserveTop, .look = Look::None});
      r->OnSelect = Rule(&TGame::RefuseAll);
      r->OnAddWithRule = Rule(&TGame::SuitDownRule);
      T.Reserve[i] = r;
    }
    for (int i = 1; i <= kPiles; ++i) {
      TDeck* column = MakePile({.left = RowLeft(i),
                                .top = kColumnTop,
                                .vShift = 14,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::RefuseAll);
      column->OnDoubleSelect = Pile(&Simple::SimpleColumnDblClick);
      T.Tableau[i] = column;
    }

    TakePacks(dealPile, 2, true);
    T.Board1->SetScore(-104);
    for (int i = 1; i <= kPiles; ++i)
      DealRandom(dealPile, T.Reserve[i], true);
    for (int i = 1; i <= kPiles; ++i)
      DealRandom(dealPile, T.Tableau[i], true);
    DealRestToStock(dealPile, T.Stock(), false);
    FreeDealPile(T.Waste());
    StartTimer(Timer(&Simple::Simple_Timer));
  }

  // c may go onto foundation i: it starts the empty foundation (one rank
  // above the reserve pile's top card, any suit) or continues it (one rank
  // above its top card, any suit). A complete foundation takes nothing.
  bool Takes(int i, const TCard* c) const {
    const TDeck* f = T.Foundation[i];
    if (!c || f->CardsCount() >= kFull) return false;
    if (!f->TopCard) return PrecedesAnySuit(c, T.Reserve[i]->TopCard);
    return FollowsAnySuit(f->TopCard, c);
  }

  int FoundationNo(const TDeck* f) const {
    for (int i = 1; i <= kPiles; ++i)
      if (T.Foundation[i] == f) return i;
    return 0;
  }

  void SimpleFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    const int i = FoundationNo(Sender);
    if (i && Sender->CardsCount() < kFull) {
      Action = Takes(i, ACard);
    }
    if (clicked) ResumeTimer();
  }

  // The column's top card to the first foundation it starts or continues.
  void SimpleColumnDblClick(TDeck* Sender) {
    T.DisableTimer();
    TCard* c = Sender->TopCard;
    for (int i = 1; c && i <= kPiles; ++i) {
      if (!Takes(i, c)) continue;
      Deselect(Sender);
      T.Foundation[i]->MoveCardTo(c);
      break;
    }
    T.EnableTimer();
  }

  // Every 100 ms, AutoPlay or not: an empty foundation is started when just
  // one column offers a card that starts it (with more the player chooses);
  // a reserve card that continues its foundation goes up; then the win test.
  void Simple_Timer() {
    if (TickWaitsForMove()) return;
    for (int i = 1; i <= kPiles; ++i) {
      TDeck* f = T.Foundation[i];
      if (f->TopCard) continue;
      TCard* only = nullptr;
      int candidates = 0;
      for (int k = 1; k <= kPiles; ++k) {
        TCard* c = T.Tableau[k]->TopCard;
        if (c && Takes(i, c)) {
          only = c;
          ++candidates;
        }
      }
      if (candidates == 1) f->MoveCardTo(only);
    }
    for (int i = 1; i <= kPiles; ++i) {
      TDeck* f = T.Foundation[i];
      TCard* r = T.Reserve[i]->TopCard;
      if (f->TopCard && Takes(i, r)) f->MoveCardTo(r);
    }
    FinishTick(T.Foundation, kPiles);
  }
};

REGISTER_GAME(Simple, 22);
