// SPDX-License-Identifier: GPL-3.0-or-later
// The small pieces rule code is written with: slot lists counted from 1,
// counted-row roles, and the table's one win per deal.

#include <gtest/gtest.h>

#include <utility>

#include "rules/PileLayout.h"
#include "rules/Table.h"

TEST(SlotListTest, CountsFromOneAndReadsOutsideAsEmpty) {
  SlotList<int*, 3> list;
  int a = 1, b = 2;
  list[1] = &a;
  list[3] = &b;
  struct Case {
    int index;
    int* expected;
  };
  for (const Case& c : {Case{-1, nullptr}, Case{0, nullptr}, Case{1, &a}, Case{2, nullptr},
                        Case{3, &b}, Case{4, nullptr}, Case{1000, nullptr}})
    EXPECT_EQ(std::as_const(list)[c.index], c.expected) << c.index;
  // A write outside lands nowhere that a read sees.
  list[7] = &a;
  EXPECT_EQ(std::as_const(list)[7], nullptr);
  EXPECT_EQ(list.size(), 4);
}

TEST(PileRoleTest, CountedRowsAndTheNumbersTheDumpPrints) {
  for (int i : {1, 4, 16})
    EXPECT_EQ(int(RowRole(i)), 10 + i);
  EXPECT_EQ(RowIndex(nullptr), 0);
  // The numbers the dump prints.
  EXPECT_EQ(int(Role::Column), 4);
  EXPECT_EQ(int(Role::Reserve), 5);
  EXPECT_EQ(int(Role::Closed), 15);
  EXPECT_EQ(int(Look::Foundation), 1);
  EXPECT_EQ(int(Look::None), 4);
}

TEST(TableWinTest, ADealIsWonOnceUntilTheSlotsAreCleared) {
  TTable table;
  int wins = 0;
  table.OnGameWon = [&] { ++wins; };
  table.GameWon();
  table.GameWon();
  EXPECT_EQ(wins, 1);
  EXPECT_TRUE(table.Won());
  table.ClearSlots();  // the next deal
  EXPECT_FALSE(table.Won());
  table.GameWon();
  EXPECT_EQ(wins, 2);
}
