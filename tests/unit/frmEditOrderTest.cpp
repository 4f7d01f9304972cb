#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <sstream>
#include <tuple>

#include "fakes/FakeDialogControls.h"
#include "fakes/FakeTextCodec.h"
#include "order/EditOrderForm.h"
#include "order/frmEditOrder.h"

namespace tarn {
namespace {

using namespace fakes;
namespace form = EditOrderForm;

constexpr const char* kFolder = "C:\\B";
constexpr const char* kOrderPath = "C:\\B\\TarnDock_Folder.ini";
const std::string kHeader =
    "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n";
const std::string kZhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";  // not in the code page

// An order file of the given lines, blank-separated.
std::string Order(const std::string& lines) {
    return kHeader + std::regex_replace(lines, std::regex(" "), "\r\n") + (lines.empty() ? "" : "\r\n");
}

// The editor with its controls at their designed places for the DPI, in a window whose frame is 8 pixels wide.
struct EditorRig {
    explicit EditorRig(int dpi = 96, const std::string& files = "") : scale{dpi} {
        dialog.dpi = dpi, fs.AddFolder(kFolder);
        std::istringstream names(files);
        for (std::string name; names >> name;) fs.AddFile(std::string(kFolder) + "\\" + name);
    }
    int Open(std::function<void()> user = {}) { return dialog.user = std::move(user), editor.ShowForm(kFolder); }
    // One user action per character: a digit selects that row; u n the Up and Down buttons; i x the Ins and Del keys,
    // I X the Insert and Delete buttons.
    void Do(std::string_view actions) {
        for (const char a : actions) {
            if (a >= '0' && a <= '9') LV.Select(a - '0'), editor.LV_Click();
            if (a == 'i' || a == 'x') editor.LV_KeyDown(a == 'i' ? Key::Insert : Key::Delete, 0);
            if (a == 'u') editor.cmdUp_Click();
            if (a == 'n') editor.cmdDown_Click();
            if (a == 'I') editor.cmdInsertSeparator_Click();
            if (a == 'X') editor.cmdDeleteSeparator_Click();
        }
    }
    std::string State() const {
        return std::to_string(LV.Selected()) + " " + (cmdUp.Enabled() ? "U" : "-") + (cmdDown.Enabled() ? "D" : "-") +
               (cmdDeleteSeparator.Enabled() ? "X" : "-");
    }
    // Drags a row with the button over the given rows (-1: just below the last row).
    void Drag(int row, std::vector<int> over, int button = kLeftButton) {
        editor.LV_MouseMove(button, 0, LV.RowRect(row).left + 5, LV.RowRect(row).top + 5);
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
    FakeWindow window{{0, 0, scale(form::kClientSize.cx) + 16, scale(form::kClientSize.cy) + 16}, 8};
    FakeModalDialog dialog;
    FakeControl lblHelp{scale(form::lblHelp.bounds)}, picPos{scale(form::kMarker)};
    FakeButton cmdDown{scale(form::cmdDown.bounds)}, cmdUp{scale(form::cmdUp.bounds)},
        cmdInsertSeparator{scale(form::cmdInsertSeparator.bounds)},
        cmdDeleteSeparator{scale(form::cmdDeleteSeparator.bounds)}, cmdCancel{scale(form::cmdCancel.bounds)},
        cmdOK{scale(form::cmdOK.bounds)};
    FakeListView LV{scale(form::LV.bounds)};
    FakeCanvas picBox, picMouse{{32, 32}};
    FakeImageList ilIcons, ilMouse;
    FakeTimer tmrCheckPos;
    frmEditOrder editor{{fs, codec, shell, screen, messageBox},
                        {window, dialog, lblHelp, cmdDown, cmdUp, cmdInsertSeparator, cmdDeleteSeparator, cmdCancel,
                         cmdOK, LV, picBox, ilIcons, picMouse, ilMouse, picPos, tmrCheckPos}};
};

TEST(frmEditOrder, RowsCarryTheirIconsSeparatorsTheirGreyTextAndTheFirstRowIsSelected) {
    EditorRig rig(96, "a.lnk b.txt");
    rig.window.taskbar = false;
    rig.shell.iconByExtension = {{"lnk", 4}, {"txt", 7}};
    rig.fs.AddFile(kOrderPath, Order("b.txt <> a.lnk"));
    rig.Open();
    EXPECT_EQ(rig.LV.rows, (std::vector<ListRow>{{"b.txt", "b.txt", "I7", SysColour::WindowText},
                                                 {"", "----- separator line -----", "", SysColour::ButtonShadow},
                                                 {"a.lnk", "a.lnk", "I4", SysColour::WindowText}}));
    // The widest text, the separator's 26 characters, and room for the icon.
    EXPECT_EQ(rig.LV.ColumnWidth(), 7 * 26 + 24);
    EXPECT_TRUE(rig.LV.Selected() == 0 && rig.LV.columns == "Files" && rig.window.taskbar);
    // Shift, Ctrl or Alt with an arrow key move the row, which the list does not see; every other key goes on to it.
    EXPECT_EQ(
        (std::vector<bool>{rig.editor.LV_KeyDown(Key::Down, kShiftMask),
                           rig.editor.LV_KeyDown(Key::Up, kCtrlMask | kAltMask), rig.editor.LV_KeyDown(Key::Down, 0),
                           rig.editor.LV_KeyDown(Key::Insert, 0), rig.editor.LV_KeyDown(Key::Other, kShiftMask)}),
        (std::vector<bool>{false, false, true, true, true}));
    EXPECT_EQ(rig.LV.Texts(), "<> b.txt <> a.lnk");
}

// The rows are the folder's files in the bar's order; OK writes what the list shows as the bar does, in the order
// file's Unicode form. File rows keep their keys through every move.
TEST(frmEditOrder, ListsTheFolderInTheBarsOrderMovesInsertsAndDeletesRowsAndOkWritesThem) {
    const auto check = [](const std::string& files, const std::optional<std::string>& order, std::string_view actions,
                          const std::string& rowsAndState, bool bom = false) {
        EditorRig rig(96, files);
        if (order) rig.fs.AddFile(kOrderPath, (bom ? "\xEF\xBB\xBF" : "") + Order(*order));
        EXPECT_EQ(rig.Open([&] { rig.Do(actions), rig.editor.cmdOK_Click(); }), 1);
        // The rows, then the selected row and U D X where Up, Down and Delete are enabled.
        EXPECT_EQ(rig.LV.Texts() + " | " + rig.State(), rowsAndState) << files << actions;
        const std::string rows = rowsAndState.substr(0, rowsAndState.find(" | "));
        EXPECT_EQ(rig.fs.Bytes(kOrderPath), (bom ? "\xEF\xBB\xBF" : "") + Order(rows)) << files << actions;
    };
    check("a.lnk b.lnk c.lnk", "b.lnk <> a.lnk", "", "b.lnk <> a.lnk c.lnk | 0 -D-");
    // Names match the listing without regard to case and keep the order file's spelling; the program's own files
    // never become rows.
    check("Editor.lnk Desktop.INI tarndock_folder.ini.412-3.tmp x.txt", "gone.lnk EDITOR.lnk", "",
          "EDITOR.lnk x.txt | 0 -D-");
    check("a.lnk " + kZhuk, kZhuk, "", kZhuk + " a.lnk | 0 -D-", true);
    check("", {}, "", " | -1 ---");
    check("a", {}, "0nu", "a | 0 ---");
    check("", {}, "I", "<> | 0 --X");
    check("", {}, "IX", " | -1 ---");
    // The first row does not move up, nor the last down; a separator moves like a row; a file row is never deleted.
    for (const std::string_view c : {"1u:b a c | 0 -D-", "2i2n:a b c <> | 3 U-X", "1i1n:a b <> c | 2 UDX",
                                     "2n:a b c | 2 U--", "0x1X:a b c | 1 UD-", "2i2n3X:a b c | 2 U--"})
        check("a b c", {}, c.substr(0, c.find(':')), std::string(c.substr(c.find(':') + 1)));
}

// A drag starts only with the left button on a row of two or more; the picture dragged is the row's icon with the
// arrow over it.
TEST(frmEditOrder, DroppingInsertsTheRowBeforeTheRowUnderThePointer) {
    // Files, button, row dragged, rows passed over (-1: below the last), where it is dropped ('l' the list, 'm' the
    // marker, 'o' another control, '-' the list when no drag starts), the rows then. Over the first row and below
    // the last, the last row was not the target.
    // clang-format off
    const struct {
        const char* files;
        int button, row;
        std::vector<int> over;
        char dropOn;
        const char* rows;
    } cases[] = {{"a b c d", 1, 1, {3}, 'l', "a c b d"}, {"a b c d", 1, 1, {3, -1}, 'l', "a c d b"},
        {"a b c d", 1, 1, {0, -1}, 'l', "b a c d"}, {"a b c d", 1, 1, {0}, 'm', "b a c d"}, {"a", 1, 0, {0}, '-', "a"},
        {"a b c d", 1, 0, {2}, 'l', "b a c d"}, {"a b c d", 1, 3, {0}, 'o', "a b c d"}, {"a b", 3, 0, {1}, '-', "a b"}};
    // clang-format on
    for (const auto& c : cases) {
        EditorRig rig(96, c.files);
        rig.Open();
        rig.Drag(c.row, c.over, c.button);
        EXPECT_EQ(rig.editor.Dragging() && rig.picPos.Visible(), c.dropOn != '-') << c.rows;
        EXPECT_EQ(rig.ilMouse.pictures[rig.LV.dragImage].substr(0, 3), c.dropOn != '-' ? "PI1" : "");
        if (c.dropOn == 'l' || c.dropOn == '-') rig.editor.LV_DragDrop();
        if (c.dropOn == 'm') rig.editor.picPos_DragDrop();
        if (c.dropOn == 'o') rig.editor.DragEnded();
        EXPECT_EQ(rig.LV.Texts(), c.rows);
        EXPECT_FALSE(rig.editor.Dragging() || rig.picPos.Visible() || rig.tmrCheckPos.Enabled());
    }
}

TEST(frmEditOrder, TheMarkerFollowsThePointerAndScrollsAPartlyShownRowIntoView) {
    EditorRig rig(96, "a b c d e f");
    rig.Open();
    rig.LV.Move({8, 80, 257, 80 + 25 + 1 + 3 * 20 + 10});  // three rows and a part of the fourth
    rig.Drag(0, {3});
    EXPECT_EQ(std::pair(rig.LV.top, rig.picPos.Bounds().top), std::pair(1, 80 + rig.LV.RowRect(3).top));
    // The timer hides the marker while the pointer is over another control, and leaves it over the list.
    rig.dialog.underPointer = &rig.LV, rig.editor.tmrCheckPos_Timer();
    EXPECT_TRUE(rig.picPos.Visible());
    rig.dialog.underPointer = &rig.cmdOK, rig.editor.tmrCheckPos_Timer();
    EXPECT_FALSE(rig.picPos.Visible());
}

// It opens centred on the bar's monitor at most of its height, never narrower than designed; the marker is never
// wider than the list; a resize skips the steps that do not fit a very small window, and their controls stay where
// the first layout put them.
TEST(frmEditOrder, OpensCentredOnTheBarsMonitorAndLaysItsControlsOut) {
    // Dots per inch, monitor, window opened, client resized to; then the delete, OK, list and marker bounds.
    // clang-format off
    const std::tuple<int, Rect, Rect, Size, std::array<Rect, 4>> cases[] = {
        {96, {0, 0, 1024, 768}, {372, 73, 653, 695}, {200, 606},
         {{{147, 32, 192, 77}, {108, 557, 192, 598}, {8, 80, 192, 549}, {10, 80, 190, 84}}}},
        {96, {1024, 0, 3584, 1600}, {2056, 152, 2551, 1448}, {12, 300},
         {{{-41, 32, 4, 77}, {247, 1231, 471, 1272}, {8, 80, 471, 1223}, {10, 80, 255, 84}}}}};
    // clang-format on
    for (const auto& [dpi, monitor, opened, client, bounds] : cases) {
        EditorRig rig(dpi);
        rig.dialog.homeMonitor = monitor;
        rig.Open();
        EXPECT_EQ(rig.window.WindowRect(), opened);
        rig.window.Move({0, 0, client.cx + 16, client.cy + 16});
        rig.editor.Form_Resize();
        EXPECT_EQ(
            (std::array{rig.cmdDeleteSeparator.Bounds(), rig.cmdOK.Bounds(), rig.LV.Bounds(), rig.picPos.Bounds()}),
            bounds)
            << client.cx;
    }
}

// A failed save keeps the window open with the rows (the store's faults are tried one by one elsewhere); Cancel
// writes nothing once the file could be written.
TEST(frmEditOrder, AFailedSaveKeepsTheRowsAndCancelWritesNothing) {
    EditorRig rig(96, "a b");
    rig.fs.AddFile(kOrderPath, Order("b a"));
    rig.fs.readOnly.insert(FakeFileSystem::Key(kOrderPath));
    EXPECT_EQ(rig.Open([&] {
        rig.Do("0n"), rig.editor.cmdOK_Click(), rig.fs.readOnly.clear();
        EXPECT_EQ(rig.LV.Texts(), "a b");
        rig.editor.cmdCancel_Click();
    }),
              2);
    EXPECT_EQ(rig.fs.Bytes(kOrderPath), Order("b a"));
}

}  // namespace
}  // namespace tarn
