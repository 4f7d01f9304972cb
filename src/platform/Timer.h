#pragma once

namespace tarn {

// Its ticks reach the handler of the window that owns it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
};

}  // namespace tarn
