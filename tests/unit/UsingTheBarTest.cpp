#include <gtest/gtest.h>

#include "bar/ButtonMenu.h"
#include "bar/ContextMenu.h"
#include "bar/LaunchParameters.h"
#include "fakes/BarRig.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using fakes::BarRig;
using Launches = std::vector<fakes::FakeShell::Launch>;

constexpr const char* kFolder = "D:\\Bar";
std::string In(const std::string& name) { return std::string(kFolder) + "\\" + name; }

// A bar of: edit.exe (program), notes.txt (document), a separator, the sub folders Games and Tools (empty).
struct UsedBar : BarRig {
    UsedBar() {
        UseButtonFolder(kFolder);
        fs.AddFile(In("edit.exe"));
        fs.AddFile(In("notes.txt"));
        fs.AddFile(In("TarnDock_Folder.ini"), "h\r\n[FileNames]\r\nedit.exe\r\nnotes.txt\r\n<>\r\n");
        fs.AddFile(In("Games\\chess.exe"));
        fs.AddFile(In("Games\\rules.txt"));
        fs.AddFile(In("Games\\-"));
        fs.AddFile(In("Games\\-.lnk"));
        fs.AddFile(In("Games\\TarnDock_Folder.ini"), "h\r\n[FileNames]\r\n<>\r\nchess.exe\r\nrules.txt\r\n-\r\n");
        fs.AddFolder(In("Tools"));
        Load();
    }
    // The centre of a button, in the toolbar's pixels.
    Point At(int index) const {
        const Rect r = toolbar.ButtonRect(index);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const MenuItem& item : popup.items) captions.push_back(item.caption);
        return captions;
    }
    static constexpr int kEdit = 1, kNotes = 2, kSeparator = 3, kGames = 4, kTools = 5;
};

TEST(UsingTheBar, StartFileOpensAFileOrTheButtonFolderOrSaysTheFileIsGone) {
    UsedBar rig;
    rig.bar.Toolbar_ButtonClick(UsedBar::kNotes);
    EXPECT_EQ(rig.shell.opened, (Launches{{In("notes.txt"), ""}}));
    rig.bar.StartFile("");
    EXPECT_EQ(rig.shell.openedFolder, kFolder);
    rig.bar.StartFile(In("gone.txt"));
    EXPECT_EQ(rig.messageBox.text, "File not found:\r\n" + In("gone.txt"));
    EXPECT_EQ(rig.messageBox.title, "TarnDock Error");
    rig.bar.StartFile(In("Tools"));  // a folder is no file
    EXPECT_EQ(rig.messageBox.shown, 2);
}

TEST(UsingTheBar, TheSameMenuButtonDoesNotReopenWithinAThirdOfASecondAfterItsMenuClosed) {
    UsedBar rig;
    rig.clock.now = 10'000;
    rig.popup.during = [&] { rig.clock.now += 5'000; };  // the time is taken when the menu closed
    rig.bar.Toolbar_ButtonClick(UsedBar::kGames);
    rig.popup.during = nullptr;
    rig.clock.now += 300;
    rig.bar.Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.popup.shows, 1) << "within 0.3 s";
    rig.clock.now += 301;
    rig.bar.Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.popup.shows, 2) << "later than 0.3 s";
    rig.bar.Toolbar_ButtonClick(UsedBar::kTools);
    EXPECT_EQ(rig.popup.shows, 3) << "another button always opens";
    rig.bar.Toolbar_ButtonDropDown(UsedBar::kTools);
    EXPECT_EQ(rig.popup.shows, 4) << "the arrow has no 0.3 s rule";
}

TEST(UsingTheBar, AMenusEntriesAnchorAndChoice) {
    UsedBar rig;
    rig.bar.CurrentSettings().ShortcutLNK = false;
    rig.popup.choices = {1};
    rig.bar.Toolbar_ButtonClick(UsedBar::kGames);
    // Files shown as "-" do not turn into separator lines: "-", and "-.lnk" without its extension.
    EXPECT_EQ(rig.Captions(), (std::vector<std::string>{"-", "chess.exe", "rules.txt", "- ", "- "}));
    for (const MenuItem& item : rig.popup.items) EXPECT_TRUE(item.enabled && !item.iconKey);
    const Rect b = rig.toolbar.ButtonRect(UsedBar::kGames);
    EXPECT_EQ(rig.popup.anchor, (Point{8 + b.left + 12, b.bottom}));  // 23 / 2 = 11.5 goes to the even 12
    EXPECT_EQ(rig.shell.opened, (Launches{{In("Games\\chess.exe"), ""}}));
    // An empty menu offers the button folder.
    rig.popup.choices = {0};
    rig.bar.Toolbar_ButtonClick(UsedBar::kTools);
    EXPECT_EQ(rig.Captions(), std::vector<std::string>{"(Add buttons)"});
    EXPECT_EQ(rig.shell.openedFolder, kFolder);
}

TEST(UsingTheBar, IconModeGivesEveryEnabledEntryABitmapOfOneSizeButTheAddButtonsEntryStaysText) {
    UsedBar rig;
    rig.bar.CurrentSettings().IconsInMenus = true;
    rig.bar.Toolbar_ButtonClick(UsedBar::kGames);
    const auto& items = rig.popup.items;
    EXPECT_FALSE(items[0].iconKey.has_value());  // the separator stays a line
    // The widest caption "chess.exe" is 9 * 7 = 63 pixels; the sample is 15 high.
    for (std::size_t n = 1; n < items.size(); ++n) {
        EXPECT_TRUE(items[n].iconKey.has_value()) << n;
        EXPECT_EQ(items[n].bitmapSize, (Size{63 + 25, 16})) << n;
    }
    EXPECT_EQ(MenuBitmapSize(40, 20), (Size{65, 21}));
    rig.bar.Toolbar_ButtonClick(UsedBar::kTools);
    EXPECT_EQ(rig.popup.items, std::vector<MenuItem>{AddButtonsItem()});
}

TEST(UsingTheBar, QuotesDroppedPathsByTheCommandLineRules) {
    static constexpr struct {
        const char* path;
        const char* quoted;
    } kCases[] = {{"C:\\a b\\x.txt", "\"C:\\a b\\x.txt\""},
                  {"C:\\", "\"C:\\\\\""},
                  {"C:\\Data\\\\", "\"C:\\Data\\\\\\\\\""},
                  {"a\\\"b", "\"a\\\\\\\"b\""}};
    for (const auto& c : kCases) EXPECT_EQ(QuoteArgument(c.path), c.quoted);
    EXPECT_EQ(JoinArguments({"C:\\", "D:\\b c", "e"}), "\"C:\\\\\" \"D:\\b c\" \"e\"");
}

TEST(UsingTheBar, DraggingGreysTheButtonsThatCannotTakeFilesUntilTheDragEnds) {
    UsedBar rig;
    frmTarnDock& bar = rig.bar;
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kNotes), DragState::Enter), DropEffect::None);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kEdit).enabled);
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Over), DropEffect::Move);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    EXPECT_EQ(rig.lblTip.text, "Open with\r\nedit.exe");
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kSeparator), DragState::Over), DropEffect::None);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kGames), DragState::Over), DropEffect::Move);
    EXPECT_EQ(bar.OLEDragOver(false, 1, 0, rig.At(UsedBar::kEdit), DragState::Over), DropEffect::None);  // no files
    bar.OLEDragOver(true, 0, 0, {}, DragState::Leave);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kSeparator).enabled);
    // The bar's background never takes a drop, but greys and restores the buttons.
    EXPECT_EQ(bar.Form_OLEDragOver(DragState::Enter), DropEffect::None);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    bar.Form_OLEDragOver(DragState::Leave);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
}

TEST(UsingTheBar, AButtonsEdgesBelongToItAndXIsTakenOnePixelToTheRight) {
    UsedBar rig;
    const Rect edit = rig.toolbar.ButtonRect(UsedBar::kEdit);
    const struct {
        Point point;
        bool onEdit;
    } cases[] = {
        {{edit.left - 2, edit.top}, false},    {{edit.left - 1, edit.top}, true},
        {{edit.right - 1, edit.bottom}, true},  // x + 1 on the edge both share: the first one
        {{edit.right, edit.top}, false},        // notes.txt, which takes no drop
        {{edit.left, edit.bottom + 1}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rig.bar.OLEDragOver(true, 1, 0, c.point, DragState::Over) == DropEffect::Move, c.onEdit)
            << c.point.x << "," << c.point.y;
    }
}

TEST(UsingTheBar, DroppingOnAProgramStartsItOnceWithEveryPathQuotedAndShortcutsResolved) {
    UsedBar rig;
    rig.shell.links["C:\\in\\doc.lnk"] = "C:\\docs\\doc.txt";
    rig.bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Enter);
    rig.bar.OLEDragDrop({"C:\\in\\a b.txt", "C:\\in\\doc.lnk", "C:\\"}, 1, 0, rig.At(UsedBar::kEdit));
    EXPECT_EQ(rig.shell.opened, (Launches{{In("edit.exe"), "\"C:\\in\\a b.txt\" \"C:\\docs\\doc.txt\" \"C:\\\\\""}}));
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    // The next drag over the same button shows its tip again; a later click passes nothing.
    rig.tip.HideTip();
    rig.bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Enter);
    EXPECT_TRUE(rig.tip.Visible());
    rig.bar.OLEDragDrop({"C:\\in\\a b.txt"}, 1, 0, rig.At(UsedBar::kEdit));
    rig.bar.Toolbar_ButtonClick(UsedBar::kEdit);
    EXPECT_EQ(rig.shell.opened.back(), (fakes::FakeShell::Launch{In("edit.exe"), ""}));
}

TEST(UsingTheBar, ADropThatHandsOverNoFilesStartsNothingAndEndsTheDrag) {
    UsedBar rig;
    rig.bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Enter);
    ASSERT_FALSE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    ASSERT_TRUE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    rig.bar.OLEDragDrop({}, 1, 0, rig.At(UsedBar::kEdit));
    EXPECT_TRUE(rig.shell.opened.empty());
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    rig.bar.Toolbar_ButtonClick(UsedBar::kEdit);
    EXPECT_EQ(rig.shell.opened, (Launches{{In("edit.exe"), ""}}));
}

TEST(UsingTheBar, DroppingOnAMenuButtonOffersOnlyItsPrograms) {
    UsedBar rig;
    rig.shell.links[In("Games\\-.lnk")] = "C:\\Games\\solitaire.exe";
    rig.popup.choices = {1};
    rig.bar.OLEDragDrop({"C:\\x.txt"}, 1, 0, rig.At(UsedBar::kGames));
    std::vector<bool> enabled;
    for (const MenuItem& item : rig.popup.items) enabled.push_back(item.enabled);
    // The separator line, chess.exe, rules.txt, "-", and "-.lnk" (a shortcut to a program).
    EXPECT_EQ(enabled, (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(rig.shell.opened, (Launches{{In("Games\\chess.exe"), "\"C:\\x.txt\""}}));
    // Dismissed: nothing starts, and the next menu is no drop menu.
    rig.bar.OLEDragDrop({"C:\\x.txt"}, 1, 0, rig.At(UsedBar::kGames));
    rig.bar.Toolbar_ButtonDropDown(UsedBar::kGames);
    EXPECT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_TRUE(rig.popup.items[2].enabled);
    // With icons, the greyed entries get none.
    rig.bar.CurrentSettings().IconsInMenus = true;
    rig.bar.OLEDragDrop({"C:\\x.txt"}, 1, 0, rig.At(UsedBar::kGames));
    EXPECT_TRUE(rig.popup.items[1].iconKey.has_value());
    EXPECT_FALSE(rig.popup.items[2].iconKey.has_value());
}

TEST(UsingTheBar, DroppingOnTheInformationButtonOrBesideTheButtonsDiscardsTheFiles) {
    BarRig rig;
    rig.Load();
    rig.bar.OLEDragDrop({"C:\\x.txt"}, 1, 0, {20, 10});
    rig.bar.OLEDragDrop({"C:\\x.txt"}, 1, 0, {300, 40});
    EXPECT_EQ(rig.shell.openedFolder, BarRig::kButtons);
    EXPECT_TRUE(rig.shell.opened.empty());
}

TEST(UsingTheBar, TheContextMenuShowsItsCommandsWithTheKeysAfterATab) {
    UsedBar rig;
    rig.popup.choices = {10};
    rig.bar.Form_MouseDown(kRightButton, 0, 3, 3);
    EXPECT_EQ(rig.Captions(),
              (std::vector<std::string>{"Add or remove buttons\tF8", "Edit button order\tF9", "-", "Options\tF2", "-",
                                        "Refresh\tF5", "Help\tF1", "-", "Minimize\tF3", "-", "End\tAlt+F4"}));
    EXPECT_FALSE(rig.popup.anchor.has_value());
    EXPECT_EQ(rig.host.ends, 1);  // End quits
    EXPECT_EQ(rig.host.unloaded, 7);
}

TEST(ContextMenu, KeyCommandTakesTheFunctionKeysWithOrWithoutAltAndF4OnlyWithAlt) {
    static constexpr struct {
        Key key;
        std::optional<BarCommand> plain, alt;
    } kCases[] = {
        {Key::F1, BarCommand::Help, BarCommand::Help},
        {Key::F2, BarCommand::Options, BarCommand::Options},
        {Key::F3, BarCommand::Minimize, BarCommand::Minimize},
        {Key::F4, std::nullopt, BarCommand::End},
        {Key::F5, BarCommand::Refresh, BarCommand::Refresh},
        {Key::F8, BarCommand::EditFolder, BarCommand::EditFolder},
        {Key::F9, BarCommand::EditOrder, BarCommand::EditOrder},
        {Key::Return, std::nullopt, std::nullopt},
        {Key::Other, std::nullopt, std::nullopt},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(KeyCommand(c.key, 0), c.plain) << static_cast<int>(c.key);
        EXPECT_EQ(KeyCommand(c.key, kAltMask), c.alt) << static_cast<int>(c.key);
        EXPECT_EQ(KeyCommand(c.key, kAltMask | kShiftMask), c.alt) << static_cast<int>(c.key);
    }
}

TEST(UsingTheBar, KeysRunTheirCommands) {
    UsedBar rig;
    frmTarnDock& bar = rig.bar;
    bar.Form_KeyDown(Key::F2, 0);
    EXPECT_EQ(rig.host.options, 1);
    // Edit order, cancelled: no rebuild; saved: rebuilt at once.
    rig.fs.AddFile(In("new.txt"));
    bar.Form_KeyDown(Key::F9, 0);
    EXPECT_EQ(rig.toolbar.Count(), 5);
    rig.host.foldersToEditResult = 1;
    bar.Form_KeyDown(Key::F9, 0);
    EXPECT_EQ(rig.toolbar.Count(), 6);
    bar.Form_KeyDown(Key::Menu, 0);
    EXPECT_EQ(rig.popup.shows, 1);
    bar.Form_KeyDown(Key::F3, 0);  // Minimize: the taskbar entry stands for the hidden bar
    EXPECT_EQ(rig.menuWindow.lastShow, ShowCommand::ShowMinimized);
    EXPECT_FALSE(rig.window.IsVisible());
    rig.menu.Form_Resize(WindowState::Minimized);
    rig.menu.Form_Resize(WindowState::Normal);  // restored from the taskbar
    EXPECT_TRUE(rig.window.IsVisible());
    EXPECT_FALSE(rig.menuWindow.IsVisible());
    bar.Form_KeyDown(Key::F4, kAltMask);  // ends through QuitProgram, storing the settings
    EXPECT_EQ(rig.host.ends, 1);
    EXPECT_FALSE(rig.SettingsText().empty());
}

TEST(UsingTheBar, StoringWritesTheOrderFilesOfTheButtonFolderAndOfEachSubFolder) {
    UsedBar rig;
    const std::string gamesOrder = *rig.fs.Bytes(In("Games\\TarnDock_Folder.ini"));
    // A folder that cannot be written is skipped without a message; the next one is still written.
    rig.fs.SetReadOnly(In("Games"));
    rig.bar.StoreSettings();
    EXPECT_EQ(rig.fs.Bytes(In("TarnDock_Folder.ini")), FormatOrderFile({"edit.exe", "notes.txt", "<>"}, rig.codec));
    EXPECT_EQ(rig.fs.Bytes(In("Games\\TarnDock_Folder.ini")), gamesOrder);
    EXPECT_EQ(rig.fs.Bytes(In("Tools\\TarnDock_Folder.ini")), FormatOrderFile({}, rig.codec));
    EXPECT_EQ(rig.messageBox.shown, 0);
    UsedBar writable;
    writable.bar.StoreSettings();
    EXPECT_EQ(writable.fs.Bytes(In("Games\\TarnDock_Folder.ini")),
              FormatOrderFile({"<>", "chess.exe", "rules.txt", "-", "-.lnk"}, writable.codec));
}

TEST(UsingTheBar, HoveringShowsTheTipByTheDisplayNameAndTheBackgroundHidesIt) {
    UsedBar rig;
    rig.fs.AddFile(In("Editor.LNK"));
    rig.bar.CurrentSettings().ShortcutLNK = false;
    rig.bar.FillToolbar();
    const auto hover = [&](int index) {
        const Point p = rig.At(index);
        rig.bar.Toolbar_MouseMove(0, 0, p.x * 15.0, p.y * 15.0);
        return rig.tip.Visible() ? rig.lblTip.text : "(hidden)";
    };
    EXPECT_EQ(hover(UsedBar::kSeparator + 1), "Editor");
    EXPECT_EQ(hover(UsedBar::kSeparator), "(hidden)");
    EXPECT_EQ(hover(UsedBar::kNotes), "notes.txt");
    rig.bar.Form_MouseMove(0, 0, 2, 2);
    EXPECT_FALSE(rig.tip.Visible());
    EXPECT_EQ(hover(UsedBar::kNotes), "notes.txt");    // the same button again after the background
    rig.bar.Toolbar_ButtonClick(UsedBar::kGames + 1);  // opening a button menu hides it too
    EXPECT_FALSE(rig.tip.Visible());
}

TEST(UsingTheBar, DraggingTheSolidBarsMarginMovesItWithTheGrabPointUnderThePointer) {
    UsedBar rig;
    const Rect before = rig.window.WindowRect();
    rig.bar.Form_MouseDown(kLeftButton, 0, 3, 20);
    rig.bar.Form_MouseMove(kLeftButton, 0, 13, 15);
    EXPECT_EQ(rig.window.WindowRect(), (Rect{before.left + 10, before.top - 5, before.right + 10, before.bottom - 5}));
    rig.bar.Form_MouseMove(kLeftButton | kRightButton, 0, 40, 40);  // not exactly the left button
    EXPECT_EQ(rig.window.WindowRect().left, before.left + 10);
}

}  // namespace
}  // namespace tarn
