// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's help: HTML topics carried in the program, shown in a help
// window of our own. Topics are numbered by help context: 0 is the contents,
// 1 choosing a game, 5 to 8 the four preferences, 100 + catalogue index each
// game. A topic is the resource ":/help/<context>.html" (the contents are
// ":/help/index.html"); a topic not yet written shows a friendly page.
// Translated topics live in a folder per language (":/help/de/5.html") and
// are shown when the default locale has that language.
//
// Adding a topic: write src/resources/help/<context>.html and build again;
// the build gathers every HTML file of that folder into the program.
// Links between topics are plain relative names: <a href="5.html">.

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QPushButton;

// Help commands of a request, as the desktop numbers them.
constexpr int HELP_CONTEXT = 1;
constexpr int HELP_QUIT = 2;
constexpr int HELP_CONTENTS = 3;
constexpr int HELP_CONTEXTPOPUP = 8;

// The help filter: a request goes on to the help window only when it asks
// for the contents or carries a non-zero context number.
bool AppHelp(int command, int data);

// The two-letter language of the default locale ("de"): the folder of the
// translated topics that are shown.
QString HelpLanguage();
bool HelpTopicExists(int context);
// "qrc:/help/<context>.html", or the contents page for context 0.
QUrl HelpTopicUrl(int context);
// The context of a topic URL ("105.html" gives 105, "index.html" 0), or -1.
int HelpContextOfUrl(const QUrl& url);
// The HTML of a topic: the carried page (the contents with the list of games
// filled in from the catalogue), or the "no help yet" page.
QString HelpTopicHtml(int context);
QString MissingTopicHtml(int context);

// The browser that reads topics through HelpTopicHtml.
class THelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  void ShowTopic(int context);
  void ShowContents() { ShowTopic(0); }
  // The context now shown (0 the contents), -1 for a page that is no topic.
  int CurrentContext() const;
  THelpBrowser* Browser() const { return browser_; }

 private:
  void UpdateButtons();

  THelpBrowser* browser_ = nullptr;
  QPushButton* contents_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

// The help system the main window owns: filters a request and shows the
// topic in the help window, which is created on the first request and kept
// (it closes with the program or when the player closes it).
class THelp {
 public:
  THelp() = default;
  ~THelp();
  THelp(const THelp&) = delete;
  THelp& operator=(const THelp&) = delete;

  // Returns whether the request passed the filter and was shown.
  bool Request(int command, int data);
  bool ShowContents() { return Request(HELP_CONTENTS, 0); }
  bool ShowContext(int context) { return Request(HELP_CONTEXT, context); }
  // The window, or nullptr before the first request or after it was closed.
  THelpWindow* Window() const { return window_; }
  // Closes the help window (the program's exit: a help window left open
  // would keep the program running without its main window).
  void Close();
  // The main window: the help window opens beside it.
  void SetAnchor(QWidget* anchor) { anchor_ = anchor; }

 private:
  void PlaceBesideAnchor();
  void StayUsableOverModalDialog();

  QPointer<THelpWindow> window_;
  QPointer<QWidget> anchor_;
};
