// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scripted driver: replays clicks, timer ticks and dialog answers on a
// game flow, headless and deterministic. One command per line; '#' starts a
// comment. See docs/architecture.md for the command list.

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "platform/Modal.h"

class GameFlow;
class TDeck;

struct ScriptCommand {
  int line = 0;
  QString verb;
  std::vector<long long> args;
  QString text;  // key: the key's name as written
};

struct ScriptError {
  int line = 0;
  QString reason;
};

// Parses the whole script first, so a malformed line stops it before
// anything runs.
std::variant<std::vector<ScriptCommand>, ScriptError> ParseScript(const QString& text);

class ScriptDriver {
 public:
  ScriptDriver(GameFlow& flow, QTextStream& out);
  ~ScriptDriver();
  // Runs the commands; returns an error for a command that cannot be
  // carried out (a pile that does not exist), or nothing.
  std::optional<ScriptError> Run(const std::vector<ScriptCommand>& commands);
  // Whether the script ended with quit (the exit sequence ran).
  bool Quit() const { return quit_; }
  // Whether that exit sequence could not save everything (each failure was
  // printed as "save failed: FILE: REASON").
  bool SaveFailed() const { return saveFailed_; }
  // Delivers a key press to the window (key: a Qt key code and modifiers).
  std::function<void(int key, Qt::KeyboardModifiers modifiers)> SendKey;

 private:
  void Tick();
  // The exit sequence, for quit and for SIGTERM or SIGHUP during a script.
  void RunExit();
  void ClickAt(int x, int y, bool dbl);
  void Drag(TDeck* from, TDeck* to, int cards);
  // solve [N]: the solver's line from the table as it stands, played as
  // Game > Solve plays it (the deal then counts as won with Solve), or only
  // its first N moves.
  void PlaySolverLine(long long most);

  GameFlow& flow_;
  QTextStream& out_;
  std::vector<int> answers_;
  ModalResponder previous_;
  bool quit_ = false;
  bool saveFailed_ = false;
};
