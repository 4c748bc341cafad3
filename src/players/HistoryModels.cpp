// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/HistoryModels.h"

#include <QDateTime>
#include <QLocale>

#include "records/Catalogue.h"

QString ResultText(const GameRecord& r) {
  if (r.Result == GameResult::Won && r.Solved) return QStringLiteral("won with Solve");
  return ResultName(r.Result);
}

namespace {
QString StreakText(int streak) {
  if (streak > 0) return QStringLiteral("%1 won").arg(streak);
  if (streak < 0) return QStringLiteral("%1 lost").arg(-streak);
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
      return GameName(s.Game);
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

const QStringList& SummaryTableModel::Headers() const {
  // Short headers keep the table narrow; the tips say them in full.
  static const QStringList headers = {QStringLiteral("Game"),      QStringLiteral("Played"),
                                      QStringLiteral("Won"),       QStringLiteral("Win rate"),
                                      QStringLiteral("Streak"),    QStringLiteral("Best run"),
                                      QStringLiteral("Worst run"), QStringLiteral("Best time"),
                                      QStringLiteral("Fewest"),    QStringLiteral("Avg. win")};
  return headers;
}

QString SummaryTableModel::HeaderTip(int section) const {
  static const QStringList tips = {
      QString(),
      QStringLiteral("Games won or lost without Solve"),
      QString(),
      QString(),
      QStringLiteral("The current streak: wins or losses in a row up to the last game"),
      QStringLiteral("The longest winning streak"),
      QStringLiteral("The longest losing streak"),
      QStringLiteral("The shortest playing time of a win"),
      QStringLiteral("The fewest moves of a win"),
      QStringLiteral("The average playing time of the won games")};
  return section >= 0 && section < tips.size() ? tips[section] : QString();
}

// --- History ----------------------------------------------------------------------

QStringList HistoryTableModel::ResultFilterNames() {
  return {QStringLiteral("All results"), QStringLiteral("Won"), QStringLiteral("Won with Solve"),
          QStringLiteral("Lost"), QStringLiteral("Abandoned")};
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
      return GameName(r->Game);
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
      return DealKindName(r->Dealt);
    default:
      return QString();
  }
}

const QStringList& HistoryTableModel::Headers() const {
  static const QStringList headers = {QStringLiteral("Ended"),  QStringLiteral("Game"),
                                      QStringLiteral("Number"), QStringLiteral("Result"),
                                      QStringLiteral("Time"),   QStringLiteral("Moves"),
                                      QStringLiteral("Undos"),  QStringLiteral("Hints"),
                                      QStringLiteral("Score"),  QStringLiteral("Dealt")};
  return headers;
}

// --- Progress ---------------------------------------------------------------------

ProgressFigures ProgressFigures::Make(const std::vector<GameRecord>& rows, Period period, int count,
                                      const QDateTime& now) {
  ProgressFigures f;
  f.periods = GamesPerPeriod(rows, period, now.date(), count);
  const struct {
    const char* name;
    qint64 since;
  } spans[] = {{"Last 7 days", now.addDays(-7).toMSecsSinceEpoch()},
               {"Last 30 days", now.addDays(-30).toMSecsSinceEpoch()},
               {"Last year", now.addYears(-1).toMSecsSinceEpoch()},
               {"All time", 0}};
  for (const auto& s : spans)
    f.rates.push_back({QLatin1String(s.name), WinRateSince(rows, s.since)});
  return f;
}

QString ProgressFigures::Rate::Text() const {
  return QStringLiteral("%1% (%2 of %3)")
      .arg(qRound(rate.Percent()))
      .arg(rate.Won)
      .arg(rate.Played);
}
