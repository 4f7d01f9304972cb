#pragma once
#include "platform/Geometry.h"

namespace tarn {

class Screen {
public:
    virtual ~Screen() = default;
    // 1440 divided by the screen's DPI: 15 at 96 DPI.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // The whole monitor (not its work area) that the rectangle lies on, or the nearest one.
    virtual Rect MonitorRect(const Rect& pixels) const = 0;
    virtual Point CursorPos() const = 0;
};

}  // namespace tarn
