#!/usr/bin/env python3
"""The context menu and its Refresh and End, minimising from the menu and by F3 and restoring, F4 and Alt+F4;
each way to end the program writes the settings file."""

import shutil
import time

import tarnlib
from tarnlib import TWIPS, Bar, check, check_equal, is_dark

BAR = (200, 100)
KEYS = ["FolderPath", "Delay", "Alpha", "NoDelayOnScreenBorder", "OnScreenBoderOnly", "FileGrouping", "IconsInMenus",
        "ShortcutLNK", "Left", "Top", "Width", "Height"]
# Add or remove buttons, Edit button order | Options | Refresh, Help | Minimize | End: separators between these.
SEPARATED = [(1, 2), (2, 3), (4, 5), (5, 6)]
REFRESH, MINIMIZE, END = 3, 5, 6
SHOWN = "frmMenu visible 0 iconic 0 frmTarnDock visible 1"


def start(s: tarnlib.Session) -> tuple[tarnlib.Program, Bar]:
    # Only the place, so that the file after the end shows that it was written anew.
    s.write_settings(Left=BAR[0] * TWIPS, Top=BAR[1] * TWIPS)
    program, bar = Bar.start(s)
    bar.make_solid()
    return program, bar


def ended(s: tarnlib.Session, program: tarnlib.Program, how: str) -> None:
    check_equal(program.wait(), 0, f"exit code after {how}")
    s.screenshot(f"after-{how}")
    check(not s.windows(), f"a window of the program is still visible after {how}")
    ini = s.read_settings()
    check_equal(sorted(k for k, _ in ini.pairs), sorted(KEYS), f"keys of the settings file after {how}")
    check_equal((ini.int("Left"), ini.int("Top")), (BAR[0] * TWIPS, BAR[1] * TWIPS), f"the stored place after {how}")


def context_menu(s: tarnlib.Session, at: tuple[int, int], label: str) -> tarnlib.Menu:
    known = s.ids(visible=False)
    s.click(*at, button=3)
    window = s.wait_window("the context menu", lambda w: w.id not in known)
    shot = s.screenshot(label)
    menu = tarnlib.read_menu(shot, window.rect)
    check_equal((window.rect.x, window.rect.y, len(menu.entries)), (*at, 7), f"corner and lines ({shot.name})")
    return menu


def minimised(s: tarnlib.Session, bar: Bar, how: str) -> None:
    """The bar is gone from the screen, and the window "TarnDock" of class frmMenu stands for it, minimised."""
    s.wait_gone(bar.window.id, f"the bar to disappear after {how}", 5)
    tarnlib.wait_until(lambda: "frmMenu visible 1 iconic 1 frmTarnDock visible 0" == state(s), 10,
                       f"the window frmMenu to show minimised after {how}")
    where = s.screenshot(f"minimised-by-{how}").sub(bar.rect)
    check(where.fraction(tarnlib.is_root) == 1.0, f"something is still drawn where the bar stood: {where}")


def state(s: tarnlib.Session) -> str:
    return " ".join(tarnlib.run([tarnlib.WINE, s.helpers / "Restore.exe", "state"], s.env, ok=False).stdout.split())


def journey(s: tarnlib.Session) -> None:
    s.buttons.mkdir(parents=True)
    shutil.copy(s.helpers / "Probe.exe", s.buttons)

    # A right-click on a program button opens the context menu at the pointer and starts nothing: seven entries in
    # four groups, the key names in a column of their own. Refresh builds the toolbar anew under the very click.
    program, bar = start(s)
    icons = bar.icons(s.screenshot("solid"))
    check_equal(len(icons), 1, "pictures on the bar's buttons")
    menu = context_menu(s, icons[0].centre, "context-menu")
    check_equal(len(menu.separators), 4, "separator lines of the context menu")
    for (above, below), y in zip(SEPARATED, menu.separators):
        check(menu.entries[above].bottom <= y < menu.entries[below].y, f"no separator between {above} and {below}")
    # Every line has a word that starts at the same x right of where the captions start.
    words = [{a for a, _ in tarnlib.runs(menu.shot.sub(line), is_dark, 2)} for line in menu.entries]
    check(len(set.intersection(*words)) >= 2, "the context menu shows no column of key names")
    s.click(*menu.point(REFRESH))
    tarnlib.wait_until(lambda: len(s.windows()) == 1, 5, "the context menu to close after Refresh")
    menu = context_menu(s, icons[0].centre, "context-menu-after-refresh")
    s.click(*menu.point(END))
    ended(s, program, "End")
    check(not tarnlib.probe_runs(s.buttons), "the program button was started by a right-click")

    # "Minimize" hides the bar; restoring frmMenu brings it back where it was and hides frmMenu. F4 alone does
    # nothing; F3 minimises; closing frmMenu from its window menu ends the program.
    program, bar = start(s)
    s.click(*context_menu(s, bar.rest, "context-menu-on-margin").point(MINIMIZE))
    minimised(s, bar, "Minimize")
    s.park()
    check_equal(s.run_helper("Restore.exe", "restore").returncode, 0, "Restore.exe restore")
    back = s.wait_window("the bar to show again", lambda w: w.id == bar.window.id, 10)
    check_equal(back.rect, bar.rect, "the bar's place after restoring")
    tarnlib.wait_until(lambda: state(s) == SHOWN, 10, "frmMenu to hide again once the bar is back")
    s.wait_screen(bar.left, bar.see_through, 5, "the restored bar to be see-through", "restored")
    bar.make_solid()
    s.click(*bar.rest)
    s.focus(bar.window)
    s.key("F4")
    # An ending bar hides within a second or two; its process may take longer to end.
    time.sleep(2.0)
    check(program.running() and bar.window.id in s.ids(), "F4 without Alt ended the program")
    s.key("F3")
    minimised(s, bar, "F3")
    check_equal(s.run_helper("Restore.exe", "close").returncode, 0, "Restore.exe close")
    ended(s, program, "closing-frmMenu")

    program, bar = start(s)
    s.click(*bar.rest)
    s.focus(bar.window)
    s.key("alt+F4")
    ended(s, program, "Alt+F4")


if __name__ == "__main__":
    tarnlib.main(journey)
