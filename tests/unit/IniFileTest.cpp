#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/IniFile.h"

namespace tarn {
namespace {

using namespace std::string_literals;

struct GetCase {
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(IniFile, ReadsValuesTheWayTheProfileFunctionsDo) {
    const IniFile ini(
        "top=before any header\r\n"
        "[ Spaced ]\r\n"
        "a=1\r\n"
        "  [Settings] anything after the bracket\r\n"
        "\tKey1 \t=\t  v1 \t\r\n"
        "KEY2=\"quoted\"\r\n"
        "Key3='single'\r\n"
        "Key4=\"half\r\n"
        "Key5=\"\r\n"
        "Mixed=\"a'\r\n"
        "NoEquals\r\n"
        "Equals=a=b\r\n"
        "Empty=\r\n"
        "Nbsp=\xC2\xA0x\xC2\xA0\r\n"
        "Controls=\v\fv\x1A\r\n"
        "Nul=a\0b\r\n"s
        "; Comment=not a comment to the platform\r\n"
        "[A]B]\r\n"
        "k=last bracket ends the name\r\n");
    const GetCase cases[] = {
        {"Settings", "Key1", "v1"},
        {"settings", "key1", "v1"},
        {"  Settings ", " Key1\t", "v1"},
        {"Settings", "Key2", "quoted"},
        {"Settings", "Key3", "single"},
        {"Settings", "Key4", "\"half"},
        {"Settings", "Key5", "\""},
        {"Settings", "Mixed", "\"a'"},
        {"Settings", "NoEquals", std::nullopt},
        {"Settings", "Equals", "a=b"},
        {"Settings", "Empty", ""},
        {"Settings", "Nbsp", "\xC2\xA0x\xC2\xA0"},
        {"Settings", "Controls", "v"},
        {"Settings", "Nul", "a"},
        {"Settings", "; Comment", "not a comment to the platform"},
        {"Settings", "Missing", std::nullopt},
        {"Settings", "a", std::nullopt},
        {"Spaced", "a", "1"},
        {"", "top", "before any header"},
        {"A]B", "k", "last bracket ends the name"},
        {"Missing", "Key1", std::nullopt},
    };
    for (const GetCase& c : cases) {
        EXPECT_EQ(ini.Get(c.section, c.key), c.expected) << "[" << c.section << "] " << c.key;
    }
}

TEST(IniFile, OnlyTheFirstOfDuplicateSectionsAndKeysCounts) {
    const IniFile ini(
        "[Settings]\r\n"
        "Alpha=1\r\n"
        "alpha=2\r\n"
        "Gone\r\n"
        "Gone=hidden by the line without a value\r\n"
        "[SETTINGS]\r\n"
        "Alpha=3\r\n"
        "OnlyInSecond=4\r\n");
    EXPECT_EQ(ini.Get("Settings", "Alpha"), "1");
    EXPECT_EQ(ini.Get("Settings", "Gone"), std::nullopt);
    EXPECT_EQ(ini.Get("Settings", "OnlyInSecond"), std::nullopt);
}

TEST(IniFile, SplitsLinesOnCrLfLfAndLoneCr) {
    for (const std::string text : {"[S]\r\nA=1\r\nB=2\r\n", "[S]\nA=1\nB=2\n", "[S]\rA=1\rB=2\r", "[S]\rA=1\nB=2"}) {
        const IniFile ini(text);
        EXPECT_EQ(ini.Get("S", "A"), "1") << text;
        EXPECT_EQ(ini.Get("S", "B"), "2") << text;
        EXPECT_EQ(ini.Text(), "[S]\r\nA=1\r\nB=2\r\n") << text;
    }
    EXPECT_EQ(IniFile("a\n\rb").Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(IniFile("").Text(), "");
}

TEST(IniFile, SetReplacesInPlaceAndKeepsEveryOtherLine) {
    const std::string other = "; written by hand\r\n[Other]\r\n  Alpha = 7   ; not ours\r\n\r\n[settings]\r\n";
    const std::string later = "   \r\n[Settings]\r\nAlpha=99\r\n";
    IniFile ini(other + "   alpha   =   5\r\nNoValue\r\n" + later);
    ini.Set("Settings", "Alpha", "110");
    ini.Set("Settings", "NoValue", "filled");
    EXPECT_EQ(ini.Text(), other + "alpha=110\r\nNoValue=filled\r\n" + later);
    EXPECT_EQ(ini.Get("Settings", "Alpha"), "110");
}

TEST(IniFile, SetAddsKeysAfterTheSectionsLastKeyAndNewSectionsAtTheEnd) {
    IniFile ini("[A]\r\nk=1\r\n\r\n[B]\r\n\r\n[C]\r\nx=1");
    ini.Set("A", "New", "2");
    ini.Set("B", "First", "3");
    ini.Set("D", "Key", "4");
    ini.Set("D", "Next", "5");
    EXPECT_EQ(ini.Text(), "[A]\r\nk=1\r\nNew=2\r\n\r\n[B]\r\nFirst=3\r\n\r\n[C]\r\nx=1\r\n[D]\r\nKey=4\r\nNext=5\r\n");
    IniFile empty;
    empty.Set("Settings", "Delay", "200");
    EXPECT_EQ(empty.Text(), "[Settings]\r\nDelay=200\r\n");
}

TEST(IniFile, SetValuesReadBackUnchangedAndLineBreaksCannotInjectLines) {
    IniFile ini;
    ini.Set("S", "Path", "C:\\Some Folder\\x=y");
    ini.Set("S", "Injected", "a\r\n[S]\r\nPath=evil");
    EXPECT_EQ(ini.Get("S", "Path"), "C:\\Some Folder\\x=y");
    EXPECT_EQ(ini.Get("S", "Injected"), "a");
    EXPECT_EQ(ini.Text(), "[S]\r\nPath=C:\\Some Folder\\x=y\r\nInjected=a\r\n");
}

TEST(IniFile, ReadsIntegersLikeGetPrivateProfileInt) {
    struct IntCase {
        std::optional<std::string> value;
        int expected;
    };
    const IntCase cases[] = {
        {std::nullopt, 777},
        {"", 777},
        {"350", 350},
        {"-5", -5},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"-", 0},
        {" 42", 42},
        {"0x10", 16},
        {"0X10", 0},
        {"0o17", 15},
        {"0b101", 5},
        {"0b102", 2},
        {"99999999999", 1215752191},
        {"4294967295", -1},
        {"-2147483648", -2147483648},
        {std::string(28, '0') + "1", 1},
        {std::string(29, '0') + "1", 0},  // the digit lies beyond the platform's buffer
    };
    for (const IntCase& c : cases) EXPECT_EQ(ProfileInt(c.value, 777), c.expected) << c.value.value_or("(absent)");

    const IniFile ini("[S]\r\nQuoted=\"5\"\r\nEmptyQuotes=\"\"\r\nNoValue\r\n");
    EXPECT_EQ(ini.GetInt("S", "Quoted", 1), 5);
    EXPECT_EQ(ini.GetInt("S", "EmptyQuotes", 1), 1);
    EXPECT_EQ(ini.GetInt("S", "NoValue", 1), 1);
    EXPECT_EQ(ini.GetInt("S", "Absent", 1), 1);
}

}  // namespace
}  // namespace tarn
