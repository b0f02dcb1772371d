#!/usr/bin/env python3
"""No game is ever lost. It is saved after every action, atomically: the
program killed at a random moment while two people play, run after run
(VALDMOOR_KILL_RUNS, 50 by default), leaves a save that reads whole and
holds at least every action the screen had shown; each next start offers
that game, and "No" keeps it among the finished ones. A game against the
computer closed mid-game comes back on "Yes" in the same position at the
same level; Ctrl+Z takes back the computer's reply together with Red's move,
Ctrl+Y (or Ctrl+Shift+Z) puts both back; the window keeps the size it was
left at."""

import os
import random
import threading

from harness import record
from harness.game import GameEnded
from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import choose, leave_game, open_main_menu_afresh, open_unfinished_game, play_against
from harness.table import ScreenMismatch


def play_until_killed(scenario, game, seconds):
    """Plays legal actions until the kill; returns how many the screen showed."""
    match = Match(game, scenario.look, computer_white=False)
    killer = threading.Timer(seconds, game.process.kill)
    killer.start()
    try:
        frame = match.begin()
        while not scenario.look.dialog_open(frame):
            frame = match.take(*match.choose())
    except (GameEnded, AssertionError, OSError, RuntimeError) as ended:
        expect(not game.running(), f"the game failed before it was killed: {ended}")
    except Exception:
        if game.running():
            raise
    finally:
        killer.cancel()
        game.kill()
    return match.actions


def kept_games(environment):
    games = os.path.join(record.folder(environment, "XDG_DATA_HOME"), "games")
    names = sorted(name for name in os.listdir(games) if name.endswith(".record")) if os.path.isdir(games) else []
    for name in names:
        record.read_actions(os.path.join(games, name))
    return len(names)


def shows(match, position):
    """A check for wait_frame: the frame shows the position, after a first action."""
    def check(frame):
        try:
            match.check_screen(frame, position)
        except (AssertionError, ScreenMismatch):
            return False
        return not match.look.dialog_open(frame) and match.status_empty(frame)
    return check


def kills(scenario):
    generator = random.Random(20261207)
    environment = scenario.display_environment()
    save = record.save_path(environment)
    runs = int(os.environ.get("VALDMOOR_KILL_RUNS", "50"))
    declined = 0
    for run in range(1, runs + 1):
        with scenario.step(f"run {run}: start, and a game between two people"):
            declined += os.path.exists(save)
            game = open_main_menu_afresh(scenario)
            choose(scenario, game, "2 Players", "game")
        with scenario.step(f"run {run}: killed while playing"):
            shown = play_until_killed(scenario, game, generator.uniform(0.0, 1.5))
        with scenario.step(f"run {run}: the save reads whole and holds the {shown} actions shown"):
            if shown == 0 and not os.path.exists(save):
                continue
            actions = record.read_actions(save)
            expect(len(actions) >= shown, f"the save holds {len(actions)} actions, the screen showed {shown}")
    with scenario.step("every game declined at a start is kept with the finished ones"):
        expect(kept_games(environment) == declined, f"{kept_games(environment)} games kept, {declined} declined")


def resume(scenario):
    look = scenario.look
    with scenario.step('a game against "Medium": two moves of Red, each answered; closing the window ends it'):
        game = open_main_menu_afresh(scenario)
        play_against(scenario, game, "Medium")
        match = Match(game, look, computer_white=True)
        match.begin()
        for _ in range(2):
            match.take(*match.choose())
        game.close_window()
        game.wait_exit(code=0)
    with scenario.step('the next start asks whether to continue, and "Yes" shows the same game'):
        game, frame = open_unfinished_game(scenario, yes=True)
        match.game = game
        expect(shows(match, match.position)(frame), "the game taken up again is not the one left")
    with scenario.step("the computer still plays White: Red's next move is answered"):
        before = match.position
        match.take(*match.choose())
        after = match.position
    with scenario.step("Ctrl+Z takes back the reply and Red's move; Ctrl+Y and Ctrl+Shift+Z put both back"):
        game.key("ctrl+z", until=shows(match, before), what="the position before Red's move")
        game.key("ctrl+y", until=shows(match, after), what="the position after the computer's reply")
        game.key("ctrl+z", until=shows(match, before), what="the position before Red's move again")
        game.key("ctrl+shift+z", until=shows(match, after), what="the position after the reply again")
    with scenario.step('"Yes" to the quit question keeps the game; the window is closed at 700 by 560'):
        leave_game(scenario, game)
        game.resize(700, 560)
        game.close_window()
        game.wait_exit(code=0)
    with scenario.step("the next start opens the window at the size it was left at"):
        scenario.start_game().wait_window(size=(700, 560))


def body(scenario):
    kills(scenario)
    resume(scenario)


if __name__ == "__main__":
    Scenario("saves").run(body)
