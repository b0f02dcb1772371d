#!/usr/bin/env python3
"""The program started from a folder without Assets/ (a checkout's root,
say) finds its pictures and font beside itself, and logs them under the
names it always uses."""

from harness import logs
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, quit_from_main_menu


def body(scenario):
    with scenario.step("start the program from a folder without Assets/"):
        game = open_main_menu(scenario, workdir=scenario.folder("elsewhere"))
    with scenario.step("quit; the general log names every picture as Assets/<name>.tga"):
        code = quit_from_main_menu(scenario, game)
        expect(code == 0, f"the program ended with exit code {code}")
        logs.check_general_log(game.log("log_general.log"))
        logs.check_quiet_run(game.log("log_engine.html"))


if __name__ == "__main__":
    Scenario("started elsewhere").run(body)
