#!/usr/bin/env python3
"""What once hung the program or ended it badly now ends it, and says why:
a picture that is a device or a named pipe, a display that never answers,
a signal during a slow start, a second signal, a standard error whose
reader is gone, closed standard descriptors, and a display that goes away."""

import os
import signal
import subprocess
import time

from harness import logs
from harness.display import VirtualDisplay
from harness.fakedisplay import FakeDisplay
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, quit_from_main_menu
from missing_font_test import FONT_LINE, prepare

ERROR = "<div style='color: red; background-color: #EAAD98'>{}</div><br>"
CLOSING = "</body></html>"


def special_assets(scenario):
    """A folder whose Assets/ links the generated files, but for a picture
    that is the endless device and one that is a named pipe without writer."""
    folder = scenario.folder("special-assets")
    assets = os.path.join(folder, "Assets")
    os.makedirs(assets)
    source = os.path.abspath(scenario.arguments.assets)
    for name in os.listdir(source):
        os.symlink(os.path.join(source, name), os.path.join(assets, name))
    os.remove(os.path.join(assets, "king.tga"))
    os.symlink("/dev/zero", os.path.join(assets, "king.tga"))
    os.remove(os.path.join(assets, "card1_1.tga"))
    os.mkfifo(os.path.join(assets, "card1_1.tga"))
    return folder


def engine_log_tail(game, count):
    return game.log("log_engine.html").splitlines()[-count:]


def start_on(scenario, display_name):
    """The program on another display than the test's own."""
    environment = scenario.display_environment()
    environment["DISPLAY"] = display_name
    return scenario.start_game(environment=environment)


def body(scenario):
    with scenario.step("a picture that is /dev/zero and one that is a named pipe: refused, and the game plays on"):
        game = open_main_menu(scenario, workdir=special_assets(scenario))
        game.wait_log("log_general.log", "VSync:")
        engine_log = game.log("log_engine.html")
        for line in ("File Assets/king.tga is a character device, not a regular file.",
                     "File Assets/card1_1.tga is a named pipe, not a regular file."):
            expect(ERROR.format(line) in engine_log.splitlines(), f"the engine log does not say:\n{line}")
        expect("Error: Couldn't read file Assets/king.tga" in game.log("log_general.log"),
               "the general log does not name the refused picture")
        code = quit_from_main_menu(scenario, game)
        expect(code == 0, f"the program ended with exit code {code}")
        logs.check_shutdown(game.log("log_engine.html"))

    silent = FakeDisplay()
    try:
        with scenario.step("a display that never answers: refused after 10 s, exit code 1"):
            started = time.monotonic()
            game = start_on(scenario, silent.name)
            code = game.wait_exit(40)
            waited = time.monotonic() - started
            expect(code == 1, f"the program ended with exit code {code}")
            expect(waited >= 9.5, f"the program gave up after {waited:.1f} s")
            late = f"the display {silent.name} did not answer within 10 s"
            expect(game.stderr() == f"valdmoor: GLFW initialization failed. ({late})\n",
                   "standard error is not the one line:\n" + game.stderr())
            expect(engine_log_tail(game, 4) == [ERROR.format("GLFW initialization failed."),
                                               ERROR.format(f"The window system was refused: {late}."),
                                               "Error 1 during initialization, shutting down<br>", CLOSING],
                   "the engine log does not end with the refusal:\n" + game.log("log_engine.html"))
        with scenario.step("a terminate signal while it waits is pending; a second one ends it at once"):
            game = start_on(scenario, silent.name)
            game.wait_log("log_engine.html", "Korvex Engine startup ...")
            time.sleep(0.5)
            game.process.send_signal(signal.SIGTERM)
            time.sleep(1.0)
            expect(game.running(), "the first signal ended a start that was still waiting")
            game.process.send_signal(signal.SIGTERM)
            code = game.wait_exit(5)
            expect(code == 128 + signal.SIGTERM, f"the program ended with exit code {code}")
            expect(engine_log_tail(game, 2) == [
                ERROR.format("A second terminate signal came before the first had ended the program: "
                             "ending at once with exit code 143"), CLOSING],
                "the engine log does not end with the second signal's line:\n" + game.log("log_engine.html"))
    finally:
        silent.stop()

    scenario.display_environment()
    slow = FakeDisplay(answer_from=scenario.display.name, delay=2.0)
    try:
        with scenario.step("a signal while the display is slow to answer: the start stops there, in order, exit 0"):
            game = start_on(scenario, slow.name)
            game.wait_log("log_engine.html", "Korvex Engine startup ...")
            time.sleep(0.5)
            game.process.send_signal(signal.SIGTERM)
            code = game.wait_exit(30)
            expect(code == 0, f"the program ended with exit code {code}")
            engine_log = game.log("log_engine.html")
            logs.check_shutdown(engine_log)
            lines = engine_log.splitlines()
            expect(lines[3].endswith(" GLFW initialization succesfull.<br>")
                   and lines[4] == "Start-up stopped by a stop signal.<br>",
                   "the start did not stop after the windowing library's initialisation:\n" + engine_log)
            expect("Window Created" not in engine_log, "the window was opened after the signal:\n" + engine_log)
    finally:
        slow.stop()

    with scenario.step("standard error on a pipe whose reader is gone: the failed start still ends in order"):
        folder, program = prepare(scenario, "broken-pipe", os.remove)
        read_end, write_end = os.pipe()
        os.close(read_end)
        environment = scenario.display_environment()
        process = subprocess.Popen([program], cwd=folder, env=environment, stdout=write_end, stderr=write_end)
        os.close(write_end)
        code = process.wait(60)
        expect(code == 1, f"the program ended with exit code {code}")
        with open(os.path.join(folder, "log_engine.html")) as source:
            engine_log = source.read()
        logs.check_shutdown(engine_log)
        expect(ERROR.format(FONT_LINE) in engine_log.splitlines(), "the engine log does not name the font")

    with scenario.step("standard output and error closed: the logs do not take their place"):
        folder, program = prepare(scenario, "closed-streams", os.remove)
        process = subprocess.Popen([program], cwd=folder, env=scenario.display_environment(),
                                   preexec_fn=lambda: (os.close(1), os.close(2)))
        code = process.wait(60)
        expect(code == 1, f"the program ended with exit code {code}")
        with open(os.path.join(folder, "log_general.log")) as source:
            general_log = source.read()
        expect("valdmoor:" not in general_log, "the general log took standard error's lines:\n" + general_log)
        with open(os.path.join(folder, "log_engine.html")) as source:
            logs.check_shutdown(source.read())

    with scenario.step("the display goes away: a line naming the cause, the shutdown, exit code 1"):
        lost = VirtualDisplay()
        try:
            game = start_on(scenario, lost.name)
            game.wait_log("log_general.log", "VSync:")
        finally:
            lost.stop()
        code = game.wait_exit(30)
        expect(code == 1, f"the program ended with exit code {code}; stderr:\n{game.stderr()}")
        expect("valdmoor: The connection to the display was lost.\n" in game.stderr(),
               "standard error does not say why:\n" + game.stderr())
        engine_log = game.log("log_engine.html")
        logs.check_shutdown(engine_log)
        lines = engine_log.splitlines()
        cause = lines.index(ERROR.format("The connection to the display was lost."))
        expect(cause == len(lines) - len(logs.SHUTDOWN) - 1, "the cause is not the line before the shutdown:\n"
               + engine_log)


if __name__ == "__main__":
    Scenario("hangs and lost ends").run(body)
