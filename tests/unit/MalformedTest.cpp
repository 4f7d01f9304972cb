#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeControls.h"
#include "fakes/FakeServices.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

// A window kept within 1036 x 780 pixels, as the system keeps one on a 1024 x 768 screen.
struct CappedWindow final : fakes::FakeWindow {
    void Move(const Rect& r) override {
        rect = {r.left, r.top, r.left + std::min(r.Width(), 1036), r.top + std::min(r.Height(), 780)};
    }
};

// A stored size far beyond the screen still leaves half of the window on it, at the size the system gave.
TEST(MalformedSettings, ASizeBeyondTheScreenIsPlacedAtTheSizeTaken) {
    fakes::FakeScreen screen;
    CappedWindow window;
    PlaceWindowOnScreen(window, screen, {10065, 0, 1661992959, 1661992959}, true);
    EXPECT_EQ(window.rect, (Rect{506, 0, 1542, 780}));
}

}  // namespace
}  // namespace tarn
