// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the table: recomposing the whole board, one animated move,
// New Game of FreeCell with its repaint, and start-up to the first frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "app/MainForm.h"
#include "platform/Messages.h"
#include "platform/qt/SurfaceWidget.h"
#include "session/TableHost.h"

namespace {

// 104 cards in 8 fanned columns of 13, face up.
void LayOutColumns(TableHost& host, std::vector<TDeck*>& cols) {
  TForm& form = host.Form();
  for (int i = 0; i < 8; ++i) {
    auto* d = new TDeck(&form);
    d->SetHostBoard(host.Board1);
    d->SetBounds(10 + 98 * i, 10, 71, 96);
    d->SetVShift(20);
    cols.push_back(d);
  }
  host.Board1->Recording = false;
  for (int n = 1; n <= 104; ++n) {
    TCard* c = host.Table.CardPool[size_t(n)];
    c->Show();
    c->SetFace(true);
    cols[size_t((n - 1) % 8)]->AddCard(c);
    c->BringToFront();
  }
  host.Board1->Recording = true;
}

// The plain green table, as the window paints it without a picture.
void PaintPlainGreen(TableHost& host) {
  host.Form().PaintBackground = [](QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* line = reinterpret_cast<quint32*>(img.scanLine(y));
      std::fill(line + r.left(), line + r.right() + 1, 0xFF008000u);
    }
  };
}

void BM_RecomposeFullTable(benchmark::State& state) {
  TableHost host;
  PaintPlainGreen(host);
  std::vector<TDeck*> cols;
  LayOutColumns(host, cols);
  for (auto _ : state)
    host.Form().InvalidateAll();
}
BENCHMARK(BM_RecomposeFullTable)->Unit(benchmark::kMillisecond);

void BM_MoveCardToAnimated(benchmark::State& state) {
  TableHost host;
  std::vector<TDeck*> cols;
  LayOutColumns(host, cols);
  int i = 0;
  for (auto _ : state) {
    TDeck* from = cols[size_t(i % 8)];
    TDeck* to = cols[size_t((i + 3) % 8)];
    to->MoveCardTo(from->TopCard);
    ++i;
  }
}
BENCHMARK(BM_MoveCardToAnimated)->Unit(benchmark::kMicrosecond);

void BM_NewGameFreeCell(benchmark::State& state) {
  TableHost host;
  uint32_t n = 1;
  for (auto _ : state) {
    host.DealGame(32, n++);
    host.Form().InvalidateAll();
  }
}
BENCHMARK(BM_NewGameFreeCell)->Unit(benchmark::kMillisecond);

void BM_StartupToFirstFrame(benchmark::State& state) {
  QTemporaryDir dir;
  for (auto _ : state) {
    MainOptions options;
    options.DataDir = dir.path();
    TMain_F window(options);
    window.show();
    window.Surface()->repaint();
    window.MarkClosed();
  }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same table at a zoom (state.range(0) in percent): the framebuffer of
// the 800 x 800 board in device pixels, the card art drawn at that size.
void ZoomTable(TableHost& host, benchmark::State& state) {
  const double zoom = state.range(0) / 100.0;
  const int side = int(800 * zoom + 0.5);
  host.Form().SetView(QSize(side, side), TViewMap(zoom, QPoint(0, 0)));
}

void BM_RecomposeAtZoom(benchmark::State& state) {
  TableHost host;
  PaintPlainGreen(host);
  std::vector<TDeck*> cols;
  LayOutColumns(host, cols);
  ZoomTable(host, state);
  for (auto _ : state)
    host.Form().InvalidateAll();
}
BENCHMARK(BM_RecomposeAtZoom)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// One card moved with its six-frame slide (frames are not paced here).
void BM_SlideAtZoom(benchmark::State& state) {
  TableHost host;
  std::vector<TDeck*> cols;
  LayOutColumns(host, cols);
  ZoomTable(host, state);
  int i = 0;
  for (auto _ : state) {
    cols[size_t((i + 3) % 8)]->MoveCardTo(cols[size_t(i % 8)]->TopCard);
    ++i;
  }
}
BENCHMARK(BM_SlideAtZoom)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  SetDeterministic(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
