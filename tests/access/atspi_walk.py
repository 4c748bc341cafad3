#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The table through a real screen reader's bus: the program runs in a window
under Xvfb with the AT-SPI bus of a private D-Bus session; this script, as an
assistive tool would, walks the accessibility tree of FreeCell #1 and finds
the 52 cards with the names the dump shows, moves a card with the keyboard
and hears the announcement of the move.

Usage: atspi_walk.py PROGRAM. Exit status 0 passed, 1 failed, 77 skipped (only
when the AT-SPI bus cannot be started here)."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
RANKS = {"A": "Ace", "T": "10", "J": "Jack", "Q": "Queen", "K": "King"}
SUITS = {"C": "clubs", "D": "diamonds", "H": "hearts", "S": "spades"}


def fail(why):
    print("FAIL:", why, flush=True)
    sys.exit(1)


def skip(why):
    print("SKIP:", why, flush=True)
    sys.exit(SKIP)


def spoken(code):
    """A dump's card code ("QH") in the words the table says."""
    return "%s of %s" % (RANKS.get(code[0].upper(), code[0]), SUITS[code[1].upper()])


def dumped_piles(program, env):
    out = subprocess.run([program, "--dump", "--game", "32", "--number", "1"], env=env,
                         check=True, capture_output=True, text=True).stdout
    piles = []
    for line in out.splitlines():
        if line.startswith("pile ") and " hidden:" not in line:
            piles.append([spoken(c) + ", face up" for c in line.split(":", 1)[1].split()])
    return piles


def wait_for(what, probe, seconds, app=None):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if app is not None and app.poll() is not None:
            fail("the program ended (status %d) before %s" % (app.returncode, what))
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def main():
    program = os.path.abspath(sys.argv[1])
    if os.environ.get("WENLO_ATSPI_SESSION") != "1":
        # A D-Bus session of our own, so the accessibility bus is ours too,
        # and an X server of our own on a free display.
        if not shutil.which("dbus-run-session"):
            skip("dbus-run-session is missing")
        if not shutil.which("xvfb-run"):
            fail("xvfb-run is not installed (scripts/setup installs it)")
        env = dict(os.environ, WENLO_ATSPI_SESSION="1")
        os.execvpe("dbus-run-session", [
            "dbus-run-session", "--", "xvfb-run", "-a", "-s",
            "-screen 0 1280x1024x24 -nolisten tcp", sys.executable, os.path.abspath(__file__),
            program], env)

    try:
        import pyatspi
        from gi.repository import GLib
    except ImportError as e:
        fail("python3-pyatspi is not installed (scripts/setup installs it): %s" % e)
    scratch = tempfile.TemporaryDirectory()
    env = dict(os.environ, XDG_CONFIG_HOME=scratch.name, XDG_DATA_HOME=scratch.name,
               XDG_CACHE_HOME=scratch.name, QT_QPA_PLATFORM="offscreen")
    piles = dumped_piles(program, env)

    # The accessibility bus: asked for through the session bus, which starts
    # its launcher; without it there is nothing to test here.
    bus = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                          "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                         capture_output=True, text=True, timeout=20)
    if bus.returncode != 0 or "unix:" not in bus.stdout:
        skip("the AT-SPI bus cannot be started: " + (bus.stderr or bus.stdout).strip())

    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    app = subprocess.Popen([program, "--game", "32", "--number", "1", "--data-dir", scratch.name],
                           env=env)
    try:
        run(pyatspi, GLib, app, piles)
    finally:
        app.send_signal(signal.SIGTERM)
        try:
            app.wait(timeout=20)
        except subprocess.TimeoutExpired:
            app.kill()


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def find(node, test, depth=0):
    if test(node):
        return node
    if depth > 12:
        return None
    for child in children(node):
        if child is not None:
            hit = find(child, test, depth + 1)
            if hit is not None:
                return hit
    return None


def run(pyatspi, GLib, app, piles):
    desktop = pyatspi.Registry.getDesktop(0)

    def our_app():
        for a in children(desktop):
            try:
                if a is not None and a.get_process_id() == app.pid:
                    return a
            except Exception:
                pass
        return None

    program = wait_for("the program on the accessibility bus", our_app, 30, app)

    def table():
        return find(program, lambda n: n.getRoleName() == "panel" and
                    n.name.startswith("Card table, FreeCell"))

    board = wait_for("the card table", table, 30, app)
    print("table:", board.name)
    shown = [c for c in children(board) if c.getRoleName() == "list"]
    dumped = piles
    names = [[card.name for card in children(pile)] for pile in shown]
    for pile, cards in zip(shown, names):
        print(" ", pile.name, "|", ", ".join(c.split(",")[0] for c in cards))
    # The window's automatic play may have taken cards home since the deal:
    # each pile holds its dealt cards less some from the top, or more on top
    # of them (the foundations), and the 52 are all there.
    if len(names) != len(dumped):
        fail("%d piles, the dump has %d" % (len(names), len(dumped)))
    for tree, dump in zip(names, dumped):
        if tree != dump[:len(tree)] and dump != tree[:len(dump)]:
            fail("a pile differs from the dump:\n%s\n%s" % (tree, dump))
    if sorted(sum(names, [])) != sorted(sum(dumped, [])) or len(sum(names, [])) != 52:
        fail("the 52 cards of the dump are not all named")
    said = [c for c in children(board) if c.getRoleName() == "notification"]
    if len(said) != 1:
        fail("no announcement among the table's children: %s" %
             [c.getRoleName() for c in children(board)])
    column = [p for p in shown if p.name.startswith("Column 1,")][0]
    top = children(column)[-1].name.split(",")[0]

    heard = []

    def listen(event):
        if event.source is not None and event.source.getRoleName() == "notification":
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
    focus = []
    pyatspi.Registry.registerEventListener(
        lambda e: focus.append(e.source.name) if e.detail1 else None, "object:state-changed:focused")

    def pump(seconds):
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            time.sleep(0.05)

    # The keys go to the window as a keyboard's would (XTest), once it has
    # the input focus: there is no window manager to give it.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                             str(app.pid)], capture_output=True, text=True, timeout=30)
    if window.returncode != 0 or not window.stdout.split():
        fail("the program's window was not found: " + window.stderr)
    subprocess.run(["xdotool", "windowfocus", "--sync", window.stdout.split()[-1]], check=True,
                   timeout=30)

    def key(name, times=1):
        for _ in range(times):
            subprocess.run(["xdotool", "key", name], check=True, timeout=10)
            pump(0.15)

    pump(1.0)
    # Right shows the frame on the first pile; eight Tabs lead to column 1,
    # Space picks its top card up, twelve more Tabs lead round to free cell 1
    # and Space lays the card there.
    key("Right")
    key("Tab", 8)
    key("space")
    key("Tab", 12)
    key("space")
    wanted = "%s from Column 1 to Free cell 1" % top
    deadline = time.monotonic() + 10
    def told():
        return any(wanted in h for h in heard)

    while not told() and time.monotonic() < deadline:
        pump(0.2)
    print("focus went to:", " / ".join(focus[:3]), "...", " / ".join(focus[-2:]))
    print("heard:", heard)
    if not told():
        fail("the move was not announced: wanted %r" % wanted)
    for place in ("Column 1, 7 cards", "Free cell 1, empty"):
        if place not in focus:
            fail("the focus never came to %r" % place)
    if not said[0].name:
        fail("the announcement's name is empty after the move")
    print("PASS")


if __name__ == "__main__":
    main()
