#pragma once
#include <cstdint>

namespace tarn {

// Monotonic milliseconds (since start-up): never jumps back at midnight.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() const = 0;
};

}  // namespace tarn
