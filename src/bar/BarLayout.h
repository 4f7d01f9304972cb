#pragma once
#include <optional>

#include "platform/Geometry.h"

namespace tarn {

// The bar's smallest window size, in twips.
constexpr int kMinBarWidthTwips = 480;
constexpr int kMinBarHeightTwips = 240;

// The window size the minimum asks for, in pixels, or nothing when the window is large enough.
std::optional<Size> EnforcedBarSize(Size windowPixels, const TwipScale& twips);

// The toolbar between the two side margins of width `margin`, from the top edge.
Rect ToolbarBounds(Size client, int margin);

// The "more buttons" hint shows when the last row starts less than 7 pixels above the bottom edge, or below it.
bool HintNeeded(int toolbarHeight, int buttonHeight, int clientHeight);

}  // namespace tarn
