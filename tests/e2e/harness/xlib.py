"""The few calls of the X library the harness makes itself, through ctypes,
and the marker it lays over the game's window with them."""

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


class ClientMessage(ctypes.Structure):
    """XClientMessageEvent with 32-bit data, padded to the size of an XEvent."""
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


CLIENT_MESSAGE = 33                         # the event type
OVERRIDE_REDIRECT = 1 << 9                  # CWOverrideRedirect
MARKER_COLOUR = (255, 0, 254)               # RGB the game never draws


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
    for name in ("XMapRaised", "XUnmapWindow", "XDestroyWindow"):
        getattr(xlib, name).argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    xlib.XMoveWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int]
    for name in ("XGrabServer", "XUngrabServer", "XCloseDisplay"):
        getattr(xlib, name).argtypes = [ctypes.c_void_p]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(ClientMessage)]
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

    def ask_to_close(self, window):
        """What a window manager's close button sends: WM_DELETE_WINDOW
        under WM_PROTOCOLS, straight to the window's own client."""
        protocols = self.x.XInternAtom(self.display, b"WM_PROTOCOLS", 0)
        message = ClientMessage(type=CLIENT_MESSAGE, window=window, message_type=protocols, format=32)
        message.data[0] = self.x.XInternAtom(self.display, b"WM_DELETE_WINDOW", 0)
        self.x.XSendEvent(self.display, window, 0, 0, ctypes.byref(message))
        self.sync()

    def destroy(self, window):
        """Takes another client's window away, as a tool that kills windows does."""
        self.x.XDestroyWindow(self.display, window)
        self.sync()

    def close(self):
        if self.display:
            self.x.XCloseDisplay(self.display)
            self.display = None


class Marker:
    """A 2 by 2 window of a colour the game never draws. The game's window has
    no background of its own, so where the marker lay it keeps the marker's
    colour until the game draws itself again, in the frame that handles the
    exposure."""

    def __init__(self, display_name):
        self._connection = Connection(display_name)
        x, display = self._connection.x, self._connection.display
        red, green, blue = MARKER_COLOUR
        self._window = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display),
                                             0, 0, 2, 2, 0, 0, (red << 16) | (green << 8) | blue)
        attributes = WindowAttributes(override_redirect=1)
        x.XChangeWindowAttributes(display, self._window, OVERRIDE_REDIRECT, ctypes.byref(attributes))

    def cover(self, x, y):
        """Shows the marker with its top-left corner at screen pixel (x, y)."""
        self._connection.x.XMoveWindow(self._connection.display, self._window, x, y)
        self._connection.x.XMapRaised(self._connection.display, self._window)
        self._connection.sync()

    def uncover(self):
        self._connection.x.XUnmapWindow(self._connection.display, self._window)
        self._connection.sync()

    def close(self):
        self._connection.close()
