"""The hint, the see-through and solid bar and what switches them, moving it, and clicks through it."""
import shutil

from tarnlib import MARGIN, ROOT, TWIPS, Bar, Rect, check_equal, make_files, wait_until

BAR, MOVED, DELAY = Rect(150, 150, 376, 48), Rect(360, 285, 376, 48), 1.5  # a delay to tell from the next tick


def start(s, name, notes, **settings):  # a bar on notes, then Wine's Notepad and Regedit
    make_files(folder := s.prefix / "drive_c" / name, *(f"Note {i:02d}.txt" for i in range(notes)))
    [shutil.copy(s.prefix / "drive_c" / "windows" / p.lower(), folder / p) for p in ("Notepad.exe", "Regedit.exe")]
    return Bar.start(s, FolderPath=s.windows_path(folder), **settings)


def journey(s):
    program, bar = start(s, "Hint Demo", 40, Left=150, Top=3000, Width=15000, Height=510)  # a second row shows 6 px
    shot, c, _ = s.screenshot("hint"), bar.client, s.close(program)  # hint: an arrow on a box at the margin's bottom
    box, second_row = shot.sub(Rect(c.x, c.bottom - 17, MARGIN, 17)), shot.sub(Rect(c.x + 11, c.bottom - 1, 16, 1))
    assert bar.see_through(shot.sub(Rect(c.x, c.y, MARGIN, c.height - 17))) and not bar.see_through(second_row) and \
        box.fraction((255, 255, 255).__eq__) > 0.5 and box.fraction((0, 0, 0).__eq__) > 0.02, f"no hint: {box}"

    program, bar = start(s, "Bar Demo", 3, Left=BAR.x * TWIPS, Top=BAR.y * TWIPS, Delay=int(DELAY * 1000))
    icons = (shot := s.screenshot("see-through")).sub(bar.columns).runs(ROOT.__ne__)
    assert bar.see_through(shot.sub(bar.left)) and bar.see_through(shot.sub(bar.right)) and len(icons) == 5, icons
    regedit = (sum(icons[4]) // 2 + MOVED.x - BAR.x, bar.band.centre[1] + MOVED.y - BAR.y)  # to lie on Notepad's File
    pad = s.wait_window("Notepad", lambda: s.start("notepad.exe"), exe="notepad.exe")
    s.x("windowmove", "--sync", pad.id, regedit[0] - 13, regedit[1] - 8)
    alone = s.screenshot("notepad-alone")
    s.x("windowraise", bar.window.id)  # without a window manager nothing keeps the topmost bar above it

    s.move(*bar.rest)  # solid once the pointer has rested on the margin for the delay
    took = s.wait_screen(bar.left, bar.solid, DELAY + 3, "the resting pointer to make the bar solid")
    assert took >= DELAY - 0.1 and bar.solid(s.screenshot("solid").sub(bar.rect)), f"solid after {took:.2f} s"
    s.move(bar.rest[0], bar.rect.bottom + 101)  # and see-through at once 101 px below the window
    s.wait_screen(bar.left, bar.see_through, DELAY - 0.3, "see-through 101 px below, before the delay", "far-101px")

    bar.make_solid()  # dragged by its margin, the solid bar keeps the grab point under the pointer
    s.drag(bar.rest[0] + MOVED.x - BAR.x, bar.rest[1] + MOVED.y - BAR.y, 10)
    bar = Bar(s, wait_until(lambda: (w := s.windows()[0]).rect == MOVED and w, 3, f"the bar to follow to {MOVED}"))
    s.move(bar.rest[0], MOVED.bottom + 20)  # 20 px off, the delay decides
    took = s.wait_screen(bar.left, bar.see_through, DELAY + 2, "the bar to turn see-through after the delay", "moved")
    assert DELAY - 0.1 <= took < DELAY + 1.5, f"the bar turned see-through {took:.2f} s after the pointer left it"

    around = Rect(regedit[0] - 3, regedit[1] - 3, 6, 6)  # the see-through bar draws Regedit's icon over "File",
    assert alone.sub(around).data != s.grab(around).data, "no icon over Notepad's File"  # yet lets a click through;
    menu = s.wait_window("Notepad's menu", lambda: s.click(*regedit), timeout=5, exe="notepad.exe", label="notepad-menu")
    assert not menu.title and not s.windows("regedit.exe"), f"not Notepad's menu but {menu}, or Regedit started"
    s.click(pad.rect.x + 300, pad.rect.y + 250)  # closes the menu, far from the bar
    s.wait_gone(menu, "Notepad's menu to close", exe="notepad.exe")  # the solid bar takes the click
    bar.make_solid(DELAY + 3)
    s.wait_window("Regedit", lambda: s.click(*regedit), exe="regedit.exe", label="solid-bar-took-click")
    s.close(program)
    check_equal(s.values("Left", "Top", "Width", "Height"),
                [str(MOVED.x * TWIPS), str(MOVED.y * TWIPS), "5640", "720"], "the stored place after the drag")
