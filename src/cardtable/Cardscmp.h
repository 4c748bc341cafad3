#pragma once
// The card table's components: cards, piles and the board they share, with
// the two-click move protocol and the move history behind undo and redo.
//
// Cards and piles are windowless controls on a TForm. The form owns them
// (a pile only chains its cards, from its top card down); the board holds
// what piles share: score, selection, options, flags and the history.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

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

// The shared images, loaded once for the whole program.
namespace CardImages {
constexpr int kCount = 76;
constexpr int kCardMask = 69;
// Image k (1..76); an empty image for numbers outside the table.
const QImage& Image(int k);
const QByteArray& SoundPlysel();
const QByteArray& SoundTurn();
}  // namespace CardImages

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

 private:
  void SetPicture(int index);

  bool face_ = false;
  int cardFace_ = 257;
  int cardBack_ = 1;
  bool selected_ = false;
  int picture_ = 53;
};

// ---------------------------------------------------------------------------
class TDeck : public TGraphicControl {
 public:
  explicit TDeck(TForm* owner);
  ~TDeck() override;

  int GShift() const { return gShift_; }
  void SetGShift(int g);
  int VShift() const { return vShift_; }
  void SetVShift(int v);
  int CardsCount() const { return cardsCount_; }
  int ShowEmpty() const { return showEmpty_; }
  void SetShowEmpty(int v);
  TBoard* HostBoard() const { return hostBoard_; }
  void SetHostBoard(TBoard* b);
  int DeckID() const { return deckID_; }
  bool CanShowCard = false;
  TCard* TopCard = nullptr;

  // Fanned: every card shows, each one step beyond the last. Stacked: only
  // the top card shows, over one edge per nine cards.
  bool Fanned() const { return vShift_ > 3 || gShift_ > 3; }

  TDeckEEvent OnBeforeUndo;
  TDeckEvent OnSelect;
  TDeckEEvent OnDoubleSelect;
  TDeckEEvent OnEmptySelect;
  TDeckEvent OnAddWithRule;
  TDeckNEvent OnAfterMove;

  // The n-th card from the top (1 = top), or nullptr.
  TCard* CardAt(int n) const;

  void AddCard(TCard* card);
  TCard* RemoveCard(TCard* card);
  void MoveCard(TDeck* source, int n);
  void MoveCardTo(TCard* card);
  void TurnOver(TDeck* source);
  void ShowCount();

  void Paint(QImage& screen, const QRect& clip) override;
  void Click() override;
  void DblClick() override;
  void MouseMove(QPoint pos) override;
  void MouseUp(Qt::MouseButton button, QPoint pos) override;

 private:
  void SlideCard(TDeck* src, TCard* card);
  void SetCursors(int cursor);

  int gShift_ = 0;
  int vShift_ = 0;
  int cardsCount_ = 0;
  int showEmpty_ = 0;
  TBoard* hostBoard_ = nullptr;
  int deckID_ = 0;
};

// Looks a pile or a card up by number among the form's components, first
// match in creation order; nullptr when there is none.
TDeck* FindPileByID(TForm* form, int id);
TCard* FindCardByID(TForm* form, int id);

// ---------------------------------------------------------------------------
struct THistoryEntry {
  bool Animated = true;
  int SourceLeft = 0;
  int SourceTop = 0;
  quint8 Kind = 0;  // 0 move or turn, 1 group begin, 2 group end
  quint8 SourceID = 0;
  quint8 DestID = 0;
  bool Flip = false;
  quint8 CardNo = 0;
};

constexpr quint8 kEntryMove = 0;
constexpr quint8 kEntryBegin = 1;
constexpr quint8 kEntryEnd = 2;

class TBoard : public TGraphicControl {
 public:
  explicit TBoard(TForm* owner);
  ~TBoard() override;

  QImage PeekSave;
  QImage SlideCardImage;
  QImage SlideFrame;
  bool WarnEnabled = true;
  int Pattern_Type = 0;
  bool MyPlaySound = false;
  int IDCounter = 0;
  TCard* PeekCard = nullptr;
  TBoardEvent OnScoreChange;
  bool InGroup = false;
  bool Busy = false;
  bool Recording = true;
  bool Animate = true;
  bool ShowEmptyPiles = false;
  bool ClickGuard = false;
  int HistoryIndex = -1;
  std::vector<THistoryEntry> History;
  TDeck* SelectedPile = nullptr;
  int CardScore = 5;

  int Score() const { return score_; }
  void SetScore(int v);

  // Puts the peeked card's saved pixels back.
  void EndPeek();
  void MouseUp(Qt::MouseButton button, QPoint pos) override;

  // Move history.
  void RecordMove(TDeck* source, TDeck* dest, TCard* card);
  void RecordTurn(TCard* card);
  void TrimRedo();
  void BeginMoveGroup();
  void EndMoveGroup();
  void ClearHistory();
  void DropUndoable();
  bool UndoStep();
  bool RedoStep();
  bool CanUndo() const { return HistoryIndex >= 0; }
  bool CanRedo() const { return HistoryIndex < int(History.size()) - 1; }

  // Deselects the selected pile's top card and forgets the selection.
  void ClearSelection();

 private:
  void RecordEntry(const THistoryEntry& e);
  void Replay(const THistoryEntry& e, bool forward);
  int score_ = -1000;
};
