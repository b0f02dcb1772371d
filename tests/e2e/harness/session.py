"""Getting about the game as a person does: start it, wait for the main
menu, click the buttons of a screen, answer its questions."""

from harness import layout

QUIT_QUESTION = "Are you sure you want to quit?"
RESUME_QUESTION = "Do you want to continue your unfinished game?"


def open_main_menu(scenario, command=None, workdir=None, environment=None, logdir=None):
    """Starts the program and returns it once its window shows the main menu."""
    game = scenario.start_game(command, workdir, environment, logdir)
    game.wait_window()
    game.wait_frame(lambda frame: scenario.look.screen(frame) == "main", 60, "the main menu")
    return game


def open_unfinished_game(scenario, yes):
    """Starts the program over a game left unfinished, waits for the question
    whether to continue it and answers; returns the program and the frame
    that follows: the game screen after "Yes", the main menu after "No"."""
    game = scenario.start_game()
    game.wait_window()
    look = scenario.look
    game.wait_frame(lambda f: look.dialog_asks(f, RESUME_QUESTION), 60, "the question whether to continue")
    screen = "game" if yes else "main"
    frame = answer(scenario, game, yes, lambda f: look.screen(f) == screen and not look.dialog_open(f),
                   f"the {screen} screen")
    return game, frame


def open_two_player_game(scenario):
    """Starts the program and chooses "2 Players" on its main menu."""
    game = open_main_menu(scenario)
    choose(scenario, game, "2 Players", layout.MAIN_MENU["2 Players"], "game")
    return game


def play_against(scenario, game, level):
    """From the main menu, "1 Player" and then the level: the game screen."""
    choose(scenario, game, "1 Player", layout.MAIN_MENU["1 Player"], "difficulty")
    return choose(scenario, game, level, layout.DIFFICULTY_MENU[level], "game")


def choose(scenario, game, caption, position, screen, timeout=60):
    """Clicks a button by its caption and waits for the screen it leads to."""
    return game.click(*layout.centre(position), until=lambda frame: scenario.look.screen(frame) == screen,
                      timeout=timeout, what=f'the {screen} screen after "{caption}"')


def answer(scenario, game, yes, until, what):
    """Clicks "Yes" or "No" in the open dialog and waits for what follows."""
    buttons = scenario.look.dialog_buttons(game.capture())
    return game.click(*layout.centre(buttons[0] if yes else buttons[1]), until=until, what=what)


def leave_game(scenario, game):
    """Presses Escape in a game under way and answers "Yes" to the quit question."""
    look = scenario.look
    game.key("Escape", until=lambda f: look.dialog_asks(f, QUIT_QUESTION), what="the quit question")
    answer(scenario, game, True, lambda f: look.screen(f) == "main", "the main menu after Yes")


def quit_from_main_menu(scenario, game, timeout=60):
    """Clicks "Quit" and returns the program's exit code."""
    game.press_at(*layout.centre(layout.MAIN_MENU["Quit"]))
    game.input.button_up()
    return game.wait_exit(timeout)
