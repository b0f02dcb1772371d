#!/usr/bin/env python3
"""One person plays Red against the computer at a chosen difficulty, to
the end of the game; every reply of the computer must be a legal action."""

from harness.match import Match
from harness.rules import NAMES
from harness.scenario import Scenario
from harness.session import answer, choose, open_main_menu, play_against


def body(scenario):
    look = scenario.look
    level = scenario.arguments.level
    with scenario.step(f'start the game, choose "1 Player" and "{level}"'):
        game = open_main_menu(scenario)
        play_against(scenario, game, level)
    match = Match(game, look, computer_white=True)
    question = match.play_to_end(scenario, match.begin(), ("key", "mouse", "key", "keypad"))
    with scenario.step(f'after {NAMES[match.ended_by]}\'s action, answer "No" to "{question}"'):
        answer(scenario, game, False, look.showing("main"), "the main menu after No")
    with scenario.step('"2 Players" then shows a fresh game, no question left over; Escape leaves it'):
        choose(scenario, game, "2 Players", "game")
        Match(game, look, computer_white=False).begin()
        game.key("Escape", until=look.showing("main"), what="the main menu")


if __name__ == "__main__":
    Scenario("one player", [(("--level",), {"choices": ("Easy", "Medium", "Hard"), "required": True})]).run(body)
