"""A game played on the game screen, one action at a time, each checked
against the harness's own account of the game: the board, the king, the
hands and their shading, the knights, the scores and the turn frame."""

import time

from harness import layout
from harness.rules import NAMES, RED, WHITE
from harness.scenario import expect
from harness.table import ScreenMismatch, Table

SLOT_KEYS = ("1", "2", "3", "4", "5")
KEYPAD_KEYS = ("KP_1", "KP_2", "KP_3", "KP_4", "KP_5")
QUESTION = "Do you want to play another game?"
KING_SLIDE = 0.15                           # seconds the king takes from its square to the next
# The status line after a successful action: the computer's draw or skip is
# said, and so is a person's having nothing to do but skip.
COMPUTER_WORDS = {"draw": "The computer drew a card.",
                  "skip": "The computer skipped: it could not play or draw."}
ONLY_SKIP = "No card fits and your hand is full: Skip."


class Match:
    def __init__(self, game, look, computer_white):
        self.game = game
        self.look = look
        self.table = Table(look)
        self.computer_white = computer_white        # White is the computer's
        self.position = None                        # the harness's account, matching the screen
        self.actions = 0                            # actions taken by both sides
        self.ended_by = None                        # the player whose action ended the game
        self.computer_action = None                 # "play", "draw" or "skip": the computer's last

    def seen(self, frame):
        """The position the frame shows, or None for one that shows no position."""
        try:
            return self.table.read(frame)[0]
        except ScreenMismatch:
            return None

    def turn_is(self, frame, player):
        if self.look.dialog_open(frame):
            return False
        try:
            return self.table.turn(frame) == player
        except ScreenMismatch:
            return False

    def check_screen(self, frame, position, first_action=False):
        """Holds the frame to an account of the game, shading and scores included."""
        seen, shading = self.table.read(frame)
        for what in ("current", "king", "board", "hands", "knights"):
            expect(getattr(seen, what) == getattr(position, what),
                   f"the screen shows {what} {getattr(seen, what)}, the game should be at {getattr(position, what)}")
        for (player, slot), grey in shading.items():
            playable = position.playable(player, slot)
            if first_action:
                want = (0.5 + 0.5 * playable) if player == RED else (0.3 + 0.4 * playable)
            else:
                want = (0.6 if player == position.current else 0.5) + 0.4 * playable
            expect(abs(grey - want) < 0.01, f"{NAMES[player]}'s card {slot + 1} is shaded {grey}, not {want:.1f}")
        for player, score in zip((RED, WHITE), position.scores()):
            expect(self.look.shows_text(frame, str(score), *layout.SCORE_LABELS[player]),
                   f"{NAMES[player]}'s score does not read {score}")

    def status_empty(self, frame):
        """No text in the status line, below the Quit button."""
        return all(max(frame.rgb(x, y)) < 60 for x in range(0, 128, 2) for y in range(0, 10))

    def check_status(self, frame, position, computer_action=None):
        """Once an action has gone ahead, the status line is empty but for the
        computer's draw or skip and a person left only Skip."""
        words = [COMPUTER_WORDS[computer_action]] if computer_action in COMPUTER_WORDS else []
        person = not (self.computer_white and position.current == WHITE)
        if person and not position.over() and not position.can_act(position.current):
            words.append(ONLY_SKIP)
        status = " ".join(words)
        if not status:
            expect(self.status_empty(frame), "a successful action left a message in the status line")
        else:
            expect(self.look.shows_text(frame, status, *layout.STATUS_LABEL), f'the status line does not read "{status}"')

    def landed(self, king=None):
        """The first frame, after the king's slide, that shows the king on one
        square, on `king` when given (a busy machine may draw late), or the
        end question."""
        time.sleep(KING_SLIDE + 0.05)

        def on_a_square(frame):
            if self.look.dialog_open(frame):
                return True
            seen = self.seen(frame)
            return seen is not None and (king is None or seen.king == king)
        return self.game.wait_frame(on_a_square, 10, "the king on its square")

    def begin(self):
        """Reads the fresh game on screen: an empty board, the king in the
        middle, ten different cards, four knights each, Red to move."""
        frame = self.game.wait_frame(lambda f: self.look.screen(f) == "game" and self.turn_is(f, RED),
                                     30, "a new game with Red to move")
        seen, _ = self.table.read(frame)
        expect(seen.board == {}, f"a new game starts with stones on the board: {seen.board}")
        expect(seen.king == (4, 4), f"the king starts on {seen.king}, not the middle square")
        cards = seen.hands[RED] + seen.hands[WHITE]
        expect(None not in cards and len(set(cards)) == 10, f"the deal is not ten different cards: {seen.hands}")
        expect(seen.knights == [4, 4], f"a new game shows {seen.knights} knights")
        self.position = seen
        self.check_screen(frame, self.position, first_action=True)
        expect(self.status_empty(frame), "a new game starts with a message in the status line")
        self.actions = 0
        self.ended_by = None
        return frame

    def _press(self, action, slot, by, until, what):
        """Does an action the way `by` says: "key", "keypad" or "mouse"."""
        player = self.position.current
        if action == "play":
            if by == "mouse":
                return self.game.click(*layout.card_centre(player, slot), until=until, what=what)
            keys = KEYPAD_KEYS if by == "keypad" else SLOT_KEYS
            return self.game.key(keys[slot], until=until, what=what)
        if by == "mouse":
            caption = "Draw" if action == "draw" else "Skip"
            return self.game.click(*layout.centre(layout.GAME_BUTTONS[caption]), until=until, what=what)
        return self.game.key("d" if action == "draw" else "s", until=until, what=what)

    def refuse(self, action, slot, message, by="key", player=None):
        """An action the game must refuse with `message`, leaving the game as
        it was; with `player` not to move, a click on that player's card."""
        what = f'"{message}" in the status line'

        def shown(frame):
            return self.look.shows_text(frame, message, *layout.STATUS_LABEL)
        if player is not None and player != self.position.current:
            frame = self.game.click(*layout.card_centre(player, slot), until=shown, what=what)
        else:
            frame = self._press(action, slot, by, shown, what)
        self.check_screen(frame, self.position, first_action=self.actions == 0)

    def take(self, action, slot=None, by="key"):
        """A legal action of the player to move ("play" with a slot, "draw" or
        "skip"); checks what the screen shows after it and returns that frame."""
        before = self.position
        mover = before.current
        after = before.copy()
        if action == "play":
            expect(before.playable(mover, slot) and before.hands[mover][slot] is not None,
                   "the harness chose a card that cannot be played")
            after.play(slot)
        elif action == "draw":
            expect(None in before.hands[mover], "the harness chose to draw with a full hand")
        else:
            expect(not before.can_act(mover), "the harness chose to skip with something to do")
            after.skip()
        waiting_for = (f"{NAMES[mover]}'s {action}" + (f" of card {slot + 1}" if slot is not None else "")
                       + f" by {by} to hand the turn to {NAMES[1 - mover]}")
        frame = self._press(action, slot, by, lambda f: self._settled(f, mover), waiting_for)
        frame = self.landed(None if self.computer_white and mover == RED else after.king)
        if action == "draw":
            drawn = self._drawn_card(frame, before, mover)
            after.draw(drawn)
        self.actions += 1
        if self.look.dialog_open(frame):
            self.ended_by = mover
            if self.computer_white and mover == RED and not after.over():
                after = self._computer_reply(frame, after, ended=True)
                self.ended_by = WHITE
            self.position = after
            return frame
        computer_action = None
        if self.computer_white and mover == RED:
            after = self._computer_reply(frame, after)
            computer_action = self.computer_action
        self.check_screen(frame, after)
        self.check_status(frame, after, computer_action)
        self.position = after
        return frame

    def account_play(self, slot):
        """Takes into the account a card played between two people outside
        `take`, and holds the screen to it once landed."""
        expect(not self.computer_white, "only a card between two people is accounted")
        mover = self.position.current
        after = self.position.copy()
        after.play(slot)
        self.game.wait_frame(lambda f: self._settled(f, mover), 30, f"{NAMES[mover]}'s card {slot + 1}")
        frame = self.landed(after.king)
        self.check_screen(frame, after)
        self.actions += 1
        self.position = after
        return frame

    def _settled(self, frame, mover):
        """The action has been taken and, against the computer, answered: the
        other player (or, after the computer's reply, Red again) is to move,
        or the game is over."""
        if self.look.dialog_open(frame):
            return True
        if not (self.computer_white and mover == RED):
            return self.turn_is(frame, 1 - mover)
        seen = self.seen(frame) if self.turn_is(frame, RED) else None
        return seen is not None and (seen.board != self.position.board or seen.hands != self.position.hands)

    def settle_reply(self, frame, after_red):
        """Takes into the account Red's action, which left the game at
        `after_red`, and the computer's reply that `frame` shows after it, and
        holds the screen to them."""
        self.actions += 1
        position = self._computer_reply(frame, after_red)
        self.check_screen(frame, position)
        self.check_status(frame, position, self.computer_action)
        self.position = position
        return position

    def _drawn_card(self, frame, before, mover):
        """The card a draw brought into the mover's first empty slot, seen
        dimmed when the draw ended the game; one not in either hand before."""
        slot = before.hands[mover].index(None)
        dim = self.look.dim_level(frame) if self.look.dialog_open(frame) else 1.0
        card = self.table.card(frame, mover, slot, dim)
        expect(card is not None, f"no card appeared in {NAMES[mover]}'s slot {slot + 1} after a draw")
        expect(all(card[0] not in hand for hand in before.hands), f"the drawn card {card[0]} was already in a hand")
        return card[0]

    def _computer_reply(self, frame, after_red, ended=False):
        """Works out from the screen what the computer did after Red's action,
        and checks that it was a legal action. A reply that `ended` the game
        is seen through the dialog: a game ends only on a draw or a skip, and
        a drawn card shows in the hand beside the dialog, dimmed by it."""
        seen = None if ended else self.table.read(frame)[0]
        position = after_red.copy()
        if seen is not None and seen.king != position.king:
            step = (seen.king[0] - position.king[0], seen.king[1] - position.king[1])
            slots = [slot for slot in range(5) if position.hands[WHITE][slot] is not None
                     and position.target(position.hands[WHITE][slot]) == seen.king]
            expect(len(slots) == 1, f"the king moved by {step}, which no card in White's hand does")
            expect(position.playable(WHITE, slots[0]), f"the computer played card {slots[0] + 1}, which it could not")
            position.play(slots[0])
            self.computer_action = "play"
        elif (None in position.hands[WHITE]) if ended else (seen.hands[WHITE] != position.hands[WHITE]):
            expect(None in position.hands[WHITE], "White's hand changed without a move or an empty slot")
            position.draw(self._drawn_card(frame, position, WHITE))
            self.computer_action = "draw"
        else:
            expect(not position.can_act(WHITE), "the computer skipped while it could act")
            position.skip()
            self.computer_action = "skip"
        self.actions += 1
        return position

    def choose(self):
        """A plain policy: the first card that can be played, else a draw, else a skip."""
        cards = self.position.playable_cards(self.position.current)
        if cards:
            return "play", cards[0]
        if None in self.position.hands[self.position.current]:
            return "draw", None
        return "skip", None

    def play_to_end(self, scenario, frame, ways=("key",), each=None):
        """The plain policy's actions, each taken the next of `ways` and
        preceded by `each`, up to the end question; returns that question."""
        while not self.look.dialog_open(frame):
            action, slot = self.choose()
            with scenario.step(f"{NAMES[self.position.current]}'s action {self.actions + 1}: {action}"
                               + ("" if slot is None else f" {slot + 1}")):
                if each is not None:
                    each()
                frame = self.take(action, slot, by=ways[self.actions % len(ways)])
        return self.finish()

    def finish(self):
        """Waits for the end-of-game question the account of the game calls for."""
        expect(self.position.over(), "the end-of-game question came while a player could still act")
        question = f"{self.position.result(self.computer_white)} {QUESTION}"
        self.game.wait_frame(lambda f: self.look.dialog_asks(f, question), 30, f'the question "{question}"')
        return question
