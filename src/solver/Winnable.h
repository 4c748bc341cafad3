// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a deal is worth to a player: whether the solver proves it winnable,
// how hard it was to find the win (its grade), the next number of a game
// that qualifies, and the deal of the day.
//
// A deal is judged from its fresh table with automatic play on, under a
// budget of positions only (DealBudget): no clock decides the answer, so
// the same number gets the same verdict and grade on every machine, and the
// deal of the day is the same for everybody on that date.

#include <QDate>
#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>

#include "solver/Solver.h"

enum class Grade { None, Easy, Medium, Hard, Expert };

// "Easy", "Medium", "Hard", "Expert"; empty for None.
QString GradeText(Grade g);
// The grade as the window shows it, in the language in use (GradeText is
// what command-line output prints).
QString GradeName(Grade g);
// The grade a text names, case-insensitive ("any" is None); nothing for
// any other text.
std::optional<Grade> ParseGrade(const QString& text);

// A game's grade boundaries in effort (see DealEffort): a winnable deal of
// effort up to `easy` is Easy, up to `medium` Medium, up to `hard` Hard,
// above it Expert. A game with `graded` false has no grades: the solver
// proves too few of its deals winnable for a share of them to mean
// anything, and its winnable deals carry no grade.
struct GradeThresholds {
  bool graded = false;
  long long easy = 0, medium = 0, hard = 0;
};
GradeThresholds ThresholdsOf(int game);
// Whether the solver decides so few of the game's deals that looking for a
// winnable one can take a while (the window then shows that it looks).
bool SlowToFindWinnable(int game);

// The budget a deal is judged with.
SolveBudget DealBudget(int game);

struct DealJudgement {
  Verdict verdict = Verdict::Unknown;
  Grade grade = Grade::None;
  long long effort = 0;
  bool cancelled = false;
};

// The solver's effort for a found win: positions expanded plus four per
// move of the first line it found, so a long line counts even where the
// search walked straight down it.
long long DealEffort(const SolveResult& r);
// The grade of a winnable deal of that effort in that game.
Grade GradeFor(int game, long long effort);
// Judges a deal (kept: asking again for the same deal costs nothing).
DealJudgement JudgeDeal(int game, uint32_t number, const std::atomic<bool>* cancel = nullptr);
// "Winnable (Easy)", "Winnable" (no grade), "Not winnable", "Can't tell".
QString JudgementText(const DealJudgement& j);
// Whether a judged deal is what the player asked for: winnable, and of the
// grade asked (None: any grade; a game without grades takes any winnable).
bool Qualifies(int game, const DealJudgement& j, Grade wanted);

// The first number >= first (at most `tries` of them) that qualifies.
std::optional<uint32_t> NextWinnable(int game, uint32_t first, Grade wanted, int tries,
                                     const std::atomic<bool>* cancel = nullptr);
// A random number that qualifies: candidates drawn from `seed` onwards by
// the shuffle generator's own step, at most `tries` of them.
std::optional<uint32_t> RandomWinnable(int game, uint32_t seed, Grade wanted, int tries,
                                       const std::atomic<bool>* cancel = nullptr);

// Where the deal of the day starts looking: a number made from the date and
// the game alone.
uint32_t DayStartNumber(int game, const QDate& date);
// The deal of the day: the first winnable number from DayStartNumber.
std::optional<uint32_t> DealOfTheDay(int game, const QDate& date,
                                     const std::atomic<bool>* cancel = nullptr);
