#!/usr/bin/env python3
"""`cmake --install` puts the game where a Linux game goes; its launcher keeps
the logs in the player's state folder; the uninstall script takes away every
file and folder it brought, and the build's install_manifest.txt stays. With
--cpack, `cpack -G DEB` makes a Debian package that passes Debian's own
checks, and its launcher, unpacked, does the same."""

import glob
import os
import shutil
import stat
import struct
import subprocess

from harness import logs
from harness.scenario import Scenario, expect
from harness.session import open_main_menu, quit_from_main_menu

# The lintian warnings the package may carry, each for a reason of its own.
ALLOWED_WARNINGS = {
    # The first upload of a package closes no bug in Debian's tracker: the
    # game has never been in Debian.
    "initial-upload-closes-no-bugs",
}

FILES = [
    "usr/games/valdmoor",
    "usr/libexec/valdmoor/valdmoor",
    "usr/share/games/valdmoor/Assets/font.glf",
    "usr/share/games/valdmoor/Assets/valdmoor.tga",
    "usr/share/applications/valdmoor.desktop",
    "usr/share/icons/hicolor/64x64/apps/valdmoor.png",
    "usr/share/icons/hicolor/128x128/apps/valdmoor.png",
    "usr/share/metainfo/org.example.Valdmoor.metainfo.xml",
    "usr/share/man/man6/valdmoor.6.gz",
    "usr/share/doc/valdmoor/copyright",
    "usr/share/doc/valdmoor/changelog.Debian.gz",
]


def run(command, what, timeout=300):
    result = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    expect(result.returncode == 0, f"{what} failed ({' '.join(command)}):\n{result.stdout}\n{result.stderr}")
    return result.stdout + result.stderr


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
        run(["cmake", "--install", scenario.arguments.build_dir, "--prefix", prefix], "cmake --install")
        ours = scenario.folder("manifest")
        shutil.copy(manifest, ours)
        return ours
    finally:
        if saved is None:
            os.remove(manifest)
        else:
            with open(manifest, "wb") as target:
                target.write(saved)


def build_package(scenario):
    output = scenario.folder("package")
    run([scenario.arguments.cpack, "-G", "DEB", "--config", os.path.join(scenario.arguments.build_dir, "CPackConfig.cmake"),
         "-B", output], "cpack")
    architecture = run(["dpkg", "--print-architecture"], "dpkg").strip()
    packages = glob.glob(os.path.join(output, "*.deb"))
    expected = os.path.join(output, f"valdmoor_1.0-1_{architecture}.deb")
    expect(packages == [expected], f"cpack made {packages}, not {expected}")
    return expected


def check_control(package):
    fields = {}
    for line in run(["dpkg-deb", "--field", package], "dpkg-deb --field").splitlines():
        if ":" in line and not line.startswith(" "):
            key, value = line.split(":", 1)
            fields[key] = value.strip()
    for key, value in (("Package", "valdmoor"), ("Section", "games"), ("Priority", "optional")):
        expect(fields.get(key) == value, f"the package's {key} is {fields.get(key)!r}, not {value!r}")
    depends = [item.split()[0] for item in fields.get("Depends", "").split(",") if item.strip()]
    for library in ("libc6", "libglfw3", "libstdc++6"):
        expect(library in depends, f"the dependencies {depends} lack {library}")


def check_contents(root):
    missing = [path for path in FILES if not os.path.isfile(os.path.join(root, path))]
    expect(not missing, f"missing from the package: {missing}")
    program = os.path.join(root, "usr/libexec/valdmoor/valdmoor")
    kind = run(["file", "-b", program], "file")
    expect(", stripped" in kind, f"the program is not stripped: {kind}")
    sections = run(["readelf", "-S", "-W", program], "readelf")
    expect(".debug_" not in sections, "the program still carries debug information")


def check_descriptions(root):
    run(["desktop-file-validate", os.path.join(root, "usr/share/applications/valdmoor.desktop")],
        "desktop-file-validate")
    run(["appstreamcli", "validate", "--no-net",
         os.path.join(root, "usr/share/metainfo/org.example.Valdmoor.metainfo.xml")], "appstreamcli validate")
    environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
    page = subprocess.run(["man", "--warnings", "-l", os.path.join(root, "usr/share/man/man6/valdmoor.6.gz")],
                          capture_output=True, text=True, timeout=60, env=environment)
    expect(page.returncode == 0 and not page.stderr, f"the manual page does not format cleanly:\n{page.stderr}")
    for heading in ("NAME", "SYNOPSIS", "HOW TO PLAY", "KEYS", "FILES", "EXIT STATUS"):
        expect(f"\n{heading}\n" in page.stdout, f"the manual page has no {heading} section")


def check_lintian(scenario, package):
    result = subprocess.run(["lintian", "--no-cfg", "--tag-display-limit", "0", package],
                            capture_output=True, text=True, timeout=600)
    report = result.stdout + result.stderr
    with open(os.path.join(scenario.folder("lintian"), "report.txt"), "w") as out:
        out.write(report)
    tags = [line.split()[:3] for line in report.splitlines() if line[:2] in ("E:", "W:")]
    errors = [" ".join(tag) for tag in tags if tag[0] == "E:"]
    expect(not errors, f"lintian reports errors:\n{report}")
    unexplained = [" ".join(tag) for tag in tags if tag[0] == "W:" and tag[2] not in ALLOWED_WARNINGS]
    expect(not unexplained, f"lintian warnings without a reason here:\n{report}")
    expect(result.returncode == 0, f"lintian failed:\n{report}")


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
        run(["bash", os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "uninstall.sh"), manifest_folder],
            "the uninstall")
        after = tree(prefix)
        expect(after == before, f"left behind: {sorted(after - before)}; removed: {sorted(before - after)}")
    if scenario.arguments.cpack:
        check_package(scenario)


def check_package(scenario):
    with scenario.step("cpack -G DEB names the package valdmoor_<version>_<architecture>.deb"):
        package = build_package(scenario)
    with scenario.step("its fields: section games, dependencies read off the program"):
        check_control(package)
    root = scenario.folder("root")
    with scenario.step(f"dpkg -x into {root}: every file in place, the program stripped"):
        run(["dpkg-deb", "-x", package, root], "dpkg -x")
        check_contents(root)
    with scenario.step("the menu entry, the AppStream description and the manual page are valid"):
        check_descriptions(root)
    with scenario.step("lintian: no errors, and only the warnings explained here"):
        check_lintian(scenario, package)
    with scenario.step("the unpacked launcher from an empty folder: main menu, logs in the state folder"):
        play_installed(scenario, os.path.join(root, "usr", "games"), scenario.folder("package-home"), None)


if __name__ == "__main__":
    Scenario("install", [(("--build-dir",), {"required": True}), (("--cpack",), {})]).run(body)
