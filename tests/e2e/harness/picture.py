"""The game's pictures as the harness expects to see them on screen: TGA
files decoded to RGBA, bottom row first as OpenGL takes them, each drawn at
its own size, one texel to a pixel."""

import struct

TOLERANCE = 3                               # colour levels a software rasteriser may round by


def read_tga(path):
    """Width, height and RGBA bytes, bottom row first, of a true-colour TGA."""
    with open(path, "rb") as source:
        data = source.read()
    id_length, colour_map, kind = data[0], data[1], data[2]
    width, height, bits, descriptor = struct.unpack_from("<HHBB", data, 12)
    if colour_map or kind not in (2, 10) or bits not in (16, 24, 32):
        raise ValueError(f"{path}: not a true-colour TGA")
    size = bits // 8
    position = 18 + id_length
    raw = bytearray()
    total = width * height * size
    if kind == 2:
        raw = data[position:position + total]
    while kind == 10 and len(raw) < total:
        header = data[position]
        count = (header & 0x7F) + 1
        position += 1
        if header & 0x80:
            raw += data[position:position + size] * count
            position += size
        else:
            raw += data[position:position + size * count]
            position += size * count
    rgba = bytearray(width * height * 4)
    for index in range(width * height):
        pixel = raw[index * size:(index + 1) * size]
        if size == 2:
            # 5-5-5 colour widened by a shift, its top bit dropped, as the game reads it.
            value = pixel[0] | pixel[1] << 8
            red, green, blue, alpha = (value >> 7) & 0xF8, (value >> 2) & 0xF8, (value & 0x1F) << 3, 255
        else:
            blue, green, red = pixel[0], pixel[1], pixel[2]
            alpha = pixel[3] if size == 4 else 255
        rgba[index * 4:index * 4 + 4] = bytes((red, green, blue, alpha))
    if descriptor & 0x20:
        stride = width * 4
        rgba = b"".join(rgba[row * stride:(row + 1) * stride] for row in reversed(range(height)))
    return width, height, bytes(rgba)


class Picture:
    def __init__(self, path, width, height):
        file_width, file_height, self.rgba = read_tga(path)
        if (file_width, file_height) != (width, height):
            raise ValueError(f"{path} is {file_width} by {file_height}; the game draws it {width} by {height}")
        self.width = width
        self.height = height
        # The pixels that show the picture and nothing behind it, which are
        # the ones compared, and those that show only what lies behind.
        self.opaque = [index for index in range(width * height) if self.rgba[index * 4 + 3] == 255]
        self.clear = [index for index in range(width * height) if self.rgba[index * 4 + 3] == 0]
        self.colour_sum = sum(self.rgba) - sum(self.rgba[3::4])
        self._expected = {}

    def expected(self, tint=(1.0, 1.0, 1.0), leave_out=()):
        """(byte offset in an RGB block, red, green, blue) of every opaque pixel
        drawn with `tint`, but those listed in `leave_out`."""
        key = (tint, tuple(leave_out))
        if key not in self._expected:
            skipped = set(leave_out)
            self._expected[key] = [(index * 3, *(round(self.rgba[index * 4 + channel] * tint[channel])
                                                 for channel in range(3)))
                                   for index in self.opaque if index not in skipped]
        return self._expected[key]


def matches(pixels, expected, share, tolerance=TOLERANCE):
    """Whether at least `share` of the expected pixels are in an RGB block;
    gives up as soon as too many have been missed."""
    if not expected:
        return False
    allowed = int(len(expected) * (1.0 - share))
    for offset, red, green, blue in expected:
        if (abs(pixels[offset] - red) > tolerance or abs(pixels[offset + 1] - green) > tolerance
                or abs(pixels[offset + 2] - blue) > tolerance):
            allowed -= 1
            if allowed < 0:
                return False
    return True
