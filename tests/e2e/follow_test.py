#!/usr/bin/env python3
"""The player can follow a game against the computer at Easy: Red's move shows
at once, White's reply after a pause in which White's keys and buttons are
refused; the marks of the last card and of a hovered one; the quit question
holds the keys; a message from one game is gone in the next."""

import time

from harness import layout
from harness.match import KING_SLIDE, SLOT_KEYS, Match
from harness.rules import RED, WHITE
from harness.scenario import Scenario, expect
from harness.session import QUIT_QUESTION, answer, ask_to_quit, lit_under_pointer, open_main_menu, play_against

# Seconds from Red's key to the move on screen: the king's slide, and a frame
# or two around it. The stone shows as the king lands.
SHOWS_AT_ONCE = 0.2 + KING_SLIDE
PAUSE_AT_LEAST = 0.2                        # seconds the reply must wait after Red's move shows
REPLY_WITHIN = 1.0                          # seconds after Red's move by which the reply shows
STILL_PAUSED = 0.2                          # seconds into the pause a refusal may still be tried
AI_CARD = "It is not your turn to play a card. AI"
# What is tried during the pause, one a turn: White's key or hand button, and its refusal.
PAUSE_TRIES = (("key", "1", AI_CARD), ("button", 0, AI_CARD), ("key", "d", "It is not your turn to draw."),
               ("button", 4, AI_CARD), ("key", "s", "It is not your turn to skip."))


def band(frame, square):
    return [frame.rgb(x, y) for x, y in layout.mark_band(*square)]


def red_slot(position):
    """A card of Red's to play that keeps the knights, else any card, else None."""
    cards = position.playable_cards(RED)
    free = [slot for slot in cards if position.target(position.hands[RED][slot]) not in position.board]
    return (free or cards or [None])[0]


class Follow:
    """One game against the computer, Red's turns taken a step at a time."""

    def __init__(self, scenario, game):
        self.scenario = scenario
        self.look = scenario.look
        self.game = game
        self.match = Match(game, self.look, computer_white=True)
        self.tries = list(PAUSE_TRIES)      # refusals still to be seen during a pause
        self.checked = set()                # of "paused", "marked", "knight" and "nothing" (a stuck card)

    def done(self):
        return not self.tries and self.checked == {"paused", "marked", "knight", "nothing"}

    def shows(self, frame, position):
        """Whether the frame shows exactly `position`, with no question open."""
        seen = None if self.look.dialog_open(frame) else self.match.seen(frame)
        return seen is not None and (seen.current, seen.board, seen.king, seen.hands) == (
            position.current, position.board, position.king, position.hands)

    def red_turn(self):
        """Red's next action; a card is played a step at a time, with the pause,
        the marks and a refusal checked on the way."""
        self.hover_checks(self.match.position)
        slot = red_slot(self.match.position)
        return self.match.take(*self.match.choose()) if slot is None else self.play(slot)

    def play(self, slot):
        scenario, game, match = self.scenario, self.game, self.match
        before = match.position
        after = before.copy()
        after.play(slot)
        first = match.actions == 0
        with scenario.step(f"Red plays card {slot + 1}; the move shows at once, White's reply waits"):
            # Twice, so that the last release of this key has been seen before it goes down again.
            game.sync()
            game.sync()
            unmarked = game.capture()
            pressed = time.monotonic()
            game.input.key_down(SLOT_KEYS[slot])
            try:
                # One square is judged while waiting, so that each screenshot follows the last at once.
                moved, shown = self.wait_stamped(lambda f: match.table.square(f, *after.king) == (RED, True),
                                                 "Red's stone under the king")
            finally:
                game.input.key_up(SLOT_KEYS[slot])
            expect(self.shows(moved, after), "the frame that shows Red's stone does not show Red's move alone")
            expect(shown - pressed <= SHOWS_AT_ONCE,
                   f"Red's move showed {shown - pressed:.2f} s after the key, not within {SHOWS_AT_ONCE} s")
        if first:
            with scenario.step("the first card marks the square the king left and the one it reached, only those"):
                for row in range(9):
                    for column in range(9):
                        marked = (row, column) in (before.king, after.king)
                        expect((band(moved, (row, column)) != band(unmarked, (row, column))) == marked,
                               f"square {(row, column)} is {'un' if marked else ''}marked after the first card")
                self.checked.add("marked")
        if self.tries and time.monotonic() - shown < STILL_PAUSED:
            self.try_for_white(after)
        with scenario.step("the reply comes after the pause"):
            replied = game.wait_frame(lambda f: not self.shows(f, after), 10, "White's reply")
            waited = time.monotonic() - shown
            expect(waited >= PAUSE_AT_LEAST, f"White replied {waited:.2f} s after Red's move")
            print(f"    Red's move on screen {shown - pressed:.3f} s after the key, White's reply {waited:.3f} s "
                  "after that", flush=True)
            time.sleep(max(0.0, shown + REPLY_WITHIN - time.monotonic()))
            later = game.capture()
            expect(not self.shows(later, after), f"no reply on screen {REPLY_WITHIN} s after Red's move")
            self.checked.add("paused")
        if self.look.dialog_open(replied) or self.look.dialog_open(later):
            return later
        match.settle_reply(later, after)
        return later

    def wait_stamped(self, check, what):
        """The first frame that passes `check`, and when it was taken."""
        taken = []

        def stamped(frame):
            taken.append(time.monotonic())
            return check(frame)
        frame = self.game.wait_frame(stamped, 10, what)
        return frame, taken[-1]

    def try_for_white(self, after):
        """One of White's keys or hand buttons, during the pause: refused, nothing changed."""
        kind, which, message = self.tries[0]
        what = f"White's {kind} {which}"
        with self.scenario.step(f'during the pause, {what} is refused with "{message}"'):
            game = self.game
            if kind == "key":
                game.input.key_down(which)
            else:
                game.move(*layout.card_centre(WHITE, which))
                game.input.button_down()
                time.sleep(0.1)
                game.input.button_up()
            try:
                frame = game.wait_frame(lambda f: self.look.shows_text(f, message, *layout.STATUS_LABEL)
                                        or not self.shows(f, after), 10, f'"{message}"')
            finally:
                if kind == "key":
                    game.input.key_up(which)
            expect(self.shows(frame, after), f"{what} changed the game during the computer's pause")
            self.tries.pop(0)

    def hover_checks(self, position):
        """With Red to move: a card that would spend a knight shows the knight
        on its target; an unplayable card marks nothing."""
        game, look = self.game, self.look
        knights = [slot for slot in position.playable_cards(RED)
                   if position.board.get(position.target(position.hands[RED][slot])) == WHITE]
        stuck = [slot for slot, card in enumerate(position.hands[RED])
                 if card is not None and not position.playable(RED, slot)]
        knights, stuck = knights if "knight" not in self.checked else [], stuck if "nothing" not in self.checked else []
        if not knights and not stuck:
            return
        game.sync()
        away = game.capture()
        if knights:
            target = position.target(position.hands[RED][knights[0]])
            with self.scenario.step(f"the pointer on Red's card {knights[0] + 1} shows Red's knight on {target}"):
                left, bottom = layout.square_origin(*target)
                corner = (left + layout.KNIGHT_MARK_INSET, bottom + layout.KNIGHT_MARK_INSET)
                game.move(*layout.card_centre(RED, knights[0]))
                frame = game.wait_frame(lambda f: look.shows_picture(f, "knight1.tga", corner, layout.KNIGHT_SIZE),
                                        10, "the knight on the target")
                expect(all(pixel == (255, 0, 0) for pixel in band(frame, target)),
                       "the target is not framed in Red's colour")
                # The card's score changes sit beside the target, over the squares next to it.
                stone, _ = self.match.table.square(frame, *target)
                expect(stone == WHITE, f"the knight hides the stone under it on {target}")
                self.checked.add("knight")
        if stuck:
            with self.scenario.step(f"the pointer on Red's unplayable card {stuck[0] + 1} marks nothing"):
                game.move(*layout.card_centre(RED, stuck[0]))
                time.sleep(0.3)
                frame = game.capture()
                expect(frame.block(*layout.BOARD) == away.block(*layout.BOARD), "an unplayable card marked the board")
                self.checked.add("nothing")
        game.sync()


def body(scenario):
    look = scenario.look
    with scenario.step('start, "1 Player", "Easy"'):
        game = open_main_menu(scenario)
        play_against(scenario, game, "Easy")
    follow = Follow(scenario, game)
    match = follow.match
    with scenario.step("a refusal, then Escape leaves the game at once"):
        match.begin()
        match.refuse("draw", None, "You already have 5 cards.")
        game.key("Escape", until=look.showing("main"), what="the main menu")
    with scenario.step("the next game starts with an empty status line"):
        play_against(scenario, game, "Easy")
        frame = match.begin()
        expect(match.status_empty(frame), "the last game's message is still in the status line")

    games = 1
    while not follow.done():
        expect(match.actions < 120, "a hundred and twenty actions passed without every check met")
        frame = follow.red_turn()
        if look.dialog_open(frame):
            expect(games < 4, "three games ended without every check met")
            with scenario.step('the game ended; "Yes" starts another'):
                answer(scenario, game, True, look.showing("game"), "a fresh game")
                match.begin()
                games += 1
    with scenario.step("the Draw button lights under the pointer"):
        normal, _ = lit_under_pointer(game, "Draw")
    with scenario.step(f'Escape asks "{QUIT_QUESTION}"; keys 1 to 5, D and S change nothing'):
        asked = ask_to_quit(scenario, game)
        for key in ("1", "2", "3", "4", "5", "d", "s"):
            game.key(key)
        game.sync()
        expect(game.capture().pixels == asked.pixels, "a key changed the screen behind the quit question")
    with scenario.step('after "No" the Draw button is drawn as it is without the pointer'):
        frame = answer(scenario, game, False, look.no_dialog, "the question to close")
        expect(frame.block(*layout.game_button("Draw")) == normal, "the Draw button is still lit after the question")
        match.check_screen(frame, match.position)


if __name__ == "__main__":
    Scenario("follow the game").run(body)
