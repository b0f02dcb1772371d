#!/usr/bin/env python3
"""Random clicks, drags and key presses over every screen for --seconds (or
VALDMOOR_SOAK_SECONDS; VALDMOOR_SOAK_SEED repeats a run); the program then
still answers, quits cleanly, and neither log holds an error."""

import os
import random
import time

from harness import layout, logs
from harness.scenario import Scenario, expect
from harness.session import choose, open_main_menu, quit_from_main_menu

KEYS = ("1", "2", "3", "4", "5", "KP_1", "KP_3", "KP_5", "d", "s", "Escape", "q", "space", "Return", "F1")
HAND_SLOTS = [(x, y) for x in layout.HAND_X for y in layout.SLOT_Y]
# The buttons a person is likely to click on each screen; never the main menu's Quit.
BUTTONS = {
    "difficulty": list(layout.DIFFICULTY_MENU.values()),
    "help": list(layout.TAB_HEADERS.values()) + [layout.CORNER_BACK],
    "credits": [layout.CORNER_BACK],
    "game": list(layout.GAME_BUTTONS.values()),
}
QUIT = layout.MAIN_MENU["Quit"]
# Where the main menu's buttons lead; the soak takes the one seen least so far.
TOURS = {"difficulty": "1 Player", "game": "2 Players", "help": "Instructions", "credits": "Credits"}
STAY = 10                                   # random actions on a screen before the soak moves on


def settle(game):
    """Four mouse polls: the last click's release has been taken in, its action
    run, and the frame drawn after it is on screen."""
    for _ in range(4):
        game.sync()


def random_action(chance, game, look, frame):
    """A click, a button's click, a drag, another button or a key, for what the frame shows."""
    screen = look.screen(frame)
    dialog = list(look.dialog_buttons(frame)) if look.dialog_open(frame) else []
    kind = chance.choices(("click", "button", "drag", "other button", "key"), (3, 4, 1, 1, 3))[0]
    start = end = (chance.randrange(1, 600), chance.randrange(1, 480))
    if kind == "button" and (screen in BUTTONS or dialog):
        start = end = layout.centre(chance.choice(BUTTONS.get(screen, []) + dialog))
        if screen == "game" and chance.random() < 0.5:
            start = end = layout.centre(chance.choice(HAND_SLOTS), layout.CARD_SIZE)
    elif kind == "drag":
        end = (chance.randrange(1, 600), chance.randrange(1, 480))
    kind = "click" if kind == "button" else kind
    if kind in ("click", "drag"):
        # Where a release could quit the program, make sure the screen has
        # caught up with the last action before trusting it is not the main menu.
        if QUIT[0] - 2 <= end[0] <= QUIT[0] + 130 and QUIT[1] - 2 <= end[1] <= QUIT[1] + 34:
            settle(game)
            if look.screen(game.capture()) == "main":
                return
        if kind == "click":
            game.click(*start)
        else:
            game.drag(start, end)
        # Two polls with the pointer off every widget, so that the release
        # cannot be taken in later over whatever the next action points at.
        game.sync()
        game.sync()
    elif kind == "other button":
        game.move(*start)
        button = chance.choice((2, 3))
        game.input.button_down(button)
        game.sync()
        game.input.button_up(button)
    else:
        game.key(chance.choice(KEYS))


def back_to_main_menu(scenario, game):
    """From wherever the soak left it: answer dialogs, leave the game, go back."""
    look = scenario.look
    for _ in range(40):
        frame = game.capture()
        screen = look.screen(frame)
        if screen == "main":
            return
        if look.dialog_open(frame):
            game.click(*layout.centre(look.dialog_buttons(frame)[0]))
        elif screen == "game":
            game.key("Escape")
        elif screen in ("help", "credits"):
            game.click(*layout.centre(layout.CORNER_BACK))
        elif screen == "difficulty":
            game.click(*layout.centre(layout.DIFFICULTY_MENU["Back"]))
        settle(game)
    raise AssertionError("the main menu could not be reached again")


def body(scenario):
    seconds = float(os.environ.get("VALDMOOR_SOAK_SECONDS") or scenario.arguments.seconds)
    seed = int(os.environ.get("VALDMOOR_SOAK_SEED") or random.randrange(1 << 31))
    chance = random.Random(seed)
    print(f"soaking for {seconds:.0f} s with VALDMOOR_SOAK_SEED={seed}", flush=True)
    with scenario.step("start"):
        game = open_main_menu(scenario)
    # A few random actions on each screen, then back to the main menu and on to the screen seen least.
    visits = {screen: 0 for screen in ["main"] + list(TOURS)}
    here, stayed = None, 0
    with scenario.step(f"random input for {seconds:.0f} s"):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            frame = game.capture()
            screen = scenario.look.screen(frame)
            stayed, here = (stayed + 1 if screen == here else 0), screen
            if screen in visits:
                visits[screen] += 1
            if screen == "main" and stayed >= 2:
                game.click(*layout.centre(layout.MAIN_MENU[TOURS[min(TOURS, key=visits.get)]]))
                settle(game)
            elif screen not in (None, "main") and stayed >= STAY:
                back_to_main_menu(scenario, game)
            else:
                random_action(chance, game, scenario.look, frame)
            expect(game.running(), f"the program ended after {sum(visits.values())} random actions")
    print("random actions on each screen: " + ", ".join(f"{screen} {count}" for screen, count in visits.items()),
          flush=True)
    with scenario.step("the program still answers: back to the main menu, Instructions, Back"):
        back_to_main_menu(scenario, game)
        choose(scenario, game, "Instructions", "help")
        choose(scenario, game, "Back", "main", layout.CORNER_BACK)
    with scenario.step("Quit ends it cleanly, and neither log holds an error"):
        quit_from_main_menu(scenario, game)
        engine_log, general_log = game.log("log_engine.html"), game.log("log_general.log")
        logs.check_shutdown(engine_log)
        errors = logs.error_lines(engine_log, general_log)
        expect(not errors, "the logs hold errors:\n" + "\n".join(errors))


if __name__ == "__main__":
    Scenario("soak", [(("--seconds",), {"type": float, "default": 60.0})]).run(body)
