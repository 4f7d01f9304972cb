// The UTF-8 and UTF-16 conversions and the text-file forms: round trips where they promise one.
#include <cassert>
#include <cstdint>
#include <string>

#include "fakes/FakeTextCodec.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Any bytes convert; what comes out is valid UTF-8, which converts back and forth unchanged.
    const std::string utf8 = Utf16ToUtf8(Utf8ToUtf16(bytes));
    assert(Utf16ToUtf8(Utf8ToUtf16(utf8)) == utf8);
    // Input that was valid UTF-8 already comes out as it went in.
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos) assert(utf8 == bytes);

    // Any pairs of bytes as UTF-16: what comes out converts back and forth unchanged.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    const std::string fromUnits = Utf16ToUtf8(units);
    assert(Utf16ToUtf8(Utf8ToUtf16(fromUnits)) == fromUnits);

    // Text written to a file in either form reads back as written, whatever its first characters.
    const fakes::FakeTextCodec codec;
    for (const UnicodeForm form : {UnicodeForm::Utf8, UnicodeForm::Utf16Le}) {
        assert(DecodeTextFile(EncodeTextFile(utf8, codec, form), codec) == utf8);
    }
    // Reading any file gives valid UTF-8.
    const std::string decoded = DecodeTextFile(bytes, codec);
    assert(Utf16ToUtf8(Utf8ToUtf16(decoded)) == decoded);
    return 0;
}
