#!/usr/bin/env python3
"""Questions leave nothing behind: the program's resident anonymous memory
after the quit question was opened and answered "No" 1,000 times stays
where it was after 10 (with a font loaded for every label it grew by about
110 MB). The software renderer fills caches of its own over the first
hundred or so frames of a new picture and moves its blocks a megabyte at a
time, once jumping by 5 MB on a busy machine; so the count starts after 100
questions, the renderer draws on one thread, each figure is the least of
the ten questions up to it, and the test fails only when both halves grow
by more than 2 MB: a leak grows in both, the renderer's jumps come once."""

from harness import layout
from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import ask_to_quit, choose, open_main_menu

WARM_UP = 100                               # questions before the count starts
QUESTIONS = 1000
SETTLED = 10
MIDDLE = 505
WINDOW = 10                                 # questions whose least figure is taken
HALF_SLACK_KB = 2048                        # what either half may grow by


def anonymous_kb(game):
    with open(f"/proc/{game.process.pid}/status") as status:
        for line in status:
            if line.startswith("RssAnon:"):
                return int(line.split()[1])
    raise AssertionError("the program's status has no resident anonymous size")


def ask_and_answer_no(game, look, what):
    """A tap of Escape and a click where the pointer waits over "No": each
    counts once however short, so only their effects are waited for."""
    game.input.key_down("Escape")
    game.input.key_up("Escape")
    game.wait_frame(look.dialog_open, 30, f"{what} to open")
    game.input.button_down()
    game.input.button_up()
    game.wait_frame(look.no_dialog, 30, f"{what} to close")


def body(scenario):
    look = scenario.look
    with scenario.step('start, "2 Players", and Red plays a card, so that Escape asks'):
        environment = scenario.display_environment()
        environment["LP_NUM_THREADS"] = "0"
        game = open_main_menu(scenario, environment=environment)
        choose(scenario, game, "2 Players", "game")
        match = Match(game, look, computer_white=False)
        match.begin()
        match.take("play", match.position.playable_cards(0)[0])
    with scenario.step("Escape asks the quit question; the pointer waits over its No"):
        frame = ask_to_quit(scenario, game)
        game.click(*layout.centre(look.dialog_buttons(frame)[1]), until=look.no_dialog, what="the question to close")
    figures = {}
    with scenario.step(f"{WARM_UP} questions of warm-up (numbered up to 0), then {QUESTIONS}, memory taken"):
        for number in range(1 - WARM_UP, QUESTIONS + 1):
            ask_and_answer_no(game, look, f"question {number}")
            for mark in (SETTLED, MIDDLE, QUESTIONS):
                if mark - WINDOW < number <= mark:
                    figures[mark] = min(figures.get(mark, anonymous_kb(game)), anonymous_kb(game))
    with scenario.step(f"memory after {QUESTIONS} questions against after {SETTLED}"):
        halves = (figures[MIDDLE] - figures[SETTLED], figures[QUESTIONS] - figures[MIDDLE])
        print(f"resident anonymous memory: {figures[SETTLED]} kB after {SETTLED} questions, "
              f"{figures[MIDDLE]} kB after {MIDDLE}, {figures[QUESTIONS]} kB after {QUESTIONS}")
        expect(min(halves) <= HALF_SLACK_KB,
               f"memory grew by {halves[0]} kB and then by {halves[1]} kB over two runs of {QUESTIONS - MIDDLE} questions")


if __name__ == "__main__":
    Scenario("memory over many questions").run(body)
