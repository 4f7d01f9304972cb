#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeTextCodec.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using fakes::FakeFileSystem;
using fakes::FakeTextCodec;
using Lines = std::vector<std::string>;

constexpr const char* kFolder = "C:\\B";
constexpr const char* kOrderPath = "C:\\B\\TarnDock_Folder.ini";
const std::string kHeader =
    "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n";
const std::string kUtf8Bom = "\xEF\xBB\xBF";
// Names as UTF-8: "Café.lnk" fits Windows-1252, the Cyrillic "Жук.lnk" does not.
const std::string kCafe = "Caf\xC3\xA9.lnk";
const std::string kZhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";

// An order file's bytes as the program writes them, for names that fit the code page (given in its bytes).
std::string OrderBytes(const Lines& lines) {
    std::string bytes = kHeader;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

Lines Keys(const ItemDictionary& dic) {
    Lines keys;
    for (const ItemEntry& entry : dic) keys.push_back(entry.key);
    return keys;
}

struct OrderFileTest : testing::Test {
    // Files are created in the order given; the fake lists them in case-insensitive name order.
    void Files(const Lines& names) {
        fs.AddFolder(kFolder);
        for (const std::string& name : names) fs.AddFile(std::string(kFolder) + "\\" + name);
    }
    ItemDictionary Load() {
        ItemDictionary dic;
        LoadFileDic(dic, kFolder, fs, codec);
        return dic;
    }
    FakeFileSystem fs;
    FakeTextCodec codec;
};

TEST(OrderFileParse, DropsTwoLinesAndTakesCrLfLfAndLoneCrAsLineEnds) {
    FakeTextCodec codec;
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"a.lnk\r\nb.lnk\r\nc.lnk\r\n", {"c.lnk"}},  // the first two lines are dropped unread
        {kHeader, {}},
        {"only one line", {}},
        {"h\ns\na\nb\n", {"a", "b"}},
        {"h\rs\ra\rb\r", {"a", "b"}},
        {"h\r\ns\na\rb\r\nc", {"a", "b", "c"}},        // mixed, and a last line without its line end
        {"h\r\ns\r\na\r\n\r\nb\r\n", {"a", "", "b"}},  // an empty line stays a line
        {"h\r\ns\r\n\r\r\n", {"", ""}},
        {OrderBytes({"Caf\xE9.lnk"}), {kCafe}},
        {kUtf8Bom + kHeader + kZhuk + "\r\n", {kZhuk}},
        {std::string("\xFF\xFEh\0\r\0\n\0s\0\r\0\n\0\x16\x04\r\0\n\0", 20), {"\xD0\x96"}},  // UTF-16LE
    };
    for (const auto& c : cases) EXPECT_EQ(ParseOrderFile(c.bytes, codec), c.lines) << testing::PrintToString(c.bytes);
}

TEST(OrderFileFormat, WritesTheCodePageUnlessANameDoesNotFitItThenUtf8WithBom) {
    FakeTextCodec codec;
    EXPECT_EQ(FormatOrderFile({}, codec), kHeader);
    EXPECT_EQ(FormatOrderFile({"b.lnk", "<>", kCafe}, codec), kHeader + "b.lnk\r\n<>\r\nCaf\xE9.lnk\r\n");
    EXPECT_EQ(FormatOrderFile({kCafe, kZhuk}, codec), kUtf8Bom + kHeader + kCafe + "\r\n" + kZhuk + "\r\n");
}

// The folder scan: listed entries first with numbered separators, then the rest in listing order.
TEST_F(OrderFileTest, TheFolderScan) {
    const struct {
        Lines files;
        std::optional<std::string> order;
        Lines keys;
    } cases[] = {
        {{"c.txt", "B.lnk", "a.lnk"}, {}, {"a.lnk", "B.lnk", "c.txt"}},
        {{"a.lnk", "B.lnk", "c.txt"}, OrderBytes({"c.txt", "<>", "<>"}), {"c.txt", "<>0", "<>1", "a.lnk", "B.lnk"}},
        {{"a.lnk", "b.lnk"},
         OrderBytes({"<>", "b.lnk", "<>", "<>", "a.lnk", "<>"}),
         {"<>0", "b.lnk", "<>1", "<>2", "a.lnk", "<>3"}},
        {{}, OrderBytes({"<>", "<>"}), {"<>0", "<>1"}},
        {{"desktop.ini"}, OrderBytes({}), {}},
        {{"DESKTOP.INI", "a.lnk"}, {}, {"a.lnk"}},
        {{"a.lnk", "Desktop.ini"},
         OrderBytes({"desktop.ini", "TarnDock_Folder.ini", "a.lnk", "DESKTOP.INI"}),
         {"desktop.ini", "a.lnk"}},
        {{"tarnDOCK_Folder.Ini", "a.lnk"}, {}, {"a.lnk"}},
        {{".hidden", "Thumbs.db", "desktop.ini.bak", "x desktop.ini", "TarnDock_Folder.ini.old"},
         {},
         {".hidden", "desktop.ini.bak", "TarnDock_Folder.ini.old", "Thumbs.db", "x desktop.ini"}},
        // What a killed writer of the order file leaves behind is no button; files merely like it are.
        {{"TarnDock_Folder.ini.123-4.tmp", "tarndock_folder.INI.123-4.TMP", "notes.123-4.tmp",
          "TarnDock_Folder.ini.x-4.tmp"},
         {},
         {"notes.123-4.tmp", "TarnDock_Folder.ini.x-4.tmp"}},
        // Lines naming no file of the folder, or holding a path, are dropped.
        {{"a.lnk", "b.lnk"},
         OrderBytes({"gone.lnk", "b.lnk", "", " <> ", "<> ", "Tools", " a.lnk", "a.lnk "}),
         {"b.lnk", "a.lnk"}},
        {{"a.lnk"},
         OrderBytes({"Tools\\x.lnk", "Tools/x.lnk", "..\\a.lnk", "C:\\B\\a.lnk", "C:a.lnk", "a.lnk:stream", ".", "..",
                     "\\a.lnk", "a.lnk"}),
         {"a.lnk"}},
        {{"Editor.lnk", "notes.txt"}, OrderBytes({"editor.lnk"}), {"editor.lnk", "notes.txt"}},
        {{"\xC3\x89t\xC3\xA9.lnk"}, OrderBytes({"\xE9t\xC9.LNK"}), {"\xC3\xA9t\xC3\x89.LNK"}},  // case beyond ASCII
        {{"a.lnk", "b.lnk"},
         OrderBytes({"b.lnk", "A.LNK", "<>", "a.lnk", "B.lnk", "b.lnk"}),
         {"b.lnk", "A.LNK", "<>0"}},
        {{"a.lnk", "b.lnk", "c.lnk"}, "c.lnk\r\n[FileNames]\r\nb.lnk\r\n", {"b.lnk", "a.lnk", "c.lnk"}},
    };
    for (const auto& c : cases) {
        fs = FakeFileSystem();
        Files(c.files);
        fs.AddFile("C:\\B\\Tools\\x.lnk");
        fs.AddFile("C:\\a.lnk");
        if (c.order) fs.AddFile(kOrderPath, *c.order);
        EXPECT_EQ(Keys(Load()), c.keys) << testing::PrintToString(c.files);
    }
}

TEST_F(OrderFileTest, EntriesHoldFullPathsAndTheDictionaryIsRefilledFromScratch) {
    Files({"Editor.lnk"});
    fs.AddFile(kOrderPath, OrderBytes({"<>", "editor.lnk"}));
    ItemDictionary dic;
    dic.Add("gone.lnk", "C:\\B\\gone.lnk");
    LoadFileDic(dic, kFolder, fs, codec);
    EXPECT_EQ(Keys(dic), (Lines{"<>0", "editor.lnk"}));
    EXPECT_EQ(*dic.Find("editor.lnk"), "C:\\B\\editor.lnk");
    EXPECT_TRUE(dic[0].IsSeparator());
    LoadFileDic(dic, "C:\\Nowhere", fs, codec);
    EXPECT_TRUE(dic.Empty());
}

TEST_F(OrderFileTest, ReadOrderFileLinesGivesTheRawEntryLinesOrNothing) {
    Files({"b.lnk", "a.lnk"});
    EXPECT_EQ(ReadOrderFileLines(kFolder, fs, codec), std::nullopt);
    fs.AddFolder(kOrderPath);  // a folder of that name cannot be read as a file
    EXPECT_EQ(ReadOrderFileLines(kFolder, fs, codec), std::nullopt);
    EXPECT_EQ(Keys(Load()), (Lines{"a.lnk", "b.lnk"}));
    fs.Remove(kOrderPath);
    fs.AddFile("C:\\B\\tarndock_folder.INI", OrderBytes({"gone.lnk", "<>", "", "a.lnk"}));
    EXPECT_EQ(ReadOrderFileLines(kFolder, fs, codec), (Lines{"gone.lnk", "<>", "", "a.lnk"}));
}

TEST_F(OrderFileTest, WritingLeavesOutTheOrderFileAndTellsSeparatorsByTheirValue) {
    fs.AddFolder(kFolder);
    ItemDictionary dic;
    dic.Add("<>0", "<>");
    dic.Add("b.lnk", "C:\\B\\b.lnk");
    dic.Add("TARNDOCK_folder.ini", "C:\\B\\TARNDOCK_folder.ini");
    dic.Add("odd key", "<>");
    dic.Add("desktop.ini", "C:\\B\\desktop.ini");
    EXPECT_TRUE(WriteFileDic(dic, kOrderPath, fs, codec));
    EXPECT_EQ(fs.Bytes(kOrderPath), OrderBytes({"<>", "b.lnk", "<>", "desktop.ini"}));
    EXPECT_TRUE(WriteOrderFile({"a.lnk", "<>", "tarndock_FOLDER.ini", "b.lnk"}, kOrderPath, fs, codec));
    EXPECT_EQ(fs.Bytes(kOrderPath), OrderBytes({"a.lnk", "<>", "b.lnk"}));
}

TEST_F(OrderFileTest, AReadOnlyOrderFileOrFolderIsSkippedWithoutHarm) {
    Files({"a.lnk"});
    const std::string old = OrderBytes({"a.lnk"});
    fs.AddFile(kOrderPath, old);
    fs.SetReadOnly(kOrderPath);
    ItemDictionary dic;
    dic.Add("<>0", "<>");
    EXPECT_FALSE(WriteFileDic(dic, kOrderPath, fs, codec));
    EXPECT_EQ(fs.Bytes(kOrderPath), old);
    fs.AddFolder("C:\\Locked");
    fs.SetReadOnly("C:\\Locked");
    EXPECT_FALSE(WriteFileDic(dic, "C:\\Locked\\TarnDock_Folder.ini", fs, codec));
    EXPECT_FALSE(fs.FileExists("C:\\Locked\\TarnDock_Folder.ini"));
    EXPECT_FALSE(WriteFileDic(dic, "C:\\Gone\\TarnDock_Folder.ini", fs, codec));
}

// What is read is written back byte for byte.
TEST_F(OrderFileTest, RoundTripsAnOrderFileByteForByte) {
    const struct {
        Lines files;
        std::string bytes;
        Lines keys;
    } cases[] = {
        {{"a.lnk", "b.lnk"}, OrderBytes({"b.lnk", "<>", "a.lnk"}), {"b.lnk", "<>0", "a.lnk"}},
        {{"a.lnk", kCafe}, OrderBytes({"Caf\xE9.lnk", "<>", "a.lnk"}), {kCafe, "<>0", "a.lnk"}},
        {{"a.lnk", kZhuk}, kUtf8Bom + kHeader + kZhuk + "\r\n<>\r\na.lnk\r\n", {kZhuk, "<>0", "a.lnk"}},
        {{}, OrderBytes({"<>", "<>"}), {"<>0", "<>1"}},
    };
    for (const auto& c : cases) {
        fs = FakeFileSystem();
        Files(c.files);
        fs.AddFile(kOrderPath, c.bytes);
        const ItemDictionary dic = Load();
        EXPECT_EQ(Keys(dic), c.keys);
        EXPECT_TRUE(WriteFileDic(dic, kOrderPath, fs, codec));
        EXPECT_EQ(fs.Bytes(kOrderPath), c.bytes) << testing::PrintToString(c.bytes);
    }
}

}  // namespace
}  // namespace tarn
