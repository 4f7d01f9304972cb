#pragma once
#include <cmath>
#include <string_view>

#include "platform/Geometry.h"

namespace tarn {

struct FontSpec {
    std::string_view face;
    double points = 0;
    bool bold = false;
};

// A control as a window was designed: its place in client pixels at 96 DPI, caption, tooltip and font.
struct ControlDesign {
    Rect bounds;
    std::string_view caption;
    std::string_view tip;
    FontSpec font;
};

// Designed pixels (at 96 DPI) to the pixels of a window of the given DPI, to the nearest pixel.
struct DpiScale {
    int dpi = 96;
    int operator()(int designed) const { return static_cast<int>(std::nearbyint(designed * dpi / 96.0)); }
    Rect operator()(const Rect& designed) const {
        const int left = (*this)(designed.left);
        const int top = (*this)(designed.top);
        return {left, top, left + (*this)(designed.Width()), top + (*this)(designed.Height())};
    }
};

}  // namespace tarn
