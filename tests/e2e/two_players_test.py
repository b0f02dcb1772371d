#!/usr/bin/env python3
"""Two people at one machine play a game to its end with the digit keys,
the keypad, D and S and the mouse, meeting every refusal on the way; the
end-of-game question answered "Yes" starts a fresh game with Red to move.
("No" ends the games against the computer.)"""

from harness.match import Match
from harness.scenario import Scenario, expect
from harness.session import answer, leave_game, open_two_player_game

# The ways an action is taken, in turn: mostly keys, now and then the keypad or the mouse.
WAYS = ("key", "key", "mouse", "key", "keypad", "key", "mouse")


def refusals(match, done):
    """The refusals a player meets, each once a game, with their exact
    messages: the first of them that the position allows, if any."""
    position = match.position
    mover = position.current
    hand = position.hands[mover]
    if "empty" not in done and None in hand:
        done.add("empty")
        match.refuse("play", hand.index(None), "That slot does not contain a card.")
    elif "blocked" not in done and any(card is not None and not position.playable(mover, slot)
                                       for slot, card in enumerate(hand)):
        done.add("blocked")
        slot = next(slot for slot, card in enumerate(hand) if card is not None and not position.playable(mover, slot))
        match.refuse("play", slot, f"This move ({slot + 1}) is not possible, please do something else.")
    elif "skip" not in done and position.can_act(mover):
        done.add("skip")
        match.refuse("skip", None, "Skipping a turn is only allowed if there are NO possible moves.", by="mouse")
    elif "full" not in done and None not in hand:
        done.add("full")
        match.refuse("draw", None, "You already have 5 cards.")
    elif "other" not in done:
        done.add("other")
        match.refuse("play", 0, "It is not your turn. Wrong player", player=1 - mover)


def play_to_end(scenario, match):
    done = set()
    frame = match.begin()
    while not scenario.look.dialog_open(frame):
        if len(done) < 5:
            refusals(match, done)
        action, slot = match.choose()
        with scenario.step(f"action {match.actions + 1}: {('Red', 'White')[match.position.current]} "
                           f"{action}{'' if slot is None else ' ' + str(slot + 1)}"):
            frame = match.take(action, slot, by=WAYS[match.actions % len(WAYS)])
    expect(len(done) == 5, f"the game ended before every refusal was tried: {sorted(done)}")
    return match.finish(frame)


def body(scenario):
    look = scenario.look
    with scenario.step("start the game and choose 2 Players"):
        game = open_two_player_game(scenario)
    match = Match(game, look, computer_white=False)
    with scenario.step("a game to its end"):
        _, question = play_to_end(scenario, match)
    with scenario.step(f'answer "Yes" to "{question}"'):
        answer(scenario, game, True, lambda f: look.screen(f) == "game" and not look.dialog_open(f),
               "a fresh game after Yes")
    with scenario.step("the fresh game: Red's keys play Red's cards"):
        match.begin()
        match.take("play", match.position.playable_cards(0)[0])
    with scenario.step("Escape and \"Yes\" lead to the main menu"):
        leave_game(scenario, game)


if __name__ == "__main__":
    Scenario("two players").run(body)
