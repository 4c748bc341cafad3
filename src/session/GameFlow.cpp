// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GameFlow.h"

#include <QCoreApplication>

#include "art/WinArt.h"
#include "cardtable/SlidePace.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Raster.h"
#include "records/Catalogue.h"
#include "session/Abandon.h"

GameFlow::GameFlow(AppSettings settings, PlayerList players, QString playersFile)
    : settings_(std::move(settings)),
      players_(std::move(players)),
      playersFile_(std::move(playersFile)),
      history_(HistoryFilePath(playersFile_)),
      resume_(SavedGamePath(playersFile_)) {
  gameIndex_ = IsGameIndex(settings_.GameIndex) ? settings_.GameIndex : 0;
  host_.SetBack(settings_.Back);
  TBoard* b = host_.Board1;
  b->WarnEnabled = settings_.Warnings;
  b->MyPlaySound = settings_.PlaySound;
  b->ShowEmptyPiles = settings_.ShowEmpty;
  SlidePace().SetSpeed(settings_.AnimationSpeed);
  CardImages::SetFaceStyle(CardArt::FaceStyleFromInt(settings_.CardFaces));
  b->Pattern_Type = settings_.PatternType;
  b->OnScoreChange = [this](TDeck*) {
    if (OnStatusChanged) OnStatusChanged();
  };
  host_.Table.OnRotationChange = [this] {
    if (OnStatusChanged) OnStatusChanged();
  };
  host_.Table.OnGameWon = [this] { GameWon(); };
  // Every player action that changed the table is a move of the history's.
  b->OnPlayerChange = [this, started = b->OnPlayerChange] {
    if (started) started();
    history_.NoteMove();
  };
  host_.Redeal_Timer.OnTimer = [this] {  // redeal_TM
    host_.Redeal_Timer.SetEnabled(false);
    Deal_MIClick();
  };
  host_.UpdateCardOpacity();
  ApplyGameSettings(gameIndex_);
  b->Busy = false;
}

GameFlow::~GameFlow() = default;

std::unique_ptr<GameFlow> GameFlow::Load(const QString& dataDir) {
  QString playersFile = PlayersFilePath(dataDir);
  LoadReport problems;
  AppSettings settings = LoadAppSettings(&problems);
  PlayerList players = LoadPlayers(settings, PlayersFileToRead(playersFile, dataDir), &problems);
  auto flow = std::make_unique<GameFlow>(std::move(settings), std::move(players), playersFile);
  // Opened now, so a damaged history is told with the other files.
  HistoryDb& db = flow->history_.Db();
  if (!db.Open()) problems.Add(db.Path(), db.Error());
  if (QString notice = db.TakeNotice(); !notice.isEmpty()) problems.Add(db.Path(), notice);
  flow->loadProblems_ = std::move(problems);
  return flow;
}

void GameFlow::DealGame(std::optional<int> index, std::optional<uint32_t> number) {
  if (Busy()) return;
  if (index) {
    RememberGameOptions();
    if (!SelectSolitaireOk(*index)) return;
  }
  if (number) SelectShuffleOk(*number);
  // The deal the selection's timer would start a moment later follows now.
  host_.Redeal_Timer.SetEnabled(false);
  Deal_MIClick();
}

// --- Deals --------------------------------------------------------------------

void GameFlow::ChooseShuffle(bool same, std::optional<uint32_t> picked) {
  if (same) {
    host_.Shuffle.Seed(gameNumber_);
    return;
  }
  host_.Shuffle.Seed(picked ? *picked : ShuffleGenerator::ClockSeed());
  gameNumber_ = host_.Shuffle.State();
  dealKind_ = picked ? DealKind::WinnableOnly : DealKind::Random;
  recent_.Add(gameNumber_);
}

bool GameFlow::MayLeaveGame() {
  return MayAbandonGame(host_.Table.GameStarted == 1, settings_.AskAbandon);
}

void GameFlow::Deal_MIClick() {
  TBoard* b = host_.Board1;
  if (Busy()) return;
  // Restart and a chosen shuffle count nothing: only a new deal asks.
  if (!sameShuffle_ && !MayLeaveGame()) return;
  std::optional<uint32_t> picked;
  if (!sameShuffle_ && settings_.WinnableOnly && PickWinnable) {
    // Asked before anything changes: looking may take a while, and a
    // player who gives up keeps the game on the table.
    picked = PickWinnable(gameIndex_);
    if (!picked || Busy()) return;
  }
  host_.Additional_timer.SetEnabled(false);
  if (OnDealMenuEnabled) OnDealMenuEnabled(false);
  b->Busy = true;
  ProcessMessages();
  if (host_.Table.GameStarted == 1 && !sameShuffle_) RecordLost();
  // A started deal left for a chosen number (Select Shuffle, the deal of the
  // day) counts neither won nor lost, but the history keeps it, as abandoned.
  const bool leavesStarted = host_.Table.GameStarted == 1 && sameShuffle_;
  const int leftScore = b->Score();
  b->SetScore(-1000);
  host_.Table.GameStarted = 0;
  ForgetKeptGame();
  ClearTable();
  ChooseShuffle(sameShuffle_, picked);
  if (sameShuffle_) dealKind_ = chosenKind_;
  // The same shuffle again (Restart, or the number of the deal on the table)
  // goes on with the deal the history follows.
  if (!sameShuffle_ || !history_.InDeal(players_.ActiveName(), gameIndex_, gameNumber_)) {
    if (leavesStarted) {
      history_.Finish(GameResult::Abandoned, leftScore);
      TellHistoryNotice();
    }
    history_.BeginDeal(players_.ActiveName(), gameIndex_, gameNumber_, dealKind_);
  }
  host_.Table.SetRotation_Counter(-1);
  dealt_ = true;
  tableEmpty_ = false;
  if (OnCaptionChanged) OnCaptionChanged();
  host_.RunDeal(gameIndex_);
  if (OnUndoMenuEnabled) OnUndoMenuEnabled(true);
  sameShuffle_ = false;
  ProcessMessages();
  if (OnDealMenuEnabled) OnDealMenuEnabled(true);
  b->Busy = false;
  ProcessMessages();
  if (OnDealt) OnDealt();
  if (OnStatusChanged) OnStatusChanged();
}

void GameFlow::Replay1Click() {
  if (!dealt_ || Busy()) return;
  sameShuffle_ = true;
  chosenKind_ = dealKind_;  // the same deal, dealt the same way
  Deal_MIClick();
}

void GameFlow::SelectShuffleOk(uint32_t number) {
  sameShuffle_ = true;
  gameNumber_ = number;
  chosenKind_ = DealKind::ChosenNumber;
  recent_.Add(number);
  host_.Redeal_Timer.SetEnabled(true);
}

void GameFlow::DealNumber(uint32_t number, DealKind kind) {
  if (Busy()) return;
  SelectShuffleOk(number);
  chosenKind_ = kind;
  host_.Redeal_Timer.SetEnabled(false);
  Deal_MIClick();
}

void GameFlow::RememberGameOptions() {
  TGameOption& o = settings_.GameOptions[size_t(gameIndex_)];
  if (WindowRect) {
    QRect r = WindowRect();
    o.Top = int16_t(r.top());
    o.Left = int16_t(r.left());
    o.Width = int16_t(r.width());
    o.Height = int16_t(r.height());
  }
  o.AutoPlay = int16_t(host_.Table.AutoPlay);
}

bool GameFlow::SelectSolitaireOk(int index) {
  if (!MayLeaveGame()) return false;
  if (host_.Table.GameStarted == 1) RecordLost();
  host_.Table.GameStarted = 0;
  host_.Additional_timer.SetEnabled(false);
  if (IsGameIndex(index)) gameIndex_ = index;
  ApplyGameSettings(gameIndex_);
  ProcessMessages();
  host_.Redeal_Timer.SetEnabled(true);
  if (OnStatusChanged) OnStatusChanged();
  return true;
}

void GameFlow::ApplyGameSettings(int index) {
  if (OnCaptionChanged) OnCaptionChanged();
  const TGameOption& o = settings_.GameOptions[size_t(qBound(0, index, kGameSlots - 1))];
  if (ApplyWindowRect) ApplyWindowRect(QRect(o.Left, o.Top, o.Width, o.Height));
  host_.Table.AutoPlay = o.AutoPlay;
}

void GameFlow::SetAutoPlay(int index, int autoPlay) {
  if (index < 0 || index >= kGameSlots) return;
  settings_.GameOptions[size_t(index)].AutoPlay = int16_t(autoPlay);
  if (index == gameIndex_) host_.Table.AutoPlay = autoPlay;
}

// --- Undo and redo --------------------------------------------------------------

void GameFlow::GameClick() {
  TBoard* b = host_.Board1;
  if (Busy()) return;
  if (settings_.UndoOption != 0) {
    undoEnabled_ = b->HistoryIndex >= 0;
    redoEnabled_ = b->HistoryIndex < int(b->History.size()) - 1;
  } else {
    undoEnabled_ = redoEnabled_ = false;
  }
}

void GameFlow::NewUndo1Click() {
  TBoard* b = host_.Board1;
  b->Busy = true;
  undoEnabled_ = redoEnabled_ = false;
  host_.Additional_timer.SetEnabled(false);
  ProcessMessages();
  if (b->HistoryIndex >= 0) history_.NoteUndo();
  b->UndoStep();
  host_.Table.HistoryStepped();
  if (settings_.UndoOption == 1) b->DropUndoable();
  b->Busy = false;
}

void GameFlow::NewRedo1Click() {
  TBoard* b = host_.Board1;
  b->Busy = true;
  undoEnabled_ = redoEnabled_ = false;
  host_.Additional_timer.SetEnabled(false);
  ProcessMessages();
  b->RedoStep();
  host_.Table.HistoryStepped();
  b->Busy = false;
}

// --- Game over ------------------------------------------------------------------

void GameFlow::RecordLost() {
  const bool assisted = history_.SolveUsed();
  if (!assisted) players_.RecordLost(players_.ActivePlayer(), gameIndex_, host_.Board1->Score());
  FinishHistory(assisted ? GameResult::Abandoned : GameResult::Lost);
}

void GameFlow::FinishHistory(GameResult result) {
  history_.Finish(result, host_.Board1->Score());
  TellHistoryNotice();
}

void GameFlow::TellHistoryNotice() {
  const QString notice = history_.Db().TakeNotice();
  if (!notice.isEmpty())
    ShowMessage(history_.Db().Path() + QStringLiteral(" ") + notice,
                QStringLiteral("Wenlo Solitaire Collection"), MsgIcon::Warning);
}

void GameFlow::GameWon() {
  winPending_ = true;
  host_.Additional_timer.SetEnabled(false);
  for (int i = 0; i < 6; ++i) {
    WaitMs(80);
    ProcessMessages();
    if (OnFlash) OnFlash();
  }
  // A win Solve played in is the solver's: no hi-score, no won game.
  if (!history_.SolveUsed())
    players_.RecordWon(players_.ActivePlayer(), gameIndex_, host_.Board1->Score());
  FinishHistory(GameResult::Won);
  host_.Table.GameStarted = 0;
  ForgetKeptGame();
  if (OnWon) OnWon(gameIndex_, gameNumber_);
  host_.Additional_timer.SetInterval(100);
  host_.Additional_timer.OnTimer = [this] { Game_over_Pre_Timer(); };
  host_.Additional_timer.SetEnabled(true);
}

void GameFlow::Game_over_Pre_Timer() {
  winPending_ = false;
  host_.Additional_timer.SetEnabled(false);
  winBitmap_ = WinArt::WinPicture(host_.Form().Scale());
  if (!winBitmap_.isNull()) {
    ClearTable();
    // FormPaint: the win picture tiled over the whole window.
    host_.Form().PaintBackground = [this](QImage& screen, const QRect& r) {
      const int w = winBitmap_.width(), h = winBitmap_.height();
      for (int y = (r.top() / h) * h; y <= r.bottom(); y += h)
        for (int x = (r.left() / w) * w; x <= r.right(); x += w)
          BitBlt(screen, x, y, w, h, winBitmap_, 0, 0, Rop::Copy, &r);
    };
    host_.Form().InvalidateAll();
  }
  host_.Additional_timer.OnTimer = [this] { Game_over_Timer(); };
  host_.Additional_timer.SetEnabled(true);
  host_.Additional_timer.SetInterval(200);
  ProcessMessages();
  int result = RequestDialog(ModalDialog::OnceMore, GameTitle(gameIndex_), mrYes);
  host_.Additional_timer.SetEnabled(false);
  host_.Additional_timer.SetInterval(100);
  host_.Additional_timer.OnTimer = nullptr;
  InstallTablePainter();
  ClearTable();
  winBitmap_ = QImage();
  host_.Form().InvalidateAll();
  host_.Board1->ClearHistory();
  if (result == mrYes) {
    host_.Redeal_Timer.SetEnabled(true);
  } else {
    // The finished deal is gone from the table: its number leaves the caption.
    tableEmpty_ = true;
    if (OnCaptionChanged) OnCaptionChanged();
  }
  host_.Board1->SetScore(-1000);
}

void GameFlow::Game_over_Timer() {
  TForm& form = host_.Form();
  int top = int(host_.Shuffle.Range(uint32_t(qMax(form.ClientHeight(), 1))));
  int n = int(host_.Shuffle.Range(103)) + 1;
  int left = int(host_.Shuffle.Range(uint32_t(qMax(form.ClientWidth(), 1))));
  TCard* card = host_.Table.CardPool[n];
  if (card->Visible()) return;
  card->SetFace(true);
  card->SetBounds(left, top, card->Width(), card->Height());
  card->BringToFront();
  card->Show();
  if (++winCardCount_ == 90) {
    ClearTable();
    winCardCount_ = 0;
  }
}

void GameFlow::SetTablePainter(std::function<void(QImage&, const QRect&)> painter) {
  tablePainter_ = std::move(painter);
  if (winBitmap_.isNull()) InstallTablePainter();
}

void GameFlow::InstallTablePainter() {
  host_.Form().PaintBackground = tablePainter_;
  host_.Form().InvalidateAll();
}

// --- Exit -----------------------------------------------------------------------

SaveReport GameFlow::Close() {
  SaveReport report;
  if (host_.Table.GameStarted == 1) {
    // Kept for the next start, it is counted when it is abandoned then; a
    // game that cannot be kept is counted now, as without the option. A
    // failed save leaves the previous file: when that holds this very game
    // (brought back at this start), the game comes back from there and is
    // counted then, not twice.
    const bool keep = keepInProgress_ && settings_.Resume;
    bool kept = false;
    if (keep && !resume_.HeldByAnother(players_.ActiveName())) {
      QString reason;
      kept = resume_.Save(host_, players_.ActiveName(), gameIndex_, gameNumber_, &reason);
      if (!kept) report.Add(resume_.Path(), reason);
    }
    if (kept) {
      keptIsCurrent_ = true;
      // Its row so far (start, counters, Solve's mark) waits for the next
      // start; without it the game would come back as a fresh one.
      QString why;
      if (!history_.KeepInPlay(host_.Board1->Score(), &why)) report.Add(history_.Db().Path(), why);
    } else if (!keep || !keptIsCurrent_) {
      ForgetKeptGame();
      RecordLost();
    }
    host_.Table.GameStarted = 0;
  }
  TBoard* b = host_.Board1;
  settings_.Warnings = b->WarnEnabled;
  settings_.PlaySound = b->MyPlaySound;
  settings_.ShowEmpty = b->ShowEmptyPiles;
  settings_.GameIndex = gameIndex_;
  StorePlayersInSettings(players_, settings_);
  RememberGameOptions();
  QString reason;
  if (!SaveAppSettings(settings_, &reason)) report.Add(SettingsFilePath(), reason);
  if (!SavePlayers(players_, playersFile_, &reason)) report.Add(playersFile_, reason);
  if (!history_.Flush(&reason)) report.Add(history_.Db().Path(), reason);
  TellHistoryNotice();
  return report;
}

bool GameFlow::ResumeSavedGame() {
  resumeError_.clear();
  if (!settings_.Resume) return false;
  std::optional<SavedGame> g = resume_.Resume(host_, players_.ActiveName(), &resumeError_);
  if (!g) return false;
  keptIsCurrent_ = true;
  gameIndex_ = g->GameIndex;
  gameNumber_ = g->Number;
  history_.ResumeDeal(players_.ActiveName(), gameIndex_, gameNumber_);
  dealt_ = true;
  ApplyGameSettings(gameIndex_);
  host_.Table.AutoPlay = g->AutoPlay;
  if (OnUndoMenuEnabled) OnUndoMenuEnabled(true);
  if (OnDealMenuEnabled) OnDealMenuEnabled(true);
  if (OnDealt) OnDealt();
  if (OnStatusChanged) OnStatusChanged();
  return true;
}

void GameFlow::ForgetKeptGame() {
  if (!keptIsCurrent_) return;
  keptIsCurrent_ = false;
  resume_.Forget();
}

// --- Presentation -----------------------------------------------------------------

QString GameFlow::Caption() const {
  QString c = GameTitle(gameIndex_);
  if (!dealt_ || tableEmpty_) return c;
  switch (dealKind_) {
    case DealKind::WinnableOnly:
      return QCoreApplication::translate("GameFlow", "%1 [#%2, winnable]").arg(c).arg(gameNumber_);
    case DealKind::DealOfTheDay:
      return QCoreApplication::translate("GameFlow", "%1 [#%2, deal of the day]")
          .arg(c)
          .arg(gameNumber_);
    case DealKind::ChosenNumber:
    case DealKind::Random:
      break;
  }
  return QCoreApplication::translate("GameFlow", "%1 [#%2]").arg(c).arg(gameNumber_);
}

QString GameFlow::PlayerPanel() const {
  return players_.Count() > 0
             ? QCoreApplication::translate("GameFlow", "Player: %1").arg(players_.ActiveName())
             : QString();
}

QString GameFlow::RedealPanel() const {
  int rc = host_.Table.Rotation_Counter();
  if (rc < 1) return QString();
  return QCoreApplication::translate("GameFlow", "Redeals: %1").arg(host_.Table.RedealLimit - rc);
}

QString GameFlow::ScorePanel() const {
  int s = host_.Board1->Score();
  if (s == -1000) return QString();
  return QCoreApplication::translate("GameFlow", "Score: $%1").arg(s);
}
