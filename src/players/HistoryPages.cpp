// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/HistoryPages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "records/Catalogue.h"

namespace {
QTableView* MakeView(QAbstractItemModel* model, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setModel(model);
  view->verticalHeader()->hide();
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  // Every row is one line of text: a fixed height lets the view skip
  // measuring a hundred thousand rows.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  view->horizontalHeader()->setStretchLastSection(true);
  return view;
}

// Column widths from the header texts and a sample of the widest content,
// never from every row.
void FitColumns(QTableView* view, const QStringList& samples) {
  const QFontMetrics fm(view->font());
  const QFontMetrics hm(view->horizontalHeader()->font());
  for (int c = 0; c < view->model()->columnCount(); ++c) {
    int w = hm.horizontalAdvance(view->model()->headerData(c, Qt::Horizontal).toString());
    if (c < samples.size()) w = std::max(w, fm.horizontalAdvance(samples[c]));
    view->setColumnWidth(c, w + 14);
  }
}
}  // namespace

// --- Per game -------------------------------------------------------------------

TSummaryPage::TSummaryPage(QWidget* parent) : QWidget(parent) {
  View = MakeView(&model_, this);
  View->setSelectionMode(QAbstractItemView::NoSelection);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(View);
  FitColumns(View, {LongestGameTitle(), QStringLiteral("9999"), QStringLiteral("9999"),
                    QStringLiteral("100%"), QStringLiteral("99 lost"), QStringLiteral("999"),
                    QStringLiteral("999"), QStringLiteral("9:59:59"), QStringLiteral("9999"),
                    QStringLiteral("9:59:59")});
}

void TSummaryPage::SetRows(const HistoryRows& rows) {
  model_.SetRows(rows ? *rows : std::vector<GameRecord>{});
}

// --- History ----------------------------------------------------------------------

THistoryPage::THistoryPage(QWidget* parent) : QWidget(parent) {
  Game_CB = new QComboBox(this);
  Game_CB->addItem(HistoryTr(QT_TRANSLATE_NOOP("History", "All games")), -1);
  std::vector<std::pair<QString, int>> games;
  for (int g = 0; g < kGameCount; ++g)
    games.emplace_back(GameTitle(g), g);
  std::sort(games.begin(), games.end());
  for (const auto& [name, g] : games)
    Game_CB->addItem(name, g);
  Result_CB = new QComboBox(this);
  Result_CB->addItems(HistoryTableModel::ResultFilterNames());
  View = MakeView(&model_, this);
  View->setSelectionBehavior(QAbstractItemView::SelectRows);
  View->setSelectionMode(QAbstractItemView::SingleSelection);
  Replay_Btn =
      new QPushButton(HistoryTr(QT_TRANSLATE_NOOP("History", "&Play this deal again")), this);
  Export_Btn = new QPushButton(HistoryTr(QT_TRANSLATE_NOOP("History", "&Export CSV...")), this);
  Replay_Btn->setAutoDefault(false);
  Export_Btn->setAutoDefault(false);

  auto* filters = new QHBoxLayout;
  filters->addWidget(Game_CB, 2);
  filters->addWidget(Result_CB, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Replay_Btn);
  buttons->addStretch(1);
  buttons->addWidget(Export_Btn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(filters);
  layout->addWidget(View, 1);
  layout->addLayout(buttons);
  FitColumns(View, {QLocale().toString(QDateTime(QDate(2000, 12, 31), QTime(23, 59)),
                                       QLocale::ShortFormat),
                    LongestGameTitle(), QStringLiteral("2147483647"), HistoryTr("won with Solve"),
                    QStringLiteral("9:59:59"), QStringLiteral("9999"), QStringLiteral("999"),
                    QStringLiteral("999"), QStringLiteral("$-999")});

  connect(Game_CB, &QComboBox::currentIndexChanged, this, [this] { FilterChange(); });
  connect(Result_CB, &QComboBox::currentIndexChanged, this, [this] { FilterChange(); });
  connect(View->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { UpdateButtons(); });
  connect(View, &QTableView::doubleClicked, this, [this] {
    if (const GameRecord* r = Chosen(); r && OnReplay) OnReplay(*r);
  });
  connect(Replay_Btn, &QPushButton::clicked, this, [this] {
    if (const GameRecord* r = Chosen(); r && OnReplay) OnReplay(*r);
  });
  connect(Export_Btn, &QPushButton::clicked, this, [this] {
    if (OnExport) OnExport();
  });
  UpdateButtons();
}

void THistoryPage::SetRows(const HistoryRows& rows) {
  model_.SetRows(rows);
  UpdateButtons();
}

void THistoryPage::FilterChange() {
  model_.SetFilter(Game_CB->currentData().toInt(),
                   HistoryTableModel::ResultFilter(std::max(0, Result_CB->currentIndex())));
  UpdateButtons();
}

const GameRecord* THistoryPage::Chosen() const {
  const QModelIndexList rows = View->selectionModel()->selectedRows();
  return rows.isEmpty() ? nullptr : model_.RecordAt(rows.front().row());
}

void THistoryPage::UpdateButtons() {
  const GameRecord* r = Chosen();
  Replay_Btn->setEnabled(r && r->Game >= 0 && r->Game < kGameCount && r->Number >= 1 &&
                         r->Number <= 2147483647u);
}

// --- Progress ---------------------------------------------------------------------

void TProgressChart::SetPeriods(std::vector<PeriodCount> periods, Period period) {
  periods_ = std::move(periods);
  period_ = period;
  update();
}

void TProgressChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  const QFontMetrics fm = fontMetrics();
  int top = 0;
  for (const PeriodCount& c : periods_)
    top = std::max(top, c.Won + c.Other);
  // A scale of whole steps: 1, 2, 5, 10, 20, 50...
  int step = 1;
  for (int k = 0; top / step > 5; ++k)
    step *= (k % 3 == 1) ? 5 : 2;
  const int scaleTop = std::max(step, (top + step - 1) / step * step);

  const int left = fm.horizontalAdvance(QString::number(scaleTop)) + 10;
  const int bottom = height() - fm.height() - 8;
  const QRect plot(left, fm.height() + 6, width() - left - 8, bottom - fm.height() - 6);
  if (plot.width() < 10 || plot.height() < 10) return;

  p.setPen(QColor(0xd0, 0xd0, 0xd0));
  for (int v = 0; v <= scaleTop; v += step) {
    const int y = plot.bottom() - plot.height() * v / scaleTop;
    p.drawLine(plot.left(), y, plot.right(), y);
  }
  p.setPen(Qt::black);
  for (int v = 0; v <= scaleTop; v += step) {
    const int y = plot.bottom() - plot.height() * v / scaleTop;
    p.drawText(QRect(0, y - fm.height() / 2, left - 6, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
  }

  const int n = int(periods_.size());
  if (n == 0) return;
  const double slot = double(plot.width()) / n;
  const QColor won(0x2e, 0x8b, 0x3c), other(0xb0, 0xb0, 0xb8);
  // A label every so many bars, as many as fit.
  const int labelW = fm.horizontalAdvance(QStringLiteral("31 Dec")) + 8;
  const int every = std::max(1, int(std::ceil(labelW / slot)));
  for (int i = 0; i < n; ++i) {
    const PeriodCount& c = periods_[size_t(i)];
    const double x = plot.left() + i * slot + slot * 0.15;
    const double w = std::max(1.0, slot * 0.7);
    const double hWon = double(plot.height()) * c.Won / scaleTop;
    const double hOther = double(plot.height()) * c.Other / scaleTop;
    p.fillRect(QRectF(x, plot.bottom() - hWon, w, hWon), won);
    p.fillRect(QRectF(x, plot.bottom() - hWon - hOther, w, hOther), other);
    if ((n - 1 - i) % every == 0) {
      const QString label = QLocale().toString(c.First, QStringLiteral("d MMM"));
      const double lx = std::min(x + w / 2 - labelW / 2.0, double(width() - labelW));
      p.drawText(QRectF(lx, bottom + 4, labelW, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                 label);
    }
  }
  p.drawLine(plot.bottomLeft(), plot.bottomRight());
  // The legend, top right.
  const QString wonText = HistoryTr("won"),
                otherText = HistoryTr(QT_TRANSLATE_NOOP("History", "not won"));
  int x = plot.right() - fm.horizontalAdvance(wonText) - fm.horizontalAdvance(otherText) - 48;
  const int y = 2;
  const int box = fm.ascent() - 2;
  for (const auto& [text, colour] : {std::pair{wonText, won}, std::pair{otherText, other}}) {
    p.fillRect(QRect(x, y + 2, box, box), colour);
    p.drawText(x + box + 4, y + fm.ascent(), text);
    x += box + 4 + fm.horizontalAdvance(text) + 16;
  }
  p.drawText(plot.left(), y + fm.ascent(),
             HistoryTr(period_ == Period::Day ? QT_TRANSLATE_NOOP("History", "Games per day")
                                              : QT_TRANSLATE_NOOP("History", "Games per week")));
}

void TWinRateBars::SetRates(std::vector<ProgressFigures::Rate> rates) {
  rates_ = std::move(rates);
  updateGeometry();
  update();
}

QSize TWinRateBars::sizeHint() const {
  return QSize(300, int(rates_.size()) * (fontMetrics().height() + 4));
}

void TWinRateBars::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QFontMetrics fm = fontMetrics();
  const int row = fm.height() + 4;
  int labelW = 0,
      textW = fm.horizontalAdvance(HistoryTr("%1% (%2 of %3)").arg(100).arg(99999).arg(99999));
  for (const auto& r : rates_)
    labelW = std::max(labelW, fm.horizontalAdvance(r.span));
  const int barLeft = labelW + 10;
  const int barW = std::max(20, width() - barLeft - textW - 10);
  for (size_t i = 0; i < rates_.size(); ++i) {
    const auto& r = rates_[i];
    const int y = int(i) * row;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, y, labelW, row), Qt::AlignLeft | Qt::AlignVCenter, r.span);
    const QRect track(barLeft, y + 3, barW, row - 6);
    p.fillRect(track, QColor(0xdd, 0xdd, 0xe2));
    p.fillRect(QRect(track.topLeft(),
                     QSize(int(track.width() * r.rate.Percent() / 100.0), track.height())),
               QColor(0x2e, 0x8b, 0x3c));
    p.drawText(QRect(track.right() + 8, y, textW, row), Qt::AlignLeft | Qt::AlignVCenter, r.Text());
  }
}

TProgressPage::TProgressPage(QWidget* parent) : QWidget(parent) {
  Period_CB = new QComboBox(this);
  Period_CB->addItems({HistoryTr(QT_TRANSLATE_NOOP("History", "Last 30 days, per day")),
                       HistoryTr(QT_TRANSLATE_NOOP("History", "Last 26 weeks, per week"))});
  Chart = new TProgressChart(this);
  Chart->setMinimumHeight(160);
  Rates = new TWinRateBars(this);
  auto* top = new QHBoxLayout;
  top->addWidget(Period_CB);
  top->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(Chart, 1);
  layout->addWidget(Rates);
  connect(Period_CB, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
}

void TProgressPage::SetRows(const HistoryRows& rows) {
  rows_ = rows;
  Refresh();
}

void TProgressPage::Refresh() {
  static const std::vector<GameRecord> none;
  const std::vector<GameRecord>& rows = rows_ ? *rows_ : none;
  const bool weeks = Period_CB->currentIndex() == 1;
  const Period period = weeks ? Period::Week : Period::Day;
  const ProgressFigures f = ProgressFigures::Make(rows, period, weeks ? 26 : 30,
                                                  Now ? Now() : QDateTime::currentDateTime());
  Chart->SetPeriods(f.periods, period);
  Rates->SetRates(f.rates);
}
