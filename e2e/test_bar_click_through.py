#!/usr/bin/env python3
"""A click on an icon of the see-through bar reaches the window beneath it (Wine's Notepad, whose menu
opens); the same click on the solid bar is taken by the bar, which starts that button's program instead.

Notepad is the target because a click on its menu bar has an effect that shows as a new window (the
menu popup) without any helper program. The click is made on an icon pixel, not on the background:
the background is the colour key and is cut out of the bar's shape, so a click there would reach
Notepad even if the bar took clicks; the icons are part of the window, and only click-through lets a
click on them pass.
"""

import time

import tarnlib
from tarnlib import Rect, check, check_equal

import barscenes as bs
from barscenes import is_root

BAR = Rect(150, 150, 376, 48)
# Notepad's window (its menu bar at the top, no caption without a window manager) under the right part
# of the bar, so that the bar's left margin still shows the root and its menu item "File" lies under
# the icon of the fourth button (a copy of Wine's regedit.exe). A program, not a text file: the test
# prefix has no file type for .txt, so the shell could not open one.
NOTEPAD = Rect(231, 152, 500, 300)
# Long enough that the click lands before the resting pointer could make the bar solid.
DELAY = 2.0
TARGET_PROGRAM = "Regedit.exe"


def scenario(s: tarnlib.Session) -> None:
    folder = bs.make_button_folder(s)
    bs.write_bar_settings(s, folder, BAR.x, BAR.y, Delay=int(DELAY * 1000))
    bs.set_root(s)

    # Started before the bar, so that the bar's window is mapped above it.
    notepad = bs.WineProgram(s, "notepad.exe")
    main = tarnlib.wait_until(lambda: next((w for w in notepad.windows() if "Notepad" in w.name), None), 30,
                              "Notepad's window")
    bs.x(s, "xdotool", "windowmove", "--sync", str(main.id), str(NOTEPAD.x), str(NOTEPAD.y))
    bs.x(s, "xdotool", "windowsize", "--sync", str(main.id), str(NOTEPAD.width), str(NOTEPAD.height))
    main = tarnlib.wait_until(lambda: (lambda w: w if w and w.rect == NOTEPAD else None)(s.window_info(main.id)),
                              10, f"Notepad's window at {NOTEPAD}")
    alone = s.screenshot("notepad-alone")

    program, bar = bs.start_bar(s)
    check_equal(bar.rect, BAR, "bar window on the screen")
    shot, view = bs.see_through_view(s, bar, "bar-over-notepad")

    # The bar's own pixels over Notepad's "File" item: where the screen differs from Notepad alone.
    item = Rect(NOTEPAD.x + 4, view.client.y + 2, 18, 14)
    before, now = alone.region(item), shot.region(item)
    drawn = [(x, y) for y in range(item.y, item.bottom) for x in range(item.x, item.right)
             if before.at(x, y) != now.at(x, y)]
    check(len(drawn) >= 20, f"the bar draws no icon over Notepad's menu item at {item} ({shot.path.name})")
    cx = sum(p[0] for p in drawn) / len(drawn)
    cy = sum(p[1] for p in drawn) / len(drawn)
    target = min(drawn, key=lambda p: (p[0] - cx) ** 2 + (p[1] - cy) ** 2)
    s.log(f"clicking the icon pixel {target}: {tarnlib.colour_name(now.at(*target))} over Notepad's "
          f"{tarnlib.colour_name(before.at(*target))}")

    # See-through: the click goes to Notepad, whose menu opens; the bar launches nothing.
    popups_before = {w.id for w in notepad.windows()}
    s.click(*target)
    clicked = time.monotonic()
    margin = bs.read_region(s, view.left_margin)
    check(time.monotonic() - clicked < DELAY and margin is not None and margin.fraction(is_root) == 1.0,
          "the bar was not see-through when it was clicked")
    popup = tarnlib.wait_until(
        lambda: next((w for w in notepad.windows() if w.id not in popups_before), None), 5,
        "a menu of Notepad to open under the clicked see-through bar")
    s.log(f"Notepad opened {popup}")
    s.screenshot("click-reached-notepad")
    check(not popup.name, f"the new window is not a menu but {popup}")
    check(popup.rect.y >= NOTEPAD.y, f"the menu should drop from Notepad's menu bar: {popup}")
    started = bs.class_windows(s, TARGET_PROGRAM.lower())
    check(not started, f"the see-through bar took the click and started its button's program: {started}")

    # A click on Notepad's text area closes the menu; the pointer there is far from the bar.
    s.click(NOTEPAD.x + NOTEPAD.width // 2, NOTEPAD.bottom - 20)
    tarnlib.wait_until(lambda: all(w.id != popup.id for w in notepad.windows()), 5, "Notepad's menu to close")

    # Solid: the same click is the bar's, which opens the button's file; Notepad's menu stays shut.
    s.move(view.client.x + 3, view.client.y + view.client.height // 2)
    bs.poll_region(s, view.left_margin, lambda r: bs.shows_grip(r, view.left_margin, view.client), DELAY + 3,
                   "the resting pointer to make the bar solid", "solid")
    known = {w.id for w in notepad.windows()}
    s.click(*target)
    opened = tarnlib.wait_until(lambda: bs.class_windows(s, TARGET_PROGRAM.lower()), 20,
                                f"the solid bar's button to start {TARGET_PROGRAM}")
    s.log(f"the solid bar started {opened}")
    s.screenshot("solid-bar-took-click")
    # A menu opens within a few milliseconds of the click, long before the program's window shows.
    menus = [w for w in notepad.windows() if w.id not in known and not w.name]
    check(not menus, f"the click on the solid bar also reached Notepad, which opened {menus}")

    check_equal(s.close_program(program), 0, "exit code of the closed program")
    # Notepad is the scenario's own; the started Registry Editor ends with the session's Wine server.
    notepad.end()


if __name__ == "__main__":
    tarnlib.main(scenario)
