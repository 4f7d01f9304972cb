#pragma once
#include "platform/Text.h"
#include "platform/TextCodec.h"

namespace tarn::fakes {

// Latin-1 as far as Windows-1252 matters here, with ASCII and Latin-1 case folding.
class FakeTextCodec final : public TextCodec {
public:
    std::optional<std::string> ToCodePage(std::string_view utf8) const override {
        std::string out;
        for (const char16_t unit : Utf8ToUtf16(utf8)) {
            if (unit > 0xFF) return std::nullopt;
            out += static_cast<char>(unit);
        }
        return out;
    }
    std::string FromCodePage(std::string_view bytes) const override {
        std::u16string units;
        for (const char c : bytes) units += static_cast<char16_t>(static_cast<unsigned char>(c));
        return Utf16ToUtf8(units);
    }
    std::string FoldCase(std::string_view utf8) const override {
        std::u16string units = Utf8ToUtf16(utf8);
        for (char16_t& u : units) {
            if ((u >= u'a' && u <= u'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) u = static_cast<char16_t>(u - 0x20);
        }
        return Utf16ToUtf8(units);
    }
};

}  // namespace tarn::fakes
