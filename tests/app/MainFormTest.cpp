// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a dispatcher: caption, status panels, the Game menu's
// Undo/Redo state, the middle button and the Busy filter.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <map>

#include "app/App.h"
#include "app/MainForm.h"
#include "platform/Modal.h"
#include "platform/qt/SurfaceWidget.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    options.DataDir = dir.path();
    // These tests count what exit does with an unfinished game as it always
    // did; keeping it for the next start has tests of its own.
    options.KeepAtExit = false;
    options.ResumeAtStart = false;
    window = std::make_unique<TMain_F>(options);
  }
  ~MainWindow() override { window->MarkClosed(); }  // nothing is saved when the test ends
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

  // Presses a window shortcut (what the key does once Qt matched it).
  void Press(const QKeySequence& key) {
    for (QShortcut* s : window->findChildren<QShortcut*>())
      if (s->key() == key) {
        emit s->activated();
        return;
      }
    ADD_FAILURE() << "no shortcut " << key.toString().toStdString();
  }
  // Chooses a menu item as the player would (the item must be enabled).
  void Choose(const QString& text) {
    for (QAction* a : window->findChildren<QAction*>())
      if (a->text() == text) {
        a->trigger();
        return;
      }
    ADD_FAILURE() << "no menu item " << text.toStdString();
  }
  int Cells() {
    return Flow().Table().Reserve[1]->CardsCount() + Flow().Table().Reserve[2]->CardsCount();
  }
  const TGameStats& Stats() {
    return Flow().Players().Stats(Flow().Players().ActivePlayer()).Games[32];
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

TEST_F(MainWindow, UndoAndRedoKeysActAsTheGameMenuWould) {
  const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
  struct Case {
    int option;
    int afterUndoUndo;  // cards in the two free cells
    int afterRedo;
  };
  // Ctrl+R, and the desktops' Ctrl+Shift+Z and Ctrl+Y, redo alike.
  for (const QKeySequence& redo :
       {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
        QKeySequence(Qt::CTRL | Qt::Key_Y)})
    for (Case c : {Case{2, 0, 1}, Case{1, 1, 2}, Case{0, 2, 2}}) {
      Deal(32, 2);
      Flow().Settings().UndoOption = c.option;
      MoveToFreeCell();
      Flow().Table().Tableau[7]->TopCard->Click();
      Flow().Table().Reserve[2]->Click();
      ASSERT_EQ(Cells(), 2);
      Press(undo);
      Press(undo);
      EXPECT_EQ(Cells(), c.afterUndoUndo) << "undo option " << c.option;
      Press(redo);
      EXPECT_EQ(Cells(), c.afterRedo)
          << "undo option " << c.option << " " << redo.toString().toStdString();
    }
  // While a move runs the keys do nothing.
  Flow().Settings().UndoOption = 2;
  Flow().Board1()->Busy = true;
  Press(undo);
  Flow().Board1()->Busy = false;
  EXPECT_EQ(Cells(), 2);
}

TEST_F(MainWindow, CommandsDuringTheWinFlashAreIgnoredAndTheCaptionFlashes) {
  Deal(32, 2);
  MoveToFreeCell();
  Flow().Board1()->SetScore(208);  // as when the last card went up
  const QString players = dir.filePath("players.dat");
  QStringList captions;
  auto flash = Flow().OnFlash;
  Flow().OnFlash = [&] {
    flash();
    captions << window->windowTitle();
    // The player presses everything that would deal, undo or leave.
    Choose("&New Game");
    Choose("&Restart Game");
    Choose("&Exit");
    MiddleClick();
    Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Flow().Deal_MIClick();  // as F2 or the redeal timer would
    EXPECT_FALSE(QFile::exists(players));
  };
  Flow().Table().OnGameWon();
  EXPECT_EQ(Stats().Won, 1);
  EXPECT_EQ(Stats().Lost, 0);
  // Still blocked between the flash and the win display.
  Flow().Deal_MIClick();
  EXPECT_EQ(Stats().Lost, 0);
  ASSERT_EQ(captions.size(), 6);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(captions[i] == "FreeCell [#2]", i % 2 == 1) << captions[i].toStdString();
  EXPECT_EQ(window->windowTitle(), "FreeCell [#2]");
  {
    ScopedModalResponder no([](const ModalRequest&) { return std::optional<int>(mrNo); });
    EXPECT_TRUE(Flow().Host().Additional_timer.Fire());  // the win display
  }
  EXPECT_FALSE(Flow().Busy());
  window->close();  // the exit sequence writes the players file
  PlayerList saved = LoadPlayers(Flow().Settings(), players);
  const TGameStats& r = saved.Stats(saved.ActivePlayer()).Games[32];
  EXPECT_EQ(r.Lost, 0);
  EXPECT_EQ(r.Won, 1);
  EXPECT_EQ(r.TotalScore, 208);
}

TEST_F(MainWindow, ExitWaitsUntilTheMoveHasEnded) {
  Deal(32, 2);
  Flow().Table().GameStarted = 1;
  window->show();
  const QString players = dir.filePath("players.dat");
  Flow().Board1()->Busy = true;
  Choose("&Exit");
  window->Exit_MIClick();  // the tray's Exit
  window->close();         // the window's close box
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(QFile::exists(players));
  EXPECT_EQ(Stats().Lost, 0);
  Flow().Board1()->Busy = false;
  Choose("&Exit");
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(QFile::exists(players));
  EXPECT_EQ(Stats().Lost, 1);
}

TEST_F(MainWindow, WindowTitlesGetNothingAppended) {
  const QString name = QCoreApplication::applicationName();
  NameApplication();
  // Linux desktops append a display name that is set to every title.
  EXPECT_TRUE(QGuiApplication::applicationDisplayName().isEmpty());
  // The application id: the data folder and the X11 window class.
  EXPECT_EQ(QCoreApplication::applicationName(), "io.github.wenlo.solitaire");
  QCoreApplication::setApplicationName(name);
  Deal(32, 2);
  EXPECT_EQ(window->windowTitle(), "FreeCell [#2]");
}

TEST_F(MainWindow, CountTextGoesWithThePileItDescribes) {
  auto* count = qobject_cast<QLabel*>(window->menuBar()->cornerWidget(Qt::TopRightCorner));
  ASSERT_NE(count, nullptr);
  Deal(32, 2);
  Flow().Table().Tableau[1]->ShowCount();
  EXPECT_EQ(count->text(), "   Cards in deck:   7");
  Deal(32, 3);
  EXPECT_EQ(count->text(), "");
}

namespace {

// The geometry of the next modal dialog, taken once it shows, after which
// it is closed.
struct ModalGeometry {
  QRect rect;
  void Arm() {
    QTimer::singleShot(0, [this] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        rect = d->frameGeometry();
        d->done(mrCancel);
      }
    });
  }
};

}  // namespace

TEST_F(MainWindow, DialogsArePlacedByTheMainWindow) {
  window->setGeometry(310, 190, 420, 330);
  window->show();
  const QPoint centre = window->frameGeometry().center();
  ModalGeometry m;
  m.Arm();
  ShowMessage("This move is not allowed", "Wenlo Solitaire Collection", MsgIcon::Information);
  EXPECT_LE((m.rect.center() - centre).manhattanLength(), 4) << m.rect.x() << "," << m.rect.y();
  m.Arm();
  RequestDialog(ModalDialog::OnceMore, "FreeCell", mrYes);
  EXPECT_LE((m.rect.center() - centre).manhattanLength(), 4) << m.rect.x() << "," << m.rect.y();
  m.Arm();
  RequestDialog(ModalDialog::EmptyColumn, "Move to empty column...", mrOk);
  EXPECT_EQ(m.rect.topLeft(), window->pos() + QPoint(200, 99));
}

namespace {

// Follows which windows a modal dialog blocks, from the events Qt sends.
class BlockWatch : public QObject {
 public:
  BlockWatch() { qApp->installEventFilter(this); }
  ~BlockWatch() override { qApp->removeEventFilter(this); }
  bool Blocked(QWidget* w) const {
    auto it = blocked_.find(w->windowHandle());
    return it != blocked_.end() && it->second;
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::WindowBlocked) blocked_[o] = true;
    if (e->type() == QEvent::WindowUnblocked) blocked_[o] = false;
    return false;
  }

 private:
  std::map<QObject*, bool> blocked_;
};

}  // namespace

TEST_F(MainWindow, HelpOpensBesideTheWindowAndStaysUsableOverADialog) {
  window->setGeometry(0, 0, 200, 300);
  window->show();
  BlockWatch watch;
  window->Help().ShowContext(101);  // opened first from the main window
  THelpWindow* help = window->Help().Window();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->frameGeometry().topLeft(), QPoint(window->frameGeometry().right() + 1, 0));
  bool blockedInDialog = true;
  QDialog dialog(window.get());
  QTimer::singleShot(0, [&] {
    window->Help().ShowContext(1);  // the dialog's Help button
    blockedInDialog = watch.Blocked(help);
    dialog.done(mrCancel);
  });
  dialog.exec();
  EXPECT_FALSE(blockedInDialog);
  EXPECT_EQ(help->CurrentContext(), 1);
  EXPECT_FALSE(watch.Blocked(help));
  // Opened for the first time from the dialog: usable as well.
  help->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(window->Help().Window(), nullptr);
  QDialog second(window.get());
  QTimer::singleShot(0, [&] {
    window->Help().ShowContext(1);
    blockedInDialog = watch.Blocked(window->Help().Window());
    second.done(mrCancel);
  });
  second.exec();
  EXPECT_FALSE(blockedInDialog);
}

TEST_F(MainWindow, HelpWindowClosesOnItsKeysAndWithTheProgram) {
  window->show();
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    window->Help().ShowContents();
    THelpWindow* help = window->Help().Window();
    ASSERT_TRUE(help && help->isVisible());
    bool found = false;
    for (QShortcut* s : help->findChildren<QShortcut*>())
      if (s->key() == key) {
        emit s->activated();
        found = true;
      }
    EXPECT_TRUE(found) << key.toString().toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->Help().Window(), nullptr) << key.toString().toStdString();
  }
  // Exit with the help window open: no window of ours is left to keep the
  // program running.
  window->Help().ShowContents();
  ASSERT_NE(window->Help().Window(), nullptr);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->Help().Window(), nullptr);
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}
