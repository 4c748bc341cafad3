// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbar: the commands a player uses most (New, Restart, Undo, Redo,
// Hint, Solve) and, at its right, the game's figures: the solver's verdict,
// the score, the moves made and the time of the game. It only shows: the
// window hands it the commands and tells it the figures.

#include <QString>
#include <QToolBar>
#include <functional>

class QLabel;
class TBoard;

// The moves made so far, as the history holds them up to the present: a
// group is one move, as is an entry outside any group.
int MovesMade(const TBoard& board);

class TGameToolbar : public QToolBar {
  Q_OBJECT
 public:
  explicit TGameToolbar(QWidget* parent = nullptr);

  // A command button; `run` is what pressing it does.
  QAction* AddCommand(const QString& text, const QString& tip, std::function<void()> run);
  // Ends the commands: the figures stand at the right from here.
  void AddFigures();

  // The figures; an empty text hides its field.
  void SetVerdict(const QString& text);
  void SetScore(const QString& text);
  void SetMoves(int moves);  // below 0: no game, no field
  void SetTime(const QString& text);

  // A figure's text as shown, empty while its field is hidden.
  QString Verdict() const { return Shown(verdict_); }
  QString Score() const { return Shown(score_); }
  QString Moves() const { return Shown(moves_); }
  QString Time() const { return Shown(time_); }

 private:
  // A field of the toolbar: its label and the action that shows it (a
  // toolbar shows and hides its widgets through their actions).
  struct Field {
    QLabel* label = nullptr;
    QAction* action = nullptr;
  };
  Field Figure(const QString& name);
  static void Show(const Field& field, const QString& text);
  static QString Shown(const Field& field);

  Field verdict_, score_, moves_, time_;
};
