#pragma once
#include "platform/TextCodec.h"

namespace tarn::fakes {

// Windows-1252, with ASCII and Latin-1 case folding.
class FakeTextCodec final : public TextCodec {
public:
    std::optional<std::string> ToCodePage(std::string_view utf8) const override;
    std::string FromCodePage(std::string_view bytes) const override;
    std::string FoldCase(std::string_view utf8) const override;
};

}  // namespace tarn::fakes
