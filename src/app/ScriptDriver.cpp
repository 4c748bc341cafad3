// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScriptDriver.h"

#include <QKeySequence>
#include <algorithm>
#include <limits>
#include <map>

#include "app/ExitHandling.h"
#include "platform/Modal.h"
#include "records/Catalogue.h"
#include "session/GameFlow.h"
#include "session/Hint.h"
#include "solver/Moves.h"
#include "solver/Position.h"
#include "solver/Solver.h"
#include "solver/Winnable.h"

namespace {

struct Syntax {
  int minArgs;
  int maxArgs;
};

const std::map<QString, Syntax>& Verbs() {
  static const std::map<QString, Syntax> verbs = {
      {"deal", {2, 2}},     {"new", {0, 0}},        {"restart", {0, 0}},  {"pile", {1, 1}},
      {"dblpile", {1, 1}},  {"click", {2, 2}},      {"dblclick", {2, 2}}, {"tick", {0, 1}},
      {"answer", {1, 1}},   {"undo", {0, 0}},       {"redo", {0, 0}},     {"autoplay", {1, 1}},
      {"warnings", {1, 1}}, {"undooption", {1, 1}}, {"dump", {0, 0}},     {"quit", {0, 0}},
      {"drag", {2, 3}},     {"key", {1, 1}},        {"hint", {0, 0}},     {"solve", {0, 1}},
      {"winnableonly", {1, 1}}, {"dealoftheday", {1, 1}},
  };
  return verbs;
}

std::optional<QString> CheckArgs(const ScriptCommand& c) {
  auto in = [&](size_t i, long long lo, long long hi) {
    return c.args[i] >= lo && c.args[i] <= hi;
  };
  if (c.verb == "deal") {
    if (!in(0, 0, kGameCount - 1)) return QStringLiteral("game index out of range 0..45");
    if (!in(1, 1, 2147483647)) return QStringLiteral("game number out of range 1..2147483647");
  } else if (c.verb == "pile" || c.verb == "dblpile") {
    if (!in(0, 1, 255)) return QStringLiteral("pile number out of range 1..255");
  } else if (c.verb == "drag") {
    if (!in(0, 1, 255) || !in(1, 1, 255)) return QStringLiteral("pile number out of range 1..255");
    if (c.args.size() > 2 && !in(2, 1, 104))
      return QStringLiteral("card count out of range 1..104");
  } else if (c.verb == "click" || c.verb == "dblclick") {
    if (!in(0, 0, 9999) || !in(1, 0, 9999)) return QStringLiteral("coordinates out of range");
  } else if (c.verb == "tick") {
    if (!c.args.empty() && !in(0, 1, 100000))
      return QStringLiteral("tick count out of range 1..100000");
  } else if (c.verb == "answer") {
    long long r = c.args[0];
    if (r != 1 && r != 2 && r != 6 && r != 7) return QStringLiteral("answer must be 1, 2, 6 or 7");
  } else if (c.verb == "solve") {
    if (!c.args.empty() && !in(0, 1, 100000))
      return QStringLiteral("move count out of range 1..100000");
  } else if (c.verb == "undooption") {
    if (!in(0, 0, 2)) return QStringLiteral("undo option must be 0, 1 or 2");
  }
  return std::nullopt;
}

}  // namespace

std::variant<std::vector<ScriptCommand>, ScriptError> ParseScript(const QString& text) {
  std::vector<ScriptCommand> out;
  const QStringList lines = text.split('\n');
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    int hash = line.indexOf('#');
    if (hash >= 0) line.truncate(hash);
    const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) continue;
    ScriptCommand c;
    c.line = i + 1;
    c.verb = words[0];
    auto verb = Verbs().find(c.verb);
    if (verb == Verbs().end())
      return ScriptError{c.line, QStringLiteral("unknown command '%1'").arg(c.verb)};
    QStringList rest = words.mid(1);
    if (c.verb == "autoplay" || c.verb == "warnings") {
      if (rest.size() != 1 || (rest[0] != "on" && rest[0] != "off"))
        return ScriptError{c.line, QStringLiteral("%1 needs on or off").arg(c.verb)};
      c.args.push_back(rest[0] == "on" ? 1 : 0);
      out.push_back(c);
      continue;
    }
    if (c.verb == "winnableonly") {
      // on (any grade), off, or the grade asked for.
      const std::optional<Grade> grade =
          rest.size() == 1 ? ParseGrade(rest[0] == "on" ? QStringLiteral("any") : rest[0])
                           : std::nullopt;
      if (rest.size() == 1 && rest[0] == "off") {
        c.args = {0, 0};
      } else if (grade) {
        c.args = {1, int(*grade)};
      } else {
        return ScriptError{
            c.line, QStringLiteral("winnableonly needs on, off, easy, medium, hard or expert")};
      }
      out.push_back(c);
      continue;
    }
    if (c.verb == "dealoftheday") {
      // The date as YYYY-MM-DD, so a script gives the same deal on any day.
      const QDate date = rest.size() == 1 ? QDate::fromString(rest[0], Qt::ISODate) : QDate();
      if (!date.isValid())
        return ScriptError{c.line, QStringLiteral("dealoftheday needs a date YYYY-MM-DD")};
      c.args = {date.toJulianDay()};
      out.push_back(c);
      continue;
    }
    if (c.verb == "key") {
      // One key, as Qt names it: Left, Tab, Space, Shift+Return, Escape, h.
      const QKeySequence seq =
          rest.size() == 1 ? QKeySequence::fromString(rest[0]) : QKeySequence();
      if (seq.count() != 1 || seq[0].key() == Qt::Key_unknown)
        return ScriptError{c.line, QStringLiteral("key needs one key name")};
      c.text = rest[0];
      c.args = {seq[0].key(), seq[0].keyboardModifiers().toInt()};
      out.push_back(c);
      continue;
    }
    if (rest.size() < verb->second.minArgs || rest.size() > verb->second.maxArgs)
      return ScriptError{c.line, QStringLiteral("wrong number of arguments for %1").arg(c.verb)};
    for (const QString& w : rest) {
      bool ok = false;
      long long v = w.toLongLong(&ok);
      if (!ok) return ScriptError{c.line, QStringLiteral("'%1' is not a number").arg(w)};
      c.args.push_back(v);
    }
    if (auto bad = CheckArgs(c)) return ScriptError{c.line, *bad};
    out.push_back(c);
  }
  return out;
}

ScriptDriver::ScriptDriver(GameFlow& flow, QTextStream& out)
    : flow_(flow), out_(out), previous_(CurrentModalResponder()) {
  SetModalResponder([this](const ModalRequest& r) -> std::optional<int> {
    int answer = r.defaultResult;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.erase(answers_.begin());
    }
    out_ << (r.kind == ModalRequest::Message ? "message" : "dialog") << " \"" << r.text << "\" -> "
         << answer << "\n";
    out_.flush();
    return answer;
  });
  flow_.OnWon = [this](int index, uint32_t number) {
    out_ << "won " << index << " " << number << "\n";
    out_.flush();
  };
}

ScriptDriver::~ScriptDriver() {
  SetModalResponder(previous_);
}

void ScriptDriver::RunExit() {
  if (quit_) return;  // a signal seen by a nested run (solve) has ended it
  const SaveReport report = flow_.Close();
  for (const QString& line : report.Lines())
    out_ << "save failed: " << line << "\n";
  out_.flush();
  saveFailed_ = !report.Ok();
  quit_ = true;
}

void ScriptDriver::Tick() {
  flow_.Host().Additional_timer.Fire();
  if (flow_.Host().Redeal_Timer.Enabled()) flow_.Host().Redeal_Timer.Fire();
}

void ScriptDriver::ClickAt(int x, int y, bool dbl) {
  QPoint p(x, y);
  if (TRedealButton* b = flow_.Table().RedealButton.get(); b && b->Geometry.contains(p)) {
    b->Click();
    return;
  }
  TForm& form = flow_.Host().Form();
  form.MouseMoveTo(p);
  form.MousePress(Qt::LeftButton, p);
  form.MouseRelease(Qt::LeftButton, p);
  if (dbl) {
    form.MouseDoubleClick(Qt::LeftButton, p);
    form.MouseRelease(Qt::LeftButton, p);
  }
}

void ScriptDriver::PlaySolverLine(long long most) {
  if (!flow_.Dealt() || flow_.Busy()) {
    out_ << "solve none\n";
    out_.flush();
    return;
  }
  TableHost& host = flow_.Host();
  SolveRequest req;
  req.gameIndex = flow_.GameIndex();
  req.number = flow_.GameNumber();
  req.autoPlay = flow_.Table().AutoPlay;
  req.from = CapturePosition(host, PilesInOrder(host));
  // Bounded by positions, with time to spare: a script gets the same answer
  // on a slow machine as on a fast one.
  req.budget.nodes = 300000;
  req.budget.seconds = 120;
  const SolveResult result = Solve(req);
  out_ << "solve " << VerdictText(result.verdict);
  if (result.verdict == Verdict::Winnable) out_ << " " << result.moves << " moves";
  out_ << "\n";
  out_.flush();
  if (result.verdict != Verdict::Winnable) return;
  // The line as Game > Solve plays it: its moves are this driver's own
  // commands (the clicks, the answers the line gives, the ticks its
  // automatic play takes).
  long long played = 0;
  for (const SolverMove& move : result.line) {
    auto parsed = ParseScript(move.Text());
    const auto* commands = std::get_if<std::vector<ScriptCommand>>(&parsed);
    if (!commands || ExitHandling::SignalArrived()) return;
    const bool isMove = std::any_of(commands->begin(), commands->end(), [](const ScriptCommand& c) {
      return c.verb != "answer" && c.verb != "tick";
    });
    // Stopping Solve after so many moves, as a click in the window does.
    if (isMove && played++ >= most) return;
    if (isMove) flow_.History().NoteSolveMove();
    if (Run(*commands)) return;
  }
}

void ScriptDriver::Drag(TDeck* from, TDeck* to, int cards) {
  // On the card that many from the top (the top card, or the empty pile),
  // a few pixels' move to lift, then over the destination, release.
  TCard* grabbed = from->TopCard;
  for (int i = 1; i < cards && grabbed && grabbed->NextCard; ++i)
    grabbed = grabbed->NextCard;
  const QPoint a = grabbed ? TDragControl::GrabPoint(grabbed) : from->BoundsRect().center();
  const QPoint b = to->TopCard ? to->TopCard->BoundsRect().center() : to->BoundsRect().center();
  const QPoint nudge(TDragControl::kThreshold + 3, TDragControl::kThreshold + 3);
  TForm& form = flow_.Host().Form();
  form.MouseMoveTo(a);
  form.MousePress(Qt::LeftButton, a);
  form.MouseMoveTo(a + nudge);
  form.MouseMoveTo(b);
  form.MouseRelease(Qt::LeftButton, b);
}

std::optional<ScriptError> ScriptDriver::Run(const std::vector<ScriptCommand>& commands) {
  for (const ScriptCommand& c : commands) {
    // A SIGTERM or SIGHUP ends the script as quit would.
    if (ExitHandling::SignalArrived()) break;
    const QString& v = c.verb;
    if (v == "deal") {
      flow_.DealGame(int(c.args[0]), uint32_t(c.args[1]));
    } else if (v == "new") {
      if (!flow_.Busy()) flow_.Deal_MIClick();
    } else if (v == "restart") {
      flow_.Replay1Click();
    } else if (v == "pile" || v == "dblpile") {
      TDeck* pile = FindPileByID(&flow_.Host().Form(), int(c.args[0]));
      if (!pile)
        return ScriptError{c.line, QStringLiteral("no pile %1 on the table").arg(c.args[0])};
      TGraphicControl* target = pile->TopCard ? static_cast<TGraphicControl*>(pile->TopCard) : pile;
      target->Click();
      if (v == "dblpile") target->DblClick();
    } else if (v == "drag") {
      TDeck* from = FindPileByID(&flow_.Host().Form(), int(c.args[0]));
      TDeck* to = FindPileByID(&flow_.Host().Form(), int(c.args[1]));
      if (!from || !to)
        return ScriptError{
            c.line, QStringLiteral("no pile %1 on the table").arg(from ? c.args[1] : c.args[0])};
      Drag(from, to, c.args.size() > 2 ? int(c.args[2]) : 1);
    } else if (v == "key") {
      if (SendKey) SendKey(int(c.args[0]), Qt::KeyboardModifiers::fromInt(int(c.args[1])));
    } else if (v == "solve") {
      PlaySolverLine(c.args.empty() ? std::numeric_limits<long long>::max() : c.args[0]);
    } else if (v == "hint") {
      flow_.History().NoteHint();
      if (auto move = FindHint(flow_.Host()))
        out_ << "hint " << move->From->DeckID() << " -> " << move->To->DeckID() << "\n";
      else
        out_ << "hint none\n";
      out_.flush();
    } else if (v == "click" || v == "dblclick") {
      ClickAt(int(c.args[0]), int(c.args[1]), v == "dblclick");
    } else if (v == "tick") {
      long long n = c.args.empty() ? 1 : c.args[0];
      for (long long i = 0; i < n && !ExitHandling::SignalArrived(); ++i)
        Tick();
    } else if (v == "answer") {
      answers_.push_back(int(c.args[0]));
    } else if (v == "undo" || v == "redo") {
      // Through the Game menu: the command is there only when enabled, and
      // the menu does not open while the table is busy.
      if (flow_.Busy()) continue;
      flow_.GameClick();
      if (v == "undo" && flow_.UndoEnabled()) flow_.NewUndo1Click();
      if (v == "redo" && flow_.RedoEnabled()) flow_.NewRedo1Click();
    } else if (v == "autoplay") {
      flow_.SetAutoPlay(flow_.GameIndex(), c.args[0] ? 0 : 1);
    } else if (v == "warnings") {
      flow_.Board1()->WarnEnabled = c.args[0] != 0;
    } else if (v == "undooption") {
      flow_.Settings().UndoOption = int(c.args[0]);
    } else if (v == "winnableonly") {
      flow_.Settings().WinnableOnly = c.args[0] != 0;
      flow_.Settings().WinnableGrade = int(c.args[1]);
    } else if (v == "dealoftheday") {
      if (flow_.Busy()) continue;
      const QDate date = QDate::fromJulianDay(c.args[0]);
      if (std::optional<uint32_t> n = DealOfTheDay(flow_.GameIndex(), date))
        flow_.DealNumber(*n, DealKind::DealOfTheDay);
      else
        out_ << "no deal of the day\n";
    } else if (v == "dump") {
      out_ << DumpTable(flow_.Host(), flow_.GameIndex(), flow_.GameNumber());
      out_.flush();
    } else if (v == "quit") {
      RunExit();
      return std::nullopt;
    }
  }
  if (ExitHandling::SignalArrived()) RunExit();
  return std::nullopt;
}
