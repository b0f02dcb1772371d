#!/usr/bin/env python3
"""Two people play a game to its end by keys, keypad and mouse, meeting every
refusal; the end question and the quit question answered both ways."""

from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import QUIT_QUESTION, answer, ask_to_quit, choose, leave_game, open_two_player_game

# The ways an action is taken, in turn: mostly keys, now and then the keypad or the mouse.
WAYS = ("key", "key", "mouse", "key", "keypad", "key", "mouse")


def refusals(match, done):
    """The refusals a player meets, each once a game, with their exact
    messages: the first of them that the position allows, if any."""
    position = match.position
    mover = position.current
    hand = position.hands[mover]
    blocked = [slot for slot, card in enumerate(hand) if card is not None and not position.playable(mover, slot)]
    if "empty" not in done and None in hand:
        done.add("empty")
        match.refuse("play", hand.index(None), "That slot does not contain a card.")
    elif "blocked" not in done and blocked:
        done.add("blocked")
        match.refuse("play", blocked[0], f"This move ({blocked[0] + 1}) is not possible, please do something else.")
    elif "skip" not in done and position.can_act(mover):
        done.add("skip")
        match.refuse("skip", None, "Skipping a turn is only allowed if there are NO possible moves.", by="mouse")
    elif "full" not in done and None not in hand:
        done.add("full")
        match.refuse("draw", None, "You already have 5 cards.")
    elif "other" not in done:
        done.add("other")
        match.refuse("play", 0, "It is not your turn. Wrong player", player=1 - mover)


def body(scenario):
    look = scenario.look
    with scenario.step('start, "2 Players", and Escape before the first card leaves at once'):
        game = open_two_player_game(scenario)
        match = Match(game, look, computer_white=False)
        match.begin()
        game.key("Escape", until=look.showing("main"), what="the main menu")
        choose(scenario, game, "2 Players", "game")
    done = set()
    question = match.play_to_end(scenario, match.begin(), WAYS, lambda: len(done) < 5 and refusals(match, done))
    expect(len(done) == 5, f"the game ended before every refusal was tried: {sorted(done)}")
    with scenario.step(f'answer "Yes" to "{question}": a fresh game, Red\'s keys play Red\'s cards'):
        answer(scenario, game, True, look.showing("game"), "a fresh game after Yes")
        match.begin()
        match.take("play", match.position.playable_cards(0)[0])
    with scenario.step(f'after a card, Escape asks "{QUIT_QUESTION}"; "No" leaves the game as it was'):
        ask_to_quit(scenario, game)
        frame = answer(scenario, game, False, look.no_dialog, "the question to close")
        match.check_screen(frame, match.position)
        expect(look.screen(frame) == "game", "the game screen is not shown after No")
        match.take("play", match.position.playable_cards(match.position.current)[0])
    with scenario.step('Escape again and "Yes" leads to the main menu; the game chosen again starts afresh'):
        leave_game(scenario, game)
        choose(scenario, game, "2 Players", "game")
        match.begin()
        match.take("play", match.position.playable_cards(0)[0])


if __name__ == "__main__":
    Scenario("two players").run(body)
