#!/usr/bin/env python3
"""A game is never lost: closed mid-game against the computer, it is offered
again at the next start, and "Yes" brings back the same position with the
computer at the same level. Ctrl+Z takes back the computer's reply together
with Red's move, Ctrl+Y (or Ctrl+Shift+Z) puts both back; the window keeps
the size it was left at."""

from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import leave_game, open_main_menu, open_unfinished_game, play_against
from harness.table import ScreenMismatch


def shows(match, position):
    """A check for wait_frame: the frame shows the position, after a first action."""
    def check(frame):
        try:
            match.check_screen(frame, position)
        except (AssertionError, ScreenMismatch):
            return False
        return not match.look.dialog_open(frame) and match.status_empty(frame)
    return check


def body(scenario):
    look = scenario.look
    with scenario.step('a game against "Medium": two moves of Red, each answered'):
        game = open_main_menu(scenario)
        play_against(scenario, game, "Medium")
        match = Match(game, look, computer_white=True)
        match.begin()
        for _ in range(2):
            match.take(*match.choose())
    with scenario.step("closing the window ends the program in order"):
        game.close_window()
        code = game.wait_exit(60)
        expect(code == 0, f"the program ended with exit code {code}")

    with scenario.step('the next start asks whether to continue, and "Yes" shows the same game'):
        game, frame = open_unfinished_game(scenario, yes=True)
        match.game = game
        expect(shows(match, match.position)(frame), "the game taken up again is not the one left")
    with scenario.step("the computer still plays White: Red's next move is answered"):
        before = match.position
        match.take(*match.choose())
        after = match.position
    with scenario.step("Ctrl+Z takes back the computer's reply and Red's move"):
        game.key("ctrl+z", until=shows(match, before), what="the position before Red's move")
    with scenario.step("Ctrl+Y puts both back, and so does Ctrl+Shift+Z after another Ctrl+Z"):
        game.key("ctrl+y", until=shows(match, after), what="the position after the computer's reply")
        game.key("ctrl+z", until=shows(match, before), what="the position before Red's move again")
        game.key("ctrl+shift+z", until=shows(match, after), what="the position after the reply again")

    with scenario.step('"Yes" to the quit question keeps the game; the window is closed at 700 by 560'):
        leave_game(scenario, game)
        game.resize(700, 560)
        game.close_window()
        code = game.wait_exit(60)
        expect(code == 0, f"the program ended with exit code {code}")
    with scenario.step("the next start opens the window at the size it was left at"):
        game = scenario.start_game()
        game.wait_window(size=(700, 560))


if __name__ == "__main__":
    Scenario("resume").run(body)
