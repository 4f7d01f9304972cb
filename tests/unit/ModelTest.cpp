#include <gtest/gtest.h>

#include <tuple>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeTextCodec.h"
#include "main/Entry.h"
#include "model/Grouping.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kFolder = "C:\\B";
constexpr const char* kOrderPath = "C:\\B\\TarnDock_Folder.ini";
const std::string kHeader =
    "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n";
// Names as UTF-8: "Café.lnk" fits the code page, the Cyrillic "Жук.lnk" does not.
const std::string kCafe = "Caf\xC3\xA9.lnk", kZhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";

// An order file as the program writes it, for names that fit the code page (given in its bytes).
std::string OrderBytes(const Lines& lines) {
    std::string bytes = kHeader;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

struct OrderFile : testing::Test {
    // The keys that the folder's files and order file give, in order; every file entry holds its full path.
    Lines Load(const Lines& files, const std::optional<std::string>& order) {
        fs = fakes::FakeFileSystem();
        fs.AddFolder(kFolder);
        for (const std::string& name : files) fs.AddFile(JoinPath(kFolder, name));
        if (order) fs.AddFile(kOrderPath, *order);
        dic.Add("stale.lnk", "C:\\B\\stale.lnk");  // a load starts afresh
        LoadFileDic(dic, kFolder, fs, codec);
        Lines keys;
        for (const ItemEntry& entry : dic) {
            keys.push_back(entry.key);
            EXPECT_EQ(entry.value, entry.IsSeparator() ? "<>" : JoinPath(kFolder, entry.key));
        }
        return keys;
    }
    fakes::FakeFileSystem fs;
    fakes::FakeTextCodec codec;
    ItemDictionary dic;
};

TEST(OrderFileParse, DropsTwoLinesAndTakesCrLfLfAndLoneCrAsLineEnds) {
    const fakes::FakeTextCodec codec;
    const std::pair<std::string, Lines> cases[] = {
        {"h\r\ns\na\rb\r\n\r\nc", {"a", "b", "", "c"}},
        {std::string("\xFF\xFEh\0\r\0\n\0s\0\r\0\n\0\x16\x04\r\0\n\0", 20), {"\xD0\x96"}}};  // UTF-16LE
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(ParseOrderFile(bytes, codec), lines) << testing::PrintToString(bytes);
}

// Listed entries first with numbered separators, then the rest in listing order.
TEST_F(OrderFile, TheFolderScanAndTheWriteBack) {
    const std::tuple<Lines, std::optional<std::string>, Lines> cases[] = {
        {{"c.txt", "B.lnk", "a.lnk"}, {}, {"a.lnk", "B.lnk", "c.txt"}},
        {{"a.lnk", "b.lnk"}, OrderBytes({"<>", "b.lnk", "<>", "a.lnk"}), {"<>0", "b.lnk", "<>1", "a.lnk"}},
        {{"a.lnk", "Desktop.ini"}, {}, {"a.lnk"}},
        // Neither the order file nor what a killed writer of it left is a button; files merely like them are.
        {{"TarnDock_Folder.ini.123-4.tmp", "tarndock_folder.INI.5-6.TMP", "n.1-4.tmp", "TarnDock_Folder.ini.x-4.tmp",
          "TarnDock_Folder.ini.4-x.tmp"},
         OrderBytes({"TarnDock_Folder.ini", "TarnDock_Folder.ini.123-4.tmp"}),
         {"n.1-4.tmp", "TarnDock_Folder.ini.4-x.tmp", "TarnDock_Folder.ini.x-4.tmp"}},
        // Lines naming no file of the folder are dropped; a name counts once, in any case.
        {{"a.lnk", "b.lnk"}, OrderBytes({"gone.lnk", "", " a.lnk", "b.lnk", "A.LNK", "B.lnk"}), {"b.lnk", "A.LNK"}},
        // Names the file system keeps apart but the folding takes as one: the first counts.
        {{"\xC3\x89t\xC3\xA9.lnk", "\xC3\xA9T\xC3\x89.lnk"}, {}, {"\xC3\x89t\xC3\xA9.lnk"}}};
    for (const auto& [files, order, keys] : cases) EXPECT_EQ(Load(files, order), keys) << testing::PrintToString(files);
    // What is read is written back byte for byte.
    const std::pair<Lines, std::string> roundTrips[] = {
        {{"a.lnk", kCafe}, OrderBytes({"Caf\xE9.lnk", "<>", "<>", "a.lnk"})},
        {{"a.lnk", kZhuk}, "\xEF\xBB\xBF" + kHeader + kZhuk + "\r\n<>\r\na.lnk\r\n"}};
    for (const auto& [files, bytes] : roundTrips) {
        Load(files, bytes);
        EXPECT_TRUE(WriteFileDic(dic, kOrderPath, fs, codec));
        EXPECT_EQ(fs.Bytes(kOrderPath), bytes) << testing::PrintToString(bytes);
    }
    ItemDictionary odd;
    odd.Add("TARNDOCK_folder.ini", "C:\\B\\TARNDOCK_folder.ini");  // never written: the order file is no entry
    odd.Add("odd key", "<>");                                      // a separator by its value
    EXPECT_TRUE(WriteFileDic(odd, kOrderPath, fs, codec));
    EXPECT_EQ(fs.Bytes(kOrderPath), OrderBytes({"<>"}));
}

TEST(ItemDictionary, KeepsInsertionOrderAndRefusesAnExistingKeyComparedExactly) {
    ItemDictionary dic;
    EXPECT_TRUE(dic.Add("c.txt", "C:\\B\\c.txt") && dic.Add("<>0", "<>") && dic.Add("a.lnk", "first") &&
                !dic.Add("a.lnk", "again") && dic.Add("A.lnk", "other"));
    EXPECT_EQ(std::tuple(dic[2], dic.IndexOf("a.lnk")), std::tuple(ItemEntry{"a.lnk", "first"}, 2));
    // A copy looks up in its own entries, also once the original is gone.
    ItemDictionary copy, assigned;
    assigned.Add("old.lnk", "x");
    copy = ItemDictionary(dic);
    assigned = dic;
    dic.Clear();
    EXPECT_TRUE(dic.Add("a.lnk", "new"));
    for (const ItemDictionary* each : {&copy, &assigned})
        EXPECT_TRUE(each->Find("A.lnk") == &(*each)[3].value && !each->Contains("old.lnk"));
}

// Runs a build's loop as the bar does; a button is known by the 1-based place of its entry. Gives, per entry,
// the button it joined, or -1 when it got its own.
// An entry is a path, empty for a separator, and an icon key.
std::vector<int> Build(int fileGrouping, std::initializer_list<std::pair<const char*, const char*>> entries) {
    fakes::FakeShell shell;
    shell.links = {{"x.lnk", "C:\\P\\x.EXE"}, {"z.lnk", "C:\\D\\z.txt"}, {"d.lnk", "C:\\My.D\\Docs"}};
    LinkTargetCache links(shell);
    GroupFinder finder(fileGrouping, links);
    std::vector<int> joined;
    for (const auto& [path, iconKey] : entries) {
        const bool separator = *path == '\0';
        joined.push_back(separator ? -1 : finder.FindGroupButton(path, iconKey));
        const ButtonKind kind = separator ? ButtonKind::Separator : ButtonKind::File;
        if (joined.back() == -1) finder.ButtonAdded(int(joined.size()), {.image = iconKey, .tag = path, .kind = kind});
    }
    return joined;
}

TEST(Grouping, EachModeJoinsTheFirstEarlierButtonOfTheSameKind) {
    using Joined = std::vector<int>;
    EXPECT_EQ(Build(2, {{"E.lnk", "I7"}, {"n.txt", "I5"}, {"F.lnk", "I7"}, {"t", "I5"}}), (Joined{-1, -1, 1, 2}));
    // By the lower-case extension of the shortcut's target; folder shortcuts and files without one gather.
    EXPECT_EQ(
        Build(1, {{"x.lnk", "I1"}, {"Y.exe", "I2"}, {"z.lnk", "I1"}, {"w.TXT", "I3"}, {"d.lnk", "I4"}, {"T", "I6"}}),
        (Joined{-1, 1, -1, 3, -1, 5}));
    // A separator has no tag, which a naive type test would take for the empty type; "sep" is its image key.
    for (const int mode : {1, 2})
        EXPECT_EQ(Build(mode, {{"", "sep"}, {"T", "sep"}, {"", "sep"}, {"U", "sep"}}), (Joined{-1, -1, -1, 2}));
}

TEST(Text, Utf8AndUtf16) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀, the last at the very end
    EXPECT_EQ(Utf8ToUtf16(text), u"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(u"a\u00E9\u20AC\U0001F600"), text);
    // Malformed: cut short, overlong, an encoded surrogate; lone surrogates.
    EXPECT_EQ(Utf8ToUtf16("\xC3\xC0\xAFz\xED\xA0\x80"), u"\uFFFD\uFFFDz\uFFFD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'x', 0xDC00}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(Entry, OneMutexNamePerInstallationInTheUsersSessionAndASecondStartOnlySaysSo) {
    const std::string a = InstanceMutexName(fakes::FakeTextCodec().FoldCase("C:\\Tools\\TarnDock\\TarnDock.exe"));
    EXPECT_EQ(a, InstanceMutexName(fakes::FakeTextCodec().FoldCase("c:\\tools\\tarndock\\TARNDOCK.EXE")));
    EXPECT_NE(a, InstanceMutexName(fakes::FakeTextCodec().FoldCase("D:\\Other\\TarnDock.exe")));
    EXPECT_TRUE(a.starts_with("Local\\TarnDock-") && a.find('\\', 6) == std::string::npos) << a;
    fakes::FakeMessageBox messageBox;
    EXPECT_TRUE(EntryMayShowBar(false, "C:\\Tools\\TarnDock.exe", messageBox) &&
                !EntryMayShowBar(true, "C:\\Tools\\Dock.exe", messageBox));
    EXPECT_EQ(messageBox.text, "TarnDock: Program already running.\r\nC:\\Tools\\TarnDock.exe");
}

}  // namespace
}  // namespace tarn
