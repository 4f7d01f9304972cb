#pragma once
#include "platform/TextCodec.h"

namespace tarn::win32 {

// The active ANSI code page, and the file system's upper-case folding.
class Win32TextCodec final : public TextCodec {
public:
    std::optional<std::string> ToCodePage(std::string_view utf8) const override;
    std::string FromCodePage(std::string_view bytes) const override;
    std::string FoldCase(std::string_view utf8) const override;
};

}  // namespace tarn::win32
