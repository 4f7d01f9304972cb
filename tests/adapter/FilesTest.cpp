#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/ModelNames.h"
#include "model/OrderFile.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextCodec.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"

// The files of the program through the platform: its file system, the order file of a button folder, the settings
// file against the platform's own profile functions, and shortcuts.
namespace tarn::win32 {
namespace {

// A fresh folder below the temporary folder for each test, removed with everything in it, read-only files too.
struct FilesTest : testing::Test {
    FilesTest() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = Narrow(temp) + "tarn-files-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++tests);
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
    }
    ~FilesTest() override {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr);  // the platform lets go of cached profiles
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Widen(folder), error))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(Widen(folder), error);
    }
    std::string At(const std::string& name) const { return folder + "\\" + name; }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names = fs.ListFiles(folder);
        std::sort(names.begin(), names.end());
        return names;
    }

    static inline int tests = 0;
    std::string folder;
    Win32FileSystem fs;
    Win32TextCodec codec;
};
using Win32FileSystemTest = FilesTest;

TEST_F(Win32FileSystemTest, AFailedReplaceLeavesTheOldFileWholeAndNoTemporaryFile) {
    for (const char* name : {"readonly.ini", "held.ini"}) ASSERT_TRUE(fs.WriteFileAtomic(At(name), "old"));
    ASSERT_TRUE(SetFileAttributesW(Widen(At("readonly.ini")).c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryW(Widen(At("folder.ini")).c_str(), nullptr));
    {
        // Held open without delete sharing, as by a scanner that does not let go: the retries give up.
        const UniqueKernelHandle holder(CreateFileW(Widen(At("held.ini")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        for (const char* name : {"readonly.ini", "held.ini", "folder.ini", "missing\\file.ini"}) {
            EXPECT_FALSE(fs.WriteFileAtomic(At(name), std::string(100000, 'n'))) << name;
        }
    }
    EXPECT_EQ(fs.ReadFile(At("readonly.ini")), "old");
    EXPECT_EQ(fs.ReadFile(At("held.ini")), "old");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"held.ini", "readonly.ini"}));
    EXPECT_TRUE(fs.WriteFileAtomic(At("held.ini"), "new"));
    EXPECT_EQ(fs.ReadFile(At("held.ini")), "new");
}

TEST_F(Win32FileSystemTest, AReplaceRemovesTheTemporaryFilesOfWritersThatNoLongerRun) {
    // A writer that still runs: a suspended copy of this program.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    PROCESS_INFORMATION live{};
    ASSERT_TRUE(
        CreateProcessW(self, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &live));
    const UniqueKernelHandle process(live.hProcess), thread(live.hThread);
    const std::string livePid = std::to_string(live.dwProcessId);
    const std::string ownPid = std::to_string(GetCurrentProcessId());
    std::vector<std::string> kept = {"Other.ini.4294967292-0.tmp", "TarnDock.ini", "TarnDock.ini." + livePid + "-3.tmp",
                                     "TarnDock.ini." + ownPid + "-9.tmp", "TarnDock.ini.x-0.tmp"};
    for (const std::string& name : kept) ASSERT_TRUE(fs.WriteFileAtomic(At(name), "kept"));
    ASSERT_TRUE(fs.WriteFileAtomic(At("TarnDock.ini.4294967292-0.tmp"), "stale"));  // no such process
    ASSERT_TRUE(fs.WriteFileAtomic(At("tarndock.INI.4294967288-12.TMP"), "stale"));
    EXPECT_TRUE(fs.WriteFileAtomic(At("TarnDock.ini"), "new"));
    TerminateProcess(process.get(), 0);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(Listing(), kept);
    EXPECT_EQ(fs.ReadFile(At("TarnDock.ini")), "new");
}

// The order file of a button folder through the platform's files and code page, Windows-1252 under Wine.
struct OrderFileAdapterTest : FilesTest {
    void MakeFiles(const std::vector<std::string>& names) {
        for (const std::string& name : names) ASSERT_TRUE(fs.WriteFileAtomic(At(name), "")) << name;
    }
    std::vector<std::string> Keys() {
        ItemDictionary dictionary;
        LoadFileDic(dictionary, folder, fs, codec);
        std::vector<std::string> keys;
        for (const ItemEntry& entry : dictionary) keys.push_back(entry.key);
        return keys;
    }
    std::string orderFile = At(std::string(kOrderFileName));
};

TEST_F(OrderFileAdapterTest, NamesOutsideTheCodePageKeepTheirPlaceInAUtf8File) {
    const std::string zhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";  // Cyrillic
    MakeFiles({"a.lnk", zhuk, "Caf\xC3\xA9.lnk", "hidden.lnk"});
    SetFileAttributesW(Widen(At("hidden.lnk")).c_str(), FILE_ATTRIBUTE_HIDDEN);
    ItemDictionary dictionary;
    for (const std::string& key : {zhuk, std::string("<>0"), std::string("hidden.lnk"), std::string("Caf\xC3\xA9.lnk")})
        dictionary.Add(key, key == "<>0" ? "<>" : At(key));
    ASSERT_TRUE(WriteFileDic(dictionary, orderFile, fs, codec));
    EXPECT_TRUE(fs.ReadFile(orderFile).value_or("").starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(Keys(), (std::vector<std::string>{zhuk, "<>0", "hidden.lnk", "Caf\xC3\xA9.lnk", "a.lnk"}));
}

TEST_F(OrderFileAdapterTest, ACodePageFileMatchesNamesInAnyCaseAndIsWrittenBackByteForByte) {
    // A temporary file that a killed writer of the order file left behind is no button and goes with the next write.
    MakeFiles({"a.lnk", "b.lnk", "Caf\xC3\xA9.lnk", std::string(kOrderFileName) + ".4294967292-0.tmp"});
    const std::string original =
        std::string(kOrderFileHeader) + "\r\n[FileNames]\r\nCAF\xC9.LNK\r\n<>\r\nB.lnk\r\na.lnk\r\n";
    ASSERT_TRUE(fs.WriteFileAtomic(orderFile, original));
    ItemDictionary dictionary;
    LoadFileDic(dictionary, folder, fs, codec);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"CAF\xC3\x89.LNK", "<>0", "B.lnk", "a.lnk"}));
    ASSERT_TRUE(WriteFileDic(dictionary, orderFile, fs, codec));
    EXPECT_EQ(fs.ReadFile(orderFile), original);
    EXPECT_EQ(fs.ListFiles(folder).size(), 4u);
}

std::optional<std::string> PlatformGet(const std::string& file, const std::string& section, const std::string& key) {
    static const wchar_t kAbsent[] = L"\x01(absent)";
    std::wstring buffer(8192, L'\0');
    buffer.resize(GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), kAbsent, buffer.data(),
                                           static_cast<DWORD>(buffer.size()), Widen(file).c_str()));
    if (buffer == kAbsent) return std::nullopt;
    return Narrow(buffer);
}

// The platform's profile functions and our settings and IniFile on the same files. The platform caches a profile it
// has read, so each file has a name of its own and never changes behind the platform's back.
struct ProfileCompatTest : FilesTest {
    std::string NewFile(const std::string& bytes) {
        const std::string file = At("file" + std::to_string(++files) + ".ini");
        EXPECT_TRUE(fs.WriteFileAtomic(file, bytes));
        return file;
    }
    int files = 0;
};

TEST_F(ProfileCompatTest, TheSettingsWeWriteReadBackThroughTheProfileFunctions) {
    // A folder in the code page, and one outside it, for which the whole file is UTF-16 as Windows can read it.
    for (const std::string path :
         {"C:\\Caf\xC3\xA9\\Buttons", "D:\\\xD0\x9A\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB8"}) {
        const std::string file = NewFile("; kept\r\n[Other]\r\nAlpha=1\r\n[settings]\r\n  Alpha = 3\r\n");
        const Settings settings{0.35, 200, 230, path, false, true, 2, true, false};
        const Placement placement{-2820, 15, 5640, 720};
        ASSERT_TRUE(WriteSettingsFile(file, settings, placement, fs, codec));
        EXPECT_EQ(fs.ReadFile(file).value_or("").starts_with("\xFF\xFE"), path[0] == 'D');
        // clang-format off
        const std::vector<std::array<std::string, 3>> expected = {
            {"Settings", "FolderPath", path}, {"Settings", "Delay", "350"}, {"Settings", "Alpha", "200"},
            {"Settings", "NoDelayOnScreenBorder", "0"}, {"Settings", "OnScreenBoderOnly", "-1"},
            {"Settings", "FileGrouping", "2"}, {"Settings", "IconsInMenus", "-1"}, {"Settings", "ShortcutLNK", "0"},
            {"Settings", "Left", "-2820"}, {"Settings", "Top", "15"}, {"Settings", "Width", "5640"},
            {"Settings", "Height", "720"}, {"Other", "Alpha", "1"}};
        // clang-format on
        for (const auto& [section, key, value] : expected) EXPECT_EQ(PlatformGet(file, section, key), value) << key;
        Settings read;
        Placement readPlace = kDesignedBar;
        ReadSettingsFile({file, "C:\\Buttons"}, read, readPlace, fs, codec);
        EXPECT_EQ(read, settings);
        EXPECT_EQ(readPlace, placement);
    }
}

// Odd spacing, case, quotes, duplicates, lines without "=", comments, other sections and every line end.
const std::string kHandWritten =
    "orphan=before any section\r\n; a comment\r\n[ Settings ]   trailing words\r\n"
    "\tFolderPath =   \"  C:\\Quoted Path  \"  \r\ndelay=  350\r\nAlpha\t=\t0x1F\r\nAlpha=999\r\nNoEquals\r\n"
    "Left=-100000\nTop=12abc\rWidth=\r\nHeight='720'\r\nEquals=a=b\r\n\r\n[Other]\r\nAlpha=5\r\n"
    "[SETTINGS]\r\nAlpha=6\r\nOnlyHere=7\r\n[A]B]\r\nk=v\r\n";

// clang-format off
const std::vector<std::pair<std::string, std::string>> kQueries = {
    {"", "orphan"}, {"Settings", "FolderPath"}, {"settings", "DELAY"}, {"Settings", "Alpha"}, {"Settings", "NoEquals"},
    {"Settings", "Left"}, {"Settings", "Top"}, {"Settings", "Width"}, {"Settings", "Height"}, {"Settings", "Equals"},
    {"Settings", "OnlyHere"}, {"Settings", "; a comment"}, {"Settings", "Missing"}, {"Other", "Alpha"}, {"A]B", "k"},
    {"Missing", "Alpha"}, {"Settings", "New"}, {"Fresh", "Key"}, {"Settings", "ShortcutLNK"}, {"", "; a comment"},
    {"A]B", "Unicode"}};
// clang-format on

void ExpectSameReads(const std::string& what, const IniFile& ours, const std::string& platformFile) {
    for (const auto& [section, key] : kQueries) {
        EXPECT_EQ(ours.Get(section, key), PlatformGet(platformFile, section, key))
            << what << ": [" << section << "] " << key;
        EXPECT_EQ(ours.GetInt(section, key, 777),
                  static_cast<int>(GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(), 777,
                                                         Widen(platformFile).c_str())))
            << what << ": [" << section << "] " << key;
    }
}

TEST_F(ProfileCompatTest, FilesThePlatformReadsAndWritesReadTheSameThroughIniFile) {
    for (const bool utf16 : {false, true}) {  // the code page, or UTF-16 with a name outside it
        const std::string what = utf16 ? "UTF-16" : "code page";
        const std::string original =
            utf16 ? EncodeTextFile(kHandWritten + "Unicode=\xD0\x96\r\n", codec, UnicodeForm::Utf16Le) : kHandWritten;
        IniFile ours(DecodeTextFile(original, codec));
        ExpectSameReads(what + " by hand", ours, NewFile(original));

        // The same changes made by the platform and by us.
        const std::string platformFile = NewFile(original);
        const std::vector<std::array<std::string, 3>> changes = {
            {"settings", "alpha", "110"},      {"Settings", "NoEquals", "now set"}, {"Settings", "New", "added"},
            {"Settings", "ShortcutLNK", "-1"}, {"Fresh", "Key", "value  "},         {"Other", "Alpha", "8"},
        };
        for (const auto& [section, key, value] : changes) {
            ASSERT_TRUE(WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                                   Widen(platformFile).c_str()));
            ours.Set(section, key, value);
        }
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(platformFile).c_str());
        ExpectSameReads(what + " after the changes", ours, platformFile);
        ExpectSameReads(what + " platform bytes", IniFile(DecodeTextFile(*fs.ReadFile(platformFile), codec)),
                        platformFile);

        // What we wrote, read by the platform.
        ExpectSameReads(what + " our bytes", ours, NewFile(EncodeTextFile(ours.Text(), codec, UnicodeForm::Utf16Le)));
    }
}

void MakeShortcut(const std::string& link, const std::string& target) {
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&shortcut))));
    ASSERT_TRUE(SUCCEEDED(shortcut->SetPath(Widen(target).c_str())));
    ASSERT_TRUE(SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(file->Save(Widen(link).c_str(), TRUE)));
    file->Release();
    shortcut->Release();
}

using Win32ShellTest = FilesTest;

TEST_F(Win32ShellTest, AShortcutGivesItsTargetAndEverythingElseItsOwnPath) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));  // as the program's entry does
    ASSERT_TRUE(fs.WriteFileAtomic(At("notes.txt"), "hello") && fs.WriteFileAtomic(At("bad.lnk"), "no link"));
    ASSERT_TRUE(CreateDirectoryW(Widen(At("Sub, with comma")).c_str(), nullptr));
    MakeShortcut(At("Notes.lnk"), At("notes.txt"));
    MakeShortcut(At("FOLDER.LNK"), At("Sub, with comma"));
    ASSERT_TRUE(CopyFileW(Widen(At("Notes.lnk")).c_str(), Widen(At("link.txt")).c_str(), TRUE));
    Win32Shell shell;
    EXPECT_EQ(shell.GetLinkTarget(At("Notes.lnk")), At("notes.txt"));
    EXPECT_EQ(shell.GetLinkTarget(At("FOLDER.LNK")), At("Sub, with comma"));
    for (const char* name : {"notes.txt", "bad.lnk", "missing.lnk", "link.txt", "Sub, with comma"})
        EXPECT_EQ(shell.GetLinkTarget(At(name)), At(name));
    CoUninitialize();
}

}  // namespace
}  // namespace tarn::win32
