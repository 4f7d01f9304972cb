"""Options: the transparency preview by keys, grouping and OK, a missing folder, Select folder; Help and its link."""
import subprocess

from tarnlib import Bar, check_equal, lines, make_files, wait_until

at = lambda options, x, y: (  # a point of Options' client area, 600 x 332 at 96 DPI: even borders, the caption on top
    options.rect.x + (border := (options.rect.width - 600) // 2) + x, options.rect.bottom - border - 332 + y)
ok = lambda s, options, what: (s.click(*at(options, 536, 307)), s.wait_gone(options, what))  # Options' OK
alpha = lambda s: s.start(s.helpers / "Alpha.exe", stdout=subprocess.PIPE, text=True).communicate(timeout=30)[0].strip()


def journey(s):
    make_files(s.buttons, "a.txt", "b.txt", "c.txt", "d.log", "e.log", "Games/Old/", "Games/g.txt")
    command = s.probe(probe := s.prefix / "drive_c" / "Probe") + ' "%1"'  # opens .html files: logs what it was given
    for key, value in (r"HKCR\.html", "htmlfile"), (r"HKCR\htmlfile\shell\open\command", command):
        s.start("reg", "add", key, "/ve", "/d", value, "/f").wait(30)
    program, bar = Bar.start(s, True, Left=3000, Top=1500)
    check_equal(len(bar.icons(s.screenshot("ungrouped"))), 7, "five files, the menu button's picture and arrow")

    options = s.wait_window("Options", lambda: s.popup(bar.rest, 3, 2), "TarnDock - Options", label="options")
    wait_until(lambda: alpha(s) == "110", 10, "the idle bar's opacity from the settings")
    s.key("Tab", *["Right"] * 5, window=options)  # from OK to the first slider, five steps to the right
    wait_until(lambda: alpha(s) == "87", 10, "the preview of slider 62 (52 + 5 * 2): 230 - 142.6")
    s.click(*at(options, 450, 73))  # Group by file type
    ok(s, options, "Options to close on OK")
    bar.wait_icons(6, "menus of .txt, .log, Games", "grouped")
    check_equal(len(s.popup(bar.icons(s.grab())[0].centre)[2]), 3, "entries of the .txt menu")
    s.key("Escape")

    options = s.wait_window("Options again", lambda: bar.press("F2"), "TarnDock - Options")
    s.click(*at(options, 300, 210))  # the folder field: a folder that is not there
    s.x("windowfocus", "--sync", options.id, "key", "End", "type", "\\Missing")  # after the field's text
    error = s.wait_window("the folder error", lambda: s.key("Return"), "TarnDock Error", label="error")
    s.key("Return", window=error, closes="the error box")
    check_equal(options in s.windows(), True, "Options still open after the error")
    s.key("Escape", window=options, closes="Options")  # Cancel: the grouped bar as it was
    bar.wait_icons(6, "buttons after the folder error and Cancel")

    options = s.wait_window("Options a third time", lambda: bar.press("F2"), "TarnDock - Options")
    picker = s.wait_window("Select a folder", lambda: s.click(*at(options, 489, 249)),
                           "TarnDock - Select a folder", label="select-folder")
    s.key("Down", "Return", window=picker)  # from the button folder's row to Games, opened
    s.key("Return", window=picker, closes="Select a folder")  # the current folder taken
    ok(s, options, "Options to close on OK with the chosen folder")
    bar.wait_icons(3, "Games: g.txt and the menu Old")

    help = s.wait_window("Help", lambda: bar.press("F1"), "TarnDock - Help")
    shot = s.screenshot("help")  # the link: its blue text above Close
    blue = [(x, y) for y in range(help.rect.bottom - 120, help.rect.bottom) for x in range(help.rect.x, help.rect.right, 2)
            if (c := shot.at(x, y))[2] > 150 and c[0] < 100]
    assert blue, f"no link drawn in {shot.name}"
    s.click(*(link := [p for p in blue if p[1] < blue[0][1] + 8])[len(link) // 2])  # the first row's, not Close's
    log = wait_until(lambda: lines(probe / "probe.log"), 20, "the help page opened through the shell")
    assert log[0].endswith('TarnDock-Help.html"'), log
    s.key("Escape", window=help, closes="Help")
    s.close(program)
    check_equal(s.values("Alpha", "FileGrouping", "FolderPath"),
                ["87", "1", s.windows_path(s.buttons / "Games")], "the settings after OK")
