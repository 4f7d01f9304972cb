#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32TextCodec.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"

namespace tarn::win32 {
namespace {

std::optional<std::string> PlatformGet(const std::string& file, const std::string& section, const std::string& key) {
    static const wchar_t kAbsent[] = L"\x01(absent)";
    std::wstring buffer(8192, L'\0');
    const DWORD length = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), kAbsent, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), Widen(file).c_str());
    buffer.resize(length);
    if (buffer == kAbsent) return std::nullopt;
    return Narrow(buffer);
}

int PlatformInt(const std::string& file, const std::string& section, const std::string& key, int def) {
    return static_cast<int>(
        GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(), def, Widen(file).c_str()));
}

void PlatformSet(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value) {
    ASSERT_TRUE(WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                           Widen(file).c_str()));
}

// The platform's profile functions and our IniFile on the same files. The platform caches a profile it has
// read, so each file gets a name of its own and is never changed behind the platform's back.
class ProfileCompatTest : public testing::Test {
protected:
    ProfileCompatTest() {
        static int counter = 0;
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root = Narrow(temp) + "tarn-ini-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        CreateDirectoryW(Widen(root).c_str(), nullptr);
    }
    ~ProfileCompatTest() override {
        // Lets go of the cached profiles before their files go.
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr);
        std::error_code error;
        std::filesystem::remove_all(Widen(root), error);
    }

    std::string NewFile() { return root + "\\file" + std::to_string(++files) + ".ini"; }

    std::string root;
    int files = 0;
    Win32FileSystem fs;
    Win32TextCodec codec;
};

TEST_F(ProfileCompatTest, SettingsWeWriteReadBackThroughTheProfileFunctions) {
    const std::string folders[] = {"C:\\Caf\xC3\xA9\\Buttons", "D:\\\xD0\x9A\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB8"};
    for (const std::string& folder : folders) {
        const std::string file = NewFile();
        ASSERT_TRUE(fs.WriteFileAtomic(file, "; kept\r\n[Other]\r\nAlpha=1\r\n[settings]\r\n  Alpha = 3\r\n"));
        const Settings settings{0.35, 200, 230, folder, false, true, 2, true, false};
        const Placement placement{-2820, 15, 5640, 720};
        ASSERT_TRUE(WriteSettingsFile(file, settings, placement, fs, codec));

        const std::string bytes = fs.ReadFile(file).value_or("");
        EXPECT_EQ(bytes.starts_with("\xFF\xFE"), !codec.ToCodePage(folder)) << folder;
        EXPECT_EQ(PlatformGet(file, "Settings", "FolderPath"), folder);
        EXPECT_EQ(PlatformGet(file, "Settings", "Delay"), "350");
        EXPECT_EQ(PlatformInt(file, "Settings", "Delay", 0), 350);
        EXPECT_EQ(PlatformInt(file, "Settings", "Alpha", 0), 200);
        EXPECT_EQ(PlatformInt(file, "Settings", "NoDelayOnScreenBorder", 1), 0);
        EXPECT_EQ(PlatformInt(file, "Settings", "OnScreenBoderOnly", 0), -1);
        EXPECT_EQ(PlatformInt(file, "Settings", "FileGrouping", 0), 2);
        EXPECT_EQ(PlatformInt(file, "Settings", "IconsInMenus", 0), -1);
        EXPECT_EQ(PlatformInt(file, "Settings", "ShortcutLNK", 1), 0);
        EXPECT_EQ(PlatformInt(file, "Settings", "Left", 0), -2820);
        EXPECT_EQ(PlatformInt(file, "Settings", "Top", 0), 15);
        EXPECT_EQ(PlatformInt(file, "Settings", "Width", 0), 5640);
        EXPECT_EQ(PlatformInt(file, "Settings", "Height", 0), 720);
        EXPECT_EQ(PlatformInt(file, "Other", "Alpha", 0), 1);

        // And our reader agrees with what we wrote.
        Settings read;
        Placement readPlace = kDesignedBar;
        ReadSettingsFile({file, "C:\\Buttons"}, read, readPlace, fs, codec);
        EXPECT_EQ(read, settings);
        EXPECT_EQ(readPlace, placement);
    }
}

// Odd spacing, case, quotes, duplicates, lines without "=", comments, other sections and every line end.
const std::string kHandWritten =
    "orphan=before any section\r\n"
    "; a comment\r\n"
    "[ Settings ]   trailing words\r\n"
    "\tFolderPath =   \"  C:\\Quoted Path  \"  \r\n"
    "delay=  350\r\n"
    "Alpha\t=\t0x1F\r\n"
    "Alpha=999\r\n"
    "NoEquals\r\n"
    "Left=-100000\n"
    "Top=12abc\r"
    "Width=\r\n"
    "Height='720'\r\n"
    "Equals=a=b\r\n"
    "\r\n"
    "[Other]\r\n"
    "Alpha=5\r\n"
    "[SETTINGS]\r\n"
    "Alpha=6\r\n"
    "OnlyHere=7\r\n"
    "[A]B]\r\n"
    "k=v\r\n";

const std::vector<std::pair<std::string, std::string>> kQueries = {
    {"", "orphan"},
    {"Settings", "FolderPath"},
    {"settings", "DELAY"},
    {"Settings", "Alpha"},
    {"Settings", "NoEquals"},
    {"Settings", "Left"},
    {"Settings", "Top"},
    {"Settings", "Width"},
    {"Settings", "Height"},
    {"Settings", "Equals"},
    {"Settings", "OnlyHere"},
    {"Settings", "; a comment"},
    {"Settings", "Missing"},
    {"Other", "Alpha"},
    {"A]B", "k"},
    {"Missing", "Alpha"},
    {"Settings", "New"},
    {"Fresh", "Key"},
    {"Settings", "ShortcutLNK"},
    {"", "; a comment"},
    {"A]B", "Unicode"},
};

void ExpectSameReads(const std::string& what, const IniFile& ours, const std::string& platformFile) {
    for (const auto& [section, key] : kQueries) {
        const auto platform = PlatformGet(platformFile, section, key);
        EXPECT_EQ(ours.Get(section, key), platform) << what << ": [" << section << "] " << key;
        EXPECT_EQ(ours.GetInt(section, key, 777), PlatformInt(platformFile, section, key, 777))
            << what << ": [" << section << "] " << key;
    }
}

TEST_F(ProfileCompatTest, FilesThePlatformWroteReadTheSameThroughIniFile) {
    for (const bool utf16 : {false, true}) {
        const std::string original =
            utf16 ? EncodeTextFile(kHandWritten + "Unicode=\xD0\x96\r\n", codec, UnicodeForm::Utf16Le) : kHandWritten;
        const std::string what = utf16 ? "UTF-16" : "code page";

        // The file as written by hand, read by both.
        const std::string handFile = NewFile();
        ASSERT_TRUE(fs.WriteFileAtomic(handFile, original));
        IniFile ours(DecodeTextFile(original, codec));
        ExpectSameReads(what + " by hand", ours, handFile);
        // What the settings rely on, as the platform reads it.
        EXPECT_EQ(PlatformGet(handFile, "Settings", "FolderPath"), "  C:\\Quoted Path  ");
        EXPECT_EQ(PlatformInt(handFile, "Settings", "Delay", 0), 350);
        EXPECT_EQ(PlatformInt(handFile, "Settings", "Alpha", 0), 31);
        EXPECT_EQ(PlatformInt(handFile, "Settings", "Left", 0), -100000);
        EXPECT_EQ(PlatformInt(handFile, "Settings", "Top", 0), 12);
        EXPECT_EQ(PlatformInt(handFile, "Settings", "Width", 777), 777);
        EXPECT_EQ(PlatformInt(handFile, "Settings", "Height", 0), 720);
        EXPECT_EQ(PlatformGet(handFile, "Settings", "OnlyHere"), std::nullopt);

        // The same changes made by the platform and by us.
        const std::string platformFile = NewFile();
        ASSERT_TRUE(fs.WriteFileAtomic(platformFile, original));
        const std::vector<std::array<std::string, 3>> changes = {
            {"settings", "alpha", "110"},      {"Settings", "NoEquals", "now set"}, {"Settings", "New", "added"},
            {"Settings", "ShortcutLNK", "-1"}, {"Fresh", "Key", "value  "},         {"Other", "Alpha", "8"},
        };
        for (const auto& [section, key, value] : changes) {
            PlatformSet(platformFile, section, key, value);
            ours.Set(section, key, value);
        }
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(platformFile).c_str());
        ExpectSameReads(what + " after the platform's writes", ours, platformFile);

        // What the platform wrote, read by us.
        const std::string platformBytes = fs.ReadFile(platformFile).value_or("");
        ExpectSameReads(what + " platform bytes", IniFile(DecodeTextFile(platformBytes, codec)), platformFile);

        // What we wrote, read by the platform.
        const std::string ourFile = NewFile();
        ASSERT_TRUE(fs.WriteFileAtomic(ourFile, EncodeTextFile(ours.Text(), codec, UnicodeForm::Utf16Le)));
        for (const auto& [section, key] : kQueries) {
            EXPECT_EQ(PlatformGet(ourFile, section, key), PlatformGet(platformFile, section, key))
                << what << ": [" << section << "] " << key;
        }
        if (utf16) {
            EXPECT_EQ(PlatformGet(ourFile, "A]B", "Unicode"), "\xD0\x96");
        }
    }
}

}  // namespace
}  // namespace tarn::win32
