"""End-to-end harness: the real TarnDock.exe under Wine on a virtual X display of its own.

One Session per scenario: a fresh Xvfb display and a fresh Wine prefix (copied from a template
prefix that is initialised once per build tree), helpers to prepare the local application-data
folder, start the program, find its windows, drive the pointer and keyboard, take numbered
screenshots and read their pixels, close the program the way the system does, and a teardown
that ends exactly the processes the session started.

Only the Python standard library and the command-line tools Xvfb, xdpyinfo, xdotool, ImageMagick
(import, convert) and wine64 are used.
"""

from __future__ import annotations

import argparse
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
import time
import traceback
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Iterable, Optional, TypeVar

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
TWIPS_PER_PIXEL = 15  # 96 DPI, the Wine default

# A scenario that hangs must still tear down before CTest's own limit (300 s) kills it hard.
DEFAULT_SCENARIO_TIMEOUT = 240.0

T = TypeVar("T")


class ScenarioFailure(Exception):
    """A check of the scenario did not hold; the message says what was expected and what was seen."""


class ScenarioTimeout(ScenarioFailure):
    pass


def check(condition: bool, message: str) -> None:
    if not condition:
        raise ScenarioFailure(message)


def check_equal(actual, expected, what: str) -> None:
    if actual != expected:
        raise ScenarioFailure(f"{what}: expected {expected!r}, got {actual!r}")


def wait_until(probe: Callable[[], Optional[T]], timeout: float, what: str, interval: float = 0.1) -> T:
    """Polls probe until it returns something truthy and returns that; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise ScenarioFailure(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


def _die_with_parent() -> None:
    # Children run in sessions of their own, so Ctrl+C reaches only the harness, which then ends them in
    # order; if the harness itself is killed outright, they must not outlive it.
    try:
        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        pr_set_pdeathsig = 1
        libc.prctl(pr_set_pdeathsig, signal.SIGTERM)
    except OSError:
        pass


def _run(args: list[str], env: Optional[dict] = None, timeout: float = 30.0,
         check_rc: bool = True) -> subprocess.CompletedProcess:
    result = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)
    if check_rc and result.returncode != 0:
        raise ScenarioFailure(f"{' '.join(args)} failed ({result.returncode}): {result.stderr.strip()}")
    return result


# ----------------------------------------------------------------------------------------------
# Pictures


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int

    @property
    def right(self) -> int:
        return self.x + self.width

    @property
    def bottom(self) -> int:
        return self.y + self.height

    def __str__(self) -> str:
        return f"({self.x}, {self.y}) {self.width} x {self.height}"


Colour = tuple[int, int, int]

_TXT_LINE = re.compile(r"^(\d+),(\d+):\s*\([^)]*\)\s*#([0-9A-Fa-f]{6})")


def colour_name(colour: Colour) -> str:
    return "#%02X%02X%02X" % colour


class Region:
    """The pixels of a rectangle of a screenshot, read in one go."""

    def __init__(self, rect: Rect, pixels: dict[tuple[int, int], Colour]):
        self.rect = rect
        self._pixels = pixels

    def at(self, x: int, y: int) -> Colour:
        """The colour at screen point (x, y), which must lie inside the region."""
        return self._pixels[(x - self.rect.x, y - self.rect.y)]

    def colours(self) -> Iterable[Colour]:
        return self._pixels.values()

    def count(self, predicate: Callable[[Colour], bool]) -> int:
        return sum(1 for c in self._pixels.values() if predicate(c))

    def fraction(self, predicate: Callable[[Colour], bool]) -> float:
        return self.count(predicate) / max(1, len(self._pixels))

    def histogram(self, top: int = 5) -> str:
        counts: dict[Colour, int] = {}
        for c in self._pixels.values():
            counts[c] = counts.get(c, 0) + 1
        best = sorted(counts.items(), key=lambda kv: -kv[1])[:top]
        return ", ".join(f"{colour_name(c)} x{n}" for c, n in best)


class Shot:
    """A screenshot of the whole virtual screen, kept as an artifact."""

    def __init__(self, path: Path):
        self.path = path

    def region(self, rect: Rect) -> Region:
        rect = Rect(max(0, rect.x), max(0, rect.y),
                    min(rect.right, SCREEN_WIDTH) - max(0, rect.x),
                    min(rect.bottom, SCREEN_HEIGHT) - max(0, rect.y))
        check(rect.width > 0 and rect.height > 0, f"region {rect} lies outside the screen")
        out = _run(["convert", str(self.path), "-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}",
                    "+repage", "-alpha", "off", "-colorspace", "sRGB", "-depth", "8", "txt:-"]).stdout
        pixels: dict[tuple[int, int], Colour] = {}
        for line in out.splitlines():
            m = _TXT_LINE.match(line)
            if m:
                h = m.group(3)
                pixels[(int(m.group(1)), int(m.group(2)))] = (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))
        check(len(pixels) == rect.width * rect.height,
              f"read {len(pixels)} pixels of {rect} from {self.path.name}, expected {rect.width * rect.height}")
        return Region(rect, pixels)

    def pixel(self, x: int, y: int) -> Colour:
        return self.region(Rect(x, y, 1, 1)).at(x, y)


# ----------------------------------------------------------------------------------------------
# Windows and processes


@dataclass(frozen=True)
class Window:
    id: int
    name: str
    rect: Rect

    def __str__(self) -> str:
        return f"window {self.id} {self.name!r} at {self.rect}"


class Program:
    """One started TarnDock.exe (the wine64 process that runs it)."""

    def __init__(self, popen: subprocess.Popen, log_path: Path, label: str):
        self.popen = popen
        self.log_path = log_path
        self.label = label

    @property
    def pid(self) -> int:
        return self.popen.pid

    def running(self) -> bool:
        return self.popen.poll() is None

    def wait_exit(self, timeout: float) -> int:
        wait_until(lambda: not self.running(), timeout, f"{self.label} to end")
        return self.popen.returncode

    def kill(self) -> None:
        if self.running():
            self.popen.terminate()
            try:
                self.popen.wait(5)
            except subprocess.TimeoutExpired:
                self.popen.kill()
                self.popen.wait(5)


# ----------------------------------------------------------------------------------------------
# Settings file


def decode_text_file(data: bytes) -> str:
    """Text as the program writes it: the 8-bit code page, or Unicode with a byte-order mark."""
    if data.startswith(b"\xff\xfe"):
        return data[2:].decode("utf-16-le")
    if data.startswith(b"\xef\xbb\xbf"):
        return data[3:].decode("utf-8")
    return data.decode("cp1252")


def encode_text_file(lines: Iterable[str]) -> bytes:
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


class IniFile:
    """A settings file read back: its raw bytes, its lines, and the key=value pairs in order."""

    def __init__(self, path: Path):
        self.path = path
        self.data = path.read_bytes()
        self.text = decode_text_file(self.data)
        self.lines = self.text.split("\r\n")
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        self.sections: dict[str, list[tuple[str, str]]] = {}
        current: Optional[list[tuple[str, str]]] = None
        for line in self.lines:
            stripped = line.strip()
            if stripped.startswith("[") and stripped.endswith("]"):
                current = self.sections.setdefault(stripped[1:-1].lower(), [])
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current.append((key.strip(), value.strip()))

    def has_bare_line_feeds(self) -> bool:
        return "\n" in self.text.replace("\r\n", "")

    def pairs(self, section: str = "Settings") -> list[tuple[str, str]]:
        return self.sections.get(section.lower(), [])

    def get(self, key: str, section: str = "Settings") -> Optional[str]:
        for k, v in self.pairs(section):
            if k.lower() == key.lower():
                return v
        return None

    def int(self, key: str, section: str = "Settings") -> int:
        value = self.get(key, section)
        check(value is not None, f"{self.path.name} has no key {key}")
        try:
            return int(value)
        except ValueError:
            raise ScenarioFailure(f"{self.path.name}: {key}={value!r} is not an integer") from None


# ----------------------------------------------------------------------------------------------
# Template prefix


def _template_prefix(build_dir: Path, log: Callable[[str], None]) -> Path:
    """The initialised Wine prefix of this build tree, created once under a lock."""
    template = build_dir / "e2e-wineprefix-template"
    lock_path = build_dir / "e2e-wineprefix-template.lock"
    build_dir.mkdir(parents=True, exist_ok=True)
    with open(lock_path, "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if (template / "system.reg").exists() and (template / "drive_c" / "users").is_dir():
            return template
        log(f"creating the template Wine prefix {template}")
        started = time.monotonic()
        partial = Path(tempfile.mkdtemp(prefix="e2e-wineprefix-partial-", dir=build_dir))
        server_tmp = Path(tempfile.mkdtemp(prefix="tarn-e2e-tmp-"))
        env = _wine_env(partial, server_tmp, display=None)
        # Skip the Mono and Gecko installers: they would ask on a display and are not needed.
        env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
        try:
            _run([WINE, "wineboot", "-i"], env=env, timeout=180)
            _run([WINESERVER, "-w"], env=env, timeout=120)
            shutil.rmtree(template, ignore_errors=True)
            partial.rename(template)
        finally:
            shutil.rmtree(partial, ignore_errors=True)
            shutil.rmtree(server_tmp, ignore_errors=True)
        log(f"template prefix ready in {time.monotonic() - started:.1f} s")
        return template


def _wine_env(prefix: Path, tmp: Path, display: Optional[str]) -> dict:
    env = dict(os.environ)
    env["WINEPREFIX"] = str(prefix)
    env["WINEDEBUG"] = "-all"
    # Wine keeps its server socket in a folder below TMPDIR: one of the session's own.
    env["TMPDIR"] = str(tmp)
    env.pop("WINEDLLOVERRIDES", None)
    if display is None:
        env.pop("DISPLAY", None)
    else:
        env["DISPLAY"] = display
    return env


# ----------------------------------------------------------------------------------------------
# Session


class Session(contextlib.AbstractContextManager):
    def __init__(self, exe: Path, artifacts: Path, name: str):
        self.exe = Path(exe).resolve()
        self.artifacts = Path(artifacts).resolve()
        self.name = name
        self.display: Optional[str] = None
        self.prefix: Optional[Path] = None
        self._xvfb: Optional[subprocess.Popen] = None
        self._programs: list[Program] = []
        self._tmp: Optional[Path] = None
        self._shot_number = 0
        self._log_file = None
        self._env: dict = {}

    # -- set-up and teardown -------------------------------------------------------------------

    def __enter__(self) -> "Session":
        self.artifacts.mkdir(parents=True, exist_ok=True)
        for old in list(self.artifacts.glob("*.png")) + list(self.artifacts.glob("*.log")):
            old.unlink()
        self._log_file = open(self.artifacts / "session.log", "w")
        try:
            check(self.exe.is_file(), f"program not found: {self.exe}")
            template = _template_prefix(self.artifacts.parent.parent, self.log)
            self._tmp = Path(tempfile.mkdtemp(prefix="tarn-e2e-"))
            self._start_xvfb()
            self.prefix = self._tmp / "prefix"
            started = time.monotonic()
            _run(["cp", "-a", str(template), str(self.prefix)], timeout=120)
            # The template's record of its server folder must not be shared.
            (self.prefix / "wineserver").unlink(missing_ok=True)
            self.log(f"prefix {self.prefix} copied in {time.monotonic() - started:.1f} s")
            self._env = _wine_env(self.prefix, self._tmp, self.display)
            self.park_pointer()
        except BaseException:
            self._teardown()
            raise
        return self

    def __exit__(self, *exc) -> None:
        self._teardown()
        return None

    def _start_xvfb(self) -> None:
        # Xvfb picks a free display number itself and reports it on the pipe once it listens.
        read_end, write_end = os.pipe()
        try:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
                 "-nolisten", "tcp", "-br", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                stderr=open(self.artifacts / "xvfb.log", "w"), preexec_fn=_die_with_parent,
                start_new_session=True)
            os.close(write_end)
            write_end = -1
            number = b""
            deadline = time.monotonic() + 30
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self._xvfb.poll() is not None:
                    raise ScenarioFailure("Xvfb did not start (see xvfb.log)")
                if not select.select([read_end], [], [], 0.5)[0]:
                    continue
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise ScenarioFailure("Xvfb ended before it reported its display (see xvfb.log)")
                number += chunk
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)
        self.display = ":" + number.decode().strip()
        env = dict(os.environ, DISPLAY=self.display)
        wait_until(lambda: subprocess.run(["xdpyinfo"], env=env, capture_output=True).returncode == 0,
                   20, f"display {self.display} to answer")
        self.log(f"Xvfb pid {self._xvfb.pid} on display {self.display}")

    def _teardown(self) -> None:
        for program in self._programs:
            with contextlib.suppress(Exception):
                program.kill()
        if self.prefix is not None and self._env:
            with contextlib.suppress(Exception):
                subprocess.run([WINESERVER, "-k"], env=self._env, capture_output=True, timeout=20)
            with contextlib.suppress(Exception):
                subprocess.run([WINESERVER, "-w"], env=self._env, capture_output=True, timeout=20)
        if self._xvfb is not None and self._xvfb.poll() is None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
                self._xvfb.wait(10)
        if self.prefix is not None:
            # Keep what the program wrote for a person to look at.
            with contextlib.suppress(Exception):
                kept = self.artifacts / "LocalAppData-TarnDock"
                shutil.rmtree(kept, ignore_errors=True)
                if (self.local_appdata / "TarnDock").exists():
                    shutil.copytree(self.local_appdata / "TarnDock", kept, symlinks=True)
        if self._tmp is not None:
            shutil.rmtree(self._tmp, ignore_errors=True)
            self._tmp = None
        if self._log_file is not None:
            self._log_file.close()
            self._log_file = None

    def log(self, message: str) -> None:
        line = f"[{time.strftime('%H:%M:%S')}] {message}"
        print(line, flush=True)
        if self._log_file is not None:
            self._log_file.write(line + "\n")
            self._log_file.flush()

    # -- files ---------------------------------------------------------------------------------

    @property
    def user(self) -> str:
        users = sorted(p.name for p in (self.prefix / "drive_c" / "users").iterdir()
                       if p.is_dir() and not p.is_symlink() and p.name not in ("Public", "Default"))
        check(len(users) == 1, f"cannot tell the prefix's user from {users}")
        return users[0]

    @property
    def local_appdata(self) -> Path:
        return self.prefix / "drive_c" / "users" / self.user / "AppData" / "Local"

    @property
    def settings_path(self) -> Path:
        return self.local_appdata / "TarnDock" / "TarnDock.ini"

    @property
    def buttons_path(self) -> Path:
        return self.local_appdata / "TarnDock" / "Buttons"

    def windows_path(self, path: Path) -> str:
        """The Windows path (C:\\...) of a file inside the prefix's drive C."""
        relative = Path(path).resolve().relative_to((self.prefix / "drive_c").resolve())
        return "C:\\" + "\\".join(relative.parts)

    def write_file(self, relative: str, content: bytes | str) -> Path:
        """Writes a file below the local application-data folder (backslashes or slashes)."""
        path = self.local_appdata.joinpath(*re.split(r"[\\/]", relative))
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(content.encode("cp1252") if isinstance(content, str) else content)
        return path

    def write_settings(self, pairs: Iterable[tuple[str, object]], section: str = "Settings") -> Path:
        lines = [f"[{section}]"] + [f"{k}={v}" for k, v in pairs]
        return self.write_file("TarnDock\\TarnDock.ini", encode_text_file(lines))

    def read_settings(self) -> IniFile:
        check(self.settings_path.is_file(), f"settings file {self.settings_path} does not exist")
        return IniFile(self.settings_path)

    # -- program -------------------------------------------------------------------------------

    @property
    def env(self) -> dict:
        """The environment of the session's Wine prefix and display, for programs run in it."""
        return self._env

    def start(self, label: str = "TarnDock") -> Program:
        return self.start_program([str(self.exe)], f"{label} #{len(self._programs) + 1}")

    def start_program(self, command: list[str], label: str, pipe_stdout: bool = False) -> Program:
        """Starts a Windows program in the session; the teardown ends it if it still runs. With pipe_stdout its
        standard output can be read from program.popen.stdout (as text), and only its errors go to the log."""
        number = len(self._programs) + 1
        log_path = self.artifacts / f"program-{number}.log"
        log = open(log_path, "w")
        popen = subprocess.Popen([WINE, *command], env=self._env, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.PIPE if pipe_stdout else log,
                                 stderr=log if pipe_stdout else subprocess.STDOUT, text=pipe_stdout,
                                 preexec_fn=_die_with_parent, start_new_session=True)
        program = Program(popen, log_path, f"{label} (pid {popen.pid})")
        self._programs.append(program)
        self.log(f"started {program.label} {' '.join(command[1:])}".rstrip())
        return program

    def close_program(self, program: Program, timeout: float = 30.0) -> int:
        """Asks the program to close as the system does (WM_CLOSE to its windows) and waits for its end."""
        check(program.running(), f"{program.label} ended before it was asked to close")
        started = time.monotonic()
        result = subprocess.run([WINE, "taskkill", "/im", self.exe.name], env=self._env,
                                capture_output=True, text=True, timeout=30)
        self.log(f"taskkill /im {self.exe.name}: {result.returncode} {result.stdout.strip()}")
        rc = program.wait_exit(timeout)
        self.log(f"{program.label} ended with {rc} after {time.monotonic() - started:.1f} s")
        return rc

    # -- windows -------------------------------------------------------------------------------

    def x(self, *args: str, check_rc: bool = True, timeout: float = 15.0) -> subprocess.CompletedProcess:
        return _run(list(args), env=self._env, timeout=timeout, check_rc=check_rc)

    def windows(self, name: Optional[str] = None) -> list[Window]:
        """The visible windows of the program (all its visible windows when name is None).

        name is a regular expression matched against the whole title, ignoring case.
        """
        # xdotool matches one pattern against the chosen fields, so the title is filtered here.
        found = self.x("xdotool", "search", "--onlyvisible", "--classname",
                        "^" + re.escape(self.exe.name) + "$", check_rc=False)
        result = []
        for token in found.stdout.split():
            window = self.window_info(int(token))
            if window is not None and (name is None or re.fullmatch(name, window.name, re.IGNORECASE)):
                result.append(window)
        return result

    def window_info(self, window_id: int) -> Optional[Window]:
        geometry = self.x("xdotool", "getwindowgeometry", "--shell", str(window_id), check_rc=False)
        title = self.x("xdotool", "getwindowname", str(window_id), check_rc=False)
        if geometry.returncode != 0:
            return None
        values = dict(line.split("=", 1) for line in geometry.stdout.split() if "=" in line)
        return Window(window_id, title.stdout.rstrip("\n"),
                      Rect(int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])))

    def wait_window(self, name: Optional[str] = None, timeout: float = 30.0,
                    where: Callable[[Window], bool] = lambda w: True, what: str = "") -> Window:
        def probe():
            matches = [w for w in self.windows(name) if where(w)]
            return matches[0] if matches else None
        window = wait_until(probe, timeout, what or f"a visible window named {name!r}", interval=0.25)
        self.log(f"found {window}")
        return window

    def wait_stable_window(self, window: Window, timeout: float = 10.0, settle: float = 0.6) -> Window:
        """Waits until the window has kept its geometry for settle seconds (it may be placed after showing)."""
        last = window
        stable_since = time.monotonic()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            time.sleep(0.15)
            now = self.window_info(window.id)
            check(now is not None, f"{window} disappeared")
            if now.rect != last.rect:
                last, stable_since = now, time.monotonic()
            elif time.monotonic() - stable_since >= settle:
                return now
        return last

    # -- input ---------------------------------------------------------------------------------

    def pointer(self) -> tuple[int, int]:
        out = self.x("xdotool", "getmouselocation", "--shell").stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def move(self, x: int, y: int) -> None:
        # --sync waits for the pointer to move, which it never does when it is there already.
        if self.pointer() != (x, y):
            self.x("xdotool", "mousemove", "--sync", str(x), str(y))

    def park_pointer(self) -> None:
        """Puts the pointer in the lower left corner, away from where the bar stands."""
        self.move(20, SCREEN_HEIGHT - 20)

    def click(self, x: int, y: int, button: int = 1) -> None:
        self.move(x, y)
        self.x("xdotool", "click", str(button))

    def mouse_down(self, button: int = 1) -> None:
        self.x("xdotool", "mousedown", str(button))

    def mouse_up(self, button: int = 1) -> None:
        self.x("xdotool", "mouseup", str(button))

    def key(self, *keys: str) -> None:
        self.x("xdotool", "key", *keys)

    def focus(self, window: Window) -> None:
        self.x("xdotool", "windowfocus", "--sync", str(window.id), check_rc=False)

    # -- screenshots ---------------------------------------------------------------------------

    def screenshot(self, label: str) -> Shot:
        self._shot_number += 1
        safe = re.sub(r"[^A-Za-z0-9_.-]+", "-", label).strip("-")
        path = self.artifacts / f"{self._shot_number:02d}-{safe}.png"
        self.x("import", "-window", "root", f"png24:{path}")
        self.log(f"screenshot {path}")
        return Shot(path)

    def wait_screen(self, label: str, rect: Rect, predicate: Callable[[Region], bool], timeout: float,
                    what: str) -> tuple[Shot, Region]:
        """Takes screenshots until predicate holds for the region; keeps the last one."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.screenshot(label)
            region = shot.region(rect)
            if predicate(region):
                return shot, region
            if time.monotonic() >= deadline:
                raise ScenarioFailure(f"timed out after {timeout:.1f} s waiting for {what}; "
                                      f"{rect} shows {region.histogram()} (see {shot.path.name})")
            shot.path.unlink()
            self._shot_number -= 1
            time.sleep(0.3)


# ----------------------------------------------------------------------------------------------
# Entry of every scenario script


def main(scenario: Callable[[Session], None]) -> None:
    """Parses --exe and --artifacts, runs the scenario in a Session, reports and exits."""
    parser = argparse.ArgumentParser(description=(scenario.__doc__ or "").strip())
    parser.add_argument("--exe", required=True, type=Path, help="TarnDock.exe to run")
    parser.add_argument("--artifacts", required=True, type=Path, help="folder for screenshots and logs")
    parser.add_argument("--timeout", type=float, default=DEFAULT_SCENARIO_TIMEOUT,
                        help="seconds before the scenario is stopped and torn down")
    args = parser.parse_args()
    name = Path(sys.argv[0]).stem

    def on_alarm(signum, frame):
        raise ScenarioTimeout(f"scenario did not finish within {args.timeout:.0f} s")

    def on_term(signum, frame):
        raise ScenarioFailure(f"stopped by signal {signum}")

    signal.signal(signal.SIGALRM, on_alarm)
    signal.signal(signal.SIGTERM, on_term)
    signal.setitimer(signal.ITIMER_REAL, args.timeout)
    started = time.monotonic()
    try:
        with Session(args.exe, args.artifacts, name) as session:
            scenario(session)
    except ScenarioFailure as failure:
        signal.setitimer(signal.ITIMER_REAL, 0)
        print(f"FAIL {name} after {time.monotonic() - started:.1f} s: {failure}", flush=True)
        print(f"artifacts: {args.artifacts}", flush=True)
        sys.exit(1)
    except Exception:
        signal.setitimer(signal.ITIMER_REAL, 0)
        traceback.print_exc()
        print(f"ERROR {name} after {time.monotonic() - started:.1f} s (artifacts: {args.artifacts})", flush=True)
        sys.exit(2)
    signal.setitimer(signal.ITIMER_REAL, 0)
    print(f"PASS {name} in {time.monotonic() - started:.1f} s", flush=True)
