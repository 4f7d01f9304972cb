#include <gtest/gtest.h>

#include "fakes/BarRig.h"

namespace tarn {
namespace {

using fakes::BarRig;

constexpr const char* kFolder = "D:\\Bar";

std::string In(const std::string& name) { return std::string(kFolder) + "\\" + name; }

struct FilledBar : BarRig {
    FilledBar() {
        UseButtonFolder(kFolder);
        shell.iconByExtension = {{"lnk", 7}, {"txt", 3}, {"exe", 9}};
        shell.iconByPath[In("Tools")] = 4;
    }
};

TEST(FillToolbar, ASeparatorThenAFileThenTheSubFolderMenu) {
    FilledBar rig;
    rig.fs.AddFile(In("a.lnk"));
    rig.fs.AddFolder(In("Tools"));
    rig.fs.AddFile(In("Tools\\x.txt"));
    rig.fs.AddFile(In("TarnDock_Folder.ini"), "; header\r\n[FileNames]\r\n<>\r\na.lnk\r\n");
    rig.shell.links[In("a.lnk")] = "C:\\Program Files\\A\\a.exe";
    frmTarnDock& bar = rig.Load();
    ASSERT_EQ(rig.toolbar.Count(), 3);
    EXPECT_EQ(rig.toolbar.Button(1), (ButtonRecord{ButtonStyle::Plain, "sep", "", "SEP", "", false, false}));
    EXPECT_EQ(rig.toolbar.Button(2), (ButtonRecord{ButtonStyle::Plain, "I7", In("a.lnk"), "EXEC", "", true, false}));
    EXPECT_EQ(rig.toolbar.Button(3), (ButtonRecord{ButtonStyle::DropDown, "I4", In("Tools"), "FOLDER", "", true, false}));
    ASSERT_EQ(bar.MenuDics.size(), 1u);
    ASSERT_TRUE(bar.MenuDics.contains(3));
    EXPECT_EQ(bar.MenuDics[3].Count(), 1);
    // Each picture is stored once: the separator first, then the icons as they were first met.
    EXPECT_EQ(rig.ilIcons.order, (std::vector<std::string>{"sep", "I7", "I4"}));
}

TEST(FillToolbar, AnEmptySubFolderStillGetsItsMenuButton) {
    FilledBar rig;
    rig.fs.AddFolder(In("Empty"));
    rig.fs.AddFolder(In("Empty\\Inner"));  // only one level is shown
    frmTarnDock& bar = rig.Load();
    ASSERT_EQ(rig.toolbar.Count(), 1);
    EXPECT_EQ(rig.toolbar.Button(1).description, "FOLDER");
    EXPECT_EQ(bar.MenuDics.at(1).Count(), 0);
}

TEST(FillToolbar, ThreeShortcutsToOneProgramGroupedByIconFormOneMenuButton) {
    FilledBar rig;
    for (const char* name : {"one.lnk", "two.lnk", "three.lnk"}) {
        rig.fs.AddFile(In(name));
        rig.shell.links[In(name)] = "C:\\Tools\\edit.exe";
    }
    rig.fs.AddFile(In("notes.txt"));
    rig.fs.AddFile(In("TarnDock_Folder.ini"), "h\r\n[FileNames]\r\none.lnk\r\ntwo.lnk\r\nthree.lnk\r\n");
    rig.fs.AddFile(std::string(BarRig::kSettingsFile),
                   "[Settings]\r\nFolderPath=" + std::string(kFolder) + "\r\nFileGrouping=2\r\n");
    frmTarnDock& bar = rig.Load();
    ASSERT_GE(rig.toolbar.Count(), 2);
    const ButtonRecord& group = rig.toolbar.Button(1);
    EXPECT_EQ(group.style, ButtonStyle::DropDown);
    EXPECT_EQ(group.tag, "");
    EXPECT_EQ(group.description, "EXEC");
    EXPECT_EQ(group.image, "I7");
    const ItemDictionary& members = bar.MenuDics.at(1);
    ASSERT_EQ(members.Count(), 3);
    EXPECT_EQ(members[0].key, "one.lnk");
    EXPECT_EQ(members[0].value, In("one.lnk"));
    EXPECT_EQ(members[1].key, "two.lnk");
    EXPECT_EQ(members[2].key, "three.lnk");
    EXPECT_EQ(rig.toolbar.Button(2).tag, In("notes.txt"));
    EXPECT_EQ(rig.toolbar.Button(2).description, "");
}

TEST(FillToolbar, TwoRefreshesGiveTheSameButtonsAndMenuKeys) {
    FilledBar rig;
    rig.fs.AddFile(In("a.txt"));
    rig.fs.AddFile(In("b.txt"));
    rig.fs.AddFile(In("c.exe"));
    rig.fs.AddFolder(In("Games"));
    rig.fs.AddFolder(In("Tools"));
    rig.fs.AddFile(std::string(BarRig::kSettingsFile),
                   "[Settings]\r\nFolderPath=" + std::string(kFolder) + "\r\nFileGrouping=1\r\n");
    frmTarnDock& bar = rig.Load();
    const auto buttons = rig.toolbar.buttons;
    std::vector<int> keys;
    for (const auto& [index, menu] : bar.MenuDics) keys.push_back(index);
    EXPECT_EQ(keys, (std::vector<int>{1, 3, 4}));
    bar.FillToolbar();
    bar.FillToolbar();
    EXPECT_EQ(rig.toolbar.buttons, buttons);
    std::vector<int> again;
    for (const auto& [index, menu] : bar.MenuDics) again.push_back(index);
    EXPECT_EQ(again, keys);
}

TEST(FillToolbar, AButtonFolderThatVanishedKeepsTheButtonsOfTheLastBuild) {
    FilledBar rig;
    rig.fs.AddFile(In("a.txt"));
    frmTarnDock& bar = rig.Load();
    rig.fs.Remove(kFolder);
    bar.FillToolbar();
    ASSERT_EQ(rig.toolbar.Count(), 1);
    EXPECT_EQ(rig.toolbar.Button(1).tag, In("a.txt"));
    EXPECT_EQ(bar.FileDic.Count(), 1);
}

TEST(FillToolbar, OnlySeparatorsGiveSeparatorButtonsAndNoInformationButton) {
    FilledBar rig;
    rig.fs.AddFile(In("TarnDock_Folder.ini"), "h\r\n[FileNames]\r\n<>\r\n<>\r\n");
    rig.Load();
    EXPECT_EQ(rig.Images(), (std::vector<std::string>{"sep", "sep"}));
}

TEST(FillToolbar, ResolvesEachShortcutOncePerBuildAndAfreshInTheNext) {
    FilledBar rig;
    for (int i = 0; i < 20; ++i) {
        rig.fs.AddFile(In("f" + std::to_string(i) + ".lnk"));
        rig.shell.links[In("f" + std::to_string(i) + ".lnk")] = "C:\\t" + std::to_string(i) + ".txt";
    }
    rig.fs.AddFile(std::string(BarRig::kSettingsFile),
                   "[Settings]\r\nFolderPath=" + std::string(kFolder) + "\r\nFileGrouping=1\r\n");
    frmTarnDock& bar = rig.Load();
    EXPECT_EQ(rig.shell.linkQueries, 20);
    // A shortcut changed between two builds is seen by the next one.
    rig.shell.links[In("f1.lnk")] = "C:\\t0.txt";
    bar.FillToolbar();
    EXPECT_EQ(rig.shell.linkQueries, 40);
}

TEST(FillToolbar, DisplayNamesFollowShortcutLnk) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    bar.settings.ShortcutLNK = false;
    EXPECT_EQ(bar.GetDisplayName("C:\\x\\Editor.lnk"), "Editor");
    EXPECT_EQ(bar.GetDisplayName("C:\\x\\Editor.LNK"), "Editor");
    EXPECT_EQ(bar.GetDisplayName("C:\\x\\notes.txt"), "notes.txt");
    bar.settings.ShortcutLNK = true;
    EXPECT_EQ(bar.GetDisplayName("C:\\x\\Editor.lnk"), "Editor.lnk");
}

}  // namespace
}  // namespace tarn
