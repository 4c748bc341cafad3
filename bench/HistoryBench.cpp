// SPDX-License-Identifier: GPL-3.0-or-later
// The history's two promises: recording a game as it ends, and opening the
// statistics window over a long history (100 000 games), to its first
// paint: on the counters' tab it opens on, and straight on each history tab,
// which reads all of the player's games.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QTemporaryDir>

#include "../tests/support/HistorySample.h"
#include "history/Recorder.h"
#include "players/HistoryModels.h"
#include "players/StatForm.h"

namespace {

constexpr int kLongHistory = 100000;

// One file of 100 000 games of "Default", made once for all benchmarks.
struct LongHistory {
  QTemporaryDir dir;
  QString path = dir.filePath("history.db");
  LongHistory() {
    HistoryDb db(path);
    db.Append(SampleHistory(kLongHistory, QStringLiteral("Default"),
                            QDateTime::currentMSecsSinceEpoch(), 3 * 365));
  }
};

const QString& LongHistoryPath() {
  static LongHistory h;
  return h.path;
}

void BM_StatisticsWindowFirstPaint(benchmark::State& state) {
  HistoryDb db(LongHistoryPath());
  db.Open();
  PlayerList players;
  players.Add(QStringLiteral("Default"));
  players.SetActivePlayer(0);
  int statState = 0;
  size_t rows = 0;
  for (auto _ : state) {
    TStatForm form(players, 32, statState);
    form.SetHistory(&db);
    form.TabControl1->setCurrentIndex(int(state.range(0)));
    form.show();
    form.repaint();
    // The counters' tab reads no history; a history tab has read it all.
    if (state.range(0) > TStatForm::FilledRecordsTab) rows = form.Rows()->size();
  }
  state.counters["rows"] = double(rows);
}
BENCHMARK(BM_StatisticsWindowFirstPaint)
    ->ArgName("tab")
    ->Arg(TStatForm::AllRecordsTab)
    ->Arg(TStatForm::PerGameTab)
    ->Arg(TStatForm::HistoryTab)
    ->Arg(TStatForm::ProgressTab)
    ->Unit(benchmark::kMillisecond);

// The parts of reading a history tab's rows.
void BM_ReadRows(benchmark::State& state) {
  HistoryDb db(LongHistoryPath());
  for (auto _ : state)
    benchmark::DoNotOptimize(db.Rows(QStringLiteral("Default")));
}
BENCHMARK(BM_ReadRows)->Unit(benchmark::kMillisecond);

void BM_Figures(benchmark::State& state) {
  HistoryDb db(LongHistoryPath());
  const auto rows = *db.Rows(QStringLiteral("Default"));
  for (auto _ : state) {
    if (state.range(0) == 0) benchmark::DoNotOptimize(SummariseByGame(rows));
    if (state.range(0) == 1)
      benchmark::DoNotOptimize(
          ProgressFigures::Make(rows, Period::Day, 30, QDateTime::currentDateTime()));
  }
}
BENCHMARK(BM_Figures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RecordGameAtItsEnd(benchmark::State& state) {
  HistoryRecorder rec(LongHistoryPath());
  rec.Db().Open();
  uint32_t n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    rec.BeginDeal(QStringLiteral("Default"), 32, ++n, DealKind::Random);
    for (int i = 0; i < 80; ++i)
      rec.NoteMove();
    state.ResumeTiming();
    rec.Finish(GameResult::Won, 208);
  }
  if (rec.Pending() != 0) state.SkipWithError("a game was not recorded");
}
BENCHMARK(BM_RecordGameAtItsEnd)->Unit(benchmark::kMillisecond);

}  // namespace
