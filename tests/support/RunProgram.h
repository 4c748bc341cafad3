// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real program binary for end-to-end tests: a private data folder
// and settings folder per run, output captured.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

class ProgramSandbox {
 public:
  ProgramSandbox() = default;
  QString DataDir() const { return dir_.filePath("data"); }
  QString ConfigDir() const { return dir_.filePath("config"); }
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // Runs the program with the arguments (plus --data-dir) headless.
  ProgramRun Run(const QStringList& args, int timeoutMs = 60000) const {
    return RunWithoutDataDir(QStringList(args) << "--data-dir" << DataDir(), timeoutMs);
  }
  // The same as an installed program runs: its data in the user's data
  // folder, here under Path("share").
  ProgramRun RunWithoutDataDir(const QStringList& args, int timeoutMs = 60000) const {
    QProcess p;
    p.setProcessEnvironment(Environment());
    p.start(QStringLiteral(WENLO_BINARY), args);
    return Finish(p, timeoutMs);
  }

  // The environment of a sandboxed run: private settings, no display.
  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", ConfigDir());
    env.insert("XDG_CACHE_HOME", dir_.filePath("cache"));
    env.insert("XDG_DATA_HOME", dir_.filePath("share"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    return env;
  }

  // Waits for a started run (killing it after timeoutMs) and collects it.
  static ProgramRun Finish(QProcess& p, int timeoutMs) {
    ProgramRun r;
    if (!p.waitForFinished(timeoutMs)) {
      p.kill();
      p.waitForFinished();
      r.err = "timed out";
      return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
  }

  // Writes a script file and runs it.
  ProgramRun RunScript(const QString& script, QStringList extra = {}) const {
    QString path = Path("script.txt");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(script.toUtf8());
    f.close();
    extra << "--script" << path;
    return Run(extra);
  }

 private:
  QTemporaryDir dir_;
};
