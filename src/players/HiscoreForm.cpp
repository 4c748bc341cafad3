// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/HiscoreForm.h"

#include <QButtonGroup>
#include <QCollator>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Modal.h"
#include "players/StatForm.h"
#include "records/Catalogue.h"

namespace {
// The name column is sized for a name of this length.
const QString kSampleName = QStringLiteral("Alexandra Mayo");
}  // namespace

QString THiscoreForm::CaptionFor(const QString& gameName) {
  return tr("Hi-Scores for game '%1'").arg(gameName);
}

THiscoreForm::THiscoreForm(const PlayerList& players, int game, QWidget* parent)
    : QDialog(parent), players_(players) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  Hiscore_SG = new QTableWidget(0, 3, this);
  Hiscore_SG->verticalHeader()->hide();
  Hiscore_SG->setSelectionMode(QAbstractItemView::NoSelection);
  Hiscore_SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Hiscore_SG->setFocusPolicy(Qt::NoFocus);
  Hiscore_SG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Hiscore_SG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Hiscore_SG->setItemDelegate(new TPlainCellDelegate(Hiscore_SG));
  Hiscore_SG->setWordWrap(false);
  QHeaderView* header = Hiscore_SG->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionsClickable(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);

  Game_L = new QLabel(tr("Game"), this);
  Game_CB = new QComboBox(this);
  Game_L->setBuddy(Game_CB);
  // The game box lists the names alphabetically, each with its index.
  std::vector<int> order;
  for (int i = 0; i < GameCount(); ++i)
    order.push_back(i);
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(order.begin(), order.end(), [&collator](int a, int b) {
    return collator.compare(GameTitle(a), GameTitle(b)) < 0;
  });
  for (int i : order)
    Game_CB->addItem(GameTitle(i), i);
  Game_CB->setCurrentIndex(Game_CB->findData(game));
  Game_CB->setMaxVisibleItems(16);

  Ranking_RG = new QGroupBox(this);
  Ranking_Group = new QButtonGroup(this);
  auto* rankLayout = new QVBoxLayout(Ranking_RG);
  rankLayout->setContentsMargins(8, 6, 8, 6);
  const QString items[] = {tr("By total score"), tr("By average score"), tr("By W/L percent")};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(items[i], Ranking_RG);
    Ranking_Group->addButton(radio, i);
    rankLayout->addWidget(radio);
  }
  Ranking_Group->button(0)->setChecked(true);

  Ok_Btn = new QPushButton(tr("&Ok"), this);
  Ok_Btn->setDefault(true);
  connect(Ok_Btn, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(Game_CB, &QComboBox::currentIndexChanged, this, &THiscoreForm::Game_CBChange);
  connect(Ranking_Group, &QButtonGroup::idClicked, this, &THiscoreForm::Ranking_RGClick);

  setWindowTitle(CaptionFor(GameTitle(ChosenGame())));
  BuildTable();
}

int THiscoreForm::ChosenGame() const {
  const QVariant data = Game_CB->currentData();
  return data.isValid() ? data.toInt() : -1;
}

HiscoreRanking THiscoreForm::Ranking() const {
  const int id = Ranking_Group->checkedId();
  return id >= 0 && id <= 2 ? HiscoreRanking(id) : HiscoreRanking::TotalScore;
}

void THiscoreForm::Game_CBChange() {
  setWindowTitle(CaptionFor(GameTitle(ChosenGame())));
  BuildTable();
}

void THiscoreForm::Ranking_RGClick() {
  setWindowTitle(CaptionFor(GameTitle(ChosenGame())));
  BuildTable();
}

void THiscoreForm::BuildTable() {
  const HiscoreRanking ranking = Ranking();
  Hiscore_SG->setHorizontalHeaderLabels({QString(), tr("Player"), HiscoreHeader(ranking)});
  rows_ = RankPlayers(players_, ChosenGame(), ranking);
  Hiscore_SG->clearContents();
  Hiscore_SG->setRowCount(int(rows_.size()));
  for (int r = 0; r < int(rows_.size()); ++r) {
    const HiscoreRow& row = rows_[size_t(r)];
    const QString texts[3] = {QString::number(row.rank), row.name,
                              HiscoreDisplayValue(ranking, row.value)};
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      item->setFlags(Qt::ItemIsEnabled);
      Hiscore_SG->setItem(r, c, item);
    }
  }
  ApplyLayout();
}

void THiscoreForm::ApplyLayout() {
  const QFontMetrics fm(Hiscore_SG->font());
  const int rowHeight = fm.height() + 4;
  int widths[3] = {fm.horizontalAdvance(QStringLiteral("10L")),
                   fm.horizontalAdvance(QLatin1Char('L') + kSampleName + QStringLiteral("LLL")), 0};
  // The score column fits the header of every ranking.
  for (HiscoreRanking r :
       {HiscoreRanking::TotalScore, HiscoreRanking::AverageScore, HiscoreRanking::WinPercent})
    widths[2] = std::max(widths[2], fm.horizontalAdvance(HiscoreHeader(r) + QStringLiteral("LL")));
  // Names may be longer than the sample: no name gets cut, and the dialog
  // keeps one size whichever game is chosen.
  for (const QString& name : players_.Names())
    widths[1] =
        std::max(widths[1], fm.horizontalAdvance(QLatin1Char('L') + name + QStringLiteral("LL")));
  QHeaderView* header = Hiscore_SG->horizontalHeader();
  header->setMinimumSectionSize(1);
  for (int c = 0; c < 3; ++c)
    Hiscore_SG->setColumnWidth(c, widths[c]);
  Hiscore_SG->verticalHeader()->setMinimumSectionSize(1);
  Hiscore_SG->verticalHeader()->setDefaultSectionSize(rowHeight);
  header->setFixedHeight(rowHeight);

  const int gridW = widths[0] + widths[1] + widths[2] + 8;
  const int gridH = 11 * rowHeight + 16;
  Hiscore_SG->setGeometry(8, 8, gridW, gridH);

  const int left = Hiscore_SG->geometry().right() + 1 + 10;
  int boxW = fm.horizontalAdvance(LongestGameTitle()) + 36;
  boxW = std::max(boxW, Ranking_RG->sizeHint().width());
  const int labelH = QFontMetrics(Game_L->font()).height();
  Game_L->setGeometry(left, 8, boxW, labelH);
  Game_CB->setGeometry(left, Game_L->geometry().bottom() + 3, boxW, Game_CB->sizeHint().height());
  Ranking_RG->setGeometry(left, Game_CB->geometry().bottom() + 10, boxW,
                          Ranking_RG->sizeHint().height());
  const int okH = 25;
  Ok_Btn->setGeometry(left + boxW - 75, Hiscore_SG->geometry().bottom() - okH + 1, 75, okH);
  setFixedSize(Game_CB->geometry().right() + 1 + 12, Hiscore_SG->geometry().bottom() + 1 + 10);
}

void THiscoreForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}
