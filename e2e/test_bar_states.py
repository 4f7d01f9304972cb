#!/usr/bin/env python3
"""The see-through bar shows the root window through its margins and between its buttons while the
icons show; after the pointer has rested on it for the delay it is solid, grip dots in the margins and
below the toolbar; 100 px below it stays solid, 101 px below it turns see-through at the next tick, and
a pointer just outside turns it see-through once the delay has passed."""

import time

import tarnlib
from tarnlib import Rect, check, check_equal

import barscenes as bs
from barscenes import is_root

# Away from every screen edge, so that no edge rule shortens the rest time.
BAR = Rect(150, 150, 376, 48)
# A delay long enough to tell the far rule (next tick) from the delay rule, and to look at the bar
# while the pointer rests on it before the delay has passed.
DELAY = 1.5


def scenario(s: tarnlib.Session) -> None:
    folder = bs.make_button_folder(s)
    bs.write_bar_settings(s, folder, BAR.x, BAR.y, Delay=int(DELAY * 1000))
    bs.set_root(s)
    program, bar = bs.start_bar(s)
    check_equal(bar.rect, BAR, "bar window on the screen")

    # See-through: margins and the gaps between the buttons show the root, the icons show.
    shot, view = bs.see_through_view(s, bar, "see-through")
    region = shot.region(bar.rect)
    for name, margin in (("left", view.left_margin), ("right", view.right_margin)):
        part = shot.region(margin)
        check(part.fraction(is_root) == 1.0,
              f"the see-through bar's {name} margin {margin} hides the root: {part.histogram()} ({shot.path.name})")
    columns = view.toolbar_columns
    drawn = bs.column_runs(shot.region(columns), lambda c: not is_root(c))
    s.log(f"drawn column runs between the margins: {drawn}")
    check(len(drawn) >= folder.buttons,
          f"expected the icons of {folder.buttons} buttons with the root showing between them, found "
          f"{len(drawn)} drawn column runs {drawn} ({shot.path.name})")
    toolbar_band = shot.region(Rect(columns.x, columns.y, drawn[-1][1] + 1 - columns.x, 16))
    check(0.5 <= toolbar_band.fraction(is_root) < 0.95,
          f"the button row should be mostly background with icons on it: {toolbar_band.histogram()} "
          f"({shot.path.name})")

    # Resting on the left margin: still see-through before the delay, solid after it.
    rest = (view.client.x + 3, view.client.y + view.client.height // 2)
    margin = view.left_margin
    started = time.monotonic()
    s.move(*rest)
    time.sleep(0.4)
    early = bs.read_region(s, margin)
    if time.monotonic() - started < DELAY - 0.3:
        check(early is not None and early.fraction(is_root) == 1.0,
              f"the bar turned solid 0.4 s into a rest of {DELAY} s: the left margin shows "
              f"{early.histogram() if early else 'nothing readable'}")
    else:
        s.log("the machine was too slow to look at the bar before the delay had passed")
    bs.poll_region(s, margin, lambda r: bs.shows_grip(r, margin, view.client), DELAY + 3,
                   "the resting pointer to make the bar solid", "solid")
    rested = time.monotonic() - started
    s.log(f"solid {rested:.2f} s after the pointer came to rest")
    check(rested >= DELAY - 0.02, f"the bar turned solid after {rested:.2f} s of rest, before the delay of {DELAY} s")

    shot = s.screenshot("solid-whole-bar")
    region = shot.region(bar.rect)
    grip = bs.grip_colours(region, view.client)
    s.log(f"grip: highlight {tarnlib.colour_name(grip.highlight)}, shadow {tarnlib.colour_name(grip.shadow)}, "
          f"face {tarnlib.colour_name(grip.face)}")
    check(region.count(is_root) == 0,
          f"the solid bar still lets the root show: {region.histogram()} ({shot.path.name})")
    for name, area in (("left margin", view.left_margin), ("right margin", view.right_margin)):
        bad = bs.grip_mismatches(region, area, view.client, grip)
        check(not bad, f"the solid bar's {name} {area} lacks the grip dots: {bad[:5]} ({shot.path.name})")
    # Below the toolbar: the grip covers every row from the one under the buttons down to the bottom.
    columns = view.toolbar_columns
    first = columns.bottom
    while first > columns.y and not bs.grip_mismatches(
            region, Rect(columns.x, first - 1, columns.width, 1), view.client, grip):
        first -= 1
    below = Rect(columns.x, first, columns.width, columns.bottom - first)
    s.log(f"grip between the margins: {below}")
    check(below.height >= 8 and below.y >= columns.y + 16,
          f"the grip below the toolbar should start under the button row and be some rows high, found it in "
          f"{below} ({shot.path.name})")

    # R.bottom lies just below the window: 100 px beyond it is near, 101 px beyond it is far.
    bottom = bar.rect.bottom
    left_at = time.monotonic()
    s.move(rest[0], bottom + 100)
    reads = bs.hold_region(s, margin, lambda r: bs.shows_grip(r, margin, view.client), 0.5,
                           "the bar stays solid with the pointer 100 px below it", "near-100px")
    s.screenshot("pointer-100px-below")
    s.log(f"still solid after {reads} reads with the pointer 100 px below the bar")
    s.move(rest[0], bottom + 101)
    took = bs.poll_region(s, margin, lambda r: r.fraction(is_root) == 1.0, 1.0,
                          "the bar to turn see-through with the pointer 101 px below it", "far-101px")
    away = time.monotonic() - left_at
    s.log(f"see-through {took:.2f} s after the pointer went 101 px below the bar, {away:.2f} s after it left")
    check(took < 0.6, f"the bar took {took:.2f} s to turn see-through with the pointer 101 px away")
    check(away < DELAY, f"the far pointer's effect cannot be told from the delay: {away:.2f} s outside")

    # Just outside the bar the delay decides.
    started = time.monotonic()
    s.move(*rest)
    bs.poll_region(s, margin, lambda r: bs.shows_grip(r, margin, view.client), DELAY + 3,
                   "the bar to turn solid again", "solid-again")
    s.log(f"solid again after {time.monotonic() - started:.2f} s")
    s.move(rest[0], bottom + 20)
    took = bs.poll_region(s, margin, lambda r: r.fraction(is_root) == 1.0, DELAY + 2,
                          "the bar to turn see-through once the pointer has been outside for the delay",
                          "outside-for-delay")
    s.log(f"see-through {took:.2f} s after the pointer left the bar by 20 px")
    check(took >= DELAY - 0.1,
          f"the bar turned see-through {took:.2f} s after the pointer left it, before the delay of {DELAY} s")
    check(took < DELAY + 1.0, f"the bar took {took:.2f} s to turn see-through after a delay of {DELAY} s")
    shot = s.screenshot("see-through-again")
    check(shot.region(view.left_margin).fraction(is_root) == 1.0, "the left margin hides the root again")

    check_equal(s.close_program(program), 0, "exit code of the closed program")


if __name__ == "__main__":
    tarnlib.main(scenario)
