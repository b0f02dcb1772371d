"""The few calls of the X library the harness makes itself, through ctypes."""

import ctypes
import ctypes.util


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


def library():
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
    for name in ("XGrabServer", "XUngrabServer", "XCloseDisplay"):
        getattr(xlib, name).argtypes = [ctypes.c_void_p]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    return xlib


class Connection:
    """One connection of the harness's own to a display."""

    def __init__(self, display_name):
        self.x = library()
        self.display = self.x.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open the display {display_name}")

    def sync(self):
        self.x.XSync(self.display, 0)

    def close(self):
        if self.display:
            self.x.XCloseDisplay(self.display)
            self.display = None
