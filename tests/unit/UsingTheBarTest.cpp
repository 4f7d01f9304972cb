#include <gtest/gtest.h>

#include "bar/ButtonMenu.h"
#include "bar/ContextMenu.h"
#include "bar/LaunchParameters.h"
#include "fakes/BarRig.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using fakes::BarRig;

constexpr const char* kFolder = "D:\\Bar";
std::string In(const std::string& name) { return std::string(kFolder) + "\\" + name; }

// A bar of: edit.exe (program), notes.txt (document), a separator, the sub folders Games and Tools.
struct UsedBar : BarRig {
    UsedBar() {
        UseButtonFolder(kFolder);
        fs.AddFile(In("edit.exe"));
        fs.AddFile(In("notes.txt"));
        fs.AddFile(In("TarnDock_Folder.ini"), "h\r\n[FileNames]\r\nedit.exe\r\nnotes.txt\r\n<>\r\n");
        fs.AddFolder(In("Games"));
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
    static constexpr int kEdit = 1, kNotes = 2, kSeparator = 3, kGames = 4, kTools = 5;
};

TEST(UsingTheBar, ClickingAPlainButtonOpensItsFileWithoutParameters) {
    UsedBar rig;
    rig.bar->Toolbar_ButtonClick(UsedBar::kNotes);
    EXPECT_EQ(rig.shell.opened, (std::vector<fakes::FakeShell::Launch>{{In("notes.txt"), ""}}));
}

TEST(UsingTheBar, StartFileWithAnEmptyMissingOrPresentPath) {
    UsedBar rig;
    std::string empty;
    rig.bar->LaunchParameters = "\"x\"";
    rig.bar->StartFile(empty);
    EXPECT_EQ(rig.shell.openedFolders, std::vector<std::string>{kFolder});
    EXPECT_EQ(rig.bar->LaunchParameters, "");

    std::string gone = In("gone.txt");
    rig.bar->StartFile(gone);
    ASSERT_EQ(rig.messageBox.shown.size(), 1u);
    EXPECT_EQ(rig.messageBox.shown[0],
              (fakes::FakeMessageBox::Message{"File not found:\r\n" + In("gone.txt"), "TarnDock Error",
                                              MessageIcon::Critical}));
    std::string folder = In("Tools");  // a folder is no file
    rig.bar->StartFile(folder);
    EXPECT_EQ(rig.messageBox.shown.size(), 2u);

    std::string present = In("edit.exe");
    rig.bar->LaunchParameters = "\"a b\"";
    rig.bar->StartFile(present);
    EXPECT_EQ(rig.shell.opened, (std::vector<fakes::FakeShell::Launch>{{In("edit.exe"), "\"a b\""}}));
    EXPECT_EQ(rig.bar->LaunchParameters, "");
}

TEST(UsingTheBar, TheSameMenuButtonDoesNotReopenWithinAThirdOfASecondAfterItsMenuClosed) {
    UsedBar rig;
    rig.clock.now = 10'000;
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.popup.shown.size(), 1u);
    rig.clock.now += 300;
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.popup.shown.size(), 1u) << "within 0.3 s";
    rig.clock.now += 301;
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.popup.shown.size(), 2u) << "later than 0.3 s";
    rig.bar->Toolbar_ButtonClick(UsedBar::kTools);
    EXPECT_EQ(rig.popup.shown.size(), 3u) << "another button always opens";
    rig.bar->Toolbar_ButtonDropDown(UsedBar::kTools);
    EXPECT_EQ(rig.popup.shown.size(), 4u) << "the arrow has no 0.3 s rule";
}

TEST(UsingTheBar, TheClickTimeIsTakenWhenTheMenuClosed) {
    UsedBar rig;
    rig.clock.now = 10'000;
    rig.popup.during = [&] { rig.clock.now += 5'000; };  // the user looks at the menu for five seconds
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    rig.popup.during = nullptr;
    rig.clock.now += 100;
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.popup.shown.size(), 1u);
}

TEST(UsingTheBar, AMenusEntriesCaptionsAndAnchor) {
    UsedBar rig;
    rig.bar->settings.ShortcutLNK = false;
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    ASSERT_EQ(rig.popup.shown.size(), 1u);
    const auto& shown = rig.popup.shown[0];
    std::vector<std::string> captions;
    for (const MenuEntry& e : shown.entries) captions.push_back(e.caption);
    // Files shown as "-" do not turn into separator lines: "-", and "-.lnk" without its extension.
    EXPECT_EQ(captions, (std::vector<std::string>{"-", "chess.exe", "rules.txt", "- ", "- "}));
    for (const MenuEntry& e : shown.entries) EXPECT_TRUE(e.enabled);
    EXPECT_EQ(rig.menu->mnuItem[1].Tag, In("Games\\chess.exe"));
    // Centred under the button, at its lower edge, in the bar's pixels.
    const Rect b = rig.toolbar.ButtonRect(UsedBar::kGames);
    ASSERT_TRUE(shown.anchor.has_value());
    EXPECT_EQ(*shown.anchor, (Point{8 + b.left + 12, b.bottom}));  // 23 / 2 = 11.5 goes to the even 12
    EXPECT_FALSE(rig.bar->PopupOpen());
}

TEST(UsingTheBar, ChoosingAnEntryStartsItAndAnEmptyMenuOffersTheButtonFolder) {
    UsedBar rig;
    rig.popup.choices = {1};
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_EQ(rig.shell.opened, (std::vector<fakes::FakeShell::Launch>{{In("Games\\chess.exe"), ""}}));
    rig.popup.choices = {0};
    rig.bar->Toolbar_ButtonClick(UsedBar::kTools);
    ASSERT_EQ(rig.popup.shown.back().entries.size(), 1u);
    EXPECT_EQ(rig.popup.shown.back().entries[0].caption, "(Add buttons)");
    EXPECT_EQ(rig.shell.openedFolders, std::vector<std::string>{kFolder});
}

TEST(UsingTheBar, PopupOpenHoldsWhileAMenuIsOpen) {
    UsedBar rig;
    bool during = false;
    rig.popup.during = [&] { during = rig.bar->PopupOpen(); };
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_TRUE(during);
    EXPECT_FALSE(rig.bar->PopupOpen());
}

TEST(UsingTheBar, IconModeGivesEveryEnabledEntryABitmapOfOneSize) {
    UsedBar rig;
    rig.bar->settings.IconsInMenus = true;
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    const auto& entries = rig.popup.shown[0].entries;
    EXPECT_FALSE(entries[0].iconKey.has_value());  // the separator stays a line
    // The widest caption "chess.exe" is 9 * 7 = 63 pixels; the sample is 15 high.
    for (std::size_t n = 1; n < entries.size(); ++n) {
        ASSERT_TRUE(entries[n].iconKey.has_value()) << n;
        EXPECT_EQ(entries[n].bitmapSize, (Size{63 + 25, 16}));
    }
    EXPECT_EQ(MenuBitmapSize(40, 20), (Size{65, 21}));
}

TEST(UsingTheBar, QuotesDroppedPathsByTheCommandLineRules) {
    EXPECT_EQ(QuoteArgument("C:\\a b\\x.txt"), "\"C:\\a b\\x.txt\"");
    EXPECT_EQ(QuoteArgument("C:\\"), "\"C:\\\\\"");
    EXPECT_EQ(QuoteArgument("C:\\Data\\\\"), "\"C:\\Data\\\\\\\\\"");
    EXPECT_EQ(QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(JoinArguments({"C:\\a.txt"}), "\"C:\\a.txt\"");
    EXPECT_EQ(JoinArguments({"C:\\", "D:\\b c", "e"}), "\"C:\\\\\" \"D:\\b c\" \"e\"");
}

TEST(UsingTheBar, DraggingGreysTheButtonsThatCannotTakeFilesUntilTheDragEnds) {
    UsedBar rig;
    frmTarnDock& bar = *rig.bar;
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kNotes), DragState::Enter), kDropEffectNone);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kEdit).enabled);
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Over), kDropEffectMove);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    EXPECT_EQ(bar.DragOverIndex, UsedBar::kEdit);
    EXPECT_EQ(rig.lblTip.text, "Open with\r\nedit.exe");
    EXPECT_EQ(bar.TipPrefix, "");
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kSeparator), DragState::Over), kDropEffectNone);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    EXPECT_EQ(bar.OLEDragOver(true, 1, 0, rig.At(UsedBar::kGames), DragState::Over), kDropEffectMove);
    bar.OLEDragOver(true, 0, 0, {}, DragState::Leave);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kSeparator).enabled);
    EXPECT_EQ(bar.DragOverIndex, -1);
    // Data without a file list is refused everywhere.
    EXPECT_EQ(bar.OLEDragOver(false, 1, 0, rig.At(UsedBar::kEdit), DragState::Enter), kDropEffectNone);
    // The bar's background never takes a drop, but greys and restores the buttons.
    EXPECT_EQ(bar.Form_OLEDragOver(DragState::Enter), kDropEffectNone);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    bar.Form_OLEDragOver(DragState::Leave);
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
}

TEST(UsingTheBar, DroppingOnAProgramStartsItOnceWithEveryPathQuotedAndShortcutsResolved) {
    UsedBar rig;
    rig.shell.links["C:\\in\\doc.lnk"] = "C:\\docs\\doc.txt";
    rig.bar->OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Enter);
    rig.bar->OLEDragDrop({"C:\\in\\a b.txt", "C:\\in\\doc.lnk", "C:\\"}, 1, 0, rig.At(UsedBar::kEdit));
    EXPECT_EQ(rig.shell.opened, (std::vector<fakes::FakeShell::Launch>{
                                    {In("edit.exe"), "\"C:\\in\\a b.txt\" \"C:\\docs\\doc.txt\" \"C:\\\\\""}}));
    EXPECT_TRUE(rig.toolbar.Button(UsedBar::kNotes).enabled);
    EXPECT_FALSE(rig.toolbar.Button(UsedBar::kEdit).pressed);
    EXPECT_EQ(rig.bar->DragOverIndex, -1);
    // The next drag over the same button shows its tip again.
    rig.tip->HideTip();
    rig.bar->OLEDragOver(true, 1, 0, rig.At(UsedBar::kEdit), DragState::Enter);
    EXPECT_TRUE(rig.tip->Visible());
    rig.bar->OLEDragDrop({"C:\\in\\a b.txt"}, 1, 0, rig.At(UsedBar::kEdit));
    rig.shell.opened.clear();
    // A later click passes nothing.
    rig.bar->Toolbar_ButtonClick(UsedBar::kEdit);
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.shell.opened.back().parameters, "");
}

TEST(UsingTheBar, DroppingOnAMenuButtonOffersOnlyItsPrograms) {
    UsedBar rig;
    rig.shell.links[In("Games\\-.lnk")] = "C:\\Games\\solitaire.exe";
    rig.popup.choices = {1};
    rig.bar->OLEDragDrop({"C:\\x.txt"}, 1, 0, rig.At(UsedBar::kGames));
    const auto& entries = rig.popup.shown[0].entries;
    EXPECT_TRUE(entries[0].enabled);   // separator line
    EXPECT_TRUE(entries[1].enabled);   // chess.exe
    EXPECT_FALSE(entries[2].enabled);  // rules.txt
    EXPECT_FALSE(entries[3].enabled);  // "-"
    EXPECT_TRUE(entries[4].enabled);   // "-.lnk", a shortcut to a program
    EXPECT_EQ(rig.shell.opened, (std::vector<fakes::FakeShell::Launch>{{In("Games\\chess.exe"), "\"C:\\x.txt\""}}));
    // Dismissed: nothing starts, and the next click has no parameters.
    rig.bar->OLEDragDrop({"C:\\x.txt"}, 1, 0, rig.At(UsedBar::kGames));
    EXPECT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.bar->LaunchParameters, "");
    // With icons, the greyed entries get none.
    rig.bar->settings.IconsInMenus = true;
    rig.bar->OLEDragDrop({"C:\\x.txt"}, 1, 0, rig.At(UsedBar::kGames));
    EXPECT_TRUE(rig.popup.shown.back().entries[1].iconKey.has_value());
    EXPECT_FALSE(rig.popup.shown.back().entries[2].iconKey.has_value());
}

TEST(UsingTheBar, DroppingOnTheInformationButtonOrBesideTheButtonsDiscardsTheFiles) {
    BarRig rig;
    rig.Load();
    rig.bar->OLEDragDrop({"C:\\x.txt"}, 1, 0, {20, 10});
    EXPECT_EQ(rig.shell.openedFolders.size(), 1u);
    EXPECT_TRUE(rig.shell.opened.empty());
    rig.bar->OLEDragDrop({"C:\\x.txt"}, 1, 0, {300, 40});
    EXPECT_EQ(rig.bar->LaunchParameters, "");
}

TEST(UsingTheBar, TheContextMenuShowsItsCommandsWithTheKeysAfterATab) {
    UsedBar rig;
    rig.bar->Form_MouseDown(kRightButton, 0, 3, 3);
    ASSERT_EQ(rig.popup.shown.size(), 1u);
    std::vector<std::string> captions;
    for (const MenuEntry& e : rig.popup.shown[0].entries) captions.push_back(e.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Add or remove buttons\tF8", "Edit button order\tF9", "-",
                                                  "Options\tF2", "-", "Refresh\tF5", "Help\tF1", "-",
                                                  "Minimize\tF3", "-", "End\tAlt+F4"}));
    EXPECT_FALSE(rig.popup.shown[0].anchor.has_value());
    EXPECT_FALSE(rig.bar->PopupOpen());
}

TEST(UsingTheBar, KeysAndCommands) {
    UsedBar rig;
    frmTarnDock& bar = *rig.bar;
    bar.Form_KeyDown(119, 0);
    EXPECT_EQ(rig.shell.openedFolders, std::vector<std::string>{kFolder});
    bar.Form_KeyDown(113, 0);
    EXPECT_EQ(rig.host.options, 1);
    bar.Form_KeyDown(112, 0);
    EXPECT_EQ(rig.host.help, 1);
    // Edit order, cancelled: no rebuild; saved: rebuilt at once.
    rig.fs.AddFile(In("new.txt"));
    bar.Form_KeyDown(120, 0);
    EXPECT_EQ(rig.host.foldersToEdit, std::vector<std::string>{kFolder});
    EXPECT_EQ(rig.toolbar.Count(), 5);
    rig.host.foldersToEditResult = 1;
    bar.Form_KeyDown(120, 0);
    EXPECT_EQ(rig.toolbar.Count(), 6);
    rig.fs.Remove(In("new.txt"));
    bar.Form_KeyDown(116, 0);  // Refresh
    EXPECT_EQ(rig.toolbar.Count(), 5);
    bar.Form_KeyDown(115, 0);  // F4 alone does nothing
    bar.Form_KeyDown(65, 4);   // nor any other key
    EXPECT_EQ(rig.host.ends, 0);
    bar.Form_KeyDown(93, 0);  // the menu key opens the context menu
    EXPECT_EQ(rig.popup.shown.size(), 1u);
    bar.Form_KeyDown(114, 0);  // Minimize: the taskbar entry stands for the hidden bar
    EXPECT_EQ(rig.menuWindow.shows.back(), ShowCommand::ShowMinimized);
    EXPECT_EQ(rig.window.shows.back(), ShowCommand::Hide);
    rig.menu->Form_Resize(kWindowStateMinimized);
    rig.menu->Form_Resize(kWindowStateNormal);  // restored from the taskbar
    EXPECT_EQ(rig.window.shows.back(), ShowCommand::Show);
    EXPECT_EQ(rig.menuWindow.shows.back(), ShowCommand::Hide);
    bar.Form_KeyDown(115, 4);  // Alt+F4 ends through QuitProgram, storing the settings
    EXPECT_EQ(rig.host.ends, 1);
    EXPECT_FALSE(rig.SettingsText().empty());
}

TEST(UsingTheBar, StoringWritesTheOrderFilesOfTheButtonFolderAndOfEachSubFolder) {
    UsedBar rig;
    const std::string gamesOrder = *rig.fs.Bytes(In("Games\\TarnDock_Folder.ini"));
    // A folder that cannot be written is skipped without a message; the next one is still written.
    rig.fs.SetReadOnly(In("Games"));
    rig.bar->StoreSettings();
    EXPECT_EQ(rig.fs.Bytes(In("TarnDock_Folder.ini")), FormatOrderFile({"edit.exe", "notes.txt", "<>"}, rig.codec));
    EXPECT_EQ(rig.fs.Bytes(In("Games\\TarnDock_Folder.ini")), gamesOrder);
    EXPECT_EQ(rig.fs.Bytes(In("Tools\\TarnDock_Folder.ini")), FormatOrderFile({}, rig.codec));

    UsedBar writable;
    writable.bar->StoreSettings();
    EXPECT_EQ(writable.fs.Bytes(In("Games\\TarnDock_Folder.ini")),
              FormatOrderFile({"<>", "chess.exe", "rules.txt", "-", "-.lnk"}, writable.codec));
}

TEST(UsingTheBar, AButtonsEdgesBelongToItAndXIsTakenOnePixelToTheRight) {
    UsedBar rig;
    const Rect edit = rig.toolbar.ButtonRect(UsedBar::kEdit);
    const Rect notes = rig.toolbar.ButtonRect(UsedBar::kNotes);
    ASSERT_EQ(edit.right, notes.left);
    struct Case {
        Point point;
        int button;
    };
    const Case cases[] = {
        {{edit.left - 2, edit.top}, -1},
        {{edit.left - 1, edit.top}, UsedBar::kEdit},
        {{edit.right - 1, edit.bottom}, UsedBar::kEdit},  // x + 1 on the edge both share: the first one
        {{edit.right, edit.top}, UsedBar::kNotes},
        {{edit.left, edit.bottom + 1}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(rig.bar->ButtonAtPoint(c.point.x, c.point.y), c.button) << c.point.x;
}

TEST(UsingTheBar, ChoosingEndOnTheContextMenuQuits) {
    UsedBar rig;
    rig.popup.choices = {10};
    rig.bar->Form_MouseDown(kRightButton, 0, 3, 3);
    EXPECT_EQ(rig.host.ends, 1);
    EXPECT_EQ(rig.host.unloaded.size(), 7u);
}

TEST(UsingTheBar, HoveringShowsTheTipAndMovingOverTheBackgroundHidesIt) {
    UsedBar rig;
    const Point p = rig.At(UsedBar::kNotes);
    rig.bar->Toolbar_MouseMove(0, 0, p.x * 15.0, p.y * 15.0);
    EXPECT_TRUE(rig.tip->Visible());
    EXPECT_EQ(rig.lblTip.text, "notes.txt");
    EXPECT_EQ(rig.bar->HoverIndex, UsedBar::kNotes);
    const Point s = rig.At(UsedBar::kSeparator);
    rig.bar->Toolbar_MouseMove(0, 0, s.x * 15.0, s.y * 15.0);
    EXPECT_FALSE(rig.tip->Visible());
    rig.bar->Toolbar_MouseMove(0, 0, p.x * 15.0, p.y * 15.0);
    rig.bar->Form_MouseMove(0, 0, 2, 2);
    EXPECT_FALSE(rig.tip->Visible());
    EXPECT_EQ(rig.bar->HoverIndex, -1);
    // Opening a button menu hides the tip too.
    rig.bar->Toolbar_MouseMove(0, 0, p.x * 15.0, p.y * 15.0);
    rig.bar->Toolbar_ButtonClick(UsedBar::kGames);
    EXPECT_FALSE(rig.tip->Visible());
}

TEST(UsingTheBar, DraggingTheSolidBarsMarginMovesItWithTheGrabPointUnderThePointer) {
    UsedBar rig;
    const Rect before = rig.window.WindowRect();
    rig.bar->Form_MouseDown(kLeftButton, 0, 3, 20);
    rig.bar->Form_MouseMove(kLeftButton, 0, 13, 15);
    EXPECT_EQ(rig.window.WindowRect(), (Rect{before.left + 10, before.top - 5, before.right + 10, before.bottom - 5}));
    rig.bar->Form_MouseMove(kLeftButton | kRightButton, 0, 40, 40);  // not exactly the left button
    EXPECT_EQ(rig.window.WindowRect().left, before.left + 10);
}

}  // namespace
}  // namespace tarn
