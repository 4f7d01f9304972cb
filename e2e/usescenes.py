"""Helpers of the scenarios that use the bar: a bar placed in the open, the helper programs beside the
build, pointer moves that xdotool can always finish, the bar's solid state, the buttons and menus as they
are drawn, and the runs that Probe.exe records.

Built on tarnlib; everything here reads the screen and the files, nothing reaches into the program.
"""

from __future__ import annotations

import re
import shutil
import subprocess
import time
from dataclasses import dataclass
from pathlib import Path
from typing import Iterable, Optional

import tarnlib
from tarnlib import Colour, Rect, Region, Session, Shot, Window, check, check_equal, wait_until

TWIPS = tarnlib.TWIPS_PER_PIXEL

# A place with room on every side: below for tips and menus, left for the drag source.
BAR_LEFT = 200
BAR_TOP = 100
BAR_WIDTH = 376
BAR_HEIGHT = 48

# The toolbar's buttons lie in the band of this height at the top of the client area.
TOOLBAR_BAND = 24

# The twelve keys of the settings file.
SETTINGS_KEYS = ["FolderPath", "Delay", "Alpha", "NoDelayOnScreenBorder", "OnScreenBoderOnly", "FileGrouping",
                 "IconsInMenus", "ShortcutLNK", "Left", "Top", "Width", "Height"]


def helpers_dir(s: Session) -> Path:
    """Where the helper programs are built: build/<tree>/e2e/helpers beside build/<tree>/src/TarnDock.exe."""
    folder = s.exe.parent.parent / "e2e" / "helpers"
    check(folder.is_dir(), f"helper programs not built: {folder} is missing")
    return folder


def place_bar(s: Session, left: int = BAR_LEFT, top: int = BAR_TOP, extra: Iterable[tuple[str, object]] = ()) -> None:
    s.write_settings([("Left", left * TWIPS), ("Top", top * TWIPS)] + list(extra))


def put_probe(s: Session, folder: Path, name: str = "Probe.exe") -> Path:
    folder.mkdir(parents=True, exist_ok=True)
    target = folder / name
    shutil.copy(helpers_dir(s) / "Probe.exe", target)
    return target


# ----------------------------------------------------------------------------------------------
# Probe runs


@dataclass(frozen=True)
class ProbeRun:
    command_line: str
    argv: list[str]

    @property
    def arguments(self) -> list[str]:
        return self.argv[1:]


def probe_runs(folder: Path) -> list[ProbeRun]:
    log = folder / "probe.log"
    if not log.is_file():
        return []
    runs = []
    for line in log.read_bytes().decode("utf-8").split("\r\n"):
        if line:
            fields = line.split("\t")
            runs.append(ProbeRun(fields[0], fields[1:]))
    return runs


def wait_probe_runs(folder: Path, count: int, timeout: float = 15.0) -> list[ProbeRun]:
    runs = wait_until(lambda: len(probe_runs(folder)) >= count and probe_runs(folder), timeout,
                      f"{count} run(s) of the probe recorded in {folder / 'probe.log'}")
    return runs


def check_no_new_probe_run(folder: Path, count: int, settle: float, what: str) -> None:
    """Waits settle seconds and checks that the probe has still run only count times."""
    deadline = time.monotonic() + settle
    while time.monotonic() < deadline:
        runs = probe_runs(folder)
        check(len(runs) == count, f"{what}, but the probe ran: {runs[count:]}")
        time.sleep(0.1)


# ----------------------------------------------------------------------------------------------
# Pointer


def pointer(s: Session) -> tuple[int, int]:
    out = s.x("xdotool", "getmouselocation", "--shell").stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"])


def move(s: Session, x: int, y: int) -> None:
    """Moves the pointer; xdotool's synchronous move would wait for ever for a move to where it already is."""
    if pointer(s) != (x, y):
        s.move(x, y)


def click(s: Session, x: int, y: int, button: int = 1) -> None:
    move(s, x, y)
    s.x("xdotool", "click", str(button))


def glide(s: Session, x: int, y: int, steps: int = 10, pause: float = 0.03) -> None:
    """Moves the pointer in steps, as a hand does; a drag and drop follows only moves it sees."""
    x0, y0 = pointer(s)
    for i in range(1, steps + 1):
        move(s, x0 + (x - x0) * i // steps, y0 + (y - y0) * i // steps)
        time.sleep(pause)


# ----------------------------------------------------------------------------------------------
# Windows


def _class_pattern(s: Session) -> str:
    return "^" + re.escape(s.exe.name) + "$"


def all_window_ids(s: Session) -> set[int]:
    """Every X window of the program, mapped or not."""
    found = s.x("xdotool", "search", "--classname", _class_pattern(s), check_rc=False)
    return {int(token) for token in found.stdout.split()}


def visible_ids(s: Session) -> set[int]:
    """The program's mapped X windows, in one quick call (no geometry), for polls that time something."""
    found = s.x("xdotool", "search", "--onlyvisible", "--classname",
                 _class_pattern(s), check_rc=False)
    return {int(token) for token in found.stdout.split()}


def wait_new_window(s: Session, known: set[int], what: str, timeout: float = 10.0) -> Window:
    """The first visible window of the program that is not among known."""
    window = wait_until(lambda: next((w for w in s.windows() if w.id not in known), None), timeout, what,
                        interval=0.05)
    s.log(f"found {window}")
    return s.wait_stable_window(window, settle=0.3)


def wait_hidden(s: Session, window_id: int, timeout: float, what: str) -> None:
    wait_until(lambda: window_id not in visible_ids(s), timeout, what, interval=0.05)


def run_helper(s: Session, name: str, *args: str, timeout: float = 30.0) -> subprocess.CompletedProcess:
    """Runs a helper program to its end in the session's prefix and display."""
    result = subprocess.run([tarnlib.WINE, str(helpers_dir(s) / name), *args], env=s.env, capture_output=True,
                            text=True, timeout=timeout)
    s.log(f"{name} {' '.join(args)}: {result.returncode} {result.stdout.strip()!r}")
    return result


def start_helper(s: Session, name: str, *args: str, ready: str, attempts: int = 3) -> tarnlib.Program:
    """Starts a helper program, which the session ends at its teardown if it is still running, and waits for
    the first line of its output to begin with ready.

    A helper that could not set itself up (it ends without a word, or with a line "error ..."), which has
    nothing to do with the program under test, is logged with its errors and started again, up to attempts
    times."""
    for attempt in range(1, attempts + 1):
        program = s.start_program([str(helpers_dir(s) / name), *args], name, pipe_stdout=True)
        line = program.popen.stdout.readline().strip()
        if line and not line.startswith("error"):
            check(line.startswith(ready), f"{program.label} did not come up: {line!r}")
            return program
        rc = program.popen.wait(10)
        s.log(f"{program.label} ended with {rc} before it was up, saying {line!r} (attempt {attempt} of "
              f"{attempts}); its errors: {program.log_path.read_text(errors='replace').strip()!r}")
    raise tarnlib.ScenarioFailure(f"{name} did not come up in {attempts} attempts")


# ----------------------------------------------------------------------------------------------
# The bar


def luminance(c: Colour) -> float:
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def is_dark(c: Colour) -> bool:
    return luminance(c) < 96


def most_common(region: Region) -> Colour:
    counts: dict[Colour, int] = {}
    for c in region.colours():
        counts[c] = counts.get(c, 0) + 1
    return max(counts.items(), key=lambda kv: kv[1])[0]


class Bar:
    """The started bar: its window, the root colour behind it, and the parts of its client area."""

    def __init__(self, s: Session, window: Window, root: Colour):
        self.s = s
        self.window = window
        self.root = root
        self.face: Optional[Colour] = None

    @staticmethod
    def start(s: Session, label: str = "TarnDock") -> tuple[tarnlib.Program, "Bar"]:
        """Starts the program and waits for its bar; the root colour is read where the bar will stand."""
        root = s.screenshot("before-start").pixel(BAR_LEFT + 10, BAR_TOP + 10)
        program = s.start(label)
        window = s.wait_stable_window(s.wait_window(what="the bar window"))
        check_equal(window.rect, Rect(BAR_LEFT, BAR_TOP, BAR_WIDTH, BAR_HEIGHT), "bar window on the screen")
        return program, Bar(s, window, root)

    @property
    def rect(self) -> Rect:
        return self.window.rect

    @property
    def strip(self) -> Rect:
        """Columns 4 to 10 from the left window edge: background in every frame metric, never a button."""
        return Rect(self.rect.x + 4, self.rect.y + 4, 7, self.rect.height - 8)

    @property
    def margin_point(self) -> tuple[int, int]:
        """A point of the bar's background below the buttons, away from the sizing border."""
        return self.rect.x + self.rect.width // 2, self.rect.bottom - 12

    def band(self, border: int = 3) -> Rect:
        """The toolbar's band: the client area's top rows, from the toolbar's left edge to the grip."""
        return Rect(self.rect.x + border + 8, self.rect.y + border, self.rect.width - 2 * border - 16, TOOLBAR_BAND)

    def is_solid(self, region: Region) -> bool:
        return region.fraction(lambda c: c == self.root) < 0.25

    def make_solid(self, timeout: float = 5.0) -> Shot:
        """Rests the pointer on the bar's background until the bar turns solid; returns that screenshot."""
        move(self.s, *self.margin_point)
        shot, region = self.s.wait_screen("bar-solid", self.strip, self.is_solid, timeout,
                                          "the bar to turn solid under the resting pointer")
        self.face = most_common(shot.region(Rect(self.margin_point[0] - 20, self.margin_point[1] - 2, 40, 4)))
        return shot

    def button_icons(self, shot: Shot) -> list[Rect]:
        """The drawn pictures in the toolbar's band, left to right: each button's icon, and a menu button's
        arrow as a picture of its own. Columns apart by 3 or more belong to different pictures."""
        check(self.face is not None, "button_icons needs the face colour of the solid bar")
        band = self.band()
        region = shot.region(band)
        columns = []
        for x in range(band.x, band.right):
            rows = [y for y in range(band.y, band.bottom) if region.at(x, y) != self.face]
            columns.append((x, rows))
        pictures: list[Rect] = []
        start = last = None
        top, bottom = band.bottom, band.y
        for x, rows in columns + [(band.right + 3, [])]:
            if rows:
                if start is None or x - last >= 3:
                    if start is not None:
                        pictures.append(Rect(start, top, last - start + 1, bottom - top + 1))
                    start, top, bottom = x, band.bottom, band.y
                last = x
                top, bottom = min(top, rows[0]), max(bottom, rows[-1])
            elif start is not None and x - last >= 3:
                pictures.append(Rect(start, top, last - start + 1, bottom - top + 1))
                start = None
        return pictures

    def hot_button(self, before: Shot, after: Shot) -> Rect:
        """The rectangle of the button that hovering lit: where the band differs between two screenshots."""
        band = self.band()
        a, b = before.region(band), after.region(band)
        changed = [(x, y) for x in range(band.x, band.right) for y in range(band.y, band.bottom) if a.at(x, y) != b.at(x, y)]
        check(changed, f"hovering lit no button ({before.path.name} and {after.path.name} show the same band)")
        xs = [x for x, _ in changed]
        ys = [y for _, y in changed]
        return Rect(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def centre(rect: Rect) -> tuple[int, int]:
    return rect.x + rect.width // 2, rect.y + rect.height // 2


# ----------------------------------------------------------------------------------------------
# Menus as drawn


@dataclass(frozen=True)
class MenuPicture:
    rect: Rect
    entries: list[Rect]  # one per line of text, top to bottom
    separators: list[int]  # the y of each separator line


def read_menu(shot: Shot, rect: Rect) -> MenuPicture:
    """Finds the lines of text and the separator lines of a popup menu drawn in rect."""
    inner = Rect(rect.x + 3, rect.y + 3, rect.width - 6, rect.height - 6)
    region = shot.region(inner)
    face = most_common(region)
    entries: list[Rect] = []
    separators: list[int] = []
    run_start = None
    for y in range(inner.y, inner.bottom + 1):
        row = [region.at(x, y) for x in range(inner.x, inner.right)] if y < inner.bottom else []
        has_text = any(is_dark(c) for c in row)
        if has_text and run_start is None:
            run_start = y
        if not has_text and run_start is not None:
            entries.append(Rect(inner.x, run_start, inner.width, y - run_start))
            run_start = None
        # A separator is a line across most of the menu in one colour that is neither face nor text.
        if row and not has_text:
            off_face = [c for c in row if c != face]
            if len(off_face) >= 0.8 * len(row) and len(set(off_face)) == 1:
                if not separators or separators[-1] != y - 1:
                    separators.append(y)
    return MenuPicture(rect, entries, separators)


def entry_point(menu: MenuPicture, index: int) -> tuple[int, int]:
    """A point on a menu's entry, on its text line, left of the shortcut column."""
    line = menu.entries[index]
    return menu.rect.x + min(40, menu.rect.width // 3), line.y + line.height // 2


# ----------------------------------------------------------------------------------------------
# The end of a run


def check_settings_written(s: Session, left: int = BAR_LEFT, top: int = BAR_TOP) -> tarnlib.IniFile:
    """The settings file holds the twelve keys, each once, and the bar's place. The scenarios prepare a file
    with the place alone, and a write keeps the keys that were there where they were, so the order is not
    the one of a file that the program creates."""
    ini = s.read_settings()
    check_equal(sorted(k for k, _ in ini.pairs()), sorted(SETTINGS_KEYS), "keys of the settings file")
    check_equal(ini.int("Left"), left * TWIPS, "Left in the settings file")
    check_equal(ini.int("Top"), top * TWIPS, "Top in the settings file")
    return ini
