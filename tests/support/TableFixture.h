// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bare table for card-table tests: a form, a board, a pool of 104 cards
// numbered as the main window numbers them, and a helper to make piles.

#include <gtest/gtest.h>

#include "cardtable/Cardscmp.h"

class TableFixture : public ::testing::Test {
 protected:
  TableFixture() : form(800, 800) {
    board = new TBoard(&form);
    for (int pack = 1; pack <= 2; ++pack)
      for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
          int n = PoolNumber(pack, suit, rank);
          auto* c = new TCard(&form);
          c->Hide();
          c->SetCardFace(suit * 256 + rank);
          c->CardID = n;
          pool[n] = c;
        }
    form.PaintBackground = [](QImage& img, const QRect& r) {
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          img.setPixel(x, y, 0xFF008000u);
    };
    form.InvalidateAll();
  }

  TDeck* Pile(int left, int top, int vshift = 0, int gshift = 0, int showEmpty = 0) {
    auto* d = new TDeck(&form);
    d->SetHostBoard(board);
    d->SetBounds(left, top, d->Width(), d->Height());
    d->SetVShift(vshift);
    d->SetGShift(gshift);
    d->SetShowEmpty(showEmpty);
    return d;
  }

  // Puts cards (pool numbers) on a pile face up without recording.
  void Put(TDeck* d, std::initializer_list<int> ids, bool faceUp = true) {
    bool rec = board->Recording;
    board->Recording = false;
    for (int id : ids) {
      pool[id]->Show();
      pool[id]->SetFace(faceUp);
      d->AddCard(pool[id]);
      pool[id]->BringToFront();
    }
    board->Recording = rec;
  }

  // Pool numbers from bottom to top.
  static std::vector<int> Ids(const TDeck* d) {
    std::vector<int> out;
    for (TCard* c = d->TopCard; c; c = c->NextCard)
      out.insert(out.begin(), c->CardID);
    return out;
  }

  TForm form;
  TBoard* board;
  TCard* pool[105] = {};
};
