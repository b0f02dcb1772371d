#!/usr/bin/env python3
"""The game in progress is saved after every action, atomically: the
program killed at a random moment while two people play, run after run,
leaves a save that reads whole and holds at least every action the screen
had shown. Each next start offers that game; "No" keeps it among the
finished ones and the next game starts afresh."""

import os
import random
import threading

from harness import layout, record
from harness.game import GameEnded
from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu, open_unfinished_game

RUNS = int(os.environ.get("VALDMOOR_KILL_RUNS", "50"))
LONGEST_RUN = 1.5                           # seconds of play before the kill, at most


def play_until_killed(scenario, game, seconds):
    """Plays legal actions until the kill; returns how many the screen showed."""
    match = Match(game, scenario.look, computer_white=False)
    killer = threading.Timer(seconds, game.process.kill)
    killer.start()
    try:
        frame = match.begin()
        while not scenario.look.dialog_open(frame):
            action, slot = match.choose()
            frame = match.take(action, slot)
    except (GameEnded, AssertionError, OSError, RuntimeError) as ended:
        expect(not game.running(), f"the game failed before it was killed: {ended}")
    except Exception:
        if game.running():
            raise
    finally:
        killer.cancel()
        game.kill()
    return match.actions


def body(scenario):
    generator = random.Random(20261207)
    environment = scenario.display_environment()
    save = record.save_path(environment)
    kept = 0
    for run in range(1, RUNS + 1):
        with scenario.step(f"run {run}: start, and a game between two people"):
            if os.path.exists(save):
                game, _ = open_unfinished_game(scenario, yes=False)
                kept += 1
            else:
                game = open_main_menu(scenario)
            choose(scenario, game, "2 Players", layout.MAIN_MENU["2 Players"], "game")
        with scenario.step(f"run {run}: killed while playing"):
            shown = play_until_killed(scenario, game, generator.uniform(0.0, LONGEST_RUN))
        with scenario.step(f"run {run}: the save reads whole and holds the {shown} actions shown"):
            if shown == 0 and not os.path.exists(save):
                continue
            actions = record.read_actions(save)
            expect(len(actions) >= shown, f"the save holds {len(actions)} actions, the screen showed {shown}")
    with scenario.step("every game declined at a start is kept with the finished ones"):
        games = os.path.join(record.folder(environment, "XDG_DATA_HOME"), "games")
        names = sorted(name for name in os.listdir(games) if name.endswith(".record")) if os.path.isdir(games) else []
        expect(len(names) == kept, f"{len(names)} games kept, {kept} declined")
        for name in names:
            record.read_actions(os.path.join(games, name))


if __name__ == "__main__":
    Scenario("kills while saving").run(body)
