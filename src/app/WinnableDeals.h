// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The winnable-only option's numbers: one thread looks, at low priority,
// for the next random number of the game on the table that the solver
// proves winnable (of the grade asked for), while the player plays, so New
// Game deals it at once. When none is ready yet, New Game waits for it; in
// the window with "Looking for a winnable deal…" and a Cancel button.
// Also the deal of the day, looked for the same way.

#include <QDate>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "solver/Winnable.h"

class QWidget;

class WinnableDeals {
 public:
  // Random candidates start at `seed` (the clock's, in the program).
  explicit WinnableDeals(uint32_t seed);
  ~WinnableDeals();
  WinnableDeals(const WinnableDeals&) = delete;
  WinnableDeals& operator=(const WinnableDeals&) = delete;

  // Looks ahead for the game and grade unless a number is ready for them;
  // a look for anything else stops.
  void LookAhead(int game, Grade wanted);
  // The number found ahead, taken: the next look starts at once.
  std::optional<uint32_t> Take(int game, Grade wanted);
  // Take, waiting for the look when nothing is ready yet (the window shows
  // that it waits, with Cancel). Nothing when cancelled or when no number
  // of the kTries looked at qualified.
  std::optional<uint32_t> Pick(int game, Grade wanted, QWidget* window, bool* gaveUp = nullptr);
  // The deal of the day of the game on that date, waiting as Pick does.
  static std::optional<uint32_t> DayDeal(int game, const QDate& date, QWidget* window);

  // Judges a number of a game on a thread of its own and hands the text
  // (JudgementText) to `done` on the window's thread; a newer request
  // cancels an older one.
  void JudgeLater(int game, uint32_t number, std::function<void(const QString&)> done);

  // Candidates a look judges before it gives up.
  static constexpr int kTries = 3000;
  // What the window shows while New Game waits.
  static QString LookingText();

 private:
  struct Want {
    int game = -1;
    Grade grade = Grade::None;
    bool operator<(const Want& o) const {
      return std::tie(game, grade) < std::tie(o.game, o.grade);
    }
    bool operator==(const Want& o) const { return game == o.game && grade == o.grade; }
  };
  void Run();

  std::mutex mutex_;
  std::condition_variable changed_;
  Want want_;
  std::map<Want, uint32_t> ready_;
  bool failed_ = false;  // the look for want_ gave up
  int tried_ = 0;        // candidates judged for want_
  bool stop_ = false;
  std::atomic<bool> abort_{false};  // the current candidate's search
  uint32_t seed_;
  std::thread worker_;
  struct Judging {
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
  };
  std::vector<std::pair<std::shared_ptr<Judging>, std::thread>> judging_;
};

// Runs `work` on a thread of its own and waits: headless at once, in the
// window behind a busy dialog with `label` and Cancel, which sets the
// cancel flag. Nothing when cancelled.
std::optional<uint32_t> WaitWithProgress(
    QWidget* window, const QString& label,
    const std::function<std::optional<uint32_t>(const std::atomic<bool>& cancel)>& work);
