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
machine; other work on the same cores shows in every figure. It needs the
test command's packages (`bash scripts/install-deps.sh test`) and its build
folder, which holds the loop (the play command's build/ has no benchmarks):

  python3 bench/desktop_bench.py --game build-test/valdmoor \\
      --loop build-test/bench/clear_swap_loop --assets build-test/Assets

Whatever fails, and on an interrupt or a terminate signal, the displays and
programs it started are stopped and its temporary folders removed.
"""

import argparse
import ctypes
import ctypes.util
import math
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from harness import layout                      # noqa: E402
from harness.display import Frame, VirtualDisplay, read_window   # noqa: E402
from harness.look import Look                   # noqa: E402
from harness.table import Table                 # noqa: E402

IDLE_SECONDS = 10.0
MOTION_SECONDS = 5.0
MOTION_STEP = 0.004                         # seconds between two pointer moves
KEY_SAMPLES = 20
WINDOW = (600, 480)
TICKS = os.sysconf("SC_CLK_TCK")

# The X library's handlers: an error, and the loss of the connection.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
IO_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)

# What the benchmark runs and loads itself, with the Debian package of each.
PROGRAMS = {"Xvfb": "xvfb", "xdotool": "xdotool"}
LIBRARIES = {"libX11.so.6": "libx11-6", "libXtst.so.6": "libxtst6", "libXdamage.so.1": "libxdamage1"}


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
        self.lib.XSetErrorHandler.restype = ctypes.c_void_p
        self.lib.XSetErrorHandler.argtypes = [ERROR_HANDLER]
        self.lib.XSetIOErrorHandler.restype = ctypes.c_void_p
        self.lib.XSetIOErrorHandler.argtypes = [IO_ERROR_HANDLER]
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
        # The library's own handlers end the process at once, which would
        # leave the displays and programs running: an error is noted and
        # raised at the next check instead, and a lost connection stops them
        # all before the library ends the process.
        self.errors = 0
        self._on_error = ERROR_HANDLER(self._note_error)
        self._on_lost = IO_ERROR_HANDLER(connection_lost)
        self.lib.XSetErrorHandler(self._on_error)
        self.lib.XSetIOErrorHandler(self._on_lost)
        self.display = self.lib.XOpenDisplay(name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open the display {name}")
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not self.damage.XDamageQueryExtension(self.display, ctypes.byref(event_base), ctypes.byref(error_base)):
            raise RuntimeError("the display has no damage extension")
        self.damage_event = event_base.value    # XDamageNotify is the extension's first event
        self._event = ctypes.create_string_buffer(192)

    def _note_error(self, display, event):
        self.errors += 1
        return 0

    def check(self):
        """Raises the errors the display reported for the requests made so far."""
        self.lib.XSync(self.display, 0)
        if self.errors:
            raise RuntimeError("the display refused a request: the window is gone")

    def watch(self, window):
        """Has every drawing operation on the window reported as one event
        (raw rectangles) until `unwatch`."""
        self._damage = self.damage.XDamageCreate(self.display, int(window), 0)
        self.check()

    def unwatch(self):
        self.damage.XDamageDestroy(self.display, self._damage)
        self.check()
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
        if self.errors:
            self.check()
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


RUNNING = []                                # every Program started and not yet stopped


def connection_lost(display):
    """The X library's last call before it ends the process: every program
    and display started is stopped, with no word to the lost display."""
    print("desktop_bench.py: the connection to a virtual display broke; stopping everything", file=sys.stderr)
    for program in list(RUNNING):
        program.stop(lost=True)
    return 0


class Program:
    """One program on a display of its own, its window found by title."""

    def __init__(self):
        self.display = None                 # the program's own Xvfb, once started
        self.folder = None                  # the program's working folder, removed at the end
        self.process = None                 # the program, once started
        self.x = None                       # the benchmark's own connection to the display

    def start(self, command, title, assets):
        """Starts the display and the program; `stop` ends whatever part of
        them a failure here left running."""
        RUNNING.append(self)
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
            if self.process.poll() is not None:
                raise RuntimeError(f"{self.process.args[0]} ended with exit code {self.process.returncode} "
                                   f'before its window "{title}" appeared')
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
        if self.process.poll() is not None:
            raise RuntimeError(f"{self.process.args[0]} ended with exit code {self.process.returncode}")
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

    def stop(self, lost=False):
        """Ends the program and its display and removes its folder; `lost`
        says the connection to the display broke."""
        if self in RUNNING:
            RUNNING.remove(self)
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if self.folder is not None:
            shutil.rmtree(self.folder, ignore_errors=True)
        if self.x is not None and not lost:
            self.x.close()
        if self.display is not None:
            self.display.stop(lost)


def open_game(game, look):
    """From the main menu to a two-player game with a stone on the board, so
    that Escape asks before it leaves the game; the pointer outside."""
    x, y = layout.centre(layout.MAIN_MENU["2 Players"])
    game.x.click(game.left + x, game.top + WINDOW[1] - y)
    frame = game.wait_frame(lambda f: look.screen(f) == "game")
    game.x.move(game.left + 700, game.top + 600)
    time.sleep(1.0)
    position, _ = Table(look).read(frame)
    game.x.key(str(position.playable_cards(0)[0] + 1))
    game.wait_frame(lambda f: f.pixels != frame.pixels)
    time.sleep(0.2)


def key_sample(game, look):
    """Seconds from Escape to the swap that shows the quit question; the
    question is then answered No and the game shown as before."""
    reference = game.frame()
    delay = game.key_delay("Escape")
    frame = game.wait_frame(look.dialog_open)
    no = layout.centre(look.dialog_buttons(frame)[1])
    game.x.click(game.left + no[0], game.top + WINDOW[1] - no[1])
    game.wait_frame(lambda f: f.pixels == reference.pixels)
    game.x.move(game.left + 700, game.top + 600)
    time.sleep(0.1)
    return delay


def game_figures(command, assets):
    look = Look(assets)
    game = Program()
    try:
        game.start(command, "Valdmoor", assets)
        game.wait_frame(lambda f: look.screen(f) == "main")
        game.x.move(game.left + 700, game.top + 600)
        time.sleep(1.0)
        figures = {"idle menu": game.cpu(IDLE_SECONDS)}
        figures["fps"] = game.frames_under_motion(MOTION_SECONDS)
        open_game(game, look)
        figures["idle game"] = game.cpu(IDLE_SECONDS)
        figures["key"] = [key_sample(game, look) for _ in range(KEY_SAMPLES)]
        return figures
    finally:
        game.stop()


def loop_figures(command):
    loop = Program()
    try:
        loop.start(command, "Clear and swap", None)
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


def missing_needs(arguments):
    """What the benchmark needs and does not find, one line each."""
    missing = [f"{name} (Debian package {package})" for name, package in PROGRAMS.items() if not shutil.which(name)]
    for name, package in LIBRARIES.items():
        try:
            ctypes.CDLL(name)
        except OSError:
            missing.append(f"{name} (Debian package {package})")
    for path, what in ((arguments.game, "the game"), (arguments.loop, "the loop")):
        if not os.access(path, os.X_OK):
            missing.append(f"{path}, {what}: the test command builds it into build-test/")
    if not os.path.isfile(os.path.join(arguments.assets, "font.glf")):
        missing.append(f"{arguments.assets}/font.glf: the build draws it with the game's pictures")
    return missing


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True, help="the valdmoor executable")
    parser.add_argument("--loop", required=True, help="the clear_swap_loop executable")
    parser.add_argument("--assets", required=True, help="the Assets folder the build generated")
    arguments = parser.parse_args()
    missing = missing_needs(arguments)
    if missing:
        sys.exit("desktop_bench.py cannot run; missing:\n  " + "\n  ".join(missing) +
                 "\nThe packages come with `bash scripts/install-deps.sh test`, run as root.")
    # A terminate or hang-up signal unwinds like an interrupt, so the
    # displays and programs started so far are stopped on the way out.
    for number in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, lambda received, frame: sys.exit(128 + received))
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
