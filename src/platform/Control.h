#pragma once
#include "platform/Geometry.h"

namespace tarn {

// A child control placed in its parent's client pixels.
class Control {
public:
    virtual ~Control() = default;
    virtual Rect Bounds() const = 0;
    virtual void Move(const Rect& bounds) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

}  // namespace tarn
