// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tools for testing games on a headless table: naming cards, arranging
// piles, clicking as the player clicks, snapshots of the table, the
// invariants every table must keep, and a seeded random player.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Modal.h"
#include "records/Catalogue.h"
#include "session/TableHost.h"

namespace harness {

// --- Cards and piles ---------------------------------------------------------

// "QH" is the queen of hearts of pack 1, "QH2" the same card of pack 2;
// ranks A 2..9 T J Q K, suits C D H S.
inline int PoolNo(const std::string& name) {
  static const std::string kRanks = "A23456789TJQK", kSuits = "CDHS";
  if (name.size() < 2) return 0;
  size_t r = kRanks.find(name[0]), s = kSuits.find(name[1]);
  if (r == std::string::npos || s == std::string::npos) return 0;
  int pack = name.size() > 2 && name[2] == '2' ? 2 : 1;
  return PoolNumber(pack, int(s) + 1, int(r) + 1);
}
inline TCard* CardNamed(TableHost& host, const std::string& name) {
  int n = PoolNo(name);
  return n ? host.Table.CardPool[n] : nullptr;
}

// Every pile on the table, in DeckID order.
inline std::vector<TDeck*> Piles(TableHost& host) {
  std::vector<TDeck*> out;
  for (TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c)) out.push_back(d);
  std::stable_sort(out.begin(), out.end(),
                   [](TDeck* a, TDeck* b) { return a->DeckID() < b->DeckID(); });
  return out;
}

// A pile's cards from the bottom up (at most 300, so a broken chain ends).
inline std::vector<TCard*> Cards(const TDeck* d) {
  std::vector<TCard*> out;
  for (TCard* c = d->TopCard; c && out.size() < 300; c = c->NextCard)
    out.insert(out.begin(), c);
  return out;
}
// The same as names, "9S 8H" (lower case when face down).
inline std::string Names(const TDeck* d) {
  std::string s;
  for (TCard* c : Cards(d)) {
    if (!s.empty()) s += ' ';
    s += CardText(c).toStdString();
  }
  return s;
}

// Empties the given piles (cards hidden and detached) and lays the named
// cards on them bottom first, face up unless the name is lower case. Nothing
// is recorded. The score is set as the deal would have it with these cards.
inline void Arrange(TableHost& host, const std::vector<std::pair<TDeck*, std::string>>& layout,
                    int packCards = 52) {
  TBoard* b = host.Board1;
  b->ClearSelection();
  const bool rec = b->Recording;
  b->Recording = false;
  for (TDeck* d : Piles(host))
    while (TCard* c = d->TopCard) {
      d->RemoveCard(c);
      c->Hide();
    }
  int onFoundations = 0;
  for (const auto& [pile, text] : layout) {
    std::istringstream in(text);
    std::string w;
    while (in >> w) {
      std::string upper = w;
      for (char& ch : upper)
        ch = char(std::toupper(static_cast<unsigned char>(ch)));
      TCard* c = CardNamed(host, upper);
      if (!c) {
        ADD_FAILURE() << "no card " << w;
        continue;
      }
      c->Show();
      c->SetFace(w == upper);
      pile->AddCard(c);
      c->BringToFront();
      if (pile->ShowEmpty() == 1) ++onFoundations;
    }
  }
  b->SetScore(-packCards + b->CardScore * onFoundations);
  b->ClearHistory();
  b->Recording = rec;
}

// A click as the player makes it: on the pile's top card, or on the pile
// itself when it is empty.
inline void Click(TDeck* d) {
  if (d->TopCard)
    d->TopCard->Click();
  else
    d->Click();
}
// Press, release (a click), second press: the double click.
inline void DoubleClick(TDeck* d) {
  Click(d);
  if (d->TopCard)
    d->TopCard->DblClick();
  else
    d->DblClick();
}
// Select `from`, then click `to`.
inline void Move(TDeck* from, TDeck* to) {
  Click(from);
  Click(to);
}

// --- Snapshots -----------------------------------------------------------------

struct PileState {
  int id = 0;
  std::vector<std::pair<int, bool>> cards;  // pool number and face, bottom up
  bool operator==(const PileState&) const = default;
};
using TableState = std::vector<PileState>;

inline TableState Snapshot(TableHost& host) {
  TableState s;
  for (TDeck* d : Piles(host)) {
    PileState p;
    p.id = d->DeckID();
    for (TCard* c : Cards(d))
      p.cards.emplace_back(c->CardID, c->Face());
    s.push_back(std::move(p));
  }
  return s;
}

inline std::string Describe(const TableState& s) {
  std::string out;
  for (const PileState& p : s) {
    out += "pile " + std::to_string(p.id) + ":";
    for (auto [id, face] : p.cards)
      out += ' ' + std::to_string(id) + (face ? "" : "v");
    out += '\n';
  }
  return out;
}

// --- Invariants ----------------------------------------------------------------

// Cards on foundations (ShowEmpty 1 piles), which earn the per-card score.
inline int FoundationCards(TableHost& host) {
  int n = 0;
  for (TDeck* d : Piles(host))
    if (d->ShowEmpty() == 1) n += d->CardsCount();
  return n;
}

// Everything that must hold on any table between two player actions; an
// empty string when it does, else what is broken.
inline std::string CheckTable(TableHost& host, int packs) {
  std::ostringstream err;
  TBoard* b = host.Board1;
  std::map<int, int> seen;  // pool number -> pile id
  for (TDeck* d : Piles(host)) {
    int len = 0;
    for (TCard* c = d->TopCard; c; c = c->NextCard) {
      if (++len > 104) {
        err << "pile " << d->DeckID() << " chain loops\n";
        break;
      }
      if (c->HostDeck != d)
        err << "card " << c->CardID << " in pile " << d->DeckID() << " has another HostDeck\n";
      if (seen.count(c->CardID))
        err << "card " << c->CardID << " in piles " << seen[c->CardID] << " and " << d->DeckID()
            << "\n";
      seen[c->CardID] = d->DeckID();
    }
    if (len != d->CardsCount())
      err << "pile " << d->DeckID() << " counts " << d->CardsCount() << " but chains " << len
          << "\n";
    if (d->Visible() && d->TopCard && !d->TopCard->Visible())
      err << "top card of pile " << d->DeckID() << " hidden\n";
    if (d->Visible() && d->Fanned())
      for (TCard* c = d->TopCard; c && len <= 104; c = c->NextCard)
        if (!c->Visible()) err << "card " << c->CardID << " hidden in fanned pile\n";
  }
  const int cards = 52 * packs;
  for (int n = 1; n <= 104; ++n) {
    TCard* c = host.Table.CardPool[n];
    if (n <= cards && !seen.count(n)) err << "card " << n << " lies in no pile\n";
    if (n > cards && (seen.count(n) || c->Visible() || c->HostDeck))
      err << "card " << n << " of an unused pack is on the table\n";
    if (c->Selected() && !(b->SelectedPile && b->SelectedPile->TopCard == c))
      err << "card " << n << " highlighted but not picked up\n";
  }
  if (b->SelectedPile && !(b->SelectedPile->TopCard && b->SelectedPile->TopCard->Selected()))
    err << "selected pile without a highlighted top card\n";
  if (b->Busy || b->ClickGuard || b->InGroup) err << "board left busy, guarded or in a group\n";
  if (b->HistoryIndex < -1 || b->HistoryIndex >= int(b->History.size()))
    err << "history index " << b->HistoryIndex << " outside the history\n";
  return err.str();
}

// --- Hang watchdog ---------------------------------------------------------------

// Aborts the test program when one action runs longer than the limit, naming
// it, so a hang fails fast instead of stalling the run.
class Watchdog {
 public:
  explicit Watchdog(int limitSeconds) : limit_(limitSeconds) {
    thread_ = std::thread([this] {
      auto lastChange = std::chrono::steady_clock::now();
      long last = -1;
      while (!stop_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        long now = progress_;
        if (now != last) {
          last = now;
          lastChange = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastChange > std::chrono::seconds(limit_)) {
          std::fprintf(stderr, "HANG: game %d number %u: %s\n", game_.load(), number_.load(),
                       label_.load());
          std::abort();
        }
      }
    });
  }
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  // What is being played, for the message.
  void SetContext(int game, uint32_t number) {
    game_ = game;
    number_ = number;
  }
  // Called before each action; label must stay valid (a string literal).
  void Tick(const char* label) {
    label_ = label;
    ++progress_;
  }

 private:
  int limit_;
  std::atomic<bool> stop_{false};
  std::atomic<long> progress_{0};
  std::atomic<const char*> label_{"start"};
  std::atomic<int> game_{-1};
  std::atomic<uint32_t> number_{0};
  std::thread thread_;
};

// --- A fixture for game tests -----------------------------------------------

// A headless table whose dialogs and messages are answered and recorded
// (messages with OK, dialogs with dialogAnswer) and whose wins are counted.
class GameTest : public ::testing::Test {
 protected:
  GameTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) {
            messages.push_back(r.text.toStdString());
            return mrOk;
          }
          dialogs.push_back(r.text.toStdString());
          return dialogAnswer;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
  }

  TableHost host;
  std::vector<std::string> messages, dialogs;
  int dialogAnswer = mrOk;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace harness
