// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop, keyboard play and the hint flash through the real main
// window (offscreen): mouse and key events go to the window as a player's
// would, and the results are compared with the two-click protocol's.

#include <QFile>
#include <QStatusBar>
#include <map>
#include <queue>

#include "support/PlayWindow.h"

namespace {

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

// FreeCell: the 7D under the 6S, grabbed and dragged to the 8C. Both cards
// are lifted, the 8C is tinted while the pointer is over it, and the release
// moves exactly what was lifted; where the release would move anything
// else, or nothing, the run goes back to its place.
class DragRun : public PlayAids {
 protected:
  DragRun() {
    Flow().DealGame(32, 4);
    harness::Arrange(Host(), {{Col(1), "KS 8C"}, {Col(2), "KH 7D 6S"}, {Col(3), "5H"}});
  }
  TDeck* Col(int i) { return Host().Table.Tableau[i]; }
  TCard* Card(const char* name) { return harness::CardNamed(Host(), name); }
  QPoint Grab(const char* name) { return TDragControl::GrabPoint(Card(name)); }
};

TEST_F(DragRun, LiftsTheGrabbedCardWithThoseOnItAndTintsTheTakingPile) {
  const QPoint from = Grab("7D");
  const QPoint sixAt = Card("6S")->BoundsRect().topLeft() - Card("7D")->BoundsRect().topLeft();
  Drag(from, Spot(Col(1)), false);
  ASSERT_TRUE(Host().Drag().Dragging());
  EXPECT_EQ(Host().Drag().Lifted(), (std::vector<TCard*>{Card("7D"), Card("6S")}));
  EXPECT_FALSE(Card("7D")->Visible());
  EXPECT_FALSE(Card("6S")->Visible());
  EXPECT_EQ(Host().Drag().Tinted(), Col(1));
  // Both pictures follow the pointer: the 7D's uncovered strip and the 6S.
  const QImage& screen = Host().Form().Screen();
  const QPoint corner = Spot(Col(1)) - (from - Card("7D")->BoundsRect().topLeft());
  auto same = [&](TCard* c, QPoint at, QRect part) {
    int n = 0, all = 0;
    for (int y = part.top(); y < part.bottom(); y += 3)
      for (int x = part.left(); x < part.right(); x += 7, ++all)
        n += screen.pixel(
                 Host().Form().DeviceRect(QRect(at + QPoint(x, y), QSize(1, 1))).topLeft()) ==
             c->Picture().pixel(x, y);
    return double(n) / all;
  };
  EXPECT_GT(same(Card("7D"), corner, QRect(8, 2, 55, sixAt.y() - 4)), 0.9);
  EXPECT_GT(same(Card("6S"), corner + sixAt, QRect(8, 8, 55, 80)), 0.9);
  Shot("drag-run");
  // Over a pile that would not take the 7D: no tint.
  Mouse(QEvent::MouseMove, Spot(Col(3)), Qt::LeftButton);
  EXPECT_EQ(Host().Drag().Tinted(), nullptr);
  Mouse(QEvent::MouseMove, Spot(Col(1)), Qt::LeftButton);
  EXPECT_EQ(Host().Drag().Tinted(), Col(1));
  Mouse(QEvent::MouseButtonRelease, Spot(Col(1)), Qt::NoButton);
  EXPECT_EQ(harness::Names(Col(1)), "KS 8C 7D 6S");
  EXPECT_EQ(harness::Names(Col(2)), "KH");
  // Nothing of the drag or the tint stays drawn.
  const QImage after = Host().Form().Screen().copy();
  Host().Form().InvalidateAll();
  EXPECT_TRUE(Host().Form().Screen() == after);
  EXPECT_TRUE(messages.empty());
}

TEST_F(DragRun, ARefusedOrDifferentDropPutsTheRunBack) {
  const Outcome before = Now();
  const QImage table = Host().Form().Screen().copy();
  struct Case {
    const char* grabbed;
    TDeck* onto;
  };
  // The run onto the 5H, the 6S alone onto the 8C (the rule would carry the
  // 7D too), the run onto the bare table.
  for (Case c : {Case{"7D", Col(3)}, Case{"6S", Col(1)}, Case{"7D", nullptr}}) {
    SCOPED_TRACE(c.grabbed);
    Drag(Grab(c.grabbed), c.onto ? Spot(c.onto) : BareTable());
    EXPECT_FALSE(Host().Drag().Dragging());
    EXPECT_EQ(Now(), before);
    EXPECT_TRUE(Card("7D")->Visible() && Card("6S")->Visible());
    EXPECT_TRUE(Host().Form().Screen() == table);
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(DragRun, OntoAnEmptyColumnThePlayerSaysHowMuch) {
  harness::Arrange(Host(), {{Col(1), "KS 8C"}, {Col(2), "KH 7D 6S"}});
  queued.push_back(mrOk);  // the whole run
  Drag(Grab("7D"), Spot(Col(3)));
  EXPECT_EQ(dialogs, std::vector<QString>{"Move to empty column..."});
  EXPECT_EQ(harness::Names(Col(3)), "7D 6S");
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

TEST_F(PlayAids, HintMarksTheMoveInWordsUntilTheNextAction) {
  Flow().DealGame(32, 2);
  const Outcome before = Now();
  const QImage table = Host().Form().Screen().copy();
  const auto hint = FindHint(Host());
  ASSERT_TRUE(hint && hint->Card && hint->To->TopCard);
  Key(Qt::Key_H);
  THintMark& mark = window->HintMark();
  ASSERT_TRUE(mark.Showing());
  EXPECT_EQ(mark.Words(), CardName(hint->Card) + " onto " + CardName(hint->To->TopCard));
  EXPECT_EQ(window->statusBar()->currentMessage(), mark.Words());
  // Marked on the table as a recomposition draws it: it stays while the
  // table is drawn again and time passes.
  const QImage marked = Host().Form().Screen().copy();
  EXPECT_TRUE(marked != table);
  Host().Form().InvalidateAll();
  Host().Additional_timer.Fire();
  EXPECT_TRUE(Host().Form().Screen() == marked);
  Shot("hint");
  EXPECT_EQ(Now(), before);
  // The next action takes it away and leaves the table as it was.
  Mouse(QEvent::MouseButtonPress, BareTable(), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, BareTable(), Qt::NoButton);
  EXPECT_FALSE(mark.Showing());
  EXPECT_TRUE(Host().Form().Screen() == table);
  EXPECT_EQ(Now(), before);
}

TEST_F(PlayAids, NoMoveIsSaidOnTheTableAndNoGameHasNoHint) {
  // An empty table: Hint does nothing at all.
  Key(Qt::Key_H);
  EXPECT_FALSE(window->HintMark().Showing());
  Flow().DealGame(32, 2);
  harness::Arrange(Host(), {});  // nothing left to move
  const QImage table = Host().Form().Screen().copy();
  window->Hint1Click();
  EXPECT_EQ(window->HintMark().Words(), "No more moves");
  EXPECT_TRUE(Host().Form().Screen() != table);  // where the player looks
  EXPECT_EQ(window->statusBar()->currentMessage(), "No more moves");
}

TEST(HintWords, NameCardsAndPlaces) {
  TableHost host;
  host.DealGame(32, 2);
  auto card = [&](const char* name) { return harness::CardNamed(host, name); };
  const std::pair<const char*, const char*> names[] = {{"AH", "A\u2665"},
                                                       {"TS", "10\u2660"},
                                                       {"JD", "J\u2666"},
                                                       {"KC", "K\u2663"},
                                                       {"7D2", "7\u2666"}};
  for (auto [name, shown] : names)
    EXPECT_EQ(CardName(card(name)), QString::fromUtf8(shown)) << name;
  TDeck* column = host.Table.Tableau[1];
  TDeck* cell = host.Table.Reserve[1];
  TDeck* foundation = host.Table.Foundation[1];
  harness::Arrange(host, {{column, "8C 7D"}, {host.Table.Tableau[2], "KS"}});
  const QString seven = CardName(card("7D"));
  EXPECT_EQ(HintWords(host, {column, host.Table.Tableau[2], false, card("7D")}),
            seven + " onto K\u2660");
  EXPECT_EQ(HintWords(host, {column, cell, false, nullptr}), seven + " to an empty pile");
  EXPECT_EQ(HintWords(host, {column, foundation, false, nullptr}),
            seven + " to an empty foundation");
  EXPECT_EQ(HintWords(host, {column, nullptr, true, nullptr}), seven + " home");
}

}  // namespace
