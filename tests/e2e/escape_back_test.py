#!/usr/bin/env python3
"""Escape is "Back" on the instructions, the credits and the difficulty
menu: each returns to the main menu, from where the program still quits."""

from harness import layout
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu, quit_from_main_menu

SCREENS = (("Instructions", "help"), ("Credits", "credits"), ("1 Player", "difficulty"))


def body(scenario):
    look = scenario.look
    with scenario.step("start"):
        game = open_main_menu(scenario)
    for caption, screen in SCREENS + SCREENS[:1]:
        with scenario.step(f'"{caption}", then Escape leads to the main menu'):
            choose(scenario, game, caption, layout.MAIN_MENU[caption], screen)
            game.key("Escape", until=lambda f: look.screen(f) == "main", what="the main menu after Escape")
    with scenario.step("Escape on the main menu leaves it as it is, and Quit still ends the program"):
        game.key("Escape")
        expect(look.screen(game.capture()) == "main", "Escape left the main menu")
        expect(quit_from_main_menu(scenario, game) == 0, "the program did not end cleanly")


if __name__ == "__main__":
    Scenario("escape back").run(body)
