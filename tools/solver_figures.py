#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the solver game by game and writes a markdown table.

  tools/solver_figures.py BINARY FIRST COUNT [--games 0,5,7] [--budget S]
                          [--nodes N] [--engine auto|native|reference] [--out FILE]

Runs `BINARY --solve-stats GAME FIRST COUNT` for every game (one game at a
time, so a shared machine keeps its other core) and tabulates the decided
share (winnable or proven not winnable), the three verdict counts and the
median, 95th percentile and longest processor time per deal. The table goes
to FILE (or stdout); progress goes to stderr.
"""
import argparse
import os
import re
import subprocess
import sys

STATS = re.compile(
    r'game (\d+) "([^"]*)".*?\nwinnable (\d+) .*?not winnable (\d+) .*?unknown (\d+) .*?\n'
    r"time median ([\d.]+) s p95 ([\d.]+) s max ([\d.]+) s",
    re.S,
)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("first", type=int)
    ap.add_argument("count", type=int)
    ap.add_argument("--games", default=",".join(str(g) for g in range(46)))
    ap.add_argument("--budget", type=float)
    ap.add_argument("--nodes", type=int)
    ap.add_argument("--engine", choices=["auto", "native", "reference"])
    ap.add_argument("--stock-jumps", choices=["on", "off"])
    ap.add_argument("--out")
    a = ap.parse_args()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR="/tmp")
    extra = []
    if a.budget:
        extra += ["--budget", str(a.budget)]
    if a.nodes:
        extra += ["--nodes", str(a.nodes)]
    if a.engine:
        extra += ["--engine", a.engine]
    if a.stock_jumps:
        extra += ["--stock-jumps", a.stock_jumps]
    rows = []
    totals = [0, 0, 0]
    for g in [int(x) for x in a.games.split(",") if x]:
        cmd = [a.binary, "--solve-stats", str(g), str(a.first), str(a.count)] + extra
        p = subprocess.run(cmd, env=env, capture_output=True, text=True)
        m = STATS.search(p.stdout)
        if not m:
            print(f"game {g}: no figures (exit {p.returncode})", file=sys.stderr)
            rows.append(f"| {g} | ? | failed (exit {p.returncode}) | | | | | | |")
            continue
        won, lost, unk = int(m[3]), int(m[4]), int(m[5])
        totals = [totals[0] + won, totals[1] + lost, totals[2] + unk]
        n = won + lost + unk
        share = 100.0 * (won + lost) / n
        row = (f"| {g} | {m[2]} | {share:.0f}% | {won} | {lost} | {unk} | "
               f"{float(m[6]):.3f} | {float(m[7]):.3f} | {float(m[8]):.3f} |")
        print(row, file=sys.stderr, flush=True)
        rows.append(row)
    n = sum(totals)
    head = [
        f"Deals {a.first}..{a.first + a.count - 1}"
        + (f", budget {a.budget} s" if a.budget else ", default budget")
        + (f", {a.nodes} positions" if a.nodes else ""),
        "",
        "| # | Game | Decided | Winnable | Not winnable | Unknown | Median s | p95 s | Max s |",
        "|---|------|---------|----------|--------------|---------|----------|-------|-------|",
    ]
    foot = [
        "",
        f"All games: {totals[0] + totals[1]} of {n} decided "
        f"({100.0 * (totals[0] + totals[1]) / max(n, 1):.1f}%): winnable {totals[0]}, "
        f"not winnable {totals[1]}, unknown {totals[2]}.",
    ]
    text = "\n".join(head + rows + foot) + "\n"
    if a.out:
        with open(a.out, "w") as f:
            f.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
