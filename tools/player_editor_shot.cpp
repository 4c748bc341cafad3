// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the "Edit player list" dialog offscreen with a few players, uses it
// (adds a player through the real name dialog) and saves pictures of it.
//   player_editor_shot OUT.png [DATA_DIR]
// writes OUT.png (the list), OUT-name.png (the name dialog) and, with
// DATA_DIR, the settings file and players.dat that the program would write.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <cstdio>

#include "players/EditPlayerForm.h"
#include "players/UserForm.h"
#include "records/Players.h"
#include "records/Settings.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT.png [DATA_DIR]\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QString nameShot = out;
  nameShot.replace(QStringLiteral(".png"), QStringLiteral("-name.png"));

  PlayerList players;
  players.Add(QStringLiteral("Margaret"));
  players.Add(QStringLiteral("tom"));
  players.Add(QStringLiteral("Default"));
  players.Add(QStringLiteral("Ann-Sophie Lindqvist"));
  players.SetActivePlayer(1);
  players.RecordWon(1, 32, 250);
  players.RecordLost(1, 32, -52);
  players.RecordLost(1, 3, kNoScore);

  TUser_Form form(players, players.ActivePlayer());
  form.show();
  QApplication::processEvents();

  // Add a player through the real name dialog, picturing it on the way.
  bool namePictured = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TEditPlayer_Form*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->NameEdit()->setText(QStringLiteral("  Bertrand  "));
    QApplication::processEvents();
    namePictured = dialog->grab().save(nameShot);
    dialog->accept();
  });
  for (QPushButton* b : form.findChildren<QPushButton*>()) {
    if (b->text() == QStringLiteral("Add...")) b->click();
  }
  QApplication::processEvents();
  if (!form.grab().save(out) || !namePictured) {
    std::fprintf(stderr, "could not save the pictures\n");
    return 1;
  }
  form.accept();
  players = form.Result();
  std::printf("players after the editor: %s (active: %s)\n",
              qPrintable(players.Names().join(QStringLiteral(", "))),
              qPrintable(players.ActiveName()));

  if (argc >= 3) {
    const QString dir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(dir);
    AppSettings settings;
    settings.GameIndex = 32;
    settings.Back = 5;
    settings.PatternType = 1;
    settings.GameOptions[32] = TGameOption{40, 60, 600, 820, 1};
    StorePlayersInSettings(players, settings);
    QSettings store(QDir(dir).filePath(QStringLiteral("Tamsel Cards.conf")), QSettings::IniFormat);
    const bool settingsOk = WriteSettings(store, settings);
    const bool playersOk = SavePlayers(players, PlayersFilePath(dir));
    std::printf("settings written: %s, players.dat written: %s\n", settingsOk ? "yes" : "no",
                playersOk ? "yes" : "no");
    if (!settingsOk || !playersOk) return 1;
  }
  return 0;
}
