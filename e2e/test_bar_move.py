#!/usr/bin/env python3
"""Dragging the solid bar by its left margin moves it with the grab point fixed under the pointer, and
closing the program as the system does stores the new place in twips."""

import tarnlib
from tarnlib import Rect, check, check_equal

import barscenes as bs
from barscenes import is_root

BAR = Rect(150, 150, 376, 48)
# Right and down, in steps of a few pixels as a hand would drag it.
DRAG = (210, 135)
STEPS = 10


def scenario(s: tarnlib.Session) -> None:
    folder = bs.make_button_folder(s)
    bs.write_bar_settings(s, folder, BAR.x, BAR.y)
    bs.set_root(s)
    program, bar = bs.start_bar(s)
    check_equal(bar.rect, BAR, "bar window on the screen")
    _, view = bs.see_through_view(s, bar, "see-through")

    grab = (view.client.x + 3, view.client.y + view.client.height // 2)
    s.move(*grab)
    margin = view.left_margin
    bs.poll_region(s, margin, lambda r: bs.shows_grip(r, margin, view.client), 5,
                   "the resting pointer to make the bar solid", "solid-before-drag")

    s.mouse_down(1)
    try:
        for step in range(1, STEPS + 1):
            dx, dy = DRAG[0] * step // STEPS, DRAG[1] * step // STEPS
            s.move(grab[0] + dx, grab[1] + dy)
            want = (BAR.x + dx, BAR.y + dy)
            tarnlib.wait_until(lambda: (lambda w: w is not None and (w.rect.x, w.rect.y) == want)(
                s.window_info(bar.id)), 3, f"the bar to follow the pointer to {want} (step {step})", interval=0.05)
    finally:
        s.mouse_up(1)

    moved = Rect(BAR.x + DRAG[0], BAR.y + DRAG[1], BAR.width, BAR.height)
    now = s.wait_stable_window(bar)
    check_equal(now.rect, moved, "bar window after the drag")
    shot = s.screenshot("after-drag")
    client = Rect(view.client.x + DRAG[0], view.client.y + DRAG[1], view.client.width, view.client.height)
    region = shot.region(moved)
    check(bs.shows_grip(region, Rect(client.x, client.y, bs.MARGIN, client.height), client),
          f"the moved bar is not drawn solid with its grip at {moved}: {region.histogram()} ({shot.path.name})")
    # The part of the old place that the bar has left shows the root again.
    vacated = shot.region(Rect(BAR.x, BAR.y, DRAG[0], BAR.height))
    check(vacated.fraction(is_root) == 1.0,
          f"the bar's old place still shows something: {vacated.histogram()} ({shot.path.name})")

    check_equal(s.close_program(program), 0, "exit code of the closed program")
    ini = s.read_settings()
    twips = tarnlib.TWIPS_PER_PIXEL
    check_equal((ini.int("Left"), ini.int("Top")), (moved.x * twips, moved.y * twips), "stored Left, Top in twips")
    check_equal((ini.int("Width"), ini.int("Height")), (BAR.width * twips, BAR.height * twips),
                "stored Width, Height in twips (a drag of the margin keeps the size)")


if __name__ == "__main__":
    tarnlib.main(scenario)
