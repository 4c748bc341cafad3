// SPDX-License-Identifier: GPL-3.0-or-later
// The first deal and the first move after start against later ones, in the
// real window: whatever start-up leaves for later (art, sound, dialogs) must
// not make them noticeably slower. Deals FreeCell #1..#6 with New Game's
// path and after each deal moves the top card of a column to a free cell by
// two clicks, then prints (one fresh process per measurement, so
// scripts/bench-startup runs it several times):
//
//   first-deal-ms=X later-deal-ms=Y first-move-ms=X later-move-ms=Y
//   first-deal-cpu-ms=X later-deal-cpu-ms=Y first-move-cpu-ms=X later-move-cpu-ms=Y
//
// The later figures are medians over deals and moves two to six; -ms is wall
// time, -cpu-ms the CPU time of the thread (what a busy machine disturbs
// least). A move's wall time includes its slide, shown for about 54 ms. Run it in a
// private XDG_CONFIG_HOME: it starts with that folder's settings (sound on or
// off) and saves nothing. With sound on, the first move loads the sound
// plugin.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

#include "app/MainForm.h"
#include "cardtable/Card.h"
#include "cardtable/Deck.h"
#include "platform/Modal.h"
#include "platform/Sound.h"
#include "ui/TableDialogs.h"

namespace {

// Wall and thread CPU time of one step, in milliseconds.
struct Stopwatch {
  QElapsedTimer wall;
  timespec cpu{};
  void Start() {
    wall.start();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
  }
  std::pair<double, double> Stop() const {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    double cpuMs = double(now.tv_sec - cpu.tv_sec) * 1e3 + double(now.tv_nsec - cpu.tv_nsec) / 1e6;
    return {double(wall.nsecsElapsed()) / 1e6, cpuMs};
  }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Runs pending events until the window has shown its first frame.
void WaitForWindow(QWidget& window) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 5000 && !(window.windowHandle() && window.windowHandle()->isExposed()))
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The sound plugin lies beside the program, one folder up from here.
  SetSoundPluginPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../wenlo-sound"));
  InstallTableDialogs();
  ScopedModalResponder unattended(
      [](const ModalRequest& r) -> std::optional<int> { return r.defaultResult; });
  QTemporaryDir data;
  MainOptions options;
  options.DataDir = data.path();
  TMain_F window(options);
  window.MarkClosed();
  window.show();
  WaitForWindow(window);
  GameFlow& flow = window.Flow();
  TForm* form = &flow.Host().Form();

  std::vector<double> deals, moves, dealsCpu, movesCpu;
  Stopwatch t;
  for (uint32_t number = 1; number <= 6; ++number) {
    t.Start();
    flow.DealGame(32, number);
    QCoreApplication::processEvents();
    auto [dealMs, dealCpu] = t.Stop();
    deals.push_back(dealMs);
    dealsCpu.push_back(dealCpu);

    TDeck* column = FindPileByID(form, 17);
    TDeck* cell = FindPileByID(form, 7);
    if (!column || !column->TopCard || !cell) {
      std::fprintf(stderr, "first_moves: FreeCell #%u has no column 17 or cell 7\n", number);
      return 1;
    }
    t.Start();
    column->TopCard->Click();
    cell->Click();
    QCoreApplication::processEvents();
    auto [moveMs, moveCpu] = t.Stop();
    moves.push_back(moveMs);
    movesCpu.push_back(moveCpu);
  }
  auto later = [](const std::vector<double>& v) { return Median({v.begin() + 1, v.end()}); };
  std::printf("first-deal-ms=%.3f later-deal-ms=%.3f first-move-ms=%.3f later-move-ms=%.3f\n",
              deals[0], later(deals), moves[0], later(moves));
  std::printf(
      "first-deal-cpu-ms=%.3f later-deal-cpu-ms=%.3f first-move-cpu-ms=%.3f "
      "later-move-cpu-ms=%.3f\n",
      dealsCpu[0], later(dealsCpu), movesCpu[0], later(movesCpu));
  return 0;
}
