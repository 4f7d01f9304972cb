#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

#include "fakes/BarRig.h"
#include "model/OrderFile.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

using namespace std::string_literals;

std::optional<std::string> Value(const char* text) { return text ? std::optional<std::string>(text) : std::nullopt; }

TEST(IniFile, ReadsValuesTheWayTheProfileFunctionsDo) {
    const IniFile ini(
        "top=t\r\n  [Set] anything after the bracket\r\n\tKey1 \t=\t  v1 \t\r\nKey5=\"\r\nNoEquals\r\n"
        "NoEquals=hidden by the line without a value\r\nEquals=a=b\r\nControls=\v\fv\x1A\r\n[Open=no header\r\n"
        "[A]B]\r\nk=last ]\r\n[SET]\r\nLater=only the first section counts\r\n");
    // Section, key, value; no value where it is null.
    static constexpr const char* kCases[][3] = {
        {" set\t", "key1 ", "v1"}, {"Set", "Key5", "\""},    {"Set", "NoEquals", nullptr},
        {"Set", "Equals", "a=b"},  {"Set", "Controls", "v"}, {"Set", "[Open", "no header"},
        {"Set", "Later", nullptr}, {"", "top", "t"},         {"A]B", "k", "last ]"}};
    for (const auto& [section, key, value] : kCases) EXPECT_EQ(ini.Get(section, key), Value(value)) << section << key;
}

TEST(IniFile, SetChangesOnlyItsLineAddsAfterTheSectionsLastKeyAndCutsAtALineBreakOrNul) {
    IniFile ini(
        "; by hand\r\n[Other]\r\nAlpha=7\r\n[settings]\r\n   alpha   =   5\r\nNoValue\r\n\r\n"
        "[Settings]\r\nAlpha=99\r\n[B]\r\n\r\n[C]\rx=1\n");
    ini.Set("Settings", "Alpha", "110");
    ini.Set("Settings", "NoValue", "a\r\n[S]\r\nb");
    ini.Set("Settings", "New", "a=b");
    ini.Set("B", "First", "c\0d"s);
    ini.Set("D", "Key", "e\rf");
    // Values that reading would trim or unquote are quoted.
    const char* const kKept[] = {"'q'", "\"\"", "\x1A'", " x\t", "a\"", "'"};
    for (int i = 0; i < 6; ++i) ini.Set("Kept", std::to_string(i), kKept[i]);
    EXPECT_EQ(ini.Text(),
              "; by hand\r\n[Other]\r\nAlpha=7\r\n[settings]\r\nalpha=110\r\nNoValue=a\r\nNew=a=b\r\n\r\n"
              "[Settings]\r\nAlpha=99\r\n[B]\r\nFirst=c\r\n\r\n[C]\r\nx=1\r\n[D]\r\nKey=e\r\n[Kept]\r\n"
              "0=\"'q'\"\r\n1=\"\"\"\"\r\n2=\"\x1A'\"\r\n3=\" x\t\"\r\n4=a\"\r\n5='\r\n");
    const IniFile reread(ini.Text());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(reread.Get("Kept", std::to_string(i)), kKept[i]);
}

TEST(IniFile, ReadsIntegersLikeGetPrivateProfileInt) {
    static constexpr std::pair<const char*, int> kCases[] = {{"-5", -5}, {"12abc", 12}, {" \t42", 42}, {"0x10", 16}};
    for (const auto& [value, expected] : kCases) EXPECT_EQ(ProfileInt(Value(value), 777), expected) << value;
    // A digit beyond the platform's buffer of 30 characters is not read.
    EXPECT_EQ(ProfileInt(std::string(28, '0') + "1", 7) + ProfileInt(std::string(29, '0') + "1", 7), 1);
}

const std::string kFile = "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini";
const std::string kDefaultFolder = "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons";

struct SettingsFile : testing::Test {
    // Reads the file, when there is one, from fresh start values.
    void Read(const std::optional<std::string>& bytes = {}) {
        if (bytes) fs.AddFile(kFile, *bytes);
        settings = Settings{}, placement = kDesignedBar;
        ReadSettingsFile({kFile, kDefaultFolder}, settings, placement, fs, codec);
    }
    std::string Written() {
        EXPECT_TRUE(WriteSettingsFile(kFile, settings, placement, fs, codec));
        return fs.Bytes(kFile).value_or("(no file)");
    }
    fakes::FakeFileSystem fs;
    fakes::FakeTextCodec codec;
    Settings settings;
    Placement placement;
};

// Values as the profile functions give them, written back in the program's own form; every other line of the
// file stays as it was, and missing keys follow the section's last key. Whole milliseconds come back as they
// were, also where six digits would give an exponent.
TEST_F(SettingsFile, AWriteChangesOnlyTheValuesOfItsKeys) {
    const std::string head = "; mine\r\n[Window]\r\nAlpha=1\r\n[Settings]\r\nShortcutLNK=",
                      tail = "\r\n[Later]\r\n\tK=\t v \r\n";
    const std::string kept = "\r\nIconsInMenus=-1\r\nNo equals\r\nAlpha=-5\r\nDelay=1000001\r\nFolderPath=";
    Read(head + "5" + kept + "  D:\\Caf\xE9  \r\n" + tail);
    EXPECT_EQ(settings, (Settings{1000001 / 1000.0, -5, 230, "D:\\Caf\xC3\xA9", true, false, 0, true, true}));
    const std::string added =
        "NoDelayOnScreenBorder=-1\r\nOnScreenBoderOnly=0\r\nFileGrouping=0\r\nLeft=10065\r\nTop=0\r\n"
        "Width=5640\r\nHeight=720\r\n";
    EXPECT_EQ(Written(), head + "-1" + kept + "D:\\Caf\xE9\r\n" + added + tail);
}

TEST_F(SettingsFile, TheFolderIsTrimmedCutTo1999UnitsAndTheMarkerXOrNoKeyMeansTheCreatedDefault) {
    static constexpr const char* kCases[][2] = {{"FolderPath=  x  ", nullptr}, {"Other=1", nullptr}};
    for (const auto& [line, folder] : kCases) {
        fs = fakes::FakeFileSystem();
        Read("[Settings]\r\n" + std::string(line) + "\r\n");
        EXPECT_EQ(settings.FolderPath, folder ? folder : kDefaultFolder) << line;
        EXPECT_EQ(fs.FolderExists(kDefaultFolder), !folder) << line;
    }
    // UTF-16 units are counted, a surrogate pair is never split, and blanks left at the cut go.
    const std::string bom = "\xEF\xBB\xBF[Settings]\r\nFolderPath=", p(1997, 'p'), smile = "\xF0\x9F\x98\x80";
    Read(bom + p + "ppq\r\n");
    EXPECT_EQ(settings.FolderPath, p + "pp");
    Read(bom + p + smile + "\r\n");
    EXPECT_EQ(settings.FolderPath, p + smile);
    Read(bom + p + " " + smile + "\r\n");
    EXPECT_EQ(settings.FolderPath, p);
}

// Every delay the integer reader can return, in plain decimals, and text beyond the code page.
TEST_F(SettingsFile, WhatIsWrittenReadsBack) {
    static constexpr int kDelays[] = {INT_MIN, -1661993000, -1,       0,          1,           200,    8192011,
                                      8388609, 9999999,     10000000, 1661993000, INT_MAX - 1, INT_MAX};
    for (const int ms : kDelays) {
        Read("[Settings]\r\nDelay=" + std::to_string(ms) + "\r\n");
        const std::string written = Written();
        Read();
        EXPECT_EQ(std::llround(settings.Delay * 1000.0), ms) << written;
    }
    // A folder outside the code page makes the whole file UTF-16. "ÿþ" and "ï»¿" in Windows-1252 are the bytes of
    // the UTF-16 and UTF-8 marks: a file that holds them in UTF-8 is written in UTF-16 too, though all of it fits the
    // code page.
    const std::string kCases[][3] = {
        {"; \xE9\r\n", "D:\\\xD0\x96", "\xFF\xFE;\0 \0\xE9\0\r\0\n\0"s},
        {"\xEF\xBB\xBF\xC3\xBF\xC3\xBE comment\r\n", "C:\\Caf\xC3\xA9", "\xFF\xFE\xFF\0\xFE\0"s},
        {"\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF[Mine]\r\n", "C:\\Caf\xC3\xA9", "\xFF\xFE\xEF\0\xBB\0\xBF\0"s}};
    for (const auto& [head, folder, start] : kCases) {
        Read(head + "[Settings]\r\nAlpha=77\r\n");
        settings.FolderPath = folder;
        const std::string written = Written();
        Read();
        EXPECT_TRUE(written.starts_with(start)) << testing::PrintToString(written);
        EXPECT_EQ(std::tuple(settings.FolderPath, settings.Alpha), std::tuple(folder, 77)) << written;
    }
    // An order file's names take the same rule, behind its header line.
    const std::vector<std::string> names = {"\xC3\xBF\xC3\xBE.lnk", "a.lnk"};
    EXPECT_EQ(ParseOrderFile(FormatOrderFile(names, codec), codec), names);
}

// Its other sections would be lost.
TEST_F(SettingsFile, AFileThatIsThereButCannotBeReadIsNotReplaced) {
    Read("[Settings]\r\nAlpha=33\r\n[Mine]\r\nKeep=1\r\n");
    fs.unreadable.insert(fakes::FakeFileSystem::Key(kFile));
    EXPECT_FALSE(WriteSettingsFile(kFile, settings, placement, fs, codec));
    EXPECT_EQ(fs.Bytes(kFile), "[Settings]\r\nAlpha=33\r\n[Mine]\r\nKeep=1\r\n");
    fs.notReady = true;  // nor does an error of the device escape
    EXPECT_FALSE(CreateDirectoryPath(fs, "C:\\d\\"));
}

// 1024 x 768 pixels, or two side by side, at 15 twips per pixel are 15360 x 11520 twips; at least 120 twips each
// way, 240 for half. The left edge at 835.5 pixels goes to the even neighbour.
TEST(WindowPlacement, KeepsAllOrHalfOfTheWindowOnTheMonitorItLiesOn) {
    static constexpr std::tuple<int, double, Placement, bool, Rect> kCases[] = {
        {1, 15, {0, 0, 0, 0}, false, {0, 0, 8, 8}},
        {1, 15, {-100000, 0, 5640, 720}, true, {-188, 0, 188, 48}},
        {1, 15, {100000, 100000, 5640, 720}, true, {836, 744, 1212, 792}},
        {1, 10, kDesignedBar, true, {742, 0, 1306, 72}},
        {2, 15, {15000, 0, 5640, 720}, false, {1024, 0, 1400, 48}}};
    for (const auto& [monitors, perPixel, twips, half, expected] : kCases) {
        fakes::FakeScreen screen;
        screen.monitors.resize(std::size_t(monitors), {1024, 0, 2048, 768});
        screen.twips = {perPixel, perPixel};
        fakes::FakeWindow window;
        PlaceWindowOnScreen(window, screen, twips, half);
        EXPECT_EQ(window.rect, expected) << twips.left << "," << twips.top << (half ? " half" : "");
    }
    fakes::FakeWindow window;  // a visible window shown again in or out of the taskbar stays visible
    window.shown = ShowCommand::Show;
    ShowInTaskbar(window, false);
    EXPECT_TRUE(!window.taskbar && window.IsVisible());
}

}  // namespace
}  // namespace tarn
