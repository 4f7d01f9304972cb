#!/usr/bin/env python3
"""The context menu with Refresh and End, minimising from the menu and by F3 and restoring, F4 and Alt+F4; each
way to end the program writes the settings file."""
import shutil

from tarnlib import Bar, check_equal, is_dark, lines, main, wait_until

KEYS = {"FolderPath", "Delay", "Alpha", "NoDelayOnScreenBorder", "OnScreenBoderOnly", "FileGrouping", "IconsInMenus",
        "ShortcutLNK", "Left", "Top", "Width", "Height"}


def start(s):
    s.write_settings(Left=3000, Top=1500)  # the place alone: the end writes every key anew
    program, bar = Bar.start(s)
    bar.make_solid()
    return program, bar


def context_menu(s, at, choose):
    """Opens the context menu at `at` and chooses an entry: at the pointer, seven lines in four groups."""
    menu, shot, entries = s.popup(at, 3)
    gaps = [b.y - a.bottom for a, b in zip(entries, entries[1:])]
    # Add or remove buttons, Edit button order | Options | Refresh, Help | Minimize | End
    check_equal((menu.rect[:2], [g > min(gaps) + 4 for g in gaps]), (at, [0, 1, 1, 0, 1, 1]), "corner and groups")
    s.click(menu.rect.x + 40, entries[{"Refresh": 3, "Minimize": 5, "End": 6}[choose]].centre[1])
    return shot, entries


def ended(s, program, how):
    check_equal(program.wait(15), 0, f"exit code after {how}")
    assert not s.windows(), f"a window of the program is still visible after {how}: {s.screenshot('after-' + how)}"
    pairs = dict(s.settings()[1])
    check_equal((set(pairs), pairs["Left"], pairs["Top"]), (KEYS, "3000", "1500"), f"the settings after {how}")


def minimised(s, bar, how):
    """The bar is gone from the screen and the window "TarnDock" of class frmMenu stands for it, minimised."""
    s.wait_gone(bar.window, f"the bar to go after {how}", 5)
    wait_until(lambda: s.wine(s.helpers / "Restore.exe", "state")[1] == "1 1 0", 10, f"frmMenu minimised by {how}")
    assert bar.see_through(s.screenshot(f"minimised-by-{how}").sub(bar.rect)), "something stays where the bar stood"


def journey(s):
    s.buttons.mkdir(parents=True)
    shutil.copy(s.helpers / "Probe.exe", s.buttons)

    # A right-click on a program button opens the context menu at the pointer and starts nothing; the key names
    # stand in a column of their own. Refresh builds the toolbar anew under the very click.
    program, bar = start(s)
    icons = bar.icons(s.screenshot("solid"))
    check_equal(len(icons), 1, "pictures on the bar's buttons")
    shot, entries = context_menu(s, icons[0].centre, "Refresh")
    assert len(set.intersection(*[{a for a, _ in shot.sub(e).runs(is_dark, 2)} for e in entries])) >= 2, "no key column"
    wait_until(lambda: len(s.windows()) == 1, 5, "the context menu to close after Refresh")
    context_menu(s, icons[0].centre, "End")
    ended(s, program, "End")
    check_equal(lines(s.buttons / "probe.log"), [], "starts of the program button by right-clicks")

    # Minimize hides the bar; restoring frmMenu brings it back where it was and hides frmMenu. F4 alone does
    # nothing; F3 minimises; closing frmMenu from its window menu ends the program.
    program, bar = start(s)
    context_menu(s, bar.rest, "Minimize")
    minimised(s, bar, "Minimize")
    s.park()
    s.wine(s.helpers / "Restore.exe", "restore")
    check_equal(s.wait_window("the bar", where=lambda w: w.id == bar.window.id), bar.window, "the restored bar")
    wait_until(lambda: s.wine(s.helpers / "Restore.exe", "state")[1] == "0 0 1", 10, "frmMenu to hide again")
    s.wait_screen(bar.left, bar.see_through, 5, "the restored bar to be see-through", "restored")
    bar.make_solid()
    s.click(*bar.rest)
    s.key("F4", window=bar.window)
    # An ending bar hides within a second or two.
    assert wait_until(lambda: program.poll() is not None or not s.windows(), 2) is None, "F4 without Alt ended it"
    s.key("F3")
    minimised(s, bar, "F3")
    s.wine(s.helpers / "Restore.exe", "close")
    ended(s, program, "closing-frmMenu")

    program, bar = start(s)
    s.click(*bar.rest)
    s.key("alt+F4", window=bar.window)
    ended(s, program, "Alt+F4")


if __name__ == "__main__":
    main(journey)
