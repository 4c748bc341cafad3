// SPDX-License-Identifier: GPL-3.0-or-later
// The short form of the readers' fuzzing (fuzz/FuzzTargets.h), run with the
// tests: every seed, then repeatable mutations of them for about two seconds
// per reader. A crash or a broken promise aborts the test. WENLO_FUZZ_RUNS=N
// runs exactly N inputs per reader instead (a long form without libFuzzer).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "fuzz/FuzzTargets.h"
#include "fuzz/Mutator.h"

namespace {

class ReaderFuzz : public ::testing::TestWithParam<Fuzz::Target> {};

void RunOne(const Fuzz::Target& t, const QByteArray& input) {
  t.run(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
}

}  // namespace

TEST_P(ReaderFuzz, SeedsAndMutationsKeepEveryPromise) {
  // The settings reader works on private copies in the temporary folder; on
  // a disk that discards every removed file that costs 30 times a tmpfs.
  if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) qputenv("TMPDIR", "/dev/shm");
  const Fuzz::Target& t = GetParam();
  const std::vector<QByteArray> seeds = t.seeds();
  for (const QByteArray& s : seeds)
    RunOne(t, s);
  const qint64 fixedRuns = qEnvironmentVariableIntValue("WENLO_FUZZ_RUNS");
  Fuzz::Mutator mutator(seeds, 20240607u, t.maxLen);
  QElapsedTimer clock;
  clock.start();
  qint64 runs = 0;
  while (fixedRuns > 0 ? runs < fixedRuns : (runs < 200 || clock.elapsed() < 2000)) {
    RunOne(t, mutator.Next());
    ++runs;
  }
  RecordProperty("inputs", int(runs));
  std::printf("%s: %lld inputs in %lld ms\n", t.name, runs, clock.elapsed());
}

INSTANTIATE_TEST_SUITE_P(Readers, ReaderFuzz, ::testing::ValuesIn(Fuzz::Targets()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });
