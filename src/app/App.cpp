#include "app/App.h"

#include <QApplication>
#include <QMainWindow>

#include "cardtable/Cardscmp.h"
#include "platform/SurfaceWidget.h"

int RunApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  auto* form = new TForm(800, 600);
  auto* board = new TBoard(form);
  TDeck* piles[3];
  for (int i = 0; i < 3; ++i) {
    piles[i] = new TDeck(form);
    piles[i]->SetHostBoard(board);
    piles[i]->SetBounds(20 + 120 * i, 20, 71, 96);
    piles[i]->SetVShift(i == 0 ? 2 : 20);
    piles[i]->CanShowCard = true;
  }
  for (int k = 1; k <= 20; ++k) {
    auto* c = new TCard(form);
    c->CardID = k;
    c->SetCardFace((k % 4 + 1) * 256 + (k % 13 + 1));
    c->SetFace(k % 2 == 0);
    piles[k % 3]->AddCard(c);
  }
  board->Recording = true;
  QMainWindow w;
  auto* view = new SurfaceWidget(form);
  w.setCentralWidget(view);
  w.resize(800, 600);
  w.show();
  int rc = app.exec();
  delete form;
  return rc;
}
