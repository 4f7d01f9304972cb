#!/usr/bin/env python3
"""First start on a fresh prefix: folders created, bar at its default place and see-through,
and closing it as the system does writes the settings file with every default."""

import tarnlib
from tarnlib import Rect, check, check_equal

# The bar before any settings exist: 10065 twips from the left, at the top, 5640 x 720 twips.
DEFAULT_BAR = Rect(10065 // tarnlib.TWIPS_PER_PIXEL, 0, 376, 48)
# The toolbar's left offset of 120 twips (8 px) leaves a strip on each side of the client area where
# nothing but the background lies. The sizing border before it is 3 or 4 px wide depending on the frame
# metrics, so the columns 4 to 10 from either window edge belong to that strip in every case.
STRIP = (4, 11)


def scenario(s: tarnlib.Session) -> None:
    check(not (s.local_appdata / "TarnDock").exists(), "a fresh prefix already has a TarnDock folder")
    root = s.screenshot("before-start").pixel(DEFAULT_BAR.x + 10, DEFAULT_BAR.y + 10)

    program = s.start()
    bar = s.wait_stable_window(s.wait_window(what="the bar window"))
    check_equal(bar.rect, DEFAULT_BAR, "bar window on the screen")
    tarnlib.wait_until(lambda: s.buttons_path.is_dir(), 10, "the folder TarnDock\\Buttons")
    check((s.local_appdata / "TarnDock").is_dir(), "the folder TarnDock was not created")

    # See-through: the colour-key background lets the root window show; a solid bar would show its face colour.
    shot, region = s.wait_screen(
        "bar-see-through", DEFAULT_BAR, lambda r: r.fraction(lambda c: c == root) >= 0.75, 10,
        "the bar's background to let the root window show through")
    # At 1024 px the default bar reaches 23 px beyond the right screen edge, so only its left strip shows.
    strip = shot.region(Rect(DEFAULT_BAR.x + STRIP[0], DEFAULT_BAR.y + 4, STRIP[1] - STRIP[0], DEFAULT_BAR.height - 8))
    check(strip.fraction(lambda c: c == root) == 1.0,
          f"the bar's left margin is not see-through: {strip.histogram()} ({shot.path.name})")

    check_equal(s.close_program(program), 0, "exit code of the closed program")
    s.screenshot("after-close")
    check(not s.windows(), "a window of the program is still visible after it ended")

    ini = s.read_settings()
    check(not ini.data.startswith((b"\xff\xfe", b"\xef\xbb\xbf")), "an ASCII settings file was written with a BOM")
    check(not ini.has_bare_line_feeds(), "the settings file has line ends other than CR LF")
    expected = [
        ("FolderPath", s.windows_path(s.buttons_path)),
        ("Delay", "200"), ("Alpha", "110"), ("NoDelayOnScreenBorder", "-1"), ("OnScreenBoderOnly", "0"),
        ("FileGrouping", "0"), ("IconsInMenus", "0"), ("ShortcutLNK", "-1"),
        ("Left", "10065"), ("Top", "0"), ("Width", "5640"), ("Height", "720"),
    ]
    lines = [line for line in ini.lines if line.strip()]
    check_equal(lines[0] if lines else None, "[Settings]", "first line of the settings file")
    written = [tuple(line.split("=", 1)) if "=" in line else (line, None) for line in lines[1:]]
    check_equal([k for k, _ in written], [k for k, _ in expected], "keys of the settings file, in order")
    for (key, value), (_, want) in zip(written, expected):
        if key == "FolderPath":
            # Windows paths compare without regard to case.
            check(value.lower() == want.lower(), f"FolderPath: expected {want!r}, got {value!r}")
        else:
            check_equal(value, want, key)


if __name__ == "__main__":
    tarnlib.main(scenario)
