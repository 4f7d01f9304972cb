#!/usr/bin/env python3
""""Minimize" on the context menu hides the bar and leaves the minimised window "TarnDock" (frmMenu) in its
place; restoring that window shows the bar where it was and hides the window again; F3 minimises once more,
and closing the window from its window menu ends the program and writes the settings file."""

import tarnlib
import usescenes
from tarnlib import check, check_equal, wait_until
from usescenes import Bar

MINIMIZE = 5


def stand_in_state(s: tarnlib.Session) -> str:
    """What Restore.exe reports: frmMenu's visibility and whether it is minimised, and the bar's visibility."""
    result = usescenes.run_helper(s, "Restore.exe", "state")
    check(result.returncode in (0, 1), f"Restore.exe state failed: {result.returncode} {result.stdout!r}")
    return " ".join(result.stdout.split())


def wait_minimised(s: tarnlib.Session, bar: Bar, how: str) -> None:
    usescenes.wait_hidden(s, bar.window.id, 5, f"the bar to disappear after {how}")
    def minimised():
        state = stand_in_state(s)
        return state if "frmMenu visible 1 iconic 1" in state else None
    state = wait_until(minimised, 10, f"the window frmMenu to show minimised after {how}")
    check("frmTarnDock visible 0" in state, f"the bar window is still visible after {how}: {state}")
    shot = s.screenshot(f"minimised-by-{how}")
    region = shot.region(bar.rect)
    check(region.fraction(lambda c: c == bar.root) == 1.0,
          f"something is still drawn where the bar stood after {how}: {region.histogram()} ({shot.path.name})")


def scenario(s: tarnlib.Session) -> None:
    usescenes.place_bar(s)
    s.write_file("TarnDock\\Buttons\\Notes.txt", "a button")

    program, bar = Bar.start(s)
    check_equal(stand_in_state(s), "frmMenu visible 0 iconic 0 frmTarnDock visible 1",
                "the windows' state before minimising")
    bar.make_solid()
    known = usescenes.all_window_ids(s)
    usescenes.click(s, *bar.margin_point, button=3)
    window = usescenes.wait_new_window(s, known, "the context menu")
    shot = s.screenshot("context-menu")
    menu = usescenes.read_menu(shot, window.rect)
    check_equal(len(menu.entries), 7, f"lines of text in the context menu ({shot.path.name})")
    usescenes.click(s, *usescenes.entry_point(menu, MINIMIZE))
    wait_minimised(s, bar, "Minimize")
    check(program.running(), "the program ended when it was minimised")

    s.park_pointer()
    check_equal(usescenes.run_helper(s, "Restore.exe", "restore").returncode, 0, "Restore.exe restore")
    restored = s.wait_window(where=lambda w: w.id == bar.window.id, timeout=10, what="the bar to show again")
    check_equal(restored.rect, bar.rect, "the bar's place after restoring")
    wait_until(lambda: stand_in_state(s) == "frmMenu visible 0 iconic 0 frmTarnDock visible 1", 10,
               "frmMenu to hide again once the bar is back")
    # Back as it was: see-through while the pointer is away, solid under a resting pointer.
    s.wait_screen("restored-see-through", bar.strip, lambda r: not bar.is_solid(r), 5,
                  "the restored bar to be see-through while the pointer is away")
    bar.make_solid()

    usescenes.click(s, *bar.margin_point)
    s.focus(bar.window)  # Without a window manager a click leaves the display's input focus where it was.
    s.key("F3")
    wait_minimised(s, bar, "F3")

    check_equal(usescenes.run_helper(s, "Restore.exe", "close").returncode, 0, "Restore.exe close")
    check_equal(program.wait_exit(15), 0, "exit code after closing the minimised window")
    check(not s.windows(), "a window of the program is still visible after it ended")
    usescenes.check_settings_written(s)


if __name__ == "__main__":
    tarnlib.main(scenario)
