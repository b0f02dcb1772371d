#!/usr/bin/env python3
"""`valdmoor FILE` opens a game record for review: the status line says
which move is shown, Right and Left step through the moves with the king's
squares tinted, Home and End go to either end, nothing can be played and
Escape leaves for the main menu. A record that cannot be used is refused
with its file, line and cause on the main menu and in the general log."""

import os
import shutil

from harness import layout
from harness.scenario import Scenario, expect
from harness.table import Table

HERE = os.path.dirname(os.path.abspath(__file__))
RECORD = os.path.join(HERE, "..", "..", "fuzz", "corpus", "record_fuzzer", "finished-game.record")
MOVES = 158                                 # actions in that record


def status(count):
    return f"Review: move {count} of {MOVES}. Left and Right step, Escape leaves."


def body(scenario):
    look = scenario.look
    table = Table(look)
    program = os.path.abspath(scenario.arguments.program)
    folder = scenario.folder("records")
    record = os.path.join(folder, "game.record")
    shutil.copy(RECORD, record)

    def shows_status(count):
        return lambda f: look.screen(f) == "game" and look.shows_text(f, status(count), *layout.STATUS_LABEL)

    with scenario.step("the record opens on its first position, the board empty"):
        game = scenario.start_game([program, record])
        game.wait_window()
        frame = game.wait_frame(shows_status(0), 60, "the review's first position")
        expect(table.read(frame)[0].board == {}, "the first position shows stones")
    with scenario.step("Right shows Red's first card played; a card key plays nothing"):
        frame = game.key("Right", until=shows_status(1), what="move 1")
        expect(len(table.read(frame)[0].board) == 1, "move 1 does not show one stone")
        game.key("1")
        frame = game.key("Right", until=shows_status(2), what="move 2")
        expect(len(table.read(frame)[0].board) == 2, "move 2 does not show two stones")
    with scenario.step("End shows the last position, Home the first, Left stays there"):
        game.key("End", until=shows_status(MOVES), what="the last move")
        game.key("Home", until=shows_status(0), what="the first position again")
        game.key("Left", until=shows_status(0), what="still the first position")
    with scenario.step("Escape leaves for the main menu at once"):
        game.key("Escape", until=look.showing("main"), what="the main menu")
        game.kill()

    with scenario.step("a record broken at its sixth line is refused, and the file stays"):
        with open(record, "w") as out:
            out.write("valdmoor-record 1\nred person\nwhite person\ndeal 3\nred play 1\nred play 2\n")
        game = scenario.start_game([program, record])
        game.wait_window()
        game.wait_frame(look.showing("main"), 60, "the main menu")
        line = f"Error: {record}, line 6: \"red play 2\" is against the rules here (it is not that side's turn)"
        game.wait_until(lambda: line in game.log("log_general.log").splitlines(), 30, "the refusal in the log")
        expect(os.path.exists(record), "the refused record was moved")


if __name__ == "__main__":
    Scenario("review").run(body)
