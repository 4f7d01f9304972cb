#!/usr/bin/env python3
"""A click on a program button starts that program once, without parameters; a click on the button of a
file deleted after the bar was filled shows "File not found:" titled "TarnDock Error" and starts nothing."""

import tarnlib
import usescenes
from tarnlib import check, check_equal
from usescenes import Bar


def scenario(s: tarnlib.Session) -> None:
    usescenes.place_bar(s)
    # The scan puts the buttons in name order: Gone.txt, then Probe.exe.
    gone = s.write_file("TarnDock\\Buttons\\Gone.txt", "deleted while the bar runs")
    probe = usescenes.put_probe(s, s.buttons_path)

    program, bar = Bar.start(s)
    shot = bar.make_solid()
    icons = bar.button_icons(shot)
    check_equal(len(icons), 2, f"pictures on the bar's buttons ({shot.path.name})")

    usescenes.click(s, *usescenes.centre(icons[1]))
    runs = usescenes.wait_probe_runs(s.buttons_path, 1)
    s.screenshot("after-probe-click")
    check_equal(runs[0].argv[0].lower(), s.windows_path(probe).lower(), "program started by the click")
    check_equal(runs[0].arguments, [], "arguments of the program started by a click")
    usescenes.check_no_new_probe_run(s.buttons_path, 1, 1.0, "one click was made")

    gone.unlink()
    known = usescenes.all_window_ids(s)
    usescenes.click(s, *usescenes.centre(icons[0]))
    box = usescenes.wait_new_window(s, known, 'the message box of a missing file')
    shot = s.screenshot("file-not-found")
    check_equal(box.name, "TarnDock Error", "title of the message box")
    drawn = shot.region(box.rect)
    check(drawn.fraction(usescenes.is_dark) < 0.5 and drawn.count(usescenes.is_dark) > 20,
          f"the message box at {box.rect} shows no text: {drawn.histogram()} ({shot.path.name})")
    # The critical icon is a red disc; the information and warning icons have none.
    check(drawn.count(lambda c: c[0] > 180 and c[1] < 90 and c[2] < 90) > 30,
          f"the message box at {box.rect} shows no critical icon ({shot.path.name})")
    s.focus(box)
    s.key("Return")
    usescenes.wait_hidden(s, box.id, 10, "the message box to close on Return")
    check(program.running(), "the program ended when the message box was closed")
    check_equal(len(usescenes.probe_runs(s.buttons_path)), 1, "runs of the probe after the missing file's click")

    s.close_program(program)


if __name__ == "__main__":
    tarnlib.main(scenario)
