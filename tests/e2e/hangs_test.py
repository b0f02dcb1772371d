#!/usr/bin/env python3
"""What once hung the program, leaked or ended it badly now ends it, and says
why: a damaged font, special files among the pictures, displays that never
or late answer or go away, signals during a start, broken standard streams."""

import os
import signal
import subprocess
import threading
import time

from harness import logs
from harness.display import VirtualDisplay
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, quit_from_main_menu

ERROR = "<div style='color: red; background-color: #EAAD98'>{}</div><br>"
CLOSING = "</body></html>"
FONT_LINE = "Couldn't load the font from Assets/font.glf"


def without_font(scenario, name):
    folder, program = scenario.program_copy(name)
    os.remove(os.path.join(folder, "Assets", "font.glf"))
    return folder, program


def start_without_font(scenario, name, **streams):
    """The program without its font, its standard streams as `streams` say:
    exit code 1 and the shutdown in order; its engine and general logs."""
    folder, program = without_font(scenario, name)
    code = subprocess.Popen([program], cwd=folder, env=scenario.display_environment(), **streams).wait(60)
    expect(code == 1, f"the program ended with exit code {code}")
    found = []
    for log in ("log_engine.html", "log_general.log"):
        with open(os.path.join(folder, log)) as source:
            found.append(source.read())
    logs.check_shutdown(found[0])
    return found


def font_refused(scenario, name, missing):
    """The font missing or cut short: exit code 1, a line naming the font, the
    whole start-up and shutdown, and no error in the engine log but the font's."""
    if missing:
        folder, program = without_font(scenario, name)
    else:
        folder, program = scenario.program_copy(name)
        with open(os.path.join(folder, "Assets", "font.glf"), "r+b") as font:
            font.truncate(100)
    game = scenario.start_game([program], workdir=folder)
    game.wait_exit(code=1)
    expect(f"valdmoor: {FONT_LINE}" in game.stderr(), "stderr does not name the font:\n" + game.stderr())
    engine_log = game.log("log_engine.html")
    logs.check_start_up(engine_log)
    logs.check_shutdown(engine_log)
    expect("orphaned resource" not in engine_log, "the engine log reports orphans:\n" + engine_log)
    expected = (["File Assets/font.glf doesn't exist."] if missing else []) + [FONT_LINE]
    errors = [line for line in engine_log.splitlines() if "color: red" in line]
    expect(len(errors) == len(expected) and all(any(text in line for line in errors) for text in expected),
           "the engine log's errors are not the font's:\n" + "\n".join(errors))


def start_on(scenario, display_name):
    return scenario.start_game(environment=dict(scenario.display_environment(), DISPLAY=display_name))


def body(scenario):
    with scenario.step("font missing: exit code 1, an orderly shutdown, nothing orphaned or leaked"):
        font_refused(scenario, "missing-font", missing=True)
    with scenario.step("font cut short: the same"):
        font_refused(scenario, "damaged-font", missing=False)
    with scenario.step("a picture that is /dev/zero and one that is a named pipe: refused, and the game plays on"):
        folder, program = scenario.program_copy("special-assets")
        os.remove(os.path.join(folder, "Assets", "king.tga"))
        os.symlink("/dev/zero", os.path.join(folder, "Assets", "king.tga"))
        os.remove(os.path.join(folder, "Assets", "card1_1.tga"))
        os.mkfifo(os.path.join(folder, "Assets", "card1_1.tga"))
        game = open_main_menu(scenario, [program], workdir=folder)
        game.wait_log("log_general.log", "VSync:")
        engine_log = game.log("log_engine.html")
        for line in ("File Assets/king.tga is a character device, not a regular file.",
                     "File Assets/card1_1.tga is a named pipe, not a regular file."):
            expect(ERROR.format(line) in engine_log.splitlines(), f"the engine log does not say:\n{line}")
        expect("Error: Couldn't read file Assets/king.tga" in game.log("log_general.log"),
               "the general log does not name the refused picture")
        quit_from_main_menu(scenario, game)
        logs.check_shutdown(game.log("log_engine.html"))
    with scenario.step("standard error on a pipe whose reader is gone: the failed start still ends in order"):
        read_end, write_end = os.pipe()
        os.close(read_end)
        engine_log, _ = start_without_font(scenario, "broken-pipe", stdout=write_end, stderr=write_end)
        os.close(write_end)
        expect(ERROR.format(FONT_LINE) in engine_log.splitlines(), "the engine log does not name the font")
    with scenario.step("standard output and error closed: the logs do not take their place"):
        _, general_log = start_without_font(scenario, "closed-streams", preexec_fn=lambda: (os.close(1), os.close(2)))
        expect("valdmoor:" not in general_log, "the general log took standard error's lines:\n" + general_log)
    # A display of the test's own: stopped, it never answers; let go on 2 s
    # later, it is slow to answer; stopped for good, it goes away.
    other = VirtualDisplay()
    other.pause(True)
    try:
        with scenario.step("a display that never answers: refused after 10 s, exit code 1"):
            started = time.monotonic()
            game = start_on(scenario, other.name)
            game.wait_exit(40, code=1)
            waited = time.monotonic() - started
            expect(waited >= 9.5, f"the program gave up after {waited:.1f} s")
            late = f"the display {other.name} did not answer within 10 s"
            expect(game.stderr() == f"valdmoor: GLFW initialization failed. ({late})\n",
                   "standard error is not the one line:\n" + game.stderr())
            expect(game.log("log_engine.html").splitlines()[-4:] == [
                ERROR.format("GLFW initialization failed."), ERROR.format(f"The window system was refused: {late}."),
                "Error 1 during initialization, shutting down<br>", CLOSING],
                "the engine log does not end with the refusal:\n" + game.log("log_engine.html"))
        with scenario.step("a terminate signal while it waits is pending; a second one ends it at once"):
            game = start_on(scenario, other.name)
            game.wait_log("log_engine.html", "Korvex Engine startup ...")
            time.sleep(0.5)
            game.process.send_signal(signal.SIGTERM)
            time.sleep(1.0)
            expect(game.running(), "the first signal ended a start that was still waiting")
            game.process.send_signal(signal.SIGTERM)
            game.wait_exit(5, code=128 + signal.SIGTERM)
            expect(game.log("log_engine.html").splitlines()[-2:] == [
                ERROR.format("A second terminate signal came before the first had ended the program: "
                             "ending at once with exit code 143"), CLOSING],
                "the engine log does not end with the second signal's line:\n" + game.log("log_engine.html"))
        with scenario.step("a signal while the display is slow to answer: the start stops there, in order, exit 0"):
            game = start_on(scenario, other.name)
            threading.Timer(2.0, other.pause, (False,)).start()
            game.wait_log("log_engine.html", "Korvex Engine startup ...")
            time.sleep(0.5)
            game.process.send_signal(signal.SIGTERM)
            game.wait_exit(30, code=0)
            engine_log = game.log("log_engine.html")
            logs.check_shutdown(engine_log)
            lines = engine_log.splitlines()
            expect(lines[3].endswith(" GLFW initialization succesfull.<br>")
                   and lines[4] == "Start-up stopped by a stop signal.<br>",
                   "the start did not stop after the windowing library's initialisation:\n" + engine_log)
            expect("Window Created" not in engine_log, "the window was opened after the signal:\n" + engine_log)
        with scenario.step("the display goes away: a line naming the cause, the shutdown, exit code 1"):
            game = start_on(scenario, other.name)
            game.wait_log("log_general.log", "VSync:")
            other.stop()
            game.wait_exit(30, code=1)
            expect("valdmoor: The connection to the display was lost.\n" in game.stderr(),
                   "standard error does not say why:\n" + game.stderr())
            engine_log = game.log("log_engine.html")
            logs.check_shutdown(engine_log)
            lines = engine_log.splitlines()
            cause = lines.index(ERROR.format("The connection to the display was lost."))
            expect(cause == len(lines) - len(logs.SHUTDOWN) - 1, "the cause is not the line before the shutdown:\n"
                   + engine_log)
    finally:
        other.stop()


if __name__ == "__main__":
    Scenario("hangs and lost ends").run(body)
