// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the program's name, version and build, and its licence,
// with a link to the licence's text. The project has no web site or mail
// address of its own, so the box and the Help menu show none.

#include <QDialog>
#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

// The text of the program's licence, the GNU GPL version 3, on the web.
QUrl LicenceUrl();

// Opens a URL with the desktop's handler (QDesktopServices), or with the
// opener installed for tests and the scripted driver. Returns whether the
// desktop accepted it; a failure is not reported to the player.
bool OpenUrl(const QUrl& url);
using UrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);

// "Build " + the program's file version, or empty without one.
QString BuildLine(const QString& fileVersion);
// The program's own version data (set by the build).
QString ProgramFileVersion();
QString ProgramVersionLine();  // "Version 2.0"

// The program's picture: cards fanned over the green table, 185 x 164.
QImage AboutPicture();

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  int Execute();

  void Label3Click() { OpenUrl(LicenceUrl()); }

  QLabel* Label1 = nullptr;
  QLabel* Version = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Notice = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* Button1 = nullptr;
};
