// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the game selection, shuffle, statistics and hi-score dialogs
// offscreen with sample players and saves a picture of each, plus a sheet
// of every game's preview.
//   dialog_shots OUT_DIR

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "players/HiscoreForm.h"
#include "players/StatForm.h"
#include "records/Catalogue.h"
#include "records/Players.h"
#include "records/Settings.h"
#include "session/Previews.h"
#include "session/Shuffle.h"
#include "ui/GameDlg.h"
#include "ui/ShuffleForm.h"

namespace {

QString g_dir;
int g_failures = 0;

void Save(QWidget& w, const QString& name) {
  w.show();
  QApplication::processEvents();
  QApplication::processEvents();
  const QString path = QDir(g_dir).filePath(name);
  if (w.grab().save(path)) {
    std::printf("%s (%dx%d)\n", qPrintable(path), w.width(), w.height());
  } else {
    std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    ++g_failures;
  }
}

PlayerList SamplePlayers() {
  PlayerList players;
  players.Add(QStringLiteral("Margaret"));
  players.Add(QStringLiteral("tom"));
  players.Add(QStringLiteral("Ann-Sophie Lindqvist"));
  players.Add(QStringLiteral("Default"));
  players.SetActivePlayer(0);
  // Margaret: a few games of several kinds.
  auto record = [&](int p, int game, int won, int lost, int score) {
    TGameStats& r = players.Stats(p).Games[size_t(game)];
    r.Won = uint16_t(won);
    r.Lost = uint16_t(lost);
    r.TotalScore = score;
  };
  record(0, 32, 7, 1, 1480);
  record(0, 3, 1, 7, -210);
  record(0, 27, 3, 5, 905);
  record(0, 25, 1, 2, 130);
  record(0, 11, 12, 0, 0);
  record(0, 40, 0, 4, -96);
  record(1, 32, 1, 1, 170);
  record(2, 32, 9, 1, 2080);
  record(3, 32, 1, 0, 260);
  return players;
}

QImage PreviewSheet() {
  const int cols = 6, cellW = kPreviewWidth + 16, cellH = kPreviewHeight + 34;
  const int rows = (GameCount() + cols - 1) / cols;
  QImage sheet(cols * cellW + 8, rows * cellH + 8, QImage::Format_RGB32);
  sheet.fill(QColor(236, 236, 236));
  QPainter p(&sheet);
  for (int i = 0; i < GameCount(); ++i) {
    const QRect cell(8 + (i % cols) * cellW, 8 + (i / cols) * cellH, cellW - 8, cellH - 8);
    p.fillRect(cell.x(), cell.y(), kPreviewWidth + 8, kPreviewHeight + 8, QColor(0, 128, 0));
    const QImage img = GamePreview(i);
    p.drawImage(cell.x() + 4 + (kPreviewWidth - img.width()) / 2,
                cell.y() + 4 + (kPreviewHeight - img.height()) / 2, img);
    p.setPen(Qt::black);
    p.drawText(QRect(cell.x(), cell.y() + kPreviewHeight + 10, cellW, 18), Qt::AlignLeft,
               QStringLiteral("%1 %2").arg(i).arg(GameName(i)));
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  g_dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_dir);

  AppSettings settings;
  settings.GameOptions[32].AutoPlay = 1;
  PlayerList players = SamplePlayers();

  {
    TGameDlg dlg(32, settings, players);
    Save(dlg, QStringLiteral("game-dialog.png"));
  }
  {
    TGameDlg dlg(0, settings, players);
    Save(dlg, QStringLiteral("game-dialog-placeholder.png"));
  }
  {
    TGameDlg dlg(25, settings, players);
    dlg.ListView1ColumnClick(1);
    Save(dlg, QStringLiteral("game-dialog-by-difficulty.png"));
  }

  RecentShuffles recent;
  for (uint32_t n : {1u, 617u, 30318u, 2147483647u, 52061294u})
    recent.Add(n);
  {
    TShuffle_Form form(recent);
    Save(form, QStringLiteral("shuffle-dialog.png"));
    form.Shuffle_CB->showPopup();
    QApplication::processEvents();
    const QString path = QDir(g_dir).filePath(QStringLiteral("shuffle-dialog-list.png"));
    QWidget* popup = form.Shuffle_CB->view()->window();
    QImage both(form.width(), form.height() + popup->height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter p(&both);
    p.drawPixmap(0, 0, form.grab());
    p.drawPixmap(form.Shuffle_CB->x(), form.Shuffle_CB->geometry().bottom() + 1, popup->grab());
    p.end();
    if (!both.save(path)) ++g_failures;
    form.Shuffle_CB->hidePopup();
  }

  int statState = 0;
  {
    TStatForm form(players, 32, statState);
    Save(form, QStringLiteral("statistics-all.png"));
    form.HeaderClick(StatsTable::Percent);
    form.HeaderClick(StatsTable::Percent);
    Save(form, QStringLiteral("statistics-all-by-percent.png"));
  }
  statState = 1;
  {
    TStatForm form(players, 32, statState);
    Save(form, QStringLiteral("statistics-filled.png"));
  }
  {
    TStatForm form(players, 32, statState);
    form.Player_CB->setCurrentIndex(3);
    Save(form, QStringLiteral("statistics-other-player.png"));
  }
  {
    THiscoreForm form(players, 32);
    Save(form, QStringLiteral("hiscores-total.png"));
    form.Ranking_Group->button(2)->click();
    Save(form, QStringLiteral("hiscores-percent.png"));
    form.Game_CB->setCurrentIndex(form.Game_CB->findData(0));
    Save(form, QStringLiteral("hiscores-empty.png"));
  }

  const QString sheet = QDir(g_dir).filePath(QStringLiteral("previews.png"));
  if (PreviewSheet().save(sheet))
    std::printf("%s\n", qPrintable(sheet));
  else
    ++g_failures;
  return g_failures == 0 ? 0 : 1;
}
