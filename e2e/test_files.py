"""Broken settings and order files: each start shows the fallbacks, ends cleanly and leaves sound files behind."""
import random

from tarnlib import BAND, TWIPS, Bar, Rect, check_equal, lines

HEAD = "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n"
DEFAULTS = dict(Delay="200", Alpha="110", NoDelayOnScreenBorder="-1", OnScreenBoderOnly="0", FileGrouping="0",
                IconsInMenus="0", ShortcutLNK="-1")
KEEP, FOLDER, HOME = None, "folder", Rect(671, 0, 376, 48)  # the file left as it is; a folder in its place
noise = lambda seed: random.Random(seed).randbytes(4096)
ini = lambda text, mark=b"", form="cp1252": mark + text.encode(form)
keys = lambda *pairs: "[Settings]\r\n" + "".join(f"{p}\r\n" for p in pairs)
PLACE = keys("Left=3000", "Top=1500")

START = [  # settings file, order file, the bar's place, pictures, the order the bar writes back, other settings
    ("noise", noise(1), noise(2), HOME, 3, "abc", {}),
    ("the noise's settings read again, a header only", KEEP, ini(HEAD[:-13]), HOME, 3, "abc", {}),
    ("1 MB lines", ini("[Settings]\r\nJunk=" + "x" * 2**20 + "\r\nLeft=3000\r\nTop=1500"),
     ini(HEAD + "y" * 2**20 + "\r\nc.txt"), Rect(200, 100, 376, 48), 3, "cab", {}),
    ("NUL bytes", ini("[Settings]\r\nLe\0ft=6000\r\nLeft=30\0" + "00\r\nTop=1500"),  # a name "Le", a value "30"
     ini(HEAD + "b.t\0xt\r\nc.txt\0\r\nc.txt"), Rect(2, 100, 376, 48), 3, "cab", {}),
    ("UTF-16 BE under an LE mark", ini(PLACE, b"\xFF\xFE", "utf-16-be"), ini(HEAD + "c.txt", b"\xFF\xFE", "utf-16-be"),
     HOME, 3, "abc", {}),
    ("UTF-16 LE under a BE mark", ini(PLACE, b"\xFE\xFF", "utf-16-le"), ini(HEAD + "c.txt", b"\xFE\xFF", "utf-16-le"),
     HOME, 3, "abc", {}),
    ("a UTF-8 mark on UTF-16", ini(PLACE, b"\xEF\xBB\xBF", "utf-16-le"),
     ini(HEAD + "c.txt", b"\xEF\xBB\xBF", "utf-16-le"), HOME, 3, "abc", {}),
    ("UTF-16 cut to an odd length", ini(PLACE, b"\xFF\xFE", "utf-16-le") + b"\r",
     ini(HEAD + "c.txt\r\nb.txt\r\n", b"\xFF\xFE", "utf-16-le") + b"\n", Rect(200, 100, 376, 48), 3, "cba", {}),
    ("duplicates", ini("[Settings]\r\nLeft=3000\r\nleft=6000\r\n[Settings]\r\nTop=1500"),
     ini(HEAD + "c.txt\r\nC.TXT\r\n[FileNames]\r\nc.txt\r\nb.txt"), Rect(200, 0, 376, 48), 3, "cba", {}),
    ("huge numbers, paths", ini(keys("Delay=99999999999999999999", "Left=-1e300", "Alpha=999")),
     ini(HEAD + "C:\\windows\\notepad.exe\r\n..\\x.txt\r\nb.txt"), Rect(0, 0, 376, 48), 3, "bac",
     dict(Delay="1661992959", Alpha="999")),
    ("the huge numbers read again", KEEP, KEEP, Rect(0, 0, 376, 48), 3, "bac", dict(Delay="1661992959", Alpha="999")),
    ("broken numbers, a trailing dot or blank", ini(keys("Left=abc", "Width=", "Top= 1500 ")),  # 0, the default
     ini(HEAD + "c.txt.\r\nb.txt \r\nb.txt"), Rect(0, 100, 376, 48), 3, "bac", {}),
    ("an empty file, device names", b"", ini(HEAD + "CON\r\nNUL.txt\r\nCOM1\r\nc.txt"), HOME, 3, "cab", {}),
    ("a header only, a 300-character name", ini("[Settings]"), ini(HEAD + "x" * 300 + ".txt\r\n<>\r\nc.txt"),
     HOME, 4, ["<>", "c.txt", "a.txt", "b.txt"], {}),
    ("a 300-digit number, an empty file", ini(keys("Left=" + "1" * 300, "Top=1500")), b"", Rect(836, 100, 376, 48), 3,
     "abc", {}),
    ("a size far beyond the screen", ini(keys(*(f"{k}=99999999999999999999" for k in ("Width", "Height")))), KEEP,
     Rect(506, 0, 1036, 780), 3, "abc", {}),  # half on the screen at the largest size the system gives a window
    ("folders", FOLDER, FOLDER, HOME, 5, None, None),
]


def settings(s):  # the first [Settings] section's keys, the first of each name
    data = s.settings_path.read_bytes()
    text = data[2:].decode("utf-16-le") if data.startswith(b"\xFF\xFE") else data.decode("latin-1")
    section = ("\r\n" + text).split("\r\n[Settings]\r\n", 1)[-1].split("\r\n[")[0].split("\r\n")
    return dict(reversed([tuple(line.split("=", 1)) for line in section if "=" in line]))


def journey(s):
    s.buttons.mkdir(parents=True)
    files = {p: p.write_bytes(p.name.encode()) and p.name.encode() for p in [
        *(s.buttons / f"{n}.txt" for n in "abc"), s.buttons.parent / "x.txt"]}  # x.txt for the line ..\x.txt
    order = s.buttons / "TarnDock_Folder.ini"
    for name, settings_file, order_file, place, pictures, written, other in START:
        for path, data in (s.settings_path, settings_file), (order, order_file):
            if data == FOLDER:
                path.unlink()
                path.mkdir()
            elif data is not KEEP:
                path.write_bytes(data)
        before = order.read_bytes() if order_file is KEEP else None
        program, bar = Bar.start(s)
        s.move(bar.rect.x, bar.rest[1])  # on its frame: at once solid where that is the screen's edge
        bar.band = Rect(bar.band.x, bar.band.y, min(bar.band.right, 1024) - bar.band.x, BAND)  # what the screen shows
        s.wait_screen(bar.band, bar.solid, 5, f"the bar to turn solid ({name})")
        check_equal((bar.rect, len(bar.icons(s.screenshot(name.split(",")[0].replace(" ", "-"))))),
                    (place, pictures), f"the place and pictures ({name})")
        s.close(program)
        if settings_file == FOLDER:
            assert s.settings_path.is_dir() and order.is_dir(), "a folder in a file's place was removed"
            continue
        entries = [n if n == "<>" else n + ".txt" for n in written] if isinstance(written, str) else written
        check_equal(lines(order), HEAD.split("\r\n")[:2] + entries, f"the order written back ({name})")
        before and check_equal(order.read_bytes(), before, f"the order file rewritten ({name})")
        twips = dict(Left=place.x, Top=place.y, Width=place.width, Height=place.height)
        expected = dict(DEFAULTS, FolderPath=s.windows_path(s.buttons), **{k: str(v * TWIPS) for k, v in twips.items()})
        got = settings(s)
        check_equal({k: got.get(k) for k in expected}, dict(expected, **other), f"the settings written ({name})")
    check_equal({p: p.read_bytes() for p in files}, files, "the files the order files name")
