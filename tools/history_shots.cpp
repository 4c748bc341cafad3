// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the statistics window on a made-up history of 400 games and saves
// its history tabs as PNG files into OUT_DIR (statistics-per-game.png,
// statistics-history.png, statistics-progress.png). Run it again with
// QT_SCALE_FACTOR=2 to see them as a high-density screen shows them.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "../tests/support/HistorySample.h"
#include "history/HistoryDb.h"
#include "players/HistoryPages.h"
#include "players/StatForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir scratch;
  HistoryDb db(scratch.filePath("history.db"));
  const QDateTime now(QDate(2026, 12, 8), QTime(20, 0));
  if (!db.Append(SampleHistory(400, QStringLiteral("Default"), now.toMSecsSinceEpoch(), 200))) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(db.Path()), qPrintable(db.Error()));
    return 1;
  }
  PlayerList players;
  players.Add(QStringLiteral("Default"));
  players.SetActivePlayer(0);
  int statState = 0;
  const struct {
    TStatForm::Tab tab;
    const char* file;
  } shots[] = {{TStatForm::PerGameTab, "statistics-per-game.png"},
               {TStatForm::HistoryTab, "statistics-history.png"},
               {TStatForm::ProgressTab, "statistics-progress.png"}};
  int status = 0;
  for (const auto& shot : shots) {
    TStatForm form(players, 32, statState);
    form.SetHistory(&db);
    form.Progress_P->Now = [now] { return now; };
    form.TabControl1->setCurrentIndex(shot.tab);
    form.show();
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(shot.file));
    if (form.grab().save(path)) {
      std::printf("%s\n", qPrintable(path));
    } else {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      status = 1;
    }
  }
  return status;
}
