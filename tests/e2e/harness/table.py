"""Reads the game screen into a Position: the stones drawn tinted on the
board, the king over them, the cards in both hands with their shading, the
knights above the board and the frame around the hand of the player to move."""

from harness import layout
from harness.look import matches
from harness.rules import RED, WHITE, Position, card_picture

BRIGHTNESSES = (1.0, 0.9, 0.7, 0.6, 0.5, 0.3)   # the greys the game shades hand cards with
TURN_COLOURS = ((255, 0, 0), (255, 255, 255))   # frame around Red's hand, around White's
STONE_TINTS = ((1.0, 0.0, 0.0), (1.0, 1.0, 1.0))


class ScreenMismatch(AssertionError):
    """The screen shows something no game position looks like."""


class Table:
    def __init__(self, look):
        self.look = look
        self._judged = {}                   # (what, pixels, ...) -> the judgement, made once

    def _judge(self, key, judge):
        if key not in self._judged:
            self._judged[key] = judge()
        return self._judged[key]

    def read(self, frame):
        """The position on screen and the brightness of every hand slot."""
        board, kings = {}, []
        for square in [(row, column) for row in range(9) for column in range(9)]:
            stone, king = self.square(frame, *square)
            if stone is not None:
                board[square] = stone
            if king:
                kings.append(square)
        if len(kings) != 1:
            raise ScreenMismatch(f"the king is drawn on {len(kings)} squares: {kings}")
        cards = {(player, slot): self.card(frame, player, slot) for player in (RED, WHITE) for slot in range(5)}
        hands = [[cards[(player, slot)][0] if cards[(player, slot)] else None for slot in range(5)]
                 for player in (RED, WHITE)]
        shading = {place: seen[1] for place, seen in cards.items() if seen}
        knights = [self.knights(frame, player) for player in (RED, WHITE)]
        return Position(board, kings[0], hands, knights, self.turn(frame)), shading

    def turn(self, frame):
        """The player whose hand the turn frame surrounds, in that player's colour."""
        framed = []
        for player in (RED, WHITE):
            left = layout.TURN_FRAME_X[player]
            edges = [(left, y) for y in (120, 232, 360)] + [(left + 80, y) for y in (120, 232, 360)]
            colours = set()
            for x, y in edges:
                around = [frame.rgb(x + offset, y) for offset in (-1, 0, 1)]
                colours |= {index for index, colour in enumerate(TURN_COLOURS) if colour in around}
                if not any(colour in around for colour in TURN_COLOURS):
                    break
            else:
                framed.append((player, colours))
        if len(framed) != 1:
            raise ScreenMismatch(f"the turn frame surrounds {len(framed)} hands")
        player, colours = framed[0]
        if colours != {player}:
            raise ScreenMismatch(f"the frame around {('Red', 'White')[player]}'s hand has the wrong colour")
        return player

    def square(self, frame, row, column):
        """(stone, king) on a square: RED, WHITE or None, and whether the king is there."""
        pixels = frame.block(*layout.square_corner(row, column), *layout.PIECE_SIZE)
        return self._judge(("square", pixels), lambda: self._judge_square(pixels))

    def knight_marked(self, pixels):
        """Whether a knight marks the piece block as a hovered card's target (the card would spend it)."""
        return any(matches(pixels, self._knight_in_block(player), 0.98) for player in (RED, WHITE))

    def _knight_in_block(self, player):
        """The knight picture's opaque pixels, placed in a 32 by 32 piece block."""
        inset, width = layout.KNIGHT_MARK_INSET - layout.PIECE_INSET, layout.KNIGHT_SIZE[0]
        knight = self.look.picture(f"knight{player + 1}.tga", layout.KNIGHT_SIZE)
        return self._judge(("mark", player), lambda: [
            (((offset // 3 // width + inset) * 32 + offset // 3 % width + inset) * 3, red, green, blue)
            for offset, red, green, blue in knight.expected()])

    def _judge_square(self, pixels):
        king = self.look.picture("king.tga", layout.PIECE_SIZE)
        stone = self.look.picture("rose.tga", layout.PIECE_SIZE)
        has_king = matches(pixels, king.expected(), 0.98)
        # Under the king only what it leaves clear can be seen of a stone;
        # under a knight mark, what lies outside its square.
        clear = set(king.clear)
        covered = [index for index in range(32 * 32) if index not in clear] if has_king else []
        if self.knight_marked(pixels):
            inset = layout.KNIGHT_MARK_INSET - layout.PIECE_INSET
            covered += [(row + inset) * 32 + column + inset for row in range(16) for column in range(16)]
        found = [player for player in (RED, WHITE)
                 if matches(pixels, stone.expected(STONE_TINTS[player], covered), 0.95)]
        if len(found) > 1:
            raise ScreenMismatch("a square shows a stone of both colours")
        return (found[0] if found else None), has_king

    def card(self, frame, player, slot, dim=1.0):
        """(card, brightness) of the card shown in a hand slot, or None for an
        empty slot; `dim` is how much an open dialog darkens the screen."""
        pixels = frame.block(layout.HAND_X[player], layout.SLOT_Y[slot], *layout.CARD_SIZE)
        return self._judge(("card", pixels, dim), lambda: self._judge_card(pixels, dim))

    def _judge_card(self, pixels, dim):
        """Picks the card whose picture, shaded, comes nearest on a sample of
        pixels, then holds the whole picture to the screen."""
        drawn = sum(pixels) / dim
        best = None
        for card in range(24):
            picture = self.look.picture(card_picture(card), layout.CARD_SIZE)
            grey = min(BRIGHTNESSES, key=lambda level: abs(level - drawn / max(picture.colour_sum, 1)))
            error = sum(abs(pixels[index * 3 + channel] - picture.rgba[index * 4 + channel] * grey * dim)
                        for index in picture.opaque[::37] for channel in range(3))
            if best is None or error < best[0]:
                best = (error, card, grey)
        _, card, grey = best
        picture = self.look.picture(card_picture(card), layout.CARD_SIZE)
        return (card, grey) if matches(pixels, picture.expected((grey * dim,) * 3), 0.97) else None

    def knights(self, frame, player):
        """How many knight pictures are shown, checking that they are the first ones."""
        picture = self.look.picture(f"knight{player + 1}.tga", layout.KNIGHT_SIZE)
        shown = []
        for corner in layout.KNIGHTS[player]:
            pixels = frame.block(*corner, *layout.KNIGHT_SIZE)
            shown.append(self._judge(("knight", player, pixels), lambda: matches(pixels, picture.expected(), 0.98)))
        count = shown.count(True)
        if shown != [True] * count + [False] * (4 - count):
            raise ScreenMismatch(f"{('Red', 'White')[player]}'s knights shown out of order: {shown}")
        return count

