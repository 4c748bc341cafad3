// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SolverControl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "platform/Modal.h"
#include "platform/Threads.h"
#include "session/GameFlow.h"
#include "session/Hint.h"
#include "solver/Winnable.h"

namespace {
constexpr int kPollMs = 150;
// At rest (the verdict shown, nothing moved) the table is looked at once a
// second; the player's next click or key brings the quick polls back.
constexpr int kRestPollMs = 1000;
// Polls the table must stay unchanged before a search starts: moves come
// in bursts (a move, then the automatic play).
constexpr int kStillPolls = 2;
constexpr int kPlayMs = 250;
// A search that dives finds long lines (hundreds of moves for some deals);
// Solve plays them faster rather than for minutes.
constexpr int kPlayAllMs = 30000;
constexpr int kFastestPlayMs = 40;
// How long Solve waits for the table to reach the line's next position
// (the automatic play after a move takes its ticks).
constexpr int kPlayPatienceMs = 10000;
// The first search: what a second of the searching thread's time finds.
const SolveBudget kFirstBudget{200000, 1.0};
// The search that goes on in the background: a bound of positions that
// keeps the reference search's table of seen positions near 140 MB (a
// million positions measured at 139 MB), and the native search's own cap.
SolveBudget BackgroundBudget() {
  SolveBudget b;
  b.nodes = 1000000;
  b.nativeNodes = 50000000;
  b.seconds = 120;
  b.memoryBytes = size_t(160) << 20;
  return b;
}

QString CardNameOf(int cardNo) {
  if (cardNo < 1 || cardNo > 104) return SolverControl::tr("a card");
  const int k = (cardNo - 1) % 52;
  return CardName(k % 13 + 1, k / 13 + 1);
}
}  // namespace

struct SolverControl::GradeJob {
  int game = 0;
  uint32_t number = 0;
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  DealJudgement judgement;
};

struct SolverControl::Job {
  SolveRequest request;
  std::string key;
  std::atomic<bool> cancel{false};
  SolveResult result;
  SolveResult shorter;    // the same answer with a shorter line, when found
  int historyIndex = -1;  // the board's, when the search started
};

SolverControl::SolverControl(GameFlow& flow, QLabel* panel, QObject* parent)
    : QObject(parent),
      flow_(flow),
      panel_(panel),
      poll_(new QTimer(this)),
      player_(new QTimer(this)),
      playMs_(kPlayMs),
      firstBudget_(kFirstBudget),
      backgroundBudget_(BackgroundBudget()) {
  poll_->setInterval(kPollMs);
  connect(poll_, &QTimer::timeout, this, [this] { Poll(); });
  player_->setInterval(kPlayMs);
  connect(player_, &QTimer::timeout, this, [this] { PlayStep(); });
  poll_->start();
}

SolverControl::~SolverControl() {
  CancelAll();
  if (grade_) grade_->cancel = true;
  for (auto& w : workers_)
    if (w.second.joinable()) w.second.join();
  for (auto& w : gradeWorkers_)
    if (w.second.joinable()) w.second.join();
}

void SolverControl::SetBudgets(const SolveBudget& first, const SolveBudget& background) {
  firstBudget_ = first;
  backgroundBudget_ = background;
}

void SolverControl::SetEnabled(bool on) {
  enabled_ = on;
  if (!on) {
    CancelAll();
    playing_ = false;
    player_->stop();
    result_.reset();
    shown_.reset();
    solvedKey_.clear();
    winnableAt_.reset();
  }
  lastKey_.clear();
  Show(nullptr);
}

std::string SolverControl::CurrentKey(TablePosition* out) const {
  TableHost& host = flow_.Host();
  TablePosition p = CapturePosition(host, PilesInOrder(host));
  std::string key = p.Key();
  if (out) *out = std::move(p);
  return key;
}

void SolverControl::CancelAll() {
  for (auto& w : workers_)
    w.first->cancel = true;
  current_.reset();
}

void SolverControl::Poll() {
  // Finished workers leave.
  for (auto it = workers_.begin(); it != workers_.end();) {
    if (it->first->cancel && it->second.joinable() && it->first.use_count() == 1) {
      it->second.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto it = gradeWorkers_.begin(); it != gradeWorkers_.end();) {
    if (it->first->done && it->second.joinable()) {
      it->second.join();
      it = gradeWorkers_.erase(it);
    } else {
      ++it;
    }
  }
  if (!enabled_ || playing_ || !flow_.Dealt() || flow_.Busy()) return;
  if (PilesInOrder(flow_.Host()).empty()) {
    // The table was cleared (a won game not played again): there is no deal
    // to judge, and a search would call the empty table won.
    if (current_) CancelAll();
    if (!Text().isEmpty()) Show(nullptr);
    return;
  }
  // Capturing the table is the dear part of a poll; a table at rest whose
  // cards, history and counters are as the last poll saw them is skipped.
  const TBoard* b = flow_.Board1();
  const std::array<qint64, 6> mark{b->TableChanges(),         b->HistoryIndex,
                                   qint64(b->History.size()), flow_.GameIndex(),
                                   flow_.GameNumber(),        flow_.Table().Rotation_Counter()};
  if (mark == lastMark_ && stillPolls_ >= kStillPolls && !lastKey_.empty()) {
    if (!current_ && poll_->interval() != kRestPollMs) poll_->setInterval(kRestPollMs);
    return;
  }
  if (mark != lastMark_) Wake();
  lastMark_ = mark;
  std::string key = CurrentKey();
  if (key != lastKey_) {
    lastKey_ = key;
    stillPolls_ = 0;
    if (key != solvedKey_) Show(nullptr);
    return;
  }
  if (++stillPolls_ != kStillPolls) return;
  if (key == solvedKey_ || (current_ && current_->key == key)) return;
  StartGrade();
  Start(key);
}

void SolverControl::StartGrade() {
  const int game = flow_.GameIndex();
  const uint32_t number = flow_.GameNumber();
  if (grade_ && grade_->game == game && grade_->number == number) return;
  if (grade_) grade_->cancel = true;
  winnableAt_.reset();  // another deal: no move of this one lost the last
  auto job = std::make_shared<GradeJob>();
  job->game = game;
  job->number = number;
  grade_ = job;
  QPointer<SolverControl> self(this);
  std::thread worker([job, self] {
    job->judgement = JudgeDeal(job->game, job->number, &job->cancel);
    job->done = true;
    QMetaObject::invokeMethod(
        qApp,
        [job, self] {
          if (self && self->grade_ == job && self->result_ && self->shown_)
            self->Show(self->result_.get());
        },
        Qt::QueuedConnection);
  });
  gradeWorkers_.emplace_back(job, std::move(worker));
}

void SolverControl::Start(const std::string& key) {
  // A position the player left before its verdict came: whatever lost the
  // game may have been played there, so no single move can be named.
  if (current_) winnableAt_.reset();
  CancelAll();
  auto job = std::make_shared<Job>();
  job->key = key;
  TablePosition from;
  CurrentKey(&from);
  job->request.gameIndex = flow_.GameIndex();
  job->request.number = flow_.GameNumber();
  job->request.autoPlay = flow_.Table().AutoPlay;
  job->request.from = std::move(from);
  job->request.budget = firstBudget_;
  job->request.cancel = &job->cancel;
  job->historyIndex = flow_.Board1()->HistoryIndex;
  const SolveBudget background = backgroundBudget_;
  current_ = job;
  if (key != solvedKey_) Show(nullptr);  // "Checking…"
  QPointer<SolverControl> self(this);
  // The verdict first, as soon as it is known; the line Solve would play is
  // looked for again, shorter, while the player reads it.
  job->request.shortLine = false;
  std::thread worker([job, self, background] {
    auto post = [&](void (SolverControl::*step)(const std::shared_ptr<Job>&)) {
      QMetaObject::invokeMethod(
          qApp,
          [job, self, step] {
            if (self) (self.data()->*step)(job);
          },
          Qt::QueuedConnection);
    };
    job->result = Solve(job->request);
    if (job->result.verdict == Verdict::Unknown && !job->result.cancelled) {
      // Not within the first second: the search goes on while the player
      // thinks, behind everything else the machine does, until it answers,
      // reaches its bound or the next move cancels it.
      LowerThisThreadPriority();
      SolveRequest longer = job->request;
      longer.budget = background;
      job->result = Solve(longer);
    }
    SolveResult line = job->result;
    post(&SolverControl::Finish);
    ShortenLine(job->request, line);
    if (!line.cancelled && line.moves < job->result.moves) {
      job->shorter = std::move(line);
      post(&SolverControl::Shortened);
    }
    job->cancel = true;  // done: the window may join it
  });
  workers_.emplace_back(job, std::move(worker));
}

void SolverControl::Finish(const std::shared_ptr<Job>& job) {
  if (job != current_ || job->result.cancelled) return;
  current_.reset();
  solvedKey_ = job->key;
  result_ = std::make_unique<SolveResult>(job->result);
  shown_ = job;
  lostText_.clear();
  const Verdict v = job->result.verdict;
  if (v == Verdict::Winnable) {
    winnableAt_ = job->historyIndex;
  } else if (v == Verdict::NotWinnable && winnableAt_ && job->historyIndex > *winnableAt_) {
    lostText_ = LostByMoveText(flow_.Board1()->History, *winnableAt_, job->historyIndex);
    winnableAt_.reset();
  } else {
    winnableAt_.reset();
  }
  Show(result_.get());
}

QString SolverControl::LostByMoveText(const std::vector<THistoryEntry>& history, int from, int to) {
  // The first card laid or turned after the winnable position is the
  // player's move; what follows it in the same stretch is automatic play.
  for (int i = std::max(from + 1, 0); i <= to && i < int(history.size()); ++i) {
    const THistoryEntry& e = history[size_t(i)];
    if (e.Kind != kEntryMove) continue;
    const QString card = CardNameOf(e.CardNo);
    return e.SourceID == e.DestID
               ? tr("Not winnable since turning the %1: Undo takes it back").arg(card)
               : tr("Not winnable since moving the %1: Undo takes it back").arg(card);
  }
  return tr("Not winnable");
}

void SolverControl::Shortened(const std::shared_ptr<Job>& job) {
  // Only the line of the verdict on show, and never under Solve's feet.
  if (job != shown_ || playing_ || !result_) return;
  result_ = std::make_unique<SolveResult>(job->shorter);
}

void SolverControl::SolveNow(double seconds) {
  if (!enabled_ || !flow_.Dealt()) return;
  SolveRequest req;
  TablePosition from;
  std::string key = CurrentKey(&from);
  req.gameIndex = flow_.GameIndex();
  req.number = flow_.GameNumber();
  req.autoPlay = flow_.Table().AutoPlay;
  req.from = std::move(from);
  req.budget = {firstBudget_.nodes, seconds};
  result_ = std::make_unique<SolveResult>(Solve(req));
  shown_.reset();
  lostText_.clear();
  winnableAt_.reset();
  if (result_->verdict == Verdict::Winnable) {
    winnableAt_ = flow_.Board1()->HistoryIndex;
    // The picture shows the deal's grade too, so it is judged here as well.
    auto job = std::make_shared<GradeJob>();
    job->game = req.gameIndex;
    job->number = req.number;
    job->judgement = JudgeDeal(job->game, job->number);
    job->done = true;
    if (grade_) grade_->cancel = true;
    grade_ = job;
  }
  solvedKey_ = key;
  lastKey_ = key;
  Show(result_.get());
}

QString SolverControl::WithGrade(const QString& text) const {
  if (!grade_ || !grade_->done || grade_->game != flow_.GameIndex() ||
      grade_->number != flow_.GameNumber())
    return text;
  const QString g = GradeName(grade_->judgement.grade);
  return g.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, g);
}

void SolverControl::Show(const SolveResult* result) {
  QString text;
  if (enabled_ && result) {
    switch (result->verdict) {
      case Verdict::Winnable:
        text = WithGrade(tr("Winnable"));
        break;
      case Verdict::NotWinnable:
        text = lostText_.isEmpty() ? tr("Not winnable") : lostText_;
        break;
      case Verdict::Unknown:
        text = tr("Can't tell");
        break;
    }
  } else if (enabled_ && current_) {
    text = tr("Checking\u2026");
  }
  checking_ = enabled_ && !result && current_;
  ShowText(text);
}

void SolverControl::ShowText(const QString& text) {
  if (text == text_ && (!panel_ || panel_->text() == text)) return;
  text_ = text;
  if (panel_) {
    panel_->setText(text);
    panel_->setVisible(!text.isEmpty());
  }
  emit Changed();
}

void SolverControl::SetPlayInterval(int ms) {
  playMs_ = ms;
  player_->setInterval(ms);
}

int SolverControl::PlayInterval(size_t entries, int longest) {
  const int share = entries > 0 ? int(std::min<size_t>(kPlayAllMs, kPlayAllMs / entries)) : longest;
  return std::min(longest, std::max(kFastestPlayMs, share));
}

bool SolverControl::CanSolve() const {
  return enabled_ && !playing_ && result_ && result_->verdict == Verdict::Winnable &&
         !result_->line.empty() && solvedKey_ == CurrentKey();
}

std::optional<THintMove> SolverControl::NextMove() const {
  if (!CanSolve()) return std::nullopt;
  std::vector<TDeck*> piles;
  THintMove move;
  for (const MoveStep& s : result_->line.front().steps)
    if (s.kind == MoveStep::Pile || s.kind == MoveStep::DblPile)
      if (TDeck* d = FindPileByID(&flow_.Host().Form(), s.a)) {
        if (piles.empty()) move.Double = s.kind == MoveStep::DblPile;
        piles.push_back(d);
      }
  if (piles.empty()) return std::nullopt;
  move.From = piles.front();
  if (piles.size() > 1) move.To = piles[1];
  return move;
}

void SolverControl::StartPlaying() {
  if (!CanSolve()) return;
  playing_ = true;
  step_ = 0;
  waited_ = 0;
  player_->start(PlayInterval(result_->line.size(), playMs_));
}

void SolverControl::Wake() {
  if (poll_->interval() != kPollMs) poll_->start(kPollMs);
}

bool SolverControl::StopOnInput(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
      Wake();
      break;
    default:
      return false;
  }
  if (!playing_) return false;
  playing_ = false;
  player_->stop();
  lastKey_.clear();
  return true;
}

void SolverControl::PlayStep() {
  if (!playing_ || !result_) return;
  if (flow_.Busy()) return;
  // The table must have reached the position the line expects (the timer
  // plays its automatic moves in its own time).
  const std::string expected = step_ == 0 ? solvedKey_ : result_->keys[step_ - 1];
  if (CurrentKey() != expected) {
    if (++waited_ > kPlayPatienceMs / std::max(1, player_->interval())) {
      playing_ = false;
      player_->stop();
      lastKey_.clear();
    }
    return;
  }
  waited_ = 0;
  if (step_ >= result_->line.size()) {
    playing_ = false;
    player_->stop();
    return;
  }
  const SolverMove& move = result_->line[step_++];
  std::vector<int> answers;
  for (const MoveStep& s : move.steps)
    if (s.kind == MoveStep::Answer) answers.push_back(s.a);
  // The empty-column question gets the line's answer, not the player's.
  ScopedModalResponder answer([&answers](const ModalRequest& r) -> std::optional<int> {
    if (r.kind != ModalRequest::Dialog || answers.empty()) return std::nullopt;
    int a = answers.front();
    answers.erase(answers.begin());
    return a;
  });
  TableHost& host = flow_.Host();
  // From the first move Solve plays, the deal is the solver's win, not the
  // player's.
  flow_.History().NoteSolveMove();
  for (const MoveStep& s : move.steps) {
    if (s.kind == MoveStep::Pile || s.kind == MoveStep::DblPile) {
      TDeck* d = FindPileByID(&host.Form(), s.a);
      if (!d) break;
      ClickPileAsPlayer(d, s.kind == MoveStep::DblPile);
    } else if (s.kind == MoveStep::Click) {
      if (TRedealButton* b = flow_.Table().RedealButton.get()) b->Click();
    }
  }
  if (step_ >= result_->line.size()) {
    // The last move wins (its timer ticks follow by themselves).
    playing_ = false;
    player_->stop();
  }
}
