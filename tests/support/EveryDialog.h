// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a player can see, opened one after another on a real main
// window with a game on the table and a few players: the window itself with
// each of its menus, and every dialog the program opens (each page of the
// tabbed ones). Each view is shown, handed to `visit` with a name, and
// closed again. The pseudo-translation check reads their texts; the
// screenshot tool saves a picture of each.

#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <functional>

#include "app/MainForm.h"
#include "players/EditPlayerForm.h"
#include "players/HiscoreForm.h"
#include "players/PlayerEditor.h"
#include "players/StatForm.h"
#include "players/UserForm.h"
#include "session/Abandon.h"
#include "ui/AbandonDlg.h"
#include "ui/AboutBox.h"
#include "ui/DeckForm.h"
#include "ui/EmptyColDlg.h"
#include "ui/GameDlg.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsDlg.h"
#include "ui/PictureForm.h"
#include "ui/ShuffleForm.h"
#include "ui/Tray.h"
#include "ui/WinDlg.h"

using ViewVisitor = std::function<void(const QString& name, QWidget& view)>;

namespace every_dialog {

inline void Settle() {
  QApplication::processEvents();
  QApplication::processEvents();
}

inline void Visit(const QString& name, QWidget& w, const ViewVisitor& visit) {
  w.show();
  Settle();
  visit(name, w);
}

// A dialog with pages: every page in turn.
inline void VisitPages(const QString& name, QWidget& w, QTabWidget* pages,
                       const ViewVisitor& visit) {
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    Visit(name + QLatin1Char('-') + QString::number(i + 1), w, visit);
  }
}

}  // namespace every_dialog

// The window must have a game dealt; its flow's players are used as they are.
inline void VisitEveryView(TMain_F& window, const ViewVisitor& visit) {
  using namespace every_dialog;
  window.show();
  Settle();
  visit(QStringLiteral("main"), window);
  for (QAction* a : window.menuBar()->actions()) {
    if (!a->menu()) continue;
    QMenu* menu = a->menu();
    emit menu->aboutToShow();
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    Settle();
    visit(QStringLiteral("menu-") + QString::number(window.menuBar()->actions().indexOf(a) + 1),
          *menu);
    menu->hide();
  }

  GameFlow& flow = window.Flow();
  {
    OptionsValues v;
    TOptions dlg(v, &window);
    VisitPages(QStringLiteral("options"), dlg, dlg.PageControl1, visit);
  }
  {
    TGameDlg dlg(flow.GameIndex(), flow.Settings(), flow.Players(), &window);
    Visit(QStringLiteral("select-solitaire"), dlg, visit);
  }
  {
    TShuffle_Form form(flow.Recent(), &window);
    Visit(QStringLiteral("select-shuffle"), form, visit);
  }
  {
    int statState = 0;
    TStatForm form(flow.Players(), flow.GameIndex(), statState, &window);
    form.SetHistory(&flow.History().Db());
    for (int i = 0; i < form.TabControl1->count(); ++i) {
      form.TabControl1->setCurrentIndex(i);
      Visit(QStringLiteral("statistics-") + QString::number(i + 1), form, visit);
    }
  }
  {
    THiscoreForm form(flow.Players(), flow.GameIndex(), &window);
    Visit(QStringLiteral("hiscores"), form, visit);
  }
  {
    TUser_Form form(flow.Players(), 0, &window);
    Visit(QStringLiteral("players"), form, visit);
  }
  {
    PlayerEditor editor(flow.Players(), 0);
    const NameDialogText text = editor.AddDialogText();
    TEditPlayer_Form form(text.caption, text.label, text.preset, &window);
    Visit(QStringLiteral("add-player"), form, visit);
  }
  {
    TAboutBox box(&window);
    Visit(QStringLiteral("about"), box, visit);
  }
  {
    TDeckForm form(1, &window);
    Visit(QStringLiteral("deck"), form, visit);
  }
  {
    TPictureForm form(QStringLiteral("Wood1"), &window);
    Visit(QStringLiteral("background-picture"), form, visit);
  }
  {
    TEmptyColDlg dlg(&window);
    Visit(QStringLiteral("empty-column"), dlg, visit);
  }
  {
    TWinDlg dlg(GameTitle(flow.GameIndex()), &window);
    Visit(QStringLiteral("win"), dlg, visit);
  }
  {
    TAbandonDlg dlg(&window);
    Visit(QStringLiteral("abandon"), dlg, visit);
  }
  {
    // A message box as the program shows one, with Qt's standard buttons.
    QMessageBox box(QMessageBox::Question, PlayerEditor::DeleteCaption(),
                    PlayerEditor::DeleteQuestion(flow.Players().ActiveName()),
                    QMessageBox::Yes | QMessageBox::No, &window);
    Visit(QStringLiteral("message"), box, visit);
  }
  {
    // The help window's frame; the pages themselves are the help's.
    THelpWindow help(&window);
    help.ShowContents();
    Visit(QStringLiteral("help"), help, visit);
  }
  {
    TTray tray(&window);
    visit(QStringLiteral("tray-menu"), *tray.Menu());
  }
}
