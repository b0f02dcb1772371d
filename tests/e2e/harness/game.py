"""The real game program in a real window, driven only from outside."""

import os
import subprocess
import time

from harness.display import Frame, read_window
from harness.xlib import MARKER_COLOUR, Connection, Marker

WINDOW_WIDTH = 600                          # pixels; the size the game's window opens at
WINDOW_HEIGHT = 480

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "SUMMARY: AddressSanitizer", "SUMMARY: UndefinedBehaviorSanitizer",
                   "SUMMARY: LeakSanitizer")


class XInput:
    """The mouse and the keyboard of a virtual display, through xdotool."""

    def __init__(self, display):
        self.display = display              # ":N"

    def run(self, *arguments, check=True):
        return subprocess.run(["xdotool", *map(str, arguments)], check=check, capture_output=True, text=True,
                              timeout=30, env={"DISPLAY": self.display, "PATH": "/usr/bin:/bin"}).stdout

    def find_window(self, title):
        """Ids of the visible windows whose title is exactly `title` (none yet: empty)."""
        return self.run("search", "--onlyvisible", "--name", f"^{title}$", check=False).split()

    def _values(self, *arguments):
        return {key: int(value) for key, value in (line.split("=", 1) for line in self.run(*arguments).split())}

    def geometry(self, window):
        """Left, top, width and height of a window, in screen pixels."""
        values = self._values("getwindowgeometry", "--shell", window)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def pointer(self):
        values = self._values("getmouselocation", "--shell")
        return values["X"], values["Y"]

    def move(self, x, y):
        self.run("mousemove", x, y)

    def button_down(self, button=1):
        self.run("mousedown", button)

    def button_up(self, button=1):
        self.run("mouseup", button)

    def key_down(self, key):
        self.run("keydown", key)

    def key_up(self, key):
        self.run("keyup", key)


def _text(path):
    if not os.path.exists(path):
        return ""
    with open(path, errors="replace") as source:
        return source.read()


class GameEnded(Exception):
    """The program ended while the harness still expected something of it."""


class Game:
    """One run of the program: its process, its window, its pointer and keys."""

    def __init__(self, command, workdir, display, environment, outputs=None, logdir=None):
        self.command = command              # argv of the program or of its launcher
        self.logdir = logdir or workdir     # where its two logs land
        self.display = display              # the VirtualDisplay it draws on
        self.input = XInput(display.name)
        self.stderr_path = os.path.join(outputs or workdir, "stderr.txt")
        self.last_frame = None              # the latest screenshot, kept for artifacts
        self.window = None                  # X window id, once shown
        self.left = self.top = 0            # the window's position on the screen
        self.size = (WINDOW_WIDTH, WINDOW_HEIGHT)   # the window's width and height now
        self._outside_row = 0               # alternates, so two syncs never look alike
        self._released = set()              # keys let go of since the last two syncs
        self._syncs_since_release = 2
        self._marker = None                 # made on the first sync
        with open(os.path.join(outputs or workdir, "stdout.txt"), "wb") as out, open(self.stderr_path, "wb") as err:
            self.process = subprocess.Popen(command, cwd=workdir, env=environment, stdout=out, stderr=err)

    def running(self):
        return self.process.poll() is None

    def stderr(self):
        return _text(self.stderr_path)

    def sanitizer_report(self):
        return [line for line in self.stderr().splitlines() if any(mark in line for mark in SANITIZER_MARKS)]

    def wait_exit(self, timeout=60, code=None):
        """The exit code, once the program ended; with `code`, fails unless it is that."""
        try:
            ended = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program was still running {timeout} s later")
        if code is not None and ended != code:
            raise AssertionError(f"the program ended with exit code {ended}, not {code}; "
                                 f"stderr:\n{self.stderr()[-3000:]}")
        return ended

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        if self._marker is not None:
            self._marker.close()
            self._marker = None

    def wait_until(self, check, timeout, what):
        """Polls `check` until it gives a true value and returns that value."""
        deadline = time.monotonic() + timeout
        while True:
            result = check()
            if result:
                return result
            if not self.running():
                raise GameEnded(f"the program ended with exit code {self.process.returncode} "
                                f"while waiting for {what}; stderr:\n{self.stderr()[-3000:]}")
            if time.monotonic() > deadline:
                raise AssertionError(f"waited {timeout} s for {what}")
            time.sleep(0.02)

    def log(self, name):
        return _text(os.path.join(self.logdir, name))

    def wait_log(self, name, text, timeout=60):
        return self.wait_until(lambda: text in self.log(name), timeout, f'"{text}" in {name}')

    def wait_window(self, timeout=60, size=(WINDOW_WIDTH, WINDOW_HEIGHT)):
        windows = self.wait_until(lambda: self.input.find_window("Valdmoor"), timeout, 'the window "Valdmoor"')
        self.window = windows[0]
        self.left, self.top, width, height = self.input.geometry(self.window)
        if (width, height) != size:
            raise AssertionError(f"the window is {width} by {height}, not {size[0]} by {size[1]}")
        self.size = size
        self.input.run("windowfocus", self.window)
        self.wait_until(lambda: self.input.run("getwindowfocus").strip() == self.window, 10,
                        "the window to have the focus")

    def close_window(self, close=Connection.ask_to_close):
        """What a window manager's close button sends, or another `close`."""
        connection = Connection(self.display.name)
        try:
            close(connection, int(self.window))
        finally:
            connection.close()

    def capture(self):
        self.last_frame = Frame.capture(self.display, self.left, self.top, *self.size)
        return self.last_frame

    def canvas(self):
        """Left, top, width and height of the 600 by 480 canvas, scaled to fit the window."""
        width, height = self.size
        scale = min(width / WINDOW_WIDTH, height / WINDOW_HEIGHT)
        shown = (min(width, int(WINDOW_WIDTH * scale + 0.5)), min(height, int(WINDOW_HEIGHT * scale + 0.5)))
        bottom = (height - shown[1]) // 2
        return (width - shown[0]) // 2, height - shown[1] - bottom, shown[0], shown[1]

    def wait_frame(self, check, timeout, what):
        """Screenshots until `check(frame)` holds; returns that frame."""
        def shown():
            frame = self.capture()
            return frame if check(frame) else None
        return self.wait_until(shown, timeout, what)

    def wait_size(self, size, what):
        self.wait_until(lambda: self.input.geometry(self.window)[2:] == size, 10, what)
        self.size = size

    def resize(self, width, height):
        self.input.run("windowsize", self.window, width, height)
        self.wait_size((width, height), f"the window to be {width} by {height}")
        self.polled()

    def move(self, x, y):
        """To the game's point (x, y), y up from the bottom of its canvas."""
        left, top, width, height = self.canvas()
        self.input.move(self.left + left + int(x * width / WINDOW_WIDTH),
                        self.top + top + int((WINDOW_HEIGHT - y) * height / WINDOW_HEIGHT))

    def sync(self, timeout=60):
        """Returns once the game has polled the mouse after this call began,
        with the pointer just outside the window's right edge."""
        self._outside_row = 1 - self._outside_row
        self.input.move(self.left + self.size[0] + 60, self.top + 100 + 200 * self._outside_row)
        self.polled(timeout)
        self._syncs_since_release += 1
        if self._syncs_since_release >= 2:
            self._released.clear()

    def polled(self, timeout=60):
        """Returns once the game has polled the mouse after this call began.

        A marker laid over the window's top-left corner stays visible there
        until the game draws itself in the frame that handles the exposure.
        That frame may have polled before this call and drawn after the
        marker went; the frame that clears a second marker started after the
        first was cleared, so it polled after this call began."""
        if self._marker is None:
            self._marker = Marker(self.display.name)
        for _ in range(2):
            self._marker.cover(self.left, self.top)
            self.wait_until(lambda: self._corner() == MARKER_COLOUR, timeout, "the marker on the window")
            self._marker.uncover()
            self.wait_until(lambda: self._corner() != MARKER_COLOUR, timeout, "the game to draw over the marker")

    def _corner(self):
        blue, green, red, _ = read_window(self.display.framebuffer, self.left, self.top, 1, 1)
        return red, green, blue

    def click(self, x, y, until=None, timeout=60, what="the click's effect"):
        """A press held over a full frame, released on the same point; with
        `until`, waits there for its effect and returns that frame."""
        self.press_at(x, y)
        self.input.button_up()
        if until is None:
            self.polled()
            return None
        return self.wait_frame(until, timeout, what)

    def press_at(self, x, y):
        """Presses the left button at (x, y) once the game saw the pointer
        there, and returns once it saw the press: it reads the pointer once a frame."""
        self.move(x, y)
        self.polled()
        self.input.button_down()
        self.polled()

    def drag(self, start, end, steps=4):
        self.press_at(*start)
        for step in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * step // steps, start[1] + (end[1] - start[1]) * step // steps)
            time.sleep(0.02)
        self.input.button_up()

    def key(self, name, until=None, timeout=60, what="the key's effect"):
        """Holds a key until its effect shows, or without `until` for two
        frames, then releases it.

        Two syncs after an event make sure a key pass has seen it: the first
        ends once the event waits in the game's queue, the frame of the second
        takes it in before the next key pass. A key let go of is pressed again
        only after that, or the game would not see a new press."""
        if name in self._released:
            self.sync()
            self.sync()
        self.input.key_down(name)
        try:
            if until is None:
                self.sync()
                self.sync()
                return None
            return self.wait_frame(until, timeout, what)
        finally:
            self.input.key_up(name)
            self._released.add(name)
            self._syncs_since_release = 0
