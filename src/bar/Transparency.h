#pragma once
#include <cstdint>

#include "platform/Geometry.h"

namespace tarn {

// What the transparency timer remembers between ticks; all zero at start.
struct TickMemory {
    int LastX = 0;
    int LastY = 0;
    std::int64_t RestStart = 0;  // ms on the monotonic clock
    std::int64_t LeaveTime = 0;
    bool PointerInside = false;
};

struct TickSettings {
    double Delay = 0.2;  // seconds
    bool NoDelayOnScreenBorder = true;
    bool OnScreenBoderOnly = false;
};

// What one tick sees. The monitor is asked for only when the edge rules need it.
struct TickInput {
    Point pointer;
    Rect bar;
    bool solid = false;
    bool popupOpen = false;
};

enum class TickAction { None, TurnSolid, TurnSeeThrough };

// The bar's edge rules use the monitor it lies on: its outermost pixels are the screen edges.
class TickEnvironment {
public:
    virtual ~TickEnvironment() = default;
    virtual std::int64_t NowMs() = 0;
    virtual Rect Monitor(const Rect& bar) = 0;
};

// One tick of the see-through / solid state machine: updates the memory and says what to switch.
TickAction DecideTick(TickMemory& memory, const TickInput& input, const TickSettings& settings, TickEnvironment& env);

}  // namespace tarn
