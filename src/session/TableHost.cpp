// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/TableHost.h"

#include "platform/Messages.h"
#include "records/Catalogue.h"

TableHost::TableHost(int width, int height, int back)
    : form_(std::make_unique<TForm>(width, height)) {
  Board1 = new TBoard(form_.get());
  Board1->SetBounds(0, 0, 800, 800);
  // The pool is created hidden: batching the repaints means no card is
  // painted (nor its art drawn) before a deal shows it.
  form_->BeginUpdate();
  for (int pack = 1; pack <= 2; ++pack)
    for (int suit = 1; suit <= 4; ++suit)
      for (int rank = 1; rank <= 13; ++rank) {
        int n = PoolNumber(pack, suit, rank);
        auto* card = new TCard(form_.get());
        card->Hide();
        card->SetCardFace(suit * 256 + rank);
        card->SetCardBack(back);
        card->CardID = n;
        card->UpdateOpacity();
        Table.CardPool[size_t(n)] = card;
      }
  form_->EndUpdate();
  Table.Form = form_.get();
  Table.AttachBoard(Board1);
  Table.Additional_timer = &Additional_timer;
  Table.RandomSource = [this](int n) { return Shuffle.NextRandom(n); };
  drag_ = std::make_unique<TDragControl>(form_.get(), Board1);
  Additional_timer.RestProbe = [this] { return TickDigest(); };
  drag_->OnHold = [this](bool hold) {
    if (hold) {
      timerHeld_ = Additional_timer.Enabled();
      Additional_timer.SetEnabled(false);
    } else if (timerHeld_) {
      Additional_timer.SetEnabled(true);
    }
  };
}

// Everything a game's tick reads besides the cards themselves, folded
// with the count of cards moved and turned: while this stays the same, one
// tick does exactly what the last did.
uint64_t TableHost::TickDigest() const {
  uint64_t h = 0;
  auto mix = [&h](uint64_t v) { h = (h ^ v) * 0x100000001b3ull + 0x9e3779b97f4a7c15ull; };
  mix(Board1->TableChanges());
  mix(Board1->Busy);
  mix(reinterpret_cast<uintptr_t>(Board1->SelectedPile));
  mix(uint64_t(int64_t(Board1->HistoryIndex)));
  mix(Board1->History.size());
  mix(uint64_t(Table.AutoPlay));
  mix(uint64_t(Table.GameIndex));
  mix(uint64_t(Table.Rotation_Counter()));
  mix(Table.Won());
  mix(reinterpret_cast<uintptr_t>(game_.get()));
  return h;
}

TableHost::~TableHost() {
  drag_.reset();
  Additional_timer.SetEnabled(false);
  Redeal_Timer.SetEnabled(false);
  Additional_timer.OnTimer = nullptr;
  game_.reset();
  retired_.reset();
}

void TableHost::ClearTable() {
  drag_->Cancel();
  // What lies over the piles (a focus frame, a hint's marks) goes with them.
  if (OnClearTable) OnClearTable();
  Table.FreeRedealButton();
  Board1->ClearSelection();
  Additional_timer.SetEnabled(false);
  TForm& form = *form_;
  form.BeginUpdate();
  const auto& comps = form.Components();
  for (size_t i = 0; i < comps.size();) {
    TComponent* c = comps[i];
    if (auto* deck = dynamic_cast<TDeck*>(c)) {
      delete deck;  // the list closes up; stay at the same position
      continue;
    }
    if (auto* card = dynamic_cast<TCard*>(c)) {
      card->Hide();
      card->SetFace(false);
      card->HostDeck = nullptr;
      card->NextCard = nullptr;
      card->SetSelected(false);
    }
    ++i;
  }
  form.EndUpdate();
  Board1->Invalidate();
  ProcessMessages();
  Table.ClearSlots();
  Board1->IDCounter = 0;
  retired_ = std::move(game_);
}

bool TableHost::RunDeal(int index) {
  // The previous game's timer handler must not outlive its rules.
  Additional_timer.OnTimer = nullptr;
  Board1->Recording = false;
  game_ = CreateGame(index, Table);
  Table.GameIndex = index;
  if (game_) {
    form_->BeginUpdate();
    game_->Deal();
    form_->EndUpdate();
  }
  Board1->ClearHistory();
  Board1->Recording = true;
  return game_ != nullptr;
}

bool TableHost::DealGame(int index, uint32_t number) {
  Board1->SetScore(-1000);
  Table.GameStarted = 0;
  ClearTable();
  Shuffle.Seed(number);
  Table.SetRotation_Counter(-1);
  return RunDeal(index);
}

void TableHost::SetBack(int back) {
  for (int n = 1; n <= 104; ++n)
    Table.CardPool[size_t(n)]->SetCardBack(back);
}

void TableHost::UpdateCardOpacity() {
  // Cards are opaque only on a plain-colour table.
  for (int n = 1; n <= 104; ++n)
    Table.CardPool[size_t(n)]->Opaque = Board1->Pattern_Type == 0;
}

QString CardText(const TCard* card) {
  static const char kRanks[] = "A23456789TJQK";
  static const char kSuits[] = "CDHS";
  int r = card->Rank(), s = card->Suit();
  QString t;
  t += (r >= 1 && r <= 13) ? QChar(kRanks[r - 1]) : QChar('?');
  t += (s >= 1 && s <= 4) ? QChar(kSuits[s - 1]) : QChar('?');
  if (!card->Face()) t = t.toLower();
  if (card->CardID > 52) t += '2';
  return t;
}

QString DumpTable(TableHost& host, int gameIndex, uint32_t number) {
  QString out;
  TTable& t = host.Table;
  out += QStringLiteral("game %1 \"%2\" number %3 score %4 rotation %5 started %6\n")
             .arg(gameIndex)
             .arg(GameName(gameIndex))
             .arg(number)
             .arg(host.Board1->Score())
             .arg(t.Rotation_Counter())
             .arg(t.GameStarted);
  std::vector<TDeck*> piles;
  for (TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c)) piles.push_back(d);
  std::stable_sort(piles.begin(), piles.end(),
                   [](TDeck* a, TDeck* b) { return a->DeckID() < b->DeckID(); });
  for (TDeck* d : piles) {
    out += QStringLiteral("pile %1 at %2,%3 shift %4/%5 empty %6 tag %7%8:")
               .arg(d->DeckID())
               .arg(d->Left())
               .arg(d->Top())
               .arg(d->VShift())
               .arg(d->GShift())
               .arg(d->ShowEmpty())
               .arg(d->Tag)
               .arg(d->Visible() ? QString() : QStringLiteral(" hidden"));
    std::vector<TCard*> cards;
    for (TCard* c = d->TopCard; c; c = c->NextCard)
      cards.push_back(c);
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
      out += ' ' + CardText(*it);
    out += '\n';
  }
  TDeck* sel = host.Board1->SelectedPile;
  out +=
      sel ? QStringLiteral("selected %1\n").arg(sel->DeckID()) : QStringLiteral("selected none\n");
  out += QStringLiteral("history %1 %2\n")
             .arg(host.Board1->HistoryIndex)
             .arg(host.Board1->History.size());
  out += '\n';
  return out;
}
