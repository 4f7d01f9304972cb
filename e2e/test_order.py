"""Edit button order: the folder picker from the context menu, the editor for the button folder, a row moved with
Shift+Down, one dragged to the top, a separator, OK; the bar in the new order; a second opening, Cancel."""
import time

from tarnlib import Bar, Rect, check_equal, lines

FILES = ["a.txt", "b.txt", "c.txt", "d.txt"]
HEADER = ["; >>> This file has been created and is used by the program TarnDock. <<<", "[FileNames]"]


def row(editor, i):  # the centre of the list's row i: the list starts 80 px down, its header and rows of 17 px
    return editor.rect.x + 40, editor.rect.y + 109 + 17 * i


def open_editor(s, open_picker):  # the picker, then the editor for the selected root with Return
    picker = s.wait_window("the folder picker", open_picker, lambda w: w.title == "TarnDock - Select folder")
    s.screenshot("picker")
    editor = s.wait_window("the order editor", lambda: s.key("Return", window=picker),
                           lambda w: w.title == "TarnDock - Edit button order")
    return picker, editor


def close_picker(s, picker):  # with Esc, once it has its taskbar button back from the editor: hidden and shown
    time.sleep(3)
    s.key("Escape", window=picker)
    s.wait_gone(picker, f"the picker to close on Esc ({s.screenshot('picker-closing').name})")


def journey(s):
    for folder in ("Games", "Tools"):
        (s.buttons / folder).mkdir(parents=True)
    for name in FILES:
        (s.buttons / name).write_text(name)
    program, bar = Bar.start(s, Left=3000, Top=1500)
    bar.make_solid()
    before = bar.icons(s.screenshot("before"))
    menu, _, entries = s.popup(bar.rest, 3)
    picker, editor = open_editor(s, lambda: s.click(menu.rect.x + 40, entries[1].centre[1]))
    s.key("shift+Down", window=editor)  # b a c d
    s.move(*row(editor, 3))
    s.x("mousedown", 1)
    s.move(row(editor, 3)[0], row(editor, 0)[1] - 4, steps=12)
    s.screenshot("dragging")
    s.x("mouseup", 1)  # d b a c, d selected
    s.key("Insert", window=editor)
    rows = Rect(editor.rect.x + 10, row(editor, 2)[1] - 8, 120, 17 * 3)  # b, a, c: not selected
    first = s.screenshot("edited").sub(rows)
    s.key("Return", window=editor)
    s.wait_gone(editor, "the editor to close on OK")
    order = s.buttons / "TarnDock_Folder.ini"
    check_equal(lines(order), HEADER + ["<>", "d.txt", "b.txt", "a.txt", "c.txt"], "the order file after OK")
    close_picker(s, picker)
    # The picker returned 1: the bar rebuilt itself, the separator's line first, then as many pictures as before.
    bar.make_solid()
    rebuilt = lambda _: len(icons := bar.icons(s.grab())) == len(before) + 1 and icons[1].x > before[0].x
    s.wait_screen(bar.band, rebuilt, 10, f"the bar rebuilt with a separator first, not {before}", "rebuilt")

    # F9 opens the same rows again; a change and Cancel leave the file as it was, byte for byte.
    written = order.read_bytes()
    bar.make_solid()
    s.click(*bar.rest)
    picker, editor = open_editor(s, lambda: s.key("F9", window=bar.window))
    second = s.screenshot("second-opening").sub(rows)
    check_equal(second.data == first.data, True, f"the rows b, a, c in the second opening ({second.name})")
    s.key("shift+Down", "Escape", window=editor)
    s.wait_gone(editor, "the editor to close on Esc")
    check_equal(order.read_bytes(), written, "the order file after Cancel")
    close_picker(s, picker)
    check_equal(s.close(program), 0, "the exit code")
