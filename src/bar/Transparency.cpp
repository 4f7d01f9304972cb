#include "bar/Transparency.h"

#include <cstdlib>

namespace tarn {
namespace {

constexpr int kRestTolerance = 2;   // pixels per tick that still count as resting
constexpr double kEdgeRestMs = 50;  // rest time on a screen edge with NoDelayOnScreenBorder
constexpr int kFarDistance = 100;   // pixels beyond the bar that end the solid state at once

bool BarTouchesEdge(const Rect& bar, const Rect& monitor) {
    return bar.left <= monitor.left || bar.top <= monitor.top || bar.right >= monitor.right - 1 ||
           bar.bottom >= monitor.bottom - 1;
}

bool PointerOnEdge(Point p, const Rect& monitor) {
    return p.x == monitor.left || p.y == monitor.top || p.x == monitor.right - 1 || p.y == monitor.bottom - 1;
}

bool PointerFar(Point p, const Rect& bar) {
    return bar.left - p.x > kFarDistance || bar.top - p.y > kFarDistance || p.y - bar.bottom > kFarDistance ||
           p.x - bar.right > kFarDistance;
}

}  // namespace

TickAction DecideTick(TickMemory& memory, const TickInput& input, const TickSettings& settings, TickEnvironment& env) {
    const Point p = input.pointer;
    const double delayMs = settings.Delay * 1000.0;
    TickAction action = TickAction::None;
    if (input.bar.Contains(p)) {
        memory.PointerInside = true;
        if (std::abs(memory.LastX - p.x) > kRestTolerance || std::abs(memory.LastY - p.y) > kRestTolerance) {
            memory.RestStart = env.NowMs();
        }
        if (!input.solid) {
            const double t1 = static_cast<double>(env.NowMs());
            const double t2 = static_cast<double>(env.NowMs());
            const double rest = static_cast<double>(memory.RestStart);
            const bool waited = t1 - delayMs > rest;
            const bool waitedOnEdge = settings.NoDelayOnScreenBorder && t2 - kEdgeRestMs > rest;
            // The monitor is asked only when the rest time could make the bar solid.
            if (waited || waitedOnEdge) {
                const Rect monitor = env.Monitor(input.bar);
                const bool onEdge = PointerOnEdge(p, monitor);
                const bool barred = BarTouchesEdge(input.bar, monitor) && settings.OnScreenBoderOnly && !onEdge;
                if ((waited || (waitedOnEdge && onEdge)) && !barred) action = TickAction::TurnSolid;
            }
        }
    } else {
        const std::int64_t now = env.NowMs();
        if (memory.PointerInside) memory.LeaveTime = now;
        memory.PointerInside = false;
        memory.RestStart = now;
        const bool left = static_cast<double>(now) - delayMs > static_cast<double>(memory.LeaveTime);
        if (input.solid && !input.popupOpen && (PointerFar(p, input.bar) || left)) action = TickAction::TurnSeeThrough;
    }
    memory.LastX = p.x;
    memory.LastY = p.y;
    return action;
}

}  // namespace tarn
