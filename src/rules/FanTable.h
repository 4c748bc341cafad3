// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table that Troika and Shamrocks share: eighteen fans in three rows of
// six under four foundations. The last fan holds the pack while it is dealt.

#include "rules/Game.h"

namespace fan_table {

constexpr int kFans = 18;
constexpr int kDealtFans = 17;  // the last fan is the deal pile
constexpr int kFanCards = 3;
constexpr int kFoundations = 4;
constexpr int kFanShift = 18;
constexpr int kFoundationTop = 5;

// 5, 125, ..., 605
inline int FanLeft(int i) {
  return 120 * ((i - 1) % 6) + 5;
}
// 120, 230, 340
inline int FanTop(int i) {
  return 110 * ((i - 1) / 6) + 120;
}
// 5, 83, 161, 239
inline int FoundationLeft(int i) {
  return 78 * i - 73;
}

// The two games' common layout: the fans in T.Tableau, each taking cards
// by the game's fanRule and sending its top card home on a double click,
// then four foundations built up in suit from the Ace.
class FanTableGame : public TGame {
 public:
  using TGame::TGame;

 protected:
  void MakeFansAndFoundations(TDeckEvent fanRule) {
    for (int i = 1; i <= kFans; ++i) {
      // The last fan holds the pack while it is dealt and fans out only once
      // a single card is left on it.
      TDeck* fan = MakePile({.left = FanLeft(i),
                             .top = FanTop(i),
                             .gShift = i == kFans ? 0 : kFanShift,
                             .showsCard = true,
                             .role = Role::Marked});
      fan->OnAddWithRule = fanRule;
      fan->OnDoubleSelect = DoubleClickToFoundation();
      T.Tableau[i] = fan;
    }
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i),
                            .top = kFoundationTop,
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::RefuseAll));
  }
};

}  // namespace fan_table
