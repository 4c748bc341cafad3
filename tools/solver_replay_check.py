#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Solves deals and replays every winning line through the real program.

  tools/solver_replay_check.py BINARY FIRST COUNT [--games 0,5,7]
                               [--budget S] [--engine auto|native|reference]
                               [--golden DIR --golden-deals 1,2]

For every game and deal FIRST..FIRST+COUNT-1: `BINARY --solve` finds a line;
a winning line is written out as a script and played by `BINARY --script`,
which must print `won GAME DEAL`. Prints a markdown row per game (decided
share, winnable, not winnable, unknown, median / 95th percentile / longest
solving time from the solver's own processor-time report, lines replayed
to a win, replays that failed) and then the failures; exits 1 when any
replay failed. With --golden, the lines of the listed deals are kept in DIR
as solve-gameG-dealN.script/.out for the script tests.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile


GAME_NAMES = [
    "WindMill", "Topsy-Turvy Queens", "King's Secrets", "Canfield", "In a frame",
    "Obstacle-race", "King Albert", "Troika", "Sir Tommy", "Lady Betty", "Bisley", "One Pack",
    "Turncoats", "Pharaoh", "Flower Garden", "Diplomat", "Twelve Sleeping Maids", "Carpet",
    "Short Solitaire", "Steeplechase", "Elma", "Egyptian Pyramid", "Simple", "Carlton",
    "Shamrocks", "Napoleon Leaves Moscow", "Napoleon Takes Moscow", "Forty Thieves", "Castle",
    "Triple Union", "Three Fir-trees", "Binding", "FreeCell", "Stacks", "Sultan", "Four Packs",
    "Josephine", "Martha", "Emperor", "Number Ten", "Indian", "Banner", "Masquerade",
    "Rectangle", "Desire", "Doubt",
]


def pct(values, p):
    """The value at fraction p of the sorted list (nearest rank)."""
    v = sorted(values)
    if not v:
        return 0.0
    return v[min(len(v) - 1, int(p * (len(v) - 1) + 0.5))]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("first", type=int)
    ap.add_argument("count", type=int)
    ap.add_argument("--games", default=",".join(str(g) for g in range(46)))
    ap.add_argument("--budget", type=float)
    ap.add_argument("--engine", choices=["auto", "native", "reference"])
    ap.add_argument("--stock-jumps", choices=["on", "off"])
    ap.add_argument("--golden")
    ap.add_argument("--golden-deals", default="")
    a = ap.parse_args()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR="/tmp")
    golden_deals = {int(x) for x in a.golden_deals.split(",") if x}
    extra = ["--budget", str(a.budget)] if a.budget else []
    if a.engine:
        extra += ["--engine", a.engine]
    if a.stock_jumps:
        extra += ["--stock-jumps", a.stock_jumps]
    failures = []
    totals = [0, 0, 0, 0, 0]
    print("| # | Game | Decided | Winnable | Not winnable | Unknown | Median s | p95 s | Max s "
          "| Replayed to a win | Replay failed |")
    print("|---|------|---------|----------|--------------|---------|----------|-------|-------"
          "|-------------------|---------------|")
    with tempfile.TemporaryDirectory() as tmp:
        cfg = dict(env, XDG_CONFIG_HOME=tmp, HOME=tmp)
        for g in [int(x) for x in a.games.split(",") if x]:
            row = [0, 0, 0, 0, 0]
            times = []
            for n in range(a.first, a.first + a.count):
                cmd = [a.binary, "--solve", "--game", str(g), "--number", str(n)] + extra
                p = subprocess.run(cmd, env=env, capture_output=True, text=True)
                head, _, script = p.stdout.partition("\n")
                m = re.search(r"([\d.]+) s ", head)
                times.append(float(m[1]) if m else float("nan"))
                if head.startswith("not winnable"):
                    row[3] += 1
                    continue
                if not head.startswith("winnable"):
                    row[4] += 1
                    continue
                row[0] += 1
                path = os.path.join(tmp, f"g{g}n{n}.script")
                with open(path, "w") as f:
                    f.write(script)
                q = subprocess.run([a.binary, "--script", path], env=cfg, capture_output=True,
                                   text=True)
                if f"won {g} {n}\n" in q.stdout and q.returncode == 0:
                    row[1] += 1
                    if a.golden and n in golden_deals:
                        base = os.path.join(a.golden, f"solve-game{g}-deal{n}")
                        with open(base + ".script", "w") as f:
                            f.write(f"# A winning line found by wenlo-solitaire --solve "
                                    f"--game {g} --number {n}\n" + script)
                        with open(base + ".out", "w") as f:
                            f.write(q.stdout)
                else:
                    row[2] += 1
                    failures.append(f"game {g} deal {n}: exit {q.returncode}, "
                                    f"last output {q.stdout[-200:]!r} {q.stderr[-200:]!r}")
            totals = [t + r for t, r in zip(totals, row)]
            name = GAME_NAMES[g] if g < len(GAME_NAMES) else "?"
            decided = 100.0 * (row[0] + row[3]) / a.count
            print(f"| {g} | {name} | {decided:.0f}% | {row[0]} | {row[3]} | {row[4]} | "
                  f"{pct(times, 0.5):.3f} | {pct(times, 0.95):.3f} | {pct(times, 1.0):.3f} | "
                  f"{row[1]} | {row[2]} |", flush=True)
    n = sum(totals[i] for i in (0, 3, 4))
    print(f"\nAll: {totals[0] + totals[3]} of {n} decided "
          f"({100.0 * (totals[0] + totals[3]) / max(n, 1):.1f}%), winnable {totals[0]}, "
          f"not winnable {totals[3]}, unknown {totals[4]}; {totals[1]} of {totals[0]} winning "
          f"lines replayed to a win, {totals[2]} failed.")
    for f in failures:
        print(f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
