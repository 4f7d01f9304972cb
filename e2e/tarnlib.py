"""End-to-end harness: the real TarnDock.exe under Wine on a virtual X display of its own."""

# A Session owns one Xvfb display and one fresh Wine prefix, starts programs in them, lists their windows,
# drives pointer and keys, reads the screen, keeps numbered screenshots, and ends exactly what it started.
# A Bar is the program's bar window as the screen shows it.

# Only the standard library and the tools Xvfb, xdotool, xsetroot, ImageMagick (import, convert) and wine64.
from __future__ import annotations

import argparse
import collections
import contextlib
import ctypes
import fcntl
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import textwrap
import time
import traceback
from dataclasses import dataclass
from pathlib import Path

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
TWIPS = 15                  # twips per pixel at Wine's 96 DPI
ROOT = (0x33, 0x66, 0xAA)   # the root window's colour, which none of Wine's system colours has
MARGIN = 120 // TWIPS       # the toolbar stands this far from either side of the bar's client area
BAND = 24                   # the toolbar's button row, at the top of the client area


class Failure(Exception):
    """A check did not hold; the message says what was expected and what was seen."""


def check(condition, message: str) -> None:
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what: str) -> None:
    check(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")


def wait_until(probe, timeout: float, what: str, interval: float = 0.1):
    """Polls probe until it returns something true and returns that; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        check(time.monotonic() < deadline, f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)
    return value


def run(args, env=None, timeout=30.0, ok=True, binary=False) -> subprocess.CompletedProcess:
    result = subprocess.run([str(a) for a in args], env=env, capture_output=True, text=not binary, timeout=timeout)
    check(not ok or result.returncode == 0,
          f"{' '.join(map(str, args))} failed ({result.returncode}): {result.stderr!r}")
    return result


def _die_with_parent() -> None:
    # Children run in sessions of their own (Ctrl+C reaches the harness alone, which ends them in order);
    # if the harness is killed outright they must not outlive it: PR_SET_PDEATHSIG.
    with contextlib.suppress(OSError):
        ctypes.CDLL("libc.so.6").prctl(1, signal.SIGTERM)


def _stop(popen: subprocess.Popen) -> None:
    for end in (popen.terminate, popen.kill):
        if popen.poll() is None:
            end()
            with contextlib.suppress(subprocess.TimeoutExpired):
                popen.wait(5)


def text_file(lines) -> bytes:
    """Text as the program reads and writes it: the 8-bit code page, CR LF line ends."""
    return "".join(line + "\r\n" for line in lines).encode("cp1252")



# ----------------------------------------------------------------------------------------------
# The screen


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int
    right = property(lambda r: r.x + r.width)
    bottom = property(lambda r: r.y + r.height)
    centre = property(lambda r: (r.x + r.width // 2, r.y + r.height // 2))

    def __str__(self) -> str:
        return f"({self.x}, {self.y}) {self.width} x {self.height}"


SCREEN = Rect(0, 0, 1024, 768)


def colour_name(c) -> str:
    return "#%02X%02X%02X" % c


def is_root(c) -> bool:
    return c == ROOT


def luminance(c) -> float:
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def is_dark(c) -> bool:
    return luminance(c) < 80


class Region:
    """The pixels of a rectangle of the screen, 8-bit RGB; name is the screenshot they come from, if any."""

    def __init__(self, rect: Rect, data: bytes, name: str = ""):
        check(len(data) == rect.width * rect.height * 3, f"read {len(data)} bytes of the screen's {rect}")
        self.rect, self.data, self.name = rect, data, name

    def at(self, x: int, y: int) -> tuple:
        i = ((y - self.rect.y) * self.rect.width + x - self.rect.x) * 3
        return tuple(self.data[i:i + 3])

    def sub(self, r: Rect) -> "Region":
        o = self.rect
        check(o.x <= r.x and r.right <= o.right and o.y <= r.y and r.bottom <= o.bottom, f"{r} lies outside {o}")
        rows = [((y - o.y) * o.width + r.x - o.x) * 3 for y in range(r.y, r.bottom)]
        return Region(r, b"".join(self.data[i:i + r.width * 3] for i in rows), self.name)

    def colours(self):
        return zip(*[iter(self.data)] * 3)

    def count(self, predicate) -> int:
        return sum(1 for c in self.colours() if predicate(c))

    def fraction(self, predicate) -> float:
        return self.count(predicate) / (self.rect.width * self.rect.height)

    def common(self) -> tuple:
        return collections.Counter(self.colours()).most_common(1)[0][0]

    def __str__(self) -> str:
        top = collections.Counter(self.colours()).most_common(4)
        return f"{self.rect} shows " + ", ".join(f"{colour_name(c)} x{n}" for c, n in top) + \
            (f" (see {self.name})" if self.name else "")


# ----------------------------------------------------------------------------------------------
# Windows, programs and files


@dataclass(frozen=True)
class Window:
    id: int
    title: str
    rect: Rect

    def __str__(self) -> str:
        return f"window {self.id} {self.title!r} at {self.rect}"


class Program:
    """One started Windows program: the wine64 process that runs it."""

    def __init__(self, popen: subprocess.Popen, label: str, log: Path):
        self.popen, self.label, self.log = popen, label, log

    def running(self) -> bool:
        return self.popen.poll() is None

    def wait(self, timeout: float = 15.0) -> int:
        wait_until(lambda: not self.running(), timeout, f"{self.label} to end")
        return self.popen.returncode


class Settings:
    """The settings file as the program left it: its bytes, its lines and its key=value pairs."""

    def __init__(self, path: Path):
        check(path.is_file(), f"the settings file {path} does not exist")
        self.data = path.read_bytes()
        self.lines = self.data.decode("cp1252").removesuffix("\r\n").split("\r\n")
        self.pairs = [tuple(line.split("=", 1)) for line in self.lines if "=" in line]

    def int(self, key: str) -> int:
        values = [v for k, v in self.pairs if k.lower() == key.lower()]
        check(len(values) == 1 and re.fullmatch(r"-?\d+", values[0]), f"{key} in the settings file: {values}")
        return int(values[0])


def _wine_env(prefix: Path, tmp: Path, display) -> dict:
    # Wine keeps its server socket in a folder below TMPDIR: one of the session's own.
    env = {k: v for k, v in os.environ.items() if k not in ("WINEDLLOVERRIDES", "DISPLAY")}
    return dict(env, WINEPREFIX=str(prefix), WINEDEBUG="-all", TMPDIR=str(tmp),
                **({"DISPLAY": display} if display else {}))


def _template_prefix(build: Path, log) -> Path:
    """The initialised Wine prefix of the build tree, made once, under a lock, by the first session."""
    template = build / "e2e-wineprefix-template"
    build.mkdir(parents=True, exist_ok=True)
    with open(build / "e2e-wineprefix-template.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if (template / "system.reg").exists() and (template / "drive_c" / "users").is_dir():
            return template
        log(f"creating the template Wine prefix {template}")
        partial = Path(tempfile.mkdtemp(prefix="e2e-wineprefix-partial-", dir=build))
        tmp = Path(tempfile.mkdtemp(prefix="tarn-e2e-tmp-"))
        # Without a display, and without the Mono and Gecko installers, which would ask on one.
        env = dict(_wine_env(partial, tmp, None), WINEDLLOVERRIDES="mscoree,mshtml=")
        try:
            run([WINE, "wineboot", "-i"], env, timeout=180)
            run([WINESERVER, "-w"], env, timeout=120)
            shutil.rmtree(template, ignore_errors=True)
            partial.rename(template)
        finally:
            shutil.rmtree(partial, ignore_errors=True)
            shutil.rmtree(tmp, ignore_errors=True)
        return template


# ----------------------------------------------------------------------------------------------
# Session


class Session(contextlib.AbstractContextManager):
    def __init__(self, exe: Path, artifacts: Path, name: str):
        self.exe, self.artifacts, self.name = Path(exe).resolve(), Path(artifacts).resolve(), name
        # Helpers are built in build/<tree>/e2e/helpers, beside build/<tree>/src/TarnDock.exe.
        self.helpers = self.exe.parent.parent / "e2e" / "helpers"
        self.env, self.prefix, self.display = {}, None, None
        self._programs, self._xvfb, self._tmp, self._shots = [], None, None, 0

    def __enter__(self) -> "Session":
        self.artifacts.mkdir(parents=True, exist_ok=True)
        for old in [*self.artifacts.glob("*.png"), *self.artifacts.glob("*.log")]:
            old.unlink()
        self._log = open(self.artifacts / "session.log", "w")
        try:
            template = _template_prefix(self.artifacts.parent.parent, self.log)
            self._tmp = Path(tempfile.mkdtemp(prefix="tarn-e2e-"))
            self._start_xvfb()
            self.prefix = self._tmp / "prefix"
            run(["cp", "-a", template, self.prefix], timeout=120)
            (self.prefix / "wineserver").unlink(missing_ok=True)  # the template's server folder is its own
            users = [p for p in (self.prefix / "drive_c" / "users").iterdir()
                     if p.is_dir() and not p.is_symlink() and p.name not in ("Public", "Default")]
            check(len(users) == 1, f"cannot tell the prefix's user from {users}")
            self.local = users[0] / "AppData" / "Local"
            self.settings_path = self.local / "TarnDock" / "TarnDock.ini"
            self.buttons = self.local / "TarnDock" / "Buttons"
            self.env = _wine_env(self.prefix, self._tmp, self.display)
            # The display runs with -noreset, so the colour stays after xsetroot ends.
            run(["xsetroot", "-solid", colour_name(ROOT)], self.env)
            self.park()
        except BaseException:
            self._teardown()
            raise
        return self

    def __exit__(self, *exc) -> None:
        self._teardown()

    def _start_xvfb(self) -> None:
        # Xvfb picks a free display number itself and writes it to the pipe once it takes connections.
        read_end, write_end = os.pipe()
        with open(self.artifacts / "xvfb.log", "w") as err:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN.width}x{SCREEN.height}x24",
                 "-nolisten", "tcp", "-br", "-noreset"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                stderr=err, preexec_fn=_die_with_parent, start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip() if select.select([pipe], [], [], 30)[0] else ""
        check(number, "Xvfb did not report its display (see xvfb.log)")
        self.display = ":" + number
        self.log(f"Xvfb pid {self._xvfb.pid} on display {self.display}")

    def _teardown(self) -> None:
        for program in self._programs:
            with contextlib.suppress(Exception):
                _stop(program.popen)
        for flag in ("-k", "-w") if self.env else ():
            with contextlib.suppress(Exception):
                subprocess.run([WINESERVER, flag], env=self.env, capture_output=True, timeout=20)
        if self._xvfb is not None:
            _stop(self._xvfb)
        with contextlib.suppress(Exception):  # what the program wrote, for a person to look at
            kept = self.artifacts / "LocalAppData-TarnDock"
            shutil.rmtree(kept, ignore_errors=True)
            shutil.copytree(self.local / "TarnDock", kept, symlinks=True)
        if self._tmp is not None:
            shutil.rmtree(self._tmp, ignore_errors=True)
        self._log.close()

    def log(self, message: str) -> None:
        line = textwrap.fill(f"[{time.strftime('%H:%M:%S')}] {message}", 100, subsequent_indent="    ")
        print(line, flush=True)
        self._log.write(line + "\n")
        self._log.flush()

    # -- files ---------------------------------------------------------------------------------

    def windows_path(self, path: Path) -> str:
        """The Windows path (C:\\...) of a file on the prefix's drive C."""
        return "C:\\" + "\\".join(Path(path).relative_to(self.prefix / "drive_c").parts)

    def write_settings(self, pairs=(), **more) -> Path:
        self.settings_path.parent.mkdir(parents=True, exist_ok=True)
        self.settings_path.write_bytes(text_file(["[Settings]", *(f"{k}={v}" for k, v in [*pairs, *more.items()])]))
        return self.settings_path

    def read_settings(self) -> Settings:
        return Settings(self.settings_path)

    # -- programs ------------------------------------------------------------------------------

    def start(self, *command, label: str = "", pipe: bool = False) -> Program:
        """Starts a Windows program, TarnDock.exe unless command names another; the teardown ends it if it
        still runs. With pipe its output is read from program.popen.stdout and only its errors are logged."""
        command = [str(c) for c in command] or [str(self.exe)]
        number = len(self._programs) + 1
        log = self.artifacts / f"program-{number}.log"
        with open(log, "w") as out:
            popen = subprocess.Popen([WINE, *command], env=self.env, stdin=subprocess.DEVNULL, text=pipe,
                                     stdout=subprocess.PIPE if pipe else out, stderr=out,
                                     preexec_fn=_die_with_parent, start_new_session=True)
        program = Program(popen, f"{label or Path(command[0]).name} #{number} (pid {popen.pid})", log)
        self._programs.append(program)
        self.log(f"started {program.label} {' '.join(command[1:])}".rstrip())
        return program

    def start_helper(self, name: str, *args, attempts: int = 3) -> tuple[Program, str]:
        """Starts a helper program and returns it with the first line it prints. A helper that could not set
        itself up (it ends without a word, or says "error ..."), which has nothing to do with the program
        under test, is logged with its errors and started again, up to attempts times."""
        for attempt in range(1, attempts + 1):
            program = self.start(self.helpers / name, *args, pipe=True)
            line = program.popen.stdout.readline().strip()
            if line and not line.startswith("error"):
                return program, line
            self.log(f"{program.label} ended with {program.popen.wait(10)} before it was up, saying {line!r} "
                     f"(attempt {attempt} of {attempts}); its errors: {program.log.read_text(errors='replace')!r}")
        raise Failure(f"{name} did not come up in {attempts} attempts")

    def run_helper(self, name: str, *args) -> subprocess.CompletedProcess:
        """Runs a helper program to its end in the session's prefix and display."""
        result = run([WINE, self.helpers / name, *args], self.env, ok=False)
        self.log(f"{name} {' '.join(args)}: {result.returncode} {result.stdout.strip()!r}")
        return result

    def close(self, program: Program, timeout: float = 30.0) -> int:
        """Asks the program to close as the system does (WM_CLOSE to its windows); returns its exit code."""
        check(program.running(), f"{program.label} ended before it was asked to close")
        result = run([WINE, "taskkill", "/im", self.exe.name], self.env, ok=False)
        self.log(f"taskkill: {result.returncode} {result.stdout.strip()}")
        rc = program.wait(timeout)
        self.log(f"{program.label} ended with {rc}")
        return rc

    # -- windows -------------------------------------------------------------------------------

    def x(self, *args, ok: bool = True) -> subprocess.CompletedProcess:
        return run(["xdotool", *args], self.env, ok=ok)

    def ids(self, exe: str = "", visible: bool = True) -> set[int]:
        return {w.id for w in self.windows(exe, visible)}

    def windows(self, exe: str = "", visible: bool = True) -> list[Window]:
        """The X windows of a program (TarnDock.exe unless exe names another), mapped ones unless not visible."""
        # Wine names each window's class after its program.
        for _ in range(3):
            pattern = "^" + re.escape((exe or self.exe.name).lower()) + "$"
            lines = self.x("search", *(["--onlyvisible"] if visible else []), "--classname", pattern,
                           "getwindowgeometry", "--shell", "%@", "getwindowname", "%@", ok=False).stdout.splitlines()
            n = sum(line.startswith("WINDOW=") for line in lines)
            if len(lines) == 7 * n:  # one window vanished between the commands otherwise: ask again
                values = [dict(kv.split("=", 1) for kv in lines[6 * i:6 * i + 6]) for i in range(n)]
                return [Window(int(v["WINDOW"]), title, Rect(*(int(v[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))))
                        for v, title in zip(values, lines[6 * n:])]
        raise Failure(f"the windows of {exe or self.exe.name} kept changing while they were listed")

    def window(self, window_id: int, exe: str = "") -> Window | None:
        return next((w for w in self.windows(exe, visible=False) if w.id == window_id), None)

    def wait_window(self, what: str, where=lambda w: True, timeout: float = 30.0, settle: float = 0.3,
                    exe: str = "") -> Window:
        """The first mapped window of the program for which where holds, once it has kept its place for settle
        seconds (a window may be placed after it shows)."""
        window = wait_until(lambda: next((w for w in self.windows(exe) if where(w)), None), timeout, what, 0.05)
        since = started = time.monotonic()
        while time.monotonic() - since < settle and time.monotonic() - started < 10:
            time.sleep(0.1)
            now = self.window(window.id, exe)
            check(now is not None, f"{window} disappeared")
            if now.rect != window.rect:
                window, since = now, time.monotonic()
        self.log(f"found {window}")
        return window

    def wait_gone(self, window_id: int, what: str, timeout: float = 10.0, exe: str = "") -> None:
        wait_until(lambda: window_id not in self.ids(exe), timeout, what, 0.05)

    # -- pointer and keys ----------------------------------------------------------------------

    def pointer(self) -> tuple[int, int]:
        values = dict(kv.split("=", 1) for kv in self.x("getmouselocation", "--shell").stdout.split())
        return int(values["X"]), int(values["Y"])

    def move(self, x: int, y: int) -> None:
        # --sync waits for the pointer to move, which it never does when it is there already.
        if self.pointer() != (x, y):
            self.x("mousemove", "--sync", x, y)

    def park(self) -> None:
        """Puts the pointer in the lower left corner, away from where the bars stand."""
        self.move(20, SCREEN.bottom - 20)

    def glide(self, x: int, y: int, steps: int = 10) -> None:
        """Moves the pointer in steps as a hand does; a drag follows only moves it sees."""
        x0, y0 = self.pointer()
        for i in range(1, steps + 1):
            self.move(x0 + (x - x0) * i // steps, y0 + (y - y0) * i // steps)
            time.sleep(0.03)

    def click(self, x: int, y: int, button: int = 1) -> None:
        self.move(x, y)
        self.x("click", button)

    def key(self, *keys: str) -> None:
        self.x("key", *keys)

    def focus(self, window: Window) -> None:
        # Without a window manager a click leaves the display's input focus where it was.
        self.x("windowfocus", "--sync", window.id, ok=False)

    # -- screen --------------------------------------------------------------------------------

    def grab(self, rect: Rect = SCREEN) -> Region:
        """Reads a part of the screen without keeping it: fast enough to time a change to a tick or two."""
        crop = [] if rect == SCREEN else ["-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}", "+repage"]
        return Region(rect, run(["import", "-window", "root", *crop, "-depth", "8", "rgb:-"], self.env,
                                binary=True).stdout)

    def screenshot(self, label: str) -> Region:
        """The whole screen, kept as the next numbered PNG of the artifacts."""
        self._shots += 1
        path = self.artifacts / f"{self._shots:02d}-{label}.png"
        shot = self.grab()
        shot.name = path.name
        subprocess.run(["convert", "-size", f"{SCREEN.width}x{SCREEN.height}", "-depth", "8", "rgb:-", f"png24:{path}"],
                       input=shot.data, check=True, timeout=30)
        self.log(f"screenshot {path.name}")
        return shot

    def wait_screen(self, rect: Rect, predicate, timeout: float, what: str, label: str = "") -> float:
        """Reads rect until predicate holds for it and returns the seconds that took; keeps a screenshot then
        if a label is given, and when it times out."""
        started = time.monotonic()
        while not predicate(region := self.grab(rect)):
            if time.monotonic() - started >= timeout:
                raise Failure(f"timed out after {timeout:.1f} s waiting for {what}: {region} "
                              f"(see {self.screenshot(label or 'timeout').name})")
            time.sleep(0.02)
        took = time.monotonic() - started
        if label:
            self.screenshot(label)
        return took

    def hold_screen(self, rect: Rect, predicate, seconds: float, what: str) -> None:
        """Reads rect again and again for the given seconds; predicate must hold every time."""
        started = time.monotonic()
        while time.monotonic() - started < seconds:
            if not predicate(region := self.grab(rect)):
                raise Failure(f"{what} no longer held after {time.monotonic() - started:.2f} s: {region} "
                              f"(see {self.screenshot('failed').name})")


# ----------------------------------------------------------------------------------------------
# The bar


class Bar:
    """The bar window: see-through, the root shows through its background, which is the colour key; or solid,
    with embossed grip dots every 4 px from its client area's corner. Made while the bar is see-through."""

    def __init__(self, s: Session, window: Window):
        self.s, self.window, self.face = s, window, None
        # The sizing border is the run of columns before the root shows, in a row above the hint box.
        row = Rect(window.rect.x, window.rect.y + 6, 12, 1)
        self.frame = wait_until(lambda: next((i for i, c in enumerate(s.grab(row).colours(), 1) if c == ROOT), 0),
                                10, "the root to show through the bar's left margin") - 1
        check(1 <= self.frame <= 6, f"the bar's sizing border should be a few pixels wide, found {self.frame}")
        self.place(window.rect)

    def place(self, r: Rect) -> None:
        """Where the parts of the bar lie when its window is at r."""
        self.rect = r
        self.client = c = Rect(r.x + self.frame, r.y + self.frame, r.width - 2 * self.frame, r.height - 2 * self.frame)
        self.left, self.right = Rect(c.x, c.y, MARGIN, c.height), Rect(c.right - MARGIN, c.y, MARGIN, c.height)
        self.columns = Rect(c.x + MARGIN, c.y, c.width - 2 * MARGIN, c.height)
        self.band = Rect(c.x + MARGIN, c.y, c.width - 2 * MARGIN, BAND)
        self.rest = (c.x + 3, c.y + c.height // 2)  # on the left margin

    @staticmethod
    def start(s: Session, settle: float = 0.6) -> tuple[Program, "Bar"]:
        s.park()
        program = s.start()
        window = s.wait_window("the bar window", settle=settle)
        check_equal(s.windows(), [window], "the program's windows on the screen after its start")
        return program, Bar(s, window)

    def grip_misses(self, region: Region, area: Rect) -> list[str]:
        """Pixels of area that are not the grip's: the highlight at (4i, 4j) from the client's corner, its
        shadow at (4i + 1, 4j + 1), the face colour everywhere else."""
        c = self.client
        hi, lo, face = region.at(c.x, c.y), region.at(c.x + 1, c.y + 1), region.at(c.x + 2, c.y + 2)
        if not luminance(hi) > luminance(face) > luminance(lo):
            return [f"no embossed dot at the client's corner {c.x, c.y}"]
        want = {(0, 0): hi, (1, 1): lo}
        return [f"({x}, {y}) {colour_name(region.at(x, y))}" for y in range(area.y, area.bottom)
                for x in range(area.x, area.right) if region.at(x, y) != want.get(((x - c.x) % 4, (y - c.y) % 4), face)]

    def solid(self, region: Region) -> bool:
        return not self.grip_misses(region, self.left)

    def see_through(self, region: Region) -> bool:
        return region.fraction(is_root) == 1.0

    def make_solid(self, label: str = "", timeout: float = 5.0) -> float:
        """Rests the pointer on the left margin until the bar turns solid; returns the seconds that took."""
        self.s.move(*self.rest)
        took = self.s.wait_screen(self.left, self.solid, timeout, "the bar to turn solid under the pointer", label)
        self.face = self.s.grab(self.left).at(self.client.x + 2, self.client.y + 2)
        return took

    def leave(self, timeout: float = 5.0, label: str = "") -> float:
        """Parks the pointer and waits for the bar to turn see-through; returns the seconds that took."""
        self.s.park()
        return self.s.wait_screen(self.left, self.see_through, timeout, "the bar to turn see-through", label)

    def icons(self, shot: Region) -> list[Rect]:
        """The pictures on the solid bar's button row, left to right: each button's icon, and a menu button's
        arrow as a picture of its own; columns apart by 3 or more belong to different pictures."""
        pictures = runs(shot.sub(self.band), lambda c: c != self.face, 2)
        return [Rect(a, self.band.y, b - a + 1, BAND) for a, b in pictures]

    def hot_button(self, before: Region, after: Region) -> Rect:
        """The button that hovering lit: where the button row differs between two screenshots."""
        band = self.band
        changed = [(x, y) for y in range(band.y, band.bottom) for x in range(band.x, band.right)
                   if before.at(x, y) != after.at(x, y)]
        check(changed, f"hovering lit no button ({before.name} and {after.name} show the same row)")
        xs, ys = [p[0] for p in changed], [p[1] for p in changed]
        return Rect(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def runs(region: Region, drawn, gap: int = 1) -> list[tuple[int, int]]:
    """Runs of screen columns of region that hold a drawn pixel, (first, last); columns closer than gap join."""
    r, found = region.rect, []
    for x in range(r.x, r.right):
        if any(drawn(region.at(x, y)) for y in range(r.y, r.bottom)):
            if found and x - found[-1][1] <= gap:
                found[-1] = (found[-1][0], x)
            else:
                found.append((x, x))
    return found


@dataclass(frozen=True)
class Menu:
    rect: Rect
    entries: list[Rect]    # one per line of text, top to bottom
    separators: list[int]  # the y of each separator line
    shot: Region

    def point(self, index: int) -> tuple[int, int]:
        """A point on an entry's line of text, left of the column of key names."""
        return self.rect.x + min(40, self.rect.width // 3), self.entries[index].y + self.entries[index].height // 2


def read_menu(shot: Region, rect: Rect) -> Menu:
    """The lines of text and the separator lines of a popup menu drawn in rect."""
    inner = Rect(rect.x + 3, rect.y + 3, rect.width - 6, rect.height - 6)
    region = shot.sub(inner)
    face = region.common()
    entries, separators, start = [], [], None
    for y in range(inner.y, inner.bottom + 1):
        row = [region.at(x, y) for x in range(inner.x, inner.right)] if y < inner.bottom else []
        text = any(is_dark(c) for c in row)
        if text and start is None:
            start = y
        elif not text and start is not None:
            entries.append(Rect(inner.x, start, inner.width, y - start))
            start = None
        # A separator is a line across most of the menu in one colour that is neither face nor text.
        off = [c for c in row if c != face]
        if row and not text and len(off) >= 0.8 * len(row) and len(set(off)) == 1 and y - 1 not in separators:
            separators.append(y)
    return Menu(rect, entries, separators, shot)


def probe_runs(folder: Path) -> list[list[str]]:
    """The starts that Probe.exe recorded in probe.log beside itself: the command line, then its arguments."""
    log = folder / "probe.log"
    lines = log.read_bytes().decode("utf-8").split("\r\n") if log.is_file() else []
    return [line.split("\t") for line in lines if line]


def main(journey) -> None:
    """Parses --exe and --artifacts, runs the journey in a Session, reports and exits."""
    parser = argparse.ArgumentParser(description=(journey.__doc__ or "").strip())
    parser.add_argument("--exe", required=True, type=Path)
    parser.add_argument("--artifacts", required=True, type=Path)
    # A journey that hangs must still tear down before CTest's limit (300 s) kills it hard.
    parser.add_argument("--timeout", type=float, default=240.0)
    args = parser.parse_args()
    name = Path(sys.argv[0]).stem

    def stop(signum, frame):
        raise Failure(f"did not finish within {args.timeout:.0f} s" if signum == signal.SIGALRM else f"signal {signum}")
    signal.signal(signal.SIGALRM, stop)
    signal.signal(signal.SIGTERM, stop)
    signal.setitimer(signal.ITIMER_REAL, args.timeout)
    started = time.monotonic()
    try:
        with Session(args.exe, args.artifacts, name) as s:
            journey(s)
        outcome, rc = "PASS", 0
    except Failure as failure:
        outcome, rc = f"FAIL: {failure}", 1
    except Exception:
        traceback.print_exc()
        outcome, rc = "ERROR", 2
    signal.setitimer(signal.ITIMER_REAL, 0)
    print(textwrap.fill(f"{name} after {time.monotonic() - started:.1f} s: {outcome}", 100, subsequent_indent="    "))
    if rc:
        print(f"artifacts: {args.artifacts}")
    sys.exit(rc)
