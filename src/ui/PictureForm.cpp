// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureForm.h"

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "art/Background.h"
#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"

PictureChooserModel::PictureChooserModel(const QString& patternName)
    : items_(BuiltInPatternNames()) {
  int match = -1;
  for (int i = 0; i < items_.size() && match < 0; ++i)
    if (items_[i].compare(patternName, Qt::CaseInsensitive) == 0) match = i;
  Select(match);
}

QString PictureChooserModel::SelectedText() const {
  return selected_ >= 0 ? items_[selected_] : QString();
}

void PictureChooserModel::Select(int index) {
  if (index < 0 || index >= items_.size()) {
    selected_ = -1;
    return;
  }
  selected_ = index;
  QImage img;
  preview_ = LoadPatternResource(img, items_[index]) ? img : QImage();
}

bool PictureChooserModel::ChooseFile(const QString& path) {
  QImage img;
  QString error;
  if (!LoadPictureFile(img, path, &error)) {
    fileError_ = error;
    return false;
  }
  fileError_.clear();
  fileName_ = path;
  preview_ = img;
  return true;
}

// ---------------------------------------------------------------------------
QString RunOpenPictureDialog(QWidget* parent) {
  QFileDialog dlg(
      parent, TPictureForm::tr("Open"), QString(),
      TPictureForm::tr("All (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)"));
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  if (ExecDialog(dlg, mrCancel) != mrOk) return {};
  return dlg.selectedFiles().value(0);
}

TPictureForm::TPictureForm(const QString& patternName, QWidget* parent)
    : QDialog(parent), model_(patternName) {
  setWindowTitle(tr("Select Background Picture"));
  setFixedSize(352, 222);
  RunFileDialog = RunOpenPictureDialog;

  // Two bevels frame the upper area: a raised one with a lowered one inside.
  auto* outer = new QFrame(this);
  outer->setFrameStyle(QFrame::Panel | QFrame::Raised);
  outer->setGeometry(2, 2, 349, 183);
  auto* inner = new QFrame(this);
  inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  inner->setGeometry(4, 4, 345, 179);

  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(8, 8, 161, 121);
  // The pictures keep their stored names ("Wood1"); the list says them in
  // the language in use ("Holz1").
  static const char* const kKinds[] = {QT_TR_NOOP("Wood"), QT_TR_NOOP("Marble"),
                                       QT_TR_NOOP("Cloth")};
  for (QString item : model_.Items()) {
    for (const char* kind : kKinds)
      if (item.startsWith(QLatin1String(kind))) item.replace(0, int(qstrlen(kind)), tr(kind));
    ListBox1->addItem(item);
  }

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setGeometry(184, 8, 161, 121);
  Image1 = new QLabel(panel);
  Image1->setGeometry(1, 1, 159, 119);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setWordWrap(true);

  Button1 = new QPushButton(tr("&Select File..."), this);
  Button1->setGeometry(9, 144, 162, 25);
  Btn_Ok = new QPushButton(tr("&OK"), this);
  Btn_Ok->setGeometry(184, 192, 75, 25);
  Btn_Ok->setDefault(true);
  Btn_Cancel = new QPushButton(tr("Cancel"), this);
  Btn_Cancel->setGeometry(272, 192, 75, 25);

  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int) { ListBox1Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Btn_Ok, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(Btn_Cancel, &QPushButton::clicked, this, [this] { done(mrCancel); });

  // FormShow: the current name selected and previewed.
  {
    const QSignalBlocker block(ListBox1);
    ListBox1->setCurrentRow(model_.SelectedIndex());
  }
  ShowPreview();
}

void TPictureForm::ListBox1Click() {
  model_.Select(ListBox1->currentRow());
  ShowPreview();
}

void TPictureForm::Button1Click() {
  const QString path = RunFileDialog ? RunFileDialog(this) : QString();
  if (path.isEmpty()) return;
  if (model_.ChooseFile(path)) {
    ShowPreview();
    done(mrOk);
    return;
  }
  Image1->setPixmap(QPixmap());
  Image1->setText(tr("This file cannot be shown as a picture."));
}

void TPictureForm::ShowPreview() {
  const QImage& pic = model_.Preview();
  if (pic.isNull()) {
    Image1->setPixmap(QPixmap());
    Image1->setText(QString());
    return;
  }
  // The preview shows the corner of the table as the picture would cover it.
  BackgroundState state;
  state.PatternType = ptFile;
  state.PatternBitmap = pic.convertToFormat(QImage::Format_RGB32);
  Image1->setPixmap(QPixmap::fromImage(RenderBackground(state, Image1->width(), Image1->height())));
}
