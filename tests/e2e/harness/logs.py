"""The two log files a run leaves in its working folder, read as a person
reading them would: the engine log's start-up and shutdown lines, the
general log's picture lines and system report, and any error."""

import re

STAMP = r"\[(\d+) ms\]"
START_UP = [
    r'<html><body style="font: 12px Verdana, sans-serif;">',
    r"Release Run -  \d\d/\d\d/\d{4} \d\d:\d\d:\d\d<br>={27}<br>",
    r"\[ - \] Korvex Engine startup \.\.\.<br>",
    STAMP + r" GLFW initialization succesfull\.<br>",
    STAMP + r" Task Handler created\.<br>",
    STAMP + r" File system initialised\.<br>",
    STAMP + r" Resource Manager created\.<br>",
    STAMP + r" User initialization succesfull\.<br>",
    STAMP + r" Window Created<br>",
    STAMP + r" Window Title Set<br>",
    STAMP + r" OpenGL Advanced Init complete<br>",
    STAMP + r" Keyboard initialized<br>",
    STAMP + r" Read data<br>",
    STAMP + r" Korvex Engine startup complete\.<br><br><br>",
]
SHUTDOWN = [
    r"<br><br><br>",
    STAMP + r" Korvex Engine shutdown \.\.\.<br>",
    r"User DeInit complete\.<br>",
    r"GUI Hierarchy deleted\.<br>",
    r"Task Handler deleted\.<br>",
    r"Resource Manager deleted\.<br>",
    r"GLFW Terminated\.<br>",
    STAMP + r" Korvex Engine shutdown complete\.<br>",
    r"</body></html>",
]
# In the order the screens load them: the game screen's background, stone
# and buttons, its cards, king and knights, then the logo of the menus and
# the pictures of the instructions.
PICTURES = (["mainBackground", "rose", "buttonOut", "buttonOver"]
            + [f"card{distance}_{direction}" for distance in (1, 2, 3) for direction in range(1, 9)]
            + ["king", "knight1", "knight2", "valdmoor", "tabhidden", "tabhiddenover", "tabvisible",
               "kingexample", "knightss", "knightexample", "scoringexample1", "scoringexample2"])
REPORT = [
    r"System Info: ",
    r"============ ",
    r"\tProcessor:          .*",
    r"\tSpeed:              \d+ MHz",
    r"\tMemory:             \d+ MB",
    r"\tOperating System:   .+",
    r"Videocard:",
    r"==========",
    r"\tVendor:             .+",
    r"\tGL Renderer:        .+",
    r"\tGL Version:         .+",
    r"\tVSync:              (On|Off)",
    r"",
]


def _match_lines(lines, patterns, what):
    """Matches consecutive lines against patterns, their stamps never going back."""
    if len(lines) < len(patterns):
        raise AssertionError(f"{what}: {len(lines)} lines where {len(patterns)} belong:\n" + "\n".join(lines))
    stamps = []
    for number, (line, pattern) in enumerate(zip(lines, patterns)):
        found = re.fullmatch(pattern, line)
        if not found:
            raise AssertionError(f"{what}, line {number + 1}: {line!r} is not {pattern!r}")
        stamps += [int(group) for group in found.groups() if group and group.isdigit()]
    if stamps != sorted(stamps):
        raise AssertionError(f"{what}: the stamps go back in time: {stamps}")


def check_start_up(engine_log):
    _match_lines(engine_log.splitlines(), START_UP, "engine log start-up")


def check_shutdown(engine_log):
    _match_lines(engine_log.splitlines()[-len(SHUTDOWN):], SHUTDOWN, "engine log shutdown")


def check_quiet_run(engine_log):
    """Between start-up and shutdown the engine log holds nothing: no warning, no error."""
    lines = engine_log.splitlines()
    middle = lines[len(START_UP):len(lines) - len(SHUTDOWN)]
    if middle:
        raise AssertionError("the engine log holds lines between start-up and shutdown:\n" + "\n".join(middle))


def check_general_log(general_log):
    """First one " loaded succesfully." line per picture, each picture once
    and in the order the screens are built, then the system report and the
    empty line that ends it; nothing else."""
    lines = general_log.split("\n")
    loaded = lines[:len(PICTURES)]
    expected = [f"Assets/{name}.tga loaded succesfully." for name in PICTURES]
    if loaded != expected:
        raise AssertionError("the general log does not open with each picture loaded once, in order:\n" + general_log)
    # The file's last line end leaves one more empty piece after the split.
    report = lines[len(PICTURES):]
    if len(report) != len(REPORT) + 1 or report[-1] != "":
        raise AssertionError("the general log holds more or less than the pictures and the report:\n" + general_log)
    _match_lines(report, REPORT, "system report")


def error_lines(engine_log, general_log):
    return ([line for line in engine_log.splitlines() if "color: red" in line]
            + [line for line in general_log.splitlines() if line.startswith("Error")])
