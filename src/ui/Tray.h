// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Minimising to the desktop's notification area: while the Tray option is on,
// minimising hides the window and shows an icon with the tip "Wenlo Solitaire
// Collection"; a double click on it, or its menu item "Show Wenlo Solitaire",
// brings the window back, and "E&xit" closes the main window (with the usual
// saving). Where the desktop has no notification area the window minimises
// normally.

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

class TTray : public QObject {
  Q_OBJECT
 public:
  explicit TTray(QWidget* window, QObject* parent = nullptr);
  ~TTray() override;

  // Whether the desktop has a notification area. The check can be replaced
  // (tests, or a desktop whose answer is known).
  bool Available() const;
  void SetAvailabilityCheck(std::function<bool()> check) { available_ = std::move(check); }

  // AppMinimize: with the option on and a notification area present, shows
  // the icon and hides the window. Returns whether the window went to the
  // tray; when it did not, the window stays minimised in the usual way.
  bool MinimizeToTray(bool trayOption);
  // AppRestore: removes the icon and shows the window again, in front.
  void Restore();
  // Removes the icon (at exit); harmless when it is not shown.
  void RemoveIcon();
  bool IconShown() const;

  QSystemTrayIcon* Icon() const { return icon_; }
  QMenu* Menu() const { return menu_.get(); }
  QAction* ShowWenloSolitaire1 = nullptr;
  QAction* Exit1 = nullptr;

  // Exit_MIClick of the main window; by default the window is closed.
  std::function<void()> OnExit;

 private:
  void Activated(QSystemTrayIcon::ActivationReason reason);

  QPointer<QWidget> window_;
  QSystemTrayIcon* icon_ = nullptr;
  std::unique_ptr<QMenu> menu_;
  std::function<bool()> available_;
};
