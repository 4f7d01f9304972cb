#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// The system's 8-bit code page, and the file system's case rules.
class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Nothing when some character has no exact form in the code page.
    virtual std::optional<std::string> ToCodePage(std::string_view utf8) const = 0;
    virtual std::string FromCodePage(std::string_view bytes) const = 0;
    // A key under which names that the file system takes as equal are equal.
    virtual std::string FoldCase(std::string_view utf8) const = 0;
};

}  // namespace tarn
