#!/usr/bin/env python3
"""The game as a program among others on a desktop: a failed start says why
in the window system's words; the pointer goes wherever the person puts it;
a click or a key tap over in an instant takes effect exactly once; the window
may be resized, the scene scaled to fit between dark bars, and F11 fills the
screen and gives it back."""

from harness import layout
from harness.match import SLOT_KEYS, Match
from harness.rules import RED, WHITE
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, open_unfinished_game

SCREEN = (1280, 1024)
BAR = (20, 20, 20)                          # the colour of the bars beside the scene
WHITE_LINE = 200                            # every channel of a board line is above this


def instant_click(game, x, y):
    """Press and release with no pause between them, as a touchpad's tap."""
    game.move(x, y)
    game.input.run("click", "1")


def settle(game):
    for _ in range(3):
        game.polled()


def exactly_once(match, mover, slot, act):
    """`act` plays the mover's card in `slot`; the screen then shows that one
    play and nothing more: no second play, no refusal in the status line."""
    after = match.position.copy()
    after.play(slot)
    act()
    game = match.game
    game.wait_frame(lambda f: match._turn_is(f, 1 - mover), 30, "the play to hand the turn over")
    match.landed(after.king)
    settle(game)
    frame = game.capture()
    match.check_screen(frame, after)
    expect(match.status_empty(frame), "the status line shows a message after one play")
    match.position = after


def board_corners_scaled(frame, scale):
    """Whether each corner of the board's outline lies where the scale puts it."""
    left, bottom = layout.BOARD_ORIGIN
    right, top = left + 9 * layout.SQUARE, bottom + 9 * layout.SQUARE
    for x, y in ((left, bottom), (left, top), (right, bottom), (right, top)):
        near = [frame.rgb(int(x * scale) + dx, int(y * scale) + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        if not any(min(pixel) > WHITE_LINE for pixel in near):
            return False
    return True


def scaled_like(big, reference, scale):
    """Mean difference per channel between the canvas and the scaled picture
    sampled at the centre of each canvas pixel."""
    total = 0
    for y in range(0, reference.height, 3):
        for x in range(0, reference.width, 3):
            shown = big.rgb(int((x + 0.5) * scale), int((y + 0.5) * scale))
            total += sum(abs(a - b) for a, b in zip(shown, reference.rgb(x, y)))
    return total / (3 * len(range(0, reference.height, 3)) * len(range(0, reference.width, 3)))


def body(scenario):
    look = scenario.look
    with scenario.step("a start without a display says why on standard error"):
        environment = dict(scenario.display_environment(), DISPLAY=":171")
        failed = scenario.start_game(environment=environment)
        code = failed.wait_exit(60)
        expect(code == 1, f"the failed start ended with exit code {code}")
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
        game.wait_frame(lambda f: look.screen(f) == "game", 30, "the game screen")
    match = Match(game, look, computer_white=False)
    match.begin()

    with scenario.step("a key tap plays Red's card exactly once"):
        slot = match.position.playable_cards(RED)[0]
        exactly_once(match, RED, slot, lambda: game.input.run("key", SLOT_KEYS[slot]))

    with scenario.step("an instant click on a card plays White's card exactly once"):
        slot = match.position.playable_cards(WHITE)[0]
        point = layout.centre((layout.HAND_X[WHITE], layout.SLOT_Y[slot]), layout.CARD_SIZE)
        exactly_once(match, WHITE, slot, lambda: instant_click(game, *point))

    with scenario.step("F11 fills the screen with the scene and gives the window back"):
        game.input.run("key", "F11")
        game.wait_until(lambda: game.input.geometry(game.window)[2:] == SCREEN, 10, "a full-screen window")
        game.size = SCREEN
        game.sync()
        expect(board_corners_scaled(game.capture(), SCREEN[0] / 600), "the full screen does not show the board scaled")
        game.input.run("key", "F11")
        game.wait_until(lambda: game.input.geometry(game.window)[2:] == (600, 480), 10, "the window back at 600 by 480")
        game.size = (600, 480)
        game.sync()
        match.check_screen(game.capture(), match.position)

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


if __name__ == "__main__":
    Scenario("desktop", screen=SCREEN).run(body)
