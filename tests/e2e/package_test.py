#!/usr/bin/env python3
"""`cpack -G DEB` makes a Debian package that passes Debian's own checks:
laid out as Debian's games are, its menu entry, AppStream description and
manual page valid, its program stripped, its dependencies read off the
program, and lintian without an error or an unexplained warning. Unpacked
into a throw-away root, its launcher opens the main menu from an empty
folder and keeps the logs in the player's state folder."""

import glob
import os
import subprocess

from harness.scenario import Scenario, expect
from install_test import play_installed

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
        play_installed(scenario, os.path.join(root, "usr", "games"), scenario.folder("home"), None)


if __name__ == "__main__":
    Scenario("Debian package", [(("--build-dir",), {"required": True}), (("--cpack",), {"default": "cpack"})]).run(body)
