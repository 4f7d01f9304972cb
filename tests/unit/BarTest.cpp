#include <gtest/gtest.h>

#include <tuple>

#include "bar/BarLayout.h"
#include "bar/HoverText.h"
#include "fakes/BarRig.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using Opened = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kFolder = "D:\\Bar";
std::string In(const std::string& name) { return std::string(kFolder) + "\\" + name; }

// A bar with every service faked. Use() gives it the button folder D:\Bar: edit.exe, notes.txt, a separator, and
// the sub folders Games (a separator, chess.exe, rules.txt, a file named "-") and Tools (empty).
struct Bar : testing::Test, fakes::BarRig {
    static constexpr int kEdit = 1, kNotes = 2, kSeparator = 3, kGames = 4, kTools = 5;
    void Use() {
        UseButtonFolder(kFolder);
        for (const char* name : {"edit.exe", "notes.txt", "Games\\chess.exe", "Games\\rules.txt", "Games\\-"})
            fs.AddFile(In(name));
        fs.AddFile(In("TarnDock_Folder.ini"), "h\r\ns\r\nedit.exe\r\nnotes.txt\r\n<>\r\n");
        fs.AddFile(In("Games\\TarnDock_Folder.ini"), "h\r\ns\r\n<>\r\nchess.exe\r\nrules.txt\r\n");
        fs.AddFolder(In("Tools"));
        Load();
        window.Show(ShowCommand::Show);
    }
    // The centre of a button of the first row, in the toolbar's pixels.
    static Point At(int index) { return {23 * index - 12, 11}; }
    DropEffect DragOver(int i, DragState state = DragState::Over) { return bar.OLEDragOver(true, 1, 0, At(i), state); }
};

// See-through with the button face cut out, and the tooltip as small as its empty label; the information button's
// tip is three lines of help. An alpha above the opacity range is clamped where it is applied.
TEST_F(Bar, AFirstStartCreatesTheButtonFolderAndShowsTheSeeThroughBarWithTheInformationButtonAndAMarginToDrag) {
    Load();
    EXPECT_TRUE(fs.FolderExists(kButtons) && window.topmost && window.seeThrough);
    EXPECT_EQ(std::tuple(window.colourKey, window.alpha, tipWindow.rect, window.rect),
              std::tuple(0xF0F0F0u, 110, Rect{0, 0, 0, 16}, Rect{671, 0, 1047, 48}));  // 10065 / 15 = 671 pixels
    EXPECT_EQ(toolbar.buttons,
              (std::vector<ButtonRecord>{{.kind = ButtonKind::Info, .caption = "TarnDock - Add buttons"}}));
    bar.Toolbar_MouseMove(0, 0, 150, 150);
    EXPECT_EQ(std::count(lblTip.text.begin(), lblTip.text.end(), '\n'), 2) << lblTip.text;
    bar.Form_MouseDown(kLeftButton, 0, 3, 20);  // dragging the margin moves the bar with the grab point
    bar.Form_MouseMove(kLeftButton, 0, 13, 15);
    bar.Form_MouseMove(kLeftButton | kRightButton, 0, 40, 40);  // not the left button alone
    EXPECT_EQ(window.rect, (Rect{681, -5, 1057, 43}));
    fs.AddFile(kSettingsFile, "[Settings]\r\nAlpha=300\r\n");
    Load();
    EXPECT_EQ(window.alpha, 255);
}

// By End (Alt+F4), by the system, or by closing the minimised bar's taskbar entry.
TEST(BarQuit, EveryWayOutStoresTheSettingsOnce) {
    for (int way = 0; way < 3; ++way) {
        fakes::BarRig rig;
        rig.Load();
        rig.bar.Form_KeyDown(Key::F4, kShiftMask);  // F4 alone is no command
        if (way == 0) rig.bar.Form_KeyDown(Key::F4, kAltMask);
        if (way == 1) rig.bar.Form_Unload();
        if (way == 2) rig.menu.Form_QueryUnload(UnloadMode::FormControlMenu);
        rig.bar.CurrentSettings().Alpha = 1;
        if (way < 2) rig.bar.Form_Unload();  // the unload handler may be reached a second time
        EXPECT_EQ(std::tuple(rig.fs.Bytes(rig.kSettingsFile), rig.host.ends),
                  std::tuple(fakes::kFreshSettingsFile, way == 1 ? 0 : 1))
            << way;
        EXPECT_TRUE(rig.fs.FileExists(std::string(rig.kButtons) + "\\TarnDock_Folder.ini")) << way;
    }
}

// Grouped by icon: the first shortcut's button becomes a menu of all of them. Sub folders are menus, one level deep.
TEST_F(Bar, TheOrderFilesEntriesThenTheOtherFilesThenTheSubFolders) {
    UseButtonFolder(kFolder, "FileGrouping=2\r\n");
    shell.iconByExtension = {{"lnk", 7}};
    for (const char* name : {"one.lnk", "two.lnk", "x.txt", "Tools\\y.txt", "Empty\\Inner\\z.txt"})
        fs.AddFile(In(name));
    shell.links = {{In("one.lnk"), "C:\\P\\edit.exe"}, {In("two.lnk"), "C:\\P\\edit.exe"}};
    fs.AddFile(In("TarnDock_Folder.ini"), "h\r\ns\r\n<>\r\ntwo.lnk\r\n");
    Load();
    const std::vector<ButtonRecord> expected{
        {.image = "sep", .kind = ButtonKind::Separator, .enabled = false},
        {.style = ButtonStyle::DropDown, .image = "I7", .kind = ButtonKind::Program},
        {.image = "I1", .tag = In("x.txt")},
        {.style = ButtonStyle::DropDown, .image = "I1", .tag = In("Empty"), .kind = ButtonKind::Folder},
        {.style = ButtonStyle::DropDown, .image = "I1", .tag = In("Tools"), .kind = ButtonKind::Folder}};
    for (int build = 0; build < 2; ++build, bar.FillToolbar()) {
        EXPECT_EQ(toolbar.buttons, expected);
        std::string menus;
        for (const auto& [index, items] : bar.MenuDics())
            for (const ItemEntry& entry : items) menus += std::to_string(index) + " " + entry.value + "|";
        EXPECT_EQ(menus, "2 " + In("two.lnk") + "|2 " + In("one.lnk") + "|5 " + In("Tools\\y.txt") + "|");
    }
    // Each picture is stored once, drawn on a cleared box.
    EXPECT_EQ(ilIcons.pictures, (std::map<std::string, std::string>{{"I1", "I1"}, {"I7", "I7"}, {"sep", "LL"}}));
}

TEST_F(Bar, TheHintShowsWhileRowsAreHidden) {
    UseButtonFolder(kFolder);
    for (int i = 0; i < 40; ++i) fs.AddFile(In("f" + std::to_string(100 + i) + ".txt"));
    Load();
    // 354 pixels between the margins hold 15 buttons a row; 40 buttons make three rows.
    EXPECT_TRUE(toolbar.Bounds() == (Rect{8, 0, 362, 66}) && picHint.visible && picHint.bounds.bottom == 42);
}

// Solid with a grip of a dot every four pixels and its shadow below right; no alpha changes it until the pointer
// goes far away, and an open menu keeps it solid.
TEST_F(Bar, ARestingPointerTurnsTheBarSolidUntilThePointerLeavesWhileNoMenuIsOpen) {
    Use();
    screen.cursor = {700, 20};  // resting on the bar
    for (int i = 0; i < 8 && !bar.Solid(); ++i) Tick();
    bar.SetAlpha(40);
    EXPECT_EQ(std::tuple(bar.Solid(), window.seeThrough, window.alpha), std::tuple(true, false, 230));
    EXPECT_EQ(std::pair(form.GetPixel(4, 4), form.GetPixel(5, 5)),
              std::pair(fakes::SysColourValue(SysColour::Highlight3D), fakes::SysColourValue(SysColour::ButtonShadow)));
    popup.during = [&] { screen.cursor = {10, 700}, Tick(), Tick(), Tick(), Tick(), Tick(); };
    bar.Toolbar_ButtonClick(kGames);
    EXPECT_TRUE(bar.Solid());
    screen.cursor = {700, 48 + 101};  // far below the bar: see-through at the next tick
    Tick();
    EXPECT_EQ(std::tuple(window.seeThrough, window.alpha, form.pixels.size()), std::tuple(true, 110, 0u));
}

// A button starts its file, or says that it is gone; a menu button opens its menu, which the same button does not
// reopen within 0.3 s after it closed or was clicked.
TEST_F(Bar, AButtonStartsItsFileOrOpensItsMenuAndTheContextMenuRunsItsCommands) {
    Use();
    bar.Toolbar_ButtonClick(kNotes);
    fs.Remove(In("notes.txt"));
    bar.Toolbar_ButtonClick(kNotes);
    EXPECT_EQ(shell.opened, (Opened{{In("notes.txt"), ""}}));
    EXPECT_EQ(messageBox.text, "TarnDock Error: File not found:\r\n" + In("notes.txt"));
    popup.during = [&] { clock.now += 5'000; };
    for (const int wait : {0, 300, 301}) clock.now += wait, bar.Toolbar_ButtonClick(kGames);  // opens twice
    bar.Toolbar_ButtonClick(kTools);  // another button, and the arrow, always open
    bar.Toolbar_ButtonDropDown(kTools);
    EXPECT_EQ(popup.shows, 4);
    popup.choices = {0};  // the context menu shows the keys after a tab and runs the chosen command
    bar.Form_MouseDown(kRightButton, 0, 3, 3);
    EXPECT_EQ(std::tuple(popup.items.front().caption, popup.items.back().caption, shell.openedFolder),
              std::tuple("Add or remove buttons\tF8", "End\tAlt+F4", kFolder));
}

TEST_F(Bar, InIconModeEveryEntryGetsABitmapOfOneSizeButAnEmptyMenuOffersTheButtonFolderAsText) {
    Use();
    bar.CurrentSettings().IconsInMenus = true;
    popup.choices = {1, 0};
    bar.Toolbar_ButtonClick(kGames);
    // The separator stays a line, a file named "-" does not; the widest caption is 9 * 7 = 63 pixels, the sample 15
    // high.
    EXPECT_EQ(popup.items, (std::vector<MenuItem>{{.caption = "-"},
                                                  {"chess.exe", In("Games\\chess.exe"), true, "I1", {88, 16}},
                                                  {"rules.txt", In("Games\\rules.txt"), true, "I1", {88, 16}},
                                                  {"- ", In("Games\\-"), true, "I1", {88, 16}}}));
    bar.Toolbar_ButtonClick(kTools);
    EXPECT_EQ(popup.items, std::vector<MenuItem>{AddButtonsItem()});
    EXPECT_EQ(std::tuple(shell.opened, shell.openedFolder), std::tuple(Opened{{In("Games\\chess.exe"), ""}}, kFolder));
}

// The order dialog rebuilds the bar only when it saved; F3 leaves the minimised stand-in in its place. Storing
// writes the order file of the button folder and of each sub folder.
TEST_F(Bar, KeysRunTheirCommands) {
    Use();
    fs.AddFile(In("new.txt"));
    bar.Form_KeyDown(Key::F9, 0);
    host.foldersToEditResult = 1;
    bar.Form_KeyDown(Key::F9, kAltMask | kShiftMask);  // held modifiers do not matter
    EXPECT_EQ(toolbar.Count(), 6);
    bar.Form_KeyDown(Key::F3, 0);  // the stand-in's own minimising leaves the bar hidden
    menu.Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(window.IsVisible());
    bar.StoreSettings();
    EXPECT_EQ(fs.Bytes(In("TarnDock_Folder.ini")), FormatOrderFile({"edit.exe", "notes.txt", "<>", "new.txt"}, codec));
    EXPECT_EQ(fs.Bytes(In("Tools\\TarnDock_Folder.ini")), FormatOrderFile({}, codec));
}

// The tip lies below right of the pointer, whole on the monitor, until the pointer moves 4 pixels or leaves.
TEST_F(Bar, HoveringShowsTheButtonsDisplayNameAndTheBackgroundHidesIt) {
    Use();
    fs.AddFile(In("Editor.LNK"));
    bar.CurrentSettings().ShortcutLNK = false;
    bar.FillToolbar();
    const auto hover = [&](int index) {
        bar.Toolbar_MouseMove(0, 0, At(index).x * 15.0, At(index).y * 15.0);
        return tip.Visible() ? lblTip.text : "(hidden)";
    };
    EXPECT_EQ(hover(kSeparator + 1) + hover(kSeparator), "Editor(hidden)");
    EXPECT_EQ(hover(kNotes), "notes.txt");
    EXPECT_EQ(std::tuple(tipWindow.rect, tmrHide.enabled), std::tuple(Rect{3, 33, 57, 49}, true));
    screen.cursor = {1020, 760};
    EXPECT_EQ(hover(kEdit), "edit.exe");
    EXPECT_EQ(tipWindow.rect, (Rect{976, 752, 1024, 768}));
    for (const int y : {763, 764}) {
        screen.cursor.y = y, tip.tmrHide_Timer();
        EXPECT_EQ(tip.Visible(), y == 763) << y;
    }
    EXPECT_EQ(hover(kEdit), "edit.exe");  // the same button again once its tip went
    bar.Form_MouseMove(0, 0, 2, 2);
    EXPECT_FALSE(tip.Visible() || tmrHide.enabled);
}

// Only programs and menus take files; the others are greyed while the drag lasts. x + 1 is tested, so that the edge
// two buttons share goes to the first.
TEST_F(Bar, DraggingFilesGreysTheButtonsThatCannotTakeThemUntilTheDragEnds) {
    Use();
    EXPECT_TRUE(DragOver(kNotes, DragState::Enter) == DropEffect::None && !toolbar.Button(kNotes).enabled);
    EXPECT_EQ(DragOver(kEdit), DropEffect::Move);
    EXPECT_EQ(std::tuple(toolbar.Button(kEdit).pressed, lblTip.text), std::tuple(true, "Open with\r\nedit.exe"));
    EXPECT_TRUE(DragOver(kSeparator) == DropEffect::None && !toolbar.Button(kEdit).pressed);
    static constexpr std::pair<Point, bool> kEdges[] = {{{-1, 0}, true}, {{23, 0}, false}};
    for (const auto& [point, onEdit] : kEdges)
        EXPECT_EQ(bar.OLEDragOver(true, 1, 0, point, DragState::Over) == DropEffect::Move, onEdit) << point.x;
    EXPECT_TRUE(DragOver(0, DragState::Leave) == DropEffect::None && toolbar.Button(kNotes).enabled);
}

// Each path in quotation marks, backslashes before a quotation mark doubled. A drop without files starts nothing;
// either way the drag ends, and a later click passes no files.
TEST_F(Bar, DroppingOnAProgramStartsItWithEveryPathQuotedAndShortcutsResolved) {
    Use();
    shell.links["C:\\in\\doc.lnk"] = "C:\\docs\\doc.txt";
    for (const std::vector<std::string>& files :
         {std::vector<std::string>{}, {"C:\\a b\\", "C:\\in\\doc.lnk", "a\\\"b"}}) {
        DragOver(kEdit, DragState::Enter);
        bar.OLEDragDrop(files, kLeftButton, 0, At(kEdit));
        EXPECT_TRUE(toolbar.Button(kNotes).enabled && !toolbar.Button(kEdit).pressed);
    }
    bar.Toolbar_ButtonClick(kEdit);
    EXPECT_EQ(shell.opened,
              (Opened{{In("edit.exe"), "\"C:\\a b\\\\\" \"C:\\docs\\doc.txt\" \"a\\\\\\\"b\""}, {In("edit.exe"), ""}}));
}

TEST(BarLayout, TheMinimumSizeTheToolbarBetweenTheMarginsAndTheHintRule) {
    EXPECT_EQ(EnforcedBarSize({10, 10}, TwipScale::ForDpi(96)), (Size{32, 16}));
    EXPECT_EQ(EnforcedBarSize({10, 300}, TwipScale::ForDpi(192)), (Size{64, 300}));
    EXPECT_EQ(ToolbarBounds({10, 42}, 8), (Rect{8, 0, 8, 42}));
    // Shown when the last row starts less than 7 pixels above the bottom edge, though part of it shows.
    EXPECT_TRUE(HintNeeded(44, 22, 29) && !HintNeeded(44, 22, 30));
}

// Tag, entries, prefix, tip: an entry "e<i>.lnk" for each x and a separator for each -; "|" is a line break. Shown
// names lose their extension, as shortcuts do with ShortcutLNK off.
TEST(HoverText, AMenuButtonNamesItsFolderAndListsItsEntries) {
    static constexpr const char* kCases[][4] = {
        {"D:\\Games", "xxxxxxxxxxxx", "", "   [Games]   |e0|e1|e2|e3|e4|e5|e6|e7|e8|e9|...2  more..."},
        {"D:\\Tools.old", "x", "", "   [Tools]   |e0"},
        {"", "-x", "Open with", "Open with|-----------------|e1"}};  // a group has no name line
    for (const auto& [tag, entries, prefix, tip] : kCases) {
        ItemDictionary menu;
        for (int i = 0; entries[i] != '\0'; ++i) {
            const std::string name = "e" + std::to_string(i) + ".lnk";
            entries[i] == '-' ? menu.Add("<>" + std::to_string(i), "<>") : menu.Add(name, "D:\\Games\\" + name);
        }
        std::string expected = tip;
        for (std::size_t at; (at = expected.find('|')) != std::string::npos;) expected.replace(at, 1, "\r\n");
        EXPECT_EQ(HoverTipText({.style = ButtonStyle::DropDown, .tag = tag}, &menu, prefix, BaseName), expected) << tag;
    }
    EXPECT_EQ(HoverTipText({.style = ButtonStyle::DropDown, .tag = "D:\\Games"}, nullptr, "", BaseName),
              "   [Games]   ");
}

using Points = std::vector<Point>;
Points operator*(Point p, int n) { return Points(static_cast<std::size_t>(n), p); }
Points operator+(Points a, const Points& b) { return a.insert(a.end(), b.begin(), b.end()), a; }

// A clock moved 50 ms before each tick, and the monitor the bar lies on.
struct Ticks final : TickEnvironment {
    std::int64_t NowMs() override { return now; }
    Rect Monitor(const Rect&) override { return ++monitorReads, Rect{0, 0, 1024, 768}; }
    // One tick per pointer position, no menu open; gives the states after each as '-' (see-through) and '#' (solid).
    std::string Run(const Points& pointers, const TickSettings& settings, Rect bar, bool solid) {
        TickMemory memory;
        std::string states;
        for (const Point& p : pointers) {
            now += 50;
            const TickAction action = DecideTick(memory, {p, bar, solid, false}, settings, *this);
            if (action != TickAction::None) solid = action == TickAction::TurnSolid;
            states += solid ? '#' : '-';
        }
        return states;
    }
    std::int64_t now = 1000;
    int monitorReads = 0;
};

TEST(Transparency, Scenarios) {
    constexpr Rect kBar{400, 300, 776, 348}, kTop{400, 0, 776, 48};
    constexpr TickSettings kDefault{0.2f, true, false}, kSlow{5.0f, true, false}, kBorderOnly{0.2f, true, true};
    Points crossing;
    for (int x = 400; x < 776; x += 3) crossing.push_back({x, 320});
    const Points trembling{{500, 320}, {501, 321}, {502, 320}, {500, 322}, {501, 320}, {501, 320}};
    const std::tuple<Points, TickSettings, Rect, bool, std::string> kCases[] = {
        // Solid at the first tick more than the delay after the first tick inside, however the pointer trembles
        // by up to 2 pixels; on a screen edge after 50 ms.
        {trembling, kDefault, kBar, false, "-----#"},
        {Point{500, 320} * 12, {0.5f, true, false}, kBar, false, "-----------#"},
        {Point{776, 320} * 8, kDefault, kBar, false, "--------"},
        {Point{500, 10} * 1 + Point{500, 0} * 3, {5.0f, false, false}, kTop, false, "----"},
        {Point{500, 740} * 1 + Point{500, 767} * 3, kSlow, {400, 720, 776, 768}, false, "---#"},
        // With OnScreenBoderOnly a bar on an edge turns solid only with the pointer on that edge.
        {Point{500, 20} * 8 + Point{500, 0} * 3, kBorderOnly, kTop, false, "----------#"},
        {Point{700, 320} * 8, kBorderOnly, {647, 300, 1023, 348}, false, "--------"},
        // Left at t = 1100: see-through at the first tick with t - 200 > 1100, or at once when 101 pixels away.
        {Point{500, 320} * 1 + Point{500, 360} * 6, kDefault, kBar, true, "######-"},
        {Point{500, 320} * 1 + Point{877, 320} * 1, kSlow, kBar, true, "#-"}};
    for (const auto& [pointers, settings, bar, solid, states] : kCases)
        EXPECT_EQ(Ticks().Run(pointers, settings, bar, solid), states);
    Ticks ticks;  // only a tick that could turn the bar solid asks for the monitor
    ticks.Run(Point{10, 10} * 5 + crossing, kDefault, kBar, false);
    EXPECT_EQ(ticks.monitorReads, 0);
}

}  // namespace
}  // namespace tarn
