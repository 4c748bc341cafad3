// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/StatForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableWidget>
#include <algorithm>

#include "history/HistoryDb.h"
#include "platform/Modal.h"
#include "platform/SafeFile.h"
#include "platform/qt/ModalQt.h"
#include "players/HiscoreForm.h"
#include "players/HistoryPages.h"
#include "records/Catalogue.h"

QString TStatForm::ClearQuestion() {
  return tr("Are you sure you want to clear your statistics?");
}
QString TStatForm::ClearCaption() {
  return tr("Clear Statistics");
}

void TPlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, Qt::white);
  const QVariant font = index.data(Qt::FontRole);
  painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
  painter->setPen(Qt::black);
  painter->drawText(option.rect.adjusted(2, 2, 0, 0),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

namespace {

// Tabs of a fixed width, as wide as the layout asks.
class FixedTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;
  int tabWidth = 100;

 protected:
  QSize tabSizeHint(int index) const override {
    return QSize(tabWidth, QTabBar::tabSizeHint(index).height());
  }
};

// Clearing cannot be undone, so Enter must answer No. The seam's message box
// always defaults to its first button; when no responder answers, ask with
// our own box instead.
int AskClearStatistics(QWidget* parent) {
  if (CurrentModalResponder() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
    return ShowMessage(TStatForm::ClearQuestion(), TStatForm::ClearCaption(), MsgIcon::Question,
                       MsgButtons::YesNo);
  QMessageBox box(QMessageBox::Question, TStatForm::ClearCaption(), TStatForm::ClearQuestion(),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? mrYes : mrNo;
}

constexpr int kVisibleRows = 16;

}  // namespace

QString TStatForm::CaptionFor(const QString& playerName) {
  return tr("Statistics for player '%1'").arg(playerName);
}

TStatForm::TStatForm(PlayerList& players, int currentGame, int& statState, QWidget* parent)
    : QDialog(parent),
      players_(players),
      currentGame_(currentGame),
      statState_(statState),
      viewed_(players.IsIndex(players.ActivePlayer()) ? players.ActivePlayer() : 0) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(CaptionFor(players_.IsIndex(viewed_) ? players_.Name(viewed_) : QString()));

  auto* tabs = new FixedTabBar(this);
  TabControl1 = tabs;
  TabControl1->addTab(tr("All records"));
  TabControl1->addTab(tr("Filled records"));
  TabControl1->addTab(tr("Per game"));
  TabControl1->addTab(tr("History"));
  TabControl1->addTab(tr("Progress"));
  TabControl1->setDrawBase(false);
  TabControl1->setExpanding(false);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

  Hint_L = new QLabel(tr("Click appropriate column header button to sort"), Panel1);

  Statistics_SG = new QTableWidget(0, StatsTable::ColumnCount, Panel1);
  Statistics_SG->setHorizontalHeaderLabels(StatsTable::Headers());
  Statistics_SG->verticalHeader()->hide();
  Statistics_SG->setSelectionMode(QAbstractItemView::NoSelection);
  Statistics_SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Statistics_SG->setFocusPolicy(Qt::NoFocus);
  Statistics_SG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Statistics_SG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Statistics_SG->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  Statistics_SG->setItemDelegate(new TPlainCellDelegate(Statistics_SG));
  Statistics_SG->setWordWrap(false);
  QHeaderView* header = Statistics_SG->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setHighlightSections(false);

  Summary_P = new TSummaryPage(this);
  History_P = new THistoryPage(this);
  Progress_P = new TProgressPage(this);
  History_P->OnReplay = [this](const GameRecord& r) {
    replay_ = std::pair{r.Game, r.Number};
    done(mrOk);
  };
  History_P->OnExport = [this] { ExportClick(); };
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [this] {
    if (OnHelp) OnHelp(kHelpContext);
  });

  Player_L = new QLabel(tr("Player"), this);
  Player_CB = new QComboBox(this);
  Player_CB->addItems(players_.Names());
  Player_CB->setCurrentIndex(players_.IsIndex(viewed_) ? viewed_ : -1);
  Player_L->setBuddy(Player_CB);
  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  Ok_Btn = new QPushButton(tr("&Ok"), this);
  Ok_Btn->setDefault(true);
  Hiscore_Btn = new QPushButton(tr("&Hi-Scores..."), this);
  Hiscore_Btn->setAutoDefault(false);
  Clear_Btn = new QPushButton(tr("&Clear statistics..."), this);
  Clear_Btn->setAutoDefault(false);

  connect(header, &QHeaderView::sectionClicked, this, &TStatForm::HeaderClick);
  connect(Player_CB, &QComboBox::currentIndexChanged, this, &TStatForm::Player_CBChange);
  connect(TabControl1, &QTabBar::currentChanged, this, &TStatForm::TabControl1Change);
  connect(Ok_Btn, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(Hiscore_Btn, &QPushButton::clicked, this, &TStatForm::HiscoreBtnClick);
  connect(Clear_Btn, &QPushButton::clicked, this, &TStatForm::ClearBtnClick);

  {
    const QSignalBlocker block(TabControl1);
    TabControl1->setCurrentIndex(statState_ == 1 ? 1 : 0);
  }
  FillGrid();
  ShowPage();
}

bool TStatForm::FilledOnly() const {
  return TabControl1->currentIndex() == 1;
}

void TStatForm::ApplyLayout() {
  const QFontMetrics fm(Statistics_SG->font());
  const int rowHeight = fm.height() + 4;
  const int gridLine = Statistics_SG->showGrid() ? 1 : 0;
  // Each column as wide as its header needs in the language in use, and at
  // least as wide as the English header needed.
  const QStringList h = StatsTable::Headers();
  const auto wide = [&](const char* sample, const QString& text) {
    return std::max(fm.horizontalAdvance(QLatin1String(sample)),
                    fm.horizontalAdvance(QStringLiteral("LL") + text + QStringLiteral("L")));
  };
  const int totalW =
      std::max({wide("LTotalL", h[1]), wide("LTotalL", h[2]), wide("LTotalL", h[3])});
  const int percentW = wide("LPercentL", h[4]);
  const int averageW = std::max(wide("LAverageLLL", h[5]), wide("LAverageLLL", h[6]));
  const int widths[StatsTable::ColumnCount] = {fm.horizontalAdvance(LongestGameTitle()) + 20,
                                               totalW,
                                               totalW,
                                               totalW,
                                               percentW,
                                               averageW,
                                               averageW};
  int sections = 0;
  QHeaderView* header = Statistics_SG->horizontalHeader();
  header->setMinimumSectionSize(1);
  for (int c = 0; c < StatsTable::ColumnCount; ++c) {
    Statistics_SG->setColumnWidth(c, widths[c] + gridLine);
    sections += widths[c] + gridLine;
  }
  Statistics_SG->verticalHeader()->setMinimumSectionSize(1);
  Statistics_SG->verticalHeader()->setDefaultSectionSize(rowHeight);
  header->setFixedHeight(rowHeight + 4);

  const int panelW = sections + 20;
  const int buttonW = std::max(
      75, QFontMetrics(Clear_Btn->font()).horizontalAdvance(Clear_Btn->text().remove('&')) + 16);
  const int formW = panelW + buttonW + 34;
  const int tabW = panelW + 14;
  static_cast<FixedTabBar*>(TabControl1)->tabWidth = tabW / TabControl1->count() - 2;

  const int margin = 4;
  TabControl1->setGeometry(margin, margin, tabW, TabControl1->sizeHint().height());
  const int panelTop = TabControl1->geometry().bottom() + 1;
  const int hintH = QFontMetrics(Hint_L->font()).height() + 8;
  const int gridH = header->height() + kVisibleRows * rowHeight + 2;
  Panel1->setGeometry(margin, panelTop, tabW, hintH + gridH + 14);
  Hint_L->setGeometry(7, 4, panelW, hintH);
  Statistics_SG->setGeometry(7, 4 + hintH, panelW, gridH);
  // The history's tabs take the panel's place.
  const QRect page = Panel1->geometry().adjusted(4, 4, -4, -4);
  for (QWidget* p : {static_cast<QWidget*>(Summary_P), static_cast<QWidget*>(History_P),
                     static_cast<QWidget*>(Progress_P)})
    p->setGeometry(page);

  const int right = formW - 12 - buttonW;
  const int labelH = QFontMetrics(Player_L->font()).height();
  Player_L->setGeometry(right, panelTop, buttonW, labelH);
  Player_CB->setGeometry(right, Player_L->geometry().bottom() + 3, buttonW,
                         Player_CB->sizeHint().height());
  Bevel1->setGeometry(right, Player_CB->geometry().bottom() + 10, buttonW, 2);
  const int buttonH = 25;
  Ok_Btn->setGeometry(right, Bevel1->geometry().bottom() + 10, buttonW, buttonH);
  Hiscore_Btn->setGeometry(right, Ok_Btn->geometry().bottom() + 7, buttonW, buttonH);
  Clear_Btn->setGeometry(right, Hiscore_Btn->geometry().bottom() + 7, buttonW, buttonH);
  // Long names still show whole in the open list.
  int longest = 0;
  for (const QString& name : players_.Names())
    longest = std::max(longest, QFontMetrics(Player_CB->font()).horizontalAdvance(name));
  Player_CB->view()->setMinimumWidth(longest + 30);
  setFixedSize(formW, Panel1->geometry().bottom() + 1 + margin + 4);
}

void TStatForm::FillGrid() {
  if (players_.IsIndex(viewed_)) {
    table_.Fill(players_.Stats(viewed_), FilledOnly());
  } else {
    table_.Fill(TPlayerStats{}, FilledOnly());
  }
  ApplyLayout();
  Statistics_SG->setRowCount(table_.RowCount());
  RefreshCells();
}

void TStatForm::HeaderClick(int column) {
  table_.SortByColumn(column);
  RefreshCells();
}

void TStatForm::RefreshCells() {
  const QString currentName = GameTitle(currentGame_);
  const QFont regular = Statistics_SG->font();
  QFont bold = regular;
  bold.setBold(true);
  for (int r = 0; r < table_.RowCount(); ++r) {
    const bool isCurrent =
        !currentName.isEmpty() && table_.Text(r, StatsTable::Game) == currentName;
    for (int c = 0; c < StatsTable::ColumnCount; ++c) {
      QTableWidgetItem* item = Statistics_SG->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled);
        Statistics_SG->setItem(r, c, item);
      }
      item->setText(table_.DisplayText(r, c));
      item->setFont(isCurrent ? bold : regular);
    }
  }
}

void TStatForm::Player_CBChange(int index) {
  if (!players_.IsIndex(index)) return;
  viewed_ = index;
  setWindowTitle(CaptionFor(players_.Name(index)));
  rows_.reset();
  FillGrid();
  ShowPage();
}

void TStatForm::TabControl1Change(int) {
  if (TabControl1->currentIndex() <= FilledRecordsTab) FillGrid();
  ShowPage();
}

void TStatForm::ShowPage() {
  const int tab = TabControl1->currentIndex();
  Panel1->setVisible(tab <= FilledRecordsTab);
  Summary_P->setVisible(tab == PerGameTab);
  History_P->setVisible(tab == HistoryTab);
  Progress_P->setVisible(tab == ProgressTab);
  if (tab <= FilledRecordsTab) return;
  // Read on first sight: the counters' tabs open without touching the
  // history, however long it is.
  const bool fresh = !rows_;
  const HistoryRows& rows = Rows();
  if (fresh) {
    Summary_P->SetRows(rows);
    History_P->SetRows(rows);
    Progress_P->SetRows(rows);
  }
}

const HistoryRows& TStatForm::Rows() {
  if (rows_) return rows_;
  auto rows = std::make_shared<std::vector<GameRecord>>();
  if (history_ && players_.IsIndex(viewed_)) {
    QString reason;
    if (auto read = history_->Rows(players_.Name(viewed_), &reason)) {
      *rows = std::move(*read);
    } else {
      ShowMessage(tr("The game history %1 cannot be read: %2").arg(history_->Path(), reason),
                  QStringLiteral("Wenlo Solitaire Collection"), MsgIcon::Warning);
    }
    const QString notice = history_->TakeNotice();
    if (!notice.isEmpty())
      ShowMessage(history_->Path() + QLatin1Char(' ') + notice,
                  QStringLiteral("Wenlo Solitaire Collection"), MsgIcon::Warning);
  }
  rows_ = std::move(rows);
  return rows_;
}

bool TStatForm::ExportCsv(const QString& path, QString* reason) {
  SafeFileWriter writer(path);
  if (writer.Write(HistoryCsv(*Rows()))) return true;
  if (reason) *reason = writer.Reason();
  return false;
}

void TStatForm::ExportClick() {
  const QString name = players_.IsIndex(viewed_) ? players_.Name(viewed_) : QString();
  const QString path = QFileDialog::getSaveFileName(this, tr("Export history"),
                                                    QStringLiteral("history-%1.csv").arg(name),
                                                    tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  QString reason;
  if (!ExportCsv(path, &reason))
    ShowMessage(tr("The history could not be written to %1: %2").arg(path, reason),
                QStringLiteral("Wenlo Solitaire Collection"), MsgIcon::Warning);
}

void TStatForm::ClearBtnClick() {
  if (!players_.IsIndex(viewed_)) return;
  if (AskClearStatistics(this) != mrYes) return;
  for (TGameStats& record : players_.Stats(viewed_).Games) {
    record.Won = 0;
    record.Lost = 0;
    record.TotalScore = 0;
  }
  FillGrid();
}

void TStatForm::HiscoreBtnClick() {
  THiscoreForm form(players_, currentGame_, this);
  form.setWindowTitle(THiscoreForm::CaptionFor(GameTitle(currentGame_)));
  ExecDialog(form, mrOk);
}

void TStatForm::FormClose() {
  statState_ = FilledOnly() ? 1 : 0;
}

void TStatForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TStatForm::ScrollToCurrentGame() {
  const int row = table_.RowOfGame(currentGame_);
  if (row < 0) return;
  const int visible = Statistics_SG->viewport()->height() /
                      std::max(1, Statistics_SG->verticalHeader()->defaultSectionSize());
  if (row >= visible)
    Statistics_SG->scrollTo(Statistics_SG->model()->index(row, 0),
                            QAbstractItemView::PositionAtBottom);
}

void TStatForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  ScrollToCurrentGame();
}
