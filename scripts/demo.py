#!/usr/bin/env python3
"""Starts TarnDock.exe on a virtual display with a fresh Wine prefix and a demo button folder,
saves a screenshot of the bar and keeps it running until Ctrl+C (or stops at once with --shot-only)."""

import argparse
import shutil
import signal
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
import tarnlib  # noqa: E402

DEMO_FOLDER = "TarnDock Demo"


def text_file(lines) -> bytes:  # as the program reads text: the code page, CR LF
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def make_demo_folder(s: tarnlib.Session) -> Path:
    drive_c = s.prefix / "drive_c"
    folder = drive_c / DEMO_FOLDER
    (folder / "Tools").mkdir(parents=True)
    (folder / "Read me.txt").write_bytes(text_file(
        ["Every file in this folder is a button of the bar.", "Sub folders become menu buttons."]))
    (folder / "Shopping list.txt").write_bytes(text_file(["Bread", "Milk", "Apples"]))
    windows = drive_c / "windows"
    shutil.copy(windows / "notepad.exe", folder / "Notepad.exe")
    shutil.copy(windows / "system32" / "winver.exe", folder / "Tools" / "Winver.exe")
    (folder / "Tools" / "Notes.txt").write_bytes(text_file(["A file in a menu."]))
    return folder


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True, type=Path)
    parser.add_argument("--artifacts", required=True, type=Path)
    parser.add_argument("--shot-only", action="store_true", help="stop after the screenshot")
    args = parser.parse_args()
    # Ctrl+C and a plain kill both end the bar through the orderly close below.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, signal.default_int_handler)

    with tarnlib.Session(args.exe, args.artifacts) as s:
        folder = make_demo_folder(s)
        s.write_settings(FolderPath=s.windows_path(folder), Left=2400, Top=0, Width=9000, Height=720)
        program = s.start()
        bar = s.wait_window("the bar window")
        time.sleep(1.5)  # the first paint of every button
        shot = s.screenshot("bar")
        print(f"The bar is at {bar.rect} on display {s.env['DISPLAY']}.")
        print(f"Screenshot: {s.artifacts / shot.name}")
        if not args.shot_only:
            print("The bar is running; press Ctrl+C to stop it.", flush=True)
            try:
                while program.poll() is None:
                    time.sleep(0.5)
            except KeyboardInterrupt:
                print()
        if program.poll() is None:
            s.close(program)
    return 0


if __name__ == "__main__":
    sys.exit(main())
