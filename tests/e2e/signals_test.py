#!/usr/bin/env python3
"""Interrupt and terminate during a game end the program as closing its
window does: exit code 0, the whole shutdown sequence in the engine log and
the log closed with its tag. (A second signal ends it at once; the hang
test sends one while the first is still pending.)"""

import signal

from harness import logs
from harness.scenario import Scenario, expect
from harness.session import open_two_player_game


def body(scenario):
    for name, number in (("SIGTERM", signal.SIGTERM), ("SIGINT", signal.SIGINT)):
        with scenario.step(f"{name} during a game"):
            game = open_two_player_game(scenario)
            game.process.send_signal(number)
            code = game.wait_exit(60)
            expect(code == 0, f"the program ended with exit code {code} after {name}")
        with scenario.step(f"the engine log after {name} holds the shutdown sequence"):
            engine_log = game.log("log_engine.html")
            logs.check_start_up(engine_log)
            logs.check_shutdown(engine_log)
            logs.check_quiet_run(engine_log)


if __name__ == "__main__":
    Scenario("stop signals").run(body)
