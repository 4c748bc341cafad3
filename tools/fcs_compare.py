#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times a FreeCell solver peer on this program's own FreeCell deals.

  tools/fcs_compare.py BINARY FIRST COUNT [--peer fc-solve]

Dumps each deal with `BINARY --game 32 --number N --dump`, hands its eight
columns to the peer (Freecell Solver's `fc-solve`, from the Debian package
freecell-solver-bin, installed as a benchmark peer only) on standard input,
and measures the peer's processor time (user + system of the child, start-up
included). Prints the solved share and the median, 95th percentile and
longest time, in the form `--solve-stats` prints them, so both sit side by
side. The peer plays standard FreeCell (runs move as far as the free cells
and empty columns allow); this program's FreeCell moves runs through the
empty piles one card each, so the peer's game is a little easier.
"""
import argparse
import os
import re
import resource
import subprocess
import sys


def columns(binary, number):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([binary, "--game", "32", "--number", str(number), "--dump"],
                         env=env, capture_output=True, text=True, check=True).stdout
    cols = []
    for line in out.splitlines():
        m = re.match(r"pile (\d+) at \S+ shift \S+ empty 0 tag 4:(.*)$", line)
        if m:
            cols.append(m.group(2).split())
    if len(cols) != 8:
        sys.exit(f"deal {number}: expected eight columns in the dump")
    return cols


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("first", type=int)
    ap.add_argument("count", type=int)
    ap.add_argument("--peer", default="fc-solve")
    a = ap.parse_args()
    times = []
    solved = 0
    for n in range(a.first, a.first + a.count):
        board = "".join(" ".join(c) + "\n" for c in columns(a.binary, n))
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        out = subprocess.run([a.peer], input=board, capture_output=True, text=True).stdout
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        times.append((after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime))
        solved += "This game is solveable" in out
    times.sort()

    def pct(p):
        return times[min(len(times) - 1, int(p * (len(times) - 1) + 0.5))]

    last = a.first + a.count - 1
    print(f'peer "{a.peer}" FreeCell deals {a.first}..{last}')
    print(f"solved {solved} ({100.0 * solved / a.count:.1f}%)")
    print(f"time median {pct(0.5):.3f} s p95 {pct(0.95):.3f} s max {pct(1.0):.3f} s")


if __name__ == "__main__":
    main()
