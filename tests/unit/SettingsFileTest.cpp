#include <gtest/gtest.h>

#include <cmath>

#include "fakes/BarRig.h"
#include "settings/SettingsFile.h"

namespace tarn {
namespace {

using namespace std::string_literals;

const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kFile = kLocal + "\\TarnDock\\TarnDock.ini";
const std::string kDefaultFolder = kLocal + "\\TarnDock\\Buttons";

const std::string kFreshFile = fakes::kFreshSettingsFile;

class SettingsFileTest : public testing::Test {
protected:
    SettingsFileTest() { fs.AddFolder(kLocal + "\\TarnDock"); }

    void Read() { ReadSettingsFile({kFile, kDefaultFolder}, settings, placement, fs, codec); }
    bool Write() { return WriteSettingsFile(kFile, settings, placement, fs, codec); }
    // Reads the file from fresh start values.
    void ReadFresh(const std::string& bytes) {
        fs.AddFile(kFile, bytes);
        settings = Settings{};
        placement = kDesignedBar;
        Read();
    }
    std::string Stored() const { return fs.Bytes(kFile).value_or("(no file)"); }

    fakes::FakeFileSystem fs;
    fakes::FakeTextCodec codec;
    Settings settings;
    Placement placement = kDesignedBar;
};

TEST_F(SettingsFileTest, AFreshAccountGetsTheDefaultsTheButtonFolderAndTheTwelveKeysInOrder) {
    Read();
    Settings expected;
    expected.FolderPath = kDefaultFolder;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(placement, kDesignedBar);
    EXPECT_TRUE(fs.FolderExists(kDefaultFolder));

    ASSERT_TRUE(Write());
    EXPECT_EQ(Stored(), kFreshFile);
}

TEST_F(SettingsFileTest, AConfiguredFolderIsTakenAsItIsAndNeverCreatedTheMarkerOrNoValueMeansTheDefault) {
    const struct {
        std::string line;
        std::string expected;  // empty for the default folder, which is then created
    } cases[] = {
        {"FolderPath=   D:\\My Buttons   ", "D:\\My Buttons"},
        {"FolderPath=X", "X"},
        {"FolderPath=\"  D:\\Quoted  \"", "D:\\Quoted"},
        {"folderpath = D:\\Case", "D:\\Case"},
        {"FolderPath=x", ""},
        {"FolderPath=  x  ", ""},
        {"FolderPath", ""},
        {"Other=1", ""},
    };
    for (const auto& c : cases) {
        fs.Remove(kDefaultFolder);
        ReadFresh("[Settings]\r\n" + c.line + "\r\n");
        EXPECT_EQ(settings.FolderPath, c.expected.empty() ? kDefaultFolder : c.expected) << c.line;
        EXPECT_EQ(fs.FolderExists(kDefaultFolder), c.expected.empty()) << c.line;
        EXPECT_FALSE(fs.FolderExists("D:\\My Buttons")) << c.line;
    }
    ReadFresh("[Settings]\r\nFolderPath=\r\n");
    EXPECT_EQ(settings.FolderPath, "");
}

TEST_F(SettingsFileTest, AFolderPathIsCutTo1999Characters) {
    ReadFresh("[Settings]\r\nFolderPath=" + std::string(10000, 'p') + "\r\n");
    EXPECT_EQ(settings.FolderPath, std::string(1999, 'p'));

    // The cut counts UTF-16 units and never splits a surrogate pair; blanks left at the cut are removed.
    ReadFresh("\xEF\xBB\xBF[Settings]\r\nFolderPath=" + std::string(1997, 'p') + " \xF0\x9F\x98\x80\r\n");
    EXPECT_EQ(settings.FolderPath, std::string(1997, 'p'));
    ReadFresh("\xEF\xBB\xBF[Settings]\r\nFolderPath=" + std::string(1997, 'p') + "\xF0\x9F\x98\x80\r\n");
    EXPECT_EQ(settings.FolderPath, std::string(1997, 'p') + "\xF0\x9F\x98\x80");
}

TEST_F(SettingsFileTest, DelayIsStoredInMillisecondsAndWrittenBackTheSame) {
    settings.Delay = 0.0125;
    ASSERT_TRUE(Write());
    EXPECT_NE(Stored().find("\r\nDelay=12.5\r\n"), std::string::npos) << Stored();
    // Every whole number of milliseconds comes back as it was, also where the float is not exact (251) and
    // where the shortest form would be an exponent (200000).
    for (const int ms : {0, 1, 200, 251, 350, 1004, 2047, 3000, 200000}) {
        ReadFresh("[Settings]\r\nDelay=" + std::to_string(ms) + "\r\n");
        EXPECT_EQ(std::nearbyint(settings.Delay * 1000.0), ms);
        ASSERT_TRUE(Write());
        EXPECT_NE(Stored().find("\r\nDelay=" + std::to_string(ms) + "\r\n"), std::string::npos) << Stored();
    }
}

TEST_F(SettingsFileTest, BooleansAreAnyNonZeroIntegerWrittenAsMinusOneOrZeroAndNumbersAreReadUnchanged) {
    ReadFresh(
        "[Settings]\r\nShortcutLNK=5\r\nNoDelayOnScreenBorder=0\r\nOnScreenBoderOnly=abc\r\nIconsInMenus=0x1\r\n"
        "Alpha=999\r\nFileGrouping=7\r\nLeft=-100000\r\nWidth=0\r\nHeight=-3\r\n");
    EXPECT_TRUE(settings.ShortcutLNK);
    EXPECT_FALSE(settings.NoDelayOnScreenBorder);
    EXPECT_FALSE(settings.OnScreenBoderOnly);
    EXPECT_TRUE(settings.IconsInMenus);
    EXPECT_EQ(settings.Alpha, 999);
    EXPECT_EQ(settings.FileGrouping, 7);
    EXPECT_EQ(placement, (Placement{-100000, 0, 0, -3}));
    ASSERT_TRUE(Write());
    for (const char* line : {"\r\nShortcutLNK=-1\r\n", "\r\nNoDelayOnScreenBorder=0\r\n", "\r\nIconsInMenus=-1\r\n"}) {
        EXPECT_NE(Stored().find(line), std::string::npos) << Stored();
    }
    // An empty value is no value: the start value stays.
    ReadFresh("[Settings]\r\nShortcutLNK=\r\nOnScreenBoderOnly=\r\nAlpha=-5\r\n");
    EXPECT_TRUE(settings.ShortcutLNK);
    EXPECT_FALSE(settings.OnScreenBoderOnly);
    EXPECT_EQ(settings.Alpha, -5);
}

TEST_F(SettingsFileTest, EverySettingSurvivesAWriteAndARead) {
    settings = {0.5f, 42, 230, "E:\\Caf\xC3\xA9", false, true, 2, true, false};
    placement = {-120, 15000, 4500, 600};
    const Settings written = settings;
    const Placement writtenPlace = placement;
    ASSERT_TRUE(Write());
    settings = Settings{};
    placement = kDesignedBar;
    Read();
    EXPECT_EQ(settings, written);
    EXPECT_EQ(placement, writtenPlace);
    // It fits the code page, so it is stored in it.
    EXPECT_NE(Stored().find("FolderPath=E:\\Caf\xE9\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, AFolderOutsideTheCodePageMakesTheWholeFileUtf16) {
    fs.AddFile(kFile, "; \xE9t\xE9\r\n[Settings]\r\nAlpha=50\r\n");
    Read();
    settings.FolderPath = "D:\\\xD0\x9A\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB8";  // Cyrillic
    ASSERT_TRUE(Write());
    const std::string bytes = Stored();
    ASSERT_TRUE(bytes.starts_with("\xFF\xFE")) << bytes;
    EXPECT_EQ(bytes.substr(2, 4), std::string("\x3B\x00\x20\x00", 4));  // "; " as UTF-16LE
    EXPECT_EQ(bytes.substr(6, 2), std::string("\xE9\x00", 2));          // the comment's é kept
    settings = Settings{};
    Read();
    EXPECT_EQ(settings.FolderPath, "D:\\\xD0\x9A\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB8");
    EXPECT_EQ(settings.Alpha, 50);

    // Back in the code page once everything fits again.
    settings.FolderPath = "D:\\Plain";
    ASSERT_TRUE(Write());
    EXPECT_TRUE(Stored().starts_with("; \xE9t\xE9\r\n[Settings]\r\n")) << Stored();
}

TEST_F(SettingsFileTest, AWriteKeepsForeignSectionsCommentsAndOddLinesByteForByte) {
    const std::string head = "; TarnDock settings\r\n[Window]\r\nAlpha = 1\r\n\r\n[Settings]\r\n";
    const std::string kept = "Comment ; no equals sign\r\nDelay=900\r\nUnknown=kept\r\n";
    const std::string tail = "\r\n[Later]\r\n\tKey=\t value \r\n";
    ReadFresh(head + "  Alpha = 20  \r\n" + kept + tail);
    EXPECT_EQ(settings.Alpha, 20);
    settings.Alpha = 21;
    ASSERT_TRUE(Write());
    // The keys the file lacked follow its last key of the section, in their order.
    EXPECT_EQ(Stored(),
              head + "Alpha=21\r\n" + kept + "FolderPath=" + kDefaultFolder +
                  "\r\nNoDelayOnScreenBorder=-1\r\nOnScreenBoderOnly=0\r\nFileGrouping=0\r\nIconsInMenus=0\r\n"
                  "ShortcutLNK=-1\r\nLeft=10065\r\nTop=0\r\nWidth=5640\r\nHeight=720\r\n" +
                  tail);
}

TEST_F(SettingsFileTest, DuplicatesAreReadAndWrittenWhereThePlatformWould) {
    ReadFresh("[Settings]\r\nAlpha=1\r\nALPHA=2\r\n[other]\r\nTop=5\r\n[settings]\r\nAlpha=3\r\nWidth=999\r\n");
    EXPECT_EQ(settings.Alpha, 1);
    EXPECT_EQ(placement.width, kDesignedBar.width);
    settings.Alpha = 9;
    ASSERT_TRUE(Write());
    const std::string text = Stored();
    EXPECT_TRUE(text.starts_with("[Settings]\r\nAlpha=9\r\nALPHA=2\r\nFolderPath=")) << text;
    EXPECT_TRUE(text.ends_with("[other]\r\nTop=5\r\n[settings]\r\nAlpha=3\r\nWidth=999\r\n")) << text;
}

TEST_F(SettingsFileTest, AFileWithoutTheSectionGetsItAppended) {
    ReadFresh("[Other]\r\nKey=1");
    ASSERT_TRUE(Write());
    EXPECT_EQ(Stored(), "[Other]\r\nKey=1\r\n" + kFreshFile);
}

TEST_F(SettingsFileTest, GarbageAndBinaryFilesGiveDefaultsAndAreNotLostOnAWrite) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
    const std::vector<std::string> files = {garbage,
                                            "\xFF\xFE" + garbage,
                                            "\xEF\xBB\xBF" + garbage,
                                            std::string(64, '\0'),
                                            "[[[[]]]]]==\r\r\n\n=[Settings",
                                            "\xFF\xFE\x41"};
    for (const std::string& bytes : files) {
        ReadFresh(bytes);
        Settings expected;
        expected.FolderPath = kDefaultFolder;
        EXPECT_EQ(settings, expected);
        EXPECT_EQ(placement, kDesignedBar);
        ASSERT_TRUE(Write());
        settings = Settings{};
        settings.Alpha = 1;
        Read();
        EXPECT_EQ(settings, expected);
    }
}

TEST_F(SettingsFileTest, LfCrAndUtf8FilesAreRead) {
    for (const std::string text :
         {"[Settings]\nAlpha=12\nDelay=500\nTop=30\n", "[Settings]\rAlpha=12\rDelay=500\rTop=30\r",
          "\xEF\xBB\xBF[Settings]\r\nAlpha=12\r\nDelay=500\r\nTop=30\r\nFolderPath=D:\\\xD0\x96\r\n"}) {
        ReadFresh(text);
        EXPECT_EQ(settings.Alpha, 12);
        EXPECT_EQ(settings.Delay, 0.5);
        EXPECT_EQ(placement.top, 30);
    }
    EXPECT_EQ(settings.FolderPath, "D:\\\xD0\x96");
}

TEST_F(SettingsFileTest, AnExistingFileThatCannotBeReadIsNotOverwritten) {
    const std::string old = "[Settings]\r\nAlpha=33\r\n[Mine]\r\nKeep=1\r\n";
    fs.AddFile(kFile, old);
    fs.SetUnreadable(kFile);
    Read();
    EXPECT_FALSE(Write());
    EXPECT_EQ(Stored(), old);
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileIntact) {
    const std::string old = "[Settings]\r\nAlpha=33\r\n";
    fs.AddFile(kFile, old);
    fs.SetReadOnly(kFile);
    settings.Alpha = 44;
    EXPECT_FALSE(Write());
    EXPECT_EQ(Stored(), old);

    // A missing settings folder cannot be written either, and is not created here.
    fs.Remove(kLocal + "\\TarnDock");
    EXPECT_FALSE(Write());
    EXPECT_FALSE(fs.FolderExists(kLocal + "\\TarnDock"));
}

}  // namespace
}  // namespace tarn
