#!/usr/bin/env python3
"""The program opens on the main menu with the whole start-up in its engine
log and every picture and the system report in its general log; "Quit"
ends it with exit code 0 and the shutdown lines in order."""

from harness import logs
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, quit_from_main_menu


def body(scenario):
    with scenario.step("start: the main menu shows"):
        game = open_main_menu(scenario)
    with scenario.step("the engine log holds the start-up sequence"):
        game.wait_log("log_engine.html", "Korvex Engine startup complete.")
        logs.check_start_up(game.log("log_engine.html"))
    with scenario.step("the general log holds every picture once and the system report"):
        game.wait_log("log_general.log", "VSync:")
        logs.check_general_log(game.log("log_general.log"))
    with scenario.step('"Quit" ends the program with exit code 0'):
        code = quit_from_main_menu(scenario, game)
        expect(code == 0, f"the program ended with exit code {code}")
    with scenario.step("the engine log holds the shutdown sequence and nothing between"):
        engine_log = game.log("log_engine.html")
        logs.check_shutdown(engine_log)
        logs.check_quiet_run(engine_log)


if __name__ == "__main__":
    Scenario("start and quit").run(body)
