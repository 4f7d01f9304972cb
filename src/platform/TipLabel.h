#pragma once
#include <string>

#include "platform/Geometry.h"

namespace tarn {

// A label that sizes itself to its text.
class TipLabel {
public:
    virtual ~TipLabel() = default;
    // Lines are separated by CRLF; returns the size in pixels that the label now takes.
    virtual Size SetText(const std::string& text) = 0;
};

}  // namespace tarn
