// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Moves.h"

#include <tuple>

#include "session/TableHost.h"
#include "solver/Equivalence.h"

namespace {
// A timer that keeps changing the table this long is not settling.
constexpr int kMaxTicks = 400;
// Ticks without a change before the automatic play counts as finished.
constexpr int kIdleTicks = 2;
}  // namespace

QString MoveStep::Text() const {
  switch (kind) {
    case Pile:
      return QStringLiteral("pile %1").arg(a);
    case DblPile:
      return QStringLiteral("dblpile %1").arg(a);
    case Click:
      return QStringLiteral("click %1 %2").arg(a).arg(b);
    case Answer:
      return QStringLiteral("answer %1").arg(a);
    case Tick:
      return QStringLiteral("tick %1").arg(a);
  }
  return QString();
}

QString SolverMove::Text() const {
  QString t;
  for (const MoveStep& s : steps)
    t += s.Text() + '\n';
  return t;
}

SolverTable::SolverTable(int gameIndex, int autoPlay, bool mergeSwaps)
    : responder_([this](const ModalRequest& r) -> std::optional<int> {
        if (r.kind == ModalRequest::Dialog) asked_ = true;
        if (r.kind == ModalRequest::Dialog && !answers_.empty()) {
          int a = answers_.front();
          answers_.erase(answers_.begin());
          return a;
        }
        return r.defaultResult;
      }),
      // A one-pixel form: the rules and the piles work as on the window's
      // table, but nothing is ever drawn.
      host_(std::make_unique<TableHost>(1, 1)),
      gameIndex_(gameIndex),
      autoPlay_(autoPlay),
      mergeSwaps_(mergeSwaps) {
  host_->Form().SetDrawing(false);
  TBoard* b = host_->Board1;
  b->WarnEnabled = false;
  b->MyPlaySound = false;
  b->Animate = false;
  host_->Table.OnGameWon = [this] { won_ = true; };
}

SolverTable::~SolverTable() = default;

bool SolverTable::Deal(uint32_t number, SolverMove* opening) {
  won_ = false;
  host_->Table.AutoPlay = autoPlay_;
  if (!host_->DealGame(gameIndex_, number)) return false;
  host_->Board1->Animate = false;
  piles_ = PilesInOrder(*host_);
  digests_.assign(piles_.size(), PileDigest{});
  groups_ = mergeSwaps_ ? InterchangeableGroups(gameIndex_, *host_, piles_)
                        : std::vector<int>(piles_.size(), -1);
  int ticks = Settle();
  if (opening) {
    opening->steps.clear();
    if (ticks > 0) opening->steps.push_back({MoveStep::Tick, ticks});
  }
  return true;
}

TablePosition SolverTable::Capture() {
  return CapturePosition(*host_, piles_);
}

TableDigest SolverTable::Digest() {
  return DigestTable(*host_, piles_, groups_, &digests_);
}

void SolverTable::Restore(const TablePosition& p) {
  RestorePosition(*host_, piles_, p);
  host_->Board1->Animate = false;
  answers_.clear();
  won_ = false;
}

void SolverTable::NoteRevisions() {
  matched_.resize(piles_.size());
  for (size_t i = 0; i < piles_.size(); ++i)
    matched_[i] = piles_[i]->Revision();
}

void SolverTable::RestoreAgain(const TablePosition& p) {
  RestorePosition(*host_, piles_, p, &matched_);
  NoteRevisions();
  host_->Board1->Animate = false;
  answers_.clear();
  won_ = false;
}

void ClickPileAsPlayer(TDeck* d, bool dbl) {
  TGraphicControl* target = d->TopCard ? static_cast<TGraphicControl*>(d->TopCard) : d;
  target->Click();
  if (dbl) target->DblClick();
}

int SolverTable::Settle() {
  // What a tick can change shows in the history (every move and turn is
  // recorded), the score, the redeal counter and the redeal button; that is
  // far cheaper to watch than the whole table.
  TBoard* b = host_->Board1;
  TTable& t = host_->Table;
  auto mark = [&] {
    return std::make_tuple(b->History.size(), b->HistoryIndex, b->Score(), t.Rotation_Counter(),
                           t.RedealButton ? int(t.RedealButton->Enabled()) : -1);
  };
  int ticks = 0;
  int idle = 0;
  auto last = mark();
  while (ticks < kMaxTicks && !won_) {
    if (!host_->Additional_timer.Fire()) break;
    ++ticks;
    auto now = mark();
    if (now == last) {
      if (++idle >= kIdleTicks) break;
    } else {
      idle = 0;
      last = now;
    }
  }
  return ticks;
}

void SolverTable::CollectVisible() {
  visible_.clear();
  for (TDeck* d : piles_)
    if (d->Visible()) visible_.push_back(d);
}

void SolverTable::Collect(uint64_t fromExact, std::initializer_list<MoveStep> steps,
                          const IsNewPosition& isNew, std::vector<MoveOutcome>& out) {
  host_->Board1->ClearSelection();
  // Most clicks tried do nothing; the mark says so without a digest.
  if (!won_ && QuickMark(*host_, piles_) == fromMark_) return;
  SolverMove move;
  move.steps.reserve(steps.size() + 1);
  move.steps.assign(steps);
  if (!won_) {
    int ticks = Settle();
    if (ticks > 0) move.steps.push_back({MoveStep::Tick, ticks});
  }
  const TableDigest d = Digest();
  if (!won_ && (d.exact == fromExact || (isNew && !isNew(d.canonical)))) return;
  MoveOutcome o;
  o.move = std::move(move);
  o.position = Capture();
  o.digest = d.canonical;
  o.won = won_;
  out.push_back(std::move(o));
}

std::vector<MoveOutcome> SolverTable::Moves(const TablePosition& from, const IsNewPosition& isNew) {
  std::vector<MoveOutcome> out;
  TBoard* b = host_->Board1;
  Restore(from);
  NoteRevisions();
  const uint64_t fromKey = Digest().exact;
  fromMark_ = QuickMark(*host_, piles_);
  CollectVisible();
  const std::vector<TDeck*>& piles = visible_;
  bool dirty = false;
  auto fresh = [&] {
    if (dirty)
      RestoreAgain(from);
    else if (b->SelectedPile)
      b->ClearSelection();  // the card goes back, as a click on its pile would
    dirty = false;
    answers_.clear();
    asked_ = false;
  };
  for (TDeck* s : piles) {
    const int sid = s->DeckID();
    fresh();
    ClickPile(s, false);
    if (b->SelectedPile != s) {
      // The click itself did something (a stock deals, a redeal), or nothing.
      dirty = true;
      Collect(fromKey, {{MoveStep::Pile, sid}}, isNew, out);
      continue;
    }
    for (TDeck* q : piles) {
      if (q == s) continue;
      for (int answer : {1, 6}) {
        if (b->SelectedPile != s) {
          fresh();
          ClickPile(s, false);
          if (b->SelectedPile != s) break;
        }
        answers_ = {answer};
        asked_ = false;
        ClickPile(q, false);
        const bool asked = asked_;
        if (b->SelectedPile == s && !won_) {
          // Refused: the card is back in hand and nothing moved, but a
          // column rule may have stopped the timer, which a player's
          // accepted move would have found running.
          host_->Additional_timer.SetEnabled(from.timerOn);
          host_->Table.GameStarted = from.started;
        } else {
          dirty = true;
          const MoveStep pick{MoveStep::Pile, sid};
          const MoveStep drop{MoveStep::Pile, q->DeckID()};
          if (asked)
            Collect(fromKey, {pick, {MoveStep::Answer, answer}, drop}, isNew, out);
          else
            Collect(fromKey, {pick, drop}, isNew, out);
        }
        if (!asked) break;
      }
    }
    // A double click on the picked-up card (to a foundation, a free cell).
    fresh();
    ClickPile(s, true);
    dirty = true;
    Collect(fromKey, {{MoveStep::DblPile, sid}}, isNew, out);
  }
  if (TRedealButton* button = host_->Table.RedealButton.get(); button && button->Enabled()) {
    fresh();
    QPoint c = button->Geometry.center();
    button->Click();
    dirty = true;
    Collect(fromKey, {{MoveStep::Click, c.x(), c.y()}}, isNew, out);
  }
  return out;
}

bool SolverTable::Apply(const SolverMove& move) {
  for (const MoveStep& step : move.steps) {
    switch (step.kind) {
      case MoveStep::Pile:
      case MoveStep::DblPile: {
        TDeck* d = FindPileByID(&host_->Form(), step.a);
        if (!d) return false;
        ClickPile(d, step.kind == MoveStep::DblPile);
        break;
      }
      case MoveStep::Click: {
        TRedealButton* button = host_->Table.RedealButton.get();
        if (!button || !button->Geometry.contains(QPoint(step.a, step.b))) return false;
        button->Click();
        break;
      }
      case MoveStep::Answer:
        answers_.push_back(step.a);
        break;
      case MoveStep::Tick:
        for (int i = 0; i < step.a; ++i)
          host_->Additional_timer.Fire();
        break;
    }
  }
  return true;
}

SolverMove SolverTable::Make(const std::vector<MoveStep>& steps) {
  SolverMove move;
  move.steps = steps;
  answers_.clear();
  Apply(move);
  host_->Board1->ClearSelection();
  if (!won_) {
    const int ticks = Settle();
    if (ticks > 0) move.steps.push_back({MoveStep::Tick, ticks});
  }
  return move;
}
