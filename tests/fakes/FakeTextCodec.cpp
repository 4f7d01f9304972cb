#include "fakes/FakeTextCodec.h"

#include "platform/Text.h"

namespace tarn::fakes {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page leaves a byte undefined.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t ByteToUnit(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
    return b;
}

}  // namespace

std::optional<std::string> FakeTextCodec::ToCodePage(std::string_view utf8) const {
    std::string out;
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            out += static_cast<char>(unit);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == unit) found = k;
        }
        if (found < 0) return std::nullopt;
        out += static_cast<char>(0x80 + found);
    }
    return out;
}

std::string FakeTextCodec::FromCodePage(std::string_view bytes) const {
    std::u16string units;
    for (const char c : bytes) units += ByteToUnit(static_cast<unsigned char>(c));
    return Utf16ToUtf8(units);
}

std::string FakeTextCodec::FoldCase(std::string_view utf8) const {
    std::u16string units = Utf8ToUtf16(utf8);
    for (char16_t& u : units) {
        if ((u >= u'a' && u <= u'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) u = static_cast<char16_t>(u - 0x20);
    }
    return Utf16ToUtf8(units);
}

}  // namespace tarn::fakes
