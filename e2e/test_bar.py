#!/usr/bin/env python3
"""The hint of a bar whose rows do not fit, the see-through and solid bar and the rules that switch it, moving the
bar by its margin, and clicks that pass through the see-through bar only."""
import shutil, time

from tarnlib import MARGIN, TWIPS, Bar, Rect, check_equal, is_root, main, wait_until

BAR, MOVED, DELAY = Rect(150, 150, 376, 48), Rect(360, 285, 376, 48), 1.5  # a delay to tell from the next tick


def start(s, name, notes, **settings):
    """A bar on a folder of notes and two of Wine's programs, Notepad and Regedit, which come last by name."""
    (folder := s.prefix / "drive_c" / name).mkdir()
    for i in range(notes):
        (folder / f"Note {i:02d}.txt").write_text("a note")
    for program in ("Notepad.exe", "Regedit.exe"):
        shutil.copy(s.prefix / "drive_c" / "windows" / program.lower(), folder / program)
    s.write_settings(FolderPath=s.windows_path(folder), **settings)
    return Bar.start(s)


def journey(s):
    # 42 buttons on a bar 1000 px wide fill a row and start a second, 22 px lower, which shows 6 px: the hint shows,
    # a box 255 twips high at the bottom of the left margin, an arrow on the tooltip colour.
    program, bar = start(s, "Hint Demo", 40, Left=150, Top=3000, Width=15000, Height=510)
    check_equal(bar.rect, Rect(10, 200, 1000, 34), "the bar with the hint")
    shot = s.screenshot("hint")
    s.close(program)
    rows = [y for y in range(bar.client.y, bar.client.bottom)
            if not bar.see_through(shot.sub(Rect(bar.columns.x + 3, y, bar.columns.width - 3, 1)))]
    check_equal([y - bar.client.y for y in rows if y - 1 not in rows][:2], [3, 25], "rows of icons drawn from")
    box = shot.sub(Rect(bar.client.x, bar.client.bottom - 17, MARGIN, 17))
    assert bar.see_through(shot.sub(Rect(*bar.client[:2], MARGIN, bar.client.height - 17))) and \
        box.fraction((255, 255, 255).__eq__) > 0.5 and box.fraction((0, 0, 0).__eq__) > 0.02, f"no hint: {box}"

    # See-through: margins and the gaps between the buttons show the root, the icons show.
    program, bar = start(s, "Bar Demo", 3, Left=BAR.x * TWIPS, Top=BAR.y * TWIPS, Delay=int(DELAY * 1000))
    check_equal(bar.rect, BAR, "the bar")
    shot = s.screenshot("see-through")
    assert bar.see_through(shot.sub(bar.left)) and bar.see_through(shot.sub(bar.right)), "margins hide the root"
    icons = shot.sub(bar.columns).runs(lambda c: not is_root(c))
    check_equal(len(icons), 5, "icons apart on the see-through bar")
    # Notepad where the moved bar will lie, its menu item "File" under Regedit's icon.
    regedit = (sum(icons[4]) // 2 + MOVED.x - BAR.x, bar.band.centre[1] + MOVED.y - BAR.y)
    pad = s.wait_window("Notepad", lambda: s.start("notepad.exe"), exe="notepad.exe")
    s.x("windowmove", "--sync", pad.id, regedit[0] - 13, regedit[1] - 8)
    wait_until(lambda: s.windows("notepad.exe")[0].rect[:2] == (regedit[0] - 13, regedit[1] - 8), 10, "Notepad")
    alone = s.screenshot("notepad-alone")
    s.x("windowraise", bar.window.id)  # without a window manager nothing keeps the topmost bar above it

    # Resting on the left margin: see-through before the delay, solid after it; 100 px below the window is near,
    # 101 px far.
    s.move(*bar.rest)
    took = s.wait_screen(bar.left, bar.solid, DELAY + 3, "the resting pointer to make the bar solid")
    assert took >= DELAY - 0.1 and bar.solid(s.screenshot("solid").sub(bar.rect)), f"solid after {took:.2f} s"
    s.move(bar.rest[0], bar.rect.bottom + 100)
    assert s.wait_screen(bar.left, bar.see_through, 0.5) is None, "see-through with the pointer 100 px below"
    s.move(bar.rest[0], bar.rect.bottom + 101)
    s.wait_screen(bar.left, bar.see_through, 0.6, "see-through 101 px below the bar", "far-101px")

    # Dragged by its left margin, the solid bar follows with the grab point under the pointer, and stays solid;
    # 20 px below it the delay decides.
    bar.make_solid()
    s.x("mousedown", 1)
    s.move(bar.rest[0] + MOVED.x - BAR.x, bar.rest[1] + MOVED.y - BAR.y, steps=10)
    s.x("mouseup", 1)
    wait_until(lambda: s.windows()[0].rect == MOVED, 3, f"the bar to follow to {MOVED}")
    bar.place(MOVED)
    assert bar.solid(s.screenshot("moved").sub(bar.left)), "the moved bar is not solid"
    s.move(bar.rest[0], MOVED.bottom + 20)
    took = s.wait_screen(bar.left, bar.see_through, DELAY + 2, "the bar to turn see-through after the delay")
    assert DELAY - 0.1 <= took < DELAY + 1, f"the bar turned see-through {took:.2f} s after the pointer left it"

    # The colour key does not cut the icon out of the bar, so a click on it reaches Notepad only by click-through:
    # its menu opens and the bar starts nothing.
    around = Rect(regedit[0] - 3, regedit[1] - 3, 6, 6)
    assert alone.sub(around).data != s.screenshot("over-notepad").sub(around).data, "no icon over Notepad's File"
    started = time.monotonic()
    menu = s.wait_window("Notepad's menu", lambda: s.click(*regedit), timeout=5, exe="notepad.exe")
    assert time.monotonic() - started < DELAY and not menu.title and not s.windows("regedit.exe"), f"{menu}"
    s.screenshot("click-reached-notepad")
    s.click(pad.rect.x + 300, pad.rect.y + 250)  # closes the menu, far from the bar
    s.wait_gone(menu, "Notepad's menu to close", exe="notepad.exe")
    # Solid, the same click is the bar's: its button starts Regedit, and Notepad's menu stays shut.
    bar.make_solid(DELAY + 3)
    notepad = s.windows("notepad.exe")
    s.wait_window("Regedit", lambda: s.click(*regedit), exe="regedit.exe")
    s.screenshot("solid-bar-took-click")
    check_equal(s.windows("notepad.exe"), notepad, "Notepad's windows after the solid bar's click")

    check_equal(s.close(program), 0, "exit code")
    stored = [int(v) for k, v in s.settings()[1] if k in ("Left", "Top", "Width", "Height")]
    check_equal(stored, [MOVED.x * TWIPS, MOVED.y * TWIPS, 5640, 720], "the stored place after the drag")


if __name__ == "__main__":
    main(journey)
