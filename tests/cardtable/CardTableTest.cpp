// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "platform/Modal.h"
#include "platform/Sound.h"
#include "support/TableFixture.h"

// --- Cards ------------------------------------------------------------------

TEST_F(TableFixture, CardPictureFollowsFaceFaceValueAndBack) {
  TCard* c = pool[1];
  EXPECT_EQ(c->CardFace(), 257);
  c->SetFace(true);
  EXPECT_EQ(c->PictureIndex(), 1);  // Ace of clubs
  c->SetCardFace(0x40D);
  EXPECT_EQ(c->PictureIndex(), 52);  // King of spades
  c->SetFace(false);
  c->SetCardBack(0);
  EXPECT_EQ(c->PictureIndex(), 53);
  EXPECT_EQ(c->CardBack(), 0);
  c->SetCardBack(20);
  EXPECT_EQ(c->PictureIndex(), 65);
  EXPECT_EQ(c->CardBack(), 20);
  // A face-down card keeps showing its back when its value changes.
  c->SetCardFace(0x201);
  EXPECT_EQ(c->PictureIndex(), 65);
  c->SetFace(true);
  EXPECT_EQ(c->PictureIndex(), 14);
}

TEST_F(TableFixture, TurningRecordsOnlyRealChangesOnABoardPile) {
  TDeck* d = Pile(10, 10);
  Put(d, {5}, false);
  pool[5]->SetFace(false);  // same value: nothing
  EXPECT_TRUE(board->History.empty());
  pool[5]->SetFace(true);
  ASSERT_EQ(board->History.size(), 1u);
  EXPECT_TRUE(board->History[0].Flip);
  EXPECT_EQ(board->History[0].CardNo, 5);
  pool[6]->SetFace(true);  // in no pile
  EXPECT_EQ(board->History.size(), 1u);
}

// --- Piles: layout, removal, score ----------------------------------------

TEST_F(TableFixture, StackedPileShowsOnlyTopCardAtItsEdgeOffset) {
  TDeck* d = Pile(100, 50, 1, 0);
  EXPECT_EQ(d->Height(), 96 + 9);
  for (int i = 1; i <= 10; ++i)
    Put(d, {i});
  EXPECT_EQ(d->CardsCount(), 10);
  int visible = 0;
  for (int i = 1; i <= 10; ++i)
    visible += pool[i]->Visible();
  EXPECT_EQ(visible, 1);
  EXPECT_TRUE(pool[10]->Visible());
  EXPECT_EQ(pool[10]->Top(), 51);
  EXPECT_EQ(pool[10]->Left(), 100);
}

TEST_F(TableFixture, FannedPileStepsEveryCard) {
  TDeck* d = Pile(10, 115, 15, 0);
  Put(d, {1, 2, 3, 4});
  for (int i = 1; i <= 4; ++i) {
    EXPECT_TRUE(pool[i]->Visible());
    EXPECT_EQ(pool[i]->Top(), 115 + 15 * (i - 1));
    EXPECT_EQ(pool[i]->Left(), 10);
  }
  // A fanned pile keeps the size the game gave it.
  EXPECT_EQ(d->Height(), 96);
}

TEST_F(TableFixture, RemovingADeeperCardClosesTheGap) {
  TDeck* d = Pile(10, 115, 20, 0);
  Put(d, {1, 2, 3, 4, 5});
  // Third from the top is card 3; card 4 lies on it.
  TCard* result = d->RemoveCard(pool[3]);
  EXPECT_EQ(result, pool[4]);
  EXPECT_EQ(Ids(d), (std::vector<int>{1, 2, 4, 5}));
  EXPECT_EQ(pool[4]->Top(), 115 + 40);
  EXPECT_EQ(pool[5]->Top(), 115 + 60);
  EXPECT_EQ(d->CardsCount(), 4);
  EXPECT_EQ(pool[3]->HostDeck, nullptr);
  EXPECT_EQ(pool[3]->NextCard, nullptr);
  // A card that is not in the pile changes nothing.
  EXPECT_EQ(d->RemoveCard(pool[3]), nullptr);
  EXPECT_EQ(d->CardsCount(), 4);
}

TEST_F(TableFixture, MoveCardBeyondCountDoesNothingAndFoundationsScore) {
  TDeck* src = Pile(10, 10);
  TDeck* f = Pile(300, 10, 0, 0, 1);
  Put(src, {1, 2});
  board->SetScore(-52);
  f->MoveCard(src, 3);
  EXPECT_EQ(src->CardsCount(), 2);
  f->MoveCard(src, 2);  // the card below the top
  EXPECT_EQ(Ids(f), (std::vector<int>{1}));
  EXPECT_EQ(board->Score(), -47);
  src->MoveCard(f, 1);
  EXPECT_EQ(board->Score(), -52);
  int fired = 0;
  board->OnScoreChange = [&](TDeck*) { ++fired; };
  board->SetScore(board->Score());
  EXPECT_EQ(fired, 1);
}

TEST_F(TableFixture, MoveCardToMovesRunRecordsOneEntryAndFiresAfterMoveOnce) {
  TDeck* src = Pile(10, 115, 20, 0);
  TDeck* dst = Pile(200, 115, 20, 0);
  Put(src, {10, 11, 12, 13});
  int sounds = 0;
  SetSoundObserver([&](const QByteArray&) { ++sounds; });
  board->MyPlaySound = true;
  std::vector<std::tuple<TDeck*, TDeck*, TCard*>> calls;
  dst->OnAfterMove = [&](TDeck* s, TDeck* d, TCard* c) { calls.emplace_back(s, d, c); };
  dst->MoveCardTo(pool[11]);  // 11 with 12 and 13 on it
  SetSoundObserver(nullptr);
  EXPECT_EQ(sounds, 3);
  EXPECT_EQ(Ids(src), (std::vector<int>{10}));
  EXPECT_EQ(Ids(dst), (std::vector<int>{11, 12, 13}));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(std::get<2>(calls[0]), pool[13]);
  // begin, move, end
  ASSERT_EQ(board->History.size(), 3u);
  EXPECT_EQ(board->History[0].Kind, kEntryBegin);
  EXPECT_EQ(board->History[1].CardNo, 11);
  EXPECT_EQ(board->History[1].SourceID, src->DeckID());
  EXPECT_EQ(board->History[1].DestID, dst->DeckID());
  EXPECT_EQ(board->History[2].Kind, kEntryEnd);
  EXPECT_FALSE(board->Busy);
  // Without recording nothing is written and OnAfterMove stays quiet.
  board->Recording = false;
  src->MoveCardTo(pool[13]);
  EXPECT_EQ(board->History.size(), 3u);
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(TableFixture, TurnOverReversesAndTurnsEveryCard) {
  TDeck* waste = Pile(100, 10, 2, 2);
  TDeck* stock = Pile(10, 10, 2, 2);
  Put(waste, {1, 2, 3});
  stock->TurnOver(waste);
  EXPECT_EQ(Ids(stock), (std::vector<int>{3, 2, 1}));
  for (int i = 1; i <= 3; ++i)
    EXPECT_FALSE(pool[i]->Face());
  EXPECT_EQ(waste->CardsCount(), 0);
  // Turns are recorded, the moves inside are not.
  EXPECT_EQ(board->History.size(), 3u);
  for (auto& e : board->History)
    EXPECT_TRUE(e.Flip);
}

TEST_F(TableFixture, PilesAreNumberedPerBoardAndFoundById) {
  TDeck* a = Pile(0, 0);
  TDeck* b = Pile(0, 0);
  EXPECT_EQ(a->DeckID(), 1);
  EXPECT_EQ(b->DeckID(), 2);
  TForm other;
  TBoard* second = new TBoard(&other);
  auto* c = new TDeck(&other);
  c->SetHostBoard(second);
  EXPECT_EQ(c->DeckID(), 1);
  EXPECT_EQ(FindPileByID(&form, 2), b);
  EXPECT_EQ(FindPileByID(&form, 9), nullptr);
  EXPECT_EQ(FindCardByID(&form, 104), pool[104]);
  EXPECT_EQ(FindCardByID(&form, 0), nullptr);
}

// --- Move history ----------------------------------------------------------

TEST_F(TableFixture, GroupedMoveWithTurnUndoesAndRedoesAsOneStep) {
  TDeck* col = Pile(10, 115, 20, 0);
  TDeck* dst = Pile(200, 115, 20, 0);
  Put(col, {1}, false);
  Put(col, {2});
  dst->OnAfterMove = [](TDeck* s, TDeck*, TCard*) {
    if (s->TopCard && !s->TopCard->Face()) s->TopCard->SetFace(true);
  };
  dst->MoveCardTo(pool[2]);
  ASSERT_EQ(board->History.size(), 4u);
  EXPECT_EQ(board->History[2].Flip, true);
  EXPECT_TRUE(pool[1]->Face());
  EXPECT_FALSE(board->UndoStep());
  EXPECT_EQ(Ids(col), (std::vector<int>{1, 2}));
  EXPECT_FALSE(pool[1]->Face());
  EXPECT_EQ(board->HistoryIndex, -1);
  EXPECT_FALSE(board->RedoStep());
  EXPECT_EQ(board->HistoryIndex, 3);
  EXPECT_EQ(Ids(dst), (std::vector<int>{2}));
  EXPECT_TRUE(pool[1]->Face());
}

TEST_F(TableFixture, SameCardChainUndoesTogetherAndNewMoveTrimsRedo) {
  TDeck* stock = Pile(10, 10, 2, 2);
  TDeck* waste = Pile(100, 10, 2, 2);
  TDeck* other = Pile(300, 10);
  Put(stock, {7, 8}, false);
  // Turn up and move to the waste: one step (same card, no group).
  pool[8]->SetFace(true);
  waste->MoveCardTo(pool[8]);
  pool[7]->SetFace(true);
  waste->MoveCardTo(pool[7]);
  ASSERT_EQ(board->History.size(), 4u);
  EXPECT_TRUE(board->UndoStep());
  EXPECT_EQ(Ids(stock), (std::vector<int>{7}));
  EXPECT_FALSE(pool[7]->Face());
  EXPECT_EQ(board->HistoryIndex, 1);
  other->MoveCardTo(pool[8]);
  EXPECT_FALSE(board->CanRedo());
  EXPECT_EQ(board->History.size(), 3u);
}

TEST_F(TableFixture, UndoOnEmptyHistoryAndOneMoveOption) {
  EXPECT_FALSE(board->UndoStep());
  EXPECT_FALSE(board->RedoStep());
  TDeck* a = Pile(10, 10);
  TDeck* b = Pile(100, 10);
  Put(a, {1, 2});
  b->MoveCardTo(pool[2]);
  b->MoveCardTo(pool[1]);
  board->UndoStep();
  board->DropUndoable();
  EXPECT_FALSE(board->CanUndo());
  EXPECT_FALSE(board->UndoStep());
  EXPECT_EQ(Ids(a), (std::vector<int>{1}));
  board->RedoStep();
  EXPECT_EQ(Ids(b), (std::vector<int>{2, 1}));
}

TEST_F(TableFixture, UnanimatedMoveReplaysWithoutAnimation) {
  TDeck* a = Pile(10, 10);
  TDeck* b = Pile(100, 10);
  Put(a, {1});
  board->Animate = false;
  b->MoveCardTo(pool[1]);
  board->Animate = true;
  EXPECT_FALSE(board->History[0].Animated);
  bool sawAnimate = true;
  a->OnAfterMove = nullptr;
  // Watch the flag during the replay through a score hook on a foundation.
  a->SetShowEmpty(1);
  board->OnScoreChange = [&](TDeck*) { sawAnimate = board->Animate; };
  board->UndoStep();
  EXPECT_FALSE(sawAnimate);
  EXPECT_TRUE(board->Animate);
}

TEST_F(TableFixture, EmptyGroupsAndAnOpenGroupNeverStallUndoOrRedo) {
  TDeck* a = Pile(10, 10);
  TDeck* b = Pile(100, 10);
  Put(a, {1, 2});
  b->MoveCardTo(pool[2]);
  board->BeginMoveGroup();
  board->EndMoveGroup();  // an empty group
  // Undo steps over the empty group and undoes the move.
  board->UndoStep();
  EXPECT_EQ(Ids(a), (std::vector<int>{1, 2}));
  EXPECT_EQ(board->HistoryIndex, -1);
  // Redo skips the move's... redo brings the move back, then the empty group
  // is stepped over and nothing more is redone.
  board->RedoStep();
  EXPECT_EQ(Ids(b), (std::vector<int>{2}));
  int guard = 0;
  while (board->RedoStep() && ++guard < 10) {
  }
  EXPECT_LT(guard, 10);
  EXPECT_EQ(board->HistoryIndex, int(board->History.size()) - 1);
  // A begin marker as the very last entry: redo stays put, undo passes it.
  board->BeginMoveGroup();
  int at = board->HistoryIndex;
  EXPECT_FALSE(board->RedoStep());
  EXPECT_EQ(board->HistoryIndex, at);
  board->InGroup = false;
  board->UndoStep();
  EXPECT_EQ(Ids(a), (std::vector<int>{1, 2}));
}

// --- Two-click protocol -----------------------------------------------------

class ProtocolTest : public TableFixture {
 protected:
  void SetUp() override {
    src = Pile(10, 115, 20, 0);
    dst = Pile(200, 115, 20, 0);
    empty = Pile(400, 115, 20, 0);
    Put(src, {1, 2, 3});
    Put(dst, {20});
  }
  void ClickPile(TDeck* d) { d->TopCard ? d->TopCard->Click() : d->Click(); }
  TDeck *src, *dst, *empty;
  std::vector<QString> messages;
  ScopedModalResponder answer{[this](const ModalRequest& r) -> std::optional<int> {
    messages.push_back(r.text);
    return r.defaultResult;
  }};
};

TEST_F(ProtocolTest, SelectPutBackAndEmptyClick) {
  int emptyClicks = 0;
  empty->OnEmptySelect = [&](TDeck*) { ++emptyClicks; };
  ClickPile(empty);
  EXPECT_EQ(emptyClicks, 1);
  EXPECT_EQ(board->SelectedPile, nullptr);
  ClickPile(src);
  EXPECT_EQ(board->SelectedPile, src);
  EXPECT_TRUE(pool[3]->Selected());
  ClickPile(src);
  EXPECT_EQ(board->SelectedPile, nullptr);
  EXPECT_FALSE(pool[3]->Selected());
}

TEST_F(ProtocolTest, EmptyDestinationAsksItsRuleAndAcceptedMoveMoves) {
  TCard* offered = nullptr;
  empty->OnAddWithRule = [&](TDeck*, TCard*& c, bool& a, bool clicked) {
    offered = c;
    a = clicked;
  };
  ClickPile(src);
  ClickPile(empty);
  EXPECT_EQ(offered, pool[3]);
  EXPECT_EQ(Ids(empty), (std::vector<int>{3}));
  EXPECT_EQ(board->SelectedPile, nullptr);
  EXPECT_FALSE(pool[3]->Selected());
}

TEST_F(ProtocolTest, RefusedMoveWithAndWithoutWarnings) {
  dst->OnAddWithRule = [](TDeck*, TCard*&, bool& a, bool) { a = false; };
  ClickPile(src);
  ClickPile(dst);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "This move is not allowed");
  EXPECT_EQ(board->SelectedPile, nullptr);
  EXPECT_FALSE(pool[3]->Selected());
  board->WarnEnabled = false;
  ClickPile(src);
  ClickPile(dst);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(board->SelectedPile, src);
  EXPECT_TRUE(pool[3]->Selected());
  EXPECT_EQ(Ids(src), (std::vector<int>{1, 2, 3}));
}

TEST_F(ProtocolTest, OnSelectRefusalBlocksSelectionAndDoubleClick) {
  int doubles = 0;
  src->OnSelect = [](TDeck*, TCard*&, bool& a, bool) { a = false; };
  src->OnDoubleSelect = [&](TDeck*) { ++doubles; };
  form.MousePress(Qt::LeftButton, QPoint(20, 160));
  form.MouseRelease(Qt::LeftButton, QPoint(20, 160));
  form.MouseDoubleClick(Qt::LeftButton, QPoint(20, 160));
  form.MouseRelease(Qt::LeftButton, QPoint(20, 160));
  EXPECT_EQ(board->SelectedPile, nullptr);
  EXPECT_FALSE(pool[3]->Selected());
  EXPECT_EQ(doubles, 0);
}

TEST_F(ProtocolTest, DoubleClickSeesItsPileSelectedInDesktopOrder) {
  bool sawSelected = false;
  int clicks = 0;
  src->OnDoubleSelect = [&](TDeck* s) {
    sawSelected = board->SelectedPile == s && pool[3]->Selected();
  };
  pool[3]->OnClick = [&] { ++clicks; };
  QPoint p(20, 115 + 40 + 10);  // on card 3
  form.MousePress(Qt::LeftButton, p);
  form.MouseRelease(Qt::LeftButton, p);
  form.MouseDoubleClick(Qt::LeftButton, p);
  form.MouseRelease(Qt::LeftButton, p);
  EXPECT_TRUE(sawSelected);
  EXPECT_EQ(clicks, 1);  // the second release makes no click
}

TEST_F(ProtocolTest, HandlerMayNameADeeperCardOrDropSilently) {
  empty->OnAddWithRule = [&](TDeck*, TCard*& c, bool& a, bool) {
    c = pool[1];
    a = true;
  };
  ClickPile(src);
  ClickPile(empty);
  EXPECT_EQ(Ids(empty), (std::vector<int>{1, 2, 3}));
  dst->OnAddWithRule = [&](TDeck*, TCard*& c, bool& a, bool) {
    c = nullptr;
    a = false;
  };
  ClickPile(empty);
  ClickPile(dst);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(board->SelectedPile, nullptr);
}

TEST_F(ProtocolTest, DropCursorProbeNeverAsksTheSelectedPileItself) {
  int probes = 0;
  bool sawClicked = true;
  auto rule = [&](TDeck*, TCard*&, bool& a, bool clicked) {
    ++probes;
    sawClicked = clicked;
    a = true;
  };
  src->OnAddWithRule = rule;
  dst->OnAddWithRule = rule;
  ClickPile(src);
  form.MouseMoveTo(QPoint(20, 120));  // over the selected pile's cards
  EXPECT_EQ(probes, 0);
  form.MouseMoveTo(QPoint(210, 120));  // over the destination
  EXPECT_EQ(probes, 1);
  EXPECT_FALSE(sawClicked);
  EXPECT_EQ(form.CurrentCursor(), crDrop);
  EXPECT_EQ(Ids(dst), (std::vector<int>{20}));
}

TEST_F(ProtocolTest, ClickGuardDropsAReentrantClick) {
  int selects = 0;
  dst->OnSelect = [&](TDeck*, TCard*&, bool&, bool) { ++selects; };
  board->ClickGuard = true;
  ClickPile(dst);
  EXPECT_EQ(selects, 0);
  board->ClickGuard = false;
  ClickPile(dst);
  EXPECT_EQ(selects, 1);
}

// --- Pixels -----------------------------------------------------------------

namespace {
int CountDiff(const QImage& a, const QImage& b, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}
}  // namespace

TEST_F(TableFixture, SelectionInvertsInsideTheCardShapeOnly) {
  TDeck* d = Pile(100, 100);
  Put(d, {1}, false);
  QImage before = form.Screen().copy();
  pool[1]->SetSelected(true);
  const QImage& mask = CardImages::Image(CardImages::kCardMask);
  const QImage& after = form.Screen();
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 71; ++x) {
      QRgb b = before.pixel(100 + x, 100 + y), a = after.pixel(100 + x, 100 + y);
      if (qRed(mask.pixel(x, y)) == 255)
        ASSERT_EQ(a & 0xFFFFFF, ~b & 0xFFFFFF) << x << "," << y;
      else
        ASSERT_EQ(a, b) << x << "," << y;
    }
  pool[1]->SetSelected(false);
  EXPECT_EQ(CountDiff(before, form.Screen(), QRect(90, 90, 90, 110)), 0);
}

TEST_F(TableFixture, PeekRestoresExactlyTheSavedPixels) {
  TDeck* d = Pile(100, 100, 20, 0);
  d->CanShowCard = true;
  Put(d, {1, 2, 3});
  QImage before = form.Screen().copy();
  QPoint onFirst(110, 105);
  form.MousePress(Qt::RightButton, onFirst);
  EXPECT_EQ(board->PeekCard, pool[1]);
  EXPECT_GT(CountDiff(before, form.Screen(), QRect(100, 100, 71, 96)), 0);
  form.MouseRelease(Qt::RightButton, onFirst);
  EXPECT_EQ(board->PeekCard, nullptr);
  EXPECT_EQ(CountDiff(before, form.Screen(), form.Screen().rect()), 0);
  // No peek where the pile does not allow it.
  d->CanShowCard = false;
  form.MousePress(Qt::RightButton, onFirst);
  EXPECT_EQ(board->PeekCard, nullptr);
}

TEST_F(TableFixture, StackedEdgesEveryNineCardsAndEmptyLooks) {
  TDeck* d = Pile(100, 100, 2, 2);
  for (int i = 1; i <= 19; ++i)
    Put(d, {i}, false);
  // 19 cards: two edges below the top card, the top card at offset (4, 4).
  EXPECT_EQ(pool[19]->Left(), 104);
  EXPECT_EQ(pool[19]->Top(), 104);
  // The outer corner of the first edge is drawn (not table green).
  EXPECT_NE(form.Screen().pixel(100 + 35, 100), 0xFF008000u);
  // An empty foundation shows its bevel, an empty pile with look 4 nothing.
  TDeck* f = Pile(300, 100, 0, 0, 1);
  TDeck* none = Pile(400, 100, 0, 0, 4);
  int drawn = 0, blank = 0;
  for (int x = 0; x < 71; ++x) {
    drawn += form.Screen().pixel(300 + x, 100 + 1) != 0xFF008000u;
    blank += form.Screen().pixel(400 + x, 100 + 1) != 0xFF008000u;
  }
  EXPECT_GT(drawn, 40);
  EXPECT_EQ(blank, 0);
  (void)f;
  (void)none;
}

TEST_F(TableFixture, MoveOntoTheSamePileChangesNothing) {
  TDeck* d = Pile(10, 115, 20, 0);
  Put(d, {1, 2, 3});
  d->MoveCardTo(pool[1]);
  EXPECT_EQ(Ids(d), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(board->History.empty());
  EXPECT_FALSE(board->Busy);
}

TEST_F(TableFixture, CountTextIsClearedOnlyWithThePileItDescribes) {
  QString shown = "untouched";
  form.OnCountText = [&](const QString& t) { shown = t; };
  TDeck* stock = Pile(10, 10);
  TDeck* other = Pile(200, 10);
  Put(stock, {1, 2, 3});
  stock->ShowCount();
  EXPECT_EQ(shown, "   Cards in deck:   3");
  delete other;  // says nothing about the stock
  EXPECT_EQ(shown, "   Cards in deck:   3");
  delete stock;
  EXPECT_EQ(shown, "");
}

// A form nobody looks at still moves its cards to the places a drawn one
// does, leaves its screen alone meanwhile, and shows everything again once
// drawing is back on.
TEST_F(TableFixture, DrawingOffMovesCardsAlikeAndLeavesTheScreenAlone) {
  TDeck* a = Pile(10, 10);
  TDeck* b = Pile(200, 115, 20);
  Put(a, {1, 2});
  Put(b, {3});
  const QImage before = form.Screen().copy();
  form.SetDrawing(false);
  int flushes = 0;
  form.OnFlush = [&](const QRect&) { ++flushes; };
  b->MoveCardTo(pool[2]);
  EXPECT_EQ(pool[2]->Left(), 200);
  EXPECT_EQ(pool[2]->Top(), 135);
  EXPECT_EQ(flushes, 0);
  EXPECT_EQ(form.Screen(), before);
  form.SetDrawing(true);
  EXPECT_GT(flushes, 0);
  EXPECT_NE(form.Screen(), before);
}

// Every change of what a pile holds or shows moves its revision, so a
// caller comparing revisions never takes a changed pile for the same.
TEST_F(TableFixture, EveryChangeOfAPileMovesItsRevision) {
  TDeck* d = Pile(10, 10);
  Put(d, {1, 2});  // stacked: card 1 lies hidden under card 2
  ASSERT_FALSE(pool[1]->Visible());
  const std::vector<std::function<void()>> changes = {
      [&] { d->AddCard(pool[3]); },
      [&] { d->RemoveCard(pool[3]); },
      [&] { pool[2]->SetFace(false); },
      [&] { pool[2]->SetSelected(true); },
      [&] { pool[1]->Show(); },
      [&] { d->SetShowEmpty(3); },
      [&] { d->Hide(); },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    const uint64_t before = d->Revision();
    changes[i]();
    EXPECT_NE(d->Revision(), before) << "change " << i;
  }
}
