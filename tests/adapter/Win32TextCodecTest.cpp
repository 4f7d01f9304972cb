#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/Win32TextCodec.h"

namespace tarn::win32 {
namespace {

TEST(Win32TextCodec, RoundTripsTheActiveCodePage) {
    Win32TextCodec codec;
    ASSERT_EQ(GetACP(), 1252u) << "the tests assume Wine's default Western code page";
    EXPECT_EQ(codec.ToCodePage("Caf\xC3\xA9 \xE2\x82\xAC"), std::optional<std::string>("Caf\xE9 \x80"));
    EXPECT_EQ(codec.FromCodePage("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(Win32TextCodec, RefusesCharactersOutsideTheCodePageInsteadOfBestFit) {
    Win32TextCodec codec;
    EXPECT_EQ(codec.ToCodePage("\xD0\x96"), std::nullopt);  // Cyrillic
    EXPECT_EQ(codec.ToCodePage("\xC4\x80"), std::nullopt);  // A with macron would best-fit to A
}

TEST(Win32TextCodec, FoldsCaseLikeTheFileSystem) {
    Win32TextCodec codec;
    EXPECT_EQ(codec.FoldCase("TarnDock_Folder.ini"), codec.FoldCase("TARNDOCK_folder.INI"));
    EXPECT_EQ(codec.FoldCase("\xC3\xA9"), codec.FoldCase("\xC3\x89"));
    EXPECT_NE(codec.FoldCase("a"), codec.FoldCase("b"));
}

}  // namespace
}  // namespace tarn::win32
