// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OptionsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

#include "art/FaceStyle.h"
#include "platform/Language.h"
#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"
#include "ui/PictureForm.h"

namespace {
const char* const kHelpProperty = "helpContext";
}

void OptionsModel::ColorChosen(const QColor& color) {
  if (!color.isValid()) return;
  values_.Color = color;
  values_.PatternType = ptColor;
}

void OptionsModel::PictureChosen(const QString& file, const QString& item) {
  if (!file.isEmpty()) {
    values_.PatternFile = file;
    values_.PatternType = ptFile;
  } else if (!item.isEmpty()) {
    values_.PatternFile.clear();
    values_.PatternType = ptBuiltIn;
    values_.PatternName = item;
  }
}

BackgroundState OptionsModel::PreviewState() const {
  BackgroundState state;
  state.Color = values_.Color;
  LoadBackground(state, values_.PatternType, values_.PatternName, values_.PatternFile);
  return state;
}

void ApplyOptionsResult(int result, const OptionsValues& chosen, OptionsValues& current,
                        BackgroundState& background) {
  if (result != mrOk) return;
  current = chosen;
  background.Color = chosen.Color.isValid() ? chosen.Color : QColor(0, 128, 0);
  current.PatternType =
      LoadBackground(background, chosen.PatternType, chosen.PatternName, chosen.PatternFile);
}

QColor RunTableColorDialog(QWidget* parent) {
  QColorDialog dlg(QColor(0, 128, 0), parent);
  if (ExecDialog(dlg, mrOk) != mrOk) return {};
  return dlg.currentColor();
}

// ---------------------------------------------------------------------------
TOptions::TOptions(const OptionsValues& values, QWidget* parent) : QDialog(parent), model_(values) {
  setWindowTitle(tr("Options"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  // The boxes are as wide as their longest texts need in the font in use;
  // the dialog grows by what they gain.
  const QFontMetrics fm(font());
  const int extraG =
      std::max(0, fm.horizontalAdvance(tr("Display messages on illegal move")) + 40 - 201);
  const int extraU = std::max(0, fm.horizontalAdvance(tr("One move Undo/Redo")) + 44 - 164);
  const int extra = extraG + extraU;
  setFixedSize(391 + extra, 296);
  RunColorDialog = RunTableColorDialog;
  RunPictureForm = [](QWidget* p, const QString& name) {
    TPictureForm form(name, p);
    PictureAnswer a;
    a.result = ExecDialog(form, mrOk);
    a.file = form.FileName();
    a.item = form.SelectedText();
    return a;
  };

  PageControl1 = new QTabWidget(this);
  PageControl1->setGeometry(5, 6, 381 + extra, 244);
  auto* prefs = new QWidget;
  auto* back = new QWidget;
  PageControl1->addTab(prefs, tr("Preferences"));
  PageControl1->addTab(back, tr("Background"));

  auto* general = new QGroupBox(tr("General"), prefs);
  general->setGeometry(1, 7, 201 + extraG, 140);
  auto check = [&](const QString& text, int y, int context, bool on) {
    auto* cb = new QCheckBox(text, general);
    cb->setGeometry(8, y, 190 + extraG, 22);
    cb->setChecked(on);
    cb->setProperty(kHelpProperty, context);
    cb->setWhatsThis(text);
    cb->installEventFilter(this);
    return cb;
  };
  WEChk =
      check(tr("Display messages on illegal move"), 18, kHelpIllegalMoveMessages, values.Warnings);
  Sound_CB = check(tr("Play sound"), 49, kHelpPlaySound, values.PlaySound);
  Tray_CB = check(tr("Minimize to Taskbar Tray"), 81, kHelpTray, values.Tray);
  Empty_Pile_CB = check(tr("Show empty tableau piles"), 112, kHelpEmptyPiles, values.ShowEmpty);

  auto* undo = new QGroupBox(tr("Undo/Redo"), prefs);
  undo->setGeometry(207 + extraG, 7, 164 + extraU, 140);
  auto* group = new QButtonGroup(undo);
  const QString items[3] = {tr("Disable Undo/Redo"), tr("One move Undo/Redo"), tr("Multi-Level")};
  for (int i = 0; i < 3; ++i) {
    Undoredo_RG[i] = new QRadioButton(items[i], undo);
    Undoredo_RG[i]->setGeometry(10, 22 + i * 36, 150 + extraU, 22);
    group->addButton(Undoredo_RG[i], i);
  }
  if (values.UndoOption >= 0 && values.UndoOption <= 2)
    Undoredo_RG[values.UndoOption]->setChecked(true);
  Resume_CB = new QCheckBox(tr("Continue the game in progress at start"), prefs);
  Resume_CB->setGeometry(9, 155, 360 + extra, 22);
  Resume_CB->setChecked(values.Resume);
  Resume_CB->setProperty(kHelpProperty, 0);
  Resume_CB->installEventFilter(this);
  Winnable_CB = new QCheckBox(tr("Deal only winnable games"), prefs);
  Winnable_CB->setGeometry(9, 183, 200 + extraG, 22);
  Winnable_CB->setChecked(values.WinnableOnly);
  Winnable_CB->setProperty(kHelpProperty, 0);
  Winnable_CB->installEventFilter(this);
  Grade_CB = new QComboBox(prefs);
  Grade_CB->setGeometry(214 + extraG, 183, 157 + extraU, 22);
  Grade_CB->addItems({tr("Winnable: any"), tr("Easy"), tr("Medium"), tr("Hard"), tr("Expert")});
  Grade_CB->setCurrentIndex(std::clamp(values.WinnableGrade, 0, 4));
  Grade_CB->setEnabled(values.WinnableOnly);
  connect(Winnable_CB, &QCheckBox::toggled, Grade_CB, &QComboBox::setEnabled);

  auto* play = new QWidget;
  PageControl1->addTab(play, tr("Play"));
  Abandon_CB = new QCheckBox(tr("Ask before a started game is abandoned"), play);
  Abandon_CB->setGeometry(9, 14, 360 + extra, 22);
  Abandon_CB->setChecked(values.AskAbandon);
  // The labels as wide as the longer of them needs, the boxes after them.
  const QString speedText = tr("&Animation speed:"), languageText = tr("&Language:");
  const int labelW = std::max({130, fm.horizontalAdvance(QString(speedText).remove('&')) + 12,
                               fm.horizontalAdvance(QString(languageText).remove('&')) + 12});
  auto* speedLabel = new QLabel(speedText, play);
  speedLabel->setGeometry(9, 50, labelW, 22);
  Speed_CB = new QComboBox(play);
  Speed_CB->setGeometry(10 + labelW, 50, 120, 24);
  Speed_CB->addItems({tr("Off"), tr("Fast"), tr("Normal"), tr("Slow")});
  Speed_CB->setCurrentIndex(qBound(0, values.AnimationSpeed, 3));
  speedLabel->setBuddy(Speed_CB);
  auto* languageLabel = new QLabel(languageText, play);
  languageLabel->setGeometry(9, 86, labelW, 22);
  Language_CB = new QComboBox(play);
  Language_CB->setGeometry(10 + labelW, 86, 120, 24);
  for (const Language::Choice& c : Language::Choices()) {
    Language_CB->addItem(c.name, c.code);
    if (c.code == values.Language) Language_CB->setCurrentIndex(Language_CB->count() - 1);
  }
  languageLabel->setBuddy(Language_CB);
  // Menus and dialogs are made once, in the language of the start.
  auto* languageNote = new QLabel(tr("A new language shows at the next start."), play);
  languageNote->setGeometry(9, 116, 360 + extra, 22);

  auto* cards = new QWidget;
  PageControl1->addTab(cards, tr("Cards"));
  auto* facesLabel = new QLabel(tr("Car&ds:"), cards);
  facesLabel->setGeometry(9, 14, 70, 22);
  Faces_CB = new QComboBox(cards);
  Faces_CB->setGeometry(80, 12, 180, 24);
  for (int i = 0; i < CardArt::kFaceStyleCount; ++i)
    Faces_CB->addItem(CardArt::FaceStyleName(CardArt::FaceStyle(i)));
  Faces_CB->setCurrentIndex(int(CardArt::FaceStyleFromInt(values.CardFaces)));
  facesLabel->setBuddy(Faces_CB);
  FacesPreview = new QLabel(cards);
  FacesPreview->setGeometry(9, 46, 360 + extra, 150);
  FacesPreview->setAccessibleName(tr("Preview of the cards"));
  connect(Faces_CB, &QComboBox::currentIndexChanged, this, [this] { ShowFacesPreview(); });

  Color_Btn = new QPushButton(tr("Set Color"), back);
  Color_Btn->setGeometry(35 + extra / 2, 56, 90, 25);
  Picture_Btn = new QPushButton(tr("Set Picture"), back);
  Picture_Btn->setGeometry(35 + extra / 2, 88, 90, 25);
  Panel1 = new QFrame(back);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setGeometry(160 + extra, 9, 204, 160);
  Panel1->setAutoFillBackground(true);
  Image1 = new QLabel(Panel1);
  Image1->setGeometry(1, 1, 202, 158);

  OkBtn = new QPushButton(tr("&OK"), this);
  OkBtn->setGeometry(227 + extra, 263, 75, 25);
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(tr("&Cancel"), this);
  CancelBtn->setGeometry(311 + extra, 263, 75, 25);

  connect(Color_Btn, &QPushButton::clicked, this, [this] { Color_BtnClick(); });
  connect(Picture_Btn, &QPushButton::clicked, this, [this] { Picture_BtnClick(); });
  connect(OkBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });

  PageControl1->setCurrentIndex(0);
  OkBtn->setFocus();
  ShowPreview();
  ShowFacesPreview();
}

OptionsValues TOptions::Values() {
  OptionsValues& v = model_.Values();
  v.Warnings = WEChk->isChecked();
  v.PlaySound = Sound_CB->isChecked();
  v.Tray = Tray_CB->isChecked();
  v.ShowEmpty = Empty_Pile_CB->isChecked();
  v.Resume = Resume_CB->isChecked();
  v.AskAbandon = Abandon_CB->isChecked();
  v.AnimationSpeed = Speed_CB->currentIndex();
  v.WinnableOnly = Winnable_CB->isChecked();
  v.WinnableGrade = Grade_CB->currentIndex();
  v.CardFaces = Faces_CB->currentIndex();
  v.Language = Language_CB->currentData().toString();
  for (int i = 0; i < 3; ++i)
    if (Undoredo_RG[i]->isChecked()) v.UndoOption = i;
  return v;
}

int TOptions::Execute() {
  return ExecDialog(*this, mrOk);
}

void TOptions::Color_BtnClick() {
  const QColor c = RunColorDialog ? RunColorDialog(this) : QColor();
  if (!c.isValid()) return;
  model_.ColorChosen(c);
  ShowPreview();
  ShowFacesPreview();  // the cards lie on the new colour
}

void TOptions::Picture_BtnClick() {
  if (!RunPictureForm) return;
  const PictureAnswer a = RunPictureForm(this, model_.Values().PatternName);
  if (a.result != mrOk) return;
  model_.PictureChosen(a.file, a.item);
  ShowPreview();
}

void TOptions::ShowPreview() {
  const BackgroundState state = model_.PreviewState();
  QPalette pal = Panel1->palette();
  if (state.PatternType == ptColor) {
    pal.setColor(QPalette::Window, state.Color);
    Image1->setPixmap(QPixmap());
    Image1->hide();
  } else {
    pal.setColor(QPalette::Window, palette().color(QPalette::Button));
    Image1->setPixmap(
        QPixmap::fromImage(RenderBackground(state, Image1->width(), Image1->height())));
    Image1->show();
  }
  Panel1->setPalette(pal);
}

void TOptions::ShowFacesPreview() {
  // Drawn at the screen's pixel ratio, so the preview is as sharp as the
  // table; on the table's colour, as the cards will lie.
  const qreal ratio = devicePixelRatioF();
  const QImage fan = CardArt::FacesPreview(CardArt::FaceStyleFromInt(Faces_CB->currentIndex()),
                                           FacesPreview->size(), model_.Values().Color, ratio);
  FacesPreview->setPixmap(QPixmap::fromImage(fan));
}

void TOptions::RequestHelp(QWidget* w) {
  int context = 0;
  for (QWidget* p = w; p && p != this; p = p->parentWidget()) {
    const QVariant v = p->property(kHelpProperty);
    if (v.isValid()) {
      context = v.toInt();
      break;
    }
  }
  if (OnHelp) OnHelp(context);
}

bool TOptions::eventFilter(QObject* watched, QEvent* event) {
  // The title-bar help (What's This?) on a check box opens its help topic.
  if (event->type() == QEvent::WhatsThis) {
    if (auto* w = qobject_cast<QWidget*>(watched)) {
      RequestHelp(w);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TOptions::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    RequestHelp(focusWidget());
    return;
  }
  QDialog::keyPressEvent(event);
}
