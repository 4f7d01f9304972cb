#!/usr/bin/env python3
"""First start, a second start while the bar runs, and a stored place that the start corrects."""
import shutil

from tarnlib import Bar, Rect, check_equal, is_dark, main, wait_until

DEFAULTS = dict(Delay="200", Alpha="110", NoDelayOnScreenBorder="-1", OnScreenBoderOnly="0", FileGrouping="0",
                IconsInMenus="0", ShortcutLNK="-1", Left="10065", Top="0", Width="5640", Height="720")


def journey(s):
    first, bar = Bar.start(s)
    check_equal(bar.rect, Rect(671, 0, 376, 48), "the first bar, at 10065 twips, 23 px beyond the right edge")
    wait_until(s.buttons.is_dir, 10, "the button folder")
    assert bar.see_through(s.screenshot("first-start").sub(bar.left)), "the first bar is not see-through"

    # A second start says so in a box and ends with it; the running bar and its files stay as they are.
    files = lambda: sorted((p, p.stat().st_mtime_ns) for p in s.buttons.parent.rglob("*"))
    before, second = files(), []
    box = s.wait_window("the box", lambda: second.append(s.start()), lambda w: w.title == "TarnDock")
    drawn = s.screenshot("program-already-running").sub(box.rect)
    assert box.rect.width < 600 and 0.01 < drawn.fraction(is_dark) < 0.5, f"not a message box: {box}, {drawn}"
    assert wait_until(lambda: second[0].poll() is not None, 1) is None, "the second start ended with its box open"
    s.key("Return", window=box)
    check_equal((second[0].wait(15), s.windows(), files()), (0, [bar.window], before), "exit, windows, files after it")

    # Closed as the system does, it writes every default, CR LF, no byte-order mark.
    check_equal(s.close(first), 0, "exit code")
    data, pairs = s.settings()
    assert data.startswith(b"[Settings]\r\n") and b"\n" not in data.replace(b"\r\n", b""), data
    check_equal(pairs, [("FolderPath", s.windows_path(s.buttons)), *DEFAULTS.items()], "the settings file")

    # A place far off the screen, a width of 0 and a boolean of 5 are corrected; an absent folder is made again. The
    # placement gives the least width, 240 twips, half beyond the edge; the layout then widens it to 480 twips.
    shutil.rmtree(s.buttons)
    s.write_settings(Left=-100000, Top=0, Width=0, Height=720, ShortcutLNK=5)
    program = s.start()
    check_equal(s.wait_window("the bar").rect, Rect(-8, 0, 32, 48), "the bar, half beyond the left edge, least wide")
    s.screenshot("placed-at-left-edge")
    s.close(program)
    check_equal(dict(s.settings()[1]), dict(DEFAULTS, FolderPath=s.windows_path(s.buttons), Left="-120", Width="480"),
                "the settings after the correction")
    assert s.buttons.is_dir(), "an absent FolderPath did not make the button folder again"


if __name__ == "__main__":
    main(journey)
