// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pace of the cards' slides on the table the player sees: how many
// frames a slide shows, each for how long, and whether the player has
// hurried the slide under way (a key or click during it): a hurried slide
// ends at once, the card simply takes its place, so nothing the player does
// waits on an animation. Tables that draw nothing (the solver's) never slide.

struct TSlidePace {
  int Frames = 6;
  int FrameMs = 9;  // a real window only: tests and scripts never wait
  bool Hurry = false;
  // The player's animation speed: 0 off, 1 fast, 2 normal, 3 slow.
  void SetSpeed(int speed);
};

// The program's one pace (there is one table in view).
TSlidePace& SlidePace();
