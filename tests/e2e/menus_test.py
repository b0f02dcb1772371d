#!/usr/bin/env python3
"""Every menu a person can reach and leave again: the three pages of the
instructions, the credits, and the difficulty menu, each with "Back"."""

from harness import layout
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu


def body(scenario):
    look = scenario.look
    with scenario.step("start"):
        game = open_main_menu(scenario)
    with scenario.step('"Instructions" shows the help on its first page'):
        frame = choose(scenario, game, "Instructions", layout.MAIN_MENU["Instructions"], "help")
        expect(look.help_page(frame) == "Basics", f"the help opens on {look.help_page(frame)}, not Basics")
    for page in ("Knights", "Scoring", "Basics", "Scoring"):
        with scenario.step(f'the "{page}" tab shows its page'):
            game.click(*layout.centre(layout.TAB_HEADERS[page]), until=lambda f: look.help_page(f) == page,
                       what=f"the {page} page")
    with scenario.step('"Back" leads to the main menu'):
        choose(scenario, game, "Back", layout.CORNER_BACK, "main")
    with scenario.step("the help keeps the page shown last"):
        frame = choose(scenario, game, "Instructions", layout.MAIN_MENU["Instructions"], "help")
        expect(look.help_page(frame) == "Scoring", f"the help came back on {look.help_page(frame)}, not Scoring")
        choose(scenario, game, "Back", layout.CORNER_BACK, "main")
    with scenario.step('"Credits" and "Back"'):
        choose(scenario, game, "Credits", layout.MAIN_MENU["Credits"], "credits")
        choose(scenario, game, "Back", layout.CORNER_BACK, "main")
    with scenario.step('"1 Player" and "Back"'):
        choose(scenario, game, "1 Player", layout.MAIN_MENU["1 Player"], "difficulty")
        choose(scenario, game, "Back", layout.DIFFICULTY_MENU["Back"], "main")


if __name__ == "__main__":
    Scenario("menus").run(body)
