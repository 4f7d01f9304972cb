"""The first start; a stored place that the start corrects; broken settings and order files: each start shows the
fallbacks, ends cleanly and leaves sound files behind (test_instances has the second start)."""
import random, shutil

from tarnlib import DEFAULTS, HEAD, TWIPS, Bar, Rect, check_equal, lines, make_files, wait_until

KEEP, FOLDER, at = None, "folder", lambda x, y: Rect(x, y, 376, 48)  # the file left as it is; a folder in its place
HOME, noise = at(671, 0), lambda seed: random.Random(seed).randbytes(4096)
ini = lambda text, mark=b"", form="cp1252": mark + text.encode(form)
keys = lambda *pairs: "[Settings]\r\n" + "".join(f"{p}\r\n" for p in pairs)
PLACE, HUGE = keys("Left=3000", "Top=1500"), dict(Delay="1661992959", Alpha="999")
utf16 = lambda mark, form: (ini(PLACE, mark, form), ini(HEAD + "c.txt", mark, form))  # the place, and c.txt first
case = lambda name, settings, order, place=HOME, pictures=3, written="abc", **other: (  # the place, the pictures,
    name, settings, order, place, pictures, written, other)  # the order the bar writes back, other settings written

START = [
    case("noise", noise(1), noise(2)),
    case("the noise's settings read again, a header only", KEEP, ini(HEAD[:-13])),
    case("1 MB lines", ini("[Settings]\r\nJunk=" + "x" * 2**20 + "\r\nLeft=3000\r\nTop=1500"),
         ini(HEAD + "y" * 2**20 + "\r\nc.txt"), at(200, 100), written="cab"),
    case("NUL bytes", ini("[Settings]\r\nLe\0ft=6000\r\nLeft=30\0" + "00\r\nTop=1500"),  # a name "Le", a value "30"
         ini(HEAD + "b.t\0xt\r\nc.txt\0\r\nc.txt"), at(2, 100), written="cab"),
    case("UTF-16 BE under an LE mark", *utf16(b"\xFF\xFE", "utf-16-be")),
    case("UTF-16 LE under a BE mark", *utf16(b"\xFE\xFF", "utf-16-le")),
    case("a UTF-8 mark on UTF-16", *utf16(b"\xEF\xBB\xBF", "utf-16-le")),
    case("UTF-16 cut to an odd length", ini(PLACE, b"\xFF\xFE", "utf-16-le") + b"\r",
         ini(HEAD + "c.txt\r\nb.txt\r\n", b"\xFF\xFE", "utf-16-le") + b"\n", at(200, 100), written="cba"),
    case("duplicates", ini("[Settings]\r\nLeft=3000\r\nleft=6000\r\n[Settings]\r\nTop=1500"),
         ini(HEAD + "c.txt\r\nC.TXT\r\n[FileNames]\r\nc.txt\r\nb.txt"), at(200, 0), written="cba"),
    case("huge numbers, paths", ini(keys("Delay=99999999999999999999", "Left=-1e300", "Alpha=999")),
         ini(HEAD + "C:\\windows\\notepad.exe\r\n..\\x.txt\r\nb.txt"), at(0, 0), written="bac", **HUGE),
    case("the huge numbers read again", KEEP, KEEP, at(0, 0), written="bac", **HUGE),
    case("broken numbers, a trailing dot or blank", ini(keys("Left=abc", "Width=", "Top= 1500 ")),  # 0, the default
         ini(HEAD + "c.txt.\r\nb.txt \r\nb.txt"), at(0, 100), written="bac"),
    case("an empty file, device names", b"", ini(HEAD + "CON\r\nNUL.txt\r\nCOM1\r\nc.txt"), written="cab"),
    case("a header only, a 300-character name", ini("[Settings]"), ini(HEAD + "x" * 300 + ".txt\r\n<>\r\nc.txt"),
         pictures=4, written=["<>", *"cab"]),
    case("a 300-digit number, an empty file", ini(keys("Left=" + "1" * 300, "Top=1500")), b"", at(836, 100)),
    case("a size far beyond the screen", ini(keys(*(f"{k}=99999999999999999999" for k in ("Width", "Height")))), KEEP,
         Rect(506, 0, 1036, 780)),  # half on the screen at the largest size the system gives a window
    case("folders", FOLDER, FOLDER, pictures=5),
]


def journey(s):
    first, bar = Bar.start(s)
    check_equal(bar.rect, HOME, "the first bar, 23 px beyond the right edge")
    assert wait_until(s.buttons.is_dir, 10) and bar.see_through(s.screenshot("first").sub(bar.left)), "folder, look"
    s.close(first)  # as the system does: it writes every default, CR LF, no byte-order mark
    stored = dict(FolderPath=s.windows_path(s.buttons), **DEFAULTS, Left="10065", Top="0", Width="5640", Height="720")
    check_equal(s.settings_path.read_bytes().decode("cp1252").split("\r\n"),
                ["[Settings]", *(f"{k}={v}" for k, v in stored.items()), ""], "the first settings file's lines")

    shutil.rmtree(s.buttons)  # and off the screen, 0 wide, 5 for a boolean: half beyond the edge, 480 wide, -1, made
    program, bar = Bar.start(s, Left=-100000, Top=0, Width=0, Height=720, ShortcutLNK=5)
    check_equal(bar.rect, Rect(-8, 0, 32, 48), f"the bar ({s.screenshot('corrected').name})")
    s.close(program)
    assert s.buttons.is_dir(), "the button folder was not made again"
    check_equal(dict(s.settings()), dict(stored, Left="-120", Width="480"), "the settings after the correction")

    make_files(s.buttons, *(names := ["a.txt", "b.txt", "c.txt", "../x.txt"]))  # x.txt for the line ..\x.txt
    for name, settings_file, order_file, place, pictures, written, other in START:
        for path, data in (s.settings_path, settings_file), (s.order, order_file):
            data is KEEP or ((path.unlink(), path.mkdir()) if data == FOLDER else path.write_bytes(data))
        before = s.order.read_bytes() if order_file is KEEP else None
        program, bar = Bar.start(s)
        s.move(bar.rect.x, bar.rest[1])  # on its frame: at once solid where that is the screen's edge
        bar.band = bar.band._replace(width=min(bar.band.right, 1024) - bar.band.x)  # what the screen shows
        s.wait_screen(bar.band, bar.solid, 5, f"the bar to turn solid ({name})")
        check_equal((bar.rect, len(bar.icons(s.screenshot(name.split(",")[0].replace(" ", "-"))))),
                    (place, pictures), f"the place and pictures ({name})")
        s.close(program)
        if settings_file == FOLDER:
            assert s.settings_path.is_dir() and s.order.is_dir(), "a folder in a file's place was removed"
            continue
        entries = [n if n == "<>" else n + ".txt" for n in written]
        check_equal(lines(s.order), HEAD.splitlines() + entries, f"the order written back ({name})")
        before and check_equal(s.order.read_bytes(), before, f"the order file rewritten ({name})")
        got, twips = dict(reversed(s.settings())), zip(("Left", "Top", "Width", "Height"), place)  # first of each name
        expected = dict(DEFAULTS, FolderPath=s.windows_path(s.buttons), **{k: str(v * TWIPS) for k, v in twips})
        check_equal({k: got.get(k) for k in expected}, dict(expected, **other), f"the settings written ({name})")
    check_equal([(s.buttons / n).read_text() for n in names], names, "the files the order files name")
