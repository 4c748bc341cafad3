#include "session/GameFlow.h"

#include "art/WinArt.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Raster.h"
#include "records/Catalogue.h"

GameFlow::GameFlow(AppSettings settings, PlayerList players, QString playersFile)
    : Settings(std::move(settings)),
      Players(std::move(players)),
      PlayersFile(std::move(playersFile)) {
  GameIndex = IsGameIndex(Settings.GameIndex) ? Settings.GameIndex : 0;
  Host.SetBack(Settings.Back);
  TBoard* b = Host.Board1;
  b->WarnEnabled = Settings.Warnings;
  b->MyPlaySound = Settings.PlaySound;
  b->ShowEmptyPiles = Settings.ShowEmpty;
  b->Pattern_Type = Settings.PatternType;
  b->OnScoreChange = [this](TDeck*) {
    if (OnStatusChanged) OnStatusChanged();
  };
  Host.Table.OnRotationChange = [this] {
    if (OnStatusChanged) OnStatusChanged();
  };
  Host.Table.OnGameWon = [this] { GameWon(); };
  Host.Redeal_Timer.OnTimer = [this] {  // redeal_TM
    Host.Redeal_Timer.SetEnabled(false);
    Deal_MIClick();
  };
  Host.UpdateCardOpacity();
  ApplyGameSettings(GameIndex);
  b->Busy = false;
}

GameFlow::~GameFlow() = default;

// --- Deals --------------------------------------------------------------------

void GameFlow::ChooseShuffle(bool same) {
  if (same) {
    Host.Shuffle.Seed(GameNumber);
    return;
  }
  Host.Shuffle.Seed(ShuffleGenerator::ClockSeed());
  GameNumber = Host.Shuffle.State();
  Recent.Add(GameNumber);
}

void GameFlow::Deal_MIClick() {
  TBoard* b = Host.Board1;
  if (b->Busy) return;
  Host.Additional_timer.SetEnabled(false);
  if (OnDealMenuEnabled) OnDealMenuEnabled(false);
  b->Busy = true;
  ProcessMessages();
  if (Host.Table.GameStarted == 1 && !SameShuffle) RecordLost();
  b->SetScore(-1000);
  Host.Table.GameStarted = 0;
  ClearTable();
  ChooseShuffle(SameShuffle);
  Host.Table.SetRotation_Counter(-1);
  Dealt = true;
  if (OnCaptionChanged) OnCaptionChanged();
  Host.RunDeal(GameIndex);
  if (OnUndoMenuEnabled) OnUndoMenuEnabled(true);
  SameShuffle = false;
  ProcessMessages();
  if (OnDealMenuEnabled) OnDealMenuEnabled(true);
  b->Busy = false;
  ProcessMessages();
  if (OnStatusChanged) OnStatusChanged();
}

void GameFlow::Replay1Click() {
  if (!Dealt || Busy()) return;
  SameShuffle = true;
  Deal_MIClick();
}

void GameFlow::SelectShuffleOk(uint32_t number) {
  SameShuffle = true;
  GameNumber = number;
  Recent.Add(number);
  Host.Redeal_Timer.SetEnabled(true);
}

void GameFlow::RememberGameOptions() {
  TGameOption& o = Settings.GameOptions[size_t(GameIndex)];
  if (WindowRect) {
    QRect r = WindowRect();
    o.Top = int16_t(r.top());
    o.Left = int16_t(r.left());
    o.Width = int16_t(r.width());
    o.Height = int16_t(r.height());
  }
  o.AutoPlay = int16_t(Host.Table.AutoPlay);
}

void GameFlow::SelectSolitaireOk(int index) {
  if (Host.Table.GameStarted == 1) RecordLost();
  Host.Table.GameStarted = 0;
  Host.Additional_timer.SetEnabled(false);
  if (IsGameIndex(index)) GameIndex = index;
  ApplyGameSettings(GameIndex);
  ProcessMessages();
  Host.Redeal_Timer.SetEnabled(true);
  if (OnStatusChanged) OnStatusChanged();
}

void GameFlow::ApplyGameSettings(int index) {
  if (OnCaptionChanged) OnCaptionChanged();
  const TGameOption& o = Settings.GameOptions[size_t(qBound(0, index, kGameSlots - 1))];
  if (ApplyWindowRect) ApplyWindowRect(QRect(o.Left, o.Top, o.Width, o.Height));
  Host.Table.AutoPlay = o.AutoPlay;
}

void GameFlow::SetAutoPlay(int index, int autoPlay) {
  if (index < 0 || index >= kGameSlots) return;
  Settings.GameOptions[size_t(index)].AutoPlay = int16_t(autoPlay);
  if (index == GameIndex) Host.Table.AutoPlay = autoPlay;
}

// --- Undo and redo --------------------------------------------------------------

void GameFlow::GameClick() {
  TBoard* b = Host.Board1;
  if (b->Busy) return;
  if (Settings.UndoOption != 0) {
    undoEnabled_ = b->HistoryIndex >= 0;
    redoEnabled_ = b->HistoryIndex < int(b->History.size()) - 1;
  } else {
    undoEnabled_ = redoEnabled_ = false;
  }
}

void GameFlow::NewUndo1Click() {
  TBoard* b = Host.Board1;
  b->Busy = true;
  undoEnabled_ = redoEnabled_ = false;
  Host.Additional_timer.SetEnabled(false);
  ProcessMessages();
  b->UndoStep();
  if (Settings.UndoOption == 1) b->DropUndoable();
  b->Busy = false;
}

void GameFlow::NewRedo1Click() {
  TBoard* b = Host.Board1;
  b->Busy = true;
  undoEnabled_ = redoEnabled_ = false;
  Host.Additional_timer.SetEnabled(false);
  ProcessMessages();
  b->RedoStep();
  b->Busy = false;
}

// --- Game over ------------------------------------------------------------------

void GameFlow::RecordLost() {
  Players.RecordLost(Players.ActivePlayer(), GameIndex, Host.Board1->Score());
}

void GameFlow::GameWon() {
  Host.Additional_timer.SetEnabled(false);
  for (int i = 0; i < 6; ++i) {
    WaitMs(80);
    ProcessMessages();
    if (OnFlash) OnFlash();
  }
  Players.RecordWon(Players.ActivePlayer(), GameIndex, Host.Board1->Score());
  Host.Table.GameStarted = 0;
  if (OnWon) OnWon(GameIndex, GameNumber);
  Host.Additional_timer.SetInterval(100);
  Host.Additional_timer.OnTimer = [this] { Game_over_Pre_Timer(); };
  Host.Additional_timer.SetEnabled(true);
}

void GameFlow::Game_over_Pre_Timer() {
  Host.Additional_timer.SetEnabled(false);
  winBitmap_ = WinArt::WinPicture();
  if (!winBitmap_.isNull()) {
    ClearTable();
    // FormPaint: the win picture tiled over the whole window.
    Host.Form().PaintBackground = [this](QImage& screen, const QRect& r) {
      const int w = winBitmap_.width(), h = winBitmap_.height();
      for (int y = (r.top() / h) * h; y <= r.bottom(); y += h)
        for (int x = (r.left() / w) * w; x <= r.right(); x += w)
          BitBlt(screen, x, y, w, h, winBitmap_, 0, 0, Rop::Copy, &r);
    };
    Host.Form().InvalidateAll();
  }
  Host.Additional_timer.OnTimer = [this] { Game_over_Timer(); };
  Host.Additional_timer.SetEnabled(true);
  Host.Additional_timer.SetInterval(200);
  ProcessMessages();
  int result = RequestDialog(ModalDialog::OnceMore, GameName(GameIndex), mrYes);
  Host.Additional_timer.SetEnabled(false);
  Host.Additional_timer.SetInterval(100);
  Host.Additional_timer.OnTimer = nullptr;
  InstallTablePainter();
  ClearTable();
  winBitmap_ = QImage();
  Host.Form().InvalidateAll();
  Host.Board1->ClearHistory();
  if (result == mrYes) Host.Redeal_Timer.SetEnabled(true);
  Host.Board1->SetScore(-1000);
}

void GameFlow::Game_over_Timer() {
  TForm& form = Host.Form();
  int top = int(Host.Shuffle.Range(uint32_t(qMax(form.ClientHeight(), 1))));
  int n = int(Host.Shuffle.Range(103)) + 1;
  int left = int(Host.Shuffle.Range(uint32_t(qMax(form.ClientWidth(), 1))));
  TCard* card = Host.Table.CardPool[size_t(n)];
  if (card->Visible()) return;
  card->SetFace(true);
  card->SetBounds(left, top, card->Width(), card->Height());
  card->BringToFront();
  card->Show();
  if (++WinCardCount == 90) {
    ClearTable();
    WinCardCount = 0;
  }
}

void GameFlow::SetTablePainter(std::function<void(QImage&, const QRect&)> painter) {
  tablePainter_ = std::move(painter);
  if (winBitmap_.isNull()) InstallTablePainter();
}

void GameFlow::InstallTablePainter() {
  Host.Form().PaintBackground = tablePainter_;
  Host.Form().InvalidateAll();
}

// --- Exit -----------------------------------------------------------------------

bool GameFlow::Close() {
  if (Host.Table.GameStarted == 1) {
    RecordLost();
    Host.Table.GameStarted = 0;
  }
  TBoard* b = Host.Board1;
  Settings.Warnings = b->WarnEnabled;
  Settings.PlaySound = b->MyPlaySound;
  Settings.ShowEmpty = b->ShowEmptyPiles;
  Settings.GameIndex = GameIndex;
  StorePlayersInSettings(Players, Settings);
  RememberGameOptions();
  bool settingsOk = SaveAppSettings(Settings);
  bool playersOk = SavePlayers(Players, PlayersFile);
  return settingsOk && playersOk;
}

// --- Presentation -----------------------------------------------------------------

QString GameFlow::Caption() const {
  QString c = GameName(GameIndex);
  if (Dealt) c += QStringLiteral(" [#%1]").arg(GameNumber);
  return c;
}

QString GameFlow::PlayerPanel() const {
  return Players.Count() > 0 ? QStringLiteral("Player: ") + Players.ActiveName() : QString();
}

QString GameFlow::RedealPanel() const {
  int rc = Host.Table.Rotation_Counter();
  if (rc < 1) return QString();
  return QStringLiteral("Redeals: %1").arg(Host.Table.RedealLimit - rc);
}

QString GameFlow::ScorePanel() const {
  int s = Host.Board1->Score();
  if (s == -1000) return QString();
  return QStringLiteral("Score: $%1").arg(s);
}
