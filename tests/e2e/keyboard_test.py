#!/usr/bin/env python3
"""The whole program worked by keyboard alone: the menus' and questions' focus,
a game against the computer played to its end by keys, Ctrl with a game key
doing nothing, Y, N, Enter and Escape on questions, Ctrl+N, and Quit."""

from harness import layout
from harness.look import near
from harness.match import Match
from harness.rules import RED
from harness.scenario import Scenario, expect
from harness.session import RESUME_QUESTION, ask_to_quit, open_main_menu

FOCUS = (200, 190, 20)                      # the band inside the focused button's edges
NEW_GAME_QUESTION = "Start a new game? This game will be kept with your finished games."
FULL_HAND = "You already have 5 cards."


def focused(frame, buttons):
    """The captions of the buttons that show the focus band along all four edges."""
    def banded(x, y):
        edges = ([(x + dx, y + dy) for dx in range(8, 120, 8) for dy in (0, 1, 30, 31)]
                 + [(x + dx, y + dy) for dx in (0, 1, 126, 127) for dy in range(4, 28, 4)])
        return all(near(frame.rgb(px, py), FOCUS) for px, py in edges)
    return [caption for caption, at in buttons.items() if banded(*at)]


def focus_key(game, key, buttons, caption):
    """Presses a key and waits for the focus to show on the button named."""
    return game.key(key, until=lambda f: focused(f, buttons) == [caption],
                    what=f'the focus on "{caption}" after {key}')


def dialog_buttons(scenario, frame):
    return dict(zip(("Yes", "No"), scenario.look.dialog_buttons(frame)))


def quit_by_keys(scenario, game):
    """Up until the focus is on "Quit", round the column, and Enter: exit code 0."""
    for _ in range(len(layout.MAIN_MENU) + 1):
        before = focused(game.capture(), layout.MAIN_MENU)
        if before == ["Quit"]:
            break
        game.key("Up", until=lambda f: focused(f, layout.MAIN_MENU) != before, what="the focus to move up")
    expect(focused(game.capture(), layout.MAIN_MENU) == ["Quit"], "Up never brought the focus to Quit")
    game.input.key_down("Return")
    game.wait_exit(30, code=0)


def body(scenario):
    look = scenario.look
    with scenario.step("the main menu shows no focus until a key moves it"):
        game = open_main_menu(scenario)
        frame = game.capture()
        expect(focused(frame, layout.MAIN_MENU) == [], "a focus shows before any key")
    with scenario.step("Down shows the focus on the first button; Down, Up, Shift+Tab and Tab move it, wrapping"):
        for key, caption in (("Down", "1 Player"), ("Down", "2 Players"), ("Up", "1 Player"), ("shift+Tab", "Quit"),
                             ("Tab", "1 Player")):
            focus_key(game, key, layout.MAIN_MENU, caption)
    with scenario.step('Enter takes "1 Player": the difficulty screen, its own focus hidden'):
        frame = game.key("Return", until=look.showing("difficulty"), what="the difficulty screen")
        expect(focused(frame, layout.DIFFICULTY_MENU) == [], "the difficulty screen shows a focus before any key")
    with scenario.step('Tab shows the focus on "Easy", Up wraps to "Back", Down comes back, Space takes "Easy"'):
        for key, caption in (("Tab", "Easy"), ("Up", "Back"), ("Down", "Easy")):
            focus_key(game, key, layout.DIFFICULTY_MENU, caption)
        game.key("space", until=look.showing("game"), what="the game screen")
    match = Match(game, look, computer_white=True)
    frame = match.begin()
    with scenario.step(f'D with a full hand says "{FULL_HAND}"; Ctrl+D and Alt+D say and do nothing'):
        for key in ("ctrl+d", "alt+d"):
            game.key(key)
            frame = game.capture()
            match.check_screen(frame, match.position, first_action=True)
            expect(match.status_empty(frame), f"{key} wrote in the status line")
        match.refuse("draw", None, FULL_HAND)
    with scenario.step("Ctrl with a card's key plays nothing"):
        slot = match.position.playable_cards(RED)[0]
        game.key(f"ctrl+{slot + 1}")
        match.check_screen(game.capture(), match.position, first_action=True)

    def ctrl_d_does_nothing():
        if match.choose()[0] == "draw" and match.actions % 3 == 0:
            game.key("ctrl+d")
            match.check_screen(game.capture(), match.position)
    match.play_to_end(scenario, game.capture(), ("keypad", "key"), ctrl_d_does_nothing)
    with scenario.step("the end question: Enter takes its default, Yes, and a new game begins"):
        game.key("Return", until=look.no_dialog, what="the question to close")
        match.begin()
    with scenario.step("a card played, Escape asks to quit; Enter takes the default, No; Escape and N say No too"):
        match.take("play", match.position.playable_cards(RED)[0])
        for key in ("Return", "Escape", "n"):
            ask_to_quit(scenario, game)
            frame = game.key(key, until=look.no_dialog, what="the question to close")
            expect(look.screen(frame) == "game", f"{key} on the quit question left the game")
            match.check_screen(frame, match.position)
    with scenario.step("on a question, Tab shows the focus on its default and moves it; Enter takes the focused Yes"):
        frame = ask_to_quit(scenario, game)
        buttons = dialog_buttons(scenario, frame)
        expect(focused(frame, buttons) == [], "the question shows a focus before any key")
        focus_key(game, "Tab", buttons, "No")
        focus_key(game, "Tab", buttons, "Yes")
        game.key("Return", until=look.showing("main"), what="the main menu")
    with scenario.step('the menu keeps its focus; Down and Space take "2 Players"'):
        focus_key(game, "Down", layout.MAIN_MENU, "2 Players")
        game.key("space", until=look.showing("game"), what="the game screen")
        match = Match(game, look, computer_white=False)
        match.begin()
    with scenario.step(f'Ctrl+N after a card asks "{NEW_GAME_QUESTION}"; Enter keeps the game'):
        match.take("play", match.position.playable_cards(RED)[0])
        game.key("ctrl+n", until=lambda f: look.dialog_asks(f, NEW_GAME_QUESTION), what="the new-game question")
        frame = game.key("Return", until=look.no_dialog, what="the question to close")
        match.check_screen(frame, match.position)
    with scenario.step("Ctrl+N and Y: a new game between two people"):
        game.key("ctrl+n", until=lambda f: look.dialog_asks(f, NEW_GAME_QUESTION), what="the new-game question")
        game.key("y", until=look.no_dialog, what="the question to close")
        match.begin()
        match.take("play", match.position.playable_cards(RED)[0])
    with scenario.step("Y on the quit question leads to the main menu, where Up and Enter take Quit"):
        ask_to_quit(scenario, game)
        game.key("y", until=look.showing("main"), what="the main menu")
        focus_key(game, "Up", layout.MAIN_MENU, "1 Player")
        quit_by_keys(scenario, game)
    with scenario.step(f'the next start asks "{RESUME_QUESTION}" over the main menu; Tab and Enter answer No'):
        game = scenario.start_game()
        game.wait_window()
        frame = game.wait_frame(lambda f: look.dialog_asks(f, RESUME_QUESTION), 60, "the question whether to continue")
        buttons = dialog_buttons(scenario, frame)
        focus_key(game, "Tab", buttons, "Yes")
        focus_key(game, "Tab", buttons, "No")
        frame = game.key("Return", until=look.showing("main"), what="the main menu without the question")
        expect(focused(frame, layout.MAIN_MENU) == [], "the main menu shows a focus the question's keys moved")
        quit_by_keys(scenario, game)


if __name__ == "__main__":
    Scenario("keyboard").run(body)
