// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window with a save that fails: one message box naming the file
// and the reason, and closing again shows nothing more.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/MainForm.h"
#include "platform/Modal.h"

TEST(ExitReport, AFailedSaveIsShownOnceWhenTheWindowCloses) {
  QTemporaryDir dir;
  const QString players = dir.filePath("players.dat");
  ASSERT_TRUE(QDir().mkpath(players));  // a folder in the way
  QStringList shown;
  ScopedModalResponder answers([&](const ModalRequest& r) -> std::optional<int> {
    if (r.kind == ModalRequest::Message) shown << r.caption + "|" + r.text;
    return r.defaultResult;
  });
  MainOptions options;
  options.DataDir = dir.path();
  TMain_F window(options);
  window.close();
  window.close();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Wenlo Solitaire Collection|"));
  EXPECT_TRUE(shown[0].contains(players + ": a folder is in the way")) << shown[0].toStdString();
}

// SIGTERM or SIGHUP (log-out) while a move runs or a dialog is up: the move
// finishes, the dialog is dismissed, and the window still goes through its
// exit; the win already counted is saved. Nothing waits on the player.
namespace {

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

}  // namespace

TEST(ExitReport, ASignalWaitsForTheMoveAndDismissesTheWinDialog) {
  // The exit by signal answers every later question for the rest of the
  // program; the test puts back what the other tests expect.
  ScopedModalResponder keep(CurrentModalResponder());
  QTemporaryDir dir;
  const QString players = dir.filePath("players.dat");
  MainOptions options;
  options.DataDir = dir.path();
  options.KeepAtExit = false;
  TMain_F window(options);
  GameFlow& flow = window.Flow();
  flow.DealGame(32, 1);

  // A move in flight: the exit waits for it, then happens by itself.
  flow.Board1()->Busy = true;
  window.ExitBySignal();
  EXPECT_FALSE(WaitFor([&] { return QFile::exists(players); }, 100));
  flow.Board1()->Busy = false;
  EXPECT_TRUE(WaitFor([&] { return QFile::exists(players); }, 2000));
  QFile::remove(players);

  // The win dialog open (the real one, with its own event loop): dismissed,
  // the win display ends with an empty table and the exit saves the win.
  TMain_F second(options);
  second.Flow().DealGame(32, 1);
  ScopedModalResponder real([](const ModalRequest&) { return std::optional<int>(); });
  bool dialogSeen = false;
  QTimer::singleShot(50, &second, [&] {
    dialogSeen = QApplication::activeModalWidget() != nullptr;
    second.ExitBySignal();
  });
  // In case the dismissal fails, the test ends instead of hanging.
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->done(mrNo);
  });
  watchdog.start(5000);
  second.Flow().GameWon();
  second.Flow().Host().Additional_timer.Fire();  // the win display asks "Once more?"
  EXPECT_TRUE(dialogSeen);
  EXPECT_TRUE(WaitFor([&] { return QFile::exists(players); }, 2000));
  EXPECT_EQ(second.Flow().Players().Stats(0).Games[32].Won, 1);
  EXPECT_FALSE(second.Flow().Host().Redeal_Timer.Enabled());  // no new deal
}
