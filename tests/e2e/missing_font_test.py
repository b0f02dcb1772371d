#!/usr/bin/env python3
"""Without its font, missing or damaged, the program ends its start with exit
code 1 and a line naming the font, after an orderly shutdown that frees the
screens it had begun: no orphaned resources in the engine log and, in the
sanitizer build, no leak report."""

import os
import shutil

from harness import logs
from harness.scenario import Scenario, expect

FONT_LINE = "Couldn't load the font from Assets/font.glf"


def prepare(scenario, name, damage):
    """A folder holding a copy of the program and of Assets/ with the font
    damaged; the copy keeps the program from finding the build's own font
    beside itself."""
    folder = scenario.folder(name)
    shutil.copytree(scenario.arguments.assets, os.path.join(folder, "Assets"))
    damage(os.path.join(folder, "Assets", "font.glf"))
    program = os.path.join(folder, "valdmoor")
    shutil.copy2(scenario.arguments.program, program)
    return folder, program


def truncate(path):
    with open(path, "rb") as source:
        head = source.read(100)
    with open(path, "wb") as out:
        out.write(head)


def check_failed_start(scenario, folder, program, missing):
    game = scenario.start_game([program], workdir=folder)
    code = game.wait_exit(60)
    expect(code == 1, f"the program ended with exit code {code}; stderr:\n{game.stderr()[-3000:]}")
    expect(f"valdmoor: {FONT_LINE}" in game.stderr(), "stderr does not name the font:\n" + game.stderr())
    engine_log = game.log("log_engine.html")
    logs.check_start_up(engine_log)
    logs.check_shutdown(engine_log)
    expect("orphaned resource" not in engine_log, "the engine log reports orphans:\n" + engine_log)
    expected = (["File Assets/font.glf doesn't exist."] if missing else []) + [FONT_LINE]
    errors = [line for line in engine_log.splitlines() if "color: red" in line]
    expect([any(text in line for line in errors) for text in expected] == [True] * len(expected)
           and len(errors) == len(expected), "the engine log's errors are not the font's:\n" + "\n".join(errors))


def body(scenario):
    with scenario.step("font missing: exit code 1, an orderly shutdown, nothing orphaned or leaked"):
        folder, program = prepare(scenario, "missing-font", os.remove)
        check_failed_start(scenario, folder, program, missing=True)
    with scenario.step("font cut short: the same"):
        folder, program = prepare(scenario, "damaged-font", truncate)
        check_failed_start(scenario, folder, program, missing=False)


if __name__ == "__main__":
    Scenario("missing font").run(body)
