#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"

namespace tarn::win32 {
namespace {

// A fresh folder below the temporary folder per test, removed with everything in it.
class Win32FileSystemTest : public testing::Test {
protected:
    Win32FileSystemTest() {
        static int counter = 0;
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root = Narrow(temp) + "tarn-fs-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        CreateDirectoryW(Widen(root).c_str(), nullptr);
    }
    ~Win32FileSystemTest() override {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Widen(root), error)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        std::filesystem::remove_all(Widen(root), error);
    }

    std::string At(const std::string& name) const { return root + "\\" + name; }

    void MakeFile(const std::string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        UniqueKernelHandle file(
            CreateFileW(Widen(At(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    }

    void MakeFolder(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        ASSERT_TRUE(CreateDirectoryW(Widen(At(name)).c_str(), nullptr));
        if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(Widen(At(name)).c_str(), attributes);
    }

    // The names as a plain FindFirstFileW walk gives them.
    std::vector<std::string> PlatformListing(bool folders) const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW data{};
        UniqueFindHandle find(FindFirstFileW(Widen(At("*")).c_str(), &data));
        if (!find) return names;
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders) names.push_back(Narrow(name));
        } while (FindNextFileW(find.get(), &data));
        return names;
    }

    static std::vector<std::string> Sorted(std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string root;
    Win32FileSystem fs;
};

TEST_F(Win32FileSystemTest, ListsFilesAndFoldersApartWithHiddenAndSystemEntriesInListingOrder) {
    MakeFile("b.txt", "b");
    MakeFile("A.lnk", "a");
    MakeFile("hidden.ini", "h", FILE_ATTRIBUTE_HIDDEN);
    MakeFile("system.dat", "s", FILE_ATTRIBUTE_SYSTEM);
    MakeFile("\xD0\x96.txt", "zhe");
    MakeFolder("Sub");
    MakeFolder("Hidden Folder", FILE_ATTRIBUTE_HIDDEN);

    const std::vector<std::string> files = fs.ListFiles(root);
    EXPECT_EQ(Sorted(files), Sorted({"b.txt", "A.lnk", "hidden.ini", "system.dat", "\xD0\x96.txt"}));
    EXPECT_EQ(files, PlatformListing(false));
    const std::vector<std::string> folders = fs.ListFolders(root + "\\");
    EXPECT_EQ(Sorted(folders), Sorted({"Sub", "Hidden Folder"}));
    EXPECT_EQ(folders, PlatformListing(true));

    EXPECT_TRUE(fs.ListFiles(At("missing")).empty());
    EXPECT_TRUE(fs.ListFolders(At("b.txt")).empty());
}

TEST_F(Win32FileSystemTest, TellsFilesFromFolders) {
    MakeFile("file", "x");
    MakeFolder("folder");
    EXPECT_TRUE(fs.FileExists(At("file")));
    EXPECT_FALSE(fs.FolderExists(At("file")));
    EXPECT_TRUE(fs.FolderExists(At("folder")));
    EXPECT_TRUE(fs.FolderExists(At("folder\\")));
    EXPECT_FALSE(fs.FileExists(At("folder")));
    EXPECT_FALSE(fs.FileExists(At("missing")));
    EXPECT_FALSE(fs.FolderExists(At("missing")));
    EXPECT_TRUE(fs.FileExists(At("FILE")));
}

TEST_F(Win32FileSystemTest, ReadsEveryByte) {
    const std::string bytes(
        "\xFF\xFE\0\r\n\x1A"
        "end",
        9);
    MakeFile("data.bin", bytes);
    MakeFile("empty", "");
    EXPECT_EQ(fs.ReadFile(At("data.bin")), bytes);
    EXPECT_EQ(fs.ReadFile(At("empty")), std::string());
    EXPECT_EQ(fs.ReadFile(At("missing")), std::nullopt);
    MakeFolder("folder");
    EXPECT_EQ(fs.ReadFile(At("folder")), std::nullopt);
}

TEST_F(Win32FileSystemTest, WriteFileAtomicCreatesAndReplacesWithoutLeavingTemporaryFiles) {
    const std::string target = At("TarnDock.ini");
    EXPECT_TRUE(fs.WriteFileAtomic(target, "first"));
    EXPECT_EQ(fs.ReadFile(target), "first");
    const std::string big(300000, 'z');
    EXPECT_TRUE(fs.WriteFileAtomic(target, big));
    EXPECT_EQ(fs.ReadFile(target), big);
    EXPECT_TRUE(fs.WriteFileAtomic(target, ""));
    EXPECT_EQ(fs.ReadFile(target), std::string());
    EXPECT_EQ(fs.ListFiles(root), std::vector<std::string>{"TarnDock.ini"});
}

TEST_F(Win32FileSystemTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    MakeFile("readonly.ini", "old", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(fs.WriteFileAtomic(At("readonly.ini"), "new"));
    EXPECT_EQ(fs.ReadFile(At("readonly.ini")), "old");
    EXPECT_NE(GetFileAttributesW(Widen(At("readonly.ini")).c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    MakeFolder("folder.ini");
    EXPECT_FALSE(fs.WriteFileAtomic(At("folder.ini"), "new"));
    EXPECT_FALSE(fs.WriteFileAtomic(At("missing\\file.ini"), "new"));

    // Held open without delete sharing, as by a scanner that does not let go: the retries give up.
    MakeFile("held.ini", "old");
    {
        UniqueKernelHandle holder(CreateFileW(Widen(At("held.ini")).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(fs.WriteFileAtomic(At("held.ini"), "new"));
    }
    EXPECT_EQ(fs.ReadFile(At("held.ini")), "old");

    EXPECT_EQ(Sorted(fs.ListFiles(root)), Sorted({"readonly.ini", "held.ini"}));
    EXPECT_TRUE(fs.WriteFileAtomic(At("held.ini"), "new"));
    EXPECT_EQ(fs.ReadFile(At("held.ini")), "new");
}

TEST_F(Win32FileSystemTest, CreateDirectoryPathCreatesEveryFolderUpToTheLastBackslash) {
    EXPECT_TRUE(fs.CreateDirectoryPath(At("a\\b\\c\\TarnDock.ini")));
    EXPECT_TRUE(fs.FolderExists(At("a\\b\\c")));
    EXPECT_FALSE(fs.FileExists(At("a\\b\\c\\TarnDock.ini")));
    EXPECT_FALSE(fs.FolderExists(At("a\\b\\c\\TarnDock.ini")));

    EXPECT_TRUE(fs.CreateDirectoryPath(At("x\\\xD0\x96\\y\\")));
    EXPECT_TRUE(fs.FolderExists(At("x\\\xD0\x96\\y")));
    EXPECT_TRUE(fs.CreateDirectoryPath(At("a\\b\\c\\")));  // already there
    EXPECT_TRUE(fs.CreateDirectoryPath(root + "/slash/forward/"));
    EXPECT_TRUE(fs.FolderExists(At("slash\\forward")));

    MakeFile("file", "x");
    EXPECT_FALSE(fs.CreateDirectoryPath(At("file\\sub\\")));
    EXPECT_FALSE(fs.FolderExists(At("file\\sub")));
}

}  // namespace
}  // namespace tarn::win32
