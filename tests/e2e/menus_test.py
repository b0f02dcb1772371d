#!/usr/bin/env python3
"""Every menu a person can reach and leave again, by "Back" and by Escape."""

from harness import layout
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu, quit_from_main_menu


def body(scenario):
    look = scenario.look
    with scenario.step("start"):
        game = open_main_menu(scenario)
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
    with scenario.step("Escape on the main menu leaves it as it is, and Quit still ends the program"):
        game.key("Escape")
        expect(look.screen(game.capture()) == "main", "Escape left the main menu")
        quit_from_main_menu(scenario, game)


if __name__ == "__main__":
    Scenario("menus").run(body)
