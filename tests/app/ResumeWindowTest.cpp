// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the game in progress: closed in the middle of a game,
// the next window opens on the same table; an empty table says in its
// centre what to do, and the line goes once cards are dealt.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/App.h"
#include "app/MainForm.h"
#include "art/TableHint.h"
#include "platform/qt/SurfaceWidget.h"

namespace {

// Settings are written when a window closes; the next tests find them as
// they were.
class WindowResume : public ::testing::Test {
 protected:
  WindowResume() { options.DataDir = dir.path(); }
  ~WindowResume() override { SaveAppSettings(kept); }

  static std::unique_ptr<TMain_F> Open(const MainOptions& o) {
    auto w = std::make_unique<TMain_F>(o);
    w->show();
    QApplication::processEvents();
    return w;
  }
  static QString State(GameFlow& f) {
    QString s = DumpTable(f.Host(), f.GameIndex(), f.GameNumber());
    for (const THistoryEntry& e : f.Board1()->History)
      s += QStringLiteral("%1:%2>%3:%4 ").arg(e.Kind).arg(e.SourceID).arg(e.DestID).arg(e.CardNo);
    return s;
  }

  const AppSettings kept = LoadAppSettings();
  QTemporaryDir dir;
  MainOptions options;
};

}  // namespace

TEST_F(WindowResume, ClosedMidGameTheNextWindowOpensOnTheSameTable) {
  QString before;
  {
    auto w = Open(options);
    GameFlow& f = w->Flow();
    f.DealGame(32, 2);
    f.Board1()->WarnEnabled = false;
    auto move = [&](TDeck* from, TDeck* to) {
      from->TopCard->Click();
      to->Click();
    };
    TTable& t = f.Table();
    move(t.Tableau[8], t.Reserve[1]);
    move(t.Tableau[7], t.Reserve[2]);
    move(t.Tableau[7], t.Foundation[1]);  // refused, but the game has started
    f.Host().Additional_timer.Fire();     // the Ace of spades goes up
    move(t.Tableau[6], t.Reserve[3]);
    ASSERT_EQ(t.GameStarted, 1);
    f.GameClick();
    f.NewUndo1Click();
    before = State(f);
    ASSERT_TRUE(f.Board1()->CanRedo());
    w->close();
  }
  auto w = Open(options);
  w->MarkClosed();
  EXPECT_EQ(State(w->Flow()), before);
  EXPECT_EQ(w->windowTitle(), "FreeCell [#2]");
  w->Flow().GameClick();
  EXPECT_TRUE(w->Flow().UndoEnabled());
  EXPECT_TRUE(w->Flow().RedoEnabled());

  // That window ended without its exit (as a crash or a kill would end
  // it): the kept game is still there for the next one.
  auto third = Open(options);
  third->MarkClosed();
  EXPECT_EQ(State(third->Flow()), before);
  EXPECT_EQ(third->windowTitle(), "FreeCell [#2]");
}

TEST_F(WindowResume, EmptyTableShowsItsLineUntilADeal) {
  options.ResumeAtStart = false;
  auto w = Open(options);
  w->MarkClosed();
  // At zoom 1 every device pixel belongs to exactly one board pixel, so a
  // card's edge is never taken for the table.
  w->Surface()->SetFixedZoom(1.0);
  QApplication::processEvents();
  GameFlow& f = w->Flow();
  TForm& form = f.Host().Form();
  const QStringList lines = TableHintLines(GameName(f.GameIndex()));
  const QRect hint = TableHintRect(form.Screen().size(), lines);
  ASSERT_FALSE(hint.isEmpty());
  ASSERT_TRUE(form.Screen().rect().contains(hint));
  const QRgb green = qRgb(0, 128, 0);
  // Pixels of the hint where the table shows through (no card or pile on it).
  auto tablePixels = [&](bool wantGreen) {
    int n = 0;
    for (int y = hint.top(); y <= hint.bottom(); ++y)
      for (int x = hint.left(); x <= hint.right(); ++x) {
        TGraphicControl* c = form.ControlAt(form.View().ToLogical(QPoint(x, y)));
        if (dynamic_cast<TCard*>(c) || dynamic_cast<TDeck*>(c)) continue;
        if ((form.Screen().pixel(x, y) == (green | 0xFF000000u)) == wantGreen) ++n;
      }
    return n;
  };
  ASSERT_EQ(f.Settings().PatternType, ptColor);  // the tests' fresh settings
  ASSERT_EQ(f.Settings().BoardColor, kDefaultBoardColor);
  EXPECT_GT(tablePixels(false), hint.width() * hint.height() / 2) << "no line on the table";
  f.DealGame(32, 2);
  EXPECT_EQ(tablePixels(false), 0) << "the line stays after the deal";
  EXPECT_GT(tablePixels(true), 0);
  EXPECT_EQ(lines[1], "F2 deals a new game");
  EXPECT_EQ(lines[2], QString::fromUtf8("Game › Select Solitaire… chooses another"));
}

// Only a run that may bring the kept game back may keep one at exit: a
// window opened on a deal of its own (--game, --number) would otherwise
// write its game over the kept one it never brought back.
TEST(WindowOptions, OnlyARunThatBringsTheKeptGameBackKeepsOne) {
  struct Case {
    bool headless, resume, dealGiven, resumes;
  };
  for (const Case& c : {Case{false, false, false, true}, Case{false, false, true, false},
                        Case{false, true, true, true}, Case{true, false, false, false},
                        Case{true, true, false, true}}) {
    const MainOptions o = WindowOptions("d", c.headless, c.resume, c.dealGiven);
    EXPECT_EQ(o.ResumeAtStart, c.resumes) << c.headless << c.resume << c.dealGiven;
    EXPECT_EQ(o.KeepAtExit, c.resumes) << c.headless << c.resume << c.dealGiven;
  }
}

// The first-start line, then the window resized and the status bar
// switched on, then a deal: what the table shows must be what a full
// recomposition of it shows, so no piece of the old line's box stays
// behind the cards. Each step is tried at zoom 1 and at zooms where
// device and board pixels differ.
TEST_F(WindowResume, DealAfterAResizeLeavesNothingOfTheEmptyTablesLine) {
  options.ResumeAtStart = false;
  for (const double zoom : {1.0, 1.5, 0.75}) {
    auto w = Open(options);
    w->MarkClosed();
    w->Surface()->SetFixedZoom(zoom);
    QApplication::processEvents();
    w->resize(w->width() + 130, w->height() + 70);
    QApplication::processEvents();
    const bool statusBar = w->Flow().Settings().StatusBar;
    w->StatusBarMenuClick();
    QApplication::processEvents();
    w->Deal_MIClick();
    QApplication::processEvents();
    TForm& form = w->Flow().Host().Form();
    const QImage shown = form.Screen().copy();
    form.InvalidateAll();
    EXPECT_TRUE(shown == form.Screen()) << "leftovers at zoom " << zoom;
    if (w->Flow().Settings().StatusBar != statusBar) w->StatusBarMenuClick();
  }
}
