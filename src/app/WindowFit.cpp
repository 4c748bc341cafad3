// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFit.h"

#include <algorithm>
#include <map>

#include "cardtable/Cardscmp.h"
#include "rules/Table.h"
#include "session/TableHost.h"

namespace {
// Room a fanned pile keeps for the run it may grow into: twelve steps, a
// whole King-to-Ace run, but never beyond the board.
constexpr int kRunSteps = 12;
constexpr int kBoardSide = 800;

QRect RunRoom(const TDeck& d) {
  QRect r = d.BoundsRect();
  if (d.VShift() > 3)
    r.setBottom(std::max(r.bottom(),
                         std::min(d.Top() + d.Height() + kRunSteps * d.VShift(), kBoardSide) - 1));
  if (d.GShift() > 3)
    r.setRight(std::max(r.right(),
                        std::min(d.Left() + d.Width() + kRunSteps * d.GShift(), kBoardSide) - 1));
  return r;
}
}  // namespace

QRect TableLayout(TableHost& host) {
  QRect used = PileLayoutBounds(host.Form());
  for (const TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<const TDeck*>(c); d && d->Visible()) used |= RunRoom(*d);
  if (const TRedealButton* b = host.Table.RedealButton.get()) used |= b->Geometry;
  if (used.isEmpty()) return QRect();
  return QRect(0, 0, used.right() + 1 + kLayoutMargin, used.bottom() + 1 + kLayoutMargin);
}

QRect GameLayout(int game) {
  static std::map<int, QRect> known;
  auto it = known.find(game);
  if (it != known.end()) return it->second;
  QRect layout;
  {
    // A one-pixel framebuffer: the layout is all that is wanted, so the
    // scratch deal draws no card art.
    TableHost host(1, 1);
    if (host.DealGame(game, 1)) {
      host.Additional_timer.SetEnabled(false);
      layout = TableLayout(host);
    }
  }
  known.emplace(game, layout);
  return layout;
}

bool IsDefaultPlacement(const QRect& placement) {
  // Left, top, width and height of the placement every game starts with.
  return placement == QRect(10, 10, 689, 542);
}

QSize FirstOpenWindowSize(const QRect& layout, QSize chrome, const QRect& available) {
  QSize want(layout.left() + layout.width(), layout.top() + layout.height());
  want += chrome;
  if (!available.isEmpty()) want = want.boundedTo(available.size());
  return want.expandedTo(QSize(200, 150));
}
