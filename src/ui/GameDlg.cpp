// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GameDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Messages.h"
#include "platform/Modal.h"
#include "players/UserForm.h"
#include "records/Catalogue.h"
#include "session/Previews.h"

namespace {

constexpr int kIndexRole = Qt::UserRole;

// The edit button's picture: a head and shoulders with a pencil across.
QIcon EditPlayersIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 50, 110), 1));
  p.setBrush(QColor(90, 130, 210));
  p.drawEllipse(QRectF(3, 1.5, 6, 6));
  QPainterPath body;
  body.moveTo(0.5, 14.5);
  body.cubicTo(0.5, 8.5, 11.5, 8.5, 11.5, 14.5);
  body.closeSubpath();
  p.drawPath(body);
  p.translate(11.5, 9);
  p.rotate(45);
  p.setPen(QPen(QColor(80, 50, 10), 1));
  p.setBrush(QColor(240, 190, 40));
  p.drawRect(QRectF(-1.6, -6, 3.2, 9));
  p.setBrush(QColor(250, 220, 180));
  QPolygonF tip;
  tip << QPointF(-1.6, 3) << QPointF(1.6, 3) << QPointF(0, 6);
  p.drawPolygon(tip);
  return QIcon(pm);
}

// The help button's picture: a question mark on a blue disc.
QIcon HelpIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 60, 140), 1));
  p.setBrush(QColor(60, 120, 210));
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(12);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
  return QIcon(pm);
}

}  // namespace

TGameDlg::TGameDlg(int gameIndex, AppSettings& settings, PlayerList& players, QWidget* parent)
    : QDialog(parent), settings_(settings), players_(players), gameIndex_(gameIndex) {
  setWindowTitle(tr("Select Solitaire"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(528, 317);

  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(3, 19, 523, 257);

  ListView1 = new QTreeWidget(this);
  ListView1->setGeometry(8, 24, 329, 246);
  ListView1->setColumnCount(3);
  ListView1->setHeaderLabels({GameListModel::GameColumn(), GameListModel::DifficultyColumn(),
                              GameListModel::DecksColumn()});
  ListView1->setRootIsDecorated(false);
  ListView1->setItemsExpandable(false);
  ListView1->setUniformRowHeights(true);
  ListView1->setAllColumnsShowFocus(true);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setSortingEnabled(false);
  ListView1->header()->setSectionsClickable(true);
  ListView1->header()->setSectionsMovable(false);
  ListView1->header()->setStretchLastSection(false);
  // The chosen game stays marked while the player box or a button has focus.
  QPalette pal = ListView1->palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight,
               pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
               pal.color(QPalette::Active, QPalette::HighlightedText));
  ListView1->setPalette(pal);

  Bevel2 = new QFrame(this);
  Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel2->setGeometry(341, 24, 180, 26);

  Label2 = new QLabel(tr("Player"), this);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int labelW = Label2->sizeHint().width();
  Label2->setGeometry(347, 26, labelW, 22);

  // The box starts at 385 unless the label's font needs more room; it always
  // ends next to the edit button.
  Player_CB = new QComboBox(this);
  Player_CB->setEditable(false);
  const int boxLeft = std::max(385, 347 + labelW + 4);
  Player_CB->setGeometry(boxLeft, 26, 495 - boxLeft, 22);
  Label2->setBuddy(Player_CB);

  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setGeometry(497, 27, 21, 20);
  SpeedButton1->setIcon(EditPlayersIcon());
  SpeedButton1->setToolTip(tr("Edit player list"));
  SpeedButton1->setAutoRaise(false);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);

  Panel1 = new QFrame(this);
  Panel1->setGeometry(341, 53, 180, 137);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setAutoFillBackground(true);
  QPalette green = Panel1->palette();
  green.setColor(QPalette::Window, QColor(0, 128, 0));
  Panel1->setPalette(green);
  Game_Image = new QLabel(Panel1);
  Game_Image->setAlignment(Qt::AlignCenter);
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(1, 1, 1, 1);
  panelLayout->addWidget(Game_Image);

  Ap_RG = new QGroupBox(tr("AutoPlay"), this);
  Ap_RG->setGeometry(341, 193, 180, 77);
  Ap_Group = new QButtonGroup(this);
  auto* apLayout = new QVBoxLayout(Ap_RG);
  apLayout->setContentsMargins(10, 4, 10, 6);
  apLayout->setSpacing(0);
  const QString items[] = {tr("On"), tr("Off")};
  for (int i = 0; i < 2; ++i) {
    auto* radio = new QRadioButton(items[i], Ap_RG);
    Ap_Group->addButton(radio, i);
    apLayout->addWidget(radio);
  }
  Ap_RG->hide();

  Button1 = new QPushButton(tr("&OK"), this);
  Button1->setGeometry(265, 284, 75, 27);
  Button1->setDefault(true);
  Button2 = new QPushButton(tr("&Cancel"), this);
  Button2->setGeometry(356, 284, 75, 27);
  Button2->setAutoDefault(false);
  HelpBtn = new QPushButton(HelpIcon(), tr("&Help"), this);
  HelpBtn->setGeometry(446, 284, 77, 27);
  HelpBtn->setAutoDefault(false);

  setTabOrder(ListView1, Player_CB);
  setTabOrder(Player_CB, Ap_RG);
  setTabOrder(Ap_RG, Button1);
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, HelpBtn);

  connect(ListView1->header(), &QHeaderView::sectionClicked, this, &TGameDlg::ListView1ColumnClick);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TGameDlg::ListView1Change);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1DblClick(); });
  connect(Ap_Group, &QButtonGroup::idClicked, this, &TGameDlg::RadioGroup1Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TGameDlg::SpeedButton1Click);
  connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });
  connect(HelpBtn, &QPushButton::clicked, this, &TGameDlg::HelpBtnClick);

  FillList(gameIndex_);
  // Name and difficulty columns as wide as their longest text, with air.
  for (int c = 0; c < 2; ++c) {
    ListView1->resizeColumnToContents(c);
    ListView1->setColumnWidth(c, ListView1->columnWidth(c) + 6);
  }
  // The packs column: narrow, but never narrower than its header.
  ListView1->setColumnWidth(2, std::max(50, ListView1->header()->fontMetrics().horizontalAdvance(
                                                GameListModel::DecksColumn()) +
                                                16));
  FillPlayers();
  ListView1->setFocus();
}

TGameDlg::~TGameDlg() {
  ReleaseGamePreviews();  // the pictures are kept only while the dialog is open
}

void TGameDlg::FillList(int selectGame) {
  {
    const QSignalBlocker block(ListView1);
    ListView1->clear();
    for (const GameListRow& row : model_.Rows()) {
      auto* item = new QTreeWidgetItem(ListView1, {row.name, row.difficulty, row.packs});
      item->setData(0, kIndexRole, row.index);
    }
  }
  const int r = model_.RowOfGame(selectGame);
  if (r >= 0) ListView1->setCurrentItem(ListView1->topLevelItem(r));
}

void TGameDlg::FillPlayers() {
  const QSignalBlocker block(Player_CB);
  Player_CB->clear();
  Player_CB->addItems(players_.Names());
  Player_CB->setCurrentIndex(players_.IsIndex(players_.ActivePlayer()) ? players_.ActivePlayer()
                                                                       : -1);
}

int TGameDlg::SelectedRowGame() const {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  if (selected.isEmpty()) return -1;
  return selected.first()->data(0, kIndexRole).toInt();
}

int TGameDlg::SelectedGame() const {
  const int game = SelectedRowGame();
  return game >= 0 ? game : gameIndex_;
}

void TGameDlg::SelectGame(int index) {
  const int r = model_.RowOfGame(index);
  if (r >= 0) ListView1->setCurrentItem(ListView1->topLevelItem(r));
}

void TGameDlg::ListView1ColumnClick(int column) {
  const QString caption = ListView1->headerItem()->text(column);
  if (!model_.ColumnClick(caption)) return;
  const int selected = SelectedRowGame();
  FillList(selected);
  if (selected < 0) ListView1->clearSelection();
  ScrollToSelection();
}

void TGameDlg::ListView1Change() {
  int game = SelectedRowGame();
  if (game < 0) return;
  ProcessMessages();
  // A newer selection may have been handled while messages ran.
  if (SelectedRowGame() != game) return;
  Game_Image->setPixmap(QPixmap::fromImage(GamePreview(game)));
  if (HasAutoPlayOption(game)) {
    const int value = settings_.GameOptions[size_t(game)].AutoPlay;
    if (QAbstractButton* b = Ap_Group->button(value)) {
      b->setChecked(true);
    } else {
      // A stored value that is neither On nor Off shows no choice.
      Ap_Group->setExclusive(false);
      for (QAbstractButton* other : Ap_Group->buttons())
        other->setChecked(false);
      Ap_Group->setExclusive(true);
    }
    Ap_RG->show();
  } else {
    Ap_RG->hide();
  }
}

void TGameDlg::RadioGroup1Click(int item) {
  const int game = SelectedRowGame();
  if (game < 0 || (item != 0 && item != 1)) return;
  settings_.GameOptions[size_t(game)].AutoPlay = int16_t(item);
}

void TGameDlg::ListView1DblClick() {
  done(mrOk);
}

void TGameDlg::SpeedButton1Click() {
  TUser_Form::Execute(players_, Player_CB->currentIndex(), this);
  FillPlayers();
}

void TGameDlg::FormClose() {
  const int chosen = Player_CB->currentIndex();
  if (players_.IsIndex(chosen)) players_.SetActivePlayer(chosen);
}

void TGameDlg::HelpBtnClick() {
  if (OnHelp) OnHelp(kHelpContext);
}

void TGameDlg::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TGameDlg::ScrollToSelection() {
  QTreeWidgetItem* current = ListView1->currentItem();
  if (!current || !current->isSelected()) return;
  ListView1->scrollToItem(current);
  // Show the row after it too, so the choice never sits on the last line.
  const int r = ListView1->indexOfTopLevelItem(current);
  if (r < ListView1->topLevelItemCount() - 1)
    ListView1->scrollToItem(ListView1->topLevelItem(r + 1));
}

void TGameDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  // The list has its final size only once shown: scroll after that.
  QMetaObject::invokeMethod(this, &TGameDlg::ScrollToSelection, Qt::QueuedConnection);
}
