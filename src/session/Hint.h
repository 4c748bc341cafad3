// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints: one move the rules would accept now, found by asking the piles'
// own rules in probe mode (the question the drop cursor asks), so a hint
// never moves a card, scores, records, starts the game or touches a timer.
// And the marks that show it: the cards that would move and the place they
// would go stay marked, with the move said in words on the table, until
// the player's next action.

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "platform/Controls.h"

class TableHost;
class TCard;
class TDeck;

struct THintMove {
  TDeck* From = nullptr;
  TDeck* To = nullptr;    // none for a move of From alone
  bool Double = false;    // From is double-clicked (its card sent home)
  TCard* Card = nullptr;  // the card that would land (with those above it); none: From's top
};

// A card as the player reads it: "7♦", "10♠", "A♥".
QString CardName(const TCard* card);
// Rank 1..13, suit 1..4 (clubs, diamonds, hearts, spades): "Q♥".
QString CardName(int rank, int suit);
// The move in words: "7♦ onto 8♣", "A♠ to an empty foundation", ...
QString HintWords(TableHost& host, const THintMove& move);

// Prefers moves to a foundation, then moves that turn up a covered card or
// empty a pile, then any other; piles in creation order within each kind.
// Nothing when no card can move (or a move, deal or drag is under way).
std::optional<THintMove> FindHint(TableHost& host);

// What the marks and the words are drawn with: controls of the form that
// take no mouse input, so every recomposition of the table keeps them.
class THintSpot : public TGraphicControl {
 public:
  explicit THintSpot(TForm* owner);
  bool HitTest(QPoint) const override { return false; }
  void Paint(QImage& screen, const QRect& clip) override;
  static constexpr int kWidth = 3;  // the mark's edge
};

class THintNote : public TGraphicControl {
 public:
  explicit THintNote(TForm* owner);
  bool HitTest(QPoint) const override { return false; }
  void Paint(QImage& screen, const QRect& clip) override;
  void SetText(const QString& text, const QRect& area);
  const QString& Text() const { return text_; }
  static constexpr int kPixelSize = 15;

 private:
  QString text_;
};

class THintMark {
 public:
  explicit THintMark(TForm& form);
  ~THintMark();
  THintMark(const THintMark&) = delete;
  THintMark& operator=(const THintMark&) = delete;

  // Marks the move's cards and its destination and says it in words.
  void Start(TableHost& host, const THintMove& move);
  // Says that no card can move ("No more moves").
  void NoMove();
  // Takes the marks and the words away (the player's next action).
  void Stop();
  // Places the words again at the foot of the table in view, once the view
  // changed (a resize, a zoom, or the first show of a window a script
  // played in before it had a size).
  void FollowView();
  bool Showing() const;
  QString Words() const { return note_->Visible() ? note_->Text() : QString(); }
  // Where on the table the words go (the part of the table in view, in
  // board coordinates); the whole form when not set.
  std::function<QRect()> VisibleArea;

 private:
  void Say(const QString& text);

  TForm& form_;
  THintSpot* spots_[2];
  THintNote* note_;
};
