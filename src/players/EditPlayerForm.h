// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small name dialog of the player editor: a label, a name field of at
// most 20 characters, "OK" (the default button) and "Cancel".

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TEditPlayer_Form : public QDialog {
  Q_OBJECT
 public:
  TEditPlayer_Form(const QString& caption, const QString& label, const QString& preset,
                   QWidget* parent = nullptr);

  QString PlayerName() const;
  QLineEdit* NameEdit() const { return Name_Edit; }

 private:
  QLabel* Label1;
  QLineEdit* Name_Edit;
  QPushButton* OK_Btn;
  QPushButton* Cancel_Btn;
};
