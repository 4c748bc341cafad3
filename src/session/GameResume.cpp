// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GameResume.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

std::map<int, TDeck*> PilesById(TableHost& host) {
  std::map<int, TDeck*> piles;
  for (TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c)) piles.emplace(d->DeckID(), d);
  return piles;
}

std::vector<TCard*> BottomToTop(const TDeck* d) {
  std::vector<TCard*> cards;
  for (TCard* c = d->TopCard; c; c = c->NextCard)
    cards.push_back(c);
  std::reverse(cards.begin(), cards.end());
  return cards;
}

bool Fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

// Whether the saved game fits the fresh deal on the table: the same piles,
// the same cards, a redeal button where the deal has one, and a history that
// names only those piles and cards.
bool Fits(TableHost& host, const SavedGame& g, QString* error) {
  const auto piles = PilesById(host);
  std::set<int> dealtCards, savedCards, savedPiles;
  for (const auto& [id, d] : piles)
    for (TCard* c : BottomToTop(d))
      dealtCards.insert(c->CardID);
  for (const SavedPile& p : g.Piles) {
    savedPiles.insert(p.Id);
    for (const SavedCard& c : p.Cards)
      savedCards.insert(c.Id);
    // A pile on show shows its top card, and a fanned one every card.
    const bool fanned = p.VShift > 3 || p.GShift > 3;
    if (p.Visible && !p.Cards.empty() &&
        (!p.Cards.back().Visible ||
         (fanned && std::any_of(p.Cards.begin(), p.Cards.end(),
                                [](const SavedCard& c) { return !c.Visible; }))))
      return Fail(error, QStringLiteral("pile %1 hides cards it shows").arg(p.Id));
  }
  std::set<int> dealtPiles;
  for (const auto& [id, d] : piles)
    dealtPiles.insert(id);
  if (savedPiles != dealtPiles)
    return Fail(error, QStringLiteral("the piles differ from the deal"));
  if (savedCards != dealtCards)
    return Fail(error, QStringLiteral("the cards differ from the deal"));
  if ((g.RedealButton >= 0) != bool(host.Table.RedealButton))
    return Fail(error, QStringLiteral("the redeal button differs from the deal"));
  for (int id : g.ZOrder)
    if (id > 0 ? !savedCards.count(id) : !savedPiles.count(-id))
      return Fail(error, QStringLiteral("the drawing order names a stray card or pile"));
  for (const SavedMove& m : g.History) {
    if (m.Kind != kEntryMove) continue;
    if (!savedCards.count(m.CardNo))
      return Fail(error, QStringLiteral("history names a stray card"));
    if (!m.Flip && (!savedPiles.count(m.SourceId) || !savedPiles.count(m.DestId)))
      return Fail(error, QStringLiteral("history names a stray pile"));
  }
  return true;
}

void LayOut(TableHost& host, const SavedGame& g) {
  TTable& t = host.Table;
  TBoard* b = host.Board1;
  auto piles = PilesById(host);
  // Turning a card face up must not be recorded as a move of the play.
  b->Recording = false;
  for (auto& [id, d] : piles)
    while (d->TopCard)
      d->RemoveCard(d->TopCard);
  for (const SavedPile& p : g.Piles) {
    TDeck* d = piles[p.Id];
    d->SetVShift(p.VShift);
    d->SetGShift(p.GShift);
    d->SetBounds(p.Left, p.Top, p.Width, p.Height);
    d->SetVisible(p.Visible);
    for (const SavedCard& s : p.Cards) {
      TCard* c = t.CardPool[size_t(s.Id)];
      d->AddCard(c);
      c->SetFace(s.FaceUp);
      c->SetBounds(s.Left, s.Top, c->Width(), c->Height());
    }
    // AddCard hides what it covers; the saved visibility is the truth.
    for (const SavedCard& s : p.Cards)
      t.CardPool[size_t(s.Id)]->SetVisible(s.Visible);
  }
  for (int id : g.ZOrder)
    if (id > 0)
      t.CardPool[size_t(id)]->BringToFront();
    else
      piles[-id]->BringToFront();
  b->Recording = true;

  b->History.clear();
  for (const SavedMove& m : g.History) {
    THistoryEntry e;
    e.Animated = m.Animated;
    e.SourceLeft = m.SourceLeft;
    e.SourceTop = m.SourceTop;
    e.Kind = quint8(m.Kind);
    e.SourceID = quint8(m.SourceId);
    e.DestID = quint8(m.DestId);
    e.Flip = m.Flip;
    e.CardNo = quint8(m.CardNo);
    b->History.push_back(e);
  }
  b->HistoryIndex = g.HistoryIndex;
  b->SetScore(g.Score);
  t.SetRotation_Counter(g.Rotation);
  if (t.RedealButton) t.RedealButton->SetEnabled(g.RedealButton == 1);
  t.AutoPlay = g.AutoPlay;
  t.GameStarted = 1;
}

}  // namespace

SavedGame GameResume::Capture(TableHost& host, const QString& player, int gameIndex,
                              uint32_t number) {
  SavedGame g;
  TTable& t = host.Table;
  g.Player = player;
  g.GameIndex = gameIndex;
  g.Number = number;
  g.Score = host.Board1->Score();
  g.Rotation = t.Rotation_Counter();
  g.RedealButton = t.RedealButton ? int(t.RedealButton->Enabled()) : -1;
  g.AutoPlay = t.AutoPlay;
  std::set<int> onTable;
  for (const auto& [id, d] : PilesById(host)) {
    SavedPile p;
    p.Id = id;
    p.Left = d->Left();
    p.Top = d->Top();
    p.Width = d->Width();
    p.Height = d->Height();
    p.VShift = d->VShift();
    p.GShift = d->GShift();
    p.Visible = d->Visible();
    for (TCard* c : BottomToTop(d)) {
      p.Cards.push_back({c->CardID, c->Face(), c->Visible(), c->Left(), c->Top()});
      onTable.insert(c->CardID);
    }
    g.Piles.push_back(std::move(p));
  }
  for (TGraphicControl* c : host.Form().ZOrder()) {
    if (auto* card = dynamic_cast<TCard*>(c); card && onTable.count(card->CardID))
      g.ZOrder.push_back(card->CardID);
    else if (auto* pile = dynamic_cast<TDeck*>(c))
      g.ZOrder.push_back(-pile->DeckID());
  }
  const TBoard* b = host.Board1;
  g.HistoryIndex = b->HistoryIndex;
  for (const THistoryEntry& e : b->History)
    g.History.push_back(
        {e.Animated, e.SourceLeft, e.SourceTop, e.Kind, e.SourceID, e.DestID, e.Flip, e.CardNo});
  return g;
}

bool GameResume::Restore(TableHost& host, const SavedGame& g, QString* error) {
  if (!host.DealGame(g.GameIndex, g.Number)) {
    host.ClearTable();
    return Fail(error, QStringLiteral("no deal for game %1").arg(g.GameIndex));
  }
  if (!Fits(host, g, error)) {
    host.Additional_timer.SetEnabled(false);
    host.ClearTable();
    host.Board1->ClearHistory();
    host.Board1->SetScore(-1000);
    host.Table.SetRotation_Counter(-1);
    return false;
  }
  host.Form().BeginUpdate();
  LayOut(host, g);
  host.Form().EndUpdate();
  host.Form().InvalidateAll();
  return true;
}

bool GameResume::Save(TableHost& host, const QString& player, int gameIndex, uint32_t number,
                      QString* error) const {
  host.Board1->ClearSelection();
  return WriteSavedGame(path_, Capture(host, player, gameIndex, number), error);
}

std::optional<SavedGame> GameResume::Resume(TableHost& host, const QString& player,
                                            QString* error) const {
  // A file that cannot be read is left where it is (it may be a newer
  // program's), and so is another player's.
  std::optional<SavedGame> g = ReadSavedGame(path_, error);
  if (!g) return std::nullopt;
  if (g->Player != player) {
    if (error) *error = QStringLiteral("saved for player '%1'").arg(g->Player);
    return std::nullopt;
  }
  if (!Restore(host, *g, error)) return std::nullopt;
  return g;
}

bool GameResume::HeldByAnother(const QString& player) const {
  const std::optional<SavedGame> g = ReadSavedGame(path_);
  return g && g->Player != player;
}

bool GameResume::Forget() const {
  return RemoveSavedGame(path_);
}
