"""End-to-end harness: TarnDock.exe under Wine, on an Xvfb display and in a Wine prefix of the session's own."""
# Tools: Xvfb, xdotool, xsetroot, ImageMagick's import and convert, wine64.
import argparse, collections, contextlib, ctypes, fcntl, getpass, os, re, select, shutil, signal, subprocess, sys, tempfile, time
from pathlib import Path

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
TWIPS, FRAME = 15, 3       # twips per pixel at 96 DPI; the bar's sizing border
ROOT = (0x33, 0x66, 0xAA)  # the root window's colour, which none of Wine's system colours has
MARGIN, BAND = 8, 24       # the toolbar's distance from either side of the bar's client area; its button row
Window = collections.namedtuple("Window", "id title rect")
is_root = ROOT.__eq__
is_dark = lambda c: 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2] < 80


class Rect(collections.namedtuple("Rect", "x y width height")):
    right = property(lambda r: r.x + r.width)
    bottom = property(lambda r: r.y + r.height)
    centre = property(lambda r: (r.x + r.width // 2, r.y + r.height // 2))


def check_equal(actual, expected, what):
    assert actual == expected, f"{what}: expected {expected!r}, got {actual!r}"


def wait_until(probe, timeout, what=None, interval=0.05):
    """Polls probe until it gives something true and returns that; after timeout seconds fails if told what it
    waits for, else gives None."""
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        if time.monotonic() > deadline:
            assert not what, f"timed out after {timeout} s waiting for {what}"
            return None
        time.sleep(interval)
    return value


def run(args, env=None, ok=True, **options):
    result = subprocess.run([str(a) for a in args], env=env, capture_output=True, timeout=180, **options)
    assert not ok or result.returncode == 0, f"{args} failed ({result.returncode}): {result.stderr!r}"
    return result


def lines(path):
    return path.read_bytes().decode("utf-8").splitlines() if path.is_file() else []


class Region:
    """The 8-bit RGB pixels of a rectangle of the screen; name is the screenshot they come from."""

    def __init__(self, rect, data, name=""):
        assert len(data) == rect.width * rect.height * 3, f"{rect} does not lie on the screen"
        self.rect, self.data, self.name, self.colours = rect, data, name, list(zip(*[iter(data)] * 3))

    def at(self, x, y):
        return self.colours[(y - self.rect.y) * self.rect.width + x - self.rect.x]

    def sub(self, r):
        starts = [((y - self.rect.y) * self.rect.width + r.x - self.rect.x) * 3 for y in range(r.y, r.bottom)]
        return Region(r, b"".join(self.data[i:i + r.width * 3] for i in starts), self.name)

    def fraction(self, predicate):
        return sum(map(predicate, self.colours)) / len(self.colours)

    def runs(self, drawn, gap=1):
        """The runs of columns that hold a drawn pixel, (first, last); columns closer than gap join."""
        r = self.rect
        xs = [x for x in range(r.x, r.right) if any(drawn(self.at(x, y)) for y in range(r.y, r.bottom))]
        apart = [i for i in range(1, len(xs)) if xs[i] - xs[i - 1] > gap]
        return [(xs[a], xs[b - 1]) for a, b in zip([0, *apart], [*apart, len(xs)]) if xs]

    def __str__(self):
        top = collections.Counter(self.colours).most_common(3)
        return f"{self.rect} shows {[('#%02X%02X%02X' % c, n) for c, n in top]} ({self.name})"


def wine_env(prefix, tmp, display):
    # Wine keeps its server socket below TMPDIR: a folder of the session's own. No Mono or Gecko installers.
    return dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all", TMPDIR=str(tmp), DISPLAY=display,
                WINEDLLOVERRIDES="mscoree,mshtml=")


class Session:
    """One Xvfb display and one fresh copy of the build tree's Wine prefix: starts programs in them, lists their
    windows, drives pointer and keys, reads the screen, keeps numbered screenshots, and ends what it started."""

    def __init__(self, exe, artifacts):
        self.exe, self.artifacts, self.procs, self.shots, self.env = exe.resolve(), artifacts.resolve(), [], 0, None
        self.helpers = self.exe.parent.parent / "e2e" / "helpers"  # build/<tree>/e2e/helpers beside src/
        self.tmp = Path(tempfile.mkdtemp(prefix="tarn-e2e-"))
        self.prefix, self.pointer = self.tmp / "prefix", (0, 0)
        self.local = self.prefix / "drive_c" / "users" / getpass.getuser() / "AppData" / "Local"
        self.settings_path, self.buttons = self.local / "TarnDock" / "TarnDock.ini", self.local / "TarnDock" / "Buttons"

    def __enter__(self):
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True)
        self.logfile = open(self.artifacts / "session.log", "w")
        try:
            # The first session of a build tree sets up the prefix that the others copy.
            build = self.artifacts.parent.parent
            with open(build / "e2e-wineprefix.lock", "w") as lock:
                fcntl.flock(lock, fcntl.LOCK_EX)
                if not (build / "e2e-wineprefix" / "system.reg").exists():
                    partial = tempfile.mkdtemp(prefix="e2e-wineprefix-", dir=build)
                    run([WINE, "wineboot", "-i"], wine_env(partial, self.tmp, ""))
                    run([WINESERVER, "-w"], wine_env(partial, self.tmp, ""))
                    os.rename(partial, build / "e2e-wineprefix")
            run(["cp", "-a", build / "e2e-wineprefix", self.prefix])
            (self.prefix / "wineserver").unlink(missing_ok=True)  # the first server's folder
            read, write = os.pipe()  # Xvfb picks a free display and names it once it takes connections
            self.spawn(["Xvfb", "-displayfd", write, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-br",
                        "-noreset"], "xvfb", pass_fds=(write,))
            os.close(write)
            with os.fdopen(read) as pipe:
                number = pipe.readline().strip() if select.select([pipe], [], [], 30)[0] else ""
            self.env = wine_env(self.prefix, self.tmp, ":" + number)
            run(["xsetroot", "-solid", "#%02X%02X%02X" % ROOT], self.env)  # stays: the display runs with -noreset
            self.park()
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        for i, popen in reversed(list(enumerate(self.procs))):  # Xvfb, the first, after the Wine server
            if i == 0 and self.env:
                subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True, timeout=20)
            for end in (popen.terminate, popen.kill):
                if popen.poll() is None:
                    end()
                    with contextlib.suppress(subprocess.TimeoutExpired):
                        popen.wait(5)
        with contextlib.suppress(OSError):  # what the program wrote, for a person to look at
            shutil.copytree(self.local / "TarnDock", self.artifacts / "TarnDock", symlinks=True)
        shutil.rmtree(self.tmp, ignore_errors=True)
        self.logfile.close()

    def log(self, message):
        for out in sys.stdout, self.logfile:
            print(f"[{time.strftime('%H:%M:%S')}] {message}", file=out, flush=True)

    def spawn(self, args, label, **options):
        """Starts a process that the session ends if it still runs; its errors go to a log of the artifacts."""
        with open(self.artifacts / f"{len(self.procs)}-{label}.log", "w") as out:
            # In a session of its own, so that Ctrl+C reaches the harness alone, and ending with the harness.
            popen = subprocess.Popen([str(a) for a in args], env=self.env, stdin=subprocess.DEVNULL, stderr=out,
                                     start_new_session=True, **{"stdout": out, **options},
                                     preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))
        self.procs.append(popen)
        self.log(f"started {label} (pid {popen.pid}) {' '.join(map(str, args[2:]))}")
        return popen

    def start(self, *command, **options):  # TarnDock.exe unless command names another Windows program
        return self.spawn([WINE, *(command or [self.exe])], Path((command or [self.exe])[0]).name, **options)

    def start_helper(self, name, *args):
        """Starts a helper and returns it once it says "ready"; one that could not set itself up, which says
        nothing of the program under test, is started again."""
        for attempt in range(3):
            helper = self.start(self.helpers / name, *args, stdout=subprocess.PIPE, text=True)
            if (line := helper.stdout.readline().strip()) == "ready":
                return helper
            self.log(f"{name} said {line!r} {helper.stdout.read()!r} and ended with {helper.wait(10)}")
        raise AssertionError(f"{name} did not come up")

    def wine(self, *command):  # runs a Windows program to its end
        result = run([WINE, *command], self.env, ok=False, text=True)
        self.log(f"{' '.join(map(str, command))}: {result.returncode} {result.stdout!r}")
        return result.returncode, result.stdout.strip()

    def close(self, program):
        """Asks the program to close as the system does (WM_CLOSE to its windows); returns its exit code."""
        assert program.poll() is None, "the program ended before it was asked to close"
        self.wine("taskkill", "/im", self.exe.name)
        return program.wait(30)

    def windows_path(self, path):
        return "C:\\" + "\\".join(path.relative_to(self.prefix / "drive_c").parts)

    def write_settings(self, **pairs):
        self.settings_path.parent.mkdir(parents=True, exist_ok=True)
        self.settings_path.write_text("[Settings]\r\n" + "".join(f"{k}={v}\r\n" for k, v in pairs.items()), "cp1252")

    def settings(self):  # the file's bytes and its key=value pairs
        data = self.settings_path.read_bytes()
        return data, [tuple(line.split("=", 1)) for line in data.decode("cp1252").split("\r\n") if "=" in line]

    def x(self, *args):
        return run(["xdotool", *args], self.env, ok=False, text=True).stdout

    def windows(self, exe=None, visible=True):
        """The X windows of a program, TarnDock.exe unless exe names another; mapped ones unless not visible."""
        out = self.x("search", *["--onlyvisible"] * visible, "--classname", f"^{re.escape(exe or self.exe.name.lower())}$",
                     "getwindowgeometry", "--shell", "%@", "getwindowname", "%@").splitlines()
        n = sum(line.startswith("WINDOW=") for line in out)
        if len(out) != 7 * n:  # a window went between the commands
            return self.windows(exe, visible)
        values = [dict(line.split("=", 1) for line in out[6 * i:6 * i + 6]) for i in range(n)]
        return [Window(int(v["WINDOW"]), title, Rect(*(int(v[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))))
                for v, title in zip(values, out[6 * n:])]

    def wait_window(self, what, action=None, where=lambda w: True, timeout=30, exe=None):
        """Does action if given and waits for a mapped window for which where holds, a new one if action was given;
        returns it once it has kept its place for 0.3 s (a window may be placed after it shows)."""
        known = {w.id for w in self.windows(exe, visible=False)} if action else set()
        action and action()
        window = wait_until(lambda: next((w for w in self.windows(exe) if w.id not in known and where(w)), 0),
                            timeout, what)
        for _ in range(30):
            time.sleep(0.3)
            if window == (window := next((w for w in self.windows(exe) if w.id == window.id), window)):
                break
        self.log(f"found {window}")
        return window

    def wait_gone(self, window, what, timeout=10, exe=None):
        wait_until(lambda: window.id not in {w.id for w in self.windows(exe)}, timeout, what)

    def move(self, x, y, steps=1):
        """Moves the pointer, in steps as a hand does if told so: a drag follows only moves it sees."""
        x0, y0 = self.pointer
        for i in range(1, steps + 1):
            self.pointer = x0 + (x - x0) * i // steps, y0 + (y - y0) * i // steps
            self.x("mousemove", *self.pointer)  # done once xdotool ends, which waits for the display
            time.sleep(0.03 * (steps > 1))

    def park(self):
        self.move(20, 748)  # away from the bars

    def click(self, x, y, button=1):
        self.move(x, y)
        self.x("click", button)

    def key(self, *keys, window=None):
        """Presses keys such as "Return", "alt+F4" or "shift+F5", into window if given: without a window manager
        a click leaves the input focus where it was."""
        if window:
            self.x("windowfocus", "--sync", window.id)
        self.x("key", *keys)

    def popup(self, at, button=1):
        """Clicks and reads the menu that opens: its window, a screenshot of it, and its lines of text."""
        menu = self.wait_window("a popup menu", lambda: self.click(*at, button))
        r = Rect(menu.rect.x + 3, menu.rect.y + 3, menu.rect.width - 6, menu.rect.height - 6)
        shot = self.screenshot("menu")
        text = [any(is_dark(shot.at(x, y)) for x in range(r.x, r.right)) for y in range(r.y, r.bottom)] + [False]
        edges = [r.y + i for i in range(len(text)) if text[i] != (i > 0 and text[i - 1])]
        return menu, shot, [Rect(r.x, a, r.width, b - a) for a, b in zip(edges[::2], edges[1::2])]

    def grab(self, rect=Rect(0, 0, 1024, 768)):
        crop = ["-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}", "+repage"]
        return Region(rect, run(["import", "-window", "root", *crop, "-depth", "8", "rgb:-"], self.env).stdout)

    def screenshot(self, label):  # kept as the next numbered PNG of the artifacts
        self.shots += 1
        shot = self.grab()
        shot.name = f"{self.shots:02d}-{label}.png"
        run(["convert", "-size", "1024x768", "-depth", "8", "rgb:-", self.artifacts / shot.name], input=shot.data)
        return shot

    def wait_screen(self, rect, predicate, timeout, what=None, label=None):
        """Reads rect until predicate holds for it and returns the seconds that took, then keeps a screenshot if
        given a label. After timeout seconds fails with a screenshot if told what it waits for, else gives None."""
        started = time.monotonic()
        if not wait_until(lambda: predicate(self.grab(rect)), timeout, interval=0.02):
            assert not what, f"timed out after {timeout} s waiting for {what}: {self.screenshot('timeout').sub(rect)}"
            return None
        took = time.monotonic() - started
        label and self.screenshot(label)
        return took


class Bar:
    """The bar's window: see-through, the root shows through its background (the colour key); solid, not."""

    def __init__(self, s, window):
        self.s, self.window, self.face = s, window, None
        self.place(window.rect)

    def place(self, r):
        self.rect, self.client = r, (c := Rect(r.x + FRAME, r.y + FRAME, r.width - 2 * FRAME, r.height - 2 * FRAME))
        self.left, self.right = Rect(c.x, c.y, MARGIN, c.height), Rect(c.right - MARGIN, c.y, MARGIN, c.height)
        self.columns = Rect(c.x + MARGIN, c.y, c.width - 2 * MARGIN, c.height)
        self.band = Rect(c.x + MARGIN, c.y, c.width - 2 * MARGIN, BAND)
        self.rest = (c.x + 3, c.y + c.height // 2)  # on the left margin

    @staticmethod
    def start(s):
        s.park()
        program, window = s.start(), s.wait_window("the bar")
        check_equal(s.windows(), [window], "the program's windows after its start")
        return program, Bar(s, window)

    solid = staticmethod(lambda region: region.fraction(is_root) == 0)
    see_through = staticmethod(lambda region: region.fraction(is_root) == 1)

    def make_solid(self, timeout=5):  # rests the pointer on the left margin
        self.s.move(*self.rest)
        self.s.wait_screen(self.left, self.solid, timeout, "the bar to turn solid under the pointer")
        self.face = self.s.grab(self.left).at(self.client.x + 2, self.client.y + 2)

    def icons(self, shot):
        """The pictures on the solid bar's button row: each button's icon, a menu button's arrow as one of its own."""
        return [Rect(a, self.band.y, b - a + 1, BAND) for a, b in shot.sub(self.band).runs(lambda c: c != self.face, 2)]


def main(journey):
    parser = argparse.ArgumentParser(description=journey.__doc__)
    for option in ("--exe", "--artifacts"):
        parser.add_argument(option, required=True, type=Path)
    args, started, outcome = parser.parse_args(), time.monotonic(), "PASS"

    def stop(signum, frame):
        raise AssertionError(f"signal {signum} after {time.monotonic() - started:.0f} s")
    for signum in signal.SIGALRM, signal.SIGTERM:
        signal.signal(signum, stop)
    signal.alarm(240)  # to tear down before CTest's limit of 300 s
    try:
        with Session(args.exe, args.artifacts) as s:
            journey(s)
    except AssertionError as failure:
        outcome = f"FAIL: {failure}"
    print(f"{Path(sys.argv[0]).stem} after {time.monotonic() - started:.1f} s: {outcome} (artifacts: {args.artifacts})")
    sys.exit(outcome != "PASS")
