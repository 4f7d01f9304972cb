#!/usr/bin/env python3
"""The hint of a bar whose rows do not fit, the see-through and solid bar and the rules that switch it,
moving the bar by its margin, and clicks that pass through the see-through bar only."""

import shutil
import time

import tarnlib
from tarnlib import MARGIN, TWIPS, Bar, Rect, check, check_equal, is_root

BAR = Rect(150, 150, 376, 48)  # away from every screen edge, so that no edge rule shortens the rest
DRAG = (210, 135)              # right and down, in ten steps as a hand drags
MOVED = Rect(BAR.x + DRAG[0], BAR.y + DRAG[1], BAR.width, BAR.height)
# Long enough to tell the far rule (next tick) from the delay, and to click before the bar turns solid.
DELAY = 1.5
# Notepad's window (its menu bar at the top, no caption without a window manager) under the right part of the
# moved bar: its menu item "File" lies under the icon of the fourth button, a copy of Wine's regedit.exe. A
# click on a menu item shows as a new window (the popup), and a click on an icon, not on the background (which
# is cut out of the bar's shape as the colour key), passes only by click-through.
NOTEPAD = Rect(MOVED.x + 81, MOVED.y + 2, 500, 300)
ENTRIES = ["Notepad.exe", "<>", "Alpha notes.txt", "Regedit.exe", "Beta notes.txt", "<>", "Gamma notes.txt"]
HINT_HEIGHT = 255 // TWIPS
INFOBK, ARROW = (0xFF, 0xFF, 0xFF), (0, 0, 0)  # the tooltip colour of Wine's default scheme, the arrow's


def button_folder(s: tarnlib.Session, name: str, notes: int = 0) -> str:
    """Text files, two of Wine's programs and a sub folder, in the order of an order file; then more notes."""
    folder = s.prefix / "drive_c" / name
    (folder / "Tools").mkdir(parents=True)
    extras = [f"Note {i:02d}.txt" for i in range(1, notes + 1)]
    for note in [e for e in ENTRIES if e.endswith(".txt")] + extras + ["Tools/Tool notes.txt"]:
        (folder / note).write_bytes(tarnlib.text_file([f"This is {note}."]))
    for program in ("Notepad.exe", "Regedit.exe"):
        shutil.copy(s.prefix / "drive_c" / "windows" / program.lower(), folder / program)
    header = "; >>> This file has been created and is used by the program TarnDock. <<<"
    (folder / "TarnDock_Folder.ini").write_bytes(tarnlib.text_file([header, "[FileNames]", *ENTRIES, *extras]))
    return s.windows_path(folder)


def hint_run(s: tarnlib.Session, folder: str, width: int, height: int) -> tuple[bool, list[int], Bar]:
    """Starts a bar of the given size in twips; returns whether it shows the hint, the client rows at which
    button rows start, and the bar."""
    s.write_settings(FolderPath=folder, Left=10 * TWIPS, Top=200 * TWIPS, Width=width, Height=height)
    program, bar = Bar.start(s)
    check_equal(bar.rect, Rect(10, 200, width // TWIPS, height // TWIPS), "the bar's place and size")
    shot = s.screenshot(f"hint-{bar.client.height}px-high")
    s.close(program)
    # The hint box is 3 px wider than the margin and lies over the toolbar's left end: those columns are left out.
    area = Rect(bar.columns.x + 3, bar.client.y, bar.columns.width - 3, bar.client.height)
    drawn = [shot.sub(Rect(area.x, y, area.width, 1)).fraction(is_root) < 1 for y in range(area.y, area.bottom)]
    rows = [y for y in range(len(drawn)) if drawn[y] and (y == 0 or not drawn[y - 1])]
    margin = shot.sub(bar.left)
    if margin.fraction(is_root) == 1.0:
        return False, rows, bar
    box = Rect(bar.client.x, bar.client.bottom - HINT_HEIGHT, MARGIN, HINT_HEIGHT)
    above, inside = shot.sub(Rect(box.x, bar.client.y, box.width, box.y - bar.client.y)), shot.sub(box)
    check(above.fraction(is_root) == 1.0, f"the margin above the hint box does not show the root: {above}")
    check(inside.count(is_root) == 0 and inside.fraction(lambda c: c == INFOBK) >= 0.5 and
          inside.count(lambda c: c == ARROW) >= 4, f"the hint box is not an arrow on the tooltip colour: {inside}")
    return True, rows, bar


def journey(s: tarnlib.Session) -> None:
    # A bar 1000 px wide holds most buttons in one row, the rest in a second row that fits: no hint. Lowered so
    # that the last row starts 6 px above the bottom edge it shows the hint; at 8 px it does not.
    hint_folder = button_folder(s, "Hint Demo", notes=40)
    shown, rows, wide = hint_run(s, hint_folder, 15000, 720)
    check(not shown and len(rows) == 2, f"the wide bar's two rows start at {rows}, hint shown: {shown}")
    pitch = rows[1] - rows[0]
    for visible, expected in ((6, True), (8, False)):
        shown, rows, _ = hint_run(s, hint_folder, 15000, (pitch + visible + 2 * wide.frame) * TWIPS)
        check_equal(len(rows), 2, "button rows of the low bar")
        check(shown == expected, f"the last row starts {visible} px above the bottom edge; hint shown: {shown}")

    s.start("notepad.exe")  # before the bar, so that the bar is mapped above it
    pad = s.wait_window("Notepad's window", lambda w: "Notepad" in w.title, exe="notepad.exe")
    s.x("windowmove", "--sync", pad.id, NOTEPAD.x, NOTEPAD.y, "windowsize", "--sync", pad.id, NOTEPAD.width,
        NOTEPAD.height)
    tarnlib.wait_until(lambda: s.window(pad.id, "notepad.exe").rect == NOTEPAD, 10, f"Notepad at {NOTEPAD}")
    alone = s.screenshot("notepad-alone")
    s.write_settings(FolderPath=button_folder(s, "Bar Demo"), Left=BAR.x * TWIPS, Top=BAR.y * TWIPS, Width=5640,
                     Height=720, Delay=int(DELAY * 1000))
    program, bar = Bar.start(s)
    check_equal(bar.rect, BAR, "the bar window on the screen")

    # See-through: margins and the gaps between the buttons show the root, the icons show.
    shot = s.screenshot("see-through")
    for margin in (bar.left, bar.right):
        check(bar.see_through(shot.sub(margin)), f"a margin of the see-through bar hides the root: {shot.sub(margin)}")
    drawn = tarnlib.runs(shot.sub(bar.columns), lambda c: not is_root(c))
    check(len(drawn) >= len(ENTRIES) + 1, f"expected 8 buttons' icons apart, found columns {drawn}")

    # Resting on the left margin: still see-through before the delay, solid after it.
    started = time.monotonic()
    s.move(*bar.rest)
    time.sleep(0.4)
    early = s.grab(bar.left)
    if time.monotonic() - started < DELAY - 0.3:
        check(bar.see_through(early), f"the bar turned solid 0.4 s into a rest of {DELAY} s: {early}")
    s.wait_screen(bar.left, bar.solid, DELAY + 3, "the resting pointer to make the bar solid")
    rested = time.monotonic() - started
    s.log(f"solid {rested:.2f} s after the pointer came to rest")
    check(rested >= DELAY - 0.02, f"the bar turned solid after {rested:.2f} s of rest, before the delay")
    shot = s.screenshot("solid")
    check(shot.sub(bar.rect).count(is_root) == 0, f"the solid bar still lets the root show: {shot.sub(bar.rect)}")
    for margin in (bar.left, bar.right):
        misses = bar.grip_misses(shot, margin)
        check(not misses, f"the solid bar's margin {margin} lacks the grip dots: {misses[:5]} ({shot.name})")
    # Below the toolbar the grip covers every row from the one under the buttons down to the bottom.
    c = bar.columns
    first = next(y for y in range(c.bottom, c.y - 1, -1)
                 if y == c.y or bar.grip_misses(shot, Rect(c.x, y - 1, c.width, 1)))
    check(first >= c.y + 16 and c.bottom - first >= 8, f"the grip below the toolbar spans rows {first} to {c.bottom}")

    # The window's bottom lies just below it: 100 px beyond it is near, 101 px beyond it is far.
    left_at = time.monotonic()
    s.move(bar.rest[0], bar.rect.bottom + 100)
    s.hold_screen(bar.left, bar.solid, 0.5, "the bar stays solid with the pointer 100 px below it")
    s.move(bar.rest[0], bar.rect.bottom + 101)
    took = s.wait_screen(bar.left, bar.see_through, 1.0, "the bar to turn see-through 101 px away", "far-101px")
    away = time.monotonic() - left_at
    s.log(f"see-through {took:.2f} s after the pointer went 101 px below, {away:.2f} s after it left")
    check(took < 0.6 and away < DELAY, f"see-through {took:.2f} s after 101 px, {away:.2f} s after leaving")

    # Dragged by its left margin, the solid bar follows with the grab point fixed under the pointer.
    bar.make_solid()
    s.x("mousedown", 1)
    try:
        for step in range(1, 11):
            dx, dy = DRAG[0] * step // 10, DRAG[1] * step // 10
            s.move(bar.rest[0] + dx, bar.rest[1] + dy)
            want = Rect(BAR.x + dx, BAR.y + dy, BAR.width, BAR.height)
            tarnlib.wait_until(lambda: s.window(bar.window.id).rect == want, 3, f"the bar to follow to {want}", 0.05)
    finally:
        s.x("mouseup", 1)
    check_equal(s.window(bar.window.id).rect, MOVED, "the bar after the drag")
    bar.place(MOVED)
    shot = s.screenshot("moved")
    check(bar.solid(shot.sub(bar.left)), f"the moved bar is not solid with its grip: {shot.sub(bar.left)}")

    # Just outside the bar, 20 px below it, the delay decides.
    s.move(bar.rest[0], MOVED.bottom + 20)
    took = s.wait_screen(bar.left, bar.see_through, DELAY + 2, "the bar to turn see-through after the delay")
    s.log(f"see-through {took:.2f} s after the pointer left the bar by 20 px")
    check(DELAY - 0.1 <= took < DELAY + 1.0, f"the bar turned see-through {took:.2f} s after the pointer left it")

    # The bar's own pixels over Notepad's "File": where the screen differs from Notepad alone.
    shot = s.screenshot("over-notepad")
    item = Rect(NOTEPAD.x + 4, bar.client.y + 2, 18, 14)
    icon = [(x, y) for y in range(item.y, item.bottom) for x in range(item.x, item.right)
            if alone.at(x, y) != shot.at(x, y)]
    check(len(icon) >= 20, f"the bar draws no icon over Notepad's menu item at {item}")
    middle = (sum(p[0] for p in icon) / len(icon), sum(p[1] for p in icon) / len(icon))
    target = min(icon, key=lambda p: (p[0] - middle[0]) ** 2 + (p[1] - middle[1]) ** 2)

    # See-through, the click goes to Notepad, whose menu opens, and the bar starts nothing.
    known = s.ids("notepad.exe", visible=False)
    started = time.monotonic()
    s.click(*target)
    check(bar.see_through(s.grab(bar.left)) and time.monotonic() - started < DELAY, "the bar was solid at the click")
    popup = s.wait_window("a menu of Notepad", lambda w: w.id not in known, 5, exe="notepad.exe")
    s.screenshot("click-reached-notepad")
    check(not popup.title and popup.rect.y >= NOTEPAD.y, f"the new window is not Notepad's menu but {popup}")
    check(not s.windows("regedit.exe"), "the see-through bar took the click and started its button's program")
    s.click(NOTEPAD.centre[0], NOTEPAD.bottom - 20)  # closes the menu, far from the bar
    s.wait_gone(popup.id, "Notepad's menu to close", exe="notepad.exe")

    # Solid, the same click is the bar's, which starts the button's program; Notepad's menu stays shut.
    bar.make_solid(timeout=DELAY + 3)
    known = s.ids("notepad.exe", visible=False)
    s.click(*target)
    s.wait_window("the solid bar's button to start Regedit", timeout=20, exe="regedit.exe")
    s.screenshot("solid-bar-took-click")
    # A menu opens within milliseconds of the click, long before the started program's window shows.
    check(not [w for w in s.windows("notepad.exe") if w.id not in known], "the click reached Notepad too")

    check_equal(s.close(program), 0, "exit code of the closed program")
    ini = s.read_settings()
    check_equal([ini.int(k) for k in ("Left", "Top", "Width", "Height")],
                [MOVED.x * TWIPS, MOVED.y * TWIPS, 5640, 720], "the stored place after the drag, the size kept")


if __name__ == "__main__":
    tarnlib.main(journey)
