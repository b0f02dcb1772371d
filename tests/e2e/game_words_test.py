#!/usr/bin/env python3
"""The game screen says what happens, as a player reads it: side names, the
turn, the cards left, a hovered card's score change, a lit Skip, the rules
over a game, the hint, the king's slide and the final score."""

import time

from harness import layout
from harness.look import near
from harness.match import ONLY_SKIP, Match
from harness.look import matches
from harness.rules import RED, WHITE
from harness.scenario import Scenario, expect
from harness.session import answer, choose, lit_under_pointer, open_main_menu, play_against

TURN_LINE = (300, 30)                       # centre of the line under the board, and its bottom
CARDS_LEFT_Y = 464                          # over Draw
SIDE_NAME_GAP = 6                           # between Red's name and its score
WHITE_NAME_X = layout.SCORE_LABELS[WHITE][0] + 28
SKIP_BUTTON = layout.game_button("Skip")
HINT_GOLD = (255, 200, 0)
SLIDE_TRIES = 12                            # moves watched for a frame of the king between squares


def centred(look, text, centre):
    """As the game centres a label on a point: half the difference, truncated."""
    return (2 * centre - look.font.width(text)) // 2


def shows_cards_left(look, frame, cards):
    text = f"Cards left: {cards}"
    return look.shows_text(frame, text, centred(look, text, layout.GAME_BUTTONS["Draw"][0] + 64), CARDS_LEFT_Y)


def shows_words(look, frame, names, turn, cards):
    """The side names, the turn line and the cards left, each where the screen puts it."""
    red_x = layout.SCORE_LABELS[RED][0] - SIDE_NAME_GAP - look.font.width(names[RED])
    return (look.shows_text(frame, names[RED], red_x, layout.SCORE_LABELS[RED][1])
            and look.shows_text(frame, names[WHITE], WHITE_NAME_X, layout.SCORE_LABELS[WHITE][1])
            and look.shows_text(frame, turn, centred(look, turn, TURN_LINE[0]), TURN_LINE[1])
            and shows_cards_left(look, frame, cards))


def shows_preview(look, frame, text, square):
    """The score changes right of the target square, or left of it near the board's right edge."""
    left, bottom = layout.square_origin(*square)
    width, height = look.font.width(text), look.font.height(text)
    x = left + layout.SQUARE + 4
    if x + width > layout.BOARD[0] + layout.BOARD[2]:
        x = left - 4 - width
    return look.shows_text(frame, text, x, bottom + (layout.SQUARE - height) // 2)


def gold(pixel):
    return near(pixel, HINT_GOLD, 8)


def hinted(frame, position):
    """What the hint's gold frame surrounds: ("play", slot), ("draw", None), ("skip", None), or None."""
    player = position.current
    for slot in range(5):
        if gold(frame.rgb(layout.HAND_X[player] - 4, layout.SLOT_Y[slot] + 32)):
            return "play", slot
    for caption in ("Draw", "Skip"):
        x, y = layout.GAME_BUTTONS[caption]
        if gold(frame.rgb(x - 4, y + 16)):
            return caption.lower(), None
    return None


def king_between(look, frame, start, end):
    """Whether the king is drawn somewhere on the way between two squares, off both."""
    king = look.picture("king.tga", layout.PIECE_SIZE).expected()
    (x0, y0), (x1, y1) = layout.square_corner(*start), layout.square_corner(*end)
    steps = max(abs(x1 - x0), abs(y1 - y0))
    # The king's corner is truncated to whole pixels along the way: a pixel
    # either side of the straight line is on the way too.
    places = {(x0 + round((x1 - x0) * step / steps) + dx, y0 + round((y1 - y0) * step / steps) + dy)
              for step in range(1, steps) for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
    return any(matches(frame.block(x, y, *layout.PIECE_SIZE), king, 0.98)
               for x, y in places - {(x0, y0), (x1, y1)})


def body(scenario):
    look = scenario.look
    with scenario.step("a game against the computer names the sides You and Computer"):
        game = open_main_menu(scenario)
        play_against(scenario, game, "Easy")
        game.wait_frame(lambda f: shows_words(look, f, ("You", "Computer"), "Your turn", 14), 30,
                        '"You", "Computer", "Your turn" and "Cards left: 14"')
        game.key("Escape", until=look.showing("main"), what="the main menu")
    with scenario.step("a game between two people names the sides Red and White, the turn in words"):
        choose(scenario, game, "2 Players", "game")
        match = Match(game, look, computer_white=False)
        frame = match.begin()
        expect(shows_words(look, frame, ("Red", "White"), "Red's turn", 14),
               '"Red", "White", "Red\'s turn" and "Cards left: 14" are not on the screen')
        _, lit_skip = lit_under_pointer(game, "Skip")
        game.sync()
    with scenario.step("a hovered card shows what it does to both scores, and playing it does exactly that"):
        before = match.position
        slot = before.playable_cards(RED)[0]
        after = before.copy()
        after.play(slot)
        change = [now - was for now, was in zip(after.scores(), before.scores())]
        text = f"Red {change[RED]:+d}  White {change[WHITE]:+d}"
        game.move(*layout.card_centre(RED, slot))
        game.wait_frame(lambda f: shows_preview(look, f, text, after.king), 10, f'"{text}" beside the target')
        match.take("play", slot, by="mouse")
        game.sync()
        expect(shows_words(look, game.capture(), ("Red", "White"), "White's turn", 14),
               "the turn line does not say White's turn after Red's card")
    with scenario.step("F1 shows the rules over the game, and Escape returns to the same position"):
        game.key("F1", until=look.showing("help"), what="the instructions")
        frame = game.key("Escape", until=look.showing("game"), what="the game again")
        match.check_screen(frame, match.position)
    with scenario.step("H marks a card and its square, or Draw or Skip, and plays nothing"):
        position = match.position
        frame = game.key("h", until=lambda f: hinted(f, position) is not None, what="the hint's gold frame")
        action, slot = hinted(frame, position)
        if action == "play":
            square = position.target(position.hands[position.current][slot])
            expect(all(gold(frame.rgb(x, y)) for x, y in layout.mark_band(*square)),
                   f"the hinted card's square {square} is not framed in gold")
        match.check_screen(frame, position)
    with scenario.step("a draw takes one card from the count beside Draw"):
        while match.position.current != RED or None not in match.position.hands[RED]:
            match.take(*match.choose())
        match.take("draw", None)
        game.sync()
        expect(shows_cards_left(look, game.capture(), 13) or match.position.over(),
               'the count beside Draw does not fall to 13')
    with scenario.step("when skipping is all a player can do, Skip is lit and the status line says why"):
        frame = game.capture()
        while not match.position.over() and match.position.can_act(match.position.current):
            frame = match.take(*match.choose())
        if not match.position.over():
            expect(frame.block(*SKIP_BUTTON) == lit_skip, "Skip is not lit with nothing else to do")
            expect(look.shows_text(frame, ONLY_SKIP, *layout.STATUS_LABEL), f'the status line does not say "{ONLY_SKIP}"')
            match.take("skip", None)
    with scenario.step("the king is seen between its squares as it slides"):
        seen = False
        for _ in range(SLIDE_TRIES):
            while not match.position.over() and not match.position.playable_cards(match.position.current):
                match.take(*match.choose())
            position = match.position
            if position.over():
                break
            slot = position.playable_cards(position.current)[0]
            start, end = position.king, position.target(position.hands[position.current][slot])
            game.sync()
            game.input.key_down(str(slot + 1))
            game.input.key_up(str(slot + 1))
            # Taken first and judged after, so that the screenshots follow each other closely.
            frames = []
            deadline = time.monotonic() + 0.4
            while time.monotonic() < deadline:
                frames.append(game.capture())
            match.account_play(slot)
            seen = any(king_between(look, frame, start, end) for frame in frames)
            if seen:
                break
        expect(seen or match.position.over(), "no frame showed the king between its squares")
    question = match.play_to_end(scenario, game.capture())
    with scenario.step("the end shows the final score, and V sets the question aside to show the whole board"):
        red, white = match.position.scores()
        final = f"Game over: Red {red} : White {white}"
        frame = game.key("v", until=look.no_dialog, what="the board without the question")
        match.check_screen(frame, match.position)
        expect(look.shows_text(frame, final, centred(look, final, TURN_LINE[0]), TURN_LINE[1]),
               f'"{final}" is not under the board')
        game.key("v", until=lambda f: look.dialog_asks(f, question), what="the question again")
        answer(scenario, game, False, look.showing("main"), "the main menu after No")


if __name__ == "__main__":
    Scenario("game words").run(body)
