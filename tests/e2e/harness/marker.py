"""A small window of a colour the game never draws, laid over a corner of the
game's window and taken away again, straight through the X library.

The game's window has no background of its own, so where the marker lay it
keeps the marker's colour until the game draws itself again, which it does
in the frame that handles the exposure."""

import ctypes
import ctypes.util

COLOUR = (255, 0, 254)                      # RGB of the marker
SIZE = 2                                    # pixels a side
OVERRIDE_REDIRECT = 1 << 9                  # CWOverrideRedirect


class WindowAttributes(ctypes.Structure):
    """XSetWindowAttributes, of which only override_redirect is set."""
    _fields_ = [("background_pixmap", ctypes.c_ulong), ("background_pixel", ctypes.c_ulong),
                ("border_pixmap", ctypes.c_ulong), ("border_pixel", ctypes.c_ulong),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("cursor", ctypes.c_ulong)]


def _library():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XCreateSimpleWindow.restype = ctypes.c_ulong
    xlib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                         ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong,
                                         ctypes.c_ulong]
    xlib.XChangeWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                             ctypes.POINTER(WindowAttributes)]
    for name in ("XMapRaised", "XUnmapWindow"):
        getattr(xlib, name).argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    xlib.XMoveWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


class Marker:
    def __init__(self, display_name):
        self._x = _library()
        self._display = self._x.XOpenDisplay(display_name.encode())
        if not self._display:
            raise RuntimeError(f"cannot open the display {display_name}")
        red, green, blue = COLOUR
        self._window = self._x.XCreateSimpleWindow(self._display, self._x.XDefaultRootWindow(self._display),
                                                   0, 0, SIZE, SIZE, 0, 0, (red << 16) | (green << 8) | blue)
        attributes = WindowAttributes(override_redirect=1)
        self._x.XChangeWindowAttributes(self._display, self._window, OVERRIDE_REDIRECT, ctypes.byref(attributes))

    def cover(self, x, y):
        """Shows the marker with its top-left corner at screen pixel (x, y)."""
        self._x.XMoveWindow(self._display, self._window, x, y)
        self._x.XMapRaised(self._display, self._window)
        self._x.XSync(self._display, 0)

    def uncover(self):
        self._x.XUnmapWindow(self._display, self._window)
        self._x.XSync(self._display, 0)

    def close(self):
        if self._display:
            self._x.XCloseDisplay(self._display)
            self._display = None
