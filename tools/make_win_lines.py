#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes one winning line per game, the golden data of the win accounting test.

  tools/make_win_lines.py BINARY OUTDIR [GAME ...]

OUTDIR/GG.script holds `deal GG N`, `autoplay on` and the solver's line for
the first number N (from 1 up) that --solve proves winnable, so that the test
plays a real win of every game. A hard game may need many numbers and a
larger budget than the default; the search per number is bounded by
--budget and --nodes below.

Run it again only for a game whose rules change: the lines are golden data.
"""
import os
import subprocess
import sys
import tempfile

BUDGET = ["--budget", "4", "--nodes", "3000000"]
NUMBERS = range(1, 401)

SANDBOX = tempfile.TemporaryDirectory(prefix="wenlo-wins-")


def solve(binary, game, number):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               XDG_CONFIG_HOME=os.path.join(SANDBOX.name, "config"))
    out = subprocess.run([binary, "--solve", "--game", str(game), "--number", str(number)] + BUDGET,
                         env=env, capture_output=True, text=True, check=True).stdout
    lines = out.splitlines()
    if not lines or not lines[0].startswith("winnable"):
        return None
    return [l for l in lines[1:] if l != "quit"]


def main():
    binary, outdir = sys.argv[1], sys.argv[2]
    games = [int(g) for g in sys.argv[3:]] or range(46)
    os.makedirs(outdir, exist_ok=True)
    for game in games:
        for number in NUMBERS:
            line = solve(binary, game, number)
            if line is None:
                continue
            with open(os.path.join(outdir, "%02d.script" % game), "w") as f:
                f.write("# A winning line of game %d, deal %d, found by --solve.\n" % (game, number))
                f.write("\n".join(line) + "\n")
            print(game, number, len(line), flush=True)
            break
        else:
            print(game, "no winnable deal found", flush=True)


if __name__ == "__main__":
    main()
