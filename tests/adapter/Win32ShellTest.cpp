#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>
#include <string>

#include "platform/win32/Wide.h"
#include "platform/win32/Win32Shell.h"

namespace tarn::win32 {
namespace {

struct Releaser {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <typename T>
using Com = std::unique_ptr<T, Releaser>;

// A folder of its own below the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = Narrow(temp) + "tarn-shell-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(path_).c_str(), nullptr);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        SHFILEOPSTRUCTW op{};
        std::wstring from = Widen(path_) + L'\0';  // the list ends with two NULs
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationW(&op);
    }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void MakeShortcut(const std::string& linkPath, const std::string& target) {
    IShellLinkW* rawLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&rawLink))));
    const Com<IShellLinkW> link(rawLink);
    ASSERT_TRUE(SUCCEEDED(link->SetPath(Widen(target).c_str())));
    IPersistFile* rawFile = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))));
    const Com<IPersistFile> file(rawFile);
    ASSERT_TRUE(SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE)));
}

std::string ThisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Narrow(path);
}

bool SamePath(const std::string& a, const std::string& b) {
    return CompareStringOrdinal(Widen(a).c_str(), -1, Widen(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

struct Win32ShellTest : testing::Test {
    void SetUp() override {
        WriteBytes(dir / "notes.txt", "hello");
        CreateDirectoryW(Widen(dir / "Sub, with comma").c_str(), nullptr);
    }
    TempFolder dir;
    Win32Shell shell;
};

TEST_F(Win32ShellTest, ShortcutsResolveToTheirTargets) {
    const struct {
        std::string link, target;
    } cases[] = {
        {dir / "Notes.lnk", dir / "notes.txt"},
        {dir / "PROGRAM.LNK", ThisProgram()},
        {dir / "Folder.Lnk", dir / "Sub, with comma"},
    };
    for (const auto& c : cases) {
        MakeShortcut(c.link, c.target);
        if (HasFatalFailure()) return;
        EXPECT_PRED2(SamePath, shell.GetLinkTarget(c.link), c.target) << c.link;
    }
}

TEST_F(Win32ShellTest, AnythingButAReadableShortcutGivesThePathUnchanged) {
    WriteBytes(dir / "broken.lnk", "this is no shell link");
    WriteBytes(dir / "empty.lnk", "");
    MakeShortcut(dir / "real.lnk", dir / "notes.txt");
    CopyFileW(Widen(dir / "real.lnk").c_str(), Widen(dir / "real.txt").c_str(), FALSE);
    for (const std::string& path : {dir / "notes.txt", dir / "broken.lnk", dir / "empty.lnk", dir / "missing.lnk",
                                    dir / "real.txt", dir / "Sub, with comma"}) {
        EXPECT_EQ(shell.GetLinkTarget(path), path);
    }
}

TEST_F(Win32ShellTest, FilesFoldersAndProgramsGetIconsAndOnlyTheProgramIsExecutable) {
    const std::string program = ThisProgram();
    for (const std::string& path : {dir / "notes.txt", dir / "Sub, with comma", program}) {
        EXPECT_GE(shell.SmallIconIndex(path), 0) << path;
    }
    EXPECT_TRUE(shell.IsExecutable(program));
    EXPECT_FALSE(shell.IsExecutable(dir / "notes.txt"));
    EXPECT_FALSE(shell.IsExecutable(dir / "Sub, with comma"));
    EXPECT_FALSE(shell.IsExecutable(dir / "missing.exe"));
}

TEST_F(Win32ShellTest, SpecialFolderPathNamesAnExistingFolderOrNothing) {
    const std::string local = shell.GetSpecialFolderPath(SpecialFolder::LocalAppData);
    ASSERT_FALSE(local.empty());
    const DWORD attributes = GetFileAttributesW(Widen(local).c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << local;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << local;
}

}  // namespace
}  // namespace tarn::win32
