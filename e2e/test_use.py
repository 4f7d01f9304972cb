"""Tips, a sub folder's menu, drops on a program button, Refresh, clicks on a program and on a file gone meanwhile."""
import subprocess, sys, time

from tarnlib import Bar, check_equal, is_dark, lines, make_files, wait_until


def tip(s, at):  # dark text on a light box that begins 3 px right of and 33 px below the pointer
    s.move(*at)
    r = (window := s.wait_window("the tip", where=lambda w: w.rect[:2] == (at[0] + 3, at[1] + 33))).rect
    box = s.screenshot("tip").sub(r)
    corners = {box.at(x, y) for x in (r.x, r.right - 1) for y in (r.y, r.bottom - 1)}
    assert len(corners) == 1 and min(corners.pop()) > 200 and box.fraction(is_dark) > 0.02, f"no text on a box: {box}"
    return window


def drop(s, bar, at, *paths):  # from DragFiles' square onto at, the bar solid; told of a copy, the source keeps them
    starts = (s.start(s.helpers / "DragFiles.exe", 60, 420, *paths, stdout=subprocess.PIPE, text=True) for _ in range(3))
    drag = next((h for h in starts if h.stdout.readline() == "ready\n"), None) or sys.exit("DragFiles never ready")
    s.move(80, 440)
    s.wait_screen(bar.left, bar.see_through, 5, "the bar to turn see-through")
    s.drag(*at, 10, lambda: (s.wait_screen(bar.left, bar.solid, 5, "the bar solid under the drag"), s.wait_window(
        "the drag's tip: Open with, Probe.exe", where=lambda w: w.id != bar.window.id and w.rect.height > 24)))
    check_equal(drag.communicate(timeout=20)[0], "effect 1\n", f"the drop of {paths} ({s.screenshot('drop').name})")


def journey(s):
    make_files(s.buttons, "Gone.txt", "Very long name of a text file.txt", "Tools/Readme.txt")
    probe, tools = s.probe(s.buttons), s.probe(s.buttons / "Tools")  # each a button
    program, bar = Bar.start(s, True, Left=3000, Top=1500)
    check_equal(len(icons := bar.icons(s.screenshot("solid"))), 5, "Gone.txt, Probe.exe, long name, Tools, arrow")

    short, long = tip(s, icons[0].centre), tip(s, icons[2].centre)  # sized to the name, following the pointer

    assert long.rect.width >= short.rect.width + 60, f"the long name's tip is not wider: {long}, {short}"
    left = s.move(100, 400) or time.monotonic()  # the tip goes within a tick of the 150 ms hide timer
    s.wait_gone(long, "the tip to go", 3)
    assert time.monotonic() - left < 0.6, f"the tip went {time.monotonic() - left:.2f} s after the pointer left"

    bar.make_solid()  # a sub folder's menu, centred under its button, one line per file; its program's entry starts it
    menu, _, entries = s.popup(icons[3].centre, 1, 0)
    centred = abs(menu.rect.x + menu.rect.width / 2 - (icons[3].x + icons[4].right) / 2) <= 4
    check_equal((menu.rect.y, len(entries), centred), (bar.client.y + 22, 2, True), f"top, lines, centred: {menu}")
    check_equal(wait_until(lambda: lines(s.buttons / "Tools" / "probe.log"), 15, "the menu's program"),
                [tools], "the menu entry's command line")

    (drops := s.prefix / "drive_c" / "Drop Files" / "Sub Folder").mkdir(parents=True)  # each path quoted in a drop,
    notes, folder, plain = (s.windows_path(drops.parent / n) for n in ("my notes.txt", "Sub Folder", "plain.txt"))
    drop(s, bar, icons[1].centre, notes)  # a final backslash doubled, also on the toolbar that Alt+F5 rebuilds
    (s.buttons / "Zzz.txt").write_text("added")
    bar.press("alt+F5")
    bar.wait_icons(7, "buttons for the two new files")
    drop(s, bar, icons[1].centre, folder + "\\", plain)
    bar.make_solid()
    s.click(*icons[1].centre)  # a click passes nothing
    check_equal(wait_until(lambda: (runs := lines(s.buttons / "probe.log"))[2:] and runs, 15, "three starts"),
                [f'{probe} "{notes}"', f'{probe} "{folder}\\\\" "{plain}"', probe], "the starts' command lines")

    (s.buttons / "Gone.txt").unlink()  # a click on a file deleted meanwhile says so, the critical icon a red disc
    box = s.wait_window("the box of a missing file", lambda: s.click(*icons[0].centre))
    drawn = s.screenshot("file-not-found").sub(box.rect)
    red = drawn.fraction(lambda c: c[0] > 180 and c[1] < 90 > c[2])
    assert box.title == "TarnDock Error" and drawn.fraction(is_dark) > 0.01 and red > 0.002, f"{box}: {drawn}"
    s.key("Return", window=box, closes="the box")
    s.close(program)
    check_equal(len(lines(s.buttons / "Tools" / "probe.log")), 1, "the menu's starts")
