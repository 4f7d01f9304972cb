#!/usr/bin/env python3
"""Hovering a button shows a box of the tooltip colour 3 px right of and 33 px below the pointer, sized to
the button's file name; small moves within the button keep it where it is, another button moves it there,
and leaving the bar hides it within the hide timer's 150 ms."""

import time

import tarnlib
import usescenes
from tarnlib import Rect, Window, check, check_equal
from usescenes import Bar

SHORT = "Short.txt"
LONG = "Very long name of a text file.txt"
# How long the tip may stay after the pointer has left: one tick of the 150 ms hide timer, and the
# time the display takes to unmap a window and this poll to see it.
HIDE_WITHIN = 0.4


def wait_tip(s: tarnlib.Session, bar: Bar, where, what: str) -> Window:
    def probe():
        tips = [w for w in s.windows() if w.id != bar.window.id and where(w)]
        return tips[0] if tips else None
    tip = tarnlib.wait_until(probe, 5, what, interval=0.05)
    s.log(f"tip: {tip}")
    return tip


def check_tip_box(s: tarnlib.Session, bar: Bar, tip: Window, pointer: tuple[int, int], label: str) -> None:
    check_equal((tip.rect.x, tip.rect.y), (pointer[0] + 3, pointer[1] + 33), f"tip's corner for the pointer at {pointer}")
    shot = s.screenshot(label)
    box = shot.region(tip.rect)
    paper = usescenes.most_common(box)
    check(paper != bar.root and usescenes.luminance(paper) > 200,
          f"the tip at {tip.rect} is not a light box: {box.histogram()} ({shot.path.name})")
    check(box.fraction(lambda c: c == paper) > 0.6 and box.count(usescenes.is_dark) > 20,
          f"the tip at {tip.rect} is not text on one colour: {box.histogram()} ({shot.path.name})")
    # The box begins where the window does: the column before it, below the bar, is the root's.
    outside = shot.region(Rect(tip.rect.x - 2, bar.rect.bottom + 2, 2, tip.rect.bottom - bar.rect.bottom - 2))
    check(outside.fraction(lambda c: c == bar.root) == 1.0,
          f"something is drawn left of the tip at {tip.rect}: {outside.histogram()} ({shot.path.name})")
    check(box.at(tip.rect.x, tip.rect.bottom - 1) == paper,
          f"the tip's lower left corner is not of its colour ({shot.path.name})")


def scenario(s: tarnlib.Session) -> None:
    usescenes.place_bar(s)
    s.write_file(f"TarnDock\\Buttons\\{SHORT}", "a short name")
    s.write_file(f"TarnDock\\Buttons\\{LONG}", "a long name")

    program, bar = Bar.start(s)
    rest = bar.make_solid()
    icons = bar.button_icons(rest)
    check_equal(len(icons), 2, f"pictures on the bar's buttons ({rest.path.name})")
    check(not [w for w in s.windows() if w.id != bar.window.id], "a tip shows before any button was hovered")

    first = usescenes.centre(icons[0])
    usescenes.move(s, *first)
    tip = wait_tip(s, bar, lambda w: True, "a tip for the first button")
    tip = s.wait_stable_window(tip, settle=0.3)
    check_tip_box(s, bar, tip, first, "tip-short-name")
    short_width = tip.rect.width

    # Within 3 px of where it was shown the tip stays, and stays put, over more than one hide tick.
    usescenes.move(s, first[0] + 2, first[1] + 1)
    time.sleep(0.5)
    usescenes.move(s, first[0] + 3, first[1])
    time.sleep(0.5)
    now = s.window_info(tip.id)
    check(tip.id in usescenes.visible_ids(s), "the tip vanished while the pointer stayed within its button")
    check_equal(now.rect, tip.rect, "tip after small moves within its button")

    second = usescenes.centre(icons[1])
    usescenes.move(s, *second)
    tip = wait_tip(s, bar, lambda w: w.rect.x == second[0] + 3, "the tip to move to the second button")
    tip = s.wait_stable_window(tip, settle=0.3)
    check_tip_box(s, bar, tip, second, "tip-long-name")
    check(tip.rect.width >= short_width + 60,
          f"the tip of {LONG!r} is {tip.rect.width} px wide, that of {SHORT!r} {short_width} px: "
          "the tip does not show the file's name")

    # Off the bar, away from the tip too: only the hide timer can take the tip away now.
    check(tip.id in usescenes.visible_ids(s), "the tip of the second button vanished while hovered")
    left = time.monotonic()
    s.move(bar.rect.x - 100, bar.rect.bottom + 150)
    while tip.id in usescenes.visible_ids(s):
        check(time.monotonic() - left < 3, "the tip is still shown 3 s after the pointer left the bar")
    hidden_after = time.monotonic() - left
    s.log(f"tip hidden {hidden_after * 1000:.0f} ms after the pointer left the bar")
    s.screenshot("tip-hidden")
    check(hidden_after <= HIDE_WITHIN,
          f"the tip was hidden {hidden_after * 1000:.0f} ms after the pointer left, expected within "
          f"{HIDE_WITHIN * 1000:.0f} ms")
    check(program.running(), "the program ended while hovering")
    s.close_program(program)


if __name__ == "__main__":
    tarnlib.main(scenario)
