"""A small window of a colour the game never draws, laid over a corner of the
game's window and taken away again, straight through the X library.

The game's window has no background of its own, so where the marker lay it
keeps the marker's colour until the game draws itself again, which it does
in the frame that handles the exposure."""

import ctypes

from harness.xlib import Connection, WindowAttributes

COLOUR = (255, 0, 254)                      # RGB of the marker
SIZE = 2                                    # pixels a side
OVERRIDE_REDIRECT = 1 << 9                  # CWOverrideRedirect


class Marker:
    def __init__(self, display_name):
        self._connection = Connection(display_name)
        x, display = self._connection.x, self._connection.display
        red, green, blue = COLOUR
        self._window = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display),
                                             0, 0, SIZE, SIZE, 0, 0, (red << 16) | (green << 8) | blue)
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
