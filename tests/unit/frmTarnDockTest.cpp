#include <gtest/gtest.h>

#include "bar/frmMenu.h"
#include "fakes/BarRig.h"

namespace tarn {
namespace {

using fakes::BarRig;

const std::string kFreshSettings = fakes::kFreshSettingsFile;

TEST(frmTarnDock, FirstStartCreatesBothFoldersAndShowsTheSeeThroughBarWithTheInformationButton) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    EXPECT_TRUE(rig.fs.FolderExists("C:\\Users\\me\\AppData\\Local\\TarnDock"));
    EXPECT_TRUE(rig.fs.FolderExists(BarRig::kButtons));
    EXPECT_EQ(bar.SettingsFile(), BarRig::kSettingsFile);
    EXPECT_EQ(bar.settings.FolderPath, BarRig::kButtons);
    // Always on top, see-through for the mouse, the button face cut out and the rest at Alpha.
    EXPECT_EQ(rig.window.topmostCalls, 1);
    EXPECT_EQ(rig.window.exStyles, std::vector<std::uint32_t>{0x80020});
    ASSERT_EQ(rig.window.layered.size(), 1u);
    EXPECT_EQ(rig.window.layered[0], (fakes::FakeWindow::Layered{0xF0F0F0, 110, 3}));
    EXPECT_EQ(bar.ColourKey(), 0xF0F0F0u);
    EXPECT_FALSE(bar.Solid());
    // The separator picture is the first of the image list.
    ASSERT_FALSE(rig.ilIcons.order.empty());
    EXPECT_EQ(rig.ilIcons.order.front(), "sep");
    ASSERT_EQ(rig.toolbar.Count(), 1);
    EXPECT_EQ(rig.toolbar.Button(1).description, "INFO");
    EXPECT_EQ(rig.toolbar.Button(1).caption, "TarnDock - Add buttons");
    EXPECT_EQ(rig.toolbar.Button(1).image, "");
    // Placed at the designed place: 10065 / 15 = 671 pixels.
    ASSERT_FALSE(rig.window.moves.empty());
    EXPECT_EQ(rig.window.moves.front(), (Rect{671, 0, 1047, 48}));
    // Nothing is written before the end.
    EXPECT_FALSE(rig.fs.FileExists(BarRig::kSettingsFile));
}

TEST(frmTarnDock, AConfiguredFolderThatIsMissingIsNotCreated) {
    BarRig rig;
    rig.fs.AddFile(BarRig::kSettingsFile, "[Settings]\r\nFolderPath=D:\\Gone\r\n");
    rig.Load();
    EXPECT_FALSE(rig.fs.FolderExists("D:\\Gone"));
    EXPECT_FALSE(rig.fs.FolderExists(BarRig::kButtons));
    EXPECT_EQ(rig.toolbar.Button(1).description, "INFO");
}

TEST(frmTarnDock, AStoredAlphaOutsideTheOpacityRangeIsClampedWhereItIsApplied) {
    for (const auto& [stored, applied] : std::vector<std::pair<int, int>>{{300, 255}, {-5, 0}, {0, 0}, {255, 255}}) {
        BarRig rig;
        rig.fs.AddFile(BarRig::kSettingsFile, "[Settings]\r\nAlpha=" + std::to_string(stored) + "\r\n");
        frmTarnDock& bar = rig.Load();
        EXPECT_EQ(bar.settings.Alpha, stored);
        EXPECT_EQ(rig.window.layered.back().alpha, applied) << stored;
        bar.SetAlpha(stored);
        EXPECT_EQ(rig.window.layered.back().alpha, applied) << stored;
    }
}

TEST(frmTarnDock, QuitProgramUnloadsTheWindowsInOrderThenStoresOnceAndEnds) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    bar.QuitProgram();
    EXPECT_EQ(rig.host.unloaded,
              (std::vector<FormName>{FormName::frmHelp, FormName::frmSelectFolder, FormName::frmFoldersToEdit,
                                     FormName::frmEditOrder, FormName::frmTarnOptions, FormName::frmToolTip,
                                     FormName::frmMenu}));
    EXPECT_EQ(rig.host.ends, 1);
    EXPECT_EQ(rig.SettingsText(), kFreshSettings);
    // One write for the settings, one for the button folder's order file.
    EXPECT_EQ(rig.fs.writes, 2);
    EXPECT_TRUE(rig.fs.FileExists(std::string(BarRig::kButtons) + "\\TarnDock_Folder.ini"));
}

TEST(frmTarnDock, EveryWayOutStoresTheSettingsExactlyOnce) {
    {
        BarRig rig;  // closed by the system: the unload handler may be reached twice, it stores once
        rig.Load().Form_Unload();
        rig.bar->Form_Unload();
        EXPECT_EQ(rig.fs.writes, 2);
        EXPECT_EQ(rig.SettingsText(), kFreshSettings);
    }
    {
        BarRig rig;  // the minimised bar's taskbar entry is closed by the user
        rig.Load(); frmMenu& menu = *rig.menu;
        menu.Form_QueryUnload(kUnloadFormControlMenu);
        EXPECT_EQ(rig.fs.writes, 2);
        EXPECT_EQ(rig.host.ends, 1);
        EXPECT_EQ(rig.SettingsText(), kFreshSettings);
    }
    {
        BarRig rig;  // frmMenu unloaded by code stores nothing itself
        rig.Load(); frmMenu& menu = *rig.menu;
        menu.Form_QueryUnload(kUnloadFromCode);
        EXPECT_EQ(rig.fs.writes, 0);
        EXPECT_EQ(rig.host.ends, 0);
    }
}

TEST(frmTarnDock, StoresTheBarsLastPlaceInTwips) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    rig.window.Move({100, 200, 600, 260});
    bar.StoreSettings();
    const std::string text = rig.SettingsText();
    EXPECT_NE(text.find("Left=1500\r\nTop=3000\r\nWidth=7500\r\nHeight=900\r\n"), std::string::npos) << text;
}

TEST(frmTarnDock, ASettingsFileWithTheBarFarLeftAndNoWidthComesBackOnTheScreen) {
    BarRig rig;
    rig.fs.AddFile(BarRig::kSettingsFile, "[Settings]\r\nLeft=-100000\r\nWidth=0\r\nShortcutLNK=5\r\n");
    frmTarnDock& bar = rig.Load();
    EXPECT_TRUE(bar.settings.ShortcutLNK);
    // 240 twips from the placement, then 480 from the layout's minimum; half of 240 may lie off the screen.
    EXPECT_EQ(rig.window.moves.front(), (Rect{-8, 0, 8, 48}));
    EXPECT_EQ(rig.window.WindowRect(), (Rect{-8, 0, 24, 48}));
    bar.StoreSettings();
    // Keys already in the file keep their lines; the others are appended.
    const std::string text = rig.SettingsText();
    for (const char* line : {"\r\nLeft=-120\r\n", "\r\nWidth=480\r\n", "\r\nShortcutLNK=-1\r\n", "\r\nHeight=720\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    }
}

}  // namespace
}  // namespace tarn
