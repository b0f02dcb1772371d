#!/usr/bin/env python3
"""Files of the player's that cannot be used never stop the program: a
broken save, settings and results are each refused with one line in the
general log naming the file, the line and the cause, renamed aside rather
than deleted, and named on the main menu; the game then plays as usual."""

import os

from harness import record
from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu


def body(scenario):
    environment = scenario.display_environment()
    files = {
        record.save_path(environment): ("valdmoor-record 1\nred person\nwhite person\ndeal 3\nred play 1\nred play 2\n",
                                        ', line 6: "red play 2" is against the rules here (it is not that side\'s turn)'),
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


if __name__ == "__main__":
    Scenario("bad files").run(body)
