#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeServices.h"
#include "model/Grouping.h"

namespace tarn {
namespace {

constexpr int kNoGrouping = 0;
constexpr int kByType = 1;
constexpr int kByIcon = 2;

// One entry of the button folder in display order: a file with its icon key, or a separator (empty path).
struct Entry {
    std::string path;
    std::string iconKey;
};
const Entry kSeparator{};

// Runs a build's loop as the bar does and gives, per entry, the button it joined (or -1 when it got its own).
struct GroupingTest : testing::Test {
    std::vector<int> Build(int fileGrouping, const std::vector<Entry>& entries) {
        toolbar.Clear();
        LinkTargetCache links(shell);
        GroupFinder finder(fileGrouping, links);
        std::vector<int> joined;
        for (const Entry& entry : entries) {
            ButtonRecord button;
            if (entry.path.empty()) {
                button.image = "sep";
                button.description = "SEP";
                button.enabled = false;
                joined.push_back(-1);
            } else {
                const int group = finder.FindGroupButton(entry.path, entry.iconKey);
                joined.push_back(group);
                if (group != -1) continue;
                button.image = entry.iconKey;
                button.tag = entry.path;
            }
            finder.ButtonAdded(toolbar.Add(button), button);
        }
        return joined;
    }
    fakes::FakeShell shell;
    fakes::FakeToolbar toolbar;
};

TEST_F(GroupingTest, NoGroupingAndUnknownModesGiveEveryFileItsOwnButton) {
    const std::vector<Entry> entries{{"C:\\B\\a.txt", "I5"}, {"C:\\B\\b.txt", "I5"}, {"C:\\B\\c.txt", "I5"}};
    for (const int mode : {kNoGrouping, 3, -1, 100}) {
        EXPECT_EQ(Build(mode, entries), (std::vector<int>{-1, -1, -1})) << mode;
        EXPECT_EQ(toolbar.Count(), 3);
    }
    EXPECT_EQ(shell.linkQueries, 0);
}

TEST_F(GroupingTest, ByIconJoinsTheFirstEarlierButtonWithTheSameKey) {
    EXPECT_EQ(Build(kByIcon, {{"C:\\B\\Editor.lnk", "I7"},
                              {"C:\\B\\notes.txt", "I5"},
                              {"C:\\B\\Editor 2.lnk", "I7"},
                              {"C:\\B\\todo.txt", "I5"},
                              {"C:\\B\\app.exe", "I9"}}),
              (std::vector<int>{-1, -1, 1, 2, -1}));
    EXPECT_EQ(toolbar.Count(), 3);
    EXPECT_EQ(shell.linkQueries, 0);
}

TEST_F(GroupingTest, ByTypeUsesTheLowerCaseExtensionOfTheShortcutTarget) {
    shell.links = {{"C:\\B\\x.lnk", "C:\\Programs\\x.exe"}, {"C:\\B\\z.lnk", "C:\\Docs\\z.txt"}};
    EXPECT_EQ(Build(kByType, {{"C:\\B\\x.lnk", "I1"}, {"C:\\B\\Y.EXE", "I2"}, {"C:\\B\\z.lnk", "I1"},
                              {"C:\\B\\w.TXT", "I3"}, {"C:\\B\\v.lnk", "I4"}}),
              (std::vector<int>{-1, 1, -1, 2, -1}));
}

TEST_F(GroupingTest, ByTypeGathersFolderShortcutsAndFilesWithoutExtension) {
    shell.links = {{"C:\\B\\Docs.lnk", "C:\\Users\\me\\Documents"}, {"C:\\B\\Tmp.lnk", "C:\\My.Data\\Temp"}};
    EXPECT_EQ(Build(kByType, {{"C:\\B\\Docs.lnk", "I3"}, {"C:\\B\\a.txt", "I5"}, {"C:\\B\\Tmp.lnk", "I3"},
                              {"C:\\B\\README", "I6"}}),
              (std::vector<int>{-1, -1, 1, 1}));
}

TEST_F(GroupingTest, ASeparatorNeitherStopsNorTakesAGroup) {
    // A separator has no tag, so a naive type test would give it the empty type of README and LICENSE.
    for (const int mode : {kByType, kByIcon}) {
        EXPECT_EQ(Build(mode, {kSeparator, {"C:\\B\\README", "I6"}, kSeparator, kSeparator, {"C:\\B\\LICENSE", "I6"}}),
                  (std::vector<int>{-1, -1, -1, -1, 2}))
            << mode;
    }
    // "sep" is also a separator's image key: an icon key never meets it.
    EXPECT_EQ(Build(kByIcon, {kSeparator, {"C:\\B\\odd", "sep"}}), (std::vector<int>{-1, -1}));
}

TEST_F(GroupingTest, TheFirstOfSeveralMatchingButtonsWins) {
    LinkTargetCache links(shell);
    GroupFinder finder(kByIcon, links);
    EXPECT_EQ(finder.FindGroupButton("C:\\B\\a.txt", "I5"), -1);
    const auto button = [](const char* image, const char* tag) {
        ButtonRecord record;
        record.image = image;
        record.tag = tag;
        return record;
    };
    finder.ButtonAdded(1, button("I9", "C:\\B\\x.exe"));
    finder.ButtonAdded(2, button("I5", "C:\\B\\b.txt"));
    finder.ButtonAdded(3, button("I5", "C:\\B\\c.txt"));
    EXPECT_EQ(finder.FindGroupButton("C:\\B\\a.txt", "I5"), 2);
}

TEST_F(GroupingTest, LinkTargetCacheGivesTargetOrPathAndAsksTheShellOncePerPath) {
    shell.links = {{"C:\\B\\x.lnk", "C:\\Programs\\X.EXE"}};
    LinkTargetCache links(shell);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(links.Target("C:\\B\\x.lnk"), "C:\\Programs\\X.EXE");
        EXPECT_EQ(links.TypeOf("C:\\B\\x.lnk"), "exe");
        EXPECT_EQ(links.Target("C:\\B\\notes.TXT"), "C:\\B\\notes.TXT");
        EXPECT_EQ(links.TypeOf("C:\\B\\notes.TXT"), "txt");
    }
    EXPECT_EQ(shell.linkQueries, 2);
}

}  // namespace
}  // namespace tarn
