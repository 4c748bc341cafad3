#include "app/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "app/SolverControl.h"
#include "art/WinArt.h"
#include "platform/Modal.h"
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

TMain_F::TMain_F(const MainOptions& options, QWidget* parent) : QMainWindow(parent) {
  FormCreate(options);
}

TMain_F::~TMain_F() {
  qApp->removeEventFilter(this);
  if (tray_) tray_->RemoveIcon();
  if (surface_) surface_->Detach();
}

void TMain_F::FormCreate(const MainOptions& options) {
  setWindowIcon(QIcon(QPixmap::fromImage(WinArt::AppIcon())));
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    QSize size = s->size();
    if (size.width() < 800 || size.height() < 600)
      ShowMessage(QStringLiteral("Recommended screen resolution is 800x600 or higher"), kAppTitle,
                  MsgIcon::Information);
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  flow_ = GameFlow::Load(options.DataDir);
  QApplication::restoreOverrideCursor();

  surface_ = new SurfaceWidget(&flow_->Host().Form(), this);
  setCentralWidget(surface_);
  CreateMenus();
  CreateStatusBar();
  ApplyBackground();

  GameFlow& f = *flow_;
  f.OnCaptionChanged = [this] { UpdateCaption(); };
  f.OnStatusChanged = [this] { UpdateStatusBar(); };
  f.OnDealMenuEnabled = [this](bool on) {
    Deal_MI->setEnabled(on);
    Replay1->setEnabled(on && flow_->Dealt());
  };
  f.OnUndoMenuEnabled = [this](bool on) { NewUndo1->setEnabled(on); };
  f.WindowRect = [this] { return QRect(x(), y(), width(), height()); };
  f.ApplyWindowRect = [this](const QRect& r) {
    move(r.left(), r.top());
    resize(r.width(), r.height());
  };
  f.OnFlash = [this] { QApplication::alert(this, 80); };
  f.Table().OnRedealButtonChanged = [this] { SyncRedealButton(); };
  f.Host().Form().OnCountText = [this](const QString& t) { countLabel_->setText(t); };
  f.Board1()->OnMouseMove = [this](QPoint) {  // Board1MouseMove: wipe the count
    countLabel_->setText(QString());
  };
  f.ApplyGameSettings(f.GameIndex());
  tray_ = new TTray(this, this);
  shuffleForm_ = std::make_unique<TShuffle_Form>(f.Recent(), this);
  tray_->OnExit = [this] { Exit_MIClick(); };
  qApp->installEventFilter(this);
  UpdateStatusBar();
  Replay1->setEnabled(false);
}

void TMain_F::CreateMenus() {
  QMenuBar* bar = menuBar();
  QMenu* game = bar->addMenu(QStringLiteral("&Game"));
  connect(game, &QMenu::aboutToShow, this, [this] { GameClick(); });
  auto add = [this](QMenu* m, const QString& text, void (TMain_F::*cmd)(),
                    const QKeySequence& key = QKeySequence()) {
    QAction* a = m->addAction(text);
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, [this, cmd] { Guarded(cmd); });
    return a;
  };
  Deal_MI =
      add(game, QStringLiteral("&New Game"), &TMain_F::Deal_MIClick, QKeySequence(Qt::Key_F2));
  Replay1 = add(game, QStringLiteral("&Restart Game"), &TMain_F::Replay1Click);
  add(game, QStringLiteral("Select Shu&ffle"), &TMain_F::SelectShuffle1Click);
  add(game, QStringLiteral("&Select Solitaire..."), &TMain_F::Game_MIClick);
  game->addSeparator();
  add(game, QStringLiteral("Statistics..."), &TMain_F::Statistics1Click);
  game->addSeparator();
  NewUndo1 = add(game, QStringLiteral("&Undo"), &TMain_F::NewUndo1Click,
                 QKeySequence(Qt::CTRL | Qt::Key_Z));
  NewRedo1 = add(game, QStringLiteral("&Redo"), &TMain_F::NewRedo1Click,
                 QKeySequence(Qt::CTRL | Qt::Key_R));
  Solve1 = add(game, QStringLiteral("Sol&ve"), &TMain_F::Solve1Click);
  game->addSeparator();
  QAction* exit = game->addAction(QStringLiteral("&Exit"));
  connect(exit, &QAction::triggered, this, [this] { close(); });

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  add(options, QStringLiteral("&Deck..."), &TMain_F::Deck_MIClick);
  add(options, QStringLiteral("&Options..."), &TMain_F::Options1Click);
  options->addSeparator();
  StatusBarMenu = add(options, QStringLiteral("Statusbar"), &TMain_F::StatusBarMenuClick);
  StatusBarMenu->setCheckable(true);
  SolverMenu = add(options, QStringLiteral("Show whether &winnable"), &TMain_F::SolverMenuClick);
  SolverMenu->setCheckable(true);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  add(help, QStringLiteral("&Contents..."), &TMain_F::Contents_MIClick);
  GameHelp1 = add(help, QString(), &TMain_F::GameHelp1Click, QKeySequence(Qt::Key_F1));
  help->addSeparator();
  add(help, QStringLiteral("&About..."), &TMain_F::About1Click);
  help->addSeparator();
  add(help, QStringLiteral("Wenlo Solitaire Collection Home Page..."), &TMain_F::SupportPage1Click);
  add(help, QString::fromLatin1(kMakerSiteCaption), &TMain_F::HomeSite1Click);

  countLabel_ = new QLabel(bar);
  countLabel_->setMinimumWidth(
      countLabel_->fontMetrics().horizontalAdvance(QStringLiteral("   Cards in deck: 104  ")));
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

void TMain_F::ApplyBackground() {
  AppSettings& s = flow_->Settings();
  bg_.Color = ColorFromRef(s.BoardColor);
  s.PatternType = LoadBackground(bg_, s.PatternType, s.PatternName, s.PatternFile);
  flow_->Board1()->Pattern_Type = bg_.PatternType;
  flow_->Host().UpdateCardOpacity();
  flow_->SetTablePainter([this](QImage& screen, const QRect& r) { PaintTable(screen, r, bg_); });
}

void TMain_F::Guarded(void (TMain_F::*command)()) {
  if (flow_->Busy()) return;
  (this->*command)();
}

void TMain_F::UpdateCaption() {
  setWindowTitle(flow_->Caption());
  if (GameHelp1) GameHelp1->setText(GameName(flow_->GameIndex()) + QStringLiteral(" Help"));
}

void TMain_F::UpdateStatusBar() {
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
  redealButton_->setGeometry(b->Geometry);
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
  if (ExecDialog(*shuffleForm_, mrOk) != mrOk) return;
  if (auto number = shuffleForm_->Number()) flow_->SelectShuffleOk(*number);
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
  ExecDialog(dialog, mrOk);
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
    s.Tray = v.Tray;
    b->ShowEmptyPiles = v.ShowEmpty;
    s.UndoOption = v.UndoOption;
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

void TMain_F::SupportPage1Click() {
  ::SupportPage1Click();
}
void TMain_F::HomeSite1Click() {
  ::HomeSite1Click();
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

void TMain_F::StatusBarMenuClick() {
  bool on = StatusBarMenu->isChecked();
  flow_->Settings().StatusBar = on;
  statusBar()->setVisible(on);
}

// --- Window ---------------------------------------------------------------------

void TMain_F::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized() && tray_) {
    QTimer::singleShot(0, this, [this] {
      if (isMinimized()) tray_->MinimizeToTray(flow_->Settings().Tray);
    });
  }
}

void TMain_F::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    flow_->Close();
  }
  event->accept();
}

bool TMain_F::eventFilter(QObject* watched, QEvent* event) {
  // Any click or key of the player's stops Solve (and then does its own work).
  if (solver_) solver_->StopOnInput(event);
  if (flow_ && flow_->Busy()) {
    // While a move, deal, undo or redo runs, keys and shortcuts are dropped.
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
        return true;
      default:
        break;
    }
  } else if (flow_ && watched == surface_ && event->type() == QEvent::MouseButtonPress &&
             static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
    // The middle button undoes one step, whatever the menu says.
    flow_->NewUndo1Click();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}
