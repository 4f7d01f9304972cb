#include "bar/BarLayout.h"

#include <cmath>

namespace tarn {

std::optional<Size> EnforcedBarSize(Size windowPixels, double twipsPerPixelX, double twipsPerPixelY) {
    Size size = windowPixels;
    bool changed = false;
    if (windowPixels.cx * twipsPerPixelX < kMinBarWidthTwips) {
        size.cx = static_cast<int>(std::nearbyint(kMinBarWidthTwips / twipsPerPixelX));
        changed = true;
    }
    if (windowPixels.cy * twipsPerPixelY < kMinBarHeightTwips) {
        size.cy = static_cast<int>(std::nearbyint(kMinBarHeightTwips / twipsPerPixelY));
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
