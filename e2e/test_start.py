"""First start, a second start while the bar runs, and a stored place that the start corrects."""
import shutil

from tarnlib import DEFAULTS, Bar, Rect, check_equal, is_dark, wait_until

FIRST = dict(DEFAULTS, Left="10065", Top="0", Width="5640", Height="720")  # the first bar's settings


def journey(s):
    first, bar = Bar.start(s)
    check_equal(bar.rect, Rect(671, 0, 376, 48), "the first bar, 23 px beyond the right edge")
    assert wait_until(s.buttons.is_dir, 10) and bar.see_through(s.screenshot("first").sub(bar.left)), "folder, look"

    files, second = lambda: sorted((p, p.stat().st_mtime_ns) for p in s.buttons.parent.rglob("*")), []
    before = files()  # a second start says so in a box and ends with it; the running bar and its files stay
    box = s.wait_window("the box", lambda: second.append(s.start()), "TarnDock")
    drawn = s.screenshot("program-already-running").sub(box.rect)
    assert box.rect.width < 600 and 0.01 < drawn.fraction(is_dark) < 0.5, f"not a message box: {box}, {drawn}"
    s.key("Return", window=box)
    check_equal((second[0].wait(15), s.windows(), files()), (0, [bar.window], before), "exit, windows, files after it")

    s.close(first)  # as the system does: it writes every default, CR LF, no byte-order mark
    expected = ["[Settings]", f"FolderPath={s.windows_path(s.buttons)}", *(f"{k}={v}" for k, v in FIRST.items()), ""]
    check_equal(s.settings_path.read_bytes().decode("cp1252").split("\r\n"), expected, "the settings file's lines")

    shutil.rmtree(s.buttons)  # and off the screen, 0 wide, 5 for a boolean: half beyond the edge, 480 wide, -1, made
    program, bar = Bar.start(s, Left=-100000, Top=0, Width=0, Height=720, ShortcutLNK=5)
    check_equal(bar.rect, Rect(-8, 0, 32, 48), f"the bar ({s.screenshot('corrected').name})")
    s.close(program)
    assert s.buttons.is_dir(), "the button folder was not made again"
    check_equal(dict(s.settings()), dict(FIRST, FolderPath=s.windows_path(s.buttons), Left="-120", Width="480"),
                "the settings after the correction")
