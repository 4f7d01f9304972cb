#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeDialogControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeTextCodec.h"
#include "order/EditOrderForm.h"
#include "order/frmEditOrder.h"

namespace tarn {
namespace {

using namespace fakes;
namespace form = EditOrderForm;
using Lines = std::vector<std::string>;

constexpr const char* kFolder = "C:\\B";
constexpr const char* kOrderPath = "C:\\B\\TarnDock_Folder.ini";
const std::string kHeader =
    "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n";
const std::string kZhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";  // not in the code page

std::string Order(const Lines& lines) {
    std::string bytes = kHeader;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// The editor with its controls at their designed places for the DPI, in a window whose frame is 8 pixels wide.
struct EditorRig {
    explicit EditorRig(int dpi = 96)
        : scale{dpi},
          window({0, 0, scale(form::kClientSize.cx) + 16, scale(form::kClientSize.cy) + 16}, 8),
          lblHelp(scale(form::lblHelp.bounds)),
          cmdDown(scale(form::cmdDown.bounds)),
          cmdUp(scale(form::cmdUp.bounds)),
          cmdInsertSeparator(scale(form::cmdInsertSeparator.bounds)),
          cmdDeleteSeparator(scale(form::cmdDeleteSeparator.bounds)),
          cmdCancel(scale(form::cmdCancel.bounds)),
          cmdOK(scale(form::cmdOK.bounds)),
          LV(scale(form::LV.bounds)),
          picPos(scale(form::kMarker)) {
        dialog.dpi = dpi;
        fs.AddFolder(kFolder);
    }
    void Files(const Lines& names) {
        for (const std::string& name : names) fs.AddFile(std::string(kFolder) + "\\" + name);
    }
    int Open(FakeModalDialog::Script script) {
        dialog.scripts.push_back(std::move(script));
        return editor.ShowForm(kFolder);
    }
    // One user action per character: a digit selects that row; v ^ Shift+Down and Shift+Up, c Ctrl+Down, a Alt+Up,
    // d the Down arrow alone; u n the Up and Down buttons; i x the Ins and Del keys, I X the Insert and Delete
    // buttons.
    void Do(std::string_view actions) {
        for (const char a : actions) {
            if (a >= '0' && a <= '9') {
                LV.Select(a - '0');
                editor.LV_Click();
            }
            if (a == 'v') editor.LV_KeyDown(Key::Down, kShiftMask);
            if (a == '^') editor.LV_KeyDown(Key::Up, kShiftMask);
            if (a == 'c') editor.LV_KeyDown(Key::Down, kCtrlMask);
            if (a == 'a') editor.LV_KeyDown(Key::Up, kAltMask);
            if (a == 'd') editor.LV_KeyDown(Key::Down, 0);
            if (a == 'u') editor.cmdUp_Click();
            if (a == 'n') editor.cmdDown_Click();
            if (a == 'i') editor.LV_KeyDown(Key::Insert, 0);
            if (a == 'x') editor.LV_KeyDown(Key::Delete, 0);
            if (a == 'I') editor.cmdInsertSeparator_Click();
            if (a == 'X') editor.cmdDeleteSeparator_Click();
        }
    }
    // "U", "D" and "X" where Up, Down and Delete are enabled.
    std::string Buttons() const {
        return std::string(cmdUp.Enabled() ? "U" : "-") + (cmdDown.Enabled() ? "D" : "-") +
               (cmdDeleteSeparator.Enabled() ? "X" : "-");
    }
    // Drags a row over the given rows (-1: just below the last row) and lets it go.
    void Drag(int row, std::vector<int> over) {
        const Rect r = LV.RowRect(row);
        editor.LV_MouseMove(1, 0, r.left + 5, r.top + 5);
        for (const int target : over) {
            const int y = target < 0 ? LV.RowRect(LV.Count() - 1).bottom + 5 : LV.RowRect(target).top + 5;
            editor.LV_DragOver(5 * 15.0, y * 15.0);
        }
    }

    DpiScale scale;
    FakeFileSystem fs;
    FakeTextCodec codec;
    FakeShell shell;
    FakeScreen screen;
    FakeMessageBox messageBox;
    FakeWindow window;
    FakeModalDialog dialog;
    FakeControl lblHelp;
    FakeButton cmdDown, cmdUp, cmdInsertSeparator, cmdDeleteSeparator, cmdCancel, cmdOK;
    FakeListView LV;
    FakeCanvas picBox;
    FakeImageList ilIcons;
    FakeCanvas picMouse{{32, 32}};
    FakeImageList ilMouse;
    FakeControl picPos;
    FakeTimer tmrCheckPos;
    frmEditOrder editor{{fs, codec, shell, screen, messageBox},
                        {window, dialog, lblHelp, cmdDown, cmdUp, cmdInsertSeparator, cmdDeleteSeparator, cmdCancel,
                         cmdOK, LV, picBox, ilIcons, picMouse, ilMouse, picPos, tmrCheckPos}};
};

TEST(frmEditOrder, ListsTheFolderInTheBarsOrderAndOkWritesItBackAsTheBarDoes) {
    const struct {
        Lines files;
        std::optional<std::string> order;
        Lines rows;
        std::string saved;
    } cases[] = {
        {{"a.lnk", "b.lnk", "c.lnk"},
         Order({"b.lnk", "<>", "a.lnk"}),
         {"b.lnk", "<>", "a.lnk", "c.lnk"},
         Order({"b.lnk", "<>", "a.lnk", "c.lnk"})},
        // Names match the listing without regard to case and keep the order file's spelling; the program's own
        // files never become rows.
        {{"Editor.lnk", "Desktop.INI", "tarndock_folder.ini.412-3.tmp", "x.txt"},
         Order({"gone.lnk", "EDITOR.lnk"}),
         {"EDITOR.lnk", "x.txt"},
         Order({"EDITOR.lnk", "x.txt"})},
        {{"a.lnk", kZhuk},
         "\xEF\xBB\xBF" + kHeader + kZhuk + "\r\n",
         {kZhuk, "a.lnk"},
         "\xEF\xBB\xBF" + kHeader + kZhuk + "\r\na.lnk\r\n"},
        {{}, std::nullopt, {}, Order({})},
    };
    for (const auto& c : cases) {
        EditorRig rig;
        rig.Files(c.files);
        if (c.order) rig.fs.AddFile(kOrderPath, *c.order);
        Lines shown;
        EXPECT_EQ(rig.Open({[&] { shown = rig.LV.Texts(); }, [&] { rig.editor.cmdOK_Click(); }}), 1);
        EXPECT_EQ(shown, c.rows);
        EXPECT_EQ(rig.fs.Bytes(kOrderPath), c.saved) << testing::PrintToString(c.files);
    }
}

TEST(frmEditOrder, RowsCarryTheirIconsSeparatorsTheirGreyTextAndTheFirstRowIsSelected) {
    EditorRig rig;
    rig.window.taskbar = false;
    rig.Files({"a.lnk", "b.txt"});
    rig.shell.iconByExtension = {{"lnk", 4}, {"txt", 7}};
    rig.fs.AddFile(kOrderPath, Order({"b.txt", "<>", "a.lnk"}));
    rig.Open({[&] {
        EXPECT_EQ(rig.LV.Row(0), (ListRow{"b.txt", "b.txt", "I7", SysColour::WindowText}));
        EXPECT_EQ(rig.LV.Row(1), (ListRow{"", "----- separator line -----", "", SysColour::ButtonShadow}));
        EXPECT_EQ(rig.LV.Row(2).icon, "I4");
        EXPECT_EQ(rig.LV.Selected(), 0);
        EXPECT_TRUE(rig.ilIcons.Has("I4") && rig.ilIcons.Has("I7"));
        // The widest text, the separator's 26 characters, and room for the icon.
        EXPECT_EQ(rig.LV.ColumnWidth(), 7 * 26 + 24);
    }});
    EXPECT_EQ(rig.LV.columns, Lines{"Files"});
    EXPECT_EQ(rig.dialog.title, "TarnDock - Edit button order");
    EXPECT_TRUE(rig.window.taskbar);
    // Shift, Ctrl or Alt with an arrow key move the row; every other key goes on to the list.
    EXPECT_FALSE(rig.editor.LV_KeyDown(Key::Down, kShiftMask));
    EXPECT_FALSE(rig.editor.LV_KeyDown(Key::Up, kCtrlMask | kAltMask));
    EXPECT_TRUE(rig.editor.LV_KeyDown(Key::Up, 0));
    EXPECT_TRUE(rig.editor.LV_KeyDown(Key::Insert, 0));
    EXPECT_TRUE(rig.editor.LV_KeyDown(Key::Other, kShiftMask));
}

TEST(frmEditOrder, MovesInsertsAndDeletesRowsAndEnablesTheButtonsThatCanAct) {
    const struct {
        Lines files;
        std::string_view actions;
        Lines rows;
        int selected;
        std::string_view buttons;
    } cases[] = {
        {{"a", "b", "c"}, "0^", {"a", "b", "c"}, 0, "-D-"},  // the first row up
        {{"a", "b", "c"}, "2c", {"a", "b", "c"}, 2, "U--"},  // the last row down, with Ctrl
        {{"a", "b", "c"}, "1a", {"b", "a", "c"}, 0, "-D-"},  // and up with Alt
        {{"a", "b", "c"}, "0v", {"b", "a", "c"}, 1, "UD-"},
        {{"a", "b", "c"}, "1u", {"b", "a", "c"}, 0, "-D-"},
        {{"a", "b", "c"}, "1n", {"a", "c", "b"}, 2, "U--"},
        {{"a", "b", "c"}, "1d", {"a", "b", "c"}, 1, "UD-"},  // the arrow alone is the list's own
        {{"a", "b", "c"}, "0i", {"<>", "a", "b", "c"}, 1, "UD-"},
        {{"a", "b", "c"}, "2i2v", {"a", "b", "c", "<>"}, 3, "U-X"},  // a separator moves like a row
        {{"a", "b", "c"}, "1i1v", {"a", "b", "<>", "c"}, 2, "UDX"},
        {{"a", "b", "c"}, "0x1X", {"a", "b", "c"}, 1, "UD-"},  // a file row is never deleted
        {{"a", "b", "c"}, "2i2v3X", {"a", "b", "c"}, 2, "U--"},
        {{"a"}, "0v^", {"a"}, 0, "---"},
        {{}, "I", {"<>"}, 0, "--X"},
        {{}, "IX", {}, -1, "---"},
    };
    for (const auto& c : cases) {
        EditorRig rig;
        rig.Files(c.files);
        rig.Open({[&] { rig.Do(c.actions); },
                  [&] {
                      EXPECT_EQ(rig.LV.Texts(), c.rows) << c.actions;
                      EXPECT_EQ(rig.LV.Selected(), c.selected) << c.actions;
                      EXPECT_EQ(rig.Buttons(), c.buttons) << c.actions;
                      rig.editor.cmdOK_Click();
                  }});
        // What is saved is what the list showed; file rows kept their keys through every move.
        EXPECT_EQ(rig.fs.Bytes(kOrderPath), Order(c.rows)) << c.actions;
        for (int i = 0; i < rig.LV.Count(); ++i) EXPECT_EQ(rig.LV.Row(i).key, c.rows[i] == "<>" ? "" : c.rows[i]);
    }
}

TEST(frmEditOrder, DroppingInsertsTheRowBeforeTheRowUnderThePointer) {
    const struct {
        int row;
        std::vector<int> over;
        char dropOn;  // 'l' the list, 'm' the marker, 'o' another control
        Lines rows;
    } cases[] = {
        {1, {1}, 'l', {"a", "b", "c", "d"}},      // its own row
        {1, {2}, 'l', {"a", "b", "c", "d"}},      // the next row
        {1, {3}, 'l', {"a", "c", "b", "d"}},      // two rows below
        {1, {3, -1}, 'l', {"a", "c", "d", "b"}},  // below the last row
        {1, {0, -1}, 'l', {"b", "a", "c", "d"}},  // below the last row, but the last was not the target
        {1, {0}, 'm', {"b", "a", "c", "d"}},     {0, {2}, 'l', {"b", "a", "c", "d"}},
        {3, {0}, 'o', {"a", "b", "c", "d"}},  // elsewhere nothing moves
    };
    for (const auto& c : cases) {
        EditorRig rig;
        rig.Files({"a", "b", "c", "d"});
        rig.Open({[&] {
            rig.Drag(c.row, c.over);
            EXPECT_TRUE(rig.picPos.Visible());
            if (c.dropOn == 'l') rig.editor.LV_DragDrop();
            if (c.dropOn == 'm') rig.editor.picPos_DragDrop();
            if (c.dropOn == 'o') rig.editor.DragEnded();
            EXPECT_EQ(rig.LV.Texts(), c.rows);
            EXPECT_EQ(rig.LV.Keys(), c.rows);
            EXPECT_FALSE(rig.editor.Dragging());
            EXPECT_FALSE(rig.picPos.Visible());
            EXPECT_FALSE(rig.tmrCheckPos.Enabled());
        }});
    }
}

TEST(frmEditOrder, ADragStartsOnlyWithTheLeftButtonOnARowOfTwoOrMore) {
    const struct {
        Lines files;
        int button;
        int y;
        bool drags;
    } cases[] = {
        {{"a", "b"}, 1, 30, true},  {{"a"}, 1, 30, false},      {{"a", "b"}, 1, 90, false},
        {{"a", "b"}, 3, 30, false}, {{"a", "b"}, 2, 30, false},
    };
    for (const auto& c : cases) {
        EditorRig rig;
        rig.Files(c.files);
        rig.Open({[&] { rig.editor.LV_MouseMove(c.button, 0, 10, c.y); }});
        EXPECT_EQ(rig.editor.Dragging(), c.drags);
        EXPECT_EQ(rig.LV.dragImage, c.drags ? "cur" : "");
        // The picture dragged is the row's icon with the arrow over it.
        EXPECT_EQ(rig.ilMouse.Has("cur"), c.drags);
        EXPECT_EQ(rig.picMouse.drawn.starts_with("PI1"), c.drags);
    }
}

TEST(frmEditOrder, TheMarkerFollowsThePointerAndScrollsAPartlyShownRowIntoView) {
    EditorRig rig;
    rig.Files({"a", "b", "c", "d", "e", "f"});
    rig.Open({[&] {
        rig.LV.Move({8, 80, 257, 80 + 25 + 1 + 3 * 20 + 10});  // three rows and a part of the fourth
        rig.Drag(0, {3});
        EXPECT_EQ(rig.LV.TopRow(), 1);
        EXPECT_EQ(rig.picPos.Bounds().top, 80 + rig.LV.RowRect(3).top);
        // The timer hides the marker while the pointer is over another control, and leaves it over the list.
        rig.dialog.underPointer = &rig.LV;
        rig.editor.tmrCheckPos_Timer();
        EXPECT_TRUE(rig.picPos.Visible());
        rig.dialog.underPointer = &rig.cmdOK;
        rig.editor.tmrCheckPos_Timer();
        EXPECT_FALSE(rig.picPos.Visible());
        // Outside the list nothing moves.
        rig.editor.LV_DragOver(-15, 30);
        EXPECT_FALSE(rig.picPos.Visible());
    }});
}

TEST(frmEditOrder, OpensCentredOnTheBarsMonitorAtMostOfItsHeight) {
    const struct {
        Rect monitor;
        Rect window;
    } cases[] = {
        {{0, 0, 1024, 768}, {372, 73, 653, 695}},  // never narrower than designed
        {{1024, 0, 3584, 1600}, {2056, 152, 2551, 1448}},
    };
    for (const auto& c : cases) {
        EditorRig rig;
        rig.dialog.homeMonitor = c.monitor;
        rig.Open({});
        EXPECT_EQ(rig.window.WindowRect(), c.window);
    }
}

TEST(frmEditOrder, LaysItsControlsOutAndSkipsWhatDoesNotFitAVerySmallWindow) {
    const struct {
        int dpi;
        Size client;
        Rect del, ok, list, marker;
    } cases[] = {
        {96, {265, 606}, {212, 32, 257, 77}, {141, 557, 257, 598}, {8, 80, 257, 549}, {10, 80, 255, 84}},
        {144, {500, 900}, {420, 48, 488, 116}, {262, 826, 488, 888}, {12, 120, 488, 814}, {15, 120, 383, 126}},
        // Too small for Cancel, OK and the list: they stay where the first layout put them.
        {96, {12, 300}, {-41, 32, 4, 77}, {141, 557, 257, 598}, {8, 80, 257, 549}, {10, 80, 255, 84}},
    };
    for (const auto& c : cases) {
        EditorRig rig(c.dpi);
        rig.Open({[&] {
            rig.window.Move({0, 0, c.client.cx + 16, c.client.cy + 16});
            rig.editor.Form_Resize();
        }});
        EXPECT_EQ(rig.cmdDeleteSeparator.Bounds(), c.del) << c.client.cx;
        EXPECT_EQ(rig.cmdOK.Bounds(), c.ok) << c.client.cx;
        EXPECT_EQ(rig.LV.Bounds(), c.list) << c.client.cx;
        EXPECT_EQ(rig.picPos.Bounds(), c.marker) << c.client.cx;
    }
}

TEST(frmEditOrder, AnOrderFileThatCannotBeWrittenKeepsTheWindowOpenAndCancelThenReturnsTwo) {
    EditorRig rig;
    rig.Files({"a", "b"});
    const std::string old = Order({"b", "a"});
    rig.fs.AddFile(kOrderPath, old);
    rig.fs.readOnly.insert(FakeFileSystem::Key(kOrderPath));
    const int result = rig.Open({[&] { rig.Do("0v"); }, [&] { rig.editor.cmdOK_Click(); },
                                 [&] {
                                     EXPECT_TRUE(rig.dialog.open);
                                     EXPECT_EQ(rig.LV.Texts(), (Lines{"a", "b"}));
                                     rig.editor.cmdCancel_Click();
                                 }});
    EXPECT_EQ(result, 2);
    EXPECT_EQ(rig.fs.Bytes(kOrderPath), old);
    EXPECT_EQ(rig.messageBox.text, "TarnDock Error: The order could not be saved.\r\nC:\\B\\TarnDock_Folder.ini");
}

TEST(frmEditOrder, CancelAndTheCloseBoxWriteNothing) {
    for (const bool closeBox : {false, true}) {
        EditorRig rig;
        rig.Files({"a", "b"});
        FakeModalDialog::Script script{[&] { rig.Do("0vi"); }};
        if (!closeBox) script.push_back([&] { rig.editor.cmdCancel_Click(); });
        EXPECT_EQ(rig.Open(script), 2);
        EXPECT_FALSE(rig.fs.FileExists(kOrderPath));
    }
}

}  // namespace
}  // namespace tarn
