// The main window as a dispatcher: caption, status panels, the Game menu's
// Undo/Redo state, the middle button and the Busy filter.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>

#include "app/MainForm.h"
#include "platform/qt/SurfaceWidget.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    options.DataDir = dir.path();
    window = std::make_unique<TMain_F>(options);
    window->MarkClosed();  // nothing is saved when the test ends
  }
  GameFlow& Flow() { return window->Flow(); }
  void Deal(int game, uint32_t number) {
    Flow().SelectSolitaireOk(game);
    Flow().SelectShuffleOk(number);
    Flow().Host().Redeal_Timer.Fire();
  }
  // A legal first move in FreeCell 2: the 5S of column 8 to a free cell.
  void MoveToFreeCell() {
    TDeck* col = Flow().Table().Tableau[8];
    TDeck* cell = Flow().Table().Reserve[1];
    col->TopCard->Click();
    cell->Click();
  }
  void MiddleClick() {
    QPointF p(300, 600);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, Qt::MiddleButton, Qt::MiddleButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window->Surface(), &press);
  }

  QTemporaryDir dir;
  MainOptions options;
  std::unique_ptr<TMain_F> window;
};

}  // namespace

TEST_F(MainWindow, CaptionShowsTheNumberOnlyAfterTheFirstDeal) {
  EXPECT_FALSE(window->windowTitle().contains("[#"));
  Deal(32, 2);
  EXPECT_EQ(window->windowTitle(), "FreeCell [#2]");
}

TEST_F(MainWindow, StatusPanelsFollowScoreAndPlayer) {
  Deal(32, 2);
  QStringList texts;
  for (QLabel* l : window->statusBar()->findChildren<QLabel*>())
    texts << l->text();
  EXPECT_TRUE(texts.contains("Player: " + Flow().Players().ActiveName()))
      << texts.join('|').toStdString();
  EXPECT_TRUE(texts.contains("Score: $-52")) << texts.join('|').toStdString();
}

TEST_F(MainWindow, MiddleButtonUndoesUnlessBusy) {
  Deal(32, 2);
  MoveToFreeCell();
  ASSERT_EQ(Flow().Table().Reserve[1]->CardsCount(), 1);
  Flow().Board1()->Busy = true;
  MiddleClick();
  EXPECT_EQ(Flow().Table().Reserve[1]->CardsCount(), 1);
  Flow().Board1()->Busy = false;
  Flow().Settings().UndoOption = 0;  // the middle button ignores the option
  MiddleClick();
  EXPECT_EQ(Flow().Table().Reserve[1]->CardsCount(), 0);
}

TEST_F(MainWindow, KeysAreDroppedWhileBusy) {
  Deal(32, 2);
  Flow().Board1()->Busy = true;
  QKeyEvent key(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
  // The application-wide filter swallows the key before any widget sees it.
  EXPECT_TRUE(window->eventFilter(window.get(), &key));
  Flow().Board1()->Busy = false;
  EXPECT_FALSE(window->eventFilter(window.get(), &key));
}
