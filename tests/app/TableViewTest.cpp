// SPDX-License-Identifier: GPL-3.0-or-later
// The table in the window: every game's opening deal shows whole at the
// sizes players use, and a click on a card in window pixels reaches that
// card's pile at every zoom.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/MainForm.h"
#include "app/WindowFit.h"
#include "cardtable/Cardscmp.h"
#include "platform/qt/SurfaceWidget.h"
#include "records/Catalogue.h"
#include "rules/Game.h"

namespace {

class TableView : public ::testing::Test {
 protected:
  TableView() {
    options.DataDir = dir.path();
    window = std::make_unique<TMain_F>(options);
    window->MarkClosed();
    window->show();
  }
  GameFlow& Flow() { return window->Flow(); }
  SurfaceWidget* Surface() { return window->Surface(); }
  TForm& Form() { return Flow().Host().Form(); }

  // Opens the game as the player does (its window placement first), deals
  // number 1 and lets the view settle. No automatic move runs.
  void Open(int game) {
    Flow().SelectSolitaireOk(game);
    Flow().SelectShuffleOk(1);
    Flow().Host().Redeal_Timer.Fire();
    Flow().Host().Additional_timer.SetEnabled(false);
    QCoreApplication::processEvents();
  }

  std::vector<TDeck*> Piles() {
    std::vector<TDeck*> out;
    for (TComponent* c : Form().Components())
      if (auto* d = dynamic_cast<TDeck*>(c); d && d->Visible()) out.push_back(d);
    return out;
  }

  // The pile with its cards, in window pixels.
  QRect OnScreen(TDeck* d) {
    QRect r = d->BoundsRect();
    for (TCard* c = d->TopCard; c; c = c->NextCard)
      if (c->Visible()) r |= c->BoundsRect();
    return Surface()->ToWidget(r);
  }

  // The pile of the control the board hits at a logical point.
  TDeck* PileAt(QPoint logical) {
    TGraphicControl* hit = Form().ControlAt(logical);
    auto* card = dynamic_cast<TCard*>(hit);
    return card ? card->HostDeck : dynamic_cast<TDeck*>(hit);
  }

  void MoveTo(QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(Surface()->mapToGlobal(p)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Surface(), &move);
  }

  QTemporaryDir dir;
  MainOptions options;
  std::unique_ptr<TMain_F> window;
};

}  // namespace

TEST_F(TableView, EveryOpeningDealShowsWholeAtDefaultSmallAndLargeSizes) {
  const std::optional<QSize> sizes[] = {std::nullopt, QSize(1024, 600), QSize(1920, 1080)};
  for (const auto& size : sizes) {
    for (int game = 0; game < kGameCount; ++game) {
      if (!HasDealRoutine(game)) continue;
      Open(game);
      if (size) window->resize(*size);
      QCoreApplication::processEvents();
      const QString where = QStringLiteral("%1 at %2x%3")
                                .arg(GameName(game))
                                .arg(window->width())
                                .arg(window->height());
      const QRect table = Surface()->rect();
      ASSERT_FALSE(Piles().empty()) << where.toStdString();
      for (TDeck* d : Piles())
        EXPECT_TRUE(table.contains(OnScreen(d)))
            << where.toStdString() << ": pile " << d->DeckID() << " at " << OnScreen(d).x() << ","
            << OnScreen(d).y() << " " << OnScreen(d).width() << "x" << OnScreen(d).height()
            << " outside " << table.width() << "x" << table.height();
      for (QPushButton* b : Surface()->findChildren<QPushButton*>())
        EXPECT_TRUE(table.contains(b->geometry())) << where.toStdString() << ": redeal button";
      // Not shrunk more than it must be: the layout fills one side of the
      // table, or the zoom is at its largest.
      if (Surface()->Zoom() < SurfaceWidget::kMaxZoom) {
        const QRect used = Surface()->ToWidget(Surface()->Layout());
        EXPECT_TRUE(used.right() + 2 >= table.right() || used.bottom() + 2 >= table.bottom())
            << where.toStdString();
      }
    }
  }
}

TEST_F(TableView, ClicksOnCardCentresHitTheirPilesAndTheDropCursorFollows) {
  std::map<int, std::map<int, int>> cursorsAtOne;  // game -> pile -> cursor
  int own = 0, all = 0;
  for (double zoom : {1.0, 0.75, 1.5, 2.0}) {
    Surface()->SetFixedZoom(zoom);
    for (int game = 0; game < kGameCount; ++game) {
      if (!HasDealRoutine(game)) continue;
      Open(game);
      window->resize(1900, 1900);  // room for the whole board at zoom 2
      QCoreApplication::processEvents();
      const std::string where = GameName(game).toStdString() + " zoom " + std::to_string(zoom);
      TDeck* chosen = nullptr;
      for (TDeck* d : Piles()) {
        ++all;
        TGraphicControl* target = d->TopCard ? static_cast<TGraphicControl*>(d->TopCard) : d;
        // Some layouts lay one pile over another; the pile the board itself
        // finds at the card's centre is the one a click there must reach.
        const TDeck* expected = PileAt(target->BoundsRect().center());
        own += expected == d;
        const QPoint centre = Surface()->ToWidget(target->BoundsRect()).center();
        ASSERT_TRUE(Surface()->rect().contains(centre))
            << where << ": " << centre.x() << "," << centre.y() << " outside " << Surface()->width()
            << "x" << Surface()->height();
        MoveTo(centre);
        EXPECT_EQ(PileAt(Form().LastMousePos()), expected) << where << ": pile " << d->DeckID();
        if (!chosen && d->TopCard && d->TopCard->Face()) chosen = d;
      }
      // With one pile's card chosen, hovering marks the same piles as
      // places to drop at every zoom.
      if (!chosen) continue;
      Flow().Board1()->SelectedPile = chosen;
      for (TDeck* d : Piles()) {
        TGraphicControl* target = d->TopCard ? static_cast<TGraphicControl*>(d->TopCard) : d;
        MoveTo(Surface()->ToWidget(target->BoundsRect()).center());
        int& atOne = cursorsAtOne[game][d->DeckID()];
        if (zoom == 1.0)
          atOne = Form().CurrentCursor();
        else
          EXPECT_EQ(Form().CurrentCursor(), atOne) << where << ": pile " << d->DeckID();
      }
      Flow().Board1()->SelectedPile = nullptr;
    }
  }
  int drops = 0;
  for (auto& [game, piles] : cursorsAtOne)
    for (auto& [pile, cursor] : piles)
      drops += cursor == crDrop;
  EXPECT_GT(own, all * 9 / 10);  // most centres lie on their own pile
  EXPECT_GT(drops, 20);          // the comparison above saw drop places, not only arrows
}

TEST(WindowFit, FirstOpenShowsTheLayoutAtZoomOneWithinTheScreen) {
  const QRect layout(0, 0, 760, 530);
  EXPECT_EQ(FirstOpenWindowSize(layout, QSize(0, 30), QRect(0, 0, 1920, 1040)), QSize(760, 560));
  EXPECT_EQ(FirstOpenWindowSize(layout, QSize(0, 30), QRect(0, 0, 1024, 560)), QSize(760, 560));
  EXPECT_EQ(FirstOpenWindowSize(layout, QSize(0, 30), QRect(0, 0, 700, 500)), QSize(700, 500));
  EXPECT_TRUE(IsDefaultPlacement(QRect(10, 10, 689, 542)));
  EXPECT_FALSE(IsDefaultPlacement(QRect(10, 10, 690, 542)));
  EXPECT_DOUBLE_EQ(SurfaceWidget::FitZoom(QSize(1520, 1060), layout), 2.0);
  EXPECT_DOUBLE_EQ(SurfaceWidget::FitZoom(QSize(380, 530), layout), 0.5);
  EXPECT_DOUBLE_EQ(SurfaceWidget::FitZoom(QSize(100, 100), layout), SurfaceWidget::kMinZoom);
  EXPECT_DOUBLE_EQ(SurfaceWidget::FitZoom(QSize(100, 100), QRect()), 1.0);
}

TEST_F(TableView, FirstOpenShowsZoomOneAndAStoredPlacementIsKept) {
  // Pharaoh's table is small enough for the test screen: it opens at zoom 1.
  Open(13);
  EXPECT_DOUBLE_EQ(Surface()->Zoom(), 1.0);
  EXPECT_EQ(Surface()->size(), Surface()->Layout().size());
  // A placement the player made is used as it stands; the table zooms to it.
  TGameOption& o = Flow().Settings().GameOptions[27];
  o.Left = 40;
  o.Top = 30;
  o.Width = 900;
  o.Height = 500;
  Open(27);
  EXPECT_EQ(window->size(), QSize(900, 500));
  EXPECT_TRUE(Surface()->rect().contains(Surface()->ToWidget(Surface()->Layout())));
}
