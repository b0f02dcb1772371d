#!/usr/bin/env python3
"""Escape leaves a game at once while no card has been played; after a
card it asks "Are you sure you want to quit?": "No" keeps the game as it
was, "Yes" leads to the main menu."""

from harness import layout
from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import QUIT_QUESTION as QUESTION, answer, choose, leave_game, open_two_player_game


def body(scenario):
    look = scenario.look
    with scenario.step('start and choose "2 Players"'):
        game = open_two_player_game(scenario)
    match = Match(game, look, computer_white=False)
    with scenario.step("Escape before the first card leaves at once"):
        match.begin()
        game.key("Escape", until=lambda f: look.screen(f) == "main", what="the main menu")
    with scenario.step("a fresh game, and Red plays a card"):
        choose(scenario, game, "2 Players", layout.MAIN_MENU["2 Players"], "game")
        match.begin()
        match.take("play", match.position.playable_cards(0)[0])
    with scenario.step(f'after a card, Escape asks "{QUESTION}"'):
        game.key("Escape", until=lambda f: look.dialog_asks(f, QUESTION), what="the quit question")
    with scenario.step('"No" leaves the game as it was, the keys still playing for White'):
        frame = answer(scenario, game, False, lambda f: not look.dialog_open(f), "the question to close")
        match.check_screen(frame, match.position)
        expect(look.screen(frame) == "game", "the game screen is not shown after No")
        match.take("play", match.position.playable_cards(match.position.current)[0])
    with scenario.step('Escape again and "Yes" leads to the main menu'):
        leave_game(scenario, game)
    with scenario.step("choosing the game again starts a fresh one with Red to move"):
        choose(scenario, game, "2 Players", layout.MAIN_MENU["2 Players"], "game")
        match.begin()
        match.take("play", match.position.playable_cards(0)[0])


if __name__ == "__main__":
    Scenario("escape").run(body)
