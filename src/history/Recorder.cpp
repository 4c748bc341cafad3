// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/Recorder.h"

#include <QDateTime>

HistoryRecorder::HistoryRecorder(QString dbPath) : db_(std::move(dbPath)) {}

qint64 HistoryRecorder::Now() const {
  return Clock ? Clock() : QDateTime::currentMSecsSinceEpoch();
}

void HistoryRecorder::BeginDeal(const QString& player, int game, uint32_t number, DealKind kind) {
  GameRecord r;
  r.Player = player;
  r.Game = game;
  r.Number = number;
  r.StartMs = Now();
  r.Dealt = kind;
  current_ = r;
  firstMoveMs_ = -1;
}

bool HistoryRecorder::InDeal(const QString& player, int game, uint32_t number) const {
  return current_ && current_->Player == player && current_->Game == game &&
         current_->Number == number;
}

void HistoryRecorder::SetDealKind(DealKind kind) {
  if (current_) current_->Dealt = kind;
}

std::optional<DealKind> HistoryRecorder::CurrentDealKind() const {
  if (!current_) return std::nullopt;
  return current_->Dealt;
}

void HistoryRecorder::NoteMove() {
  if (!current_) return;
  if (firstMoveMs_ < 0) firstMoveMs_ = Now() - current_->PlayMs;
  ++current_->Moves;
}

void HistoryRecorder::NoteUndo() {
  if (current_) ++current_->Undos;
}

void HistoryRecorder::NoteHint() {
  if (current_) ++current_->Hints;
}

void HistoryRecorder::NoteSolveMove() {
  if (current_) current_->Solved = true;
}

void HistoryRecorder::Finish(GameResult result, int score) {
  if (!current_) return;
  GameRecord r = *current_;
  current_.reset();
  r.EndMs = Now();
  if (firstMoveMs_ >= 0) r.PlayMs = r.EndMs - firstMoveMs_;
  r.Score = score;
  r.Result = result;
  pending_.push_back(std::move(r));
  Flush();
}

bool HistoryRecorder::Flush(QString* reason) {
  if (pending_.empty()) return true;
  QString why;
  if (db_.Append(pending_, &why)) {
    pending_.clear();
    lastError_.clear();
    return true;
  }
  lastError_ = why;
  if (reason)
    *reason = QStringLiteral("%1 finished game(s) could not be recorded: %2")
                  .arg(pending_.size())
                  .arg(why);
  return false;
}

bool HistoryRecorder::KeepInPlay(int score, QString* reason) {
  if (!current_) return true;
  GameRecord r = *current_;
  if (firstMoveMs_ >= 0) r.PlayMs = Now() - firstMoveMs_;
  r.Score = score;
  return db_.KeepInPlay(r, reason);
}

void HistoryRecorder::ResumeDeal(const QString& player, int game, uint32_t number) {
  std::optional<GameRecord> kept = db_.TakeInPlay(player);
  if (kept && kept->Game == game && kept->Number == number) {
    current_ = kept;
    // The time away does not count: play goes on from its earlier total.
    firstMoveMs_ = kept->Moves > 0 ? Now() - kept->PlayMs : -1;
    return;
  }
  BeginDeal(player, game, number, DealKind::ChosenNumber);
}
