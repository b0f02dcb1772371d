"""Getting about the game as a person does: start it, wait for the main
menu, click the buttons of a screen, answer its questions."""

import os

from harness import layout, record

QUIT_QUESTION = "Are you sure you want to quit?"
RESUME_QUESTION = "Do you want to continue your unfinished game?"


def open_main_menu(scenario, command=None, workdir=None, environment=None, logdir=None):
    game = scenario.start_game(command, workdir, environment, logdir)
    game.wait_window()
    game.wait_frame(scenario.look.showing("main"), 60, "the main menu")
    return game


def open_unfinished_game(scenario, yes):
    """Starts the program over a game left unfinished and answers the question
    whether to continue it; returns the program and the frame that follows:
    the game screen after "Yes", the main menu after "No"."""
    game = scenario.start_game()
    game.wait_window()
    look = scenario.look
    game.wait_frame(lambda f: look.dialog_asks(f, RESUME_QUESTION), 60, "the question whether to continue")
    screen = "game" if yes else "main"
    frame = answer(scenario, game, yes, look.showing(screen), f"the {screen} screen")
    return game, frame


def open_main_menu_afresh(scenario):
    """The main menu, a game the last run left unfinished declined: "No"
    keeps it with the finished ones."""
    if os.path.exists(record.save_path(scenario.display_environment())):
        return open_unfinished_game(scenario, yes=False)[0]
    return open_main_menu(scenario)


def open_two_player_game(scenario):
    game = open_main_menu(scenario)
    choose(scenario, game, "2 Players", "game")
    return game


def play_against(scenario, game, level):
    """From the main menu, "1 Player" and then the level: the game screen."""
    choose(scenario, game, "1 Player", "difficulty")
    return choose(scenario, game, level, "game", layout.DIFFICULTY_MENU[level])


def choose(scenario, game, caption, screen, position=None, timeout=60):
    """Clicks a button (of the main menu unless placed) and waits for the screen it leads to."""
    return game.click(*layout.centre(position or layout.MAIN_MENU[caption]), until=scenario.look.showing(screen),
                      timeout=timeout, what=f'the {screen} screen after "{caption}"')


def answer(scenario, game, yes, until, what):
    """Clicks "Yes" or "No" in the open dialog and waits for what follows."""
    buttons = scenario.look.dialog_buttons(game.capture())
    return game.click(*layout.centre(buttons[0] if yes else buttons[1]), until=until, what=what)


def ask_to_quit(scenario, game):
    return game.key("Escape", until=lambda f: scenario.look.dialog_asks(f, QUIT_QUESTION), what="the quit question")


def leave_game(scenario, game):
    """Escape in a game under way, and "Yes" to the quit question."""
    ask_to_quit(scenario, game)
    answer(scenario, game, True, scenario.look.showing("main"), "the main menu after Yes")


def lit_under_pointer(game, caption):
    """A button of the game screen as drawn without the pointer, then lit under it."""
    button = layout.game_button(caption)
    game.sync()
    plain = game.capture().block(*button)
    game.move(*layout.centre(layout.GAME_BUTTONS[caption]))
    return plain, game.wait_frame(lambda f: f.block(*button) != plain, 10, f"{caption} lit").block(*button)


def quit_from_main_menu(scenario, game, timeout=60):
    """Clicks "Quit"; the program must end with exit code 0."""
    game.press_at(*layout.centre(layout.MAIN_MENU["Quit"]))
    game.input.button_up()
    game.wait_exit(timeout, code=0)
