#pragma once
#include <algorithm>

#include "platform/Text.h"
#include "platform/TextCodec.h"

namespace tarn::fakes {

// Latin-1 as far as Windows-1252 matters here, with ASCII and Latin-1 case folding.
struct FakeTextCodec final : TextCodec {
    std::optional<std::string> ToCodePage(std::string_view utf8) const override {
        const std::u16string units = Utf8ToUtf16(utf8);
        if (std::ranges::any_of(units, [](char16_t unit) { return unit > 0xFF; })) return std::nullopt;
        return std::string(units.begin(), units.end());
    }
    std::string FromCodePage(std::string_view bytes) const override {
        const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
        return Utf16ToUtf8(std::u16string(begin, begin + bytes.size()));
    }
    std::string FoldCase(std::string_view utf8) const override {
        std::u16string units = Utf8ToUtf16(utf8);
        for (char16_t& u : units)
            if ((u >= u'a' && u <= u'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) u = static_cast<char16_t>(u - 0x20);
        return Utf16ToUtf8(units);
    }
};

}  // namespace tarn::fakes
