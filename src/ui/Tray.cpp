// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Tray.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

#include "art/WinArt.h"

TTray::TTray(QWidget* window, QObject* parent) : QObject(parent), window_(window) {
  available_ = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
  menu_ = std::make_unique<QMenu>();
  ShowWenloSolitaire1 = menu_->addAction(tr("Show Wenlo Solitaire"));
  QFont bold = ShowWenloSolitaire1->font();
  bold.setBold(true);
  ShowWenloSolitaire1->setFont(bold);
  menu_->setDefaultAction(ShowWenloSolitaire1);
  menu_->addSeparator();
  Exit1 = menu_->addAction(tr("E&xit"));

  icon_ = new QSystemTrayIcon(this);
  QIcon appIcon = window_ && !window_->windowIcon().isNull()
                      ? window_->windowIcon()
                      : QIcon(QPixmap::fromImage(WinArt::AppIcon()));
  icon_->setIcon(appIcon);
  icon_->setToolTip("Wenlo Solitaire Collection");
  icon_->setContextMenu(menu_.get());

  connect(ShowWenloSolitaire1, &QAction::triggered, this, [this] { Restore(); });
  connect(Exit1, &QAction::triggered, this, [this] {
    // The window must be visible again for its close to run the usual exit.
    Restore();
    if (OnExit)
      OnExit();
    else if (window_)
      window_->close();
  });
  connect(icon_, &QSystemTrayIcon::activated, this, &TTray::Activated);
}

TTray::~TTray() {
  RemoveIcon();
}

bool TTray::Available() const {
  return available_ && available_();
}

bool TTray::MinimizeToTray(bool trayOption) {
  if (!trayOption || !window_ || !Available()) return false;
  icon_->show();
  window_->hide();
  return true;
}

void TTray::Restore() {
  icon_->hide();
  if (!window_) return;
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

void TTray::RemoveIcon() {
  if (icon_) icon_->hide();
}

bool TTray::IconShown() const {
  return icon_ && icon_->isVisible();
}

void TTray::Activated(QSystemTrayIcon::ActivationReason reason) {
  // The context menu opens by itself on a right click.
  if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) Restore();
}
