// SPDX-License-Identifier: GPL-3.0-or-later
// Saves pictures of the appearance dialogs and of every background tiled over
// an 800 x 600 table, for review: ui_shots OUTPUT_DIR

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QWidget>
#include <cstdio>

#include "art/Background.h"
#include "cardtable/Cardscmp.h"
#include "ui/AboutBox.h"
#include "ui/DeckForm.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsDlg.h"
#include "ui/PictureForm.h"
#include "ui/Tray.h"

namespace {

QString g_dir;

void Save(QWidget& w, const QString& name) {
  w.show();
  QApplication::processEvents();
  const QString path = g_dir + '/' + name + ".png";
  if (!w.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  w.hide();
}

// A table with a few cards over the background, as the main window draws it.
QImage Table(const BackgroundState& bg) {
  QImage img = RenderBackground(bg, 800, 600);
  QPainter p(&img);
  const QImage& mask = CardImages::Image(CardImages::kCardMask);
  for (int i = 0; i < 7; ++i) {
    for (int j = 0; j <= i; ++j) {
      const int k = j == i ? 1 + (i * 7 + 3) % 52 : 55;
      QImage card = CardImages::Image(k).convertToFormat(QImage::Format_ARGB32);
      card.setAlphaChannel(mask);
      p.drawImage(40 + i * 100, 150 + j * 18, card);
    }
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  g_dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_dir);

  // Backgrounds: each built-in picture tiled over the table, and the colour.
  for (const QString& name : BuiltInPatternNames()) {
    BackgroundState bg;
    LoadBackground(bg, ptBuiltIn, name, {});
    Table(bg).save(g_dir + "/table_" + name + ".png");
  }
  Table(BackgroundState{}).save(g_dir + "/table_Color.png");

  OptionsValues v;
  {
    TOptions dlg(v);
    Save(dlg, "options_preferences");
    dlg.PageControl1->setCurrentIndex(1);
    Save(dlg, "options_background_color");
  }
  {
    v.PatternType = ptBuiltIn;
    v.PatternName = "Marble2";
    TOptions dlg(v);
    dlg.PageControl1->setCurrentIndex(1);
    Save(dlg, "options_background_picture");
  }
  {
    TPictureForm form("Cloth2");
    Save(form, "picture_form");
    form.RunFileDialog = [](QWidget*) { return QString("/nonexistent/picture.jpg"); };
    form.Button1Click();
    Save(form, "picture_form_bad_file");
  }
  {
    TDeckForm form(8);
    Save(form, "deck_form");
  }
  {
    TAboutBox box;
    Save(box, "about");
  }
  {
    THelpWindow help;
    help.ShowContents();
    Save(help, "help_contents");
    help.ShowTopic(7);
    Save(help, "help_7");
    help.ShowTopic(105);
    Save(help, "help_missing_game");
  }
  {
    // The help as a player whose language is German reads it.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    THelpWindow help;
    help.ShowContents();
    Save(help, "help_de_contents");
    help.ShowTopic(2);
    Save(help, "help_de_2");
    help.ShowTopic(127);
    Save(help, "help_de_127");
    QLocale::setDefault(saved);
  }
  {
    QWidget window;
    TTray tray(&window);
    tray.Menu()->adjustSize();
    Save(*tray.Menu(), "tray_menu");
  }
  return 0;
}
