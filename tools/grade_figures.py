#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the deals' effort game by game and sets the grade boundaries.

  tools/grade_figures.py BINARY [--games 0,5,7] [--count N] [--slow-count N]
                         [--raw DIR] [--jobs 1]

Runs `BINARY --solve-stats GAME 1 COUNT --deals` (the budget a deal is judged
with) and keeps each game's per-deal lines in DIR/GAME.txt (a game already
there is not measured again). Then, over each game's winnable deals, the
boundaries that give Easy 40%, Medium 30%, Hard 20% and Expert 10% of them
(the effort at the 40th, 70th and 90th percentile), and prints the C++ table
for src/solver/Winnable.cpp and a markdown table of the measurement.
A game with fewer than MIN winnable deals gets no grades.
"""
import argparse
import concurrent.futures
import os
import re
import subprocess
import sys

DEAL = re.compile(r"^deal (\d+) (\S+) effort (\d+) positions (\d+) moves (\d+) s ([\d.]+)", re.M)
SLOW = {2, 8, 9, 11, 13, 15, 19, 20, 23, 25, 26, 27, 29, 30, 31, 35, 41, 42}
SHARES = (0.4, 0.7, 0.9)
MIN_WINNABLE = 15


def measure(binary, game, count, raw):
    path = os.path.join(raw, f"{game}.txt")
    if os.path.exists(path):
        return
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR="/tmp")
    cmd = [binary, "--solve-stats", str(game), "1", str(count), "--deals"]
    p = subprocess.run(cmd, env=env, capture_output=True, text=True)
    with open(path + ".part", "w") as f:
        f.write(p.stdout)
    os.replace(path + ".part", path)
    print(f"game {game}: measured {count} deals", file=sys.stderr)


def boundary(sorted_efforts, share):
    # The effort of the deal at that share: every deal up to it is in.
    i = max(0, min(len(sorted_efforts) - 1, int(share * len(sorted_efforts) + 0.5) - 1))
    return sorted_efforts[i]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--games", default=",".join(str(g) for g in range(46)))
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--slow-count", type=int, default=30)
    ap.add_argument("--raw", default="grade-raw")
    ap.add_argument("--jobs", type=int, default=1)
    a = ap.parse_args()
    os.makedirs(a.raw, exist_ok=True)
    games = [int(x) for x in a.games.split(",") if x]
    with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
        for g in games:
            pool.submit(measure, a.binary, g, a.slow_count if g in SLOW else a.count, a.raw)
    table, rows = [], []
    for g in range(46):
        path = os.path.join(a.raw, f"{g}.txt")
        if not os.path.exists(path):
            why = "the solver proves few deals winnable" if g in SLOW else "not measured"
            table.append(f"    {{}},  // {g}: {why}")
            continue
        deals = DEAL.findall(open(path).read())
        won = sorted(int(d[2]) for d in deals if d[1] == "winnable")
        lost = sum(1 for d in deals if d[1] == "not-winnable")
        n = len(deals)
        if n == 0:
            table.append(f"    {{}},  // {g}: measurement failed")
            continue
        # What the look-ahead spends on average before it finds a winnable
        # number: the mean time of a judgement over the share that wins.
        mean = sum(float(d[5]) for d in deals) / n
        find = f"{mean * n / len(won):.2f}" if won else "none found"
        if len(won) < MIN_WINNABLE:
            table.append(f"    {{}},  // {g}: 1..{n}, {len(won)} winnable: too few to grade")
            rows.append(f"| {g} | 1..{n} | {len(won)} | {lost} | {n - len(won) - lost} | {mean:.3f} | {find} | not graded | | |")
            continue
        e, m, h = (boundary(won, s) for s in SHARES)
        table.append(f"    {{true, {e}, {m}, {h}}},  // {g}: 1..{n}, {len(won)} winnable")
        rows.append(f"| {g} | 1..{n} | {len(won)} | {lost} | {n - len(won) - lost} | {mean:.3f} | {find} | {e} | {m} | {h} |")
    print("constexpr GradeThresholds kThresholds[kGameCount] = {")
    print("\n".join(table))
    print("};\n")
    print("| # | deals | winnable | not winnable | unknown | s a deal | s to find one | Easy up to | Medium up to | Hard up to |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    print("\n".join(rows))


if __name__ == "__main__":
    main()
