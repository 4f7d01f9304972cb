#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bar/HoverText.h"
#include "platform/Text.h"

namespace tarn {
namespace {

// The bar's shown name with ShortcutLNK off: a shortcut loses its ".lnk".
std::string DisplayName(const std::string& path) {
    std::string name = FileNamePart(path);
    if (AsciiLower(ExtensionOf(name)) == "lnk") name.resize(name.size() - 4);
    return name;
}

std::optional<std::string> Tip(const ButtonRecord& button, const ItemDictionary* menu = nullptr,
                               const std::string& prefix = {}) {
    return HoverTipText(button, menu, prefix, DisplayName);
}

ButtonRecord FileButton(const std::string& tag, ButtonKind kind = ButtonKind::File) {
    return {ButtonStyle::Plain, "I3", tag, kind, "", true, false};
}
ButtonRecord MenuButton(const std::string& tag) {
    return {ButtonStyle::DropDown, "I4", tag, tag.empty() ? ButtonKind::Program : ButtonKind::Folder, "", true, false};
}

// Entries "e<i>.lnk" for each x of the pattern, and a separator for each -.
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

TEST(HoverText, AFileButtonShowsTheDisplayNameOfItsFileNameAfterThePrefix) {
    EXPECT_EQ(Tip(FileButton("D:\\Bar\\Editor.lnk", ButtonKind::Program)), "Editor");
    EXPECT_EQ(Tip(FileButton("D:\\Bar\\Notes.txt")), "Notes.txt");
    EXPECT_EQ(Tip(FileButton("D:\\Bar\\Editor.lnk", ButtonKind::Program), nullptr, "Open with"), "Open with\r\nEditor");
}

TEST(HoverText, TheInformationButtonGivesThreeLinesOfHelpWithoutThePrefix) {
    const ButtonRecord info{ButtonStyle::Plain, "", "", ButtonKind::Info, "TarnDock - Add buttons", true, false};
    const std::string help = Tip(info).value_or("");
    EXPECT_TRUE(help.starts_with("Open the button folder and add shortcuts to your programs and files.\r\n")) << help;
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 2);
    EXPECT_EQ(Tip(info, nullptr, "Open with"), help);
}

TEST(HoverText, ASeparatorOrAnUnknownStyleHidesTheTip) {
    const ButtonRecord separator{ButtonStyle::Plain, "sep", "", ButtonKind::Separator, "", false, false};
    EXPECT_EQ(Tip(separator), std::nullopt);
    EXPECT_EQ(Tip(separator, nullptr, "Open with"), std::nullopt);
    ButtonRecord odd = FileButton("D:\\Bar\\x.txt");
    odd.style = static_cast<ButtonStyle>(1);
    EXPECT_EQ(Tip(odd), std::nullopt);
}

TEST(HoverText, AMenuButtonListsItsEntries) {
    const std::string games = "D:\\Bar\\Games";
    const std::string gamesLine = "   [Games]   ";
    const std::string hyphens = "-----------------";
    const std::vector<std::string> more2{"...2  more..."};
    const struct {
        std::string tag;
        std::string pattern;
        std::string prefix;
        std::vector<std::string> lines;
    } cases[] = {
        {games, "xxxxxxxxxxx", "", std::vector{gamesLine} + Entries(0, 11)},  // eleven are all listed
        {games, "xxxxxxxxxxxx", "", std::vector{gamesLine} + Entries(0, 10) + more2},
        {games, "xxxxxxxxxxxxxx", "",
         std::vector{gamesLine} + Entries(0, 10) + std::vector<std::string>{"...4  more..."}},
        {"", "xxxxxxxxxxx", "", Entries(0, 11)},  // a group has no name line
        {"", "xxxxxxxxxxxx", "", Entries(0, 10) + more2},
        {"", "-xx", "", {hyphens, "e1", "e2"}},
        {games, "-x-x", "", {gamesLine, hyphens, "e1", hyphens, "e3"}},
        {"D:\\Bar\\Tools.old", "x", "", {"   [Tools]   ", "e0"}},  // a folder name's base name
        {"   ", "xx", "", {"e0", "e1"}},                           // a blank tag is a group
        {games, "", "", {gamesLine}},
        {"", "", "", {""}},
        {games, "xx", "Open with", {"Open with", gamesLine, "e0", "e1"}},
        {"", "-x", "Open with", {"Open with", hyphens, "e1"}},
    };
    for (const auto& c : cases) {
        const ItemDictionary menu = Menu(c.pattern);
        EXPECT_EQ(Tip(MenuButton(c.tag), &menu, c.prefix), Lines(c.lines)) << c.tag << " " << c.pattern;
    }
    EXPECT_EQ(Tip(MenuButton(games)), gamesLine);  // without a dictionary it counts as empty
    EXPECT_EQ(Tip(MenuButton(""), nullptr, "Open with"), "Open with");
}

}  // namespace
}  // namespace tarn
