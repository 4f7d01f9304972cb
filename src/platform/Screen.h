#pragma once
#include "platform/Geometry.h"

namespace tarn {

class Screen {
public:
    virtual ~Screen() = default;
    // From the DPI of the bar's monitor.
    virtual TwipScale Twips() const = 0;
    // The whole monitor (not its work area) that the rectangle lies on, or the nearest one.
    virtual Rect MonitorRect(const Rect& pixels) const = 0;
    virtual Point CursorPos() const = 0;
};

}  // namespace tarn
