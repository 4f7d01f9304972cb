"""End-to-end journeys: TarnDock.exe under Wine in a prefix and on an Xvfb display of their own."""
import collections, ctypes, fcntl, getpass, os, runpy, shutil, signal, subprocess, sys, tempfile, time
from pathlib import Path

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
ROOT = (0x33, 0x66, 0xAA)  # the root window's colour, which none of Wine's system colours has
TWIPS, FRAME, MARGIN, BAND = 15, 3, 8, 24  # per pixel; the sizing border; the toolbar's side margins; its button row
HEAD = "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n"  # order files
DEFAULTS = dict(Delay="200", Alpha="110", NoDelayOnScreenBorder="-1", OnScreenBoderOnly="0", FileGrouping="0",
                IconsInMenus="0", ShortcutLNK="-1")  # what the program writes for all settings but the place and folder
Window = collections.namedtuple("Window", "id title rect")
is_dark = lambda c: 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2] < 80


class Rect(collections.namedtuple("Rect", "x y width height")):
    right, bottom = property(lambda r: r.x + r.width), property(lambda r: r.y + r.height)
    centre = property(lambda r: (r.x + r.width // 2, r.y + r.height // 2))


def check_equal(actual, expected, what): assert actual == expected, f"{what}: expected {expected!r}, got {actual!r}"


def make_files(folder, *names):  # the folders whose names end in "/" and the files, each holding its own name
    for name in names:
        (path := folder / name).parent.mkdir(parents=True, exist_ok=True)
        path.mkdir() if name.endswith("/") else path.write_text(name)


def wait_until(probe, timeout, what=None, step=0.05):  # probe's first true value, else a false one or (told what) fails
    deadline = time.monotonic() + timeout
    while not (value := probe()) and time.monotonic() <= deadline:
        time.sleep(step)
    assert value or not what, f"timed out after {timeout} s waiting for {what}"
    return value


run = lambda args, env=None, **kw: subprocess.run(list(map(str, args)), env=env, capture_output=True, timeout=180, **kw)
lines = lambda path: path.read_bytes().decode("utf-8").splitlines() if path.is_file() else []


class Region:  # the 8-bit RGB pixels of a rectangle of the screen, from the screenshot name if it has one

    def __init__(self, rect, data, name=""):
        assert len(data) == rect.width * rect.height * 3, f"{rect} does not lie on the screen"
        self.rect, self.data, self.name, self.colours = rect, data, name, list(zip(*[iter(data)] * 3))

    at = lambda self, x, y: self.colours[(y - self.rect.y) * self.rect.width + x - self.rect.x]
    fraction = lambda self, predicate: sum(map(predicate, self.colours)) / len(self.colours)

    def sub(self, r):
        starts = [((y - self.rect.y) * self.rect.width + r.x - self.rect.x) * 3 for y in range(r.y, r.bottom)]
        return Region(r, b"".join(self.data[i:i + r.width * 3] for i in starts), self.name)

    def runs(self, drawn, gap=1):  # (first, last) of the runs of columns with a drawn pixel; closer than gap joins
        r = self.rect
        xs = [x for x in range(r.x, r.right) if any(drawn(self.at(x, y)) for y in range(r.y, r.bottom))]
        apart = [i for i in range(1, len(xs)) if xs[i] - xs[i - 1] > gap]
        return [(xs[a], xs[b - 1]) for a, b in zip([0, *apart], [*apart, len(xs)]) if xs]

    __repr__ = lambda r: f"{r.rect} of {r.name or 'the screen'}: {collections.Counter(r.colours).most_common(2)}"


class Session:  # programs on an Xvfb display and in a fresh copy of the build tree's Wine prefix, driven and watched

    def __init__(self, exe, artifacts):
        self.exe, self.artifacts, self.procs = exe.resolve(), artifacts.resolve(), []
        self.helpers, self.tmp = self.exe.parent.parent / "e2e" / "helpers", Path(tempfile.mkdtemp(prefix="tarn-e2e-"))
        self.prefix, build, self.pointer = self.tmp / "prefix", self.artifacts.parent.parent, (0, 0)
        self.local = self.prefix / "drive_c" / "users" / getpass.getuser() / "AppData" / "Local" / "TarnDock"
        self.settings_path, self.buttons = self.local / "TarnDock.ini", self.local / "Buttons"
        self.order = self.buttons / "TarnDock_Folder.ini"  # the button folder's order file
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True)  # below: the server's socket in TMPDIR of our own, no Mono or Gecko
        self.env = dict(os.environ, WINEPREFIX=str(self.prefix), WINEDEBUG="-all", TMPDIR=str(self.tmp), DISPLAY="",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        try:
            with open(build / "e2e-wineprefix.lock", "w") as lock:  # the first session makes the prefix others copy
                fcntl.flock(lock, fcntl.LOCK_EX)
                if not (build / "e2e-wineprefix" / "system.reg").exists():
                    shutil.rmtree(build / "e2e-wineprefix.new", ignore_errors=True)
                    for command in [WINE, "wineboot", "-i"], [WINESERVER, "-w"]:
                        run(command, dict(self.env, WINEPREFIX=str(build / "e2e-wineprefix.new")), check=True)
                    os.rename(build / "e2e-wineprefix.new", build / "e2e-wineprefix")
            run(["cp", "-a", build / "e2e-wineprefix", self.prefix], check=True)
            (self.prefix / "wineserver").unlink(missing_ok=True)  # the first server's folder
            self.env["DISPLAY"] = ":" + self.spawn(*"Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -br -noreset"
                .split(), stdout=subprocess.PIPE, text=True).stdout.readline().strip()  # a free one, once it listens
            run(["xsetroot", "-solid", "#%02X%02X%02X" % ROOT], self.env)  # stays: the display runs with -noreset
        except BaseException:
            self.__exit__()
            raise

    __enter__ = lambda self: self

    def __exit__(self, *exc):
        [popen.kill() for popen in self.procs]
        run([WINESERVER, "-k"], self.env)
        self.local.is_dir() and shutil.copytree(self.local, self.artifacts / "TarnDock", symlinks=True)  # for a person
        shutil.rmtree(self.tmp, ignore_errors=True)

    def spawn(self, *args, **options):  # its errors to a numbered log; in a session of its own, out of Ctrl+C's way
        with open(self.artifacts / f"{len(self.procs)}.log", "w") as out:
            popen = subprocess.Popen([str(a) for a in args], env=self.env, stdin=subprocess.DEVNULL, stderr=out,
                                     start_new_session=True, **{"stdout": out, **options},
                                     preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))
        self.procs.append(popen)
        print(f"[{time.strftime('%T')}] {len(self.procs) - 1}.log: {' '.join(map(str, args))}", flush=True)
        return popen

    start = lambda self, *command, **kw: self.spawn(WINE, *(command or [self.exe]), **kw)  # else TarnDock.exe

    def probe(self, folder):  # Probe.exe copied into folder, made if need be: the quoted path it logs as its own
        folder.mkdir(parents=True, exist_ok=True), shutil.copy(self.helpers / "Probe.exe", folder)
        return f'"{self.windows_path(folder / "Probe.exe")}"'

    close = lambda self, program: (  # as the system does, WM_CLOSE to its windows; then it ends with exit code 0
        check_equal(program.poll(), None, "the program's exit code before it was asked to close"),
        run([WINE, "taskkill", "/im", self.exe.name], self.env), check_equal(program.wait(30), 0, "the exit code"))

    windows_path = lambda self, path: "C:\\" + "\\".join(path.relative_to(self.prefix / "drive_c").parts)

    def settings(self, path=None):  # the key=value pairs of the first [Settings], UTF-16 LE after its mark or Latin-1
        data = (path or self.settings_path).read_bytes()
        text = data[2:].decode("utf-16-le") if data.startswith(b"\xFF\xFE") else data.decode("latin-1")
        section = ("\r\n" + text).split("\r\n[Settings]\r\n", 1)[-1].split("\r\n[")[0].split("\r\n")
        return [tuple(line.split("=", 1)) for line in section if "=" in line]

    values = lambda self, *keys, path=None: [*map(dict(self.settings(path)).get, keys)]  # None for a missing one

    x = lambda self, *args: run(["xdotool", *args], self.env, text=True).stdout

    def windows(self, exe=None, visible=True):  # of TarnDock.exe unless exe names another; mapped unless not visible
        out = self.x("search", *["--onlyvisible"] * visible, "--classname", f"^{exe or self.exe.name.lower()}$",
                     "getwindowgeometry", "--shell", "%@", "getwindowname", "%@").splitlines()
        if len(out) != 7 * (n := sum(line.startswith("WINDOW=") for line in out)):  # one went between the commands
            return self.windows(exe, visible)
        return [Window(int(v["WINDOW"]), t, Rect(*(int(v[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")))) for v, t in
                zip((dict(line.split("=", 1) for line in out[6 * i:6 * i + 6]) for i in range(n)), out[6 * n:])]

    def wait_window(self, what, action=None, where=lambda w: True, timeout=30, exe=None, label=None):  # after action;
        known = {w.id for w in self.windows(exe, visible=False)} if action else set()  # where: a title or a test
        action and action()
        window = wait_until(lambda: next((w for w in self.windows(exe) if w.id not in known and (
            w.title == where if isinstance(where, str) else where(w))), 0), timeout, what)
        for _ in range(30):  # until it stays still
            time.sleep(0.3)
            if window == (window := next((w for w in self.windows(exe) if w.id == window.id), window)):
                break
        label and self.screenshot(label)
        return window

    drag = lambda self, x, y, steps, held=lambda: None: (  # from the pointer with the left button, let go after held()
        self.x("mousedown", 1), self.move(x, y, steps), held(), self.x("mouseup", 1))

    wait_gone = lambda self, window, what, timeout=10, exe=None: wait_until(
        lambda: window.id not in {w.id for w in self.windows(exe)}, timeout, what)

    def move(self, x, y, steps=1):  # in steps as a hand does if told so: a drag follows only moves it sees
        x0, y0 = self.pointer
        for i in range(1, steps + 1):
            self.pointer = x0 + (x - x0) * i // steps, y0 + (y - y0) * i // steps
            self.x("mousemove", *self.pointer)  # done once xdotool ends, which waits for the display
            time.sleep(0.03 * (steps > 1))

    park = lambda self: self.move(20, 748)  # away from the bars
    click = lambda self, x, y, button=1: (self.move(x, y), self.x("click", button))

    key = lambda self, *keys, window=None, closes=None: (  # "Return", "alt+F4"... into window, which a click does not
        window and self.x("windowfocus", "--sync", window.id), self.x("key", *keys),  # focus; the window closes,
        closes and self.wait_gone(window, f"{closes} to close on {keys[-1]}"))  # if told what it is

    def popup(self, at, button=1, choose=None):  # clicks; gives the menu's window, a screenshot, its lines of text;
        menu = self.wait_window("a popup menu", lambda: self.click(*at, button))  # then clicks line `choose` if told
        r, shot = Rect(*(v + d for v, d in zip(menu.rect, (3, 3, -6, -6)))), self.screenshot("menu")
        text = [any(is_dark(shot.at(x, y)) for x in range(r.x, r.right)) for y in range(r.y, r.bottom)] + [False]
        edges = [r.y + i for i in range(len(text)) if text[i] != (i > 0 and text[i - 1])]
        entries = [Rect(r.x, a, r.width, b - a) for a, b in zip(edges[::2], edges[1::2])]
        choose is None or self.click(menu.rect.x + 40, entries[choose].centre[1])
        return menu, shot, entries

    grab = lambda self, r=Rect(0, 0, 1024, 768), name="": Region(r, run(["import", "-window", "root", "-crop",
        f"{r.width}x{r.height}+{r.x}+{r.y}", "+repage", "-depth", "8", "rgb:-"], self.env).stdout, name)

    screenshot = lambda self, label: (  # kept as the next numbered PNG of the artifacts
        shot := self.grab(name=f"{len([*self.artifacts.glob('*.png')]) + 1:02d}-{label}.png"),
        run(["convert", "-size", "1024x768", "-depth", "8", "rgb:-", self.artifacts / shot.name], input=shot.data))[0]

    def wait_screen(self, rect, predicate, timeout, what=None, label=None):  # seconds until predicate holds for rect
        started, ok = time.monotonic(), wait_until(lambda: predicate(self.grab(rect)), timeout, step=0.02)
        assert ok or not what, f"timed out after {timeout} s waiting for {what}: {self.screenshot('timeout').sub(rect)}"
        label and ok and self.screenshot(label)
        return ok and time.monotonic() - started


class Bar:  # the bar's window and its parts; see-through, the root shows through its background, the colour key

    def __init__(self, s, window):
        self.s, self.window, self.rect, r = s, window, window.rect, window.rect
        c = self.client = Rect(r.x + FRAME, r.y + FRAME, r.width - 2 * FRAME, r.height - 2 * FRAME)
        self.left, self.right = Rect(c.x, c.y, MARGIN, c.height), Rect(c.right - MARGIN, c.y, MARGIN, c.height)
        self.columns = Rect(c.x + MARGIN, c.y, c.width - 2 * MARGIN, c.height)
        self.band, self.rest = self.columns._replace(height=BAND), (c.x + 3, c.y + c.height // 2)  # rest: on the margin

    @staticmethod
    def start(s, solid=False, **settings):  # with these settings if any; made solid if told so
        settings and (s.local.mkdir(parents=True, exist_ok=True), s.settings_path.write_text(
            "[Settings]\r\n" + "".join(f"{k}={v}\r\n" for k, v in settings.items()), "cp1252")), s.park()
        program, bar = s.start(), Bar(s, s.wait_window("the bar"))
        check_equal(s.windows(), [bar.window], "the program's windows after its start")
        solid and bar.make_solid()
        return program, bar

    solid = staticmethod(lambda region: region.fraction(ROOT.__eq__) == 0)
    see_through = staticmethod(lambda region: region.fraction(ROOT.__eq__) == 1)

    make_solid = lambda self, timeout=5: (self.s.move(*self.rest), self.s.wait_screen(  # resting on the margin
        self.left, self.solid, timeout, "the bar to turn solid under the pointer"))

    wait_icons = lambda self, count, what, label=None: (self.make_solid(), self.s.wait_screen(  # on its button row
        self.band, lambda shot: len(self.icons(shot)) == count, 10, f"{count} pictures: {what}", label))

    press = lambda self, *keys: (self.make_solid(), self.s.click(*self.rest),  # focused by a click on its margin
                                 self.s.key(*keys, window=self.window))

    def icons(self, shot):  # on the solid bar's button row: each icon, a menu button's arrow as one of its own
        face = collections.Counter((band := shot.sub(self.band)).colours).most_common(1)[0][0]
        return [Rect(a, self.band.y, b - a + 1, BAND) for a, b in band.runs(face.__ne__, 2)]


def main():  # python3 tarnlib.py JOURNEY.py --exe TarnDock.exe --artifacts FOLDER
    options, started = dict(zip(sys.argv[2::2], map(Path, sys.argv[3::2]))), time.monotonic()
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("no end after 240 s")), signal.alarm(240)  # before CTest's 300 s
    with Session(options["--exe"], options["--artifacts"]) as s:
        runpy.run_path(sys.argv[1])["journey"](s)
    print(f"PASS after {time.monotonic() - started:.1f} s, artifacts in {options['--artifacts']}")


__name__ == "__main__" and __import__("tarnlib").main()  # the journeys' module, not a second copy
