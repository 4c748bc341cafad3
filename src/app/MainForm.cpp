// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "app/ExitHandling.h"
#include "app/SolverControl.h"
#include "app/Toolbar.h"
#include "app/WindowFit.h"
#include "app/WinnableDeals.h"
#include "art/CardArt.h"
#include "art/TableHint.h"
#include "art/WinArt.h"
#include "cardtable/Card.h"
#include "cardtable/SlidePace.h"
#include "platform/Language.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Sound.h"
#include "platform/qt/FirstFrame.h"
#include "platform/qt/ModalQt.h"
#include "platform/qt/SurfaceWidget.h"
#include "players/StatForm.h"
#include "records/Catalogue.h"
#include "ui/AboutBox.h"
#include "ui/DeckForm.h"
#include "ui/GameDlg.h"
#include "ui/OptionsDlg.h"
#include "ui/ShuffleForm.h"
#include "ui/Tray.h"

namespace {
const QString kAppTitle = QStringLiteral("Wenlo Solitaire Collection");
}  // namespace

QList<QKeySequence> TMain_F::RedoKeys() {
  return {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
          QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

TMain_F::TMain_F(const MainOptions& options, QWidget* parent) : QMainWindow(parent) {
  FormCreate(options);
}

TMain_F::~TMain_F() {
  qApp->removeEventFilter(this);
  if (tray_) tray_->RemoveIcon();
  if (surface_) surface_->Detach();
}

void TMain_F::FormCreate(const MainOptions& options) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  flow_ = GameFlow::Load(options.DataDir);
  QApplication::restoreOverrideCursor();
  // The language is among the settings just read; everything said from here
  // on is said in it.
  if (options.Translate) Language::Apply(flow_->Settings().Language);
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    // The table zooms down to fit smaller screens; only a screen too small
    // for the board even at the smallest zoom gets the advice.
    QSize size = s->size();
    if (size.width() < 800 * SurfaceWidget::kMinZoom ||
        size.height() < 600 * SurfaceWidget::kMinZoom)
      ShowMessage(tr("Recommended screen resolution is 800x600 or higher"), kAppTitle,
                  MsgIcon::Information);
  }
  if (!flow_->LoadProblems().Ok()) {
    ShowMessage(tr("Some of your files could not be read:") + QStringLiteral("\n\n") +
                    flow_->LoadProblems().Lines().join(QLatin1Char('\n')),
                kAppTitle, MsgIcon::Warning);
  }
  if (options.ComposeAtFirstPaint) flow_->Host().Form().HoldUntilFirstPaint();

  surface_ = new SurfaceWidget(&flow_->Host().Form(), this);
  setCentralWidget(surface_);
  CreateMenus();
  CreateStatusBar();
  CreateToolbar();
  ApplyBackground();

  GameFlow& f = *flow_;
  f.OnCaptionChanged = [this] {
    UpdateCaption();
    // A new deal or game: the view fits its layout afresh.
    layoutGame_ = -1;
    surface_->ScheduleLayoutCheck();
  };
  f.OnStatusChanged = [this] { UpdateStatusBar(); };
  f.OnDealMenuEnabled = [this](bool on) {
    Deal_MI->setEnabled(on);
    Replay1->setEnabled(on && flow_->Dealt());
  };
  f.OnUndoMenuEnabled = [this](bool on) { NewUndo1->setEnabled(on); };
  f.WindowRect = [this] { return QRect(x(), y(), width(), height()); };
  f.ApplyWindowRect = [this](const QRect& r) { ApplyPlacement(r); };
  surface_->LayoutProvider = [this]() -> std::optional<QRect> {
    if (flow_->Busy()) return std::nullopt;
    if (layoutGame_ != flow_->GameIndex()) {
      layoutGame_ = flow_->GameIndex();
      layout_ = GameLayout(layoutGame_);
    }
    // Grows with the game (a column grown long), never shrinks within it.
    layout_ |= TableLayout(flow_->Host());
    return layout_;
  };
  surface_->OnViewChanged = [this] {
    SyncRedealButton();
    if (marks_) marks_->FollowView();
  };
  f.OnFlash = [this] { FlashCaption(); };
  f.OnDealt = [this] {
    clock_.Restart();
    RefreshToolbar();
  };
  f.OnWon = [this](int, uint32_t) { clock_.Stop(); };
  f.Table().OnRedealButtonChanged = [this] { SyncRedealButton(); };
  f.Host().Form().OnCountText = [this](const QString& t) { countLabel_->setText(t); };
  f.Board1()->OnMouseMove = [this](QPoint) {  // Board1MouseMove: wipe the count
    countLabel_->setText(QString());
  };
  f.PickWinnable = [this](int game) { return PickWinnable(game); };
  f.ApplyGameSettings(f.GameIndex());
  help_.SetAnchor(this);
  SetDialogAnchor(this);
  keys_ = std::make_unique<TKeyboardPlay>(f.Host());
  marks_ = std::make_unique<THintMark>(f.Host().Form());
  marks_->VisibleArea = [this] {
    const QRect seen(surface_->ToBoard(QPointF(0, 0)),
                     surface_->ToBoard(QPointF(surface_->width() - 1, surface_->height() - 1)));
    return seen &
           QRect(0, 0, flow_->Host().Form().ClientWidth(), flow_->Host().Form().ClientHeight());
  };
  f.Host().Drag().OnPress = [this] {
    keys_->HideFrame();
    marks_->Stop();
  };
  // What lies over the piles goes with them (a won deal's table, a new deal).
  f.Host().OnClearTable = [this] {
    keys_->HideFrame();
    marks_->Stop();
  };
  qApp->installEventFilter(this);
  UpdateStatusBar();
  Replay1->setEnabled(false);
  f.SetKeepGameInProgress(options.KeepAtExit);
  if (options.ResumeAtStart) f.ResumeSavedGame();
  AfterFirstFrame(this, [this] { PrepareAfterFirstFrame(); });
}

// What the first frame does not show is made once it is on the screen: the
// icon (drawn by our art code, a few milliseconds), the card images the
// first deal will need and, with sound on, the audio output, so that the
// first deal and the first move are as quick as any later ones.
void TMain_F::PrepareAfterFirstFrame() {
  setWindowIcon(QIcon(QPixmap::fromImage(WinArt::AppIcon())));
  const QRect card =
      flow_->Host().Form().DeviceRect(QRect(0, 0, CardArt::kCardWidth, CardArt::kCardHeight));
  CardImages::Prepare(card.size(), flow_->Settings().Back);
  if (flow_->Board1()->MyPlaySound) PrepareSound();
}

TTray& TMain_F::Tray() {
  if (!tray_) {
    tray_ = new TTray(this, this);
    tray_->OnExit = [this] { Exit_MIClick(); };
  }
  return *tray_;
}

TShuffle_Form& TMain_F::ShuffleForm() {
  // Made on first use and kept, so it remembers what it showed last.
  if (!shuffleForm_) {
    shuffleForm_ = std::make_unique<TShuffle_Form>(flow_->Recent(), this);
    // The typed number's verdict and grade, for the game on the table.
    shuffleForm_->JudgeNumber = [this](uint32_t number) {
      QPointer<TShuffle_Form> form(shuffleForm_.get());
      Winnable().JudgeLater(flow_->GameIndex(), number, [form, number](const QString& text) {
        if (form) form->ShowJudgement(number, text);
      });
    };
  }
  return *shuffleForm_;
}

WinnableDeals& TMain_F::Winnable() {
  if (!winnable_) winnable_ = std::make_unique<WinnableDeals>(ShuffleGenerator::ClockSeed());
  return *winnable_;
}

std::optional<uint32_t> TMain_F::PickWinnable(int game) {
  bool gaveUp = false;
  const Grade wanted = Grade(flow_->Settings().WinnableGrade);
  std::optional<uint32_t> n = Winnable().Pick(game, wanted, this, &gaveUp);
  if (gaveUp)
    ShowMessage(
        tr("No winnable deal of this grade was found among %1 numbers.").arg(WinnableDeals::kTries),
        kAppTitle, MsgIcon::Information);
  return n;
}

void TMain_F::LookAheadIfWanted() {
  const AppSettings& s = flow_->Settings();
  if (s.WinnableOnly) Winnable().LookAhead(flow_->GameIndex(), Grade(s.WinnableGrade));
}

void TMain_F::DealOfTheDay1Click() {
  const int game = flow_->GameIndex();
  if (std::optional<uint32_t> n = WinnableDeals::DayDeal(game, QDate::currentDate(), this))
    flow_->DealNumber(*n, DealKind::DealOfTheDay);
}

void TMain_F::CreateMenus() {
  QMenuBar* bar = menuBar();
  QMenu* game = bar->addMenu(tr("&Game"));
  connect(game, &QMenu::aboutToShow, this, [this] { GameClick(); });
  auto add = [this](QMenu* m, const QString& text, void (TMain_F::*cmd)(),
                    const QKeySequence& key = QKeySequence()) {
    QAction* a = m->addAction(text);
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, [this, cmd] { Guarded(cmd); });
    return a;
  };
  Deal_MI = add(game, tr("&New Game"), &TMain_F::Deal_MIClick, QKeySequence(Qt::Key_F2));
  Replay1 = add(game, tr("&Restart Game"), &TMain_F::Replay1Click);
  add(game, tr("Select Shu&ffle"), &TMain_F::SelectShuffle1Click);
  add(game, tr("&Select Solitaire..."), &TMain_F::Game_MIClick);
  add(game, tr("Deal of the &Day"), &TMain_F::DealOfTheDay1Click);
  game->addSeparator();
  add(game, tr("Statistics..."), &TMain_F::Statistics1Click);
  game->addSeparator();
  // Undo and Redo show their keys, but the keys are shortcuts of the window
  // (below): an item's own shortcut would follow the enabled state the menu
  // had when it was last opened.
  NewUndo1 = add(game, tr("&Undo\tCtrl+Z"), &TMain_F::NewUndo1Click);
  NewRedo1 = add(game, tr("&Redo\tCtrl+R"), &TMain_F::NewRedo1Click);
  auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
  connect(undoKey, &QShortcut::activated, this,
          [this] { GameMenuShortcut(NewUndo1, &TMain_F::NewUndo1Click); });
  // Ctrl+R, and the keys other desktop programs redo with.
  for (const QKeySequence& key : RedoKeys()) {
    auto* redoKey = new QShortcut(key, this);
    connect(redoKey, &QShortcut::activated, this,
            [this] { GameMenuShortcut(NewRedo1, &TMain_F::NewRedo1Click); });
  }
  Hint1 = add(game, tr("&Hint"), &TMain_F::Hint1Click, QKeySequence(Qt::Key_H));
  Solve1 = add(game, tr("Sol&ve"), &TMain_F::Solve1Click);
  game->addSeparator();
  add(game, tr("&Exit"), &TMain_F::Exit_MIClick);

  QMenu* options = bar->addMenu(tr("&Options"));
  add(options, tr("&Deck..."), &TMain_F::Deck_MIClick);
  add(options, tr("&Options..."), &TMain_F::Options1Click);
  options->addSeparator();
  StatusBarMenu = add(options, tr("Statusbar"), &TMain_F::StatusBarMenuClick);
  StatusBarMenu->setCheckable(true);
  ToolbarMenu = add(options, tr("&Toolbar"), &TMain_F::ToolbarMenuClick);
  ToolbarMenu->setCheckable(true);
  // F11 on most desktops; the platform's own key where it has another.
  FullScreenMenu = add(options, tr("&Full Screen"), &TMain_F::FullScreenMenuClick);
  FullScreenMenu->setCheckable(true);
  QList<QKeySequence> fullKeys = QKeySequence::keyBindings(QKeySequence::FullScreen);
  if (!fullKeys.contains(QKeySequence(Qt::Key_F11))) fullKeys.prepend(QKeySequence(Qt::Key_F11));
  FullScreenMenu->setShortcuts(fullKeys);
  SolverMenu = add(options, tr("Show whether &winnable"), &TMain_F::SolverMenuClick);
  SolverMenu->setCheckable(true);

  QMenu* help = bar->addMenu(tr("&Help"));
  add(help, tr("&Contents..."), &TMain_F::Contents_MIClick);
  GameHelp1 = add(help, QString(), &TMain_F::GameHelp1Click, QKeySequence(Qt::Key_F1));
  help->addSeparator();
  add(help, tr("&About..."), &TMain_F::About1Click);

  countLabel_ = new QLabel(bar);
  // Wide enough for the longest count with room to the window's edge, and
  // as high as the menu bar, so the text is never cut and stays in the bar.
  countLabel_->setContentsMargins(0, 0, 8, 0);
  countLabel_->setFixedSize(
      countLabel_->fontMetrics().horizontalAdvance(CountText(104) + QStringLiteral("  ")) + 8,
      bar->sizeHint().height());
  countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  bar->setCornerWidget(countLabel_, Qt::TopRightCorner);
}

void TMain_F::CreateStatusBar() {
  QStatusBar* sb = statusBar();
  for (QLabel*& p : panels_) {
    p = new QLabel(sb);
    p->setFixedWidth(50);
    sb->addWidget(p);
  }
  auto* verdict = new QLabel(sb);
  sb->addPermanentWidget(verdict);
  solver_ = new SolverControl(*flow_, verdict, this);
  solver_->SetEnabled(flow_->Settings().SolverVerdict);
  SolverMenu->setChecked(flow_->Settings().SolverVerdict);
  bool on = flow_->Settings().StatusBar;
  StatusBarMenu->setChecked(on);
  sb->setVisible(on);
}

void TMain_F::CreateToolbar() {
  toolbar_ = new TGameToolbar(this);
  addToolBar(Qt::TopToolBarArea, toolbar_);
  // The buttons run the commands as the menu items do: Undo, Redo and Solve
  // as if the Game menu were opened and the item chosen.
  const auto command = [this](void (TMain_F::*cmd)()) { return [this, cmd] { Guarded(cmd); }; };
  const auto item = [this](QAction* a, void (TMain_F::*cmd)()) {
    return [this, a, cmd] { GameMenuShortcut(a, cmd); };
  };
  tbNew_ = toolbar_->AddCommand(tr("New"), tr("New Game (F2)"), command(&TMain_F::Deal_MIClick));
  tbRestart_ =
      toolbar_->AddCommand(tr("Restart"), tr("Restart Game"), command(&TMain_F::Replay1Click));
  tbUndo_ = toolbar_->AddCommand(tr("Undo"), tr("Undo (Ctrl+Z)"),
                                 item(NewUndo1, &TMain_F::NewUndo1Click));
  tbRedo_ = toolbar_->AddCommand(tr("Redo"), tr("Redo (Ctrl+R)"),
                                 item(NewRedo1, &TMain_F::NewRedo1Click));
  tbHint_ = toolbar_->AddCommand(tr("Hint"), tr("Hint (H)"), command(&TMain_F::Hint1Click));
  tbSolve_ = toolbar_->AddCommand(tr("Solve"), tr("Solve"), item(Solve1, &TMain_F::Solve1Click));
  toolbar_->AddFigures();
  // The verdict is the status bar's, told by the solver whenever it changes;
  // Solve follows it at once rather than at the next refresh.
  connect(solver_, &SolverControl::Changed, this, [this] { RefreshToolbar(); });
  const bool on = flow_->Settings().Toolbar;
  ToolbarMenu->setChecked(on);
  toolbar_->setVisible(on);
  // The commands' states and the time follow the table as it is played.
  auto* refresh = new QTimer(this);
  connect(refresh, &QTimer::timeout, this, [this] { RefreshToolbar(); });
  refresh->start(250);
  RefreshToolbar();
}

void TMain_F::RefreshToolbar() {
  if (!toolbar_ || !toolbar_->isVisibleTo(this)) return;
  if (!flow_->Busy()) GameClick();  // Undo, Redo and Solve as the Game menu shows them
  tbNew_->setEnabled(Deal_MI->isEnabled());
  tbRestart_->setEnabled(Replay1->isEnabled());
  tbUndo_->setEnabled(NewUndo1->isEnabled());
  tbRedo_->setEnabled(NewRedo1->isEnabled());
  tbHint_->setEnabled(Hint1->isEnabled());
  tbSolve_->setEnabled(Solve1->isEnabled());
  const bool onTable = Hint1->isEnabled();
  if (!onTable) clock_.Stop();
  toolbar_->SetVerdict(solver_->Text());
  toolbar_->SetScore(onTable ? flow_->ScorePanel() : QString());
  toolbar_->SetMoves(onTable ? MovesMade(*flow_->Board1()) : -1);
  toolbar_->SetTime(onTable ? TGameClock::Text(clock_.ElapsedMs()) : QString());
}

void TMain_F::ToolbarMenuClick() {
  const bool on = ToolbarMenu->isChecked();
  flow_->Settings().Toolbar = on;
  toolbar_->setVisible(on);
  RefreshToolbar();
}

void TMain_F::FullScreenMenuClick() {
  if (isFullScreen())
    showNormal();
  else
    showFullScreen();
}

void TMain_F::ApplyBackground() {
  AppSettings& s = flow_->Settings();
  bg_.Color = ColorFromRef(s.BoardColor);
  s.PatternType = LoadBackground(bg_, s.PatternType, s.PatternName, s.PatternFile);
  flow_->Board1()->Pattern_Type = bg_.PatternType;
  flow_->Host().UpdateCardOpacity();
  flow_->SetTablePainter([this](QImage& screen, const QRect& r) {
    PaintTable(screen, r, bg_);
    PaintTableHint(screen, r, TableHint());
  });
}

QStringList TMain_F::TableHint() const {
  for (TComponent* c : flow_->Host().Form().Components())
    if (dynamic_cast<TDeck*>(c)) return {};
  return TableHintLines(GameTitle(flow_->GameIndex()));
}

void TMain_F::RefreshTableHint() {
  // A resize repaints the whole table, so the old lines lie where they
  // would at today's size. The hint is placed in the framebuffer's device
  // pixels: its rectangles are invalidated as such, since at any zoom but 1
  // the logical rectangle of the same numbers lies elsewhere.
  TForm& form = flow_->Host().Form();
  QStringList lines = TableHint();
  // Hint needs a game on the table.
  if (Hint1) Hint1->setEnabled(lines.isEmpty());
  if (lines == hintLines_) return;
  const QRect old = TableHintRect(form.Screen().size(), hintLines_);
  const QRect now = TableHintRect(form.Screen().size(), lines);
  hintLines_ = std::move(lines);
  if (!old.isEmpty()) form.InvalidateDevice(old);
  if (!now.isEmpty()) form.InvalidateDevice(now);
}

void TMain_F::Guarded(void (TMain_F::*command)()) {
  if (flow_->Busy()) return;
  marks_->Stop();  // a hint holds until the player's next action
  (this->*command)();
}

void TMain_F::GameMenuShortcut(QAction* item, void (TMain_F::*command)()) {
  if (flow_->Busy()) return;
  GameClick();
  if (item->isEnabled()) Guarded(command);
}

void TMain_F::FollowSlide(const QKeySequence& pressed) {
  void (TMain_F::*command)() = nullptr;
  QAction* item = nullptr;
  if (pressed == QKeySequence(Qt::CTRL | Qt::Key_Z)) {
    command = &TMain_F::NewUndo1Click;
    item = NewUndo1;
  } else if (RedoKeys().contains(pressed)) {
    command = &TMain_F::NewRedo1Click;
    item = NewRedo1;
  }
  if (!command || follow_.command) return;
  // Once the hurried slide (and the move it belongs to) has ended.
  follow_ = {item, command, 0};
  QTimer::singleShot(0, this, [this] { RunFollowing(); });
}

void TMain_F::RunFollowing() {
  if (!follow_.command) return;
  // A move with automatic play behind it may take a while: bounded, so a
  // table that stays busy does not keep us polling.
  if (flow_->Busy() && ++follow_.tries < 200) {
    QTimer::singleShot(10, this, [this] { RunFollowing(); });
    return;
  }
  const Following f = std::exchange(follow_, Following{});
  GameMenuShortcut(f.item, f.command);
}

void TMain_F::FlashCaption() {
  // The desktop ignores an attention request for the active window, so the
  // flash shows in the caption itself; the request still flashes the
  // task-bar button of an inactive window.
  flashed_ = !flashed_;
  UpdateCaption();
  QApplication::alert(this, 80);
}

void TMain_F::UpdateCaption() {
  const QString caption = flow_->Caption();
  setWindowTitle(flashed_ ? QStringLiteral("*** ") + caption + QStringLiteral(" ***") : caption);
  RefreshTableHint();
  if (GameHelp1) GameHelp1->setText(tr("%1 Help").arg(GameTitle(flow_->GameIndex())));
  LookAheadIfWanted();
}

void TMain_F::UpdateStatusBar() {
  RefreshTableHint();
  if (!panels_[0]) return;
  auto fit = [](QLabel* p, const QString& text) {
    if (text.isEmpty()) {
      p->setFixedWidth(0);
      return;
    }
    p->setText(text);
    p->setFixedWidth(p->fontMetrics().horizontalAdvance(text + QStringLiteral("LL")));
  };
  fit(panels_[0], flow_->PlayerPanel());
  fit(panels_[1], flow_->RedealPanel());
  fit(panels_[2], flow_->ScorePanel());
  RefreshToolbar();
}

void TMain_F::SyncRedealButton() {
  TRedealButton* b = flow_->Table().RedealButton.get();
  if (!b) {
    delete redealButton_;
    redealButton_ = nullptr;
    return;
  }
  if (!redealButton_) {
    redealButton_ = new QPushButton(b->Caption, surface_);
    connect(redealButton_, &QPushButton::clicked, this, [this] {
      if (auto* rb = flow_->Table().RedealButton.get(); rb && !flow_->Busy()) rb->Click();
    });
    b->OnChanged = [this] { SyncRedealButton(); };
  }
  redealButton_->setGeometry(surface_->ToWidget(b->Geometry));
  QFont font = redealButton_->parentWidget()->font();
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * surface_->Zoom());
  // The button keeps the game's size; a longer caption in another language
  // takes a smaller font rather than being cut.
  const QString caption = QString(b->Caption).remove(QLatin1Char('&'));
  const int room = redealButton_->width() - 8;
  while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(caption) > room)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  redealButton_->setFont(font);
  redealButton_->setEnabled(b->Enabled());
  redealButton_->show();
}

// --- Commands -------------------------------------------------------------------

void TMain_F::Deal_MIClick() {
  flow_->Deal_MIClick();
}

void TMain_F::Replay1Click() {
  flow_->Replay1Click();
}

void TMain_F::SelectShuffle1Click() {
  TShuffle_Form& form = ShuffleForm();
  if (ExecDialog(form, mrOk) != mrOk) return;
  if (auto number = form.Number()) flow_->SelectShuffleOk(*number);
}

void TMain_F::Game_MIClick() {
  flow_->RememberGameOptions();
  TGameDlg dialog(flow_->GameIndex(), flow_->Settings(), flow_->Players(), this);
  dialog.OnHelp = [this](int context) { help_.Request(HELP_CONTEXT, context); };
  if (ExecDialog(dialog, mrOk) == mrOk) flow_->SelectSolitaireOk(dialog.SelectedGame());
  // The dialog stores AutoPlay choices at once, also for the current game.
  flow_->Table().AutoPlay = flow_->Settings().GameOptions[size_t(flow_->GameIndex())].AutoPlay;
  UpdateStatusBar();
}

void TMain_F::Statistics1Click() {
  TStatForm dialog(flow_->Players(), flow_->GameIndex(), flow_->Settings().StatState, this);
  dialog.SetHistory(&flow_->History().Db());
  dialog.OnHelp = [this](int context) { help_.Request(HELP_CONTEXT, context); };
  ExecDialog(dialog, mrOk);
  if (auto deal = dialog.ReplayDeal()) {
    flow_->DealGame(deal->first, deal->second);
    UpdateStatusBar();
  }
}

void TMain_F::Deck_MIClick() {
  AppSettings& s = flow_->Settings();
  TDeckForm dialog(s.Back, this);
  int result = dialog.Execute();
  if (auto back = NewBackAfterDeckDialog(result, s.Back, dialog.SelectedBack())) {
    s.Back = *back;
    ApplyCardBack(flow_->Host().Form(), s.Back);
  }
}

void TMain_F::Options1Click() {
  AppSettings& s = flow_->Settings();
  TBoard* b = flow_->Board1();
  OptionsValues v;
  v.Warnings = b->WarnEnabled;
  v.PlaySound = b->MyPlaySound;
  v.Tray = s.Tray;
  v.ShowEmpty = b->ShowEmptyPiles;
  v.UndoOption = s.UndoOption;
  v.Resume = s.Resume;
  v.AskAbandon = s.AskAbandon;
  v.AnimationSpeed = s.AnimationSpeed;
  v.WinnableOnly = s.WinnableOnly;
  v.WinnableGrade = s.WinnableGrade;
  v.Language = s.Language;
  v.Color = bg_.Color;
  v.PatternType = b->Pattern_Type;
  v.PatternName = s.PatternName;
  v.PatternFile = s.PatternFile;
  TOptions dialog(v, this);
  dialog.OnHelp = [this](int context) { help_.Request(HELP_CONTEXTPOPUP, context); };
  int result = dialog.Execute();
  ApplyOptionsResult(result, dialog.Values(), v, bg_);
  if (result == mrOk) {
    b->WarnEnabled = v.Warnings;
    b->MyPlaySound = v.PlaySound;
    if (v.PlaySound) PrepareSound();
    s.Tray = v.Tray;
    b->ShowEmptyPiles = v.ShowEmpty;
    s.UndoOption = v.UndoOption;
    s.Resume = v.Resume;
    s.AskAbandon = v.AskAbandon;
    s.AnimationSpeed = v.AnimationSpeed;
    SlidePace().SetSpeed(s.AnimationSpeed);
    s.WinnableOnly = v.WinnableOnly;
    s.WinnableGrade = v.WinnableGrade;
    s.Language = v.Language;
    LookAheadIfWanted();
    s.PatternName = v.PatternName;
    s.PatternFile = v.PatternFile;
    b->Pattern_Type = v.PatternType;
    s.PatternType = v.PatternType;
    s.BoardColor = ColorToRef(bg_.Color);
  }
  // Cancel too: the opacity is applied again and the table repainted.
  flow_->Host().UpdateCardOpacity();
  flow_->Host().Form().InvalidateAll();
}

void TMain_F::Contents_MIClick() {
  help_.ShowContents();
}

void TMain_F::GameHelp1Click() {
  help_.Request(HELP_CONTEXT, HelpContext(flow_->GameIndex()));
}

void TMain_F::About1Click() {
  TAboutBox box(this);
  box.Execute();
}

void TMain_F::GameClick() {
  flow_->GameClick();
  if (flow_->Busy()) return;
  NewUndo1->setEnabled(flow_->UndoEnabled());
  NewRedo1->setEnabled(flow_->RedoEnabled());
  Solve1->setEnabled(solver_->CanSolve());
}

void TMain_F::Solve1Click() {
  solver_->StartPlaying();
}

void TMain_F::SolverMenuClick() {
  bool on = SolverMenu->isChecked();
  flow_->Settings().SolverVerdict = on;
  solver_->SetEnabled(on);
}

void TMain_F::ShowSolverVerdictNow() {
  solver_->SolveNow(2.0);
}

void TMain_F::NewUndo1Click() {
  flow_->NewUndo1Click();
}
void TMain_F::NewRedo1Click() {
  flow_->NewRedo1Click();
}

void TMain_F::Hint1Click() {
  marks_->Stop();
  if (!Hint1->isEnabled()) return;  // no game on the table
  flow_->History().NoteHint();
  // The solver's next move when it knows a winning line: a hint that leads
  // to a win rather than any legal move.
  std::optional<THintMove> move = solver_->NextMove();
  if (!move) move = FindHint(flow_->Host());
  if (move)
    marks_->Start(flow_->Host(), *move);
  else
    marks_->NoMove();
  statusBar()->showMessage(marks_->Words(), 4000);
}

void TMain_F::StatusBarMenuClick() {
  bool on = StatusBarMenu->isChecked();
  flow_->Settings().StatusBar = on;
  statusBar()->setVisible(on);
}

// --- Window ---------------------------------------------------------------------

void TMain_F::ApplyPlacement(const QRect& r) {
  move(r.left(), r.top());
  if (!IsDefaultPlacement(r)) {
    resize(r.width(), r.height());
    return;
  }
  // A game opened for the first time shows its table at zoom 1, as far as
  // the screen allows.
  QSize chrome(0, menuBar()->sizeHint().height());
  if (statusBar()->isVisibleTo(this)) chrome.rheight() += statusBar()->sizeHint().height();
  if (toolbar_ && toolbar_->isVisibleTo(this)) chrome.rheight() += toolbar_->sizeHint().height();
  QRect available;
  if (QScreen* s = screen()) available = s->availableGeometry();
  // Leave room for the window frame the desktop adds.
  if (!available.isEmpty()) available.adjust(0, 0, -16, -40);
  resize(FirstOpenWindowSize(GameLayout(flow_->GameIndex()), chrome, available));
}

void TMain_F::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    // Nobody plays a minimised game: its clock waits.
    clock_.SetPaused(isMinimized());
    if (FullScreenMenu) FullScreenMenu->setChecked(isFullScreen());
  }
  if (event->type() == QEvent::WindowStateChange && isMinimized() && flow_ &&
      flow_->Settings().Tray) {
    QTimer::singleShot(0, this, [this] {
      if (isMinimized()) Tray().MinimizeToTray(flow_->Settings().Tray);
    });
  }
}

void TMain_F::Exit_MIClick() {
  if (!flow_->Busy()) close();
}

void TMain_F::closeEvent(QCloseEvent* event) {
  // Saving in the middle of a move would store a half-moved table (and a
  // won deal before its win display): the close is refused until it ends.
  if (!closed_ && flow_->Busy()) {
    event->ignore();
    return;
  }
  if (!closed_) {
    closed_ = true;
    const SaveReport report = flow_->Close();
    saveFailed_ = !report.Ok();
    if (exitBySignal_) {
      // Nobody may be at the screen to read a box (a log-out).
      for (const QString& line : report.Lines())
        std::fprintf(stderr, "save failed: %s\n", qPrintable(line));
    } else {
      ExitHandling::ReportSaveFailure(report);
    }
  }
  // Exit ends the program: the help window must not live on without us.
  help_.Close();
  event->accept();
}

void TMain_F::ExitBySignal() {
  if (closed_) return;
  if (!exitBySignal_) {
    exitBySignal_ = true;
    // No question asked from now on waits: each takes its default answer.
    SetModalResponder([](const ModalRequest& r) -> std::optional<int> { return r.defaultResult; });
  }
  // A dialog open now runs its own event loop under ours: dismissed, it
  // returns (as Cancel or No) and the code that asked goes on.
  bool waiting = false;
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
    waiting = true;
  }
  // A move, deal or win in flight finishes first: saving half of it would
  // keep a torn table, and the close would be refused anyway.
  if (waiting || flow_->Busy()) {
    QTimer::singleShot(10, this, [this] { ExitBySignal(); });
    return;
  }
  close();
  QCoreApplication::quit();
}

bool TMain_F::eventFilter(QObject* watched, QEvent* event) {
  // Any click or key of the player's stops Solve (and then does its own work).
  if (solver_) solver_->StopOnInput(event);
  if (flow_ && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress))
    flow_->Host().Additional_timer.Wake();  // a resting timer answers the player at once
  if (flow_ && flow_->Busy()) {
    // While a move, deal, undo or redo runs, keys and shortcuts are dropped;
    // a slide under way ends at once, and undo or redo follows it, so
    // nothing the player does waits on an animation.
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::ShortcutOverride:
        SlidePace().Hurry = true;
        FollowSlide(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()));
        return true;
      case QEvent::Shortcut:
        SlidePace().Hurry = true;
        FollowSlide(static_cast<QShortcutEvent*>(event)->key());
        return true;
      case QEvent::MouseButtonPress:
        SlidePace().Hurry = true;
        break;
      default:
        break;
    }
  } else if (flow_ && watched == surface_ && event->type() == QEvent::MouseButtonPress &&
             static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
    // The middle button undoes one step, whatever the menu says.
    marks_->Stop();
    flow_->NewUndo1Click();
    return true;
  } else if (flow_ && event->type() == QEvent::KeyPress && watched->isWidgetType() &&
             static_cast<QWidget*>(watched)->window() == this) {
    // Keyboard play, before focus handling takes Tab and a button Space.
    auto* key = static_cast<QKeyEvent*>(event);
    if (auto play = PlayKeyFromQt(key->key(), key->modifiers())) {
      marks_->Stop();
      keys_->Key(*play);
      return true;
    }
    if (key->key() == Qt::Key_H && key->modifiers() == Qt::NoModifier) {
      Hint1Click();  // the menu's shortcut, for a key sent straight to the window
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
