// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real main window (offscreen) for tests that play as a player would:
// mouse and key events go to the window, dialogs are answered from a queue
// (or with their default), messages are collected.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <deque>
#include <tuple>

#include "app/MainForm.h"
#include "platform/Modal.h"
#include "platform/qt/SurfaceWidget.h"
#include "support/GameHarness.h"

// Everything a move changes: the dump (piles, score, started, selection,
// history size) and every history entry.
struct Outcome {
  QString dump;
  std::vector<std::tuple<int, int, int, int, bool>> history;
  bool operator==(const Outcome&) const = default;
  friend void PrintTo(const Outcome& o, std::ostream* os) {
    *os << o.dump.toStdString() << o.history.size() << " history entries";
  }
};

class PlayAids : public ::testing::Test {
 protected:
  PlayAids()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          dialogs.push_back(r.text);
          if (r.kind == ModalRequest::Message) {
            messages.push_back(r.text);
            return mrOk;
          }
          if (!queued.empty()) {
            int a = queued.front();
            queued.pop_front();
            return a;
          }
          return r.defaultResult;
        }) {
    options.DataDir = dir.path();
    window = std::make_unique<TMain_F>(options);
    window->MarkClosed();
    window->resize(820, 860);
    window->show();  // the table settles at its size before anything is drawn
    QApplication::processEvents();
    window->Surface()->SetFixedZoom(1.0);  // one board pixel per window pixel
    QApplication::processEvents();
    // Counted on top of what the window does with a win (its clock, the
    // screen reader's announcement).
    Flow().OnWon = [this, window = Flow().OnWon](int game, uint32_t number) {
      if (window) window(game, number);
      ++wins;
    };
  }
  GameFlow& Flow() { return window->Flow(); }
  TableHost& Host() { return Flow().Host(); }
  TDeck* PileNo(int id) { return FindPileByID(&Host().Form(), id); }

  Outcome Now() {
    Outcome o{DumpTable(Host(), Flow().GameIndex(), Flow().GameNumber()), {}};
    for (const THistoryEntry& e : Host().Board1->History)
      o.history.emplace_back(e.Kind, e.SourceID, e.DestID, e.CardNo, e.Flip);
    return o;
  }

  // Mouse events to the table view, given in board coordinates.
  void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held) {
    const QPointF w = window->Surface()->ToWidget(QRect(p, QSize(1, 1))).topLeft();
    QMouseEvent e(type, w, w, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(window->Surface(), &e);
  }
  static QPoint Spot(TDeck* d) {
    const TGraphicControl* at = d->TopCard ? static_cast<TGraphicControl*>(d->TopCard) : d;
    return at->BoundsRect().center();
  }
  // Press at a, move through the way points with the button held, release at b.
  void Drag(QPoint a, QPoint b, bool release = true) {
    Mouse(QEvent::MouseMove, a, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, a, Qt::LeftButton);
    Mouse(QEvent::MouseMove, a + QPoint(8, 8), Qt::LeftButton);
    Mouse(QEvent::MouseMove, b, Qt::LeftButton);
    if (release) Mouse(QEvent::MouseButtonRelease, b, Qt::NoButton);
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(window.get(), &e);
  }
  // A point of the bare table (no pile or card under it).
  QPoint BareTable() {
    for (int y = 780; y > 0; y -= 20)
      for (int x = 780; x > 0; x -= 20)
        if (Host().Form().ControlAt(QPoint(x, y)) == Host().Board1) return QPoint(x, y);
    ADD_FAILURE() << "no bare table";
    return {};
  }
  // A pile whose rule refuses the card of `from` (asked as the drop cursor asks).
  TDeck* RefusingPile(TDeck* from) {
    for (TDeck* d : harness::Piles(Host())) {
      if (d == from || !d->OnAddWithRule || !d->Visible()) continue;
      TCard* c = from->TopCard;
      bool action = true;
      d->OnAddWithRule(d, c, action, false);
      if (!action) return d;
    }
    return nullptr;
  }
  // With WENLO_SHOT_DIR set, a picture of the window (or of another widget)
  // for a person to look at.
  void Shot(const char* name, QWidget* widget = nullptr) {
    if (const char* out = getenv("WENLO_SHOT_DIR"))
      (widget ? widget : window.get())
          ->grab()
          .save(QString::fromLocal8Bit(out) + "/" + name + ".png");
  }

  QTemporaryDir dir;
  MainOptions options;
  std::vector<QString> messages;
  std::vector<QString> dialogs;  // every question asked, messages too
  std::deque<int> queued;
  int wins = 0;
  ScopedModalResponder answers;
  std::unique_ptr<TMain_F> window;
};
