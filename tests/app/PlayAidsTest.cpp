// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop, keyboard play and the hint flash through the real main
// window (offscreen): mouse and key events go to the window as a player's
// would, and the results are compared with the two-click protocol's.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <deque>
#include <map>
#include <queue>
#include <tuple>

#include "app/MainForm.h"
#include "platform/Modal.h"
#include "platform/qt/SurfaceWidget.h"
#include "support/GameHarness.h"

namespace {

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
    Flow().OnWon = [this](int, uint32_t) { ++wins; };
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
  void Shot(const char* name) {
    if (const char* out = getenv("WENLO_SHOT_DIR"))
      window->grab().save(QString::fromLocal8Bit(out) + "/" + name + ".png");
  }

  QTemporaryDir dir;
  MainOptions options;
  std::vector<QString> messages;
  std::deque<int> queued;
  int wins = 0;
  ScopedModalResponder answers;
  std::unique_ptr<TMain_F> window;
};

// --- Drag and drop -------------------------------------------------------------------

class DragInGame : public PlayAids,
                   public ::testing::WithParamInterface<std::pair<int, uint32_t>> {};

TEST_P(DragInGame, ActsAsTheTwoClicksOrPutsTheCardBackQuietly) {
  const auto [game, number] = GetParam();
  Flow().DealGame(game, number);
  Host().Board1->WarnEnabled = true;  // a refused drop must still say nothing
  auto hint = FindHint(Host());
  ASSERT_TRUE(hint) << "no move in game " << game;
  const int from = hint->From->DeckID(), to = hint->To->DeckID();
  const Outcome dealt = Now();

  // Onto a pile that refuses, and onto the bare table: nothing changes.
  if (TDeck* refusing = RefusingPile(PileNo(from))) {
    Drag(Spot(PileNo(from)), Spot(refusing));
    EXPECT_EQ(Now(), dealt) << "refusing pile " << refusing->DeckID();
  } else {
    ADD_FAILURE() << "no refusing pile in game " << game;
  }
  Drag(Spot(PileNo(from)), BareTable());
  EXPECT_EQ(Now(), dealt);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(Host().Drag().Dragging());
  EXPECT_EQ(harness::CheckTable(Host(), GamePackCount(game)), "");

  // Onto the hinted pile: as the two clicks.
  Drag(Spot(PileNo(from)), Spot(PileNo(to)));
  const Outcome dragged = Now();
  EXPECT_NE(dragged, dealt);
  EXPECT_EQ(harness::CheckTable(Host(), GamePackCount(game)), "");
  Flow().DealGame(game, number);
  harness::Click(PileNo(from));
  harness::Click(PileNo(to));
  EXPECT_EQ(Now(), dragged);
  EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Games, DragInGame,
                         ::testing::Values(std::pair{32, 2u}, std::pair{3, 5u}, std::pair{27, 3u}),
                         [](const auto& info) {
                           return "Game" + std::to_string(info.param.first);
                         });

TEST_F(PlayAids, LiftedCardFollowsThePointerAndAutomaticPlayWaits) {
  Flow().DealGame(32, 2);
  TDeck* column = Host().Table.Tableau[8];
  TCard* card = column->TopCard;
  const QPoint home = card->BoundsRect().topLeft();
  const QPoint target(400, 400);
  Drag(Spot(column), target, false);
  ASSERT_TRUE(Host().Drag().Dragging());
  EXPECT_FALSE(card->Visible());
  EXPECT_FALSE(Host().Additional_timer.Enabled());
  EXPECT_TRUE(Flow().Busy());  // menus, keys and the middle button wait too
  // The card's own picture lies under the pointer, where it was grabbed.
  const QImage& screen = Host().Form().Screen();
  const QPoint grabbed = Spot(column) - home;
  const QPoint corner = Host().Form().DeviceRect(QRect(target - grabbed, QSize(1, 1))).topLeft();
  int same = 0;
  for (int y = 10; y < 90; y += 7)
    for (int x = 10; x < 65; x += 7)
      same += screen.pixel(corner + QPoint(x, y)) == card->Picture().pixel(x, y);
  EXPECT_GT(same, 80);
  Shot("mid-drag");
  Mouse(QEvent::MouseButtonRelease, BareTable(), Qt::NoButton);
  EXPECT_TRUE(card->Visible());
  EXPECT_EQ(card->BoundsRect().topLeft(), home);
  EXPECT_TRUE(Host().Additional_timer.Enabled());
  EXPECT_FALSE(Flow().Busy());
  EXPECT_EQ(Host().Board1->SelectedPile, nullptr);
}

TEST_F(PlayAids, PressAndReleaseWithoutMovingStaysAClick) {
  Flow().DealGame(32, 2);
  TDeck* column = Host().Table.Tableau[8];
  Mouse(QEvent::MouseButtonPress, Spot(column), Qt::LeftButton);
  Mouse(QEvent::MouseMove, Spot(column) + QPoint(2, 1), Qt::LeftButton);  // a tremble
  Mouse(QEvent::MouseButtonRelease, Spot(column) + QPoint(2, 1), Qt::NoButton);
  EXPECT_EQ(Host().Board1->SelectedPile, column);
  EXPECT_FALSE(Host().Drag().Dragging());
}

// --- Keyboard --------------------------------------------------------------------------

TEST_F(PlayAids, FocusFrameShowsOnKeysAndHidesOnAClick) {
  Flow().DealGame(32, 2);
  TKeyboardPlay& keys = window->Keys();
  EXPECT_FALSE(keys.FrameShown());
  TDeck* first = keys.Focused();
  Key(Qt::Key_Right);  // the first key only shows where the focus is
  EXPECT_TRUE(keys.FrameShown());
  EXPECT_EQ(keys.Focused(), first);
  Key(Qt::Key_Tab);
  EXPECT_EQ(keys.Focused()->DeckID(), first->DeckID() + 1);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(keys.Focused(), first);
  // The frame lies around the pile, never over its cards.
  const int w = TFocusFrame::kWidth;
  EXPECT_TRUE(
      keys.Frame().BoundsRect().adjusted(w, w, -w, -w).contains(TKeyboardPlay::Extent(first)));
  TDeck* picked = Host().Table.Tableau[1];
  for (int i = 0; i < 30 && keys.Focused() != picked; ++i)
    Key(Qt::Key_Tab);
  ASSERT_EQ(keys.Focused(), picked);
  Key(Qt::Key_Space);
  EXPECT_EQ(Host().Board1->SelectedPile, picked);
  ASSERT_TRUE(picked->TopCard->Selected());
  // The selection's inversion looks the same with and without the frame.
  const QRect card = picked->TopCard->BoundsRect();
  const QImage framed = Host().Form().Screen().copy(card);
  Shot("focus-frame");
  keys.HideFrame();
  EXPECT_EQ(Host().Form().Screen().copy(card), framed);
  Key(Qt::Key_Left);  // shows it again where it was
  EXPECT_EQ(keys.Focused(), picked);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Host().Board1->SelectedPile, nullptr);
  Mouse(QEvent::MouseButtonPress, BareTable(), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, BareTable(), Qt::NoButton);
  EXPECT_FALSE(keys.FrameShown());
}

TEST_F(PlayAids, ArrowsGoToTheNearestPileInTheirDirection) {
  Flow().DealGame(32, 2);  // FreeCell: cells and foundations above eight columns
  std::vector<TDeck*> piles = harness::Piles(Host());
  TDeck* c1 = Host().Table.Tableau[1];
  TDeck* c2 = Host().Table.Tableau[2];
  EXPECT_EQ(TKeyboardPlay::Neighbour(piles, c1, TPlayKey::Right), c2);
  EXPECT_EQ(TKeyboardPlay::Neighbour(piles, c2, TPlayKey::Left), c1);
  EXPECT_EQ(TKeyboardPlay::Neighbour(piles, c1, TPlayKey::Left), c1);  // nothing further
  TDeck* above = TKeyboardPlay::Neighbour(piles, c1, TPlayKey::Up);
  EXPECT_LT(above->Top(), c1->Top());
  EXPECT_EQ(TKeyboardPlay::Neighbour(piles, above, TPlayKey::Down), c1);
}

// FreeCell 2 won from the keyboard alone, following the known winning line:
// each "pile N" becomes arrow keys to pile N and Space; a move whose second
// click is a foundation becomes Shift+Enter on its source.
TEST_F(PlayAids, KeyboardOnlyFreeCellGameIsWonOnce) {
  QFile f(QStringLiteral(WENLO_TEST_DATA) + "/scripts/freecell-win.script");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  std::vector<QStringList> lines;
  for (const QString& l : QString::fromUtf8(f.readAll()).split('\n')) {
    QStringList w = l.section('#', 0, 0).simplified().split(' ', Qt::SkipEmptyParts);
    if (!w.isEmpty()) lines.push_back(w);
  }
  TKeyboardPlay& keys = window->Keys();
  auto goTo = [&](int id) {
    if (!keys.FrameShown()) Key(Qt::Key_Left);
    // Breadth-first over the arrows from the focused pile.
    const std::vector<TDeck*> piles = harness::Piles(Host());
    const std::pair<TPlayKey, int> arrows[] = {{TPlayKey::Left, Qt::Key_Left},
                                               {TPlayKey::Right, Qt::Key_Right},
                                               {TPlayKey::Up, Qt::Key_Up},
                                               {TPlayKey::Down, Qt::Key_Down}};
    std::map<TDeck*, std::pair<TDeck*, int>> via;
    std::queue<TDeck*> todo;
    todo.push(keys.Focused());
    via[keys.Focused()] = {nullptr, 0};
    while (!todo.empty()) {
      TDeck* d = todo.front();
      todo.pop();
      for (auto [arrow, key] : arrows) {
        TDeck* n = TKeyboardPlay::Neighbour(piles, d, arrow);
        if (!via.count(n)) {
          via[n] = {d, key};
          todo.push(n);
        }
      }
    }
    TDeck* target = PileNo(id);
    ASSERT_TRUE(via.count(target)) << "pile " << id << " out of the arrows' reach";
    std::vector<int> path;
    for (TDeck* d = target; via[d].first; d = via[d].first)
      path.insert(path.begin(), via[d].second);
    for (int k : path)
      Key(k);
    ASSERT_EQ(keys.Focused(), target);
  };
  int doubles = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const QStringList& w = lines[i];
    if (w[0] == "deal") {
      Flow().DealGame(w[1].toInt(), w[2].toUInt());
    } else if (w[0] == "autoplay") {
      Flow().SetAutoPlay(Flow().GameIndex(), w[1] == "on" ? 0 : 1);
    } else if (w[0] == "tick") {
      for (int n = w.size() > 1 ? w[1].toInt() : 1; n > 0; --n) {
        Host().Additional_timer.Fire();
        if (Host().Redeal_Timer.Enabled()) Host().Redeal_Timer.Fire();
      }
    } else if (w[0] == "answer") {
      queued.push_back(w[1].toInt());
    } else if (w[0] == "pile") {
      TDeck* src = PileNo(w[1].toInt());
      const bool pair =
          !Host().Board1->SelectedPile && i + 1 < lines.size() && lines[i + 1][0] == "pile";
      TDeck* dst = pair ? PileNo(lines[i + 1][1].toInt()) : nullptr;
      ASSERT_NO_FATAL_FAILURE(goTo(w[1].toInt()));
      if (dst && dst->ShowEmpty() == 1 && dst->TopCard && src->TopCard &&
          dst->TopCard->Suit() == src->TopCard->Suit()) {
        Key(Qt::Key_Return, Qt::ShiftModifier);
        ++doubles;
        ++i;
      } else {
        Key(Qt::Key_Space);
      }
    }
  }
  EXPECT_GT(doubles, 0);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(Flow().Players().Stats(Flow().Players().ActivePlayer()).Games[32].Won, 1);
}

// --- Hint --------------------------------------------------------------------------

TEST_F(PlayAids, HintFlashesTwiceAndChangesNothing) {
  Flow().DealGame(32, 2);
  const Outcome before = Now();
  const QImage table = Host().Form().Screen().copy();
  Key(Qt::Key_H);
  THintFlash& flash = window->HintFlash();
  ASSERT_TRUE(flash.Showing());
  EXPECT_TRUE(Host().Form().Screen() != table);
  Shot("hint-flash");
  EXPECT_EQ(Now(), before);
  int lit = 1;
  for (int i = 1; i < THintFlash::kSteps; ++i) {
    flash.Step();
    lit += flash.Showing();
  }
  EXPECT_EQ(lit, 2);
  flash.Step();
  EXPECT_FALSE(flash.Showing());
  EXPECT_TRUE(Host().Form().Screen() == table);
  EXPECT_EQ(Now(), before);
}

TEST_F(PlayAids, NoMoveSaysSoInTheStatusBar) {
  Flow().DealGame(32, 2);
  harness::Arrange(Host(), {});  // nothing left to move
  window->Hint1Click();
  EXPECT_EQ(window->statusBar()->currentMessage(), "No more moves");
  EXPECT_FALSE(window->HintFlash().Showing());
}

}  // namespace
