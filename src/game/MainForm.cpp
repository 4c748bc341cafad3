#include "game/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include "game/Catalogue.h"
#include "game/WinArt.h"
#include "platform/Modal.h"
#include "platform/SurfaceWidget.h"

namespace {
const QString kAppTitle = QStringLiteral("Wenlo Solitaire Collection");

// The stored colour is 0x00BBGGRR.
QRgb BoardRgb(int stored) {
  return qRgb(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}
}  // namespace

TMain_F::TMain_F(const MainOptions& options, QWidget* parent) : QMainWindow(parent) {
  FormCreate(options);
}

TMain_F::~TMain_F() {
  qApp->removeEventFilter(this);
  if (surface_) surface_->Detach();
}

void TMain_F::FormCreate(const MainOptions& options) {
  setWindowIcon(QIcon(QPixmap::fromImage(WinArt::AppIcon())));
  QString playersFile = PlayersFilePath(options.DataDir);
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    QSize size = s->size();
    if (size.width() < 800 || size.height() < 600)
      ShowMessage(QStringLiteral("Recommended screen resolution is 800x600 or higher"), kAppTitle,
                  MsgIcon::Information);
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  AppSettings settings = LoadAppSettings();
  PlayerList players = LoadPlayers(settings, playersFile);
  flow_ = std::make_unique<GameFlow>(std::move(settings), std::move(players), playersFile);
  QApplication::restoreOverrideCursor();

  surface_ = new SurfaceWidget(&flow_->Host.Form(), this);
  setCentralWidget(surface_);
  CreateMenus();
  CreateStatusBar();
  ApplyBackground();

  GameFlow& f = *flow_;
  f.OnCaptionChanged = [this] { UpdateCaption(); };
  f.OnStatusChanged = [this] { UpdateStatusBar(); };
  f.OnDealMenuEnabled = [this](bool on) {
    Deal_MI->setEnabled(on);
    Replay1->setEnabled(on && flow_->Dealt);
  };
  f.OnUndoMenuEnabled = [this](bool on) { NewUndo1->setEnabled(on); };
  f.WindowRect = [this] { return QRect(x(), y(), width(), height()); };
  f.ApplyWindowRect = [this](const QRect& r) {
    move(r.left(), r.top());
    resize(r.width(), r.height());
  };
  f.OnFlash = [this] { QApplication::alert(this, 80); };
  f.Table().OnRedealButtonChanged = [this] { SyncRedealButton(); };
  f.Host.Form().OnCountText = [this](const QString& t) { countLabel_->setText(t); };
  f.Board1()->OnMouseMove = [this](QPoint) {  // Board1MouseMove: wipe the count
    countLabel_->setText(QString());
  };
  f.ApplyGameSettings(f.GameIndex);
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
  Deal_MI = add(game, QStringLiteral("&New Game"), &TMain_F::Deal_MIClick, QKeySequence(Qt::Key_F2));
  Replay1 = add(game, QStringLiteral("&Restart Game"), &TMain_F::Replay1Click);
  add(game, QStringLiteral("Select Shu&ffle"), &TMain_F::SelectShuffle1Click);
  add(game, QStringLiteral("&Select Solitaire..."), &TMain_F::Game_MIClick);
  game->addSeparator();
  add(game, QStringLiteral("Statistics..."), &TMain_F::Statistics1Click);
  game->addSeparator();
  NewUndo1 = add(game, QStringLiteral("&Undo"), &TMain_F::NewUndo1Click, QKeySequence(Qt::CTRL | Qt::Key_Z));
  NewRedo1 = add(game, QStringLiteral("&Redo"), &TMain_F::NewRedo1Click, QKeySequence(Qt::CTRL | Qt::Key_R));
  game->addSeparator();
  QAction* exit = game->addAction(QStringLiteral("&Exit"));
  connect(exit, &QAction::triggered, this, [this] { close(); });

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  add(options, QStringLiteral("&Deck..."), &TMain_F::Deck_MIClick);
  add(options, QStringLiteral("&Options..."), &TMain_F::Options1Click);
  options->addSeparator();
  StatusBarMenu = add(options, QStringLiteral("Statusbar"), &TMain_F::StatusBarMenuClick);
  StatusBarMenu->setCheckable(true);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  add(help, QStringLiteral("&Contents..."), &TMain_F::Contents_MIClick);
  GameHelp1 = add(help, QString(), &TMain_F::GameHelp1Click, QKeySequence(Qt::Key_F1));
  help->addSeparator();
  add(help, QStringLiteral("&About..."), &TMain_F::About1Click);
  help->addSeparator();
  help->addAction(QStringLiteral("Wenlo Solitaire Collection Home Page..."));
  help->addAction(QStringLiteral("wenlo.example.com"));

  countLabel_ = new QLabel(bar);
  countLabel_->setMinimumWidth(countLabel_->fontMetrics().horizontalAdvance(
      QStringLiteral("   Cards in deck: 104  ")));
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
  bool on = flow_->Settings.StatusBar;
  StatusBarMenu->setChecked(on);
  sb->setVisible(on);
}

void TMain_F::ApplyBackground() {
  QRgb colour = BoardRgb(flow_->Settings.BoardColor);
  flow_->SetTablePainter([colour](QImage& screen, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
      std::fill(line + r.left(), line + r.right() + 1, colour | 0xFF000000u);
    }
  });
}

void TMain_F::Guarded(void (TMain_F::*command)()) {
  if (flow_->Busy()) return;
  (this->*command)();
}

void TMain_F::UpdateCaption() {
  setWindowTitle(flow_->Caption());
  if (GameHelp1) GameHelp1->setText(GameName(flow_->GameIndex) + QStringLiteral(" Help"));
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

void TMain_F::Deal_MIClick() { flow_->Deal_MIClick(); }

void TMain_F::Replay1Click() { flow_->Replay1Click(); }

void TMain_F::SelectShuffle1Click() {
  bool ok = false;
  int n = QInputDialog::getInt(this, QStringLiteral("Select Shuffle"), QStringLiteral("Game number:"),
                               int(qMax<uint32_t>(flow_->GameNumber, 1)), 1, 2147483647, 1, &ok);
  if (ok) flow_->SelectShuffleOk(uint32_t(n));
}

void TMain_F::Game_MIClick() {
  flow_->RememberGameOptions();
  QStringList names;
  for (int i = 0; i < GameCount(); ++i) names << GameName(i);
  bool ok = false;
  QString chosen = QInputDialog::getItem(this, QStringLiteral("Select Solitaire"),
                                         QStringLiteral("Game:"), names, flow_->GameIndex, false, &ok);
  if (ok) flow_->SelectSolitaireOk(GameIndexByName(chosen));
  UpdateStatusBar();
}

void TMain_F::Statistics1Click() {}
void TMain_F::Deck_MIClick() {}
void TMain_F::Options1Click() {}
void TMain_F::Contents_MIClick() {}
void TMain_F::GameHelp1Click() {}
void TMain_F::About1Click() {}

void TMain_F::GameClick() {
  flow_->GameClick();
  if (flow_->Busy()) return;
  NewUndo1->setEnabled(flow_->UndoEnabled());
  NewRedo1->setEnabled(flow_->RedoEnabled());
}

void TMain_F::NewUndo1Click() { flow_->NewUndo1Click(); }
void TMain_F::NewRedo1Click() { flow_->NewRedo1Click(); }

void TMain_F::StatusBarMenuClick() {
  bool on = StatusBarMenu->isChecked();
  flow_->Settings.StatusBar = on;
  statusBar()->setVisible(on);
}

// --- Window ---------------------------------------------------------------------

void TMain_F::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    flow_->Close();
  }
  event->accept();
}

bool TMain_F::eventFilter(QObject* watched, QEvent* event) {
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
