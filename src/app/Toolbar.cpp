// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Toolbar.h"

#include <QAction>
#include <QLabel>
#include <QSizePolicy>

#include "cardtable/Board.h"

int MovesMade(const TBoard& board) {
  int moves = 0;
  bool inGroup = false;
  for (int i = 0; i <= board.HistoryIndex && i < int(board.History.size()); ++i) {
    const quint8 kind = board.History[size_t(i)].Kind;
    if (kind == kEntryBegin) {
      ++moves;
      inGroup = true;
    } else if (kind == kEntryEnd) {
      inGroup = false;
    } else if (!inGroup) {
      ++moves;
    }
  }
  return moves;
}

TGameToolbar::TGameToolbar(QWidget* parent) : QToolBar(tr("Toolbar"), parent) {
  setObjectName(QStringLiteral("GameToolbar"));
  setMovable(false);
  setFloatable(false);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  // Its own menu would offer to hide it where the Options menu does.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

QAction* TGameToolbar::AddCommand(const QString& text, const QString& tip,
                                  std::function<void()> run) {
  QAction* a = addAction(text);
  a->setToolTip(tip);
  connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
  return a;
}

void TGameToolbar::AddFigures() {
  auto* spacer = new QWidget(this);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  addWidget(spacer);
  verdict_ = Figure(QStringLiteral("Verdict"));
  score_ = Figure(QStringLiteral("Score"));
  moves_ = Figure(QStringLiteral("Moves"));
  time_ = Figure(QStringLiteral("Time"));
}

TGameToolbar::Field TGameToolbar::Figure(const QString& name) {
  Field f;
  f.label = new QLabel(this);
  f.label->setObjectName(name);
  f.label->setContentsMargins(10, 0, 10, 0);
  f.action = addWidget(f.label);
  f.action->setVisible(false);
  return f;
}

void TGameToolbar::Show(const Field& field, const QString& text) {
  if (!field.label) return;
  if (field.label->text() != text) field.label->setText(text);
  field.action->setVisible(!text.isEmpty());
}

QString TGameToolbar::Shown(const Field& field) {
  return field.action && field.action->isVisible() ? field.label->text() : QString();
}

void TGameToolbar::SetVerdict(const QString& text) {
  Show(verdict_, text);
}

void TGameToolbar::SetScore(const QString& text) {
  Show(score_, text);
}

void TGameToolbar::SetMoves(int moves) {
  Show(moves_, moves < 0 ? QString() : tr("Moves: %1").arg(moves));
}

void TGameToolbar::SetTime(const QString& text) {
  Show(time_, text.isEmpty() ? QString() : tr("Time: %1").arg(text));
}
