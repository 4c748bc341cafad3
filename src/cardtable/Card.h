// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A playing card: a windowless control that knows its face, its side and
// the pile it lies in. Cards, piles and the board share these basics: the
// card identity helpers, the shared images and the pile event types.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "art/FaceStyle.h"
#include "platform/Controls.h"

class TCard;
class TDeck;
class TBoard;

// ---------------------------------------------------------------------------
// Card identity: CardFace = suit * 256 + rank; rank 1..13 (Ace..King),
// suit 1 clubs, 2 diamonds, 3 hearts, 4 spades.
inline int RankOf(int cardFace) {
  return cardFace & 0xFF;
}
inline int SuitOf(int cardFace) {
  return (cardFace >> 8) & 0xFF;
}
inline bool IsBlackSuit(int suit) {
  return suit == 1 || suit == 4;
}
// Pool number of a card: (pack - 1) * 52 + (suit - 1) * 13 + rank.
inline int PoolNumber(int pack, int suit, int rank) {
  return (pack - 1) * 52 + (suit - 1) * 13 + rank;
}

// The shared images, drawn once for the whole program: at the card's own
// size at first use, and at each device size the table asks for when that
// size is first needed (kept until the cache is full, then drawn again).
namespace CardImages {
constexpr int kCount = 76;
constexpr int kCardMask = 69;
// Image k (1..76) at 71 x 96; an empty image for numbers outside the table.
const QImage& Image(int k);
// Image k at a device size (the card's device rectangle). A copy (shared
// data): a later call may empty the cache.
QImage Image(int k, QSize size);
// Draws, ahead of need, the faces, the mask and back `back` (1..13) at a
// device size, so the first deal after start shows without drawing them.
void Prepare(QSize size, int back);
// Keeps the images a start draws in `file` and reads them back on the next
// start (see CardImageCache.h); an empty name keeps nothing. Prepare writes
// the file when it drew anything the file did not hold.
void UseDiskCache(const QString& file);
// Starts reading that file on a thread of its own, for a start that will
// show cards: the window is made meanwhile, and the first image asked for
// waits for the file. A start without cards does not hold the images in
// memory at its first frame.
void ReadKeptAhead();
// How many images this process has drawn rather than taken from the file.
int DrawnCount();
// The faces images 1..52 are drawn with. A change forgets the faces drawn so
// far (the backs and marks stay); the next ones asked for are drawn anew, and
// the file of kept images, which names the faces it holds, follows at the
// next Prepare.
void SetFaceStyle(CardArt::FaceStyle faces);
CardArt::FaceStyle FaceStyle();
const QByteArray& SoundPlysel();
const QByteArray& SoundTurn();
}  // namespace CardImages

// Draws card image `picture` (a face, back or empty-pile mark of the image
// table) over the screen at the device rectangle `at`: the table stays
// visible in the rounded corners; `selected` inverts it inside its shape.
void ComposeCardImage(QImage& screen, const QRect& at, int picture, bool selected,
                      const QRect& clip);

// Pile events. Every event is a callable; a handler counts as assigned when
// it is non-empty.
using TDeckEvent = std::function<void(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked)>;
using TDeckNEvent = std::function<void(TDeck* Source, TDeck* Dest, TCard* ACard)>;
using TDeckEEvent = std::function<void(TDeck* Sender)>;
using TBoardEvent = std::function<void(TDeck* Sender)>;

// ---------------------------------------------------------------------------
class TCard : public TGraphicControl {
 public:
  explicit TCard(TForm* owner);

  bool Face() const { return face_; }
  void SetFace(bool v);
  int CardFace() const { return cardFace_; }
  void SetCardFace(int v);
  int CardBack() const { return cardBack_; }
  void SetCardBack(int v);
  bool Selected() const { return selected_; }
  void SetSelected(bool v);
  // The number of the image shown (a face 1..52 or a back 53..65).
  int PictureIndex() const { return picture_; }
  const QImage& Picture() const { return CardImages::Image(picture_); }
  // The picture at a device size.
  QImage Picture(QSize size) const { return CardImages::Image(picture_, size); }

  int Rank() const { return RankOf(cardFace_); }
  int Suit() const { return SuitOf(cardFace_); }

  int CardID = -1;
  TDeck* HostDeck = nullptr;
  TCard* NextCard = nullptr;

  // Re-applies the opacity rule (opaque on a plain-colour table).
  void UpdateOpacity();

  void Paint(QImage& screen, const QRect& clip) override;
  void Click() override;
  void DblClick() override;
  void MouseMove(QPoint pos) override;
  void MouseDown(Qt::MouseButton button, QPoint pos) override;
  void MouseUp(Qt::MouseButton button, QPoint pos) override;

 protected:
  void VisibilityChanged() override;

 private:
  void SetPicture(int index);

  bool face_ = false;
  int cardFace_ = 257;
  int cardBack_ = 1;
  bool selected_ = false;
  int picture_ = 53;
};
