#!/usr/bin/env python3
"""No game is ever lost: a record reviewed, the player's broken files refused
and kept aside, the save killed VALDMOOR_KILL_RUNS times (50 by default)
while two people play and always whole, a game resumed with its level and
its undo, and the window's size remembered."""

import os
import random
import shutil
import threading

from harness import layout, record
from harness.game import GameEnded
from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import choose, leave_game, open_main_menu, open_main_menu_afresh, open_unfinished_game, \
    play_against
from harness.table import Table

HERE = os.path.dirname(os.path.abspath(__file__))
FINISHED = os.path.join(HERE, "..", "..", "fuzz", "corpus", "record_fuzzer", "finished-game.record")
MOVES = 158                                 # actions in that record
BROKEN = "valdmoor-record 1\nred person\nwhite person\ndeal 3\nred play 1\nred play 2\n"
BROKEN_CAUSE = ', line 6: "red play 2" is against the rules here (it is not that side\'s turn)'


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
        except AssertionError:
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


def review(scenario):
    look = scenario.look
    table = Table(look)
    path = os.path.join(scenario.folder("records"), "game.record")
    shutil.copy(FINISHED, path)

    def shows_status(count):
        status = f"Review: move {count} of {MOVES}. Left and Right step, Escape leaves."
        return lambda f: look.screen(f) == "game" and look.shows_text(f, status, *layout.STATUS_LABEL)

    def stones(frame):
        return len(table.read(frame)[0].board)
    with scenario.step("a record opens for review on its first position, the board empty"):
        game = scenario.start_game([os.path.abspath(scenario.arguments.program), path])
        game.wait_window()
        expect(stones(game.wait_frame(shows_status(0), 60, "the review's first position")) == 0,
               "the first position shows stones")
    with scenario.step("Right shows Red's first card played; a card key plays nothing"):
        expect(stones(game.key("Right", until=shows_status(1), what="move 1")) == 1, "move 1 does not show one stone")
        game.key("1")
        expect(stones(game.key("Right", until=shows_status(2), what="move 2")) == 2, "move 2 does not show two stones")
    with scenario.step("End shows the last position, Home the first, Left stays there; Escape leaves at once"):
        game.key("End", until=shows_status(MOVES), what="the last move")
        game.key("Home", until=shows_status(0), what="the first position again")
        game.key("Left", until=shows_status(0), what="still the first position")
        game.key("Escape", until=look.showing("main"), what="the main menu")
        game.kill()
    with scenario.step("a record broken at its sixth line is refused, and the file stays"):
        with open(path, "w") as out:
            out.write(BROKEN)
        game = open_main_menu(scenario, [os.path.abspath(scenario.arguments.program), path])
        line = f"Error: {path}{BROKEN_CAUSE}"
        game.wait_until(lambda: line in game.log("log_general.log").splitlines(), 30, "the refusal in the log")
        expect(os.path.exists(path), "the refused record was moved")
        game.kill()


def bad_files(scenario):
    environment = scenario.display_environment()
    files = {
        record.save_path(environment): (BROKEN, BROKEN_CAUSE),
        os.path.join(record.folder(environment, "XDG_CONFIG_HOME"), "settings.conf"):
            ("valdmoor-settings 9\n", ", line 1: written by a newer Valdmoor"),
        os.path.join(record.folder(environment, "XDG_DATA_HOME"), "results.txt"):
            ("\x00\x01" * 4000, ": larger than 4096 bytes, far more than it can hold"),
    }
    for path, (text, _) in files.items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as out:
            out.write(text)
    with scenario.step("the program starts on the main menu, with no question"):
        game = open_main_menu(scenario)
    with scenario.step("each file has its line in the general log and is kept under a new name"):
        general = game.log("log_general.log")
        for path, (text, cause) in files.items():
            line = f"Error: {path}{cause}; kept as {path}.refused"
            expect(line in general.splitlines(), f"the general log lacks {line!r}")
            expect(not os.path.exists(path), f"{path} is still in its place")
            with open(path + ".refused") as kept:
                expect(kept.read() == text, f"{path}.refused does not hold the refused file")
    with scenario.step('"2 Players" plays as ever, and "Quit" ends the program with exit code 0'):
        choose(scenario, game, "2 Players", "game")
        match = Match(game, scenario.look, computer_white=False)
        match.begin()
        match.take(*match.choose())
        game.key("Escape", until=lambda f: scenario.look.dialog_open(f), what="the quit question")
        game.process.terminate()
        game.wait_exit(code=0)
    with scenario.step("the game left by a terminate signal is saved"):
        expect(len(record.read_actions(record.save_path(environment))) == 1, "the save does not hold Red's move")


def body(scenario):
    review(scenario)
    bad_files(scenario)
    kills(scenario)
    resume(scenario)


if __name__ == "__main__":
    Scenario("saves").run(body)
