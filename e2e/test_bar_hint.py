#!/usr/bin/env python3
"""A narrow, low bar with many buttons shows the hint box in its lower left corner; a wide bar whose
two rows fit does not; the hint also shows when the last row starts less than 7 px above the bottom
edge though part of that row is visible, and not when it starts 8 px above it."""

import tarnlib
from tarnlib import Colour, Rect, check, check_equal, colour_name

import barscenes as bs
from barscenes import is_root

# COLOR_INFOBK of the test prefix, as a screenshot of the hint box shows it: Wine's default scheme
# (user.reg, Control Panel\Colors, "InfoWindow"="255 255 255").
INFOBK: Colour = (0xFF, 0xFF, 0xFF)
ARROW: Colour = (0x00, 0x00, 0x00)
HINT_HEIGHT = 255 // bs.TWIPS
NOTES = 40


def run_bar(s: tarnlib.Session, folder: bs.ButtonFolder, label: str, left: int, top: int, width: int,
            height: int) -> tuple[tarnlib.Shot, bs.BarView]:
    bs.write_bar_settings(s, folder, left, top, width, height)
    program, bar = bs.start_bar(s)
    check_equal((bar.rect.x, bar.rect.y, bar.rect.width * bs.TWIPS, bar.rect.height * bs.TWIPS),
                (left, top, width, height), f"{label} bar: place and size in twips")
    shot, view = bs.see_through_view(s, bar, label)
    check_equal(s.close_program(program), 0, f"exit code of the {label} bar")
    return shot, view


def hint_shown(shot: tarnlib.Shot, view: bs.BarView) -> tuple[bool, str]:
    """Whether the left margin holds the hint box at its bottom, and a description of what it holds."""
    margin = shot.region(view.left_margin)
    box = Rect(view.client.x, view.client.bottom - HINT_HEIGHT, bs.MARGIN, HINT_HEIGHT)
    inside = shot.region(box)
    infobk = inside.fraction(lambda c: c == INFOBK)
    seen = f"margin {view.left_margin} holds {margin.histogram()}; its bottom {HINT_HEIGHT} rows {inside.histogram()}"
    if margin.fraction(is_root) == 1.0:
        return False, seen
    above = shot.region(Rect(box.x, view.client.y, box.width, box.y - view.client.y))
    check(above.fraction(is_root) == 1.0,
          f"the left margin above the hint box should show the root: {seen} ({shot.path.name})")
    check(inside.count(is_root) == 0 and infobk >= 0.5,
          f"the hint box should fill the margin's bottom {HINT_HEIGHT} rows with the tooltip colour "
          f"{colour_name(INFOBK)}: {seen} ({shot.path.name})")
    check(inside.count(lambda c: c == ARROW) >= 4, f"the hint box shows no arrow: {seen} ({shot.path.name})")
    return True, seen


def row_starts(shot: tarnlib.Shot, view: bs.BarView) -> list[int]:
    """Client rows at which a run of rows with drawn (icon) pixels between the margins starts. The hint box is
    3 px wider than the margin and lies over the toolbar's left end, so those columns are left out."""
    region = shot.region(view.toolbar_columns)
    cols = range(view.toolbar_columns.x + 3, view.toolbar_columns.right)
    starts, previous = [], False
    for y in range(view.client.y, view.client.bottom):
        drawn = any(not is_root(region.at(x, y)) for x in cols)
        if drawn and not previous:
            starts.append(y - view.client.y)
        previous = drawn
    return starts


def scenario(s: tarnlib.Session) -> None:
    folder = bs.make_button_folder(s, extra_notes=NOTES)
    bs.set_root(s)

    shot, view = run_bar(s, folder, "narrow", 200, 200, 1500, 480)
    shown, seen = hint_shown(shot, view)
    check(shown, f"a {view.client.width} px wide bar with {folder.buttons} buttons shows no hint: {seen} "
                 f"({shot.path.name})")
    rows = row_starts(shot, view)
    check(len(rows) >= 2, f"the narrow bar should show more than one button row, found rows at {rows}")

    # 1000 px hold most of the buttons in one row; the rest wrap into a second row that fits.
    shot, view = run_bar(s, folder, "wide", 10, 200, 15000, 720)
    shown, seen = hint_shown(shot, view)
    check(not shown, f"the wide bar shows the hint although its rows fit: {seen} ({shot.path.name})")
    rows = row_starts(shot, view)
    check_equal(len(rows), 2, f"button rows of the wide bar (starting at client rows {rows})")
    # The toolbar starts at the client's top, so the second row starts one row pitch below it.
    pitch = rows[1] - rows[0]
    s.log(f"button rows {pitch} px apart")

    for visible, expected in ((6, True), (8, False)):
        height = (pitch + visible + 2 * view.frame) * bs.TWIPS
        label = f"last-row-{visible}px"
        shot, low = run_bar(s, folder, label, 10, 200, 15000, height)
        check_equal(low.client.height, pitch + visible, f"client height of the {label} bar")
        shown, seen = hint_shown(shot, low)
        check_equal(len(row_starts(shot, low)), 2, f"button rows drawn on the {label} bar ({shot.path.name})")
        check(shown == expected,
              f"with the last row starting {visible} px above the bottom edge the hint should "
              f"{'show' if expected else 'not show'}: {seen} ({shot.path.name})")


if __name__ == "__main__":
    tarnlib.main(scenario)
