"""Helpers of the bar scenarios: a demo button folder, a coloured root window, the bar's client area on
the screen, fast reads of a part of the screen, and the two looks of the bar (see-through, solid with
the grip dots).

The bar is a layered window whose colour key is the button-face colour. Under Wine without a
compositor the key is cut out of the window's shape, so wherever the bar is see-through the screen
shows what lies beneath (the root window, or another program's window); the opacity does not show.
"""

from __future__ import annotations

import os
import re
import shutil
import subprocess
import time
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Optional

import tarnlib
from tarnlib import Colour, Rect, Region, Session, Window, check, colour_name

TWIPS = tarnlib.TWIPS_PER_PIXEL

# A root colour that none of Wine's system colours has, so that "shows the root" is unambiguous.
ROOT = (0x33, 0x66, 0xAA)

ORDER_FILE = "TarnDock_Folder.ini"
ORDER_HEADER = "; >>> This file has been created and is used by the program TarnDock. <<<"

# The toolbar stands 120 twips from the client's left edge, and as far from the right edge.
MARGIN = 120 // TWIPS


def is_root(c: Colour) -> bool:
    return c == ROOT


# ----------------------------------------------------------------------------------------------
# Display and other programs


def x_env(s: Session) -> dict:
    return dict(os.environ, DISPLAY=s.display)


def x(s: Session, *args: str, check_rc: bool = True) -> subprocess.CompletedProcess:
    return s.x(*args, check_rc=check_rc)


def set_root(s: Session, colour: Colour = ROOT) -> None:
    """Paints the root window; the display runs with -noreset, so the colour stays after xsetroot ends."""
    x(s, "xsetroot", "-solid", colour_name(colour).lower())


def class_windows(s: Session, exe: str) -> list[Window]:
    """The visible windows of every running exe (Wine names a window's class after its program)."""
    found = x(s, "xdotool", "search", "--onlyvisible", "--classname", "^" + re.escape(exe) + "$", check_rc=False)
    return [w for w in (s.window_info(int(token)) for token in found.stdout.split()) if w is not None]


class WineProgram:
    """Another Windows program of the session's prefix (one of Wine's own, such as notepad.exe)."""

    def __init__(self, s: Session, exe: str):
        self.session = s
        self.exe = exe
        self._log = open(s.artifacts / f"{Path(exe).stem}.log", "w")
        # The session's environment names its prefix and its own server folder, so this program
        # shares the bar's wineserver and the session's teardown ends it in any case.
        self.popen = subprocess.Popen([tarnlib.WINE, exe], env=s.env, stdin=subprocess.DEVNULL, stdout=self._log,
                                      stderr=subprocess.STDOUT, start_new_session=True)
        s.log(f"started {exe} (pid {self.popen.pid})")

    def windows(self) -> list[Window]:
        return class_windows(self.session, self.exe)

    def end(self) -> None:
        if self.popen.poll() is None:
            self.popen.terminate()
            try:
                self.popen.wait(10)
            except subprocess.TimeoutExpired:
                self.popen.kill()
                self.popen.wait(5)
        self._log.close()


# ----------------------------------------------------------------------------------------------
# Button folder and settings


@dataclass
class ButtonFolder:
    path: Path
    entries: list[str]       # the order file's entries: file names and "<>"
    sub_folders: list[str]

    @property
    def buttons(self) -> int:
        """Buttons on the bar: one per entry (separators included), then one per sub folder."""
        return len(self.entries) + len(self.sub_folders)


def make_button_folder(s: Session, extra_notes: int = 0, name: str = "Bar Demo") -> ButtonFolder:
    """A folder of real files on drive C: text files, two of Wine's programs, a sub folder, an order file.

    extra_notes more text files follow at the end of the order.
    """
    drive_c = s.prefix / "drive_c"
    folder = drive_c / name
    tools = folder / "Tools"
    tools.mkdir(parents=True)
    for note in ("Alpha notes.txt", "Beta notes.txt", "Gamma notes.txt"):
        (folder / note).write_bytes(tarnlib.encode_text_file([f"This is {note}."]))
    shutil.copy(drive_c / "windows" / "notepad.exe", folder / "Notepad.exe")
    shutil.copy(drive_c / "windows" / "regedit.exe", folder / "Regedit.exe")
    (tools / "Tool notes.txt").write_bytes(tarnlib.encode_text_file(["A file in a menu."]))
    shutil.copy(drive_c / "windows" / "notepad.exe", tools / "Editor.exe")
    extras = [f"Note {i:02d}.txt" for i in range(1, extra_notes + 1)]
    for note in extras:
        (folder / note).write_bytes(tarnlib.encode_text_file([note]))
    entries = ["Notepad.exe", "<>", "Alpha notes.txt", "Regedit.exe", "Beta notes.txt", "<>",
               "Gamma notes.txt"] + extras
    (folder / ORDER_FILE).write_bytes(tarnlib.encode_text_file([ORDER_HEADER, "[FileNames]"] + entries))
    return ButtonFolder(folder, entries, ["Tools"])


def write_bar_settings(s: Session, folder: ButtonFolder, left: int, top: int, width: int = 5640,
                       height: int = 720, **more: object) -> None:
    """Settings with the bar's top left corner at (left, top) pixels and its size in twips."""
    pairs = [("FolderPath", s.windows_path(folder.path)), ("Left", left * TWIPS), ("Top", top * TWIPS),
             ("Width", width), ("Height", height)]
    s.write_settings(pairs + list(more.items()))


def start_bar(s: Session) -> tuple[tarnlib.Program, Window]:
    program = s.start()
    bar = s.wait_stable_window(s.wait_window(what="the bar window"), settle=1.0)
    return program, bar


# ----------------------------------------------------------------------------------------------
# Reading the screen


def read_region(s: Session, rect: Rect) -> Optional[Region]:
    """Just rect of the screen, read without keeping a file: fast enough to time a change to a tick or two."""
    out = subprocess.run(["import", "-window", "root", "-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}",
                          "+repage", "-depth", "8", "txt:-"], env=x_env(s), capture_output=True, text=True,
                         timeout=15).stdout
    pixels = {}
    for line in out.splitlines():
        m = re.match(r"^(\d+),(\d+):\s*\([^)]*\)\s*#([0-9A-Fa-f]{6})", line)
        if m:
            h = m.group(3)
            pixels[(int(m.group(1)), int(m.group(2)))] = (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))
    return Region(rect, pixels) if len(pixels) == rect.width * rect.height else None


def poll_region(s: Session, rect: Rect, predicate: Callable[[Region], bool], timeout: float, what: str,
                label: str) -> float:
    """Reads rect until predicate holds and returns the seconds that took; keeps a screenshot named label."""
    started = time.monotonic()
    while True:
        region = read_region(s, rect)
        elapsed = time.monotonic() - started
        if region is not None and predicate(region):
            s.screenshot(label)
            return elapsed
        if elapsed >= timeout:
            shot = s.screenshot(label)
            seen = region.histogram() if region is not None else "nothing readable"
            raise tarnlib.ScenarioFailure(f"timed out after {timeout:.1f} s waiting for {what}; {rect} shows "
                                          f"{seen} (see {shot.path.name})")
        time.sleep(0.02)


def hold_region(s: Session, rect: Rect, predicate: Callable[[Region], bool], seconds: float, what: str,
                label: str) -> int:
    """Reads rect again and again for the given seconds; every read must satisfy predicate. Returns the reads."""
    started = time.monotonic()
    reads = 0
    while time.monotonic() - started < seconds:
        region = read_region(s, rect)
        if region is None:
            continue
        reads += 1
        if not predicate(region):
            shot = s.screenshot(label)
            raise tarnlib.ScenarioFailure(f"{what} no longer held after {time.monotonic() - started:.2f} s: "
                                          f"{rect} shows {region.histogram()} (see {shot.path.name})")
    check(reads > 0, f"the screen could not be read while checking that {what}")
    return reads


# ----------------------------------------------------------------------------------------------
# Geometry of the bar on the screen


@dataclass(frozen=True)
class BarView:
    window: Window
    frame: int     # width of the sizing border
    client: Rect

    @property
    def left_margin(self) -> Rect:
        return Rect(self.client.x, self.client.y, MARGIN, self.client.height)

    @property
    def right_margin(self) -> Rect:
        return Rect(self.client.right - MARGIN, self.client.y, MARGIN, self.client.height)

    @property
    def toolbar_columns(self) -> Rect:
        """The full client height between the two margins."""
        return Rect(self.client.x + MARGIN, self.client.y, self.client.width - 2 * MARGIN, self.client.height)


def see_through_view(s: Session, bar: Window, label: str) -> tuple[tarnlib.Shot, BarView]:
    """Waits for the see-through bar (its left margin shows the root) and measures its sizing border.

    The border is the run of columns from the window's left edge before the root shows, in a row near the
    top, above where the hint box can stand.
    """
    probe = Rect(bar.rect.x, bar.rect.y + 6, 12, 1)
    shot, row = s.wait_screen(label, probe, lambda r: any(is_root(c) for c in r.colours()), 10,
                              "the root window to show through the bar's left margin")
    frame = next(dx for dx in range(probe.width) if is_root(row.at(probe.x + dx, probe.y)))
    check(1 <= frame <= 6, f"the bar's sizing border should be a few pixels wide, found {frame} ({shot.path.name})")
    client = Rect(bar.rect.x + frame, bar.rect.y + frame, bar.rect.width - 2 * frame, bar.rect.height - 2 * frame)
    s.log(f"sizing border {frame} px, client area {client}")
    return shot, BarView(bar, frame, client)


def column_runs(region: Region, drawn: Callable[[Colour], bool]) -> list[tuple[int, int]]:
    """Runs of adjacent screen columns of region with at least one drawn pixel: (first, last) column."""
    r = region.rect
    runs: list[tuple[int, int]] = []
    for col in range(r.x, r.right):
        if any(drawn(region.at(col, y)) for y in range(r.y, r.bottom)):
            if runs and runs[-1][1] == col - 1:
                runs[-1] = (runs[-1][0], col)
            else:
                runs.append((col, col))
    return runs


# ----------------------------------------------------------------------------------------------
# Grip dots


@dataclass(frozen=True)
class Grip:
    highlight: Colour
    shadow: Colour
    face: Colour


def luminance(c: Colour) -> float:
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def grip_colours(region: Region, client: Rect) -> Grip:
    """The grip's colours as drawn at the client's top left corner: dot, its shadow, the face between."""
    grip = Grip(region.at(client.x, client.y), region.at(client.x + 1, client.y + 1),
                region.at(client.x + 2, client.y + 2))
    check(luminance(grip.highlight) > luminance(grip.face) > luminance(grip.shadow),
          f"no embossed dot at the client's top left corner: highlight {colour_name(grip.highlight)}, shadow "
          f"{colour_name(grip.shadow)}, face {colour_name(grip.face)}")
    return grip


def grip_mismatches(region: Region, area: Rect, client: Rect, grip: Grip) -> list[str]:
    """Pixels of area (inside region) that differ from the dot texture anchored at the client's corner.

    Every pixel at (4i, 4j) from the corner is the highlight, every (4i + 1, 4j + 1) the shadow, all others
    the face colour.
    """
    bad = []
    for y in range(area.y, area.bottom):
        for x_ in range(area.x, area.right):
            dx, dy = (x_ - client.x) % 4, (y - client.y) % 4
            want = grip.highlight if (dx, dy) == (0, 0) else grip.shadow if (dx, dy) == (1, 1) else grip.face
            got = region.at(x_, y)
            if got != want:
                bad.append(f"({x_}, {y}) {colour_name(got)} instead of {colour_name(want)}")
    return bad


def shows_grip(region: Region, area: Rect, client: Rect) -> bool:
    """Whether area shows the dot texture; a see-through or half-painted bar does not."""
    try:
        grip = grip_colours(region, client)
    except tarnlib.ScenarioFailure:
        return False
    return not grip_mismatches(region, area, client, grip)
