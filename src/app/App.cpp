#include "app/App.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "app/MainForm.h"
#include "app/ScriptDriver.h"
#include "app/SolveCommand.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "records/Catalogue.h"
#include "ui/TableDialogs.h"

namespace {

struct CommandLine {
  std::optional<int> game;
  std::optional<uint32_t> number;
  QString dataDir;
  QString script;
  QString screenshot;
  bool dump = false;
};

int Fail(const QString& message) {
  std::fprintf(stderr, "wenlo-solitaire: %s\n", qPrintable(message));
  return 2;
}

// Reads the options; on a bad one returns the message to print.
std::optional<QString> ParseCommandLine(int argc, char** argv, CommandLine& cl) {
  for (int i = 1; i < argc; ++i) {
    QString opt = QString::fromLocal8Bit(argv[i]);
    auto value = [&]() -> std::optional<QString> {
      if (i + 1 >= argc) return std::nullopt;
      return QString::fromLocal8Bit(argv[++i]);
    };
    if (opt == "--dump") {
      cl.dump = true;
      continue;
    }
    if (opt != "--game" && opt != "--number" && opt != "--data-dir" && opt != "--script" &&
        opt != "--screenshot")
      return QStringLiteral("unknown option '%1'").arg(opt);
    auto v = value();
    if (!v) return QStringLiteral("option %1 needs a value").arg(opt);
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
    } else if (opt == "--script") {
      cl.script = *v;
    } else {
      cl.screenshot = *v;
    }
  }
  return std::nullopt;
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

int RunApplication(int argc, char** argv) {
  if (IsSolveCommand(argc, argv)) return RunSolveCommand(argc, argv);
  CommandLine cl;
  if (auto error = ParseCommandLine(argc, argv, cl)) return Fail(*error);
  const bool headless = cl.dump || !cl.script.isEmpty() || !cl.screenshot.isEmpty();
  if (headless) {
    bool hasDisplay =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (cl.dump || !cl.script.isEmpty() || !hasDisplay) qputenv("QT_QPA_PLATFORM", "offscreen");
    SetDeterministic(true);
  }
  QString scriptText;
  if (!cl.script.isEmpty()) {
    QFile f(cl.script);
    if (!f.open(QIODevice::ReadOnly))
      return Fail(QStringLiteral("cannot read script '%1'").arg(cl.script));
    if (f.size() > 16 * 1024 * 1024)
      return Fail(QStringLiteral("script '%1' is too large").arg(cl.script));
    scriptText = QString::fromUtf8(f.readAll());
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
  // Without a player at the screen no dialog may wait for an answer: each
  // one takes its default (a script installs its own answers below).
  std::optional<ScopedModalResponder> unattended;
  if (headless)
    unattended.emplace([](const ModalRequest& r) -> std::optional<int> { return r.defaultResult; });
  QApplication::setApplicationName(QStringLiteral("Wenlo Solitaire Collection"));
  QApplication::setApplicationDisplayName(QStringLiteral("Wenlo Solitaire Collection"));
  MainOptions options;
  options.DataDir = cl.dataDir;
  TMain_F window(options);
  GameFlow& flow = window.Flow();
  DealFromCommandLine(flow, cl);

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
    auto error = driver.Run(commands);
    out.flush();
    window.MarkClosed();
    if (error) {
      std::fprintf(stderr, "script:%d: %s\n", error->line, qPrintable(error->reason));
      return 2;
    }
  }
  if (!cl.screenshot.isEmpty()) {
    window.MarkClosed();
    if (!SaveScreenshot(window, cl.screenshot))
      return Fail(QStringLiteral("cannot write screenshot '%1'").arg(cl.screenshot));
    return 0;
  }
  if (headless) return 0;
  window.show();
  return app.exec();
}
