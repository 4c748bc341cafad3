#pragma once
// The About box, and the program's contacts with the web: the collection's
// page, the maker's home page and a mail request, all opened by the
// desktop's URL handler.

#include <QDialog>
#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

// Our own placeholder addresses under a reserved example domain.
inline const char* const kMakerSite = "https://wenlo.example.com";
inline const char* const kMakerSiteCaption = "wenlo.example.com";
inline const char* const kMakerMail = "support@wenlo.example.com";

QUrl SupportPageUrl();  // the collection's page: "/funstuff/cards.htm" on the site
QUrl HomeSiteUrl();     // the maker's home page: "/index.htm"
QUrl MailRequestUrl();  // "mailto:" the maker's address

// Opens a URL with the desktop's handler (QDesktopServices), or with the
// opener installed for tests and the scripted driver. Returns whether the
// desktop accepted it; a failure is not reported to the player.
bool OpenUrl(const QUrl& url);
using UrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);

// The menu commands "Wenlo Solitaire Collection Home Page..." and the one
// captioned with the maker's web address.
inline bool SupportPage1Click() {
  return OpenUrl(SupportPageUrl());
}
inline bool HomeSite1Click() {
  return OpenUrl(HomeSiteUrl());
}

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

  void Label3Click() { SupportPage1Click(); }
  void Label5Click() { OpenUrl(MailRequestUrl()); }

  QLabel* Label1 = nullptr;
  QLabel* Version = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Notice = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* Button1 = nullptr;
};
