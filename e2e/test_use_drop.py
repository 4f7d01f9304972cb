#!/usr/bin/env python3
"""Files dragged with the platform's drag and drop onto a program button start that program with their
paths, each in quotation marks and one blank apart: a path with blanks arrives as one argument, and a
folder path ending in a backslash keeps it, also on the toolbar that Refresh builds anew. A later plain click
passes nothing."""

import tarnlib
import usescenes
from tarnlib import Rect, check, check_equal, wait_until
from usescenes import Bar

DRAG_SOURCE = Rect(60, 420, 40, 40)


def drag_onto(s: tarnlib.Session, bar: Bar, target: tuple[int, int], paths: list[str], label: str) -> None:
    """Drags paths from DragFiles' square onto target, rests there so the bar turns solid, and drops."""
    drag = usescenes.start_helper(s, "DragFiles.exe", "--at", f"{DRAG_SOURCE.x},{DRAG_SOURCE.y}",
                                  "--size", str(DRAG_SOURCE.width), "--timeout", "20", *paths, ready="ready")
    usescenes.move(s, *usescenes.centre(DRAG_SOURCE))
    s.mouse_down()
    usescenes.glide(s, *target)
    # A user's drag pauses over the button: the bar turns solid under the resting pointer as it does without
    # a drag, and shows what the files would be opened with.
    s.wait_screen(f"{label}-drag-over", bar.strip, bar.is_solid, 5, "the bar to turn solid under the dragging pointer")
    # Over a program button the tip has two lines, "Open with" and the program's name; a plain tip has one.
    tip = wait_until(lambda: next((w for w in s.windows() if w.id != bar.window.id and w.rect.height >= 2 * 12), None),
                     5, "the two-line tip of a drag over the program button", interval=0.1)
    s.log(f"tip during the drag: {tip}")
    s.screenshot(f"{label}-tip")
    s.mouse_up()
    out, _ = drag.popen.communicate(timeout=20)
    s.log(f"DragFiles: {out.strip()!r}")
    # The drag showed the move effect; the drop tells the source "copied", so that it keeps its files.
    check_equal(out.strip(), "effect 1", f"outcome of the drag of {paths} onto the program button")


def scenario(s: tarnlib.Session) -> None:
    usescenes.place_bar(s)
    probe = usescenes.put_probe(s, s.buttons_path)
    drop_folder = s.prefix / "drive_c" / "Drop Files"
    (drop_folder / "Sub Folder").mkdir(parents=True)
    (drop_folder / "my notes.txt").write_text("dropped")
    (drop_folder / "plain.txt").write_text("dropped")
    notes = s.windows_path(drop_folder / "my notes.txt")
    plain = s.windows_path(drop_folder / "plain.txt")
    folder = s.windows_path(drop_folder / "Sub Folder") + "\\"

    program, bar = Bar.start(s)
    shot = bar.make_solid()
    icons = bar.button_icons(shot)
    check_equal(len(icons), 1, f"pictures on the bar's buttons ({shot.path.name})")
    target = usescenes.centre(icons[0])

    drag_onto(s, bar, target, [notes], "path-with-blanks")
    runs = usescenes.wait_probe_runs(s.buttons_path, 1)
    s.screenshot("after-first-drop")
    check_equal(runs[0].argv[0].lower(), s.windows_path(probe).lower(), "program started by the first drop")
    check_equal(runs[0].arguments, [notes], "arguments of the program started by the first drop")
    check(runs[0].command_line.endswith(f' "{notes}"'),
          f"the dropped path is not quoted at the end of the command line: {runs[0].command_line!r}")

    # Refresh builds the toolbar anew, here with a button for a file added meanwhile; the new toolbar takes
    # drops as the first one did.
    (s.buttons_path / "Zzz.txt").write_text("added")
    bar.make_solid()
    s.focus(bar.window)
    s.key("F5")
    files = [f for f in s.buttons_path.iterdir() if f.name.lower() not in ("tarndock_folder.ini", "desktop.ini")]
    # The probe's own record is among them; sorted by name, the probe's button stays the first.
    wait_until(lambda: len(bar.button_icons(bar.make_solid())) == len(files), 5,
               f"a button for each of the {len(files)} files after F5")

    # The pointer crosses the bar's background and leaves it, so that the bar is see-through again when the
    # next drag comes, as it is for a user who fetches more files.
    s.park_pointer()
    wait_until(lambda: not bar.is_solid(s.screenshot("see-through-again").region(bar.strip)), 5,
               "the bar to turn see-through after the pointer left")
    drag_onto(s, bar, target, [folder, plain], "folder-and-file")
    runs = usescenes.wait_probe_runs(s.buttons_path, 2)
    check_equal(runs[1].arguments, [folder, plain], "arguments of the program started by the second drop")
    check(runs[1].command_line.endswith(f'" "{plain}"') and f' "{folder}' in runs[1].command_line,
          f"the dropped paths are not quoted one blank apart: {runs[1].command_line!r}")

    bar.make_solid()
    usescenes.click(s, *target)
    runs = usescenes.wait_probe_runs(s.buttons_path, 3)
    check_equal(runs[2].arguments, [], "arguments of a plain click after the drops")
    check(program.running(), "the program ended during the drops")
    s.close_program(program)


if __name__ == "__main__":
    tarnlib.main(scenario)
