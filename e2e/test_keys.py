"""The context menu's Refresh, Minimize and End, F3 and restoring, F4 and Alt+F4; every way out stores the settings."""
from tarnlib import Bar, check_equal, is_dark, lines, wait_until


start = lambda s: Bar.start(s, True, Left=3000, Top=1500)  # only the place, so that the end writes every key anew


def choose(s, at, entry):  # in the context menu at `at`: seven lines in four groups, separators in the wide gaps
    menu, shot, entries = s.popup(at, 3, entry)
    gaps = [b.y - a.bottom for a, b in zip(entries, entries[1:])]
    check_equal((menu.rect[:2], [g > min(gaps) + 4 for g in gaps]), (at, [0, 1, 1, 0, 1, 1]), "corner and groups")
    return shot, entries


def ended(s, program, how):  # cleanly, nothing left on the screen, every key stored, the place unchanged
    check_equal((program.wait(15), s.windows()), (0, []), f"exit code, windows after {how}")
    check_equal([len(s.settings()), *s.values("Left", "Top")], [12, "3000", "1500"], f"settings after {how}")


def minimised(s, bar, how):  # the bar gone, the window "TarnDock" of class frmMenu standing for it
    s.wait_gone(bar.window, f"the bar to go after {how}", 5)
    stand_in = wait_until(lambda: s.windows(), 5, f"the bar's stand-in after {how}")
    assert bar.see_through(s.screenshot(f"minimised-by-{how}").sub(bar.rect)) and len(stand_in) == 1, stand_in
    return stand_in[0]


def journey(s):
    s.probe(s.buttons)
    program, bar = start(s)  # a right-click on a program starts nothing; Refresh rebuilds the toolbar under it
    shot, entries = choose(s, (icons := bar.icons(s.screenshot("solid")))[0].centre, 3)
    columns = set.intersection(*[{a for a, _ in shot.sub(e).runs(is_dark, 2)} for e in entries])  # of key names
    assert len(icons) == 1 and len(columns) >= 2, f"{icons}, no column of key names: {columns}"
    wait_until(lambda: len(s.windows()) == 1, 5, "the context menu to close after Refresh")
    choose(s, icons[0].centre, 6)
    ended(s, program, "End")
    check_equal(lines(s.buttons / "probe.log"), [], "starts of the program button by right-clicks")

    program, bar = start(s)  # Minimize and F3 leave a stand-in, whose window menu restores the bar or ends
    choose(s, bar.rest, 5)
    s.key("alt+space", "r", window=minimised(s, bar, "Minimize"))
    wait_until(lambda: s.windows() == [bar.window], 10, "the bar alone in its place again")
    s.park()
    s.wait_screen(bar.left, bar.see_through, 5, "the restored bar to be see-through", "restored")
    bar.press("F4")
    assert not wait_until(lambda: program.poll() is not None or not s.windows(), 2), "F4 without Alt ended it"
    s.key("F3")
    s.key("alt+space", "c", window=minimised(s, bar, "F3"))
    ended(s, program, "closing the stand-in")
    start(s)[1].press("alt+F4")
    ended(s, s.procs[-1], "Alt+F4")
