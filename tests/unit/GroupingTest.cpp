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
                button.kind = ButtonKind::Separator;
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

TEST_F(GroupingTest, EachModeJoinsTheFirstEarlierButtonOfTheSameKind) {
    shell.links = {{"C:\\B\\x.lnk", "C:\\Programs\\x.exe"},
                   {"C:\\B\\z.lnk", "C:\\Docs\\z.txt"},
                   {"C:\\B\\Docs.lnk", "C:\\Users\\me\\Documents"},
                   {"C:\\B\\Tmp.lnk", "C:\\My.Data\\Temp"}};
    const std::vector<Entry> same{{"C:\\B\\a.txt", "I5"}, {"C:\\B\\b.txt", "I5"}};
    const struct {
        int mode;
        std::vector<Entry> entries;
        std::vector<int> joined;
    } cases[] = {
        {kNoGrouping, same, {-1, -1}},
        {3, same, {-1, -1}},
        {-1, same, {-1, -1}},
        {kByIcon,
         {{"C:\\B\\E.lnk", "I7"},
          {"C:\\B\\n.txt", "I5"},
          {"C:\\B\\E2.lnk", "I7"},
          {"C:\\B\\t.txt", "I5"},
          {"C:\\B\\app.exe", "I9"}},
         {-1, -1, 1, 2, -1}},
        // By the lower-case extension of the shortcut's target.
        {kByType,
         {{"C:\\B\\x.lnk", "I1"},
          {"C:\\B\\Y.EXE", "I2"},
          {"C:\\B\\z.lnk", "I1"},
          {"C:\\B\\w.TXT", "I3"},
          {"C:\\B\\v.lnk", "I4"}},
         {-1, 1, -1, 2, -1}},
        // Folder shortcuts and files without an extension gather.
        {kByType,
         {{"C:\\B\\Docs.lnk", "I3"}, {"C:\\B\\a.txt", "I5"}, {"C:\\B\\Tmp.lnk", "I3"}, {"C:\\B\\README", "I6"}},
         {-1, -1, 1, 1}},
        // A separator has no tag, so a naive type test would give it the empty type of README and LICENSE.
        {kByType, {kSeparator, {"C:\\B\\README", "I6"}, kSeparator, {"C:\\B\\LICENSE", "I6"}}, {-1, -1, -1, 2}},
        {kByIcon, {kSeparator, {"C:\\B\\README", "I6"}, kSeparator, {"C:\\B\\LICENSE", "I6"}}, {-1, -1, -1, 2}},
        {kByIcon, {kSeparator, {"C:\\B\\odd", "sep"}}, {-1, -1}},  // "sep" is also a separator's image key
    };
    for (const auto& c : cases) EXPECT_EQ(Build(c.mode, c.entries), c.joined) << c.mode << " " << c.entries[0].path;
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
