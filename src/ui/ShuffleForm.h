// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Select Shuffle": a game number from 1 to 2147483647, typed or picked from
// the recent numbers. Created once when the program starts and kept, so the
// last text survives between uses; the recent list is the one the main
// window's fresh deals also write into.
//
// The main window runs it through ExecDialog(form, mrOk) and, on OK, deals
// Number(). OK refuses a text that is no game number with the range message
// and keeps the dialog open.

#include <QApplication>
#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

#include "session/Shuffle.h"

class QComboBox;
class QLabel;
class QPushButton;

class TShuffle_Form : public QDialog {
  Q_OBJECT
 public:
  explicit TShuffle_Form(RecentShuffles& recent, QWidget* parent = nullptr);

  // The game number the box holds, or nothing when its text is not one
  // (only possible when the dialog was answered without its OK button).
  std::optional<uint32_t> Number() const;
  QString Text() const;

  // Handlers, as the controls call them.
  void FormShow();
  void Button1Click();
  // A character typed into the box: true when it may reach the box. Any
  // other character is dropped with a beep.
  bool Shuffle_CBKeyPress(QChar key);
  // The system beep for a dropped key (a test may count them instead).
  std::function<void()> Beep = [] { QApplication::beep(); };

  // Shows the recent numbers, the selected one in the box.
  void RefreshRecent();

  // What the solver says of the number in the box, shown under it: asked
  // whenever the box holds a game number, answered (perhaps later, from
  // another thread's work) through ShowJudgement. Never a filter: any
  // number may be dealt.
  std::function<void(uint32_t number)> JudgeNumber;
  void ShowJudgement(uint32_t number, const QString& text);
  void AskJudgement();

  QLabel* Label1;
  QComboBox* Shuffle_CB;
  QPushButton* Button1;
  QPushButton* Button2;
  QLabel* Grade_L;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  RecentShuffles& recent_;
};
