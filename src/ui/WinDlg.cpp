// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WinDlg.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "art/WinArt.h"
#include "platform/Modal.h"

TWinDlg::TWinDlg(const QString& gameName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(gameName);
  setFixedSize(252, 107);
  auto* image = new QLabel(this);
  image->setGeometry(24, 24, 32, 32);
  image->setPixmap(QPixmap::fromImage(WinArt::WinIcon()));
  auto* label1 = new QLabel(tr("Congratulations!!!!"), this);
  QFont f1 = label1->font();
  f1.setPixelSize(13);
  f1.setBold(true);
  label1->setFont(f1);
  label1->move(76, 20);
  label1->adjustSize();
  auto* label2 = new QLabel(tr("Once more?"), this);
  QFont f2 = label2->font();
  f2.setPixelSize(11);
  label2->setFont(f2);
  label2->move(76, 44);
  label2->adjustSize();
  // A longer text in another language widens the dialog rather than being cut.
  const int textRight = std::max(label1->geometry().right(), label2->geometry().right());
  if (textRight + 16 > width()) setFixedSize(textRight + 16, height());
  auto* yes = new QPushButton(tr("&Yes"), this);
  yes->setGeometry(28, 72, 77, 26);
  yes->setDefault(true);
  yes->setFocus();
  auto* no = new QPushButton(tr("&No"), this);
  no->setGeometry(152, 72, 77, 26);
  connect(yes, &QPushButton::clicked, this, [this] { done(mrYes); });
  connect(no, &QPushButton::clicked, this, [this] { done(mrNo); });
}
