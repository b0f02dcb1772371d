#!/usr/bin/env python3
"""The game as a program among others on a desktop: a failed start, a free
pointer, instant taps taken once, a window that scales, fills the screen,
carries the desktop entry's class and the game's icon, and keeps a minimum size."""

import os
import re
import subprocess

from harness import layout
from harness.match import SLOT_KEYS, Match
from harness.look import read_tga
from harness.rules import RED, WHITE
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, open_unfinished_game

SCREEN = (1280, 1024)
BAR = (20, 20, 20)                          # the colour of the bars beside the scene
WHITE_LINE = 200                            # every channel of a board line is above this
ICON_SIZES = (32, 64, 128)                  # the window's icon, as Assets/ holds it
SMALLEST = (300, 240)                       # half the scene: the window never gets smaller


def xprop(game, *arguments):
    return subprocess.run(["xprop", "-id", game.window, *arguments], check=True, capture_output=True, text=True,
                          timeout=30, env={"DISPLAY": game.input.display, "PATH": "/usr/bin:/bin"}).stdout


def window_icons(game):
    """The window's icon pictures by size, each as R, G, B, A bytes, top row first."""
    text = xprop(game, "-notype", "32c", "_NET_WM_ICON")
    values = [int(value) for value in text.split("=", 1)[1].split(",")] if "=" in text else []
    icons = {}
    while values:
        width, height, values = values[0], values[1], values[2:]
        icons[(width, height)] = b"".join(argb.to_bytes(4, "big")[1:] + bytes((argb >> 24,))
                                          for argb in values[:width * height])
        values = values[width * height:]
    return icons


def asset_icon(folder, size):
    """Assets/icon<size>.tga as R, G, B, A bytes, top row first."""
    _, _, rgba = read_tga(os.path.join(folder, f"icon{size}.tga"))
    return b"".join(rgba[row * size * 4:(row + 1) * size * 4] for row in reversed(range(size)))


def instant_click(game, x, y):
    """Press and release with no pause between them, as a touchpad's tap."""
    game.move(x, y)
    game.input.run("click", "1")


def settle(game):
    for _ in range(3):
        game.polled()


def exactly_once(match, slot, act):
    """`act` plays the mover's card in `slot`; the screen then shows that one
    play and nothing more: no second play, no refusal in the status line."""
    act()
    match.account_play(slot)
    settle(match.game)
    frame = match.game.capture()
    match.check_screen(frame, match.position)
    expect(match.status_empty(frame), "the status line shows a message after one play")


def board_corners_scaled(frame, scale):
    """Whether each corner of the board's outline lies where the scale puts it."""
    left, bottom, width, height = layout.BOARD
    return all(any(min(frame.rgb(int(x * scale) + dx, int(y * scale) + dy)) > WHITE_LINE
                   for dx in (-1, 0, 1) for dy in (-1, 0, 1))
               for x in (left, left + width) for y in (bottom, bottom + height))


def scaled_like(big, reference, scale):
    """Mean difference per channel between the canvas and the scaled picture
    sampled at the centre of each canvas pixel."""
    points = [(x, y) for y in range(0, reference.height, 3) for x in range(0, reference.width, 3)]
    return sum(sum(abs(a - b) for a, b in zip(big.rgb(int((x + 0.5) * scale), int((y + 0.5) * scale)),
                                              reference.rgb(x, y))) for x, y in points) / (3 * len(points))


def body(scenario):
    look = scenario.look
    with scenario.step("a start without a display says why on standard error"):
        environment = dict(scenario.display_environment(), DISPLAY=":171")
        failed = scenario.start_game(environment=environment)
        failed.wait_exit(code=1)
        expect("valdmoor: GLFW initialization failed. (X11: Failed to open display :171)" in failed.stderr(),
               f"standard error holds {failed.stderr()!r}")
    with scenario.step("the pointer put outside the focused window stays there"):
        game = open_main_menu(scenario)
        for point in ((900, 300), (300, 800), (1200, 1000)):
            game.input.move(*point)
            settle(game)
            expect(game.input.pointer() == point, f"the pointer put on {point} is on {game.input.pointer()}")
    with scenario.step('an instant click on "2 Players" opens the game'):
        instant_click(game, *layout.centre(layout.MAIN_MENU["2 Players"]))
        game.wait_frame(look.showing("game"), 30, "the game screen")
    match = Match(game, look, computer_white=False)
    match.begin()

    with scenario.step("a key tap plays Red's card exactly once, an instant click White's"):
        slot = match.position.playable_cards(RED)[0]
        exactly_once(match, slot, lambda: game.input.run("key", SLOT_KEYS[slot]))
        slot = match.position.playable_cards(WHITE)[0]
        exactly_once(match, slot, lambda: instant_click(game, *layout.card_centre(WHITE, slot)))
    with scenario.step("F11 fills the screen with the scene and gives the window back"):
        game.input.run("key", "F11")
        game.wait_size(SCREEN, "a full-screen window")
        game.sync()
        expect(board_corners_scaled(game.capture(), SCREEN[0] / 600), "the full screen does not show the board scaled")
        game.input.run("key", "F11")
        game.wait_size((600, 480), "the window back at 600 by 480")
        game.sync()
        match.check_screen(game.capture(), match.position)
    with scenario.step('the window\'s class is "valdmoor", as the desktop entry\'s StartupWMClass'):
        expect(xprop(game, "WM_CLASS").strip() == 'WM_CLASS(STRING) = "valdmoor", "valdmoor"',
               f"the window's class reads {xprop(game, 'WM_CLASS')!r}")
        source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "dist", "valdmoor.desktop")
        with open(source) as entry:
            expect("StartupWMClass=valdmoor\n" in entry.read(), "the desktop entry names no StartupWMClass=valdmoor")
    with scenario.step("the window carries the game's icon at 32, 64 and 128 pixels, pixel for pixel"):
        icons = window_icons(game)
        expect(sorted(icons) == [(size, size) for size in ICON_SIZES], f"the window's icons are {sorted(icons)}")
        for size in ICON_SIZES:
            expect(icons[(size, size)] == asset_icon(scenario.arguments.assets, size),
                   f"the {size}-pixel icon differs from Assets/icon{size}.tga")
    with scenario.step("the window made 100 by 100 grows back to 300 by 240; 200 by 400 to 300 by 400"):
        for asked, kept in (((100, 100), SMALLEST), ((200, 400), (SMALLEST[0], 400))):
            game.input.run("windowsize", game.window, *asked)
            game.wait_size(kept, f"the window asked to be {asked} to be {kept}")
        expect(re.search(r"minimum size: 300 by 240", xprop(game, "WM_NORMAL_HINTS")),
               "the window does not tell a window manager its minimum size")
    with scenario.step('in a window of 1200 by 960, a click on the scaled "2 Players" starts a game'):
        game.kill()
        second, _ = open_unfinished_game(scenario, yes=False)
        second.resize(1200, 960)
        second.click(*layout.centre(layout.MAIN_MENU["2 Players"]))
        second.sync()
        big = second.wait_frame(lambda f: board_corners_scaled(f, 2), 30, "the board scaled twice")
    with scenario.step("the whole scene is scaled twice"):
        second.resize(600, 480)
        second.sync()
        reference = second.capture()
        expect(look.screen(reference) == "game", "the game screen is not shown at 600 by 480")
        difference = scaled_like(big, reference, 2)
        expect(difference < 12, f"the scaled scene differs from the canvas by {difference:.1f} per channel")
    with scenario.step("in a window of 900 by 480, the scene is centred between bars"):
        second.resize(900, 480)
        second.sync()
        wide = second.capture()
        expect(wide.block(150, 0, 600, 480) == reference.block(0, 0, 600, 480), "the scene is not centred")
        bars = {wide.rgb(x, y) for x in list(range(0, 150, 7)) + list(range(750, 900, 7)) for y in range(0, 480, 7)}
        expect(bars == {BAR}, f"the bars show {sorted(bars)[:5]}")
        second.kill()
    with scenario.step("the 64-pixel icon missing and the 32-pixel one cut short: the 128 shown, each said in a log"):
        folder, program = scenario.program_copy("broken-icons")
        os.remove(os.path.join(folder, "Assets", "icon64.tga"))
        with open(os.path.join(folder, "Assets", "icon32.tga"), "r+b") as icon:
            icon.truncate(100)
        third = open_main_menu(scenario, [program], workdir=folder)
        expect(sorted(window_icons(third)) == [(128, 128)], f"the window's icons are {sorted(window_icons(third))}")
        engine_log = third.log("log_engine.html")
        expect("File Assets/icon64.tga doesn't exist." in engine_log, "the engine log does not name the missing icon")
        expect("Assets/icon32.tga" in third.log("log_general.log"), "the general log does not name the broken icon")


if __name__ == "__main__":
    Scenario("desktop", screen=SCREEN).run(body)
