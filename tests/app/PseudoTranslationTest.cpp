// SPDX-License-Identifier: GPL-3.0-or-later
// With the pseudo catalogue every marked text shows in brackets ("[Undo]"):
// a walk over the main window, its menus, toolbar and status bar and every
// dialog finds no words outside brackets, so no text a player sees was
// left unmarked (or marked but never extracted into the catalogues).

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <map>

#include "platform/Language.h"
#include "platform/Modal.h"
#include "support/EveryDialog.h"

namespace {

// The texts a widget shows a player.
QStringList ShownTexts(QWidget& w) {
  QStringList texts{w.toolTip()};
  if (w.isWindow()) texts << w.windowTitle();
  if (auto* l = qobject_cast<QLabel*>(&w)) {
    QTextDocument doc;
    doc.setHtml(l->text());
    texts << (Qt::mightBeRichText(l->text()) ? doc.toPlainText() : l->text());
  }
  if (auto* b = qobject_cast<QAbstractButton*>(&w)) texts << b->text();
  if (auto* g = qobject_cast<QGroupBox*>(&w)) texts << g->title();
  if (auto* tabs = qobject_cast<QTabBar*>(&w))
    for (int i = 0; i < tabs->count(); ++i)
      texts << tabs->tabText(i);
  if (auto* box = qobject_cast<QComboBox*>(&w); box && !box->isEditable())
    for (int i = 0; i < box->count(); ++i)
      texts << box->itemText(i);
  if (auto* view = qobject_cast<QAbstractItemView*>(&w); view && view->model()) {
    const QAbstractItemModel* m = view->model();
    for (int c = 0; c < m->columnCount(); ++c)
      texts << m->headerData(c, Qt::Horizontal).toString()
            << m->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
    for (int r = 0; r < m->rowCount(); ++r)
      for (int c = 0; c < m->columnCount(); ++c)
        texts << m->index(r, c).data().toString();
  }
  const auto actions = w.actions();
  if (qobject_cast<QMenu*>(&w) || qobject_cast<QMenuBar*>(&w) || qobject_cast<QToolBar*>(&w))
    for (QAction* a : actions)
      texts << a->text()
            << (a->toolTip() == QString(a->text()).remove(QLatin1Char('&')) ? QString()
                                                                            : a->toolTip());
  return texts;
}

// What is left of a text outside brackets (nested brackets count as one),
// less the names the program shows as they are.
QString Unbracketed(QString text, const QStringList& allowed) {
  for (const QString& name : allowed)
    text.replace(name, QString());
  QString outside;
  int depth = 0;
  for (QChar c : text) {
    if (c == QLatin1Char('['))
      ++depth;
    else if (c == QLatin1Char(']'))
      depth = std::max(0, depth - 1);
    else if (depth == 0)
      outside += c;
  }
  for (QChar c : outside)
    if (c.isLetter()) return outside.simplified();
  return QString();
}

class PseudoTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("WENLO_PSEUDO_TRANSLATION", "1");
    options.DataDir = dir.path();
    options.Translate = true;
  }
  void TearDown() override {
    qunsetenv("WENLO_PSEUDO_TRANSLATION");
    Language::Apply(QStringLiteral("en"));
  }
  QTemporaryDir dir;
  MainOptions options;
};

}  // namespace

TEST_F(PseudoTranslation, EveryTextAPlayerSeesIsMarked) {
  // Messages asked for while the window is walked take their defaults.
  ScopedModalResponder answers([](const ModalRequest& r) { return r.defaultResult; });
  TMain_F window(options);
  window.MarkClosed();
  window.Flow().Players().Add(QStringLiteral("Margaret"));
  window.Flow().DealGame(32, 1);  // FreeCell: a verdict, a score, a number

  // Names shown as they are: the program's, the players', the languages'
  // (each in its own words) and the licence.
  QStringList allowed{QStringLiteral("Wenlo Solitaire Collection"),
                      QStringLiteral("GPL-3.0-or-later"),
                      QStringLiteral("www.gnu.org/licenses/gpl-3.0")};
  allowed << window.Flow().Players().Names();
  for (const Language::Choice& c : Language::Choices())
    if (!c.code.isEmpty()) allowed << c.name;

  int views = 0;
  VisitEveryView(window, [&](const QString& name, QWidget& view) {
    ++views;
    QList<QWidget*> widgets = view.findChildren<QWidget*>();
    widgets.prepend(&view);
    for (QWidget* w : widgets) {
      if (qobject_cast<QTextEdit*>(w) || qobject_cast<QLineEdit*>(w)) continue;  // content, input
      for (const QString& text : ShownTexts(*w)) {
        const QString left = Unbracketed(text, allowed);
        EXPECT_TRUE(left.isEmpty()) << name.toStdString() << ": \"" << text.toStdString() << "\" ("
                                    << w->metaObject()->className() << ")";
      }
    }
  });
  EXPECT_GE(views, 25);
}

namespace {

// The key after the & of a text ("Sol&ve": V), or nothing.
QChar Accelerator(const QString& text) {
  const QString t = QString(text).remove(QStringLiteral("&&"));
  const qsizetype at = t.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < t.size() ? t[at + 1].toUpper() : QChar();
}

// The accelerators one view offers at once: its menu's items, or the
// buttons and labels shown together.
std::map<QChar, QStringList> Accelerators(QWidget& view) {
  std::map<QChar, QStringList> keys;
  const auto add = [&](const QString& text) {
    if (QChar key = Accelerator(text); !key.isNull()) keys[key] << text;
  };
  if (qobject_cast<QMenu*>(&view)) {
    for (QAction* a : view.actions())
      add(a->text());
    return keys;
  }
  for (QWidget* w : view.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&view) || qobject_cast<QMenuBar*>(w->parentWidget())) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text());
    if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) add(l->text());
  }
  return keys;
}

}  // namespace

// Alt and a letter must reach one command: no translation gives one letter
// to two items of a menu or dialog where the English does not (the English
// Game menu shares R between Restart Game and Redo, as it always has).
TEST(Translations, NoViewGivesOneKeyTwice) {
  std::map<QString, int> english;  // view -> items sharing a key in English
  for (const char* lang : {"en", "de", "fr", "es"}) {
    const bool isEnglish = QLatin1String(lang) == QLatin1String("en");
    Language::Apply(QString::fromLatin1(lang));
    ScopedModalResponder answers([](const ModalRequest& r) { return r.defaultResult; });
    QTemporaryDir dir;
    MainOptions options;
    options.DataDir = dir.path();
    TMain_F window(options);
    window.MarkClosed();
    window.Flow().DealGame(32, 1);
    const auto check = [&](const QString& name, const std::map<QChar, QStringList>& keys) {
      int shared = 0;
      QStringList clashes;
      for (const auto& [key, texts] : keys)
        if (texts.size() > 1) {
          shared += int(texts.size());
          clashes << texts.join(QStringLiteral(" / "));
        }
      if (isEnglish)
        english[name] = shared;
      else
        EXPECT_LE(shared, english[name])
            << lang << " " << name.toStdString() << ": " << clashes.join(", ").toStdString();
    };
    VisitEveryView(window,
                   [&](const QString& name, QWidget& view) { check(name, Accelerators(view)); });
    std::map<QChar, QStringList> titles;
    for (QAction* a : window.menuBar()->actions())
      if (QChar key = Accelerator(a->text()); !key.isNull()) titles[key] << a->text();
    check(QStringLiteral("menu bar"), titles);
  }
  Language::Apply(QStringLiteral("en"));
}

TEST(PseudoCheck, FindsWordsOutsideBrackets) {
  EXPECT_EQ(Unbracketed(QStringLiteral("[Winnable] ([Easy])"), {}), QString());
  EXPECT_EQ(Unbracketed(QStringLiteral("[[FreeCell] [#1, winnable]]"), {}), QString());
  EXPECT_EQ(Unbracketed(QStringLiteral("[Score: $%1] 52 / 104"), {}), QString());
  EXPECT_EQ(Unbracketed(QStringLiteral("[Player: %1] Ann"), {QStringLiteral("Ann")}), QString());
  EXPECT_EQ(Unbracketed(QStringLiteral("[Moves: 3] Time"), {}), QStringLiteral("Time"));
  EXPECT_EQ(Unbracketed(QStringLiteral("Ünder"), {}), QStringLiteral("Ünder"));
}
