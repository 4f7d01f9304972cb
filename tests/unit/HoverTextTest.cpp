#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/HoverText.h"
#include "platform/Text.h"

namespace tarn {
namespace {

// The bar's shown name with ShortcutLNK off: a shortcut loses its ".lnk". It records what it was asked.
struct DisplayName {
    std::vector<std::string> asked;
    std::string operator()(const std::string& path) {
        asked.push_back(path);
        std::string name = FileNamePart(path);
        if (AsciiLower(ExtensionOf(name)) == "lnk") name.resize(name.size() - 4);
        return name;
    }
};

std::optional<std::string> Tip(const ButtonRecord& button, const ItemDictionary* menu = nullptr,
                               const std::string& prefix = {}) {
    DisplayName names;
    return HoverTipText(button, menu, prefix, [&](const std::string& p) { return names(p); });
}

ButtonRecord FileButton(const std::string& tag, const std::string& description = {}) {
    return {ButtonStyle::Plain, "I3", tag, description, "", true, false};
}
ButtonRecord MenuButton(const std::string& tag) {
    return {ButtonStyle::DropDown, "I4", tag, tag.empty() ? "" : "FOLDER", "", true, false};
}

// Entries "a0.lnk".."aN.lnk" with separators where the pattern has a '-'.
ItemDictionary Menu(const std::string& pattern) {
    ItemDictionary menu;
    int separators = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '-') {
            menu.Add("<>" + std::to_string(separators++), "<>");
        } else {
            const std::string name = "e" + std::to_string(i) + ".lnk";
            menu.Add(name, "D:\\Bar\\Games\\" + name);
        }
    }
    return menu;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

std::vector<std::string> Entries(int from, int to) {
    std::vector<std::string> lines;
    for (int i = from; i < to; ++i) lines.push_back("e" + std::to_string(i));
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(HoverText, AFileButtonShowsTheDisplayNameOfItsFileName) {
    DisplayName names;
    const auto text = HoverTipText(FileButton("D:\\Bar\\Editor.lnk", "EXEC"), nullptr, "",
                                   [&](const std::string& p) { return names(p); });
    EXPECT_EQ(text, "Editor");
    EXPECT_EQ(names.asked, (std::vector<std::string>{"Editor.lnk"}));
    EXPECT_EQ(Tip(FileButton("D:\\Bar\\Notes.txt")), "Notes.txt");
}

TEST(HoverText, WhileDraggingTheFileTipReadsOpenWithAndTheProgram) {
    EXPECT_EQ(Tip(FileButton("D:\\Bar\\Editor.lnk", "EXEC"), nullptr, "Open with"), "Open with\r\nEditor");
}

TEST(HoverText, TheInformationButtonGivesThreeLinesOfHelpWithoutThePrefix) {
    const std::string help = Lines({"Open the button folder and add shortcuts to your programs and files.",
                                    "After you added shortcuts and files, right-click here for a menu and select "
                                    "'Refresh'.",
                                    "Alternatively you can right-click here and select 'Options' to change the "
                                    "button folder."});
    const ButtonRecord info{ButtonStyle::Plain, "", "", "INFO", "TarnDock - Add buttons", true, false};
    EXPECT_EQ(Tip(info), help);
    EXPECT_EQ(Tip(info, nullptr, "Open with"), help);
}

TEST(HoverText, ASeparatorOrAnUnknownStyleHidesTheTip) {
    const ButtonRecord separator{ButtonStyle::Plain, "sep", "", "SEP", "", false, false};
    EXPECT_EQ(Tip(separator), std::nullopt);
    EXPECT_EQ(Tip(separator, nullptr, "Open with"), std::nullopt);
    ButtonRecord odd = FileButton("D:\\Bar\\x.txt");
    odd.style = static_cast<ButtonStyle>(1);
    EXPECT_EQ(Tip(odd), std::nullopt);
}

struct MenuCase {
    const char* name;
    std::string tag;
    std::string pattern;
    std::string prefix;
    std::vector<std::string> lines;
};

class HoverMenuText : public testing::TestWithParam<MenuCase> {};

TEST_P(HoverMenuText, ListsTheEntries) {
    const MenuCase& c = GetParam();
    const ItemDictionary menu = Menu(c.pattern);
    EXPECT_EQ(Tip(MenuButton(c.tag), &menu, c.prefix), Lines(c.lines));
}

const std::string kGames = "D:\\Bar\\Games";
const std::string kGamesLine = "   [Games]   ";
const std::string kHyphens = "-----------------";

INSTANTIATE_TEST_SUITE_P(
    HoverText, HoverMenuText,
    testing::Values(
        MenuCase{"ElevenEntriesAreAllListed", kGames, "xxxxxxxxxxx", "", std::vector{kGamesLine} + Entries(0, 11)},
        MenuCase{"TwelveEntriesListTenAndACount", kGames, "xxxxxxxxxxxx", "",
                 std::vector{kGamesLine} + Entries(0, 10) + std::vector<std::string>{"...2  more..."}},
        MenuCase{"FourteenEntriesListTenAndACount", kGames, "xxxxxxxxxxxxxx", "",
                 std::vector{kGamesLine} + Entries(0, 10) + std::vector<std::string>{"...4  more..."}},
        MenuCase{"AGroupOfElevenHasNoNameLine", "", "xxxxxxxxxxx", "", Entries(0, 11)},
        MenuCase{"AGroupOfTwelveCountsTheRest", "", "xxxxxxxxxxxx", "",
                 Entries(0, 10) + std::vector<std::string>{"...2  more..."}},
        MenuCase{"AGroupStartingWithASeparatorShowsItOnTheFirstLine", "", "-xx", "",
                 {kHyphens, "e1", "e2"}},
        MenuCase{"ASubFolderStartingWithASeparatorShowsItAfterTheNameLine", kGames, "-x-x", "",
                 {kGamesLine, kHyphens, "e1", kHyphens, "e3"}},
        MenuCase{"AFolderNameWithADotShowsItsBaseName", "D:\\Bar\\Tools.old", "x", "", {"   [Tools]   ", "e0"}},
        MenuCase{"ABlankTagIsAGroup", "   ", "xx", "", {"e0", "e1"}},
        MenuCase{"AnEmptySubFolderShowsItsNameOnly", kGames, "", "", {kGamesLine}},
        MenuCase{"AnEmptyGroupShowsNothing", "", "", "", {""}},
        MenuCase{"WhileDraggingASubFolderLeadsWithOpenWith", kGames, "xx", "Open with",
                 {"Open with", kGamesLine, "e0", "e1"}},
        MenuCase{"WhileDraggingAGroupLeadsWithOpenWith", "", "-x", "Open with", {"Open with", kHyphens, "e1"}}),
    [](const testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });

TEST(HoverText, MenuEntriesAreNamedByTheDisplayNameOfTheirKeys) {
    ItemDictionary menu;
    menu.Add("Editor.lnk", "D:\\Bar\\Tools\\Editor.lnk");
    menu.Add("notes.txt", "D:\\Bar\\Tools\\notes.txt");
    DisplayName names;
    const auto text = HoverTipText(MenuButton("D:\\Bar\\Tools"), &menu, "",
                                   [&](const std::string& p) { return names(p); });
    EXPECT_EQ(text, "   [Tools]   \r\nEditor\r\nnotes.txt");
    EXPECT_EQ(names.asked, (std::vector<std::string>{"Editor.lnk", "notes.txt"}));
}

TEST(HoverText, AMenuButtonWithoutADictionaryCountsAsEmpty) {
    EXPECT_EQ(Tip(MenuButton(kGames)), kGamesLine);
    EXPECT_EQ(Tip(MenuButton(""), nullptr, "Open with"), "Open with");
}

}  // namespace
}  // namespace tarn
