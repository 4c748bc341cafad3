// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

#include "records/Catalogue.h"

namespace {

const char* const kGamesMarker = "<!--games-->";

// A topic in the player's language when it has been translated, else the
// English one. Topic URLs carry no language, so a link followed from a
// translated page opens the next page in the same language.
QString ResourcePath(int context) {
  const QString file =
      context == 0 ? QStringLiteral("index.html") : QString("%1.html").arg(context);
  const QString translated = QString(":/help/%1/%2").arg(HelpLanguage(), file);
  return QFile::exists(translated) ? translated : ":/help/" + file;
}

QString ReadResource(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// The list of games on the contents page: three columns, catalogue order
// running down each column.
QString GamesList() {
  const int columns = 3;
  const int rows = (GameCount() + columns - 1) / columns;
  QString html = "<table class=\"games\">\n";
  for (int r = 0; r < rows; ++r) {
    html += "<tr>";
    for (int c = 0; c < columns; ++c) {
      const int i = c * rows + r;
      html += "<td>";
      if (i < GameCount())
        html += QString("<a href=\"%1.html\">%2</a>")
                    .arg(HelpContext(i))
                    .arg(GameTitle(i).toHtmlEscaped());
      html += "</td>";
    }
    html += "</tr>\n";
  }
  return html + "</table>\n";
}

}  // namespace

bool AppHelp(int command, int data) {
  return command == HELP_CONTENTS || data != 0;
}

QString HelpLanguage() {
  return QLocale().name().left(2);
}

bool HelpTopicExists(int context) {
  return context >= 0 && QFile::exists(ResourcePath(context));
}

QUrl HelpTopicUrl(int context) {
  return QUrl(context == 0 ? QStringLiteral("qrc:/help/index.html")
                           : QString("qrc:/help/%1.html").arg(context));
}

int HelpContextOfUrl(const QUrl& url) {
  const QString file = url.fileName();
  if (file == "index.html") return 0;
  static const QRegularExpression number("^([0-9]{1,6})\\.html$");
  const QRegularExpressionMatch m = number.match(file);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString MissingTopicHtml(int context) {
  QString what = QCoreApplication::translate("THelpWindow", "this topic");
  if (context >= 100 && !GameTitle(context - 100).isEmpty())
    what = "<b>" + GameTitle(context - 100).toHtmlEscaped() + "</b>";
  const auto say = [](const char* text) {
    return QCoreApplication::translate("THelpWindow", text);
  };
  const QString title = say(QT_TRANSLATE_NOOP("THelpWindow", "No help yet"));
  return QStringLiteral(
             "<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p><p>%3</p>"
             "<p><a href=\"index.html\">%4</a></p><p style=\"color:#808080\">%5</p></body></html>")
      .arg(title,
           say(QT_TRANSLATE_NOOP("THelpWindow", "Sorry, the help for %1 has not been written yet."))
               .arg(what),
           say(QT_TRANSLATE_NOOP("THelpWindow",
                                 "Until it is, try the game itself: click a card to pick it up, "
                                 "then click where it should go. Undo takes back any move.")),
           say(QT_TRANSLATE_NOOP("THelpWindow", "Back to the contents")),
           say(QT_TRANSLATE_NOOP("THelpWindow", "Topic %1")).arg(context));
}

QString HelpTopicHtml(int context) {
  if (context < 0) return MissingTopicHtml(context);
  QString html = ReadResource(ResourcePath(context));
  if (html.isEmpty()) return MissingTopicHtml(context);
  if (context == 0) html.replace(kGamesMarker, GamesList());
  return html;
}

// ---------------------------------------------------------------------------
QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::HtmlResource) {
    const int context = HelpContextOfUrl(name);
    if (context >= 0) return HelpTopicHtml(context);
    if (name.scheme() == "qrc" || name.isRelative()) return MissingTopicHtml(-1);
  }
  return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(tr("Wenlo Solitaire Collection Help"));
  resize(560, 520);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* bar = new QHBoxLayout;
  contents_ = new QPushButton(tr("&Contents"), this);
  back_ = new QPushButton(tr("&Back"), this);
  forward_ = new QPushButton(tr("&Forward"), this);
  bar->addWidget(contents_);
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addStretch();
  layout->addLayout(bar);
  browser_ = new THelpBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->document()->setDefaultStyleSheet(
      "body { margin: 8px; } h1 { color: #1d5e2e; } h2 { color: #1d5e2e; }"
      "a { color: #0645ad; } td { padding: 2px 8px 2px 0; }");
  layout->addWidget(browser_);
  connect(contents_, &QPushButton::clicked, this, [this] { ShowContents(); });
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::historyChanged, this, [this] { UpdateButtons(); });
  // The keys that close a reading window everywhere else.
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }
  UpdateButtons();
}

void THelpWindow::ShowTopic(int context) {
  browser_->setSource(HelpTopicUrl(context), QTextDocument::HtmlResource);
  UpdateButtons();
}

int THelpWindow::CurrentContext() const {
  return HelpContextOfUrl(browser_->source());
}

void THelpWindow::UpdateButtons() {
  back_->setEnabled(browser_->isBackwardAvailable());
  forward_->setEnabled(browser_->isForwardAvailable());
}

// ---------------------------------------------------------------------------
THelp::~THelp() {
  delete window_.data();
}

bool THelp::Request(int command, int data) {
  if (!AppHelp(command, data)) return false;
  if (!window_) {
    window_ = new THelpWindow;
    window_->setAttribute(Qt::WA_DeleteOnClose);
    PlaceBesideAnchor();
  }
  window_->ShowTopic(command == HELP_CONTENTS ? 0 : data);
  StayUsableOverModalDialog();
  window_->show();
  window_->raise();
  window_->activateWindow();
  return true;
}

void THelp::Close() {
  if (window_) window_->close();  // deletes itself on close
}

void THelp::PlaceBesideAnchor() {
  if (!anchor_) return;
  const QRect main = anchor_->frameGeometry();
  QRect help(QPoint(main.right() + 1, main.top()), window_->frameGeometry().size());
  if (QScreen* screen = anchor_->screen()) {
    const QRect area = screen->availableGeometry();
    // Right of the main window when it fits, else left of it, else at the
    // screen's right edge; never above or below the screen.
    if (help.right() > area.right()) help.moveLeft(main.left() - help.width());
    if (help.left() < area.left())
      help.moveLeft(qMax(area.left(), area.right() + 1 - help.width()));
    if (help.bottom() > area.bottom()) help.moveTop(area.bottom() + 1 - help.height());
    if (help.top() < area.top()) help.moveTop(area.top());
  }
  window_->move(help.topLeft());
}

void THelp::StayUsableOverModalDialog() {
  // A dialog shown modally blocks every other window of the program, so
  // help asked for from it could be read but not clicked or scrolled. Made
  // a transient of that dialog, the help window is part of its session; it
  // stays open, and usable, after the dialog closes.
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == window_) return;
  window_->winId();  // the native window must exist to take a transient parent
  if (QWindow* w = window_->windowHandle()) w->setTransientParent(modal->windowHandle());
}
