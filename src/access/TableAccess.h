// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table for a screen reader, through Qt's accessibility interfaces.
// The table is drawn into one widget, so the piles and cards are no widgets
// of their own: the table's interface lists them as children it makes up
// (each pile with its place and counts, its face-up cards by name), the
// keyboard's focus frame is the focus, and a last child, the announcement
// (role Notification, described as "Announcement"), carries each move, win
// and verdict in its name, changed as they happen: Qt 6.4 has no
// announcement event, so an assistive tool hears the name change.
//
// TTableAccess is the one owner of those made-up children: TMain_F keeps one
// for its table, and its end deletes them, so a screen reader never reaches
// a pile that is gone.

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

#include "access/TableWords.h"

class SurfaceWidget;
class TableHost;
class TKeyboardPlay;
class TCard;

class TTableAccess : public QObject, public QAccessible::ActivationObserver {
  Q_OBJECT
 public:
  TTableAccess(SurfaceWidget& surface, TableHost& host, TKeyboardPlay& keys);
  ~TTableAccess() override;

  // Makes Qt ask us for the interface of every table widget that has a
  // TTableAccess. Once per process, before the first widget is asked for.
  static void InstallFactory();

  // Which deal is on the table, as the caption names it.
  std::function<QString()> DealName;

  // Says `text` through the announcement child (a win, a verdict).
  void Announce(const QString& text);
  QString LastAnnouncement() const { return announcement_; }
  // Says a verdict of the solver, unless it is the one said last.
  void AnnounceVerdict(const QString& verdict);
  // Compares the table with its last look and announces what changed (a
  // move, a card turned, a card picked up, a new deal). Runs by itself a few
  // times a second while an assistive tool listens; tests call it.
  void Check();

  // The made-up children, for the table's interface (made when first asked
  // for, kept until this object ends).
  QAccessibleInterface* PileInterface(int deckId);
  QAccessibleInterface* CardInterface(const TCard* card);
  QAccessibleInterface* AnnouncementInterface();
  QAccessibleInterface* TableInterface() const;

  SurfaceWidget& Surface() const { return surface_; }
  TableHost& Host() const { return host_; }
  TKeyboardPlay& Keys() const { return keys_; }

  void accessibilityActiveChanged(bool active) override;

 signals:
  // Each text said, as it is said.
  void Announced(const QString& text);

 private:
  void FrameChanged();

  SurfaceWidget& surface_;
  TableHost& host_;
  TKeyboardPlay& keys_;
  QString announcement_;
  QString verdict_;
  TableWords::Snapshot last_;
  QTimer poll_;
  std::map<int, QAccessible::Id> piles_;
  std::map<const TCard*, QAccessible::Id> cards_;
  QAccessible::Id announcementId_ = 0;
};
