"""Tips, a sub folder's menu, drops on a program button, Refresh, clicks on a program and on a file gone meanwhile."""
import shutil, time

from tarnlib import Bar, check_equal, is_dark, lines, wait_until


def tip(s, at):  # dark text on a light box that begins 3 px right of and 33 px below the pointer
    s.move(*at)
    window = s.wait_window("the tip", where=lambda w: w.rect[:2] == (at[0] + 3, at[1] + 33))
    box, r = s.screenshot("tip").sub(window.rect), window.rect
    corners = {box.at(x, y) for x in (r.x, r.right - 1) for y in (r.y, r.bottom - 1)}
    assert len(corners) == 1 and min(corners.pop()) > 200 and box.fraction(is_dark) > 0.02, f"no text on a box: {box}"
    return window


def drop(s, bar, at, *paths):  # from DragFiles' square onto at, once the dragging pointer has made the bar solid
    drag = s.start_helper("DragFiles.exe", 60, 420, *paths)
    s.move(80, 440)
    s.wait_screen(bar.left, bar.see_through, 5, "the bar to turn see-through")
    s.x("mousedown", 1)
    s.move(*at, steps=10)
    s.wait_screen(bar.left, bar.solid, 5, "the bar to turn solid under the dragging pointer")
    s.wait_window("the drag's tip: Open with, Probe.exe", where=lambda w: w.id != bar.window.id and w.rect.height > 24)
    s.x("mouseup", 1)
    # The source is told that its files were copied, so that it keeps them.
    check_equal(drag.communicate(timeout=20)[0], "effect 1\n", f"the drop of {paths} ({s.screenshot('drop').name})")


def journey(s):
    (s.buttons / "Tools").mkdir(parents=True)
    for name in "Gone.txt", "Very long name of a text file.txt", "Tools/Readme.txt":
        (s.buttons / name).write_text(name)
    for folder in s.buttons, s.buttons / "Tools":
        shutil.copy(s.helpers / "Probe.exe", folder)
    probe = lambda *in_: f'"{s.windows_path(s.buttons.joinpath(*in_, "Probe.exe"))}"'
    program, bar = Bar.start(s, Left=3000, Top=1500)
    bar.make_solid()
    icons = bar.icons(s.screenshot("solid"))
    check_equal(len(icons), 5, "pictures: Gone.txt, Probe.exe, the long name, the sub folder's icon and arrow")

    # A tip sized to the name follows the pointer and goes within a few ticks of the hide timer once it leaves.
    short, long = tip(s, icons[0].centre), tip(s, icons[2].centre)
    assert long.rect.width >= short.rect.width + 60, f"the long name's tip is not wider: {long}, {short}"
    s.move(100, 400)
    left = time.monotonic()
    s.wait_gone(long, "the tip to go", 3)
    assert time.monotonic() - left < 0.6, f"the tip went {time.monotonic() - left:.2f} s after the pointer left"

    # A sub folder's menu, centred under its button, one line per file; its program's entry starts it.
    bar.make_solid()
    menu, _, entries = s.popup(icons[3].centre)
    centred = abs(menu.rect.x + menu.rect.width / 2 - (icons[3].x + icons[4].right) / 2) <= 4
    check_equal((menu.rect.y, len(entries), centred), (bar.client.y + 22, 2, True), f"top, lines, centred: {menu}")
    s.click(menu.rect.x + 40, entries[0].centre[1])
    check_equal(wait_until(lambda: lines(s.buttons / "Tools" / "probe.log"), 15, "the menu's program"),
                [probe("Tools")], "the menu entry's command line")

    # Each path quoted, a final backslash doubled, also on the toolbar that Alt+F5 rebuilds; a click passes nothing.
    (drops := s.prefix / "drive_c" / "Drop Files" / "Sub Folder").mkdir(parents=True)
    notes, folder, plain = (s.windows_path(drops.parent / n) for n in ("my notes.txt", "Sub Folder", "plain.txt"))
    drop(s, bar, icons[1].centre, notes)
    (s.buttons / "Zzz.txt").write_text("added")
    bar.make_solid()
    s.click(*bar.rest)
    s.key("alt+F5", window=bar.window)
    wait_until(lambda: len(bar.icons(s.grab())) == 7, 5, "buttons for the two new files")
    drop(s, bar, icons[1].centre, folder + "\\", plain)
    bar.make_solid()
    s.click(*icons[1].centre)
    check_equal(wait_until(lambda: (runs := lines(s.buttons / "probe.log"))[2:] and runs, 15, "three starts"),
                [f'{probe()} "{notes}"', f'{probe()} "{folder}\\\\" "{plain}"', probe()], "the starts' command lines")

    # A click on the button of a file deleted meanwhile says so, with the critical icon, a red disc.
    (s.buttons / "Gone.txt").unlink()
    box = s.wait_window("the box of a missing file", lambda: s.click(*icons[0].centre))
    drawn = s.screenshot("file-not-found").sub(box.rect)
    red = drawn.fraction(lambda c: c[0] > 180 and c[1] < 90 > c[2])
    assert box.title == "TarnDock Error" and drawn.fraction(is_dark) > 0.01 and red > 0.002, f"{box}: {drawn}"
    s.key("Return", window=box)
    s.wait_gone(box, "the box to close on Return")
    check_equal((s.close(program), len(lines(s.buttons / "Tools" / "probe.log"))), (0, 1), "exit code, menu starts")
