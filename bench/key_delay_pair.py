#!/usr/bin/env python3
"""The key delay of two builds of the game, press for press in turn, so that
a host whose speed drifts from minute to minute weighs on both alike: each
build on a virtual display of its own, in a two-player game with a stone on
the board, Escape opening the quit question as in desktop_bench.py, whose
measure and programs this borrows. The order within a pair alternates.

  python3 bench/key_delay_pair.py --presses 80 \\
      build-before/valdmoor:build-before/Assets build-test/valdmoor:build-test/Assets

A benchmark, not a test: it judges nothing, and needs what desktop_bench.py
needs."""

import argparse
import os
import signal
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import desktop_bench                        # noqa: E402
from desktop_bench import Look, Program     # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("builds", nargs=2, metavar="PROGRAM:ASSETS", help="a valdmoor executable and its Assets")
    parser.add_argument("--presses", type=int, default=80, help="Escape presses for each build")
    arguments = parser.parse_args()
    builds = [build.split(":", 1) for build in arguments.builds]
    # A terminate or hang-up signal unwinds like an interrupt, so the displays
    # and programs started so far are stopped on the way out.
    for number in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, lambda received, frame: sys.exit(128 + received))
    games = []
    try:
        for program, assets in builds:
            look = Look(assets)
            game = Program()
            games.append((game, look))
            game.start(program, "Valdmoor", assets)
            game.wait_frame(lambda f: look.screen(f) == "main")
            desktop_bench.open_game(game, look)
        delays = [[], []]
        for press in range(arguments.presses):
            for index in ((0, 1) if press % 2 == 0 else (1, 0)):
                delays[index].append(1000 * desktop_bench.key_sample(*games[index]))
    finally:
        for game, _ in games:
            game.stop()
    print(f"{'key to swap, ms':44} {'quartile':>9} {'median':>9} {'quartile':>9} {'worst':>9}")
    for (program, _), values in zip(builds, delays):
        values.sort()
        count = len(values)
        print(f"{program:44} {values[count // 4]:9.2f} {statistics.median(values):9.2f} "
              f"{values[3 * count // 4]:9.2f} {values[-1]:9.2f}")


if __name__ == "__main__":
    main()
