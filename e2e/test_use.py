#!/usr/bin/env python3
"""Tooltips of the buttons, a sub folder's menu, files dropped on a program button, Refresh, a click on a program
button and on the button of a file deleted meanwhile."""
import shutil, time

from tarnlib import TWIPS, Bar, Rect, check_equal, is_dark, lines, main, wait_until


def tip(s, bar, at, label):
    """The tip for the pointer at `at`: dark text on a light box 3 px right of and 33 px below the pointer."""
    s.move(*at)
    window = s.wait_window("the tip", where=lambda w: w.rect[:2] == (at[0] + 3, at[1] + 33))
    box = s.screenshot(label).sub(window.rect)
    paper = box.at(*window.rect[:2])  # the box begins where the window does
    assert paper == box.at(window.rect.right - 1, window.rect.bottom - 1) and min(paper) > 200 and \
        box.fraction(paper.__eq__) > 0.6 and box.fraction(is_dark) > 0.02, f"not dark text on a light box: {box}"
    return window


def drop(s, bar, at, paths, label):
    """Drags paths from DragFiles' square onto at, rests there until the bar turns solid, and drops."""
    drag = s.start_helper("DragFiles.exe", 60, 420, *paths)
    s.move(80, 440)
    s.x("mousedown", 1)
    s.move(*at, steps=10)
    s.wait_screen(bar.left, bar.solid, 5, "the bar to turn solid under the dragging pointer")
    # Over a program button the tip has two lines, "Open with" and the program's name.
    s.wait_window("the two-line tip of a drag", where=lambda w: w.id != bar.window.id and w.rect.height >= 24)
    s.screenshot(label)
    s.x("mouseup", 1)
    # The drop tells the source that its files were copied, so that it keeps them.
    check_equal(drag.communicate(timeout=20)[0].strip(), "effect 1", f"the outcome of the drop of {paths}")


def journey(s):
    s.write_settings(Left=200 * TWIPS, Top=100 * TWIPS)
    (s.buttons / "Tools").mkdir(parents=True)
    for name in ("Gone.txt", "Very long name of a text file.txt", "Tools/Readme.txt"):
        (s.buttons / name).write_text(name)
    for folder in (s.buttons, s.buttons / "Tools"):
        shutil.copy(s.helpers / "Probe.exe", folder)
    program, bar = Bar.start(s)
    bar.make_solid()
    # In name order Gone.txt, Probe.exe, the long name, then the sub folder's button: its icon and its arrow.
    icons = bar.icons(s.screenshot("solid"))
    check_equal(len(icons), 5, "pictures on the bar's buttons")

    # A tip sized to the name follows the pointer to another button, and goes within a tick of the 150 ms hide
    # timer once the pointer leaves the bar.
    short, long = tip(s, bar, icons[0].centre, "tip-short-name"), tip(s, bar, icons[2].centre, "tip-long-name")
    assert long.rect.width >= short.rect.width + 60, f"the long name's tip is not wider: {long}, {short}"
    s.move(bar.rect.x - 100, bar.rect.bottom + 150)
    left = time.monotonic()
    s.wait_gone(long, "the tip to go once the pointer left the bar", 3)
    assert time.monotonic() - left < 0.4, f"the tip went {time.monotonic() - left:.2f} s after the pointer left"

    # A sub folder's menu opens centred under its button, one line per file; its program's entry starts it.
    bar.make_solid()
    menu, _, entries = s.popup(icons[3].centre)
    check_equal((menu.rect.y, len(entries)), (bar.client.y + 22, 2), "the menu's top and lines")
    assert abs(menu.rect.x + menu.rect.width / 2 - (icons[3].x + icons[4].right) / 2) <= 4, f"not centred: {menu}"
    s.click(menu.rect.x + 40, entries[0].centre[1])  # Probe.exe, then Readme.txt
    check_equal(wait_until(lambda: lines(s.buttons / "Tools" / "probe.log"), 15, "the menu's program"),
                [f'"{s.windows_path(s.buttons / "Tools" / "Probe.exe")}"'], "the menu entry's command line")

    # Dropped paths are passed each in quotation marks, one blank apart, a folder's final backslash doubled before
    # the closing one; also on the toolbar that Refresh builds anew, which Alt+F5 asks for as F5 does. A click on
    # the program button passes nothing.
    (drop_files := s.prefix / "drive_c" / "Drop Files" / "Sub Folder").mkdir(parents=True)
    notes, folder, plain = (s.windows_path(drop_files.parent / n) for n in ("my notes.txt", "Sub Folder", "plain.txt"))
    drop(s, bar, icons[1].centre, [notes], "drag-path-with-blanks")
    (s.buttons / "Zzz.txt").write_text("added")
    bar.make_solid()
    s.click(*bar.rest)
    s.key("alt+F5", window=bar.window)
    # Sorted by name, probe.log and Zzz.txt come after Probe.exe, which keeps its place.
    wait_until(lambda: len(bar.icons(s.grab(bar.band))) == 7, 5, "buttons for the two new files after Alt+F5")
    s.park()
    drop(s, bar, icons[1].centre, [folder + "\\", plain], "drag-folder-and-file")
    bar.make_solid()
    s.click(*icons[1].centre)
    probe = f'"{s.windows_path(s.buttons / "Probe.exe")}"'
    check_equal(wait_until(lambda: (runs := lines(s.buttons / "probe.log"))[2:] and runs, 15, "three probes"),
                [f'{probe} "{notes}"', f'{probe} "{folder}\\\\" "{plain}"', probe], "the drops' and click's command lines")

    # A click on the button of a file deleted meanwhile says so, with the critical icon, a red disc.
    (s.buttons / "Gone.txt").unlink()
    box = s.wait_window("the box of a missing file", lambda: s.click(*icons[0].centre))
    drawn = s.screenshot("file-not-found").sub(box.rect)
    check_equal(box.title, "TarnDock Error", "title of the message box")
    assert drawn.fraction(is_dark) > 0.01 and drawn.fraction(lambda c: c[0] > 180 and c[1] < 90 > c[2]) > 0.002, drawn
    s.key("Return", window=box)
    s.wait_gone(box, "the message box to close on Return")
    check_equal(s.close(program), 0, "exit code")
    check_equal(len(lines(s.buttons / "Tools" / "probe.log")), 1, "starts of the sub folder's probe")


if __name__ == "__main__":
    main(journey)
