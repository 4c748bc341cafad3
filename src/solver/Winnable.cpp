// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Winnable.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <map>
#include <mutex>
#include <tuple>

#include "records/Catalogue.h"
#include "session/Shuffle.h"

namespace {

// Games whose deals the solver mostly cannot decide within the deal budget
// (under a fifth of deals 1..200 decided at one second): a winnable deal is
// rare among the numbers it can prove, so finding one takes many searches.
// They are judged with a larger budget, and have no grades.
constexpr int kSlowGames[] = {2, 8, 9, 11, 13, 15, 19, 20, 23, 25, 26, 27, 29, 30, 31, 35, 41, 42};

// Grade boundaries per game, in effort (DealEffort): a game's winnable
// deals among those measured are split at the efforts of the 40th, 70th
// and 90th percentile, so about 40% of its winnable deals are Easy, 30%
// Medium, 20% Hard and 10% Expert. Measured with this program's solver
// under DealBudget on the development machine (tools/grade_figures.py over
// `--solve-stats G 1 N --deals`; the deals and how many of them were
// winnable are in each row's comment). A game with fewer than 15 winnable
// deals among those measured, or not measured, has no grades.
constexpr GradeThresholds kThresholds[kGameCount] = {
    {true, 1664, 6200, 24575},    // 0: 1..60, 38 winnable
    {},                           // 1: 1..34, 9 winnable: too few to grade
    {},                           // 2: 1..11, 0 winnable: too few to grade
    {true, 3351, 5923, 10297},    // 3: 1..40, 20 winnable
    {},                           // 4: 1..40, 6 winnable: too few to grade
    {true, 1735, 4783, 11572},    // 5: 1..150, 37 winnable
    {true, 2944, 16543, 125152},  // 6: 1..40, 25 winnable
    {},                           // 7: 1..40, 10 winnable: too few to grade
    {},                           // 8: the solver proves few deals winnable
    {},                           // 9: the solver proves few deals winnable
    {true, 110, 490, 1688},       // 10: 1..40, 33 winnable
    {},                           // 11: the solver proves few deals winnable
    {true, 1394, 11694, 24445},   // 12: 1..40, 26 winnable
    {},                           // 13: the solver proves few deals winnable
    {true, 1112, 2010, 6070},     // 14: 1..40, 39 winnable
    {},                           // 15: the solver proves few deals winnable
    {true, 2681, 5773, 48216},    // 16: 1..40, 29 winnable
    {true, 485, 2501, 6658},      // 17: 1..40, 30 winnable
    {true, 1031, 3022, 11393},    // 18: 1..40, 40 winnable
    {},                           // 19: the solver proves few deals winnable
    {},                           // 20: the solver proves few deals winnable
    {true, 4234, 13926, 25542},   // 21: 1..40, 30 winnable
    {true, 3938, 12412, 28876},   // 22: 1..40, 31 winnable
    {},                           // 23: the solver proves few deals winnable
    {true, 977, 2574, 10058},     // 24: 1..40, 29 winnable
    {},                           // 25: the solver proves few deals winnable
    {},                           // 26: the solver proves few deals winnable
    {},                           // 27: the solver proves few deals winnable
    {true, 429, 594, 784},        // 28: 1..40, 35 winnable
    {},                           // 29: the solver proves few deals winnable
    {},                           // 30: the solver proves few deals winnable
    {},                           // 31: the solver proves few deals winnable
    {true, 404, 810, 2998},       // 32: 1..40, 40 winnable
    {true, 235, 692, 3411},       // 33: 1..40, 38 winnable
    {true, 4584, 12416, 32305},   // 34: 1..40, 21 winnable
    {},                           // 35: the solver proves few deals winnable
    {},                           // 36: 1..40, 13 winnable: too few to grade
    {true, 827, 1173, 1490},      // 37: 1..40, 38 winnable
    {true, 4941, 25643, 38038},   // 38: 1..40, 29 winnable
    {true, 4945, 13532, 15181},   // 39: 1..40, 29 winnable
    {true, 6908, 12981, 29688},   // 40: 1..40, 38 winnable
    {},                           // 41: the solver proves few deals winnable
    {},                           // 42: the solver proves few deals winnable
    {true, 3567, 6882, 13627},    // 43: 1..40, 32 winnable
    {true, 990, 4049, 6843},      // 44: 1..40, 33 winnable
    {true, 425, 560, 1124},       // 45: 1..40, 18 winnable
};

std::mutex cacheMutex;
std::map<std::pair<int, uint32_t>, DealJudgement>& Cache() {
  static std::map<std::pair<int, uint32_t>, DealJudgement> cache;
  return cache;
}
// A bound on the kept judgements; the window judges a few deals a minute.
constexpr size_t kCacheLimit = 4096;

}  // namespace

QString GradeText(Grade g) {
  switch (g) {
    case Grade::Easy:
      return QString::fromLatin1(QT_TRANSLATE_NOOP("Grade", "Easy"));
    case Grade::Medium:
      return QString::fromLatin1(QT_TRANSLATE_NOOP("Grade", "Medium"));
    case Grade::Hard:
      return QString::fromLatin1(QT_TRANSLATE_NOOP("Grade", "Hard"));
    case Grade::Expert:
      return QString::fromLatin1(QT_TRANSLATE_NOOP("Grade", "Expert"));
    case Grade::None:
      break;
  }
  return {};
}

std::optional<Grade> ParseGrade(const QString& text) {
  const QString t = text.trimmed().toLower();
  if (t == QLatin1String("any")) return Grade::None;
  for (Grade g : {Grade::Easy, Grade::Medium, Grade::Hard, Grade::Expert})
    if (t == GradeText(g).toLower()) return g;
  return std::nullopt;
}

bool SlowToFindWinnable(int game) {
  for (int g : kSlowGames)
    if (g == game) return true;
  return false;
}

GradeThresholds ThresholdsOf(int game) {
  if (game < 0 || game >= kGameCount) return {};
  return kThresholds[game];
}

SolveBudget DealBudget(int game) {
  SolveBudget b;
  // Under a second's work of each search on the development machine
  // (the reference search expands about 120 000 positions a second there);
  // the time is only a guard against a machine many times slower.
  b.nodes = 100000;
  b.nativeNodes = 400000;
  b.seconds = 30;
  if (SlowToFindWinnable(game)) {
    b.nodes = 200000;
    b.nativeNodes = 1500000;
  }
  return b;
}

long long DealEffort(const SolveResult& r) {
  return r.nodes + 4 * r.moves;
}

Grade GradeFor(int game, long long effort) {
  const GradeThresholds t = ThresholdsOf(game);
  if (!t.graded) return Grade::None;
  if (effort <= t.easy) return Grade::Easy;
  if (effort <= t.medium) return Grade::Medium;
  if (effort <= t.hard) return Grade::Hard;
  return Grade::Expert;
}

DealJudgement JudgeDeal(int game, uint32_t number, const std::atomic<bool>* cancel) {
  {
    std::lock_guard lock(cacheMutex);
    auto it = Cache().find({game, number});
    if (it != Cache().end()) return it->second;
  }
  SolveRequest req;
  req.gameIndex = game;
  req.number = number;
  req.autoPlay = 0;
  req.budget = DealBudget(game);
  req.shortLine = false;
  req.cancel = cancel;
  const SolveResult r = Solve(req);
  DealJudgement j;
  j.cancelled = r.cancelled;
  if (j.cancelled) return j;
  j.verdict = r.verdict;
  if (r.verdict == Verdict::Winnable) {
    j.effort = DealEffort(r);
    j.grade = GradeFor(game, j.effort);
  }
  std::lock_guard lock(cacheMutex);
  if (Cache().size() >= kCacheLimit) Cache().clear();
  Cache()[{game, number}] = j;
  return j;
}

QString GradeName(Grade g) {
  return QCoreApplication::translate("Grade", GradeText(g).toLatin1().constData());
}

QString JudgementText(const DealJudgement& j) {
  switch (j.verdict) {
    case Verdict::Winnable:
      return j.grade == Grade::None
                 ? QCoreApplication::translate("Winnable", "Winnable")
                 : QCoreApplication::translate("Winnable", "Winnable (%1)").arg(GradeName(j.grade));
    case Verdict::NotWinnable:
      return QCoreApplication::translate("Winnable", "Not winnable");
    case Verdict::Unknown:
      break;
  }
  return QCoreApplication::translate("Winnable", "Can't tell");
}

bool Qualifies(int game, const DealJudgement& j, Grade wanted) {
  if (j.verdict != Verdict::Winnable) return false;
  return wanted == Grade::None || !ThresholdsOf(game).graded || j.grade == wanted;
}

std::optional<uint32_t> NextWinnable(int game, uint32_t first, Grade wanted, int tries,
                                     const std::atomic<bool>* cancel) {
  constexpr uint32_t kLast = 2147483647u;
  for (uint32_t n = std::max<uint32_t>(first, 1); tries-- > 0 && n <= kLast; ++n) {
    if (cancel && *cancel) return std::nullopt;
    if (Qualifies(game, JudgeDeal(game, n, cancel), wanted)) return n;
    if (n == kLast) break;
  }
  return std::nullopt;
}

std::optional<uint32_t> RandomWinnable(int game, uint32_t seed, Grade wanted, int tries,
                                       const std::atomic<bool>* cancel) {
  ShuffleGenerator step;
  step.Seed(seed);
  while (tries-- > 0) {
    if (cancel && *cancel) return std::nullopt;
    const uint32_t n = step.Range(2147483647u) + 1;
    if (Qualifies(game, JudgeDeal(game, n, cancel), wanted)) return n;
  }
  return std::nullopt;
}

uint32_t DayStartNumber(int game, const QDate& date) {
  // A digest rather than arithmetic on the date, so neighbouring days and
  // games start far apart; the same bytes give the same number everywhere.
  const QByteArray key =
      QStringLiteral("deal of the day %1 %2").arg(date.toString(Qt::ISODate)).arg(game).toUtf8();
  const QByteArray d = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i)
    v = (v << 8) | uint8_t(d[i]);
  // 1..2^31-1 with room above for the numbers looked at after it.
  return 1 + v % 2000000000u;
}

std::optional<uint32_t> DealOfTheDay(int game, const QDate& date, const std::atomic<bool>* cancel) {
  // Plenty even for the games where winnable deals are rarely proved.
  constexpr int kTries = 2000;
  return NextWinnable(game, DayStartNumber(game, date), Grade::None, kTries, cancel);
}
