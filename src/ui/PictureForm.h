// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The background picture chooser "Select Background Picture": one of the
// built-in pictures from the list, or a picture file. Its logic lives in
// PictureChooserModel so tests drive it without a window.

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

class PictureChooserModel {
 public:
  // FormShow: the list item whose text equals the pattern name (any case, as
  // list look-ups go) is selected, or none.
  explicit PictureChooserModel(const QString& patternName);

  const QStringList& Items() const { return items_; }
  int SelectedIndex() const { return selected_; }
  // Text of the selected item, empty when none is selected.
  QString SelectedText() const;
  // ListBox1Click: selects an item and loads its picture for the preview.
  // An index outside the list selects nothing.
  void Select(int index);

  // Button1Click after the file dialog: the file is read for the preview.
  // True when it is a readable picture; then it is the chooser's file name
  // and the chooser closes with OK. A file that cannot be read is not taken
  // (the previous file name and preview stay) and the chooser stays open.
  bool ChooseFile(const QString& path);
  QString FileName() const { return fileName_; }
  // Why the last file could not be used, for the preview caption.
  QString FileError() const { return fileError_; }

  // The picture of the current choice at its own size; null when none.
  const QImage& Preview() const { return preview_; }

 private:
  QStringList items_;
  int selected_ = -1;
  QString fileName_;
  QString fileError_;
  QImage preview_;
};

class TPictureForm : public QDialog {
  Q_OBJECT
 public:
  TPictureForm(const QString& patternName, QWidget* parent = nullptr);

  PictureChooserModel& Model() { return model_; }
  QString FileName() const { return model_.FileName(); }
  QString SelectedText() const { return model_.SelectedText(); }

  // Runs the open-picture dialog and answers the chosen path (empty when the
  // player cancelled). Replaceable so the scripted driver and tests can
  // answer it.
  std::function<QString(QWidget* parent)> RunFileDialog;

  void ListBox1Click();
  void Button1Click();

  QListWidget* ListBox1 = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Btn_Ok = nullptr;
  QPushButton* Btn_Cancel = nullptr;

 private:
  void ShowPreview();

  PictureChooserModel model_;
};

// The file dialog the chooser uses by default (through the modal seam).
QString RunOpenPictureDialog(QWidget* parent);
