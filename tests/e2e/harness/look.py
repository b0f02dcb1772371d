"""What a frame shows: texts, pictures, screens and dialogs, judged against
the game's own generated font and pictures (TGA files decoded to RGBA,
bottom row first as OpenGL takes them, each drawn at its own size, one
texel to a pixel)."""

import math
import os
import struct

from harness import layout

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


class Font:
    """The game's bitmap font: every label is drawn white, one texel to one
    pixel, so a text is on screen when each fully opaque texel of its glyphs is."""

    def __init__(self, path):
        with open(path, "rb") as source:
            data = source.read()
        _, self.tex_width, self.tex_height, self.start, self.end, _ = struct.unpack_from("<6i", data, 0)
        count = self.end - self.start + 1
        self.glyphs = [struct.unpack_from("<6f", data, 24 + 24 * index) for index in range(count)]
        self.atlas = data[24 + 24 * count:24 + 24 * count + 2 * self.tex_width * self.tex_height]
        self._drawn = {}                    # (text, x, y) -> its opaque pixels, for texts looked for again

    def _glyph(self, character):
        _, _, tx1, ty1, tx2, ty2 = self.glyphs[ord(character) - self.start]
        width = int((tx2 - tx1) * self.tex_width)
        height = int((ty2 - ty1) * self.tex_height)
        return width, height, tx1, ty1, tx2, ty2

    def width(self, text):
        return sum(self._glyph(character)[0] for character in text)

    def height(self, text):
        """As a label measures it: the tallest glyph, and that of "1" for no text."""
        return max((self._glyph(character)[1] for character in text or "1"), key=lambda h: h & 0xFFFFFFFF)

    def opaque_pixels(self, text, x, y):
        """(x, y, luminance) of every pixel where the text covers all behind it."""
        if (text, x, y) not in self._drawn:
            self._drawn[(text, x, y)] = self._opaque_pixels(text, x, y)
        return self._drawn[(text, x, y)]

    def _opaque_pixels(self, text, x, y):
        pixels = []
        pen = x
        for character in text:
            width, height, tx1, ty1, tx2, ty2 = self._glyph(character)
            for row in range(height):
                t = ty2 + (ty1 - ty2) * (row + 0.5) / height
                texel_row = math.floor(t * self.tex_height) % self.tex_height
                for column in range(width):
                    s = tx1 + (tx2 - tx1) * (column + 0.5) / width
                    texel = texel_row * self.tex_width + math.floor(s * self.tex_width) % self.tex_width
                    luminance, alpha = self.atlas[texel * 2], self.atlas[texel * 2 + 1]
                    if alpha == 255:
                        pixels.append((pen + column, y + row, luminance))
            pen += width
        return pixels


def near(pixel, expected, tolerance=TOLERANCE):
    return all(abs(value - want) <= tolerance for value, want in zip(pixel, expected))


class Look:
    def __init__(self, assets):
        self.assets = assets                # the Assets folder the game reads
        self.font = Font(os.path.join(assets, "font.glf"))
        self._pictures = {}

    def picture(self, name, size):
        key = (name, size)
        if key not in self._pictures:
            self._pictures[key] = Picture(os.path.join(self.assets, name), *size)
        return self._pictures[key]

    def shows_text(self, frame, text, x, y):
        """Whether every fully opaque pixel of the text drawn at (x, y) is on screen."""
        pixels = self.font.opaque_pixels(text, x, y)
        return bool(pixels) and all(0 <= px < frame.width and 0 <= py < frame.height
                                    and near(frame.rgb(px, py), (luminance,) * 3) for px, py, luminance in pixels)

    def caption_position(self, text, button):
        """Where a button centres its caption in the 128 by 32 box at its corner."""
        # Halves truncated toward zero, as the game's integer division does.
        return (button[0] + int((128 - self.font.width(text)) / 2), button[1] + int((32 - self.font.height(text)) / 2))

    def shows_caption(self, frame, text, button):
        return self.shows_text(frame, text, *self.caption_position(text, button))

    def shows_picture(self, frame, name, position, size, tint=(1.0, 1.0, 1.0)):
        """Whether the picture is drawn at `position`, over whatever lies behind it."""
        block = frame.block(position[0], position[1], size[0], size[1])
        return matches(block, self.picture(name, size).expected(tint), 0.98)

    def showing(self, screen):
        """A check for wait_frame: the screen named is shown, with no question over it."""
        return lambda frame: self.screen(frame) == screen and self.no_dialog(frame)

    def screen(self, frame):
        """The name of the screen shown undimmed, or None."""
        for name, buttons in (("main", layout.MAIN_MENU), ("difficulty", layout.DIFFICULTY_MENU),
                              ("game", layout.GAME_BUTTONS)):
            if all(self.shows_caption(frame, text, at) for text, at in buttons.items()):
                return name
        if self.shows_caption(frame, "Back", layout.CORNER_BACK):
            if all(self.shows_caption(frame, text, at) for text, at in layout.TAB_HEADERS.items()):
                return "help"
            return "credits"
        return None

    def help_page(self, frame):
        """The help page whose example pictures are on screen, or None."""
        for page, pictures in layout.HELP_PICTURES.items():
            if all(self.shows_picture(frame, name, at, size) for name, at, size in pictures):
                return page
        return None

    def dialog_box(self, frame):
        """(left, width) of the yes/no dialog drawn on top, or None. It sits
        centred (truncated), 300 pixels wide or wider when its question needs
        it; it is found by its outline across the middle of its panel and
        known by its panel's grey and its two buttons."""
        row = layout.DIALOG[1] + 50
        for edge in [x for x in range(frame.width // 2) if near(frame.rgb(x, row), layout.DIALOG_OUTLINE)]:
            for left in (edge, edge + 1, edge - 1):
                for width in (frame.width - 2 * left, frame.width - 2 * left - 1):
                    if (width >= layout.DIALOG[2] and near(frame.rgb(left + 5, row), layout.DIALOG_PANEL)
                            and all(self.shows_caption(frame, caption, at)
                                    for caption, at in zip(("Yes", "No"), self._buttons(left, width)))):
                        return left, width
        return None

    @staticmethod
    def _buttons(left, width):
        return ((left + layout.DIALOG_MARGIN, layout.DIALOG_BUTTON_Y),
                (left + width - layout.DIALOG_MARGIN - 128, layout.DIALOG_BUTTON_Y))

    def dialog_open(self, frame):
        return self.dialog_box(frame) is not None

    def no_dialog(self, frame):
        return self.dialog_box(frame) is None

    def dialog_buttons(self, frame):
        """Where the open dialog's "Yes" and "No" buttons are."""
        return self._buttons(*self.dialog_box(frame))

    def dim_level(self, frame):
        """How much open dialogs darken the game screen, from the Quit caption,
        drawn white: about 0.61 for one dialog, 0.37 for two."""
        position = self.caption_position("Quit", layout.GAME_BUTTONS["Quit"])
        pixels = self.font.opaque_pixels("Quit", *position)
        return sum(max(frame.rgb(x, y)) / max(luminance, 1) for x, y, luminance in pixels) / len(pixels)

    def dialog_asks(self, frame, question):
        box = self.dialog_box(frame)
        return box is not None and self.shows_text(frame, question, box[0] + layout.DIALOG_MARGIN,
                                                   layout.DIALOG_QUESTION_Y)
