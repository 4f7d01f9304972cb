#!/usr/bin/env python3
"""A second start while the bar runs shows "Program already running." and nothing else: the first bar
stays where it is, the settings file is not touched, and the second start ends when the box is closed."""

import time

import tarnlib
from tarnlib import check, check_equal

# Values that differ from the defaults, so that a rewrite by either instance would show.
SETTINGS = [("Delay", 350), ("Alpha", 90), ("Left", 3000), ("Top", 1500), ("Width", 6000), ("Height", 900)]


def scenario(s: tarnlib.Session) -> None:
    settings = s.write_settings(SETTINGS)
    before = (settings.read_bytes(), settings.stat().st_mtime_ns)

    first = s.start("first TarnDock")
    bar = s.wait_stable_window(s.wait_window(what="the first bar"))
    first_windows = {w.id: w for w in s.windows()}

    second = s.start("second TarnDock")
    box = s.wait_window("TarnDock", where=lambda w: w.id not in first_windows,
                        what='a new window titled "TarnDock" (the message box of the second start)')
    box = s.wait_stable_window(box)
    shot = s.screenshot("program-already-running")
    drawn = shot.region(box.rect)
    check(drawn.fraction(lambda c: c != (0, 0, 0)) > 0.5,
          f"the message box at {box.rect} is not drawn: {drawn.histogram()} ({shot.path.name})")
    check(box.rect.width < 1024 and box.rect.height < 400, f"the second start showed {box}, not a message box")

    # The box waits for the user: the second start must not end on its own.
    time.sleep(1.0)
    check(second.running(), "the second start ended while its message box should still be open")
    check(first.running(), "the first bar ended when the second start ran")

    s.focus(box)
    s.key("Return")
    second.wait_exit(15)
    tarnlib.wait_until(lambda: all(w.id != box.id for w in s.windows()), 10, "the message box to disappear")
    s.screenshot("after-message-box")

    check(first.running(), "the first bar ended when the second start's box was closed")
    now = {w.id: w for w in s.windows()}
    check(bar.id in now, "the first bar's window is no longer visible")
    check_equal(now[bar.id].rect, bar.rect, "first bar's place after the second start")
    check_equal(set(now), set(first_windows), "visible windows of the program after the second start ended")
    after = (settings.read_bytes(), settings.stat().st_mtime_ns)
    check(after[0] == before[0], "the settings file's contents changed while the first bar was running")
    check(after[1] == before[1], "the settings file's modification time changed while the first bar was running")


if __name__ == "__main__":
    tarnlib.main(scenario)
