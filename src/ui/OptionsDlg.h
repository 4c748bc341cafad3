// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog: the "Preferences" page (messages, sound, tray, empty
// piles, undo), the "Background" page (colour or picture), the "Play"
// page (the abandon question, the speed of the cards' slides) and the
// "Cards" page (the faces, with a preview). The values and
// the rules for changing them live in OptionsModel; TOptions is its window.

#include <QColor>
#include <QDialog>
#include <QString>
#include <functional>

#include "art/Background.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// Help contexts of the four check boxes.
constexpr int kHelpIllegalMoveMessages = 5;
constexpr int kHelpPlaySound = 6;
constexpr int kHelpTray = 7;
constexpr int kHelpEmptyPiles = 8;

// What the dialog edits: filled by the caller before it is shown, read back
// on OK.
struct OptionsValues {
  bool Warnings = true;       // WEChk (the board's WarnEnabled)
  bool PlaySound = false;     // Sound_CB (the board's MyPlaySound)
  bool Tray = false;          // Tray_CB
  bool ShowEmpty = false;     // Empty_Pile_CB (the board's ShowEmptyPiles)
  int UndoOption = 2;         // Undoredo_RG: 0 none, 1 one move, 2 multi-level
  bool Resume = true;         // Resume_CB: the game in progress comes back at start
  bool AskAbandon = true;     // Abandon_CB: ask before a started game counts as lost
  int AnimationSpeed = 2;     // Speed_CB: 0 off, 1 fast, 2 normal, 3 slow
  bool WinnableOnly = false;  // Winnable_CB: New Game deals only proven winnable numbers
  int WinnableGrade = 0;      // Grade_CB: 0 any, 1 Easy, 2 Medium, 3 Hard, 4 Expert
  int CardFaces = 0;          // Faces_CB: CardArt::FaceStyle
  QString Language;           // Language_CB: "" the system's, or a language code
  QColor Color = QColor(0, 128, 0);
  int PatternType = ptColor;
  QString PatternName = QStringLiteral("Wood1");
  QString PatternFile;
  bool operator==(const OptionsValues&) const = default;
};

class OptionsModel {
 public:
  explicit OptionsModel(const OptionsValues& initial) : values_(initial) {}

  OptionsValues& Values() { return values_; }
  const OptionsValues& Values() const { return values_; }

  // Color_BtnClick after the colour dialog answered OK: the plain colour.
  // The picture name and file stay for the next time a picture is chosen.
  void ColorChosen(const QColor& color);

  // Picture_BtnClick after the chooser answered OK with its file name (empty
  // when no file was chosen) and the text of its selected item (empty when
  // none). A file gives type 2; otherwise the item gives type 1 and clears the
  // file. With neither there is nothing to take: the choice stays as it was.
  void PictureChosen(const QString& file, const QString& item);

  // What the background page's preview shows: the picture of the current
  // choice, or the colour (also when the picture cannot be read, as the
  // table would then show the colour).
  BackgroundState PreviewState() const;

 private:
  OptionsValues values_;
};

// Options1Click after the dialog has closed with `result`. On OK the main
// window's values become the dialog's and the background is loaded again;
// a picture that cannot be loaded leaves the plain colour and type 0 (the
// name and file are kept). On any other result nothing changes. Either way
// the caller then re-applies the card opacity rule and repaints.
void ApplyOptionsResult(int result, const OptionsValues& chosen, OptionsValues& current,
                        BackgroundState& background);

class TOptions : public QDialog {
  Q_OBJECT
 public:
  explicit TOptions(const OptionsValues& values, QWidget* parent = nullptr);

  OptionsModel& Model() { return model_; }
  // The values as the controls show them now.
  OptionsValues Values();

  // Shows the dialog modally through the modal seam; mrOk or mrCancel.
  int Execute();

  // Asked with a help context (5..8, or 0 for controls without one) when the
  // player asks for help on a control: F1, or the "What's This?" help.
  std::function<void(int context)> OnHelp;
  // The colour dialog; answers the chosen colour or an invalid colour when
  // cancelled. Replaceable for the scripted driver and tests.
  std::function<QColor(QWidget* parent)> RunColorDialog;
  // The picture chooser: answers its result, file name and selected item.
  struct PictureAnswer {
    int result = 2;
    QString file;
    QString item;
  };
  std::function<PictureAnswer(QWidget* parent, const QString& patternName)> RunPictureForm;

  void Color_BtnClick();
  void Picture_BtnClick();
  void ShowPreview();
  // The "Cards" page's fan of cards in the faces the list shows now.
  void ShowFacesPreview();

  QTabWidget* PageControl1 = nullptr;
  QCheckBox* WEChk = nullptr;
  QCheckBox* Sound_CB = nullptr;
  QCheckBox* Tray_CB = nullptr;
  QCheckBox* Empty_Pile_CB = nullptr;
  QCheckBox* Resume_CB = nullptr;
  QCheckBox* Abandon_CB = nullptr;
  QComboBox* Speed_CB = nullptr;
  QCheckBox* Winnable_CB = nullptr;
  QComboBox* Grade_CB = nullptr;
  QComboBox* Faces_CB = nullptr;
  QLabel* FacesPreview = nullptr;
  QComboBox* Language_CB = nullptr;
  QRadioButton* Undoredo_RG[3] = {};
  QPushButton* Color_Btn = nullptr;
  QPushButton* Picture_Btn = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RequestHelp(QWidget* w);

  OptionsModel model_;
};

// The colour dialog the options dialog uses by default: it opens preset to
// green, as the table starts.
QColor RunTableColorDialog(QWidget* parent);
