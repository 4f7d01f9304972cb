#!/usr/bin/env python3
"""Tooltips of the buttons, a sub folder's menu, files dropped on a program button, Refresh, a click on a
program button and on the button of a file deleted meanwhile."""

import shutil
import time

import tarnlib
from tarnlib import TWIPS, Bar, Rect, check, check_equal, is_dark

BAR = Rect(200, 100, 376, 48)  # room on every side: below for tips and menus, left for the drag source
SOURCE = Rect(60, 420, 40, 40)  # DragFiles' square
LONG = "Very long name of a text file.txt"
HIDE_WITHIN = 0.4  # one tick of the 150 ms hide timer, the display's unmapping and this poll


def tip_box(s: tarnlib.Session, bar: Bar, at: tuple[int, int], label: str) -> tarnlib.Window:
    """Waits for the tip of the button under the pointer at `at` and checks the box it draws."""
    tip = s.wait_window("the tip of the hovered button", lambda w: w.id != bar.window.id and w.rect.x == at[0] + 3)
    check_equal((tip.rect.x, tip.rect.y), (at[0] + 3, at[1] + 33), f"the tip's corner for the pointer at {at}")
    shot = s.screenshot(label)
    box = shot.sub(tip.rect)
    paper = box.common()
    check(tarnlib.luminance(paper) > 200 and box.fraction(lambda c: c == paper) > 0.6 and box.count(is_dark) > 20,
          f"the tip is not dark text on a light box: {box}")
    # The box begins where the window does: its corners are of its colour.
    corners = {box.at(x, y) for x in (tip.rect.x, tip.rect.right - 1) for y in (tip.rect.y, tip.rect.bottom - 1)}
    check(corners == {paper}, f"the tip's corners are not of its colour: {corners} ({shot.name})")
    return tip


def drag_onto(s: tarnlib.Session, bar: Bar, target: tuple[int, int], paths: list[str], label: str) -> None:
    """Drags paths from DragFiles' square onto target, rests there until the bar turns solid, and drops."""
    drag, line = s.start_helper("DragFiles.exe", SOURCE.x, SOURCE.y, *paths)
    check_equal(line, "ready", "DragFiles' first line")
    s.move(*SOURCE.centre)
    s.x("mousedown", 1)
    s.glide(*target)
    s.wait_screen(bar.left, bar.solid, 5, "the bar to turn solid under the dragging pointer")
    # Over a program button the tip has two lines, "Open with" and the program's name.
    s.wait_window("the two-line tip of a drag", lambda w: w.id != bar.window.id and w.rect.height >= 24)
    s.screenshot(label)
    s.x("mouseup", 1)
    out = drag.popen.communicate(timeout=20)[0].strip()
    # The drag offers copy and move; the drop tells the source "copied", so that it keeps its files.
    check_equal(out, "effect 1", f"outcome of the drag of {paths} onto the program button")


def journey(s: tarnlib.Session) -> None:
    s.write_settings(Left=BAR.x * TWIPS, Top=BAR.y * TWIPS)
    (s.buttons / "Tools").mkdir(parents=True)
    for name in ("Gone.txt", LONG, "Tools/Readme.txt"):
        (s.buttons / name).write_text(name)
    for folder in (s.buttons, s.buttons / "Tools"):
        shutil.copy(s.helpers / "Probe.exe", folder)
    probe = s.windows_path(s.buttons / "Probe.exe").lower()
    program, bar = Bar.start(s)
    check_equal(bar.rect, BAR, "the bar window on the screen")
    bar.make_solid()
    rest = s.screenshot("solid")
    icons = bar.icons(rest)
    # In name order Gone.txt, Probe.exe, the long name, then the sub folder's button: its icon and its arrow.
    check_equal(len(icons), 5, f"pictures on the bar's buttons ({rest.name})")

    # A tip 3 px right of and 33 px below the pointer, sized to the name; it keeps its place while the pointer stays
    # within 3 px, moves to another button, and goes within the hide timer's tick once the pointer leaves the bar.
    first, second = icons[0].centre, icons[2].centre
    s.move(*first)
    tip = tip_box(s, bar, first, "tip-short-name")
    for dx, dy in ((2, 1), (3, 0)):
        s.move(first[0] + dx, first[1] + dy)
        time.sleep(0.5)
    check(tip in s.windows(), f"the tip did not stay as it was while the pointer moved within its button: {tip}")
    s.move(*second)
    long_tip = tip_box(s, bar, second, "tip-long-name")
    check(long_tip.rect.width >= tip.rect.width + 60, f"the tip of {LONG!r} is not wider: {long_tip}, {tip}")
    left = time.monotonic()
    s.move(bar.rect.x - 100, bar.rect.bottom + 150)
    s.wait_gone(long_tip.id, "the tip to go after the pointer left the bar", 3)
    hidden = time.monotonic() - left
    s.log(f"tip hidden {hidden * 1000:.0f} ms after the pointer left the bar")
    check(hidden <= HIDE_WITHIN, f"the tip went {hidden * 1000:.0f} ms after the pointer left the bar")

    # A sub folder's button lights up as a whole; its menu opens centred under it, one line per file, and its
    # program's entry starts that program.
    bar.make_solid()
    s.move(*icons[3].centre)
    lit = lambda r: r.count(lambda c: c != bar.face) > rest.sub(bar.band).count(lambda c: c != bar.face)
    s.wait_screen(bar.band, lit, 5, "the menu button to light up under the pointer")
    button = bar.hot_button(rest, s.screenshot("menu-button-hot"))
    check(button.x <= icons[3].x and button.right >= icons[4].right, f"the lit button {button} lacks icon or arrow")
    known = s.ids(visible=False)
    s.click(*icons[3].centre)
    window = s.wait_window("the sub folder's menu", lambda w: w.id not in known)
    shot = s.screenshot("menu")
    menu = tarnlib.read_menu(shot, window.rect)
    middle = window.rect.x + window.rect.width / 2 - (button.x + button.width / 2)
    check(window.rect.y == button.bottom and abs(middle) <= 1.5, f"{window} is not centred under {button}")
    check_equal((len(menu.entries), menu.separators), (2, []), f"lines and separators of the menu ({shot.name})")
    s.click(*menu.point(0))  # Probe.exe, then Readme.txt
    runs = tarnlib.wait_until(lambda: tarnlib.probe_runs(s.buttons / "Tools"), 15, "the menu's program to start")
    s.wait_gone(window.id, "the menu to close after its entry was chosen")
    check_equal([runs[0][1].lower()] + runs[0][2:], [s.windows_path(s.buttons / "Tools" / "Probe.exe").lower()],
                "program and arguments started by the menu entry")

    # Dropped paths are passed each in quotation marks, one blank apart: blanks stay inside an argument, a folder's
    # final backslash stays; also on the toolbar that Refresh builds anew. The probe records the whole command line.
    drop = s.prefix / "drive_c" / "Drop Files"
    (drop / "Sub Folder").mkdir(parents=True)
    for name in ("my notes.txt", "plain.txt"):
        (drop / name).write_text("dropped")
    notes, plain, folder = (s.windows_path(drop / n) for n in ("my notes.txt", "plain.txt", "Sub Folder"))
    folder += "\\"
    drag_onto(s, bar, icons[1].centre, [notes], "drag-path-with-blanks")
    runs = tarnlib.wait_until(lambda: tarnlib.probe_runs(s.buttons), 15, "the probe to start from the drop")
    check_equal(runs[0][0].lower(), f'"{probe}" "{notes}"'.lower(), "command line of the first drop")
    (s.buttons / "Zzz.txt").write_text("added")
    bar.make_solid()
    s.click(*bar.rest)
    s.focus(bar.window)
    # With Alt held the function keys are still the bar's: Alt+F5 refreshes as F5 does.
    s.key("alt+F5")
    # Sorted by name, probe.log and Zzz.txt come after Probe.exe, which keeps its place.
    tarnlib.wait_until(lambda: len(bar.icons(s.grab(bar.band))) == 7, 5, "buttons for the two new files after Alt+F5")
    bar.leave()  # as a user who fetches more files
    drag_onto(s, bar, icons[1].centre, [folder, plain], "drag-folder-and-file")
    runs = tarnlib.wait_until(lambda: tarnlib.probe_runs(s.buttons)[1:], 15, "the probe to start from the second drop")
    # The folder's backslash is doubled before its closing quotation mark, as the argument parser wants.
    check_equal(runs[0][0].lower(), f'"{probe}" "{folder}\\" "{plain}"'.lower(), "command line of the second drop")

    # A click after the drops passes nothing; a click on the button of a file deleted meanwhile says so.
    bar.make_solid()
    s.click(*icons[1].centre)
    runs = tarnlib.wait_until(lambda: tarnlib.probe_runs(s.buttons)[2:], 15, "the probe to start from a click")
    check_equal(runs[0][2:], [], "arguments of a click on the program button")
    (s.buttons / "Gone.txt").unlink()
    known = s.ids(visible=False)
    s.click(*icons[0].centre)
    box = s.wait_window("the message box of a missing file", lambda w: w.id not in known)
    drawn = s.screenshot("file-not-found").sub(box.rect)
    check_equal(box.title, "TarnDock Error", "title of the message box")
    check(drawn.fraction(is_dark) < 0.5 and drawn.count(is_dark) > 20, f"the message box shows no text: {drawn}")
    # The critical icon is a red disc; the information and warning icons have none.
    check(drawn.count(lambda c: c[0] > 180 and c[1] < 90 and c[2] < 90) > 30, f"no critical icon: {drawn}")
    s.focus(box)
    s.key("Return")
    s.wait_gone(box.id, "the message box to close on Return")
    check_equal(s.close(program), 0, "exit code of the closed program")
    # Every start above came from one click or drop.
    check_equal([len(tarnlib.probe_runs(f)) for f in (s.buttons, s.buttons / "Tools")], [3, 1], "starts of the probes")


if __name__ == "__main__":
    tarnlib.main(journey)
