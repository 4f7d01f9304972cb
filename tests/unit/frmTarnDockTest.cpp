#include <gtest/gtest.h>

#include "bar/BarLayout.h"
#include "fakes/BarRig.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using fakes::BarRig;

constexpr const char* kFolder = "D:\\Bar";
std::string In(const std::string& name) { return std::string(kFolder) + "\\" + name; }

TEST(frmTarnDock, FirstStartCreatesBothFoldersAndShowsTheSeeThroughBarWithTheInformationButton) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    EXPECT_TRUE(rig.fs.FolderExists(BarRig::kButtons));
    EXPECT_EQ(bar.SettingsFile(), BarRig::kSettingsFile);
    EXPECT_EQ(bar.CurrentSettings().FolderPath, BarRig::kButtons);
    // Always on top, see-through for the mouse, the button face cut out and the rest at Alpha.
    EXPECT_TRUE(rig.window.topmost);
    EXPECT_TRUE(rig.window.seeThrough);
    EXPECT_EQ(rig.window.colourKey, 0xF0F0F0u);
    EXPECT_EQ(rig.window.alpha, 110);
    EXPECT_FALSE(bar.Solid());
    EXPECT_EQ(rig.ilIcons.order.front(), "sep");
    ASSERT_EQ(rig.toolbar.Count(), 1);
    EXPECT_EQ(rig.toolbar.Button(1).kind, ButtonKind::Info);
    EXPECT_EQ(rig.toolbar.Button(1).caption, "TarnDock - Add buttons");
    EXPECT_EQ(rig.window.WindowRect(), (Rect{671, 0, 1047, 48}));  // 10065 / 15 = 671 pixels
    EXPECT_FALSE(rig.fs.FileExists(BarRig::kSettingsFile));        // nothing is written before the end
    rig.fs.Remove(BarRig::kButtons);
    rig.fs.AddFile(BarRig::kSettingsFile, "[Settings]\r\nFolderPath=D:\\Gone\r\n");
    rig.Load();  // a configured folder that is missing is not created
    EXPECT_FALSE(rig.fs.FolderExists("D:\\Gone"));
    EXPECT_FALSE(rig.fs.FolderExists(BarRig::kButtons));
}

TEST(frmTarnDock, AStoredAlphaOutsideTheOpacityRangeIsClampedWhereItIsApplied) {
    static constexpr struct { int stored, applied; } kCases[] = {{300, 255}, {-5, 0}, {0, 0}, {255, 255}};
    for (const auto& c : kCases) {
        BarRig rig;
        rig.fs.AddFile(BarRig::kSettingsFile, "[Settings]\r\nAlpha=" + std::to_string(c.stored) + "\r\n");
        frmTarnDock& bar = rig.Load();
        EXPECT_EQ(bar.CurrentSettings().Alpha, c.stored);
        EXPECT_EQ(rig.window.alpha, c.applied) << c.stored;
        rig.window.alpha = -1;
        bar.SetAlpha(c.stored);
        EXPECT_EQ(rig.window.alpha, c.applied) << c.stored;
    }
}

TEST(frmTarnDock, EveryWayOutStoresTheSettingsOnce) {
    for (int way = 0; way < 3; ++way) {
        BarRig rig;
        rig.Load();
        if (way == 0) rig.bar.QuitProgram();
        if (way == 1) rig.bar.Form_Unload();                                   // closed by the system
        if (way == 2) rig.menu.Form_QueryUnload(UnloadMode::FormControlMenu);  // the minimised bar's taskbar entry
        EXPECT_EQ(rig.SettingsText(), fakes::kFreshSettingsFile) << way;
        EXPECT_TRUE(rig.fs.FileExists(std::string(BarRig::kButtons) + "\\TarnDock_Folder.ini")) << way;
        if (way < 2) {  // the unload handler may be reached a second time
            rig.fs.Remove(BarRig::kSettingsFile);
            rig.bar.Form_Unload();
            EXPECT_FALSE(rig.fs.FileExists(BarRig::kSettingsFile)) << way;
        }
        EXPECT_EQ(rig.host.ends, way == 1 ? 0 : 1) << way;
    }
    BarRig rig;  // frmMenu unloaded by code stores nothing itself
    rig.Load();
    rig.menu.Form_QueryUnload(UnloadMode::FromCode);
    EXPECT_FALSE(rig.fs.FileExists(BarRig::kSettingsFile));
    EXPECT_EQ(rig.host.ends, 0);
}

TEST(frmTarnDock, StoresTheBarsLastPlaceInTwipsAndBringsAnOffScreenBarBack) {
    BarRig rig;
    rig.fs.AddFile(BarRig::kSettingsFile, "[Settings]\r\nLeft=-100000\r\nWidth=0\r\nShortcutLNK=5\r\n");
    frmTarnDock& bar = rig.Load();
    // 240 twips from the placement, then 480 from the layout's minimum; half of 240 may lie off the screen.
    EXPECT_EQ(rig.window.WindowRect(), (Rect{-8, 0, 24, 48}));
    bar.StoreSettings();
    // Keys already in the file keep their lines; the others are appended.
    for (const char* line :
         {"\r\nLeft=-120\r\n", "\r\nWidth=480\r\n", "\r\nShortcutLNK=-1\r\n", "\r\nHeight=720\r\n"}) {
        EXPECT_NE(rig.SettingsText().find(line), std::string::npos) << line << rig.SettingsText();
    }
    rig.window.Move({100, 200, 600, 260});
    bar.StoreSettings();
    for (const char* line : {"\r\nLeft=1500\r\n", "\r\nTop=3000\r\n", "\r\nWidth=7500\r\n", "\r\nHeight=900\r\n"}) {
        EXPECT_NE(rig.SettingsText().find(line), std::string::npos) << line << rig.SettingsText();
    }
}

struct FilledBar : BarRig {
    explicit FilledBar(const std::string& moreSettings = {}) {
        UseButtonFolder(kFolder, moreSettings);
        shell.iconByExtension = {{"lnk", 7}, {"txt", 3}, {"exe", 9}};
        shell.iconByPath[In("Tools")] = 4;
    }
};

TEST(FillToolbar, ASeparatorThenAProgramThenTheSubFolderMenu) {
    FilledBar rig;
    rig.fs.AddFile(In("a.lnk"));
    rig.fs.AddFolder(In("Tools"));
    rig.fs.AddFile(In("Tools\\x.txt"));
    rig.fs.AddFolder(In("Empty\\Inner"));  // only one level is shown
    rig.fs.AddFile(In("TarnDock_Folder.ini"), "; header\r\n[FileNames]\r\n<>\r\na.lnk\r\n");
    rig.shell.links[In("a.lnk")] = "C:\\Program Files\\A\\a.exe";
    frmTarnDock& bar = rig.Load();
    const std::vector<ButtonRecord> expected{
        {ButtonStyle::Plain, "sep", "", ButtonKind::Separator, "", false, false},
        {ButtonStyle::Plain, "I7", In("a.lnk"), ButtonKind::Program, "", true, false},
        {ButtonStyle::DropDown, "I1", In("Empty"), ButtonKind::Folder, "", true, false},
        {ButtonStyle::DropDown, "I4", In("Tools"), ButtonKind::Folder, "", true, false}};
    EXPECT_EQ(rig.toolbar.buttons, expected);
    EXPECT_EQ(bar.MenuDics().at(3).Count(), 0);
    EXPECT_EQ(bar.MenuDics().at(4).Count(), 1);
    // Each picture is stored once: the separator first, then the icons as they were first met.
    EXPECT_EQ(rig.ilIcons.order, (std::vector<std::string>{"sep", "I7", "I1", "I4"}));
    bar.FillToolbar();  // a rebuild gives the same buttons and menus
    EXPECT_EQ(rig.toolbar.buttons, expected);
    EXPECT_EQ(bar.MenuDics().size(), 2u);
    EXPECT_EQ(bar.MenuDics().at(4)[0].value, In("Tools\\x.txt"));
}

TEST(FillToolbar, ThreeShortcutsToOneProgramGroupedByIconFormOneMenuButton) {
    FilledBar rig("FileGrouping=2\r\n");
    for (const char* name : {"one.lnk", "two.lnk", "three.lnk"}) {
        rig.fs.AddFile(In(name));
        rig.shell.links[In(name)] = "C:\\Tools\\edit.exe";
    }
    rig.fs.AddFile(In("notes.txt"));
    rig.fs.AddFile(In("TarnDock_Folder.ini"), "h\r\n[FileNames]\r\none.lnk\r\ntwo.lnk\r\nthree.lnk\r\n");
    frmTarnDock& bar = rig.Load();
    ASSERT_EQ(rig.toolbar.Count(), 2);
    EXPECT_EQ(rig.toolbar.Button(1),
              (ButtonRecord{ButtonStyle::DropDown, "I7", "", ButtonKind::Program, "", true, false}));
    const ItemDictionary& members = bar.MenuDics().at(1);
    ASSERT_EQ(members.Count(), 3);
    EXPECT_EQ(members[0].value, In("one.lnk"));
    EXPECT_EQ(members[2].key, "three.lnk");
    EXPECT_EQ(rig.toolbar.Button(2).kind, ButtonKind::File);
}

TEST(FillToolbar, AButtonFolderThatVanishedKeepsTheButtonsOfTheLastBuild) {
    FilledBar rig;
    rig.fs.AddFile(In("a.txt"));
    frmTarnDock& bar = rig.Load();
    rig.fs.Remove(kFolder);
    bar.FillToolbar();
    ASSERT_EQ(rig.toolbar.Count(), 1);
    EXPECT_EQ(rig.toolbar.Button(1).tag, In("a.txt"));
    EXPECT_EQ(bar.FileDic().Count(), 1);
}

TEST(FillToolbar, OnlySeparatorsGiveNoInformationButton) {
    FilledBar rig;
    rig.fs.AddFile(In("TarnDock_Folder.ini"), "h\r\n[FileNames]\r\n<>\r\n<>\r\n");
    rig.Load();
    ASSERT_EQ(rig.toolbar.Count(), 2);
    EXPECT_EQ(rig.toolbar.Button(2).kind, ButtonKind::Separator);
}

TEST(FillToolbar, ResolvesEachShortcutOncePerBuildAndAfreshInTheNext) {
    FilledBar rig("FileGrouping=1\r\n");
    for (int i = 0; i < 20; ++i) rig.fs.AddFile(In("f" + std::to_string(i) + ".lnk"));
    frmTarnDock& bar = rig.Load();
    EXPECT_EQ(rig.shell.linkQueries, 20);
    bar.FillToolbar();
    EXPECT_EQ(rig.shell.linkQueries, 40);
}

TEST(BarLayout, TheMinimumSizeAndTheHintRule) {
    const TwipScale at96 = TwipScale::ForDpi(96);
    EXPECT_EQ(EnforcedBarSize({10, 10}, at96), (Size{32, 16}));
    EXPECT_EQ(EnforcedBarSize({32, 16}, at96), std::nullopt);
    EXPECT_EQ(EnforcedBarSize({400, 10}, at96), (Size{400, 16}));
    EXPECT_EQ(EnforcedBarSize({31, 300}, at96), (Size{32, 300}));
    EXPECT_EQ(EnforcedBarSize({10, 10}, TwipScale::ForDpi(192)), (Size{64, 32}));
    EXPECT_EQ(ToolbarBounds({370, 42}, 8), (Rect{8, 0, 362, 42}));
    EXPECT_EQ(ToolbarBounds({10, 42}, 8), (Rect{8, 0, 8, 42}));
    // Shown when the last row starts less than 7 pixels above the bottom edge, though part of it shows.
    EXPECT_FALSE(HintNeeded(44, 22, 50));
    EXPECT_TRUE(HintNeeded(44, 22, 29));
    EXPECT_FALSE(HintNeeded(44, 22, 30));
    EXPECT_TRUE(HintNeeded(66, 22, 42));
    EXPECT_FALSE(HintNeeded(22, 22, 42));
}

TEST(BarLayout, TheHintShowsWhileRowsAreHiddenAndANarrowerBarWrapsIntoMoreRows) {
    BarRig rig;
    rig.UseButtonFolder(kFolder);
    for (int i = 0; i < 40; ++i) rig.fs.AddFile(In("f" + std::to_string(100 + i) + ".txt"));
    rig.Load();
    // 354 pixels between the margins hold 15 buttons a row; 40 buttons make three rows.
    EXPECT_EQ(rig.toolbar.Bounds(), (Rect{8, 0, 362, 66}));
    EXPECT_TRUE(rig.picHint.Visible());
    EXPECT_EQ(rig.picHint.Bounds().bottom, 42);
    for (int i = 0; i < 20; ++i) rig.fs.Remove(In("f" + std::to_string(100 + i) + ".txt"));
    rig.bar.FillToolbar();
    EXPECT_FALSE(rig.picHint.Visible());
    EXPECT_EQ(rig.toolbar.RowsHeight(), 44);
    rig.window.Move({671, 0, 871, 48});
    rig.bar.Form_Resize();
    EXPECT_EQ(rig.toolbar.Bounds().left, 8);
    EXPECT_EQ(rig.toolbar.Bounds().right, 194 - 8);
    EXPECT_EQ(rig.toolbar.RowsHeight(), 66);  // 178 pixels hold 7 buttons a row
}

TEST(BarTransparency, TurningSolidAndBackAppliesEachStatesLook) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    bar.Form_Paint();
    EXPECT_EQ(rig.form.PixelCount(), 0u);
    rig.RestUntilSolid();
    ASSERT_TRUE(bar.Solid());
    EXPECT_FALSE(rig.window.seeThrough);
    EXPECT_EQ(rig.window.alpha, 230);
    EXPECT_EQ(rig.form.GetPixel(1, 1), fakes::SysColourValue(SysColour::ButtonShadow));  // the grip
    bar.SetAlpha(40);                                                                    // no effect while solid
    EXPECT_EQ(rig.window.alpha, 230);
    rig.screen.cursor = {700, 48 + 101};  // far below the bar: see-through at the next tick
    rig.Tick();
    EXPECT_FALSE(bar.Solid());
    EXPECT_TRUE(rig.window.seeThrough);
    EXPECT_EQ(rig.window.alpha, 110);
    EXPECT_EQ(rig.form.PixelCount(), 0u);
    bar.SetAlpha(40);
    EXPECT_EQ(rig.window.alpha, 40);
    // An idle tick changes nothing the window shows.
    rig.screen.cursor = {10, 700};
    const int changes = rig.window.changes;
    rig.Tick(100);
    EXPECT_EQ(rig.window.changes, changes);
}

TEST(BarTransparency, AnOpenPopupMenuKeepsTheBarSolid) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    rig.RestUntilSolid();
    ASSERT_TRUE(bar.Solid());
    bool solidThroughout = true;
    rig.popup.during = [&] {
        rig.screen.cursor = {10, 700};
        for (int i = 0; i < 20; ++i) rig.Tick(), solidThroughout = solidThroughout && bar.Solid() && bar.PopupOpen();
    };
    bar.Form_MouseDown(kRightButton, 0, 5, 5);
    EXPECT_TRUE(solidThroughout);
    EXPECT_FALSE(bar.PopupOpen());
    rig.Tick();
    EXPECT_FALSE(bar.Solid());
}

}  // namespace
}  // namespace tarn
