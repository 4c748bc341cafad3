// The first deal and the first move after start against later ones, in the
// real window: whatever start-up leaves for later (art, sound, dialogs) must
// not make them noticeably slower. Deals FreeCell #1..#6 with New Game's
// path and after each deal moves the top card of a column to a free cell by
// two clicks, then prints (one fresh process per measurement, so
// scripts/bench-startup runs it several times):
//
//   first-deal-ms=X later-deal-ms=Y first-move-ms=X later-move-ms=Y
//
// The later figures are medians over deals and moves two to six. Run it in a
// private XDG_CONFIG_HOME: it starts with that folder's settings (sound on or
// off) and saves nothing.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/MainForm.h"
#include "cardtable/Card.h"
#include "cardtable/Deck.h"
#include "platform/Modal.h"
#include "ui/TableDialogs.h"

namespace {

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

  std::vector<double> deals, moves;
  QElapsedTimer t;
  for (uint32_t number = 1; number <= 6; ++number) {
    t.start();
    flow.DealGame(32, number);
    QCoreApplication::processEvents();
    deals.push_back(double(t.nsecsElapsed()) / 1e6);

    TDeck* column = FindPileByID(form, 17);
    TDeck* cell = FindPileByID(form, 7);
    if (!column || !column->TopCard || !cell) {
      std::fprintf(stderr, "first_moves: FreeCell #%u has no column 17 or cell 7\n", number);
      return 1;
    }
    t.start();
    column->TopCard->Click();
    cell->Click();
    QCoreApplication::processEvents();
    moves.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::printf("first-deal-ms=%.3f later-deal-ms=%.3f first-move-ms=%.3f later-move-ms=%.3f\n",
              deals[0], Median({deals.begin() + 1, deals.end()}), moves[0],
              Median({moves.begin() + 1, moves.end()}));
  return 0;
}
