#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds a FreeCell win for a dealt table and writes it as a script.

Reads the program's --dump of a FreeCell deal on standard input and prints a
script (for --script) that plays it to the win with AutoPlay off: only single
card moves, Aces going up by themselves on the timer ticks after each move,
every other foundation card played by clicking it onto its foundation.
Used to make the end-to-end win test; not part of the program.
"""
import heapq
import re
import sys

RANKS = "A23456789TJQK"


def parse(text):
    piles = {}
    for line in text.splitlines():
        m = re.match(r"pile (\d+) at .*?:(.*)$", line)
        if m:
            piles[int(m.group(1))] = m.group(2).split()
    found = [3, 4, 5, 6]
    cells = [7, 8, 9, 10]
    cols = list(range(11, 19))
    return found, cells, cols, piles


def rank(c):
    return RANKS.index(c[0]) + 1


def red(c):
    return c[1] in "DH"


def fits(top, c):  # c may lie on top in a column
    return top is not None and red(top) != red(c) and rank(top) == rank(c) + 1


def auto_aces(state):
    cols, cells, fnd = state
    cols = [list(x) for x in cols]
    cells = list(cells)
    fnd = list(fnd)
    moved = True
    while moved:
        moved = False
        tops = [(0, i) for i in range(8)] + [(1, i) for i in range(4)]
        for kind, i in tops:
            card = (cols[i][-1] if cols[i] else None) if kind == 0 else cells[i]
            if card and card[0] == "A":
                if None not in fnd:
                    break
                j = fnd.index(None)
                fnd[j] = card
                if kind == 0:
                    cols[i].pop()
                else:
                    cells[i] = None
                moved = True
                break
    return (tuple(tuple(x) for x in cols), tuple(cells), tuple(fnd))


def free_piles(state, dest):
    cols, cells, _ = state
    n = sum(1 for i, c in enumerate(cols) if not c and ("col", i) != dest)
    n += sum(1 for i, c in enumerate(cells) if c is None and ("cell", i) != dest)
    return n


def moves(state):
    cols, cells, fnd = state
    sources = [("col", i) for i in range(8) if cols[i]] + [("cell", i) for i in range(4) if cells[i]]
    for src in sources:
        card = cols[src[1]][-1] if src[0] == "col" else cells[src[1]]
        for j, f in enumerate(fnd):
            if f and f[1] == card[1] and rank(card) == rank(f) + 1:
                yield src, ("fnd", j), card
        for i in range(8):
            if ("col", i) == src:
                continue
            if cols[i]:
                if fits(cols[i][-1], card):
                    yield src, ("col", i), card
            else:
                yield src, ("col", i), card
        if src[0] == "col":
            for i in range(4):
                if cells[i] is None:
                    yield src, ("cell", i), card
                    break


def apply(state, src, dst, card):
    cols, cells, fnd = state
    cols = [list(x) for x in cols]
    cells = list(cells)
    fnd = list(fnd)
    if src[0] == "col":
        cols[src[1]].pop()
    else:
        cells[src[1]] = None
    if dst[0] == "col":
        cols[dst[1]].append(card)
    elif dst[0] == "cell":
        cells[dst[1]] = card
    else:
        fnd[dst[1]] = card
    return auto_aces((tuple(tuple(x) for x in cols), tuple(cells), tuple(fnd)))


def score(state):
    cols, cells, fnd = state
    done = sum(rank(f) for f in fnd if f)
    h = (52 - done) * 3
    h += sum(1 for c in cells if c)
    for col in cols:
        # cards sitting above a lower card of their suit are costly
        for k, c in enumerate(col):
            if any(rank(d) < rank(c) for d in col[k + 1:]):
                h += 1
    return h


def solve(state, limit=400000):
    start = auto_aces(state)
    seen = {start: None}
    heap = [(score(start), 0, 0, start)]
    counter = 0
    tie = 0
    while heap and counter < limit:
        _, g, _, st = heapq.heappop(heap)
        counter += 1
        if all(f and f[0] == "K" for f in st[2]):
            path = []
            while seen[st] is not None:
                prev, mv = seen[st]
                path.append(mv)
                st = prev
            return list(reversed(path)), start
        for src, dst, card in moves(st):
            nxt = apply(st, src, dst, card)
            if nxt in seen:
                continue
            seen[nxt] = (st, (src, dst, card, st))
            tie += 1
            heapq.heappush(heap, (score(nxt) + (g + 1) * 0.5, g + 1, tie, nxt))
    return None, start


def main():
    text = sys.stdin.read()
    number = re.search(r"number (\d+)", text).group(1)
    found, cells, cols, piles = parse(text)
    state = (tuple(tuple(piles[c]) for c in cols), tuple(None for _ in cells), tuple(None for _ in found))
    path, _ = solve(state)
    if path is None:
        print("no solution found", file=sys.stderr)
        sys.exit(1)
    ids = {"col": cols, "cell": cells, "fnd": found}
    out = ["# FreeCell %s played to the win with AutoPlay off (found by tools/freecell_solve.py)" % number,
           "deal 32 %s" % number, "autoplay off", "tick 4"]
    for k, (src, dst, card, before) in enumerate(path):
        bcols = before[0]
        if k == len(path) - 1:
            out.append("answer 7")  # the win dialog's "Once more?": No
        if dst[0] == "col" and not bcols[dst[1]] and src[0] == "col":
            col = bcols[src[1]]
            if len(col) >= 2 and fits(col[-2], col[-1]) and free_piles(before, dst) > 0:
                out.append("answer 6")
        out.append("pile %d" % ids[src[0]][src[1]])
        out.append("pile %d" % ids[dst[0]][dst[1]])
        out.append("tick 4")
    out.append("tick 2")
    out.append("dump")
    out.append("quit")
    print("\n".join(out))


if __name__ == "__main__":
    main()
