#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the golden data that pins the program's behaviour.

  tools/make_golden.py BINARY OUTDIR

OUTDIR/dumps/GG.txt    the --dump of game GG for numbers 1, 2, 3, 1000 and
                       2147483647, one after the other.
OUTDIR/play/GG.script  a seeded random session on game GG: pile clicks,
                       double clicks, clicks anywhere on the board (redeal
                       buttons, empty piles), timer ticks, undo, redo, dialog
                       answers and option changes, with dumps along the way.
OUTDIR/play/GG.out     what the program printed for that script.

Run it again only when a change of behaviour is intended; the tests compare
the program's output with these files byte for byte.
"""
import os
import random
import re
import subprocess
import sys
import tempfile

NUMBERS = [1, 2, 3, 1000, 2147483647]
GAMES = range(46)
STEPS = 1200


# Private folders for the settings and data of these runs, so that two
# developers writing golden data at once never share a settings file.
SANDBOX = tempfile.TemporaryDirectory(prefix="wenlo-golden-")


def run(binary, args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               XDG_CONFIG_HOME=os.path.join(SANDBOX.name, "config"),
               XDG_DATA_HOME=os.path.join(SANDBOX.name, "share"))
    env.pop("DISPLAY", None)
    data = os.path.join(SANDBOX.name, "data")
    os.makedirs(data, exist_ok=True)
    p = subprocess.run([binary] + args + ["--data-dir", data], capture_output=True, env=env, timeout=300)
    return p.returncode, p.stdout.decode(), p.stderr.decode()


def play_script(game, pile_ids, seed):
    rnd = random.Random(seed)
    lines = [f"# random play on game {game}, seed {seed}", f"deal {game} {seed}"]
    for step in range(STEPS):
        r = rnd.random()
        if r < 0.45:
            lines.append(f"pile {rnd.choice(pile_ids)}")
        elif r < 0.55:
            lines.append(f"dblpile {rnd.choice(pile_ids)}")
        elif r < 0.62:
            lines.append(f"click {rnd.randrange(0, 800)} {rnd.randrange(0, 600)}")
        elif r < 0.80:
            lines.append(f"tick {rnd.randrange(1, 6)}")
        elif r < 0.86:
            lines.append("undo")
        elif r < 0.89:
            lines.append("redo")
        elif r < 0.93:
            lines.append(f"answer {rnd.choice([1, 2, 6, 7])}")
        elif r < 0.94:
            lines.append(f"autoplay {rnd.choice(['on', 'off'])}")
        elif r < 0.95:
            lines.append(f"undooption {rnd.choice([0, 1, 2])}")
        elif r < 0.952:
            lines.append("restart")
        if step % 150 == 149:
            lines.append("dump")
    lines.append("tick 50")
    lines.append("dump")
    return "\n".join(lines) + "\n"


def main():
    binary, out = sys.argv[1], sys.argv[2]
    os.makedirs(f"{out}/dumps", exist_ok=True)
    os.makedirs(f"{out}/play", exist_ok=True)
    for g in GAMES:
        text = ""
        for n in NUMBERS:
            code, o, e = run(binary, ["--dump", "--game", str(g), "--number", str(n)])
            assert code == 0, (g, n, e)
            text += o
        with open(f"{out}/dumps/{g:02d}.txt", "w") as f:
            f.write(text)
        ids = [int(m) for m in re.findall(r"^pile (\d+) ", text.split("selected")[0], re.M)]
        script = play_script(g, ids, 1000 + g)
        path = f"{out}/play/{g:02d}.script"
        with open(path, "w") as f:
            f.write(script)
        code, o, e = run(binary, ["--script", path])
        if code != 0:
            print(f"game {g}: exit {code}: {e.strip()}", file=sys.stderr)
        with open(f"{out}/play/{g:02d}.out", "w") as f:
            f.write(o)
        print(g, len(o.splitlines()), "lines", "wins" if "won " in o else "")


main()
