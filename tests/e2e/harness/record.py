"""The game records the program writes: the save of the game in progress and the games it keeps."""

import os
import re

ACTION = re.compile(r"^(red|white) (play [1-5]|draw|draw shuffle \d{1,10}|skip)$")
SEATS = (re.compile(r"^red (person|computer [1-4])$"), re.compile(r"^white (person|computer [1-4])$"))


def folder(environment, variable):
    """The program's own folder in one of the player's folders of the environment."""
    return os.path.join(environment[variable], "valdmoor")


def save_path(environment):
    return os.path.join(folder(environment, "XDG_STATE_HOME"), "current-game.record")


def read_actions(path):
    """The actions of a whole, well-formed record; fails naming the first line that is not."""
    with open(path, encoding="ascii") as source:
        lines = source.read().split("\n")
    if lines.pop() != "":
        raise AssertionError(f"{path} does not end with a whole line")
    if len(lines) < 4 or lines[0] != "valdmoor-record 1" or not SEATS[0].match(lines[1]) \
            or not SEATS[1].match(lines[2]) or not re.match(r"^deal \d{1,10}$", lines[3]):
        raise AssertionError(f"{path} does not open as a record: {lines[:4]}")
    actions = lines[4:-1] if lines[-1].startswith("result ") else lines[4:]
    for number, line in enumerate(actions, 5):
        if not ACTION.match(line):
            raise AssertionError(f"{path}, line {number}: {line!r} is no action")
    return actions
