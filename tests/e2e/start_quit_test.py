#!/usr/bin/env python3
"""The program starts with the whole start-up in its logs; every menu can be
reached and left again, by "Back" and by Escape; "Quit" or a stop signal
ends the program with exit code 0 and the whole shutdown."""

import signal

from harness import layout, logs
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu, open_two_player_game, quit_from_main_menu


def body(scenario):
    look = scenario.look
    with scenario.step("start: the main menu, the start-up in the engine log, every picture in the general log"):
        game = open_main_menu(scenario)
        game.wait_log("log_engine.html", "Korvex Engine startup complete.")
        logs.check_start_up(game.log("log_engine.html"))
        game.wait_log("log_general.log", "VSync:")
        logs.check_general_log(game.log("log_general.log"))
    with scenario.step('"Instructions" shows the help on its first page'):
        frame = choose(scenario, game, "Instructions", "help")
        expect(look.help_page(frame) == "Basics", f"the help opens on {look.help_page(frame)}, not Basics")
    for page in ("Knights", "Scoring", "Basics", "Scoring"):
        with scenario.step(f'the "{page}" tab shows its page'):
            game.click(*layout.centre(layout.TAB_HEADERS[page]), until=lambda f: look.help_page(f) == page,
                       what=f"the {page} page")
    with scenario.step('"Back" leads to the main menu; the help keeps the page shown last'):
        choose(scenario, game, "Back", "main", layout.CORNER_BACK)
        frame = choose(scenario, game, "Instructions", "help")
        expect(look.help_page(frame) == "Scoring", f"the help came back on {look.help_page(frame)}, not Scoring")
        choose(scenario, game, "Back", "main", layout.CORNER_BACK)
    with scenario.step('"Credits" and "Back", "1 Player" and "Back"'):
        choose(scenario, game, "Credits", "credits")
        choose(scenario, game, "Back", "main", layout.CORNER_BACK)
        choose(scenario, game, "1 Player", "difficulty")
        choose(scenario, game, "Back", "main", layout.DIFFICULTY_MENU["Back"])
    for caption, screen in (("Instructions", "help"), ("Credits", "credits"), ("1 Player", "difficulty"),
                            ("Instructions", "help")):
        with scenario.step(f'"{caption}", then Escape leads to the main menu'):
            choose(scenario, game, caption, screen)
            game.key("Escape", until=look.showing("main"), what="the main menu after Escape")
    with scenario.step("Escape on the main menu leaves it as it is"):
        game.key("Escape")
        expect(look.screen(game.capture()) == "main", "Escape left the main menu")
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
    Scenario("start, menus and stop").run(body)
