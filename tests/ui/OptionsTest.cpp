// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog, the picture chooser and the card-back chooser through
// their logic, and the flows of the Options and Deck commands.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "platform/Modal.h"
#include "support/TableFixture.h"
#include "ui/DeckForm.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsDlg.h"
#include "ui/PictureForm.h"

namespace {

OptionsValues PictureValues() {
  OptionsValues v;
  v.PatternType = ptBuiltIn;
  v.PatternName = "Marble2";
  return v;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
  return path;
}

QByteArray BmpData(int w, int h, QRgb colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  QByteArray data;
  QBuffer buf(&data);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "BMP");
  return data;
}

}  // namespace

TEST(UiOptions, ColourAfterPictureSwitchesToColourAndKeepsTheNameForTheChooser) {
  OptionsModel m(PictureValues());
  m.ColorChosen(QColor(200, 0, 0));
  EXPECT_EQ(m.Values().PatternType, ptColor);
  EXPECT_EQ(m.Values().Color, QColor(200, 0, 0));
  EXPECT_EQ(m.Values().PatternName, "Marble2");
  EXPECT_EQ(m.PreviewState().PatternType, ptColor);
  // The chooser opens on the kept name.
  PictureChooserModel chooser(m.Values().PatternName);
  EXPECT_EQ(chooser.SelectedIndex(), 5);
  // A cancelled colour dialog changes nothing.
  m.ColorChosen(QColor());
  EXPECT_EQ(m.Values().Color, QColor(200, 0, 0));
}

TEST(UiOptions, FileGivesTypeTwoAndAListItemAfterwardsClearsIt) {
  OptionsModel m(OptionsValues{});
  m.PictureChosen("/pictures/table.jpg", "Wood1");
  EXPECT_EQ(m.Values().PatternType, ptFile);
  EXPECT_EQ(m.Values().PatternFile, "/pictures/table.jpg");
  m.PictureChosen("", "Cloth3");
  EXPECT_EQ(m.Values().PatternType, ptBuiltIn);
  EXPECT_EQ(m.Values().PatternFile, "");
  EXPECT_EQ(m.Values().PatternName, "Cloth3");
  EXPECT_EQ(m.PreviewState().PatternBitmap.size(), QSize(128, 128));
  // OK in the chooser with no item and no file keeps the previous choice.
  const OptionsValues before = m.Values();
  m.PictureChosen("", "");
  EXPECT_EQ(m.Values(), before);
}

TEST(UiOptions, CancelChangesNothingAndOkTakesEverythingAndReloads) {
  OptionsValues current;
  BackgroundState bg;
  OptionsValues chosen = current;
  chosen.Warnings = false;
  chosen.PlaySound = true;
  chosen.Tray = true;
  chosen.ShowEmpty = true;
  chosen.UndoOption = 1;
  chosen.Color = QColor(1, 2, 3);
  chosen.PatternType = ptBuiltIn;
  chosen.PatternName = "cloth2";

  ApplyOptionsResult(mrCancel, chosen, current, bg);
  EXPECT_EQ(current, OptionsValues{});
  EXPECT_EQ(bg.PatternType, ptColor);
  EXPECT_EQ(bg.Color, QColor(0, 128, 0));

  ApplyOptionsResult(mrOk, chosen, current, bg);
  EXPECT_EQ(current, chosen);
  EXPECT_EQ(bg.PatternType, ptBuiltIn);
  EXPECT_EQ(bg.PatternBitmap.size(), QSize(128, 128));
  EXPECT_EQ(bg.Color, QColor(1, 2, 3));
  EXPECT_FALSE(CardsOpaque(bg.PatternType));

  // A picture file that went bad: the colour, type 0, the path kept.
  chosen.PatternType = ptFile;
  chosen.PatternFile = "/no/such/picture.jpg";
  ApplyOptionsResult(mrOk, chosen, current, bg);
  EXPECT_EQ(current.PatternType, ptColor);
  EXPECT_EQ(current.PatternFile, "/no/such/picture.jpg");
  EXPECT_EQ(bg.PatternType, ptColor);
  EXPECT_TRUE(bg.PatternBitmap.isNull());
  EXPECT_TRUE(CardsOpaque(bg.PatternType));
}

TEST(UiOptions, DialogShowsTheValuesAndReadsTheControlsBack) {
  OptionsValues v;
  v.Warnings = false;
  v.Tray = true;
  v.UndoOption = 0;
  v.CardFaces = 2;
  TOptions dlg(v);
  EXPECT_FALSE(dlg.WEChk->isChecked());
  EXPECT_FALSE(dlg.Sound_CB->isChecked());
  EXPECT_TRUE(dlg.Tray_CB->isChecked());
  EXPECT_FALSE(dlg.Empty_Pile_CB->isChecked());
  EXPECT_TRUE(dlg.Undoredo_RG[0]->isChecked());
  EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
  EXPECT_EQ(dlg.WEChk->text(), "Display messages on illegal move");
  EXPECT_EQ(dlg.Undoredo_RG[1]->text(), "One move Undo/Redo");

  dlg.Sound_CB->setChecked(true);
  dlg.Empty_Pile_CB->setChecked(true);
  dlg.Undoredo_RG[2]->setChecked(true);
  // The cards' list shows the faces, and its preview follows the choice.
  EXPECT_EQ(dlg.Faces_CB->currentText(), "Four colours");
  const QImage fourColours = dlg.FacesPreview->pixmap().toImage();
  dlg.Faces_CB->setCurrentIndex(1);
  EXPECT_EQ(dlg.Faces_CB->currentText(), "Large print");
  EXPECT_NE(dlg.FacesPreview->pixmap().toImage(), fourColours);
  EXPECT_FALSE(fourColours.isNull());
  if (const char* out = getenv("WENLO_SHOT_DIR")) {  // for a person to look at
    dlg.PageControl1->setCurrentIndex(dlg.PageControl1->indexOf(dlg.Faces_CB->parentWidget()));
    dlg.show();
    QApplication::processEvents();
    dlg.grab().save(QString::fromLocal8Bit(out) + "/options-cards.png");
  }
  const OptionsValues out = dlg.Values();
  EXPECT_EQ(out.CardFaces, 1);
  EXPECT_FALSE(out.Warnings);
  EXPECT_TRUE(out.PlaySound);
  EXPECT_TRUE(out.Tray);
  EXPECT_TRUE(out.ShowEmpty);
  EXPECT_EQ(out.UndoOption, 2);

  // Through the modal seam, as the main window runs it.
  ScopedModalResponder answer([](const ModalRequest& r) -> std::optional<int> {
    if (r.kind == ModalRequest::Dialog && r.text == "Options") return mrCancel;
    return std::nullopt;
  });
  EXPECT_EQ(dlg.Execute(), mrCancel);
}

TEST(UiOptions, ColourAndPictureButtonsChangeTheChoiceAndThePreview) {
  TOptions dlg(PictureValues());
  EXPECT_FALSE(dlg.Image1->isHidden());
  dlg.RunColorDialog = [](QWidget*) { return QColor(0, 0, 160); };
  dlg.Color_BtnClick();
  EXPECT_EQ(dlg.Model().Values().PatternType, ptColor);
  EXPECT_TRUE(dlg.Image1->isHidden());
  EXPECT_EQ(dlg.Panel1->palette().color(QPalette::Window), QColor(0, 0, 160));

  TOptions::PictureAnswer answer;
  answer.result = mrCancel;
  answer.item = "Wood3";
  dlg.RunPictureForm = [&answer](QWidget*, const QString& name) {
    EXPECT_EQ(name, "Marble2");
    return answer;
  };
  dlg.Picture_BtnClick();
  EXPECT_EQ(dlg.Model().Values().PatternType, ptColor);

  answer.result = mrOk;
  dlg.Picture_BtnClick();
  EXPECT_EQ(dlg.Model().Values().PatternType, ptBuiltIn);
  EXPECT_EQ(dlg.Model().Values().PatternName, "Wood3");
  EXPECT_FALSE(dlg.Image1->isHidden());
  ASSERT_FALSE(dlg.Image1->pixmap().isNull());
  QImage wood;
  ASSERT_TRUE(LoadPatternResource(wood, "Wood3"));
  EXPECT_EQ(dlg.Image1->pixmap().toImage().pixel(10, 10), wood.pixel(10, 10));
}

TEST(UiOptions, CheckBoxesCarryTheirHelpContexts) {
  TOptions dlg(OptionsValues{});
  std::vector<int> asked;
  dlg.OnHelp = [&asked](int context) { asked.push_back(context); };
  for (QCheckBox* cb : {dlg.WEChk, dlg.Sound_CB, dlg.Tray_CB, dlg.Empty_Pile_CB}) {
    QEvent whatsThis(QEvent::WhatsThis);
    QApplication::sendEvent(cb, &whatsThis);
  }
  EXPECT_EQ(asked, (std::vector<int>{5, 6, 7, 8}));
  // F1 elsewhere carries no context, which the help filter drops.
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(&dlg, &f1);
  ASSERT_EQ(asked.size(), 5u);
  EXPECT_EQ(asked.back(), 0);
  EXPECT_FALSE(AppHelp(HELP_CONTEXTPOPUP, asked.back()));
  EXPECT_TRUE(AppHelp(HELP_CONTEXTPOPUP, asked.front()));
}

TEST(UiPictureChooser, OpensOnTheStoredNameInAnyCase) {
  PictureChooserModel m("marble2");
  EXPECT_EQ(m.SelectedIndex(), 5);
  EXPECT_EQ(m.SelectedText(), "Marble2");
  EXPECT_EQ(m.Preview().size(), QSize(240, 240));
  m.Select(8);
  EXPECT_EQ(m.SelectedText(), "Cloth2");
  EXPECT_EQ(m.Preview().size(), QSize(128, 128));

  PictureChooserModel none("Granite");
  EXPECT_EQ(none.SelectedIndex(), -1);
  EXPECT_EQ(none.SelectedText(), "");
  EXPECT_TRUE(none.Preview().isNull());
  none.Select(10);
  EXPECT_EQ(none.SelectedIndex(), -1);
  EXPECT_EQ(none.Items().size(), 10);
  EXPECT_EQ(none.Items().front(), "Wood1");
  EXPECT_EQ(none.Items().back(), "Cloth3");

  TPictureForm form("WOOD4");
  EXPECT_EQ(form.ListBox1->currentRow(), 3);
  form.ListBox1->setCurrentRow(6);
  EXPECT_EQ(form.SelectedText(), "Marble3");
  EXPECT_EQ(form.FileName(), "");
}

TEST(UiPictureChooser, UnreadableFileIsNotTakenAndAReadableOneClosesWithOk) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString bad = WriteFile(dir, "bad.jpg", QByteArray("\xFF\xD8\xFF\xE0 broken", 11));
  const QString good = WriteFile(dir, "good.bmp", BmpData(64, 32, qRgb(9, 99, 199)));
  TPictureForm form("Cloth1");
  QString answer = bad;
  form.RunFileDialog = [&answer](QWidget*) { return answer; };

  form.Button1Click();
  EXPECT_EQ(form.result(), 0);  // still open
  EXPECT_EQ(form.FileName(), "");
  EXPECT_FALSE(form.Model().FileError().isEmpty());
  EXPECT_EQ(form.SelectedText(), "Cloth1");

  answer.clear();  // the file dialog cancelled
  form.Button1Click();
  EXPECT_EQ(form.result(), 0);

  answer = good;
  form.Button1Click();
  EXPECT_EQ(form.result(), mrOk);
  EXPECT_EQ(form.FileName(), good);
  EXPECT_EQ(form.Model().Preview().size(), QSize(64, 32));

  // What the options dialog then makes of it.
  OptionsModel m(OptionsValues{});
  m.PictureChosen(form.FileName(), form.SelectedText());
  EXPECT_EQ(m.Values().PatternType, ptFile);
  EXPECT_EQ(m.PreviewState().PatternBitmap.pixel(0, 0), qRgb(9, 99, 199));
}

TEST(UiDeck, BacksMapToGridCellsAndBack) {
  EXPECT_EQ(DeckCellOfBack(1), QPoint(0, 0));
  EXPECT_EQ(DeckCellOfBack(6), QPoint(5, 0));
  EXPECT_EQ(DeckCellOfBack(7), QPoint(0, 1));
  EXPECT_EQ(DeckCellOfBack(12), QPoint(5, 1));
  EXPECT_EQ(DeckCellOfBack(0), QPoint(0, 0));
  EXPECT_EQ(DeckCellOfBack(13), QPoint(0, 0));
  for (int b = 1; b <= 12; ++b) {
    const QPoint c = DeckCellOfBack(b);
    EXPECT_EQ(BackOfDeckCell(c.x(), c.y()), b);
  }
  EXPECT_EQ(NewBackAfterDeckDialog(mrOk, 3, 3), std::nullopt);
  EXPECT_EQ(NewBackAfterDeckDialog(mrCancel, 3, 5), std::nullopt);
  EXPECT_EQ(NewBackAfterDeckDialog(mrOk, 3, 5), 5);
  EXPECT_EQ(NewBackAfterDeckDialog(mrOk, 3, 13), std::nullopt);
}

TEST(UiDeck, DialogOpensOnTheCurrentBackAndMovesWithKeysAndClicks) {
  TDeckForm form(8);
  EXPECT_EQ(form.DrawGrid1->Selected(), QPoint(1, 1));
  EXPECT_EQ(form.SelectedBack(), 8);
  auto key = [&form](Qt::Key k) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(form.DrawGrid1, &e);
  };
  key(Qt::Key_Right);
  EXPECT_EQ(form.SelectedBack(), 9);
  key(Qt::Key_Up);
  EXPECT_EQ(form.SelectedBack(), 3);
  key(Qt::Key_Up);  // stays in the grid
  EXPECT_EQ(form.SelectedBack(), 3);
  key(Qt::Key_End);
  EXPECT_EQ(form.SelectedBack(), 6);

  const QRect cell = form.DrawGrid1->CellRect(4, 1);
  EXPECT_EQ(form.DrawGrid1->CellAt(cell.center()), QPoint(4, 1));
  EXPECT_EQ(form.DrawGrid1->CellAt(QPoint(-3, 5)), QPoint(-1, -1));
  form.DrawGrid1->Select(form.DrawGrid1->CellAt(cell.center()));
  EXPECT_EQ(form.SelectedBack(), 11);

  TDeckForm outOfRange(40);
  EXPECT_EQ(outOfRange.SelectedBack(), 1);
}

class UiDeckTable : public TableFixture {};

TEST_F(UiDeckTable, AnotherBackReachesFaceDownCardsAtOnce) {
  TDeck* pile = Pile(100, 100, 20);
  Put(pile, {1, 2}, false);
  Put(pile, {3}, true);
  // The face-down card at the bottom shows a strip of 20 pixels.
  const QPoint strip(100 + 35, 100 + 10);
  EXPECT_EQ(form.Screen().pixel(strip), CardImages::Image(53).pixel(35, 10));

  EXPECT_EQ(ApplyCardBack(form, 7), 104);
  EXPECT_EQ(pool[1]->PictureIndex(), 59);
  EXPECT_EQ(pool[2]->PictureIndex(), 59);
  EXPECT_EQ(pool[3]->PictureIndex(), 3);  // face up: unchanged
  EXPECT_EQ(pool[104]->CardBack(), 7);
  EXPECT_EQ(form.Screen().pixel(strip), CardImages::Image(59).pixel(35, 10));
  EXPECT_NE(CardImages::Image(59).pixel(35, 10), CardImages::Image(53).pixel(35, 10));
  // Turned over later, a card shows the new back too.
  pool[3]->SetFace(false);
  EXPECT_EQ(pool[3]->PictureIndex(), 59);
}
