// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exchange sort the statistics and hi-score tables rank with: every
// item is compared with every later one and the two swap when the earlier
// is greater. Equal items never swap, yet the order they end in is not
// their list order (a tie can be carried past a smaller item), and the
// tables show ties in exactly that order, so no library sort may stand in.

#include <cstddef>
#include <utility>
#include <vector>

template <typename T, typename Greater>
void ExchangeSort(std::vector<T>& items, Greater greater) {
  for (size_t i = 0; i + 1 < items.size(); ++i)
    for (size_t j = i + 1; j < items.size(); ++j)
      if (greater(items[i], items[j])) std::swap(items[i], items[j]);
}
