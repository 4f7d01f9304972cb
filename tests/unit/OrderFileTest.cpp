#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeTextCodec.h"
#include "model/ModelNames.h"
#include "model/OrderFile.h"

namespace tarn {
namespace {

using fakes::FakeFileSystem;
using fakes::FakeTextCodec;
using Lines = std::vector<std::string>;

constexpr const char* kFolder = "C:\\B";
constexpr const char* kOrderPath = "C:\\B\\TarnDock_Folder.ini";
const std::string kHeader = "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n";
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

std::vector<std::string> Keys(const ItemDictionary& dic) {
    std::vector<std::string> keys;
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

// Reading the lines.

TEST(OrderFileParse, DropsTheFirstTwoLinesUnreadWhateverTheyHold) {
    FakeTextCodec codec;
    EXPECT_EQ(ParseOrderFile("a.lnk\r\nb.lnk\r\nc.lnk\r\n", codec), Lines{"c.lnk"});
    EXPECT_EQ(ParseOrderFile(kHeader, codec), Lines{});
    EXPECT_EQ(ParseOrderFile("only one line", codec), Lines{});
    EXPECT_EQ(ParseOrderFile("", codec), Lines{});
}

TEST(OrderFileParse, TakesCrLfLfAndLoneCrAsLineEnds) {
    FakeTextCodec codec;
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"h\r\ns\r\na\r\nb\r\n", {"a", "b"}},
        {"h\ns\na\nb\n", {"a", "b"}},
        {"h\rs\ra\rb\r", {"a", "b"}},
        {"h\r\ns\na\rb\r\nc", {"a", "b", "c"}},  // mixed, and a last line without its line end
        {"h\r\ns\r\na\r\n\r\nb\r\n", {"a", "", "b"}},  // an empty line stays a line
        {"h\r\ns\r\n\r\r\n", {"", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseOrderFile(c.bytes, codec), c.lines) << testing::PrintToString(c.bytes);
}

TEST(OrderFileParse, ReadsTheCodePageAndBothUnicodeForms) {
    FakeTextCodec codec;
    EXPECT_EQ(ParseOrderFile(OrderBytes({"Caf\xE9.lnk"}), codec), Lines{kCafe});
    EXPECT_EQ(ParseOrderFile(kUtf8Bom + kHeader + kZhuk + "\r\n", codec), Lines{kZhuk});
    // UTF-16LE with its byte-order mark: "h\r\ns\r\nЖ\r\n".
    const std::string utf16("\xFF\xFEh\0\r\0\n\0s\0\r\0\n\0\x16\x04\r\0\n\0", 20);
    EXPECT_EQ(ParseOrderFile(utf16, codec), Lines{"\xD0\x96"});
}

// Writing the lines.

TEST(OrderFileFormat, WritesTheHeaderAndEndsEveryLineWithCrLf) {
    FakeTextCodec codec;
    EXPECT_EQ(FormatOrderFile({}, codec), kHeader);
    EXPECT_EQ(FormatOrderFile({"b.lnk", "<>", kCafe}, codec), kHeader + "b.lnk\r\n<>\r\nCaf\xE9.lnk\r\n");
}

TEST(OrderFileFormat, WritesTheWholeFileAsUtf8WithBomWhenANameDoesNotFitTheCodePage) {
    FakeTextCodec codec;
    EXPECT_EQ(FormatOrderFile({kCafe, kZhuk}, codec), kUtf8Bom + kHeader + kCafe + "\r\n" + kZhuk + "\r\n");
}

// The folder scan.

TEST_F(OrderFileTest, WithoutAnOrderFileGivesTheFilesInListingOrderWithFullPaths) {
    Files({"c.txt", "B.lnk", "a.lnk"});
    const ItemDictionary dic = Load();
    EXPECT_EQ(Keys(dic), (Lines{"a.lnk", "B.lnk", "c.txt"}));
    EXPECT_EQ(*dic.Find("B.lnk"), "C:\\B\\B.lnk");
    EXPECT_FALSE(dic[0].IsSeparator());
}

TEST_F(OrderFileTest, ListedEntriesComeFirstWithNumberedSeparatorsThenTheRest) {
    Files({"a.lnk", "B.lnk", "c.txt"});
    fs.AddFile(kOrderPath, OrderBytes({"c.txt", "<>", "<>"}));
    const ItemDictionary dic = Load();
    EXPECT_EQ(Keys(dic), (Lines{"c.txt", "<>0", "<>1", "a.lnk", "B.lnk"}));
    EXPECT_EQ(*dic.Find("<>1"), "<>");
    EXPECT_TRUE(dic[1].IsSeparator());
    EXPECT_EQ(*dic.Find("c.txt"), "C:\\B\\c.txt");
}

TEST_F(OrderFileTest, SeparatorsStayAtTheStartTheEndAndInRuns) {
    Files({"a.lnk", "b.lnk"});
    fs.AddFile(kOrderPath, OrderBytes({"<>", "b.lnk", "<>", "<>", "<>", "a.lnk", "<>"}));
    EXPECT_EQ(Keys(Load()), (Lines{"<>0", "b.lnk", "<>1", "<>2", "<>3", "a.lnk", "<>4"}));
}

TEST_F(OrderFileTest, OnlySeparatorsInAnEmptyFolderGiveOnlySeparators) {
    fs.AddFolder(kFolder);
    fs.AddFile(kOrderPath, OrderBytes({"<>", "<>"}));
    EXPECT_EQ(Keys(Load()), (Lines{"<>0", "<>1"}));
}

TEST_F(OrderFileTest, RefillsTheDictionaryFromScratch) {
    Files({"a.lnk"});
    ItemDictionary dic;
    dic.Add("gone.lnk", "C:\\B\\gone.lnk");
    dic.Add("<>0", "<>");
    LoadFileDic(dic, kFolder, fs, codec);
    EXPECT_EQ(Keys(dic), Lines{"a.lnk"});
}

TEST_F(OrderFileTest, EmptyAndMissingFoldersGiveNothing) {
    fs.AddFolder(kFolder);
    EXPECT_TRUE(Load().Empty());
    Files({"desktop.ini"});
    fs.AddFile(kOrderPath, OrderBytes({}));
    EXPECT_TRUE(Load().Empty());
    ItemDictionary dic;
    dic.Add("x", "y");
    LoadFileDic(dic, "C:\\Nowhere", fs, codec);
    EXPECT_TRUE(dic.Empty());
}

TEST_F(OrderFileTest, TheListingNeverAddsDesktopIniOrTheOrderFileInAnyCase) {
    for (const std::string reserved : {"desktop.ini", "DESKTOP.INI", "Desktop.Ini", "dESKTOP.iNI", "TarnDock_Folder.ini",
                                       "tarndock_folder.ini", "TARNDOCK_FOLDER.INI", "tarnDOCK_Folder.Ini"}) {
        fs = FakeFileSystem();
        Files({"a.lnk", "b.lnk"});
        // The listing shows the name in this spelling; a spelling of the order file's name is the order file too.
        fs.AddFile(std::string(kFolder) + "\\" + reserved, OrderBytes({"b.lnk"}));
        if (!fs.FileExists(kOrderPath)) fs.AddFile(kOrderPath, OrderBytes({"b.lnk"}));
        EXPECT_EQ(Keys(Load()), (Lines{"b.lnk", "a.lnk"})) << reserved;
    }
}

TEST_F(OrderFileTest, DesktopIniComesWhereTheOrderFileNamesItAndTheOrderFileNever) {
    Files({"a.lnk", "Desktop.ini"});
    fs.AddFile(kOrderPath, OrderBytes({"desktop.ini", "TarnDock_Folder.ini", "a.lnk", "DESKTOP.INI"}));
    EXPECT_EQ(Keys(Load()), (Lines{"desktop.ini", "a.lnk"}));
}

TEST_F(OrderFileTest, TakesHiddenAndOddlyNamedFilesOfAnyOtherName) {
    Files({".hidden", "Thumbs.db", "desktop.ini.bak", "x desktop.ini", "TarnDock_Folder.ini.old"});
    EXPECT_EQ(Keys(Load()), (Lines{".hidden", "desktop.ini.bak", "TarnDock_Folder.ini.old", "Thumbs.db",
                                   "x desktop.ini"}));
}

TEST_F(OrderFileTest, DropsLinesNamingNoFileOfTheFolder) {
    Files({"a.lnk", "b.lnk"});
    fs.AddFolder("C:\\B\\Tools");
    fs.AddFile(kOrderPath, OrderBytes({"gone.lnk", "b.lnk", "", " <> ", "<> ", "Tools", " a.lnk", "a.lnk "}));
    EXPECT_EQ(Keys(Load()), (Lines{"b.lnk", "a.lnk"}));
}

TEST_F(OrderFileTest, DropsLinesThatHoldAPathEvenWhenItNamesARealFile) {
    Files({"a.lnk"});
    fs.AddFile("C:\\B\\Tools\\x.lnk");
    fs.AddFile("C:\\other\\y.lnk");
    fs.AddFile("C:\\a.lnk");
    fs.AddFile(kOrderPath, OrderBytes({"Tools\\x.lnk", "Tools/x.lnk", "..\\other\\y.lnk", "..\\a.lnk", "C:\\B\\a.lnk",
                                       "C:a.lnk", "a.lnk:stream", ".", "..", "\\a.lnk", "a.lnk"}));
    const ItemDictionary dic = Load();
    EXPECT_EQ(Keys(dic), Lines{"a.lnk"});
    EXPECT_EQ(*dic.Find("a.lnk"), "C:\\B\\a.lnk");
}

TEST_F(OrderFileTest, MatchesNamesAgainstTheListingWithoutRegardToCase) {
    Files({"Editor.lnk", "notes.txt"});
    fs.AddFile(kOrderPath, OrderBytes({"editor.lnk"}));
    const ItemDictionary dic = Load();
    EXPECT_EQ(Keys(dic), (Lines{"editor.lnk", "notes.txt"}));
    EXPECT_EQ(*dic.Find("editor.lnk"), "C:\\B\\editor.lnk");
}

TEST_F(OrderFileTest, MatchesCaseBeyondAsciiAsTheCodecFoldsIt) {
    Files({"\xC3\x89t\xC3\xA9.lnk"});  // "Été.lnk"
    fs.AddFile(kOrderPath, OrderBytes({"\xE9t\xC9.LNK"}));  // "étÉ.LNK" in the code page
    EXPECT_EQ(Keys(Load()), Lines{"\xC3\xA9t\xC3\x89.LNK"});
}

TEST_F(OrderFileTest, CountsANameListedTwiceInAnyCaseOnceAtItsFirstLine) {
    Files({"a.lnk", "b.lnk"});
    fs.AddFile(kOrderPath, OrderBytes({"b.lnk", "A.LNK", "<>", "a.lnk", "B.lnk", "b.lnk"}));
    EXPECT_EQ(Keys(Load()), (Lines{"b.lnk", "A.LNK", "<>0"}));
}

TEST_F(OrderFileTest, AFileNameOnTheFirstLineIsTakenAsTheHeaderAndTheFileGoesLast) {
    Files({"a.lnk", "b.lnk", "c.lnk"});
    fs.AddFile(kOrderPath, "c.lnk\r\n[FileNames]\r\nb.lnk\r\n");
    EXPECT_EQ(Keys(Load()), (Lines{"b.lnk", "a.lnk", "c.lnk"}));
}

TEST_F(OrderFileTest, AnOrderFileThatCannotBeReadCountsAsNone) {
    Files({"b.lnk", "a.lnk"});
    fs.AddFolder(kOrderPath);  // a folder of that name cannot be read as a file
    EXPECT_EQ(Keys(Load()), (Lines{"a.lnk", "b.lnk"}));
    EXPECT_EQ(ReadOrderFileLines(kFolder, fs, codec), std::nullopt);
}

TEST_F(OrderFileTest, ReadOrderFileLinesGivesTheRawEntryLines) {
    Files({"a.lnk"});
    EXPECT_EQ(ReadOrderFileLines(kFolder, fs, codec), std::nullopt);
    fs.AddFile("C:\\B\\tarndock_folder.INI", OrderBytes({"gone.lnk", "<>", "", "a.lnk"}));
    EXPECT_EQ(ReadOrderFileLines(kFolder, fs, codec), (Lines{"gone.lnk", "<>", "", "a.lnk"}));
}

// Writing a dictionary.

TEST_F(OrderFileTest, WriteFileDicWritesNamesAndSeparatorsAndLeavesOutTheOrderFile) {
    fs.AddFolder(kFolder);
    ItemDictionary dic;
    dic.Add("<>0", "<>");
    dic.Add("b.lnk", "C:\\B\\b.lnk");
    dic.Add("TARNDOCK_folder.ini", "C:\\B\\TARNDOCK_folder.ini");
    dic.Add("<>1", "<>");
    dic.Add("odd key", "<>");  // a separator is told by its value
    dic.Add("desktop.ini", "C:\\B\\desktop.ini");
    EXPECT_TRUE(WriteFileDic(dic, kOrderPath, fs, codec));
    EXPECT_EQ(fs.Bytes(kOrderPath), OrderBytes({"<>", "b.lnk", "<>", "<>", "desktop.ini"}));
}

TEST_F(OrderFileTest, WriteOrderFileLeavesOutTheOrderFileLikeTheDictionaryWriter) {
    fs.AddFolder(kFolder);
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

// Round trips: what is read is written back byte for byte.

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

TEST_F(OrderFileTest, ANameOutsideTheCodePageKeepsItsPlace) {
    Files({"a.lnk", "b.lnk", kZhuk});
    ItemDictionary dic;
    dic.Add(kZhuk, "C:\\B\\" + kZhuk);
    dic.Add("<>0", "<>");
    dic.Add("b.lnk", "C:\\B\\b.lnk");
    ASSERT_TRUE(WriteFileDic(dic, kOrderPath, fs, codec));
    ASSERT_TRUE(fs.Bytes(kOrderPath)->starts_with(kUtf8Bom));
    EXPECT_EQ(Keys(Load()), (Lines{kZhuk, "<>0", "b.lnk", "a.lnk"}));
}

}  // namespace
}  // namespace tarn
