#!/usr/bin/env python3
"""A click on a sub folder's button opens its menu centred under the button, its top edge at the button's
lower edge, with one line per file; choosing the program's entry starts it once, without parameters."""

import tarnlib
import usescenes
from tarnlib import check, check_equal
from usescenes import Bar


def scenario(s: tarnlib.Session) -> None:
    usescenes.place_bar(s)
    # A plain button before the menu button, so that the menu button stands away from the toolbar's edge.
    s.write_file("TarnDock\\Buttons\\Notes.txt", "a plain button")
    tools = s.buttons_path / "Tools"
    probe = usescenes.put_probe(s, tools)
    (tools / "Readme.txt").write_text("the second entry")

    program, bar = Bar.start(s)
    rest = bar.make_solid()
    icons = bar.button_icons(rest)
    # Notes.txt's icon, then the folder's icon and its drop-down arrow.
    check_equal(len(icons), 3, f"pictures on the bar's buttons ({rest.path.name})")

    usescenes.move(s, *usescenes.centre(icons[1]))
    lit = s.wait_screen("menu-button-hot", bar.band(), lambda r: r.count(lambda c: c != bar.face) >
                        rest.region(bar.band()).count(lambda c: c != bar.face), 5,
                        "the menu button to light up under the pointer")[0]
    button = bar.hot_button(rest, lit)
    s.log(f"menu button drawn at {button}")
    check(button.x <= icons[1].x and button.right >= icons[2].right,
          f"the lit button {button} does not hold the folder's icon {icons[1]} and arrow {icons[2]}")

    known = usescenes.all_window_ids(s)
    usescenes.click(s, *usescenes.centre(icons[1]))
    menu_window = usescenes.wait_new_window(s, known, "the sub folder's menu")
    shot = s.screenshot("menu-open")
    menu = usescenes.read_menu(shot, menu_window.rect)
    s.log(f"menu {menu}")
    check_equal(menu_window.rect.y, button.bottom, f"top edge of the menu under the button {button}")
    offset = (menu_window.rect.x + menu_window.rect.width / 2) - (button.x + button.width / 2)
    check(abs(offset) <= 1.5, f"the menu {menu_window.rect} is not centred on the button {button} "
                              f"(its middle is {offset:+.1f} px off; {shot.path.name})")
    check_equal(len(menu.entries), 2, f"lines of text in the menu ({shot.path.name})")
    check_equal(menu.separators, [], f"separator lines in the menu ({shot.path.name})")
    check(not usescenes.probe_runs(tools), "opening the menu started a program")

    # The folder's files are listed in name order: Probe.exe, then Readme.txt.
    usescenes.click(s, *usescenes.entry_point(menu, 0))
    runs = usescenes.wait_probe_runs(tools, 1)
    usescenes.wait_hidden(s, menu_window.id, 5, "the menu to close after its entry was chosen")
    s.screenshot("after-choice")
    check_equal(runs[0].argv[0].lower(), s.windows_path(probe).lower(), "program started by the menu entry")
    check_equal(runs[0].arguments, [], "arguments of the program started from the menu")
    usescenes.check_no_new_probe_run(tools, 1, 1.0, "one entry was chosen once")
    check(program.running(), "the program ended after the menu entry was chosen")
    s.close_program(program)


if __name__ == "__main__":
    tarnlib.main(scenario)
