#!/usr/bin/env python3
"""First start, a second start while the bar runs, and a stored place that the start corrects."""

import shutil
import time

import tarnlib
from tarnlib import Bar, Rect, check, check_equal, is_root

# Before any settings exist: 10065 twips from the left, at the top, 5640 x 720 twips; at 1024 px the bar
# reaches 23 px beyond the right screen edge.
DEFAULT_BAR = Rect(10065 // tarnlib.TWIPS, 0, 376, 48)
DEFAULTS = [("Delay", "200"), ("Alpha", "110"), ("NoDelayOnScreenBorder", "-1"), ("OnScreenBoderOnly", "0"),
            ("FileGrouping", "0"), ("IconsInMenus", "0"), ("ShortcutLNK", "-1"),
            ("Left", "10065"), ("Top", "0"), ("Width", "5640"), ("Height", "720")]


def journey(s: tarnlib.Session) -> None:
    # First start on a fresh prefix: the folders are made, the bar stands at its default place, see-through.
    check(not (s.local / "TarnDock").exists(), "a fresh prefix already has a TarnDock folder")
    first, bar = Bar.start(s)
    check_equal(bar.rect, DEFAULT_BAR, "the bar window on the screen")
    tarnlib.wait_until(s.buttons.is_dir, 10, "the folder TarnDock\\Buttons")
    shot = s.screenshot("first-start")
    check(shot.sub(bar.left).fraction(is_root) == 1.0, f"the fresh bar is not see-through: {shot.sub(bar.left)}")

    # A second start shows "Program already running." and waits; the first bar and its files stay as they are.
    def files():
        return sorted((p.name, p.stat().st_mtime_ns) for p in (s.local / "TarnDock").rglob("*"))
    before = files()
    second = s.start(label="second TarnDock")
    box = s.wait_window('the message box "TarnDock" of the second start',
                        lambda w: w.id != bar.window.id and w.title == "TarnDock")
    shot = s.screenshot("program-already-running")
    check(box.rect.width < 600 and box.rect.height < 300, f"the second start showed {box}, not a message box")
    check(0.01 < shot.sub(box.rect).fraction(tarnlib.is_dark) < 0.5, f"the box is not drawn: {shot.sub(box.rect)}")
    time.sleep(1.0)
    check(second.running(), "the second start ended while its message box was open")
    s.focus(box)
    s.key("Return")
    second.wait()
    s.wait_gone(box.id, "the message box to close")
    check(first.running(), "the first bar ended when the second start ran")
    check_equal(s.windows(), [bar.window], "the program's windows after the second start")
    check_equal(files(), before, "the program's files after the second start")

    # Closing it as the system does writes every default, CR LF, no byte-order mark.
    check_equal(s.close(first), 0, "exit code of the closed program")
    check(not s.windows(), "a window of the program is still visible after it ended")
    ini = s.read_settings()
    check(not ini.data.startswith((b"\xff\xfe", b"\xef\xbb\xbf")), "the settings file begins with a byte-order mark")
    check("\n" not in ini.data.decode("cp1252").replace("\r\n", ""), "the settings file has bare line feeds")
    check_equal(ini.lines[0], "[Settings]", "first line of the settings file")
    check_equal(ini.lines[1].lower(), f"FolderPath={s.windows_path(s.buttons)}".lower(), "second line")
    check_equal(ini.pairs[1:], DEFAULTS, "the settings file's lines after FolderPath")

    # A place far off the screen, a width of 0 and a boolean of 5 are corrected; an absent folder is made again.
    shutil.rmtree(s.buttons)
    s.write_settings(Left=-100000, Top=0, Width=0, Height=720, ShortcutLNK=5)
    program = s.start()
    bar = s.wait_window("the bar window")
    s.screenshot("placed-at-left-edge")
    check(-bar.rect.width / 2 <= bar.rect.x < 0, f"the bar should stand half beyond the left edge: {bar}")
    check_equal((bar.rect.y, bar.rect.height), (0, 48), "the bar's top and height")
    s.close(program)
    ini = s.read_settings()
    # The placement gives the minimum of 240 twips, half of it beyond the edge; the layout then widens the bar to
    # 480 twips and keeps its left edge.
    check_equal([ini.int(k) for k in ("Left", "Top", "Width", "Height")], [-120, 0, 480, 720], "the stored place")
    check_equal((ini.int("ShortcutLNK"), ini.int("Delay")), (-1, 200), "ShortcutLNK from 5, Delay absent")
    check(s.buttons.is_dir(), "an absent FolderPath did not make the default button folder")


if __name__ == "__main__":
    tarnlib.main(journey)
