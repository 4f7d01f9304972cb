#pragma once
#include "platform/Control.h"

namespace tarn {

// A slider (trackbar) whose range, steps and ticks are fixed where it is made; the user's moves reach the
// handler of its window, values set here do not.
class Slider : public Control {
public:
    virtual int Value() const = 0;
    // A value outside the slider's range is put at the nearest end.
    virtual void SetValue(int value) = 0;
};

}  // namespace tarn
