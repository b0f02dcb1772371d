#!/usr/bin/env python3
"""The program starts with the whole start-up in its logs and ends, by "Quit"
or by a stop signal, with exit code 0 and the whole shutdown."""

import signal

from harness import logs
from harness.scenario import Scenario
from harness.session import open_main_menu, open_two_player_game, quit_from_main_menu


def body(scenario):
    with scenario.step("start: the main menu, the start-up in the engine log, every picture in the general log"):
        game = open_main_menu(scenario)
        game.wait_log("log_engine.html", "Korvex Engine startup complete.")
        logs.check_start_up(game.log("log_engine.html"))
        game.wait_log("log_general.log", "VSync:")
        logs.check_general_log(game.log("log_general.log"))
    with scenario.step('"Quit" ends the program with exit code 0, the shutdown in order and nothing between'):
        quit_from_main_menu(scenario, game)
        logs.check_shutdown(game.log("log_engine.html"))
        logs.check_quiet_run(game.log("log_engine.html"))
    with scenario.step("started from a folder without Assets/, it logs the pictures as Assets/<name>.tga"):
        game = open_main_menu(scenario, workdir=scenario.folder("elsewhere"))
        quit_from_main_menu(scenario, game)
        logs.check_general_log(game.log("log_general.log"))
        logs.check_quiet_run(game.log("log_engine.html"))
    for name, number in (("SIGTERM", signal.SIGTERM), ("SIGINT", signal.SIGINT)):
        with scenario.step(f"{name} during a game ends it as closing its window does"):
            game = open_two_player_game(scenario)
            game.process.send_signal(number)
            game.wait_exit(code=0)
            engine_log = game.log("log_engine.html")
            logs.check_start_up(engine_log)
            logs.check_shutdown(engine_log)
            logs.check_quiet_run(engine_log)


if __name__ == "__main__":
    Scenario("start and stop").run(body)
