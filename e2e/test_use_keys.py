#!/usr/bin/env python3
"""On the focused bar F4 alone does nothing and Alt+F4 ends the program, writing the settings file; on a
second start a right-click on a program button opens the context menu (seven entries with their keys, in
four groups) instead of starting the program. "Refresh" chosen there builds the toolbar anew under that very
click, and the new toolbar's context menu "End" ends the program the same way."""

import time

import tarnlib
import usescenes
from tarnlib import check, check_equal
from usescenes import Bar

# Lines of the context menu: Add or remove buttons, Edit button order | Options | Refresh, Help |
# Minimize | End. A separator lies between the entries of each of these pairs of indexes.
SEPARATED = [(1, 2), (2, 3), (4, 5), (5, 6)]
REFRESH = 3
END = 6


def word_starts(region: tarnlib.Region, line: tarnlib.Rect) -> list[int]:
    """The x at which each word of a line of text starts: text columns after a gap of 3 or more."""
    columns = [x for x in range(line.x, line.right)
               if any(usescenes.is_dark(region.at(x, y)) for y in range(line.y, line.bottom))]
    return [x for i, x in enumerate(columns) if i == 0 or x - columns[i - 1] >= 3]


def focus_bar(s: tarnlib.Session, bar: Bar) -> None:
    """Clicks the bar's background and gives it the keyboard: without a window manager a click does not
    move the display's input focus, which a window manager would do."""
    usescenes.click(s, *bar.margin_point)
    s.focus(bar.window)


def open_context_menu(s: tarnlib.Session, at: tuple[int, int]):
    """Right-clicks at the point; returns the context menu's window, its screenshot and its lines."""
    known = usescenes.all_window_ids(s)
    usescenes.click(s, *at, button=3)
    window = usescenes.wait_new_window(s, known, "the context menu")
    shot = s.screenshot("context-menu")
    menu = usescenes.read_menu(shot, window.rect)
    s.log(f"context menu {menu}")
    return window, shot, menu


def scenario(s: tarnlib.Session) -> None:
    usescenes.place_bar(s)
    usescenes.put_probe(s, s.buttons_path)

    program, bar = Bar.start(s, "TarnDock for Alt+F4")
    bar.make_solid()
    focus_bar(s, bar)
    s.key("F4")
    time.sleep(1.0)
    check(program.running(), "F4 without Alt ended the program")
    s.key("alt+F4")
    check_equal(program.wait_exit(15), 0, "exit code after Alt+F4")
    s.screenshot("after-alt-f4")
    check(not s.windows(), "a window of the program is still visible after Alt+F4")
    usescenes.check_settings_written(s)

    # Only the place again, so that the second run's file shows that it was written anew.
    usescenes.place_bar(s)
    program, bar = Bar.start(s, "TarnDock for End")
    shot = bar.make_solid()
    icons = bar.button_icons(shot)
    check_equal(len(icons), 1, f"pictures on the bar's buttons ({shot.path.name})")
    at = usescenes.centre(icons[0])
    window, shot, menu = open_context_menu(s, at)
    check_equal((window.rect.x, window.rect.y), at, "the context menu's top left corner, at the pointer")
    check_equal(len(menu.entries), 7, f"lines of text in the context menu ({shot.path.name})")
    check_equal(len(menu.separators), 4, f"separator lines in the context menu ({shot.path.name})")
    for (above, below), y in zip(SEPARATED, menu.separators):
        check(menu.entries[above].bottom <= y < menu.entries[below].y,
              f"no separator between lines {above} and {below} of the context menu ({shot.path.name})")
    # The key names stand in a column of their own: every line has a word that starts at the same x, right
    # of where the entries' captions start.
    region = shot.region(window.rect)
    starts = [set(word_starts(region, line)) for line in menu.entries]
    common = sorted(set.intersection(*starts))
    s.log(f"x of words that every line of the context menu starts: {common}")
    check(len(common) >= 2, f"the context menu shows no column of key names ({shot.path.name})")
    check(not usescenes.probe_runs(s.buttons_path), "the right-click on the program button started it")

    usescenes.click(s, *usescenes.entry_point(menu, REFRESH))
    usescenes.wait_hidden(s, window.id, 5, "the context menu to close after Refresh")
    check(program.running(), "the program ended at Refresh")
    window, shot, menu = open_context_menu(s, at)
    check_equal(len(menu.entries), 7, f"lines of the context menu after Refresh ({shot.path.name})")
    usescenes.click(s, *usescenes.entry_point(menu, END))
    check_equal(program.wait_exit(15), 0, 'exit code after "End"')
    s.screenshot("after-end")
    check(not s.windows(), 'a window of the program is still visible after "End"')
    usescenes.check_settings_written(s)
    check(not usescenes.probe_runs(s.buttons_path), "the program button was started during the scenario")


if __name__ == "__main__":
    tarnlib.main(scenario)
