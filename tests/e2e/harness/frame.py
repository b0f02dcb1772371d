"""Screenshots of the game window, read as the game counts pixels: from the
window's bottom-left corner, y up."""

import mmap
import struct

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
