#include <gtest/gtest.h>

#include <vector>

#include "bar/Transparency.h"

namespace tarn {
namespace {

// A clock that the test moves by ticks, and one monitor (or the monitor the bar lies on).
class Env final : public TickEnvironment {
public:
    std::int64_t NowMs() override { return now; }
    Rect Monitor(const Rect&) override {
        ++monitorReads;
        return monitor;
    }
    std::int64_t now = 1000;
    Rect monitor{0, 0, 1024, 768};
    int monitorReads = 0;
};

struct Step {
    Point pointer;
    std::int64_t advanceMs = 50;
    bool popupOpen = false;
};

// Runs ticks 50 ms apart (unless a step says otherwise) and gives the solid state after each.
std::vector<bool> RunTicks(const std::vector<Step>& steps, const TickSettings& settings, Rect bar, Env& env,
                      bool solid = false) {
    TickMemory memory;
    std::vector<bool> states;
    for (const Step& step : steps) {
        env.now += step.advanceMs;
        const TickAction action = DecideTick(memory, {step.pointer, bar, solid, step.popupOpen}, settings, env);
        if (action == TickAction::TurnSolid) solid = true;
        if (action == TickAction::TurnSeeThrough) solid = false;
        states.push_back(solid);
    }
    return states;
}

constexpr Rect kBar{400, 300, 776, 348};     // in the middle of the screen
constexpr Rect kTopBar{400, 0, 776, 48};     // touching the top edge
constexpr TickSettings kDefault{0.2f, true, false};

TEST(Transparency, ARestingPointerTurnsTheBarSolidAfterTheDelay) {
    Env env;
    // The first tick inside restarts the rest (the pointer came from far away); solid at the first tick more
    // than 0.2 s later, however the pointer trembles by up to 2 pixels.
    const auto states = RunTicks({{{500, 320}}, {{501, 321}}, {{502, 320}}, {{500, 322}}, {{501, 320}}, {{501, 320}}},
                            kDefault, kBar, env);
    EXPECT_EQ(states, (std::vector<bool>{false, false, false, false, false, true}));
}

TEST(Transparency, WithHalfASecondDelayItTurnsSolidAtTheNextTickAfterHalfASecond) {
    Env env;
    std::vector<Step> steps(12, Step{{500, 320}});
    const auto states = RunTicks(steps, {0.5f, true, false}, kBar, env);
    // Rest starts at tick 1 (t = 50); solid at the first tick with t - 500 > 50, i.e. t = 600: tick 12.
    EXPECT_EQ(std::count(states.begin(), states.end(), true), 1);
    EXPECT_TRUE(states.back());
}

TEST(Transparency, APointerCrossingWithoutStoppingNeverTurnsItSolid) {
    Env env;
    std::vector<Step> steps;
    for (int x = 400; x < 776; x += 3) steps.push_back({{x, 320}});
    const auto states = RunTicks(steps, kDefault, kBar, env);
    EXPECT_EQ(std::count(states.begin(), states.end(), true), 0);
}

TEST(Transparency, OnAScreenEdgeTheRestTakesOnlyFiftyMilliseconds) {
    Env env;
    // Pushed against the top pixel row of a bar docked at the top: solid at the first tick past 0.05 s.
    const auto fast = RunTicks({{{500, 10}}, {{500, 0}}, {{500, 0}}, {{500, 0}}}, {5.0f, true, false}, kTopBar, env);
    EXPECT_EQ(fast, (std::vector<bool>{false, false, false, true}));
    Env env2;
    const auto slow = RunTicks({{{500, 10}}, {{500, 0}}, {{500, 0}}, {{500, 0}}}, {5.0f, false, false}, kTopBar, env2);
    EXPECT_EQ(slow, (std::vector<bool>{false, false, false, false}));
}

TEST(Transparency, OnScreenBorderOnlyBarsABarOnAnEdgeUntilThePointerTouchesTheEdge) {
    const TickSettings borderOnly{0.2f, true, true};
    std::vector<Step> resting(8, Step{{500, 20}});
    Env env;
    auto states = RunTicks(resting, borderOnly, kTopBar, env);
    EXPECT_EQ(std::count(states.begin(), states.end(), true), 0);
    resting.insert(resting.end(), 3, Step{{500, 0}});
    Env env2;
    states = RunTicks(resting, borderOnly, kTopBar, env2);
    EXPECT_TRUE(states.back());
    // A bar that touches no edge is not affected.
    Env env3;
    states = RunTicks(std::vector<Step>(8, Step{{500, 320}}), borderOnly, kBar, env3);
    EXPECT_TRUE(states.back());
}

TEST(Transparency, TheFarTestEndsTheSolidStateAtOnceBeyondAHundredPixels) {
    for (const auto& [pointer, far] : std::vector<std::pair<Point, bool>>{
             {{776 + 100, 320}, false}, {{776 + 101, 320}, true}, {{400 - 101, 320}, true}, {{400 - 100, 320}, false},
             {{500, 300 - 101}, true}, {{500, 348 + 101}, true}, {{500, 348 + 100}, false}}) {
        Env env;
        // Inside first (so the leave time is now), then one tick outside: only the far test can end it.
        const auto states = RunTicks({{{500, 320}}, {pointer}}, {5.0f, true, false}, kBar, env, true);
        EXPECT_EQ(states.back(), !far) << pointer.x << "," << pointer.y;
    }
}

TEST(Transparency, LeavingTurnsItSeeThroughAfterTheDelayUnlessAPopupIsOpen) {
    Env env;
    std::vector<Step> steps{{{500, 320}}};
    steps.insert(steps.end(), 6, Step{{500, 360}});
    const auto states = RunTicks(steps, kDefault, kBar, env, true);
    // Left at t = 1100; see-through at the first tick with t - 200 > 1100, at t = 1350.
    EXPECT_EQ(states, (std::vector<bool>{true, true, true, true, true, true, false}));
    Env env2;
    const auto held = RunTicks({{{500, 320}}, {{900, 700}, 50, true}, {{900, 700}, 500, true}, {{900, 700}, 50, false}},
                          kDefault, kBar, env2, true);
    EXPECT_EQ(held, (std::vector<bool>{true, true, true, false}));
}

TEST(Transparency, EachScreenEdgeIsItsOutermostPixelRowOrColumn) {
    struct Case {
        Rect bar;
        Point edge;
        Point inside;  // one pixel off the edge
    };
    const Case cases[] = {
        {kTopBar, {500, 0}, {500, 1}},
        {{400, 720, 776, 768}, {500, 767}, {500, 766}},
        {{0, 300, 376, 348}, {0, 320}, {1, 320}},
        {{648, 300, 1024, 348}, {1023, 320}, {1022, 320}},
    };
    for (const Case& c : cases) {
        const Point start{(c.bar.left + c.bar.right) / 2, (c.bar.top + c.bar.bottom) / 2};
        Env env;
        const auto onEdge = RunTicks({{start}, {c.edge}, {c.edge}, {c.edge}}, {5.0f, true, false}, c.bar, env);
        EXPECT_EQ(onEdge, (std::vector<bool>{false, false, false, true})) << c.edge.x << "," << c.edge.y;
        Env env2;
        const auto offEdge = RunTicks({{start}, {c.inside}, {c.inside}, {c.inside}}, {5.0f, true, false}, c.bar, env2);
        EXPECT_EQ(offEdge, (std::vector<bool>{false, false, false, false})) << c.inside.x << "," << c.inside.y;
    }
}

TEST(Transparency, EdgesAreThoseOfTheMonitorTheBarLiesOn) {
    // A second monitor above the first: a bar docked at its top edge (y = -1080) behaves as one on the first.
    Env env;
    env.monitor = {0, -1080, 1920, 0};
    const Rect bar{400, -1080, 776, -1032};
    const auto states =
        RunTicks({{{500, -1070}}, {{500, -1080}}, {{500, -1080}}, {{500, -1080}}}, {5.0f, true, false}, bar, env);
    EXPECT_EQ(states, (std::vector<bool>{false, false, false, true}));
}

TEST(Transparency, OnlyATickThatCouldTurnTheBarSolidAsksForTheMonitor) {
    Env env;
    RunTicks(std::vector<Step>(5, Step{{10, 10}}), kDefault, kBar, env);
    EXPECT_EQ(env.monitorReads, 0);
    std::vector<Step> crossing;
    for (int x = 400; x < 776; x += 5) crossing.push_back({{x, 320}});
    RunTicks(crossing, kDefault, kBar, env);
    EXPECT_EQ(env.monitorReads, 0);
}

}  // namespace
}  // namespace tarn
