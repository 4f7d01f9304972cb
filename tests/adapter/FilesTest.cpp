#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
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
    FilesTest() { CreateDirectoryW(Widen(folder).c_str(), nullptr); }
    ~FilesTest() override {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr);  // the platform lets go of cached profiles
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Widen(folder), error))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(Widen(folder), error);
    }
    std::string At(const std::string& name) const { return folder + "\\" + name; }
    std::wstring W(const std::string& name) const { return Widen(At(name)); }
    void MakeFiles(const std::vector<std::string>& names, const std::string& bytes = "") {
        for (const std::string& name : names) ASSERT_TRUE(fs.WriteFileAtomic(At(name), bytes)) << name;
    }
    // The platform caches a profile it has read, so each file has a name of its own and never changes behind its back.
    std::string NewFile(const std::string& bytes) {
        const std::string name = "file" + std::to_string(++files) + ".ini";
        return MakeFiles({name}, bytes), At(name);
    }

    static inline int tests = 0;
    std::string folder = Narrow((std::filesystem::temp_directory_path() / "tarn-files-").wstring()) +
                         std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++tests);
    Win32FileSystem fs;
    Win32TextCodec codec;
    int files = 0;
};

TEST_F(FilesTest, AHeldTargetIsTriedAgainAFailedReplaceLeavesTheOldFileWholeAndDeadWritersTemporariesGo) {
    // Temporary files of a writer that still runs (a suspended copy of this program), of this one, of other names, and
    // of two writers that run no more.
    std::wstring self = GetCommandLineW();
    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    PROCESS_INFORMATION live{};
    ASSERT_TRUE(CreateProcessW(nullptr, self.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                               &startup, &live));
    const UniqueKernelHandle process(live.hProcess), thread(live.hThread);
    const std::string theirs = std::to_string(live.dwProcessId), ours = std::to_string(GetCurrentProcessId());
    // clang-format off
    std::vector<std::string> kept = {"held.ini", "readonly.ini", "Other.ini.4294967292-0.tmp", "TarnDock.ini",
        "TarnDock.ini." + theirs + "-3.tmp", "TarnDock.ini." + ours + "-9.tmp", "TarnDock.ini.x-0.tmp"};
    // clang-format on
    MakeFiles(kept, "old");
    MakeFiles({"TarnDock.ini.4294967292-0.tmp", "tarndock.INI.4294967288-12.TMP"}, "stale");
    ASSERT_TRUE(SetFileAttributesW(W("readonly.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    // Held open without any sharing, as by another program that does not let go: the retries give up.
    const auto hold = [&] {
        return CreateFileW(W("held.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    UniqueKernelHandle holder(hold());
    for (const char* name : {"readonly.ini", "held.ini", "missing\\file.ini"})
        EXPECT_FALSE(fs.WriteFileAtomic(At(name), std::string(100000, 'n'))) << name;
    holder.reset();
    for (const char* name : {"readonly.ini", "held.ini"}) EXPECT_EQ(fs.ReadFile(At(name)), "old") << name;
    // Held again, and let go while the replace tries again.
    holder.reset(hold());
    std::thread letGo([&] { Sleep(60), holder.reset(); });
    for (const char* name : {"held.ini", "TarnDock.ini"})
        EXPECT_TRUE(fs.WriteFileAtomic(At(name), "new") && fs.ReadFile(At(name)) == "new") << name;
    letGo.join();
    TerminateProcess(process.get(), 0);
    // No temporary file of a failed replace, of a replace or of a writer that no longer runs.
    std::vector<std::string> listing = fs.ListFiles(folder);
    std::ranges::sort(kept), std::ranges::sort(listing);
    EXPECT_EQ(listing, kept);
}

// The order file of a button folder through the platform's files and code page, Windows-1252 under Wine: a file in
// the code page matches names in any case and is written back byte for byte, a name outside it makes a UTF-8 file.
TEST_F(FilesTest, TheOrderFileReadsAndWritesBackInTheCodePageAndInUtf8) {
    // A temporary file that a killed writer of the order file left behind is no button and goes with the next write.
    MakeFiles({"a.lnk", "b.lnk", "Caf\xC3\xA9.lnk", std::string(kOrderFileName) + ".4294967292-0.tmp"});
    const std::string orderFile = At(std::string(kOrderFileName)), zhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";
    ItemDictionary dictionary;
    const auto keys = [&] {
        std::vector<std::string> keys;
        LoadFileDic(dictionary, folder, fs, codec);
        for (const ItemEntry& entry : dictionary) keys.push_back(entry.key);
        return keys;
    };
    const std::string original =
        std::string(kOrderFileHeader) + "\r\n[FileNames]\r\nCAF\xC9.LNK\r\n<>\r\nB.lnk\r\na.lnk\r\n";
    ASSERT_TRUE(fs.WriteFileAtomic(orderFile, original));
    EXPECT_EQ(keys(), (std::vector<std::string>{"CAF\xC3\x89.LNK", "<>0", "B.lnk", "a.lnk"}));
    ASSERT_TRUE(WriteFileDic(dictionary, orderFile, fs, codec));
    EXPECT_EQ(fs.ReadFile(orderFile), original);
    EXPECT_EQ(fs.ListFiles(folder).size(), 4u);

    MakeFiles({zhuk, "hidden.lnk"});  // a name outside the code page makes the file UTF-8; a hidden file is listed
    ASSERT_TRUE(SetFileAttributesW(W("hidden.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN));
    dictionary.Add(zhuk, At(zhuk)), dictionary.Add("hidden.lnk", At("hidden.lnk"));
    ASSERT_TRUE(WriteFileDic(dictionary, orderFile, fs, codec));
    EXPECT_TRUE(fs.ReadFile(orderFile).value_or("").starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(keys(), (std::vector<std::string>{"CAF\xC3\x89.LNK", "<>0", "B.lnk", "a.lnk", zhuk, "hidden.lnk"}));
}

std::optional<std::string> PlatformGet(const std::string& file, const std::string& section, const std::string& key) {
    std::wstring buffer(8192, L'\0');  // an absent key gives the default, \x01
    buffer.resize(GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"\x01", buffer.data(),
                                           static_cast<DWORD>(buffer.size()), Widen(file).c_str()));
    return buffer == L"\x01" ? std::nullopt : std::optional(Narrow(buffer));
}

// Odd spacing, case, quotes, duplicates, lines without "=", comments, other sections and every line end.
const std::string kHandWritten =
    "orphan=before any section\r\n; a comment\r\n[ Settings ]   trailing words\r\n\tFolderPath =   \"  C:\\Quoted"
    " Path  \"  \r\ndelay=  350\r\nAlpha\t=\t0x1F\r\nAlpha=999\r\nNoEquals\r\nLeft=-100000\nTop=12abc\rWidth=\r\n"
    "Height='720'\r\nEquals=a=b\r\n\r\n[Other]\r\nAlpha=5\r\n[SETTINGS]\r\nAlpha=6\r\nOnlyHere=7\r\n[A]B]\r\nk=v\r\n";

// clang-format off
const std::vector<std::pair<std::string, std::string>> kQueries = {{"", "orphan"}, {"Settings", "FolderPath"},
    {"settings", "DELAY"}, {"Settings", "Alpha"}, {"Settings", "NoEquals"}, {"Settings", "Left"}, {"Settings", "Top"},
    {"Settings", "Width"}, {"Settings", "Height"}, {"Settings", "Equals"}, {"Settings", "OnlyHere"}, {"Other", "Alpha"},
    {"Settings", "; a comment"}, {"Settings", "Missing"}, {"A]B", "k"}, {"Missing", "Alpha"}, {"Settings", "New"},
    {"Fresh", "Key"}, {"Settings", "ShortcutLNK"}, {"", "; a comment"}, {"A]B", "Unicode"}};
// clang-format on

// Our IniFile and the platform's profile functions ask the same of a file.
void ExpectSameReads(const std::string& what, const IniFile& ours, const std::string& platformFile) {
    for (const auto& [section, key] : kQueries) {
        SCOPED_TRACE(what + ": [" + section + "] " + key);
        EXPECT_EQ(ours.Get(section, key), PlatformGet(platformFile, section, key));
        EXPECT_EQ(ours.GetInt(section, key, 777),
                  static_cast<int>(GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(), 777,
                                                         Widen(platformFile).c_str())));
    }
}

TEST_F(FilesTest, FilesThePlatformReadsAndWritesReadTheSameThroughIniFile) {
    for (const bool utf16 : {false, true}) {  // the code page, or UTF-16 with a name outside it
        const std::string what = utf16 ? "UTF-16" : "code page";
        const std::string original =
            utf16 ? EncodeTextFile(kHandWritten + "Unicode=\xD0\x96\r\n", codec, UnicodeForm::Utf16Le) : kHandWritten;
        IniFile ours(DecodeTextFile(original, codec));
        ExpectSameReads(what + " by hand", ours, NewFile(original));

        // The same changes made by the platform and by us.
        const std::string platformFile = NewFile(original);
        // clang-format off
        const std::vector<std::array<std::string, 3>> changes = {{"settings", "alpha", "110"},
            {"Settings", "NoEquals", "now set"}, {"Settings", "New", "added"}, {"Settings", "ShortcutLNK", "-1"},
            {"Fresh", "Key", "value"}, {"Other", "Alpha", "8"}};
        // clang-format on
        for (const auto& [section, key, value] : changes) {
            ASSERT_TRUE(WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                                   Widen(platformFile).c_str()));
            ours.Set(section, key, value);
        }
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(platformFile).c_str());
        ExpectSameReads(what + " after the changes", ours, platformFile);
        ExpectSameReads(what + " their file", IniFile(DecodeTextFile(*fs.ReadFile(platformFile), codec)), platformFile);

        // What we wrote, read by the platform: that file, with a value whose blanks and quotes the platform's writer
        // would lose, and the settings written into the hand-written one, with a folder in the code page, or outside
        // it, for which the whole file is UTF-16 as Windows can read it.
        ours.Set("Fresh", "Key", " 'value'\t");
        ExpectSameReads(what + " our bytes", ours, NewFile(EncodeTextFile(ours.Text(), codec, UnicodeForm::Utf16Le)));
        const std::string path = utf16 ? "D:\\\xD0\x9A\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB8"
                                       : "C:\\Caf\xC3\xA9\\Buttons",
                          file = NewFile(kHandWritten);
        ASSERT_TRUE(WriteSettingsFile(file, {0.35, 200, 230, path, false, true, 2, true, false}, {-2820, 15, 5640, 720},
                                      fs, codec));
        const std::string bytes = fs.ReadFile(file).value_or("");
        EXPECT_EQ(bytes.starts_with("\xFF\xFE"), utf16);
        ExpectSameReads(what + " our settings", IniFile(DecodeTextFile(bytes, codec)), file);
        EXPECT_EQ(PlatformGet(file, "Settings", "FolderPath"), path);
    }
}

TEST_F(FilesTest, AShortcutGivesItsTargetAndEverythingElseItsOwnPath) {
    const OleScope ole;  // as the program's entry does
    MakeFiles({"notes.txt", "bad.lnk"}, "no link");
    ASSERT_TRUE(CreateDirectoryW(W("Sub, with comma").c_str(), nullptr));
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()), S_OK);
    ASSERT_EQ(link->SetPath(W("Sub, with comma").c_str()), S_OK);
    ASSERT_EQ(link->QueryInterface(IID_IPersistFile, file.PutVoid()), S_OK);
    ASSERT_EQ(file->Save(W("FOLDER.LNK").c_str(), TRUE), S_OK);
    ASSERT_TRUE(CopyFileW(W("FOLDER.LNK").c_str(), W("link.txt").c_str(), TRUE));
    Win32Shell shell;
    EXPECT_EQ(shell.GetLinkTarget(At("FOLDER.LNK")), At("Sub, with comma"));
    for (const char* name : {"notes.txt", "bad.lnk", "missing.lnk", "link.txt", "Sub, with comma"})
        EXPECT_EQ(shell.GetLinkTarget(At(name)), At(name));
}

}  // namespace
}  // namespace tarn::win32
