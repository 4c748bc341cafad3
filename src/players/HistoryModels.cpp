// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/HistoryModels.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include "records/Catalogue.h"

QString HistoryTr(const char* text) {
  return QCoreApplication::translate("History", text);
}

namespace {
constexpr auto Tr = HistoryTr;
// A name the history stores ("won", "random"...) as the table shows it.
QString Shown(const QString& stored) {
  return Tr(stored.toUtf8().constData());
}
}  // namespace

QString ResultText(const GameRecord& r) {
  if (r.Result == GameResult::Won && r.Solved)
    return Tr(QT_TRANSLATE_NOOP("History", "won with Solve"));
  return Shown(ResultName(r.Result));
}

namespace {
QString StreakText(int streak) {
  if (streak > 0) return Tr(QT_TRANSLATE_NOOP("History", "%1 won")).arg(streak);
  if (streak < 0) return Tr(QT_TRANSLATE_NOOP("History", "%1 lost")).arg(-streak);
  return QString();
}

QString NumberOrEmpty(int n) {
  return n < 0 ? QString() : QString::number(n);
}
}  // namespace

int TextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Rows();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(Headers().size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole) return QVariant();
  return Text(index.row(), index.column());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o == Qt::Horizontal && section >= 0 && section < Headers().size()) {
    if (role == Qt::DisplayRole) return Headers()[section];
    if (role == Qt::ToolTipRole && !HeaderTip(section).isEmpty()) return HeaderTip(section);
  }
  return QAbstractTableModel::headerData(section, o, role);
}

// --- Per game -------------------------------------------------------------------

void SummaryTableModel::SetRows(const std::vector<GameRecord>& rows) {
  beginResetModel();
  summaries_ = SummariseByGame(rows);
  endResetModel();
}

QString SummaryTableModel::Text(int row, int column) const {
  if (row < 0 || row >= int(summaries_.size())) return QString();
  const GameSummary& s = summaries_[size_t(row)];
  switch (column) {
    case Game:
      return GameTitle(s.Game);
    case Played:
      return QString::number(s.Played);
    case Won:
      return QString::number(s.Won);
    case WinRate:
      return QStringLiteral("%1%").arg(qRound(s.WinRate()));
    case Streak:
      return StreakText(s.CurrentStreak);
    case LongestWinning:
      return QString::number(s.LongestWinning);
    case LongestLosing:
      return QString::number(s.LongestLosing);
    case BestTime:
      return DurationText(s.BestMs);
    case FewestMoves:
      return NumberOrEmpty(s.FewestMoves);
    case AverageTime:
      return DurationText(s.AverageWonMs);
    default:
      return QString();
  }
}

QStringList SummaryTableModel::Headers() const {
  // Short headers keep the table narrow; the tips say them in full.
  return {
      Tr(QT_TRANSLATE_NOOP("History", "Game")),      Tr(QT_TRANSLATE_NOOP("History", "Played")),
      Tr(QT_TRANSLATE_NOOP("History", "Won")),       Tr(QT_TRANSLATE_NOOP("History", "Win rate")),
      Tr(QT_TRANSLATE_NOOP("History", "Streak")),    Tr(QT_TRANSLATE_NOOP("History", "Best run")),
      Tr(QT_TRANSLATE_NOOP("History", "Worst run")), Tr(QT_TRANSLATE_NOOP("History", "Best time")),
      Tr(QT_TRANSLATE_NOOP("History", "Fewest")),    Tr(QT_TRANSLATE_NOOP("History", "Avg. win"))};
}

QString SummaryTableModel::HeaderTip(int section) const {
  static const char* const tips[] = {
      nullptr,
      QT_TRANSLATE_NOOP("History", "Games won or lost without Solve"),
      nullptr,
      nullptr,
      QT_TRANSLATE_NOOP("History",
                        "The current streak: wins or losses in a row up to the last game"),
      QT_TRANSLATE_NOOP("History", "The longest winning streak"),
      QT_TRANSLATE_NOOP("History", "The longest losing streak"),
      QT_TRANSLATE_NOOP("History", "The shortest playing time of a win"),
      QT_TRANSLATE_NOOP("History", "The fewest moves of a win"),
      QT_TRANSLATE_NOOP("History", "The average playing time of the won games")};
  return section >= 0 && section < int(std::size(tips)) && tips[section] ? Tr(tips[section])
                                                                         : QString();
}

// --- History ----------------------------------------------------------------------

QStringList HistoryTableModel::ResultFilterNames() {
  return {Tr(QT_TRANSLATE_NOOP("History", "All results")), Tr(QT_TRANSLATE_NOOP("History", "Won")),
          Tr(QT_TRANSLATE_NOOP("History", "Won with Solve")),
          Tr(QT_TRANSLATE_NOOP("History", "Lost")), Tr(QT_TRANSLATE_NOOP("History", "Abandoned"))};
}

void HistoryTableModel::SetRows(HistoryRows rows) {
  beginResetModel();
  rows_ = rows ? std::move(rows) : std::make_shared<std::vector<GameRecord>>();
  Refilter();
  endResetModel();
}

void HistoryTableModel::SetFilter(int game, ResultFilter result) {
  beginResetModel();
  game_ = game;
  result_ = result;
  Refilter();
  endResetModel();
}

void HistoryTableModel::Refilter() {
  auto passes = [this](const GameRecord& r) {
    if (game_ >= 0 && r.Game != game_) return false;
    switch (result_) {
      case AllResults:
        return true;
      case OnlyWon:
        return r.OwnWin();
      case OnlyWonWithSolve:
        return r.Result == GameResult::Won && r.Solved;
      case OnlyLost:
        return r.Result == GameResult::Lost;
      case OnlyAbandoned:
        return r.Result == GameResult::Abandoned;
    }
    return false;
  };
  shown_.clear();
  for (int i = 0; i < int(rows_->size()); ++i)
    if (passes((*rows_)[size_t(i)])) shown_.push_back(i);
}

const GameRecord* HistoryTableModel::RecordAt(int row) const {
  if (row < 0 || row >= int(shown_.size())) return nullptr;
  return &(*rows_)[size_t(shown_[size_t(row)])];
}

QString HistoryTableModel::Text(int row, int column) const {
  const GameRecord* r = RecordAt(row);
  if (!r) return QString();
  switch (column) {
    case Ended:
      return QLocale().toString(QDateTime::fromMSecsSinceEpoch(r->EndMs), QLocale::ShortFormat);
    case Game:
      return GameTitle(r->Game);
    case Number:
      return QString::number(r->Number);
    case Result:
      return ResultText(*r);
    case Time:
      return DurationText(r->PlayMs);
    case Moves:
      return QString::number(r->Moves);
    case Undos:
      return QString::number(r->Undos);
    case Hints:
      return QString::number(r->Hints);
    case Score:
      return r->Score == kNoScore ? QString() : QStringLiteral("$%1").arg(r->Score);
    case Dealt:
      return Shown(DealKindName(r->Dealt));
    default:
      return QString();
  }
}

QStringList HistoryTableModel::Headers() const {
  return {Tr(QT_TRANSLATE_NOOP("History", "Ended")),  Tr(QT_TRANSLATE_NOOP("History", "Game")),
          Tr(QT_TRANSLATE_NOOP("History", "Number")), Tr(QT_TRANSLATE_NOOP("History", "Result")),
          Tr(QT_TRANSLATE_NOOP("History", "Time")),   Tr(QT_TRANSLATE_NOOP("History", "Moves")),
          Tr(QT_TRANSLATE_NOOP("History", "Undos")),  Tr(QT_TRANSLATE_NOOP("History", "Hints")),
          Tr(QT_TRANSLATE_NOOP("History", "Score")),  Tr(QT_TRANSLATE_NOOP("History", "Dealt"))};
}

// --- Progress ---------------------------------------------------------------------

ProgressFigures ProgressFigures::Make(const std::vector<GameRecord>& rows, Period period, int count,
                                      const QDateTime& now) {
  ProgressFigures f;
  f.periods = GamesPerPeriod(rows, period, now.date(), count);
  const struct {
    const char* name;
    qint64 since;
  } spans[] = {{QT_TRANSLATE_NOOP("History", "Last 7 days"), now.addDays(-7).toMSecsSinceEpoch()},
               {QT_TRANSLATE_NOOP("History", "Last 30 days"), now.addDays(-30).toMSecsSinceEpoch()},
               {QT_TRANSLATE_NOOP("History", "Last year"), now.addYears(-1).toMSecsSinceEpoch()},
               {QT_TRANSLATE_NOOP("History", "All time"), 0}};
  for (const auto& s : spans)
    f.rates.push_back({Tr(s.name), WinRateSince(rows, s.since)});
  return f;
}

QString ProgressFigures::Rate::Text() const {
  return Tr(QT_TRANSLATE_NOOP("History", "%1% (%2 of %3)"))
      .arg(qRound(rate.Percent()))
      .arg(rate.Won)
      .arg(rate.Played);
}
