// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing from the keyboard: a focus frame that moves between the piles
// (arrow keys to the nearest pile in that direction, Tab and Shift+Tab in
// the order the deal made them) and keys that click the focused pile as the
// mouse would. The frame shows only once the keyboard is used and hides on
// a mouse click; it is a control of its own drawn around the pile, so it
// never touches the cards' pixels or the selection's inversion.

#include <functional>
#include <optional>
#include <vector>

#include "platform/Controls.h"

class TableHost;
class TDeck;

enum class TPlayKey { Left, Right, Up, Down, Next, Previous, Click, DoubleClick, Escape };

// The keys of keyboard play: arrows, Tab/Shift+Tab (Backtab), Space or
// Enter, Shift+Enter, Escape. Nothing for any other key.
std::optional<TPlayKey> PlayKeyFromQt(int key, Qt::KeyboardModifiers modifiers);

// A frame around a rectangle that takes no mouse input.
class TFocusFrame : public TGraphicControl {
 public:
  explicit TFocusFrame(TForm* owner);
  bool HitTest(QPoint) const override { return false; }
  void Paint(QImage& screen, const QRect& clip) override;

  static constexpr int kGap = 2;    // between the pile and the frame
  static constexpr int kWidth = 2;  // the frame's lines
};

class TKeyboardPlay {
 public:
  explicit TKeyboardPlay(TableHost& host);
  ~TKeyboardPlay();
  TKeyboardPlay(const TKeyboardPlay&) = delete;
  TKeyboardPlay& operator=(const TKeyboardPlay&) = delete;

  // Carries out a key; the first navigation key only shows the frame.
  void Key(TPlayKey key);
  // A mouse click hides the frame.
  void HideFrame();
  bool FrameShown() const { return frame_->Visible(); }
  // The focused pile (the first one until a key moves it), or nullptr.
  TDeck* Focused() const;
  const TFocusFrame& Frame() const { return *frame_; }

  // The pile an arrow leads to from `from` among `piles`: the nearest one
  // in that direction, straight lines preferred; `from` itself when none.
  static TDeck* Neighbour(const std::vector<TDeck*>& piles, TDeck* from, TPlayKey arrow);
  // The area a pile covers with its cards.
  static QRect Extent(const TDeck* pile);

  // Heard whenever the frame is shown on a pile, moved or hidden (a screen
  // reader follows the focus through it).
  std::function<void()> OnFrameChanged;

 private:
  std::vector<TDeck*> Piles() const;
  void ShowFrame();

  TableHost& host_;
  int focusID_ = 0;
  TFocusFrame* frame_;
};
