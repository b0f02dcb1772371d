#!/usr/bin/env python3
"""A close request during the computer's pause is never lost: asked to close
(or destroyed) within 0.6 s of Red's move, VALDMOOR_CLOSE_RUNS times (200 by
default), the program always ends with exit code 0 and the whole shutdown."""

import os
import random
import time

from harness import logs
from harness.match import Match
from harness.rules import WHITE
from harness.scenario import Scenario
from harness.session import open_main_menu_afresh, play_against
from harness.xlib import Connection


def close_after_reds_move(scenario, delay, close):
    game = open_main_menu_afresh(scenario)
    play_against(scenario, game, "Easy")
    match = Match(game, scenario.look, computer_white=True)
    match.begin()
    playable = match.position.playable_cards(0)
    key = str(playable[0] + 1) if playable else "s"
    game.input.key_down(key)
    game.sync()
    game.input.key_up(key)
    game.wait_frame(lambda frame: match.turn_is(frame, WHITE), 10, "the computer to move after Red's move")
    time.sleep(delay)
    game.close_window(close)
    game.wait_exit(20, code=0)
    logs.check_shutdown(game.log("log_engine.html"))
    logs.check_quiet_run(game.log("log_engine.html"))


def body(scenario):
    runs = int(os.environ.get("VALDMOOR_CLOSE_RUNS", 200))
    chance = random.Random(os.environ.get("VALDMOOR_CLOSE_SEED"))
    for run in range(1, runs + 1):
        delay = chance.uniform(0.0, 0.6)
        with scenario.step(f"run {run} of {runs}: Red moves, the window is asked to close {delay:.3f} s later"):
            close_after_reds_move(scenario, delay, Connection.ask_to_close)
    for _ in range(5):
        delay = chance.uniform(0.0, 0.6)
        with scenario.step(f"Red moves, and another program destroys the window {delay:.3f} s later"):
            close_after_reds_move(scenario, delay, Connection.destroy)


if __name__ == "__main__":
    Scenario("close during the computer's pause").run(body)
