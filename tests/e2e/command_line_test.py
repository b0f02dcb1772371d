#!/usr/bin/env python3
"""The command line, on the real program and through its launcher: answers on
the right stream with the right exit code, no window and no log."""

import os
import shutil
import subprocess

from harness.scenario import Scenario, expect

USAGE = "Usage: valdmoor [OPTION]... [FILE]\n"
TRY = "Try 'valdmoor --help' for more information.\n"
VERSION = "Valdmoor 1.0\nCopyright (c) 2026 The Valdmoor developers, under the MIT licence.\n"

ANSWERS = [
    (["--help"], 0, "help", ""),
    (["-h"], 0, "help", ""),
    (["--version"], 0, VERSION, ""),
    (["record.txt", "--version"], 0, VERSION, ""),
    (["--bogus"], 2, "", "valdmoor: unknown option '--bogus'\n" + USAGE + TRY),
    (["first.txt", "second.txt"], 2, "", "valdmoor: extra operand '{here}second.txt'\n" + USAGE + TRY),
]


def run(command, folder, environment):
    return subprocess.run(command, cwd=folder, env=environment, capture_output=True, text=True, timeout=60)


def check_answers(scenario, command, name, environment, launched=False):
    """Each line of ANSWERS in an empty folder, where no display is named, so
    a program that went on to open its window would end with exit code 1."""
    for number, (arguments, code, out, err) in enumerate(ANSWERS, 1):
        folder = scenario.folder(f"{name}{number}")
        result = run(command + arguments, folder, environment)
        shown = f"valdmoor {' '.join(arguments)}"
        expect(result.returncode == code, f"{shown} ended with {result.returncode}, not {code}:\n{result.stderr}")
        if out == "help":
            expect(result.stdout.startswith(USAGE) and "FILE is a game record to review." in result.stdout
                   and "--version" in result.stdout, f"{shown} wrote no help:\n{result.stdout}")
        else:
            expect(result.stdout == out, f"{shown} wrote on standard output:\n{result.stdout}")
        err = err.format(here=folder + "/" if launched else "")
        expect(result.stderr == err, f"{shown} wrote on standard error:\n{result.stderr}")
        expect(os.listdir(folder) == [], f"{shown} left files in its folder: {os.listdir(folder)}")


def prefix_with(scenario, name, program):
    """An installation's layout around `program`: the launcher in bin/, the
    program where the launcher looks for it."""
    prefix = scenario.folder(name)
    for folder in ("bin", "libexec/valdmoor"):
        os.makedirs(os.path.join(prefix, folder))
    launcher = os.path.join(prefix, "bin", "valdmoor")
    # The build configures the launcher as a plain file; installing makes it a program.
    shutil.copyfile(scenario.arguments.launcher, launcher)
    os.chmod(launcher, 0o755)
    os.symlink(program, os.path.join(prefix, "libexec", "valdmoor", "valdmoor"))
    return launcher


def body(scenario):
    environment = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    environment["HOME"] = scenario.folder("home")
    environment["XDG_STATE_HOME"] = scenario.folder("state")
    program = os.path.abspath(scenario.arguments.program)
    with scenario.step("the program: answers on the right stream with the right code, no log, no window"):
        check_answers(scenario, [program], "program", environment)
    with scenario.step("the launcher: the same answers"):
        check_answers(scenario, [prefix_with(scenario, "prefix", program)], "launcher", environment, launched=True)
    with scenario.step("the launcher hands on every argument, a relative FILE named from where it started"):
        stub = os.path.join(scenario.folder("stub"), "valdmoor")
        with open(stub, "w") as out:
            out.write('#!/bin/sh\npwd\nprintf "%s\\n" "$@"\n')
        os.chmod(stub, 0o755)
        launcher = prefix_with(scenario, "stub-prefix", stub)
        start = scenario.folder("start")
        arguments = ["-", "games/record.txt", "--version", "--", "-x", "/tmp/y", "--help"]
        result = run([launcher] + arguments, start, environment)
        handed = ["-", f"{start}/games/record.txt", "--version", "--", f"{start}/-x", "/tmp/y", f"{start}/--help"]
        expect(result.returncode == 0, f"the launcher ended with {result.returncode}:\n{result.stderr}")
        expect(result.stdout.splitlines() == [os.path.join(environment["XDG_STATE_HOME"], "valdmoor")] + handed,
               f"the program was started with:\n{result.stdout}")


if __name__ == "__main__":
    Scenario("command line", [(("--launcher",), {"required": True})]).run(body)
