#!/usr/bin/env python3
"""A stored place far off the screen and a stored width of 0 are corrected on start (half the bar stays
on the screen, the width gets its minimum), and a boolean stored as 5 is written back as -1."""

import tarnlib
from tarnlib import check, check_equal

TWIPS = tarnlib.TWIPS_PER_PIXEL


def scenario(s: tarnlib.Session) -> None:
    s.write_settings([("Left", -100000), ("Top", 0), ("Width", 0), ("Height", 720), ("ShortcutLNK", 5)])

    program = s.start()
    bar = s.wait_stable_window(s.wait_window(what="the bar window"))
    s.screenshot("bar-at-left-edge")
    check(bar.rect.x < 0, f"the bar should reach beyond the left screen edge, but is at {bar.rect}")
    check(bar.rect.x + bar.rect.width / 2 >= 0, f"less than half of the bar is on the screen: {bar.rect}")
    check_equal(bar.rect.y, 0, "bar top")
    check_equal(bar.rect.height, 720 // TWIPS, "bar height in pixels")

    s.close_program(program)
    ini = s.read_settings()
    width = ini.int("Width")
    # The placement gives the minimum of 240 twips; the bar's layout then widens it to 480 twips.
    check_equal(width, 480, "Width in twips")
    # Half of the placed 240 twips may lie beyond the edge; widening keeps the left edge where it is.
    check_equal(ini.int("Left"), -120, "Left")
    check(ini.int("Left") + width // 2 >= 0, "less than half of the stored bar lies on the screen")
    check_equal(ini.int("Top"), 0, "Top")
    check_equal(ini.int("Height"), 720, "Height")
    check_equal(ini.get("ShortcutLNK"), "-1", "ShortcutLNK written back from a stored 5")
    check_equal(ini.get("Delay"), "200", "Delay (absent, so the default)")
    check(s.buttons_path.is_dir(), "an absent FolderPath did not create the default button folder")


if __name__ == "__main__":
    tarnlib.main(scenario)
