#!/usr/bin/env python3
"""How the game sits on a desktop, beside a bare clear-and-swap loop on the
same windowing library, each on a virtual display of its own (Xvfb, Mesa's
software renderer):

  - processor use, per cent of one core (all threads, from /proc), over ten
    seconds idle: the game on its main menu and on a game screen waiting for
    a key, the loop in its window;
  - frames a second while the pointer moves continuously over the window
    (buffer swaps counted through the X damage extension), mean and the
    highest one-second count;
  - the delay from a key press to the swap that shows its result (Escape
    opening the quit question in the game, a new clear colour in the loop),
    median and worst of 20.

A benchmark, not a test: it judges nothing. Run it on an otherwise quiet
machine; other work on the same cores shows in every figure.

  python3 bench/desktop_bench.py --game build/valdmoor \\
      --loop build/bench/clear_swap_loop --assets build/Assets
"""

import argparse
import ctypes
import ctypes.util
import math
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from harness import layout                      # noqa: E402
from harness.display import VirtualDisplay      # noqa: E402
from harness.frame import Frame, read_window    # noqa: E402
from harness.look import Look                   # noqa: E402
from harness.table import Table                 # noqa: E402

IDLE_SECONDS = 10.0
MOTION_SECONDS = 5.0
MOTION_STEP = 0.004                         # seconds between two pointer moves
KEY_SAMPLES = 20
WINDOW = (600, 480)
TICKS = os.sysconf("SC_CLK_TCK")


class X:
    """The few calls of the X library, its test and damage extensions needed here."""

    def __init__(self, name):
        self.lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.test = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        self.damage = ctypes.CDLL(ctypes.util.find_library("Xdamage") or "libXdamage.so.1")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for function in (self.lib.XFlush, self.lib.XPending, self.lib.XCloseDisplay):
            function.argtypes = [ctypes.c_void_p]
        self.lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.lib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.lib.XStringToKeysym.restype = ctypes.c_ulong
        self.lib.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.test.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.test.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.test.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                      ctypes.POINTER(ctypes.c_int)]
        self.damage.XDamageCreate.restype = ctypes.c_ulong
        self.damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        self.damage.XDamageDestroy.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.display = self.lib.XOpenDisplay(name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open the display {name}")
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not self.damage.XDamageQueryExtension(self.display, ctypes.byref(event_base), ctypes.byref(error_base)):
            raise RuntimeError("the display has no damage extension")
        self.damage_event = event_base.value    # XDamageNotify is the extension's first event
        self._event = ctypes.create_string_buffer(192)

    def watch(self, window):
        """Has every drawing operation on the window reported as one event
        (raw rectangles) until `unwatch`."""
        self._damage = self.damage.XDamageCreate(self.display, int(window), 0)
        self.lib.XSync(self.display, 0)

    def unwatch(self):
        self.damage.XDamageDestroy(self.display, self._damage)
        self.lib.XSync(self.display, 0)
        self.count_swaps()

    def count_swaps(self):
        """Drawing operations reported since the last call; a swap is one."""
        count = 0
        while self.lib.XPending(self.display):
            self.lib.XNextEvent(self.display, self._event)
            kind = ctypes.c_int.from_buffer(self._event, 0).value
            more = ctypes.c_int.from_buffer(self._event, 52).value
            if kind == self.damage_event and not more:
                count += 1
        return count

    def key(self, name):
        code = self.lib.XKeysymToKeycode(self.display, self.lib.XStringToKeysym(name.encode()))
        self.test.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.test.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.lib.XFlush(self.display)

    def move(self, x, y):
        self.test.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.lib.XFlush(self.display)

    def click(self, x, y):
        self.move(x, y)
        self.test.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.test.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.lib.XFlush(self.display)

    def close(self):
        self.lib.XCloseDisplay(self.display)


class Program:
    """One program on a display of its own, its window found by title."""

    def __init__(self, command, title, assets):
        self.display = VirtualDisplay(1024, 768)
        self.folder = tempfile.mkdtemp(prefix="valdmoor-bench-")
        if assets:
            os.symlink(os.path.abspath(assets), os.path.join(self.folder, "Assets"))
        self.process = subprocess.Popen([os.path.abspath(command)], cwd=self.folder, env=self.display.environment(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = self._find(title)
        geometry = dict(line.split("=", 1) for line in self._xdotool("getwindowgeometry", "--shell",
                                                                     self.window).split())
        self.left, self.top = int(geometry["X"]), int(geometry["Y"])
        self._xdotool("windowfocus", "--sync", self.window)
        self.x = X(self.display.name)

    def _xdotool(self, *arguments):
        return subprocess.run(["xdotool", *arguments], capture_output=True, text=True, timeout=30,
                              env={"DISPLAY": self.display.name, "PATH": "/usr/bin:/bin"}).stdout

    def _find(self, title, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self._xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
            if found:
                return found[0]
            time.sleep(0.1)
        raise RuntimeError(f'no window "{title}" appeared')

    def frame(self):
        return Frame.capture(self.display, self.left, self.top, *WINDOW)

    def corner(self):
        return read_window(self.display.framebuffer, self.left + 20, self.top + 20, 8, 8)

    def wait_frame(self, check, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            frame = self.frame()
            if check(frame):
                return frame
            time.sleep(0.02)
        raise RuntimeError("the expected picture did not show")

    def cpu(self, seconds):
        """Per cent of one core over `seconds`, doing nothing meanwhile."""
        def used():
            with open(f"/proc/{self.process.pid}/stat") as source:
                fields = source.read().rsplit(")", 1)[1].split()
            return int(fields[11]) + int(fields[12])
        before, start = used(), time.monotonic()
        time.sleep(seconds)
        return 100.0 * (used() - before) / TICKS / (time.monotonic() - start)

    def frames_under_motion(self, seconds):
        """Mean swap rate, and the highest over one second, while the pointer
        circles over the window's middle."""
        self.x.watch(self.window)
        start = time.monotonic()
        second_start, in_second, total, busiest, step = start, 0, 0, 0, 0
        while time.monotonic() - start < seconds:
            angle = step * 0.15
            self.x.move(self.left + 300 + int(150 * math.cos(angle)), self.top + 240 + int(150 * math.sin(angle)))
            step += 1
            time.sleep(MOTION_STEP)
            swaps = self.x.count_swaps()
            total += swaps
            in_second += swaps
            if time.monotonic() - second_start >= 1.0:
                busiest = max(busiest, in_second / (time.monotonic() - second_start))
                second_start, in_second = time.monotonic(), 0
        mean = total / (time.monotonic() - start)
        self.x.unwatch()
        return mean, busiest

    def key_delay(self, key):
        """Seconds from a key press to the first change of the picture."""
        before = self.corner()
        start = time.monotonic()
        self.x.key(key)
        while self.corner() == before:
            if time.monotonic() - start > 10:
                raise RuntimeError(f"the key {key} changed nothing")
            time.sleep(0.0002)
        return time.monotonic() - start

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=30)
        self.x.close()
        self.display.stop()


def game_figures(command, assets):
    look = Look(assets)
    game = Program(command, "Valdmoor", assets)
    try:
        game.wait_frame(lambda f: look.screen(f) == "main")
        game.x.move(game.left + 700, game.top + 600)
        time.sleep(1.0)
        figures = {"idle menu": game.cpu(IDLE_SECONDS)}
        figures["fps"] = game.frames_under_motion(MOTION_SECONDS)
        x, y = layout.centre(layout.MAIN_MENU["2 Players"])
        game.x.click(game.left + x, game.top + WINDOW[1] - y)
        frame = game.wait_frame(lambda f: look.screen(f) == "game")
        game.x.move(game.left + 700, game.top + 600)
        time.sleep(1.0)
        figures["idle game"] = game.cpu(IDLE_SECONDS)
        # With a stone on the board, Escape asks before it leaves the game.
        position, _ = Table(look).read(frame)
        game.x.key(str(position.playable_cards(0)[0] + 1))
        game.wait_frame(lambda f: f.pixels != frame.pixels)
        time.sleep(0.2)
        delays = []
        for _ in range(KEY_SAMPLES):
            reference = game.frame()
            delays.append(game.key_delay("Escape"))
            frame = game.wait_frame(look.dialog_open)
            no = layout.centre(look.dialog_buttons(frame)[1])
            game.x.click(game.left + no[0], game.top + WINDOW[1] - no[1])
            game.wait_frame(lambda f: f.pixels == reference.pixels)
            game.x.move(game.left + 700, game.top + 600)
            time.sleep(0.1)
        figures["key"] = delays
        return figures
    finally:
        game.stop()


def loop_figures(command):
    loop = Program(command, "Clear and swap", None)
    try:
        time.sleep(1.0)
        idle = loop.cpu(IDLE_SECONDS)
        figures = {"idle menu": idle, "idle game": idle, "fps": loop.frames_under_motion(MOTION_SECONDS)}
        figures["key"] = []
        for _ in range(KEY_SAMPLES):
            figures["key"].append(loop.key_delay("space"))
            # A release closely followed by a press of the same key reads as a key repeat.
            time.sleep(0.1)
        return figures
    finally:
        loop.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True, help="the valdmoor executable")
    parser.add_argument("--loop", required=True, help="the clear_swap_loop executable")
    parser.add_argument("--assets", required=True, help="the Assets folder the build generated")
    arguments = parser.parse_args()
    game = game_figures(arguments.game, arguments.assets)
    loop = loop_figures(arguments.loop)

    def delays(figures):
        values = [1000 * value for value in figures["key"]]
        return f"{statistics.median(values):.1f} / {max(values):.1f}"

    rows = [
        ("CPU idle on the main menu, % of a core", lambda f: f"{f['idle menu']:.1f}"),
        ("CPU idle on a game screen, % of a core", lambda f: f"{f['idle game']:.1f}"),
        ("frames/s, pointer moving (mean / best 1 s)", lambda f: f"{f['fps'][0]:.1f} / {f['fps'][1]:.1f}"),
        ("key to swap, ms (median / worst of 20)", delays),
    ]
    print(f"{'':44} {'game':>16} {'clear-and-swap':>16}")
    for name, value in rows:
        print(f"{name:44} {value(game):>16} {value(loop):>16}")


if __name__ == "__main__":
    main()
