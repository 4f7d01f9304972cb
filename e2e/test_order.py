"""Edit button order: picker, editor, Shift+Down, a drag to the top, a separator, OK, the bar rebuilt; then Cancel."""
import time

from tarnlib import HEAD, Bar, Rect, check_equal, lines, make_files

row = lambda editor, i: (editor.rect.x + 40, editor.rect.y + 109 + 17 * i)  # the list 80 px down, header, 17 px rows


open_editor = lambda s, open_picker: (  # the picker, then the editor for the selected root with Return
    picker := s.wait_window("the picker", open_picker, "TarnDock - Select folder", label="picker"),
    s.wait_window("the order editor", lambda: s.key("Return", window=picker), "TarnDock - Edit button order"))


close_picker = lambda s, picker: (time.sleep(3), s.key("Escape", window=picker), s.wait_gone(  # with Esc, once it has
    picker, f"the picker to close on Esc ({s.screenshot('picker-closing').name})"))  # its taskbar button back: hidden


def journey(s):
    make_files(s.buttons, "Games/", "Tools/", "a.txt", "b.txt", "c.txt", "d.txt")
    program, bar = Bar.start(s, True, Left=3000, Top=1500)
    before = bar.icons(s.screenshot("before"))
    picker, editor = open_editor(s, lambda: s.popup(bar.rest, 3, 1))
    s.key("shift+Down", window=editor)  # b a c d
    s.move(*row(editor, 3))
    s.drag(row(editor, 3)[0], row(editor, 0)[1] - 4, 12, lambda: s.screenshot("dragging"))  # d b a c, d selected
    s.key("Insert", window=editor)
    rows = Rect(editor.rect.x + 10, row(editor, 2)[1] - 8, 120, 17 * 3)  # b, a, c: not selected
    first = s.screenshot("edited").sub(rows)
    s.key("Return", window=editor, closes="the editor")  # OK
    check_equal(lines(s.order), HEAD.splitlines() + ["<>", "d.txt", "b.txt", "a.txt", "c.txt"], "the order after OK")
    close_picker(s, picker)
    bar.make_solid()  # the picker returned 1: the bar rebuilt, the separator's line first, then the same pictures
    rebuilt = lambda _: len(icons := bar.icons(s.grab())) == len(before) + 1 and icons[1].x > before[0].x
    s.wait_screen(bar.band, rebuilt, 10, f"the bar rebuilt with a separator first, not {before}", "rebuilt")

    written = s.order.read_bytes()  # F9 opens the same rows again; a change and Cancel leave the file byte for byte
    picker, editor = open_editor(s, lambda: bar.press("F9"))
    second = s.screenshot("second-opening").sub(rows)
    check_equal(second.data == first.data, True, f"the rows b, a, c in the second opening ({second.name})")
    s.key("shift+Down", "Escape", window=editor, closes="the editor")  # Cancel
    check_equal(s.order.read_bytes(), written, "the order file after Cancel")
    close_picker(s, picker)
    s.close(program)
