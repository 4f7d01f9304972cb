#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/ModelNames.h"
#include "model/OrderFile.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32TextCodec.h"

namespace tarn::win32 {
namespace {

// A button folder of its own below the temporary folder; the test removes what it made.
struct OrderFileAdapterTest : testing::Test {
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = Narrow(temp) + "tarn-order-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(Widen(folder).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        orderFile = folder + "\\" + std::string(kOrderFileName);
    }
    void TearDown() override {
        SetFileAttributesW(Widen(orderFile).c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const std::string& name : fs.ListFiles(folder)) DeleteFileW(Widen(folder + "\\" + name).c_str());
        RemoveDirectoryW(Widen(folder).c_str());
    }
    void MakeFile(const std::string& name) {
        const HANDLE file =
            CreateFileW(Widen(folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        CloseHandle(file);
    }
    std::vector<std::string> Keys() {
        ItemDictionary dic;
        LoadFileDic(dic, folder, fs, codec);
        std::vector<std::string> keys;
        for (const ItemEntry& entry : dic) keys.push_back(entry.key);
        return keys;
    }
    Win32FileSystem fs;
    Win32TextCodec codec;
    std::string folder;
    std::string orderFile;
};

TEST_F(OrderFileAdapterTest, NamesOutsideTheCodePageKeepTheirPlaceOnDisk) {
    const std::string zhuk = "\xD0\x96\xD1\x83\xD0\xBA.lnk";  // Cyrillic, not in Windows-1252
    const std::string cafe = "Caf\xC3\xA9.lnk";               // in Windows-1252
    for (const std::string& name : {std::string("a.lnk"), std::string("b.lnk"), zhuk, cafe}) MakeFile(name);
    ItemDictionary dic;
    dic.Add(zhuk, folder + "\\" + zhuk);
    dic.Add("<>0", "<>");
    dic.Add("b.lnk", folder + "\\b.lnk");
    dic.Add(cafe, folder + "\\" + cafe);
    ASSERT_TRUE(WriteFileDic(dic, orderFile, fs, codec));
    const auto bytes = fs.ReadFile(orderFile);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(Keys(), (std::vector<std::string>{zhuk, "<>0", "b.lnk", cafe, "a.lnk"}));
}

TEST_F(OrderFileAdapterTest, ACodePageOrderFileIsWrittenBackByteForByte) {
    MakeFile("a.lnk");
    MakeFile("Caf\xC3\xA9.lnk");
    const std::string original =
        "; >>> This file has been created and is used by the program TarnDock. <<<\r\n[FileNames]\r\n"
        "Caf\xE9.lnk\r\n<>\r\na.lnk\r\n";
    ASSERT_TRUE(fs.WriteFileAtomic(orderFile, original));
    ItemDictionary dic;
    LoadFileDic(dic, folder, fs, codec);
    ASSERT_TRUE(WriteFileDic(dic, orderFile, fs, codec));
    EXPECT_EQ(fs.ReadFile(orderFile), original);
}

TEST_F(OrderFileAdapterTest, AReadOnlyOrderFileIsSkippedWithoutHarm) {
    MakeFile("a.lnk");
    MakeFile("b.lnk");
    ItemDictionary dic;
    dic.Add("b.lnk", folder + "\\b.lnk");
    dic.Add("a.lnk", folder + "\\a.lnk");
    ASSERT_TRUE(WriteFileDic(dic, orderFile, fs, codec));
    const auto before = fs.ReadFile(orderFile);
    ASSERT_TRUE(SetFileAttributesW(Widen(orderFile).c_str(), FILE_ATTRIBUTE_READONLY));

    ItemDictionary changed;
    changed.Add("<>0", "<>");
    changed.Add("a.lnk", folder + "\\a.lnk");
    EXPECT_FALSE(WriteFileDic(changed, orderFile, fs, codec));
    EXPECT_EQ(fs.ReadFile(orderFile), before);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"b.lnk", "a.lnk"}));
    // No temporary file is left beside it.
    EXPECT_EQ(fs.ListFiles(folder).size(), 3u);
}

}  // namespace
}  // namespace tarn::win32
