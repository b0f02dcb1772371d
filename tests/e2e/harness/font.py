"""The game's bitmap font, read from Assets/font.glf, to know where text
shows on screen: every label is drawn white, one texel to one pixel, so a
text is on screen when each fully opaque texel of its glyphs is there."""

import math
import struct


class Font:
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
