#!/usr/bin/env python3
"""A close request during the computer's pause is never lost: the window is
asked to close, as a window manager's close button asks, at a random moment
within 0.6 s of Red's move against the computer, in a fresh game each time;
every run ends with exit code 0 and the whole shutdown in the engine log.
A window that another program destroys counts as closed, the same way.

VALDMOOR_CLOSE_RUNS sets how many runs; the default, 200, takes about three
minutes."""

import os
import random
import time

from harness import logs, record
from harness.match import Match
from harness.rules import WHITE
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, open_unfinished_game, play_against
from harness.xlib import Connection

DEFAULT_RUNS = 200
DESTROYED_RUNS = 5


def close_after_reds_move(scenario, delay, close):
    """A fresh game against the computer; Red moves, and `delay` seconds
    after the move shows, `close` is done to the window; the program must
    end in order."""
    look = scenario.look
    # The game the last run closed is offered again; "No" keeps it aside.
    if os.path.exists(record.save_path(scenario.display_environment())):
        game, _ = open_unfinished_game(scenario, yes=False)
    else:
        game = open_main_menu(scenario)
    play_against(scenario, game, "Easy")
    match = Match(game, look, computer_white=True)
    match.begin()
    playable = match.position.playable_cards(0)
    key = str(playable[0] + 1) if playable else "s"
    game.input.key_down(key)
    game.sync()
    game.input.key_up(key)
    game.wait_frame(lambda frame: match._turn_is(frame, WHITE), 10, "the computer to move after Red's move")
    time.sleep(delay)
    connection = Connection(game.display.name)
    try:
        close(connection, int(game.window))
    finally:
        connection.close()
    code = game.wait_exit(20)
    expect(code == 0, f"the program ended with exit code {code}")
    engine_log = game.log("log_engine.html")
    logs.check_shutdown(engine_log)
    logs.check_quiet_run(engine_log)


def body(scenario):
    runs = int(os.environ.get("VALDMOOR_CLOSE_RUNS", DEFAULT_RUNS))
    chance = random.Random(os.environ.get("VALDMOOR_CLOSE_SEED"))
    for run in range(1, runs + 1):
        delay = chance.uniform(0.0, 0.6)
        with scenario.step(f"run {run} of {runs}: Red moves, the window is asked to close {delay:.3f} s later"):
            close_after_reds_move(scenario, delay, Connection.ask_to_close)
    for run in range(1, DESTROYED_RUNS + 1):
        delay = chance.uniform(0.0, 0.6)
        with scenario.step(f"Red moves, and another program destroys the window {delay:.3f} s later"):
            close_after_reds_move(scenario, delay, Connection.destroy)


if __name__ == "__main__":
    Scenario("close during the computer's pause").run(body)
