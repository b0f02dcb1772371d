"""A virtual X display of the test's own, on a display number the server
picks, and screenshots of it read as the game counts pixels: from the
window's bottom-left corner, y up."""

import contextlib
import glob
import mmap
import os
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import time

from harness.xlib import Connection


class VirtualDisplay:
    """Xvfb on a number it picks itself (-displayfd), so tests run side by side
    and under an outer xvfb-run without racing for one. It keeps its screen
    in a file (-fbdir): reading that is how the harness takes screenshots."""

    def __init__(self, width=800, height=600, timeout=30.0):
        self.name = None                    # ":N" once the server accepts clients
        self._connection = None             # the harness's own, made on the first read of the screen
        self._server = None                 # the Xvfb process, once started
        self._folder = tempfile.mkdtemp(prefix="valdmoor-xvfb-")
        self.framebuffer = os.path.join(self._folder, "Xvfb_screen0")   # the screen, as an XWD file
        read_end, write_end = os.pipe()
        # A server that fails to start is stopped here: the caller got nothing to stop.
        try:
            self._server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-fbdir", self._folder, "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            write_end = None
            self.name = ":" + self._read_number(read_end, timeout)
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def _read_number(self, read_end, timeout):
        deadline = time.monotonic() + timeout
        text = b""
        while not text.endswith(b"\n"):
            if not select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))[0]:
                raise RuntimeError("Xvfb did not say its display number in time")
            chunk = os.read(read_end, 64)
            if not chunk:
                raise RuntimeError("Xvfb ended before it accepted clients")
            text += chunk
        return text.decode().strip()

    def environment(self):
        """For a client of this display: empty player's folders of its own,
        shared by the runs of one test, and Mesa's software renderer, loaded
        up front. Mesa unloads it when the window system shuts down, and
        LeakSanitizer, which can then no longer read the renderer's own
        variables, takes what they still point to for leaks of the program."""
        env = dict(os.environ)
        env["DISPLAY"] = self.name
        for variable, name in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"), ("XDG_STATE_HOME", "state")):
            env[variable] = os.path.join(self._folder, name)
        env["LIBGL_ALWAYS_SOFTWARE"] = "1"
        env.pop("XAUTHORITY", None)
        drivers = sorted(glob.glob("/usr/lib/*/dri/swrast_dri.so"))
        if drivers:
            env["LD_PRELOAD"] = " ".join(filter(None, [env.get("LD_PRELOAD"), drivers[0]]))
            # The sanitizer runtime would otherwise insist on being loaded first.
            env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))
        return env

    @contextlib.contextmanager
    def held(self):
        """Keeps every other client waiting while the screen file is read, so
        that a frame being put on screen is there whole and no other starts."""
        if self._connection is None:
            self._connection = Connection(self.name)
        x, display = self._connection.x, self._connection.display
        x.XGrabServer(display)
        self._connection.sync()
        try:
            yield
        finally:
            x.XUngrabServer(display)
            self._connection.sync()

    def pause(self, paused):
        """Stops the server or lets it go on: a stopped one takes connections
        in its listening queue and answers none of them until it goes on."""
        self._server.send_signal(signal.SIGSTOP if paused else signal.SIGCONT)

    def stop(self, lost=False):
        """Stops the server and removes its folder; a `lost` connection is dropped unclosed."""
        if self._connection is not None and not lost:
            self._connection.close()
        self._connection = None
        if self._server is not None and self._server.poll() is None:
            self.pause(False)
            self._server.terminate()
            try:
                self._server.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._server.kill()
                self._server.wait()
        shutil.rmtree(self._folder, ignore_errors=True)


XWD_HEADER = struct.Struct(">25I")


def read_window(path, left, top, width, height):
    """The BGRX pixels of a rectangle of the XWD file Xvfb keeps its screen in."""
    with open(path, "rb") as source, mmap.mmap(source.fileno(), 0, prot=mmap.PROT_READ) as data:
        fields = XWD_HEADER.unpack_from(data)
        header_size, depth, screen_width, screen_height = fields[0], fields[3], fields[4], fields[5]
        bits_per_pixel, stride, colours = fields[11], fields[12], fields[19]
        if depth != 24 or bits_per_pixel != 32 or fields[7] != 0:
            raise ValueError("the virtual screen is not 24-bit colour in 32-bit little-endian pixels")
        if left < 0 or top < 0 or left + width > screen_width or top + height > screen_height:
            raise ValueError("the window is not wholly on the screen")
        start = header_size + colours * 12 + left * 4
        return b"".join(data[start + (top + row) * stride:start + (top + row) * stride + width * 4]
                        for row in range(height))


class Frame:
    def __init__(self, width, height, pixels):
        self.width = width                  # window width and height in pixels
        self.height = height
        self.pixels = pixels                # RGB bytes, top row first

    @staticmethod
    def capture(display, left, top, width, height):
        """The window as the screen shows it, read while the server is held still."""
        with display.held():
            bgrx = read_window(display.framebuffer, left, top, width, height)
        rgb = bytearray(width * height * 3)
        rgb[0::3] = bgrx[2::4]
        rgb[1::3] = bgrx[1::4]
        rgb[2::3] = bgrx[0::4]
        return Frame(width, height, bytes(rgb))

    def rgb(self, x, y):
        offset = ((self.height - 1 - y) * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])

    def block(self, x, y, width, height):
        """The bytes of a rectangle, bottom row first like a texture."""
        rows = []
        for row in range(y, y + height):
            offset = ((self.height - 1 - row) * self.width + x) * 3
            rows.append(self.pixels[offset:offset + width * 3])
        return b"".join(rows)

    def save(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + self.pixels)
