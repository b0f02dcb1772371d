#!/usr/bin/env python3
"""`cmake --install` into a prefix of the test's own puts the game where a
Linux game goes; its launcher, started from an unrelated folder, opens the
main menu with the installed pictures and writes both logs into the
player's state folder, never into the folder it was started from. The
uninstall script then takes away every file and folder the game brought,
and the build folder's own install_manifest.txt stays as it was."""

import os
import shutil
import stat
import struct
import subprocess

from harness import logs
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, quit_from_main_menu


def png_size(path):
    with open(path, "rb") as source:
        head = source.read(24)
    expect(head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", f"{path} is not a PNG")
    return struct.unpack(">II", head[16:24])


def check_installed_files(prefix):
    launcher = os.path.join(prefix, "bin", "valdmoor")
    program = os.path.join(prefix, "libexec", "valdmoor", "valdmoor")
    expect(not os.path.exists(os.path.join(prefix, "games")), "the launcher of the package was installed too")
    for path in (launcher, program):
        expect(os.path.isfile(path) and os.stat(path).st_mode & stat.S_IXUSR, f"{path} is not an executable file")
    assets = os.path.join(prefix, "share", "games", "valdmoor", "Assets")
    missing = [name for name in ["font.glf"] + [f"{picture}.tga" for picture in logs.PICTURES]
               if not os.path.isfile(os.path.join(assets, name))]
    expect(not missing, f"missing from {assets}: {missing}")
    with open(os.path.join(prefix, "share", "applications", "valdmoor.desktop")) as source:
        lines = source.read().splitlines()
    expect(lines[0] == "[Desktop Entry]", "the desktop entry does not open with [Desktop Entry]")
    entry = dict(line.split("=", 1) for line in lines[1:] if "=" in line)
    for key, value in (("Type", "Application"), ("Name", "Valdmoor"), ("Exec", "valdmoor"), ("Icon", "valdmoor"),
                       ("Terminal", "false")):
        expect(entry.get(key) == value, f"the desktop entry's {key} is {entry.get(key)!r}, not {value!r}")
    expect("Game" in entry.get("Categories", "").split(";"), "the desktop entry is not in the Game category")
    for size in (64, 128):
        icon = os.path.join(prefix, "share", "icons", "hicolor", f"{size}x{size}", "apps", "valdmoor.png")
        expect(os.path.isfile(icon) and png_size(icon) == (size, size), f"no {size} by {size} icon at {icon}")


def play_installed(scenario, launchers, home, state_home):
    """Starts the launcher by its name, with `launchers` first on the PATH,
    in an empty folder, quits, and checks that both logs went to the state
    folder."""
    elsewhere = scenario.folder(f"elsewhere{len(scenario.games) + 1}")
    environment = scenario.display_environment()
    environment["PATH"] = launchers + os.pathsep + environment.get("PATH", "")
    environment["HOME"] = home
    environment.pop("XDG_STATE_HOME", None)
    if state_home:
        environment["XDG_STATE_HOME"] = state_home
    logdir = os.path.join(state_home or os.path.join(home, ".local", "state"), "valdmoor")
    game = open_main_menu(scenario, ["valdmoor"], elsewhere, environment, logdir)
    quit_from_main_menu(scenario, game)
    expect(not [name for name in os.listdir(elsewhere) if name.startswith("log_")],
           f"the game wrote logs into the folder it was started from: {os.listdir(elsewhere)}")
    expect(not [name for name in os.listdir(home) if name.startswith("log_")],
           "the game wrote logs into the home folder")
    logs.check_start_up(game.log("log_engine.html"))
    logs.check_shutdown(game.log("log_engine.html"))
    logs.check_general_log(game.log("log_general.log"))


def tree(root):
    """Every folder and file under `root`, as paths relative to it."""
    return {os.path.relpath(os.path.join(folder, name), root)
            for folder, folders, files in os.walk(root) for name in folders + files}


def installed(scenario, prefix):
    """Runs `cmake --install` into `prefix` and returns the manifest it wrote,
    leaving the build folder's own manifest (or its absence) as it was."""
    manifest = os.path.join(scenario.arguments.build_dir, "install_manifest.txt")
    saved = None
    if os.path.exists(manifest):
        with open(manifest, "rb") as source:
            saved = source.read()
    try:
        result = subprocess.run(["cmake", "--install", scenario.arguments.build_dir, "--prefix", prefix],
                                capture_output=True, text=True, timeout=300)
        expect(result.returncode == 0, f"cmake --install failed:\n{result.stdout}\n{result.stderr}")
        ours = scenario.folder("manifest")
        shutil.copy(manifest, ours)
        return ours
    finally:
        if saved is None:
            os.remove(manifest)
        else:
            with open(manifest, "wb") as target:
                target.write(saved)


def body(scenario):
    prefix = scenario.folder("prefix")
    # What a prefix holds before: its top-level folders, a man folder of the
    # system and a menu entry of another program beside ours.
    for folder in ("bin", "share/man/man1", "share/applications"):
        os.makedirs(os.path.join(prefix, folder))
    with open(os.path.join(prefix, "share", "applications", "other.desktop"), "w") as other:
        other.write("[Desktop Entry]\n")
    before = tree(prefix)
    with scenario.step(f"cmake --install into {prefix}"):
        manifest_folder = installed(scenario, prefix)
    with scenario.step("the program, its Assets/, the launcher, the desktop entry and the icons are installed"):
        check_installed_files(prefix)
    home = scenario.folder("home")
    with scenario.step("the launcher from an unrelated folder: logs in ~/.local/state/valdmoor"):
        play_installed(scenario, os.path.join(prefix, "bin"), home, None)
    with scenario.step("with XDG_STATE_HOME set: logs in $XDG_STATE_HOME/valdmoor"):
        play_installed(scenario, os.path.join(prefix, "bin"), home, scenario.folder("state"))
    with scenario.step("scripts/uninstall.sh leaves the prefix as it was before"):
        script = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "uninstall.sh")
        result = subprocess.run(["bash", script, manifest_folder], capture_output=True, text=True, timeout=60)
        expect(result.returncode == 0, f"the uninstall failed:\n{result.stdout}\n{result.stderr}")
        after = tree(prefix)
        expect(after == before, f"left behind: {sorted(after - before)}; removed: {sorted(before - after)}")


if __name__ == "__main__":
    Scenario("install", [(("--build-dir",), {"required": True})]).run(body)
