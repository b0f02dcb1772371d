"""The mouse and the keyboard of a virtual display, through xdotool."""

import subprocess


class XInput:
    def __init__(self, display):
        self.display = display              # ":N"

    def run(self, *arguments):
        return subprocess.run(["xdotool", *arguments], check=True, capture_output=True, text=True,
                              timeout=30, env={"DISPLAY": self.display, "PATH": "/usr/bin:/bin"}).stdout

    def find_window(self, title):
        """Ids of the visible windows whose title is exactly `title` (none yet: empty)."""
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                capture_output=True, text=True, timeout=30,
                                env={"DISPLAY": self.display, "PATH": "/usr/bin:/bin"})
        return result.stdout.split()

    def geometry(self, window):
        """Left, top, width and height of a window, in screen pixels."""
        values = dict(line.split("=", 1) for line in self.run("getwindowgeometry", "--shell", window).split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def focus(self, window):
        self.run("windowfocus", window)

    def focused(self):
        return self.run("getwindowfocus").strip()

    def move(self, x, y):
        self.run("mousemove", str(x), str(y))

    def pointer(self):
        values = dict(line.split("=", 1) for line in self.run("getmouselocation", "--shell").split())
        return int(values["X"]), int(values["Y"])

    def button_down(self, button=1):
        self.run("mousedown", str(button))

    def button_up(self, button=1):
        self.run("mouseup", str(button))

    def key_down(self, key):
        self.run("keydown", key)

    def key_up(self, key):
        self.run("keyup", key)
