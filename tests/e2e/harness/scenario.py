"""One end-to-end test: a virtual display, the game started in a folder of
its own, named steps, and on failure the screenshots and logs of the step
that failed, kept under the artifacts folder."""

import argparse
import contextlib
import os
import shutil
import sys
import time
import traceback

from harness.display import VirtualDisplay
from harness.game import Game
from harness.look import Look


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


class Scenario:
    def __init__(self, name, extra_arguments=(), screen=(800, 600)):
        parser = argparse.ArgumentParser(description=f"end-to-end test: {name}")
        parser.add_argument("--program", required=True, help="the valdmoor executable")
        parser.add_argument("--assets", required=True, help="the Assets folder the build generated")
        parser.add_argument("--artifacts", required=True, help="where a failure leaves its evidence")
        for flags, options in extra_arguments:
            parser.add_argument(*flags, **options)
        self.arguments = parser.parse_args()
        self.name = name
        self.artifacts = os.path.abspath(self.arguments.artifacts)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts)
        self.look = Look(self.arguments.assets)
        self.display = None
        self.screen = screen                # width and height of the virtual screen
        self.games = []                     # every program started, for the sanitizer check and clean-up
        self._step = "setting up"
        self._started = time.monotonic()

    def folder(self, name):
        """A fresh folder under the artifacts, which stays if the test fails."""
        path = os.path.join(self.artifacts, name)
        os.makedirs(path, exist_ok=True)
        return path

    def display_environment(self):
        """The environment for a program on the test's display."""
        if self.display is None:
            self.display = VirtualDisplay(*self.screen)
        return self.display.environment()

    def program_copy(self, name):
        """A folder holding a copy of the program and of Assets/, to damage;
        the copy finds none of the build's own files beside itself."""
        folder = self.folder(name)
        shutil.copytree(self.arguments.assets, os.path.join(folder, "Assets"))
        program = os.path.join(folder, "valdmoor")
        shutil.copy2(self.arguments.program, program)
        return folder, program

    def start_game(self, command=None, workdir=None, environment=None, logdir=None):
        """Starts the program (or `command`) on the test's display, by default in
        a folder of its own that links the generated Assets/, as the build folder
        holds them. Its output goes to a folder of the artifacts."""
        own = self.display_environment()
        outputs = self.folder(f"run{len(self.games) + 1}")
        if workdir is None:
            workdir = outputs
            os.symlink(os.path.abspath(self.arguments.assets), os.path.join(workdir, "Assets"))
        game = Game(command or [os.path.abspath(self.arguments.program)], workdir, self.display,
                    environment or own, outputs, logdir)
        self.games.append(game)
        return game

    @contextlib.contextmanager
    def step(self, text):
        self._step = text
        print(f"[{time.monotonic() - self._started:7.1f} s] {text}", flush=True)
        yield

    def run(self, body):
        """Runs the test body; exits 0 when it passed and no sanitizer spoke."""
        failed = False
        try:
            body(self)
            for game in self.games:
                report = game.sanitizer_report()
                if report:
                    raise AssertionError("a sanitizer reported:\n" + "\n".join(report[:20]))
        except Exception:
            failed = True
            print(f"FAILED in step: {self._step}", file=sys.stderr)
            traceback.print_exc()
            self._keep_evidence()
        finally:
            for game in self.games:
                game.kill()
            if self.display is not None:
                self.display.stop()
        if failed:
            print(f"screenshots and logs of the failed step: {self.artifacts}", file=sys.stderr)
            sys.exit(1)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        print(f"passed in {time.monotonic() - self._started:.1f} s")

    def _keep_evidence(self):
        with open(os.path.join(self.artifacts, "failed-step.txt"), "w") as out:
            out.write(self._step + "\n")
            for number, game in enumerate(self.games, 1):
                state = "still running" if game.running() else f"ended with exit code {game.process.returncode}"
                out.write(f"run{number} ({' '.join(game.command)}): {state}\n")
        for number, game in enumerate(self.games, 1):
            if game.last_frame is not None:
                game.last_frame.save(os.path.join(self.artifacts, f"run{number}-last-judged.ppm"))
            if game.running() and game.window is not None:
                with contextlib.suppress(Exception):
                    game.capture().save(os.path.join(self.artifacts, f"run{number}-at-failure.ppm"))
