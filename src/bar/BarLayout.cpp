#include "bar/BarLayout.h"

#include <cmath>

namespace tarn {

std::optional<Size> EnforcedBarSize(Size windowPixels, const TwipScale& twips) {
    Size size = windowPixels;
    bool changed = false;
    if (windowPixels.cx * twips.perPixelX < kMinBarWidthTwips) {
        size.cx = twips.PixelsX(kMinBarWidthTwips);
        changed = true;
    }
    if (windowPixels.cy * twips.perPixelY < kMinBarHeightTwips) {
        size.cy = twips.PixelsY(kMinBarHeightTwips);
        changed = true;
    }
    if (!changed) return std::nullopt;
    return size;
}

Rect ToolbarBounds(Size client, int margin) {
    const int width = client.cx - 2 * margin;
    return {margin, 0, margin + (width > 0 ? width : 0), client.cy};
}

bool HintNeeded(int toolbarHeight, int buttonHeight, int clientHeight) {
    return !(toolbarHeight - buttonHeight + 7 < clientHeight);
}

}  // namespace tarn
