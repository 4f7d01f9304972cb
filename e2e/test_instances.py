"""Two portable copies started together with ten starts of one of them: two bars, nine boxes; own settings each."""
from tarnlib import Bar, check_equal, is_dark, make_files, wait_until


def journey(s):
    copies = [s.prefix / "drive_c" / name for name in ("One", "Two")]  # each with a TarnDock.ini beside the program
    for copy, top, files in zip(copies, (1500, 7500), (["a.txt"], ["b.txt", "c.log"])):
        make_files(copy / "Buttons", *files), (copy / s.exe.name).write_bytes(s.exe.read_bytes())
        (copy / "TarnDock.ini").write_text(f"[Settings]\r\nLeft=3000\r\nTop={top}\r\n", "cp1252")
    s.park()
    s.start("reg", "query", r"HKCU\Console").wait(60)  # the server up first: programs started at once race for it
    starts = [s.start(copies[i == 5] / "TarnDock.exe") for i in range(11)]  # within a second: the sixth is Two
    wait_until(lambda: len(s.windows()) == 11, 60, "two bars and nine boxes")  # the starts leave the files alone
    before = (files := lambda: sorted((p, p.stat().st_mtime_ns) for c in copies for p in c.rglob("*")))()
    bars = sorted((w for w in s.windows() if w.rect.x == 200), key=lambda w: w.rect.y)
    check_equal([w.rect.y for w in bars], [100, 500], f"the bars' tops ({(shot := s.screenshot('started')).name})")
    boxes = [w for w in s.windows() if w not in bars]  # message boxes: text, no wider than one
    drawn = shot.sub(boxes[0].rect)
    check_equal(({(w.title, w.rect) for w in boxes}, boxes[0].rect.width < 600, 0.01 < drawn.fraction(is_dark) < 0.5),
                ({("TarnDock", boxes[0].rect)}, True, True), f"the boxes, one above the other: {drawn}")
    for left in range(8, -1, -1):  # the top box's OK, clicked: they lie one above the other
        s.click(boxes[0].rect.centre[0], boxes[0].rect.bottom - 21)
        wait_until(lambda: len(s.windows()) == 2 + left, 10, f"{left} boxes left")
    ended = wait_until(lambda: len(e := [p for p in starts if p.poll() is not None]) == 9 and e, 20, "nine to end")
    check_equal(([p.returncode for p in ended], sorted(s.windows()), files()), ([0] * 9, sorted(bars), before),
                "exit codes, windows, files after the boxes")
    for window, count in zip(bars, (1, 2)):
        Bar(s, window).wait_icons(count, "each bar's own buttons", "solid")
    s.close(next(p for p in starts if p.poll() is None))  # closes both bars; each writes its own file
    wait_until(lambda: all(p.poll() == 0 for p in starts), 20, "both bars to end")
    for copy, top in zip(copies, ("1500", "7500")):
        check_equal(s.values("FolderPath", "Left", "Top", path=copy / "TarnDock.ini"),
                    [s.windows_path(copy / "Buttons"), "3000", top], f"the settings of {copy.name}")
    assert not s.settings_path.exists(), "a settings file below the application data"
