// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/App.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "access/TableAccess.h"
#include "app/ExitHandling.h"
#include "app/MainForm.h"
#include "app/ScriptDriver.h"
#include "app/SolveCommand.h"
#include "app/Usage.h"
#include "cardtable/Card.h"
#include "history/HistoryDb.h"
#include "history/Summary.h"
#include "platform/FileLock.h"
#include "platform/Language.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/SafeFile.h"
#include "platform/qt/StartupProbe.h"
#include "records/Catalogue.h"
#include "records/Players.h"
#include "ui/TableDialogs.h"

namespace {

struct CommandLine {
  std::optional<int> game;
  std::optional<uint32_t> number;
  QString dataDir;
  QString script;
  QString screenshot;
  std::optional<QSize> size;
  bool dump = false;
  bool resume = false;
  bool help = false;
  bool version = false;
  bool historyCsv = false;
};

// Window sizes --size accepts, in window pixels.
constexpr int kMinWindowSide = 200;
constexpr int kMaxWindowSide = 8192;

// "WxH" (an x or X between two whole numbers in range).
std::optional<QSize> ParseWindowSize(const QString& text) {
  const QStringList parts = text.toLower().split(QLatin1Char('x'));
  if (parts.size() != 2) return std::nullopt;
  bool okW = false, okH = false;
  const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
  if (!okW || !okH || w < kMinWindowSide || h < kMinWindowSide || w > kMaxWindowSide ||
      h > kMaxWindowSide)
    return std::nullopt;
  return QSize(w, h);
}

int Fail(const QString& message, int status = 2) {
  std::fprintf(stderr, "wenlo-solitaire: %s\n", qPrintable(message));
  return status;
}

// English unless a translator is installed: the window's box speaks the
// player's language, the line on stderr stays as scripts expect it.
QString AlreadyRunningText(const QString& folder, qint64 pid) {
  const QString who =
      pid > 0 ? QCoreApplication::translate("App", " (process %1)").arg(pid) : QString();
  return QCoreApplication::translate(
             "App",
             "Wenlo Solitaire Collection is already running with the data folder %1%2. Only one "
             "can use it at a time, or the results of one would erase the other's: close it "
             "first, or use another --data-dir.")
      .arg(folder, who);
}

// Reads the options; on a bad one returns the message to print.
std::optional<QString> ParseCommandLine(int argc, char** argv, CommandLine& cl) {
  for (int i = 1; i < argc; ++i) {
    QString opt = QString::fromLocal8Bit(argv[i]);
    auto value = [&]() -> std::optional<QString> {
      if (i + 1 >= argc) return std::nullopt;
      return QFile::decodeName(argv[++i]);
    };
    if (opt == "--dump") {
      cl.dump = true;
      continue;
    }
    if (opt == "--history-csv") {
      cl.historyCsv = true;
      continue;
    }
    if (opt == "--resume" || opt == "--help" || opt == "--version") {
      (opt == "--resume" ? cl.resume : opt == "--help" ? cl.help : cl.version) = true;
      continue;
    }
    if (opt != "--game" && opt != "--number" && opt != "--data-dir" && opt != "--script" &&
        opt != "--screenshot" && opt != "--size")
      return QStringLiteral("unknown option '%1'").arg(opt);
    auto v = value();
    if (!v) return QStringLiteral("option %1 needs a value").arg(opt);
    if (auto bad = CheckPathValue(opt, *v, argv[i])) return bad;
    if (opt == "--game") {
      bool ok = false;
      int g = v->toInt(&ok);
      if (!ok || !IsGameIndex(g))
        return QStringLiteral("bad game index '%1' (expected 0..%2)").arg(*v).arg(kGameCount - 1);
      cl.game = g;
    } else if (opt == "--number") {
      bool ok = false;
      qlonglong n = v->toLongLong(&ok);
      if (!ok || n < 1 || n > 2147483647)
        return QStringLiteral("bad game number '%1' (expected 1..2147483647)").arg(*v);
      cl.number = uint32_t(n);
    } else if (opt == "--data-dir") {
      cl.dataDir = *v;
    } else if (opt == "--size") {
      cl.size = ParseWindowSize(*v);
      if (!cl.size)
        return QStringLiteral("bad window size '%1' (expected WxH, %2..%3 each)")
            .arg(*v)
            .arg(kMinWindowSide)
            .arg(kMaxWindowSide);
    } else if (opt == "--script") {
      cl.script = *v;
    } else {
      cl.screenshot = *v;
    }
  }
  return std::nullopt;
}

// --history-csv: every game of the history, all players, newest first.
int PrintHistoryCsv(const QString& dataDir) {
  const QString path = HistoryFilePath(PlayersFilePath(dataDir));
  std::vector<GameRecord> rows;
  // A folder without a history has none to print, and gets no file for it.
  if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
    HistoryDb db(path);
    QString reason;
    auto read = db.Rows(QString(), &reason);
    if (QString notice = db.TakeNotice(); !notice.isEmpty())
      std::fprintf(stderr, "wenlo-solitaire: %s %s\n", qPrintable(path), qPrintable(notice));
    if (!read) return Fail(QStringLiteral("cannot read the history %1: %2").arg(path, reason), 1);
    rows = std::move(*read);
  }
  const QByteArray csv = HistoryCsv(rows);
  return std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) == size_t(csv.size()) ? 0 : 1;
}

void DealFromCommandLine(GameFlow& flow, const CommandLine& cl) {
  if (cl.game || cl.number) flow.DealGame(cl.game, cl.number);
}

bool SaveScreenshot(TMain_F& window, const QString& path) {
  window.ShowSolverVerdictNow();
  window.show();
  QCoreApplication::processEvents();
  return window.grab().save(path);
}

}  // namespace

MainOptions WindowOptions(const QString& dataDir, bool headless, bool resume, bool dealGiven) {
  MainOptions options;
  options.DataDir = dataDir;
  // Runs that deal or play by themselves neither bring back nor keep the
  // player's game in progress, unless asked to with --resume: keeping the
  // game such a run played would write over the kept one it never brought
  // back.
  options.ResumeAtStart = resume || (!headless && !dealGiven);
  options.KeepAtExit = options.ResumeAtStart;
  options.ComposeAtFirstPaint = !headless;
  return options;
}

void NameApplication() {
  // The name is the application id: it names the user's data and cache
  // folders and, on X11, the window class the desktop matches with the
  // desktop entry of the same name. The display name stays empty on
  // purpose: Linux desktops append a set display name to every window title
  // ("FreeCell [#2] — ..."), and an empty one appends nothing, so each
  // window keeps exactly its own caption.
  QApplication::setApplicationName(QString::fromLatin1(kAppId));
  QApplication::setApplicationDisplayName(QString());
}

int RunApplication(int argc, char** argv) {
  ExitHandling::IgnoreFileSizeSignal();
  if (IsSolveCommand(argc, argv)) return RunSolveCommand(argc, argv);
  CommandLine cl;
  if (auto error = ParseCommandLine(argc, argv, cl)) return Fail(*error);
  if (cl.help || cl.version) {
    std::fputs(qPrintable(cl.help ? UsageText() : VersionText()), stdout);
    return 0;
  }
  if (cl.historyCsv) {
    QCoreApplication core(argc, argv);
    NameApplication();
    return PrintHistoryCsv(cl.dataDir);
  }
  const bool headless = cl.dump || !cl.script.isEmpty() || !cl.screenshot.isEmpty();
  if (headless) {
    bool hasDisplay =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (cl.dump || !cl.script.isEmpty() || !hasDisplay) qputenv("QT_QPA_PLATFORM", "offscreen");
    SetDeterministic(true);
  }
  QString scriptText;
  if (!cl.script.isEmpty()) {
    const FileRead f = ReadRegularFile(cl.script, 16 * 1024 * 1024);
    if (f.Status == FileReadStatus::TooLarge)
      return Fail(QStringLiteral("script '%1' is too large").arg(cl.script));
    if (!f.Ok())
      return Fail(QStringLiteral("cannot read script '%1': %2").arg(cl.script, f.Reason));
    scriptText = QString::fromUtf8(f.Data);
  }
  std::vector<ScriptCommand> commands;
  if (!cl.script.isEmpty()) {
    auto parsed = ParseScript(scriptText);
    if (auto* err = std::get_if<ScriptError>(&parsed)) {
      std::fprintf(stderr, "script:%d: %s\n", err->line, qPrintable(err->reason));
      return 2;
    }
    commands = std::get<std::vector<ScriptCommand>>(parsed);
  }

  QApplication app(argc, argv);
  InstallTableDialogs();
  TTableAccess::InstallFactory();
  // Without a player at the screen no dialog may wait for an answer: each
  // one takes its default (a script installs its own answers below).
  std::optional<ScopedModalResponder> unattended;
  if (headless)
    unattended.emplace([](const ModalRequest& r) -> std::optional<int> { return r.defaultResult; });
  NameApplication();
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
  // A window for the player keeps the card images it draws for its next
  // start; runs that deal or play by themselves draw afresh and keep nothing.
  if (!headless) {
    const QString cache = UserFolder(QStandardPaths::CacheLocation);
    if (!cache.isEmpty()) CardImages::UseDiskCache(cache + QStringLiteral("/card-images.bin"));
    if (cl.game || cl.number) CardImages::ReadKeptAhead();
  }
  // One program per data folder: two would each count their games into the
  // statistics they read at start, and the last to exit would erase what the
  // other counted (and keep its game in progress over the other's). Runs
  // that only look (--dump, --screenshot) save nothing and need no lock.
  std::optional<ProcessLock> folderLock;
  if (!headless || !cl.script.isEmpty() || cl.resume) {
    const QString folder = QFileInfo(PlayersFilePath(cl.dataDir)).absolutePath();
    folderLock.emplace(QDir(folder).filePath(QString::fromLatin1(kDataFolderLockName)));
    if (folderLock->Take() == ProcessLock::Result::HeldByOther) {
      if (headless) return Fail(AlreadyRunningText(folder, folderLock->HolderPid()), 3);
      // The window that would have read the language never opens: read it
      // here, so the box speaks the player's language.
      Language::Apply(LoadAppSettings().Language);
      const QString text = AlreadyRunningText(folder, folderLock->HolderPid());
      ShowMessage(text, QStringLiteral("Wenlo Solitaire Collection"), MsgIcon::Information);
      return 3;
    }
  }
  MainOptions options =
      WindowOptions(cl.dataDir, headless, cl.resume, cl.game.has_value() || cl.number.has_value());
  // A script's lines and the dump read the same in every language: those
  // runs never translate. A screenshot shows what the player would see.
  options.Translate = cl.script.isEmpty() && !cl.dump;
  TMain_F window(options);
  GameFlow& flow = window.Flow();
  // The window told the player in a message box; without one it goes here.
  if (headless) {
    for (const QString& line : flow.LoadProblems().Lines())
      std::fprintf(stderr, "wenlo-solitaire: %s\n", qPrintable(line));
  }
  if (cl.resume && !flow.Dealt() && !flow.ResumeError().isEmpty())
    std::fprintf(stderr, "wenlo-solitaire: no game resumed: %s\n", qPrintable(flow.ResumeError()));
  // A game brought back comes first; the command line's deal is for a start
  // without one.
  if (!flow.Dealt()) DealFromCommandLine(flow, cl);
  if (!headless && flow.Dealt()) CardImages::ReadKeptAhead();  // a game brought back

  if (cl.dump) {
    QTextStream out(stdout);
    out << DumpTable(flow.Host(), flow.GameIndex(), flow.GameNumber());
    out.flush();
    window.MarkClosed();
    return 0;
  }
  if (!cl.script.isEmpty()) {
    QTextStream out(stdout);
    ScriptDriver driver(flow, out);
    ExitHandling::WatchSignals(&app, {});
    driver.SendKey = [&window](int key, Qt::KeyboardModifiers modifiers) {
      QKeyEvent press(QEvent::KeyPress, key, modifiers);
      QCoreApplication::sendEvent(&window, &press);
    };
    auto error = driver.Run(commands);
    out.flush();
    window.MarkClosed();
    if (error) {
      std::fprintf(stderr, "script:%d: %s\n", error->line, qPrintable(error->reason));
      return 2;
    }
    if (driver.SaveFailed()) return 1;
  }
  if (cl.size) window.resize(*cl.size);
  if (!cl.screenshot.isEmpty()) {
    window.MarkClosed();
    if (!SaveScreenshot(window, cl.screenshot))
      return Fail(QStringLiteral("cannot write screenshot '%1'").arg(cl.screenshot));
    return 0;
  }
  if (headless) return 0;
  // Log-out and shutdown end the program the way the Exit command does.
  ExitHandling::WatchSignals(&window, [&window] { window.ExitBySignal(); });
  InstallStartupProbe(&window);
  window.show();
  const int status = app.exec();
  return status != 0 ? status : window.SaveFailed() ? 1 : 0;
}
