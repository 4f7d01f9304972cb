#include <gtest/gtest.h>

#include "fakes/FakeTextCodec.h"
#include "platform/Text.h"

namespace tarn {
namespace {

fakes::FakeTextCodec codec;

TEST(Text, Utf8AndUtf16RoundTripIncludingSurrogatePairs) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide, (std::u16string{u'a', 0xE9, 0x20AC, 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(Text, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("\xC3"), std::u16string{0xFFFD});
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAFz"), (std::u16string{0xFFFD, u'z'}));    // overlong
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");  // lone surrogate
}

TEST(Text, EncodesInTheCodePageWhenEverythingFits) {
    EXPECT_EQ(EncodeTextFile("Caf\xC3\xA9\r\n", codec, UnicodeForm::Utf16Le), "Caf\xE9\r\n");
    EXPECT_EQ(DecodeTextFile("Caf\xE9\r\n\x80", codec), "Caf\xC3\xA9\r\n\xE2\x82\xAC");
}

TEST(Text, FallsBackToUnicodeWithAByteOrderMark) {
    const std::string text = "\xD0\x96";  // Cyrillic Zhe: not in Windows-1252
    const std::string utf16 = EncodeTextFile(text, codec, UnicodeForm::Utf16Le);
    EXPECT_EQ(utf16, std::string("\xFF\xFE\x16\x04", 4));
    EXPECT_EQ(DecodeTextFile(utf16, codec), text);
    const std::string utf8 = EncodeTextFile(text, codec, UnicodeForm::Utf8);
    EXPECT_EQ(utf8, "\xEF\xBB\xBF" + text);
    EXPECT_EQ(DecodeTextFile(utf8, codec), text);
    // An odd trailing byte of a UTF-16 file is dropped, not read past.
    EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE\x41\x00\x42", 5), codec), "A");
}

TEST(Text, PathParts) {
    EXPECT_EQ(JoinPath("C:\\a", "b.lnk"), "C:\\a\\b.lnk");
    EXPECT_EQ(JoinPath("C:\\", "b.lnk"), "C:\\b.lnk");
    EXPECT_EQ(JoinPath("", "TarnDock\\TarnDock.ini"), "TarnDock\\TarnDock.ini");
    EXPECT_EQ(FileNamePart("C:\\a\\Editor.lnk"), "Editor.lnk");
    EXPECT_EQ(BaseName("C:\\x\\Tools.old"), "Tools");
    EXPECT_EQ(BaseName("C:\\x.y\\Tools"), "Tools");
    EXPECT_EQ(ExtensionOf("C:\\x.y\\Tools"), "");
    EXPECT_EQ(ExtensionOf("a.b.TXT"), "TXT");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\ta "), "\ta");
    EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace tarn
