// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SolveCommand.h"

#include <sys/resource.h>

#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/Usage.h"
#include "platform/Messages.h"
#include "records/Catalogue.h"
#include "solver/Solver.h"
#include "solver/Winnable.h"

namespace {

struct SolveOptions {
  bool stats = false;
  bool nextWinnable = false;
  // --solve-stats: one line per deal as the grades are measured, under the
  // budget a deal is judged with.
  bool perDeal = false;
  std::optional<Grade> grade;
  std::optional<int> game;
  std::optional<long long> number;
  long long first = 1;
  long long count = 0;
  SolveBudget budget;
  int autoPlay = 0;
  SolveRequest::Engine engine = SolveRequest::Engine::Auto;
  bool stockJumps = true;
};

int Fail(const QString& message) {
  std::fprintf(stderr, "wenlo-solitaire: %s\n", qPrintable(message));
  return 2;
}

std::optional<long long> Number(const char* text, long long lo, long long hi) {
  bool ok = false;
  long long v = QString::fromLocal8Bit(text).toLongLong(&ok);
  if (!ok || v < lo || v > hi) return std::nullopt;
  return v;
}

std::optional<QString> Parse(int argc, char** argv, SolveOptions& o) {
  for (int i = 1; i < argc; ++i) {
    const QString opt = QString::fromLocal8Bit(argv[i]);
    auto need = [&](int n) { return i + n < argc; };
    if (opt == "--solve") continue;
    if (opt == "--deals") {
      o.perDeal = true;
      continue;
    }
    if (opt == "--next-winnable") {
      if (!need(2)) return QStringLiteral("--next-winnable needs GAME NUMBER");
      auto g = Number(argv[i + 1], 0, kGameCount - 1);
      auto n = Number(argv[i + 2], 1, 2147483647);
      if (!g || !n)
        return QStringLiteral("bad --next-winnable arguments (game 0..%1, number 1..2147483647)")
            .arg(kGameCount - 1);
      o.nextWinnable = true;
      o.game = int(*g);
      o.number = *n;
      i += 2;
      continue;
    }
    if (opt == "--solve-stats") {
      if (!need(3)) return QStringLiteral("--solve-stats needs GAME FIRST COUNT");
      auto g = Number(argv[i + 1], 0, kGameCount - 1);
      auto f = Number(argv[i + 2], 1, 2147483647);
      auto c = Number(argv[i + 3], 1, 1000000);
      if (!g || !f || !c || *f + *c - 1 > 2147483647)
        return QStringLiteral("bad --solve-stats arguments (game 0..%1, numbers 1..2147483647)")
            .arg(kGameCount - 1);
      o.stats = true;
      o.game = int(*g);
      o.first = *f;
      o.count = *c;
      i += 3;
      continue;
    }
    if (!need(1)) return QStringLiteral("option %1 needs a value").arg(opt);
    const char* v = argv[++i];
    if (opt == "--grade") {
      o.grade = ParseGrade(QString::fromLocal8Bit(v));
      if (!o.grade) return QStringLiteral("--grade needs any, easy, medium, hard or expert");
    } else if (opt == "--game") {
      auto g = Number(v, 0, kGameCount - 1);
      if (!g)
        return QStringLiteral("bad game index '%1' (expected 0..%2)").arg(v).arg(kGameCount - 1);
      o.game = int(*g);
    } else if (opt == "--number") {
      o.number = Number(v, 1, 2147483647);
      if (!o.number) return QStringLiteral("bad game number '%1' (expected 1..2147483647)").arg(v);
    } else if (opt == "--budget") {
      bool ok = false;
      double s = QString::fromLocal8Bit(v).toDouble(&ok);
      if (!ok || !(s > 0) || s > 3600)
        return QStringLiteral("bad budget '%1' (seconds, above 0 and at most 3600)").arg(v);
      o.budget.seconds = s;
    } else if (opt == "--nodes") {
      auto n = Number(v, 1, 1000000000);
      if (!n) return QStringLiteral("bad node budget '%1'").arg(v);
      o.budget.nodes = *n;
      o.budget.nativeNodes = *n;
    } else if (opt == "--engine") {
      const QString e = QString::fromLocal8Bit(v);
      if (e == "native")
        o.engine = SolveRequest::Engine::Native;
      else if (e == "reference")
        o.engine = SolveRequest::Engine::Reference;
      else if (e == "auto")
        o.engine = SolveRequest::Engine::Auto;
      else
        return QStringLiteral("--engine needs auto, native or reference");
    } else if (opt == "--stock-jumps") {
      const QString a = QString::fromLocal8Bit(v);
      if (a != "on" && a != "off") return QStringLiteral("--stock-jumps needs on or off");
      o.stockJumps = a == "on";
    } else if (opt == "--autoplay") {
      const QString a = QString::fromLocal8Bit(v);
      if (a != "on" && a != "off") return QStringLiteral("--autoplay needs on or off");
      o.autoPlay = a == "on" ? 0 : 1;
    } else if (opt == "--data-dir") {
      // Taken as every mode takes it, so a wrapper may pass it always; the
      // solver reads and keeps nothing there.
      if (auto bad = CheckPathValue(opt, QFile::decodeName(v), v)) return bad;
    } else {
      return QStringLiteral("unknown option '%1'").arg(opt);
    }
  }
  if (!o.game) return QStringLiteral("the solver needs a game (--game)");
  if (!o.stats && !o.number) return QStringLiteral("--solve needs a game number (--number)");
  return std::nullopt;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t i = size_t(p * double(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

// The deal's grade as --solve prints it on its first line.
QString GradeWord(int game, const DealJudgement& j) {
  switch (j.verdict) {
    case Verdict::Winnable:
      return j.grade == Grade::None
                 ? (ThresholdsOf(game).graded ? QStringLiteral("none") : QStringLiteral("ungraded"))
                 : GradeText(j.grade);
    case Verdict::NotWinnable:
      return QStringLiteral("Not winnable");
    case Verdict::Unknown:
      break;
  }
  return QStringLiteral("unknown");
}

}  // namespace

bool IsSolveCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QString opt = QString::fromLocal8Bit(argv[i]);
    if (opt == "--solve" || opt == "--solve-stats" || opt == "--next-winnable") return true;
  }
  return false;
}

int RunSolveCommand(int argc, char** argv) {
  SolveOptions o;
  if (auto error = Parse(argc, argv, o)) return Fail(*error);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  SetDeterministic(true);
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  SolveRequest req;
  req.gameIndex = *o.game;
  req.autoPlay = o.autoPlay;
  req.budget = o.budget;
  req.engine = o.engine;
  req.stockJumps = o.stockJumps;
  if (o.nextWinnable) {
    const Grade wanted = o.grade.value_or(Grade::None);
    // Bounded, so a game whose winnable deals the solver cannot prove still
    // answers; "none" then says no number qualified among those looked at.
    constexpr int kTries = 1000;
    if (std::optional<uint32_t> n = NextWinnable(*o.game, uint32_t(*o.number), wanted, kTries)) {
      const DealJudgement j = JudgeDeal(*o.game, *n);
      out << *n << ' ' << GradeWord(*o.game, j) << '\n';
      return 0;
    }
    out << "none in " << kTries << " numbers from " << *o.number << '\n';
    return 1;
  }
  if (!o.stats) {
    req.number = uint32_t(*o.number);
    SolveResult r = Solve(req);
    const DealJudgement j = JudgeDeal(*o.game, req.number);
    out << VerdictText(r.verdict) << ' ' << r.moves << " moves "
        << QString::number(r.seconds, 'f', 3) << " s " << r.nodes << " positions grade "
        << GradeWord(*o.game, j) << "\n";
    if (r.verdict == Verdict::Winnable) out << LineScript(req, r);
    return 0;
  }
  // The time to the answer, as the window's status bar gets it: the window
  // shortens a found line afterwards, while the player looks at the verdict.
  req.shortLine = false;
  if (o.perDeal) req.budget = DealBudget(*o.game);
  long long won = 0, lost = 0, unknown = 0, native = 0;
  std::vector<long long> undecided;
  std::vector<double> times;
  for (long long n = o.first; n < o.first + o.count; ++n) {
    req.number = uint32_t(n);
    SolveResult r = Solve(req);
    times.push_back(r.seconds);
    if (o.perDeal)
      out << "deal " << n << ' ' << VerdictText(r.verdict).replace(' ', '-') << " effort "
          << (r.verdict == Verdict::Winnable ? DealEffort(r) : 0) << " positions " << r.nodes
          << " moves " << r.moves << " s " << QString::number(r.seconds, 'f', 3) << Qt::endl;
    native += r.native;
    if (r.verdict == Verdict::Unknown) undecided.push_back(n);
    (r.verdict == Verdict::Winnable ? won : r.verdict == Verdict::NotWinnable ? lost : unknown)++;
  }
  auto share = [&](long long k) {
    return QString::number(100.0 * double(k) / double(o.count), 'f', 1) + '%';
  };
  out << "game " << *o.game << " \"" << GameName(*o.game) << "\" deals " << o.first << ".."
      << o.first + o.count - 1 << "\n";
  out << "winnable " << won << " (" << share(won) << ") not winnable " << lost << " ("
      << share(lost) << ") unknown " << unknown << " (" << share(unknown) << ")\n";
  out << "time median " << QString::number(Percentile(times, 0.5), 'f', 3) << " s p95 "
      << QString::number(Percentile(times, 0.95), 'f', 3) << " s max "
      << QString::number(Percentile(times, 1.0), 'f', 3) << " s\n";
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  out << "native " << native << " of " << o.count << " peak memory " << use.ru_maxrss / 1024
      << " MB\n";
  // The few deals left open, to look at one by one.
  if (!undecided.empty() && undecided.size() <= 20) {
    out << "unknown deals";
    for (long long n : undecided)
      out << ' ' << n;
    out << '\n';
  }
  return 0;
}
