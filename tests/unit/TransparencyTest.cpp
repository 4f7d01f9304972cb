#include <gtest/gtest.h>

#include <string>

#include "bar/Transparency.h"

namespace tarn {
namespace {

// A clock moved 50 ms before each tick, and the monitor the bar lies on.
class Env final : public TickEnvironment {
public:
    std::int64_t NowMs() override { return now; }
    Rect Monitor(const Rect&) override { return ++monitorReads, monitor; }
    std::int64_t now = 1000;
    Rect monitor{0, 0, 1024, 768};
    int monitorReads = 0;
};

constexpr Rect kBar{400, 300, 776, 348};  // in the middle of the screen
constexpr Rect kTopBar{400, 0, 776, 48};  // touching the top edge
constexpr TickSettings kDefault{0.2f, true, false};
constexpr TickSettings kSlow{5.0f, true, false};

// Runs one tick per pointer position and gives the states after each as '-' (see-through) and '#' (solid); a
// popup is open while the pointer is at (900, 700).
std::string RunTicks(const std::vector<Point>& pointers, const TickSettings& settings, Rect bar, bool solid, Env& env) {
    TickMemory memory;
    std::string states;
    for (const Point& p : pointers) {
        env.now += 50;
        const TickAction action = DecideTick(memory, {p, bar, solid, p.x == 900 && p.y == 700}, settings, env);
        if (action != TickAction::None) solid = action == TickAction::TurnSolid;
        states += solid ? '#' : '-';
    }
    return states;
}

std::vector<Point> Repeat(Point p, int n) { return std::vector<Point>(static_cast<std::size_t>(n), p); }
std::vector<Point> operator+(std::vector<Point> a, const std::vector<Point>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Transparency, Scenarios) {
    std::vector<Point> crossing;
    for (int x = 400; x < 776; x += 3) crossing.push_back({x, 320});
    const struct {
        const char* what;
        std::vector<Point> pointers;
        TickSettings settings;
        Rect bar;
        bool solid;
        std::string states;
    } cases[] = {
        // The first tick inside restarts the rest; solid at the first tick more than 0.2 s later, however the
        // pointer trembles by up to 2 pixels.
        {"resting",
         {{500, 320}, {501, 321}, {502, 320}, {500, 322}, {501, 320}, {501, 320}},
         kDefault,
         kBar,
         false,
         "-----#"},
        // Rest from t = 1050; solid at the first tick with t - 500 > 1050.
        {"half a second", Repeat({500, 320}, 12), {0.5f, true, false}, kBar, false, "-----------#"},
        {"crossing", crossing, kDefault, kBar, false, std::string(crossing.size(), '-')},
        {"pushed against the top edge", {{500, 10}, {500, 0}, {500, 0}, {500, 0}}, kSlow, kTopBar, false, "---#"},
        {"top edge without the rule",
         {{500, 10}, {500, 0}, {500, 0}, {500, 0}},
         {5.0f, false, false},
         kTopBar,
         false,
         "----"},
        {"bottom edge", {{500, 740}, {500, 767}, {500, 767}, {500, 767}}, kSlow, {400, 720, 776, 768}, false, "---#"},
        {"left edge", {{100, 320}, {0, 320}, {0, 320}, {0, 320}}, kSlow, {0, 300, 376, 348}, false, "---#"},
        {"right edge",
         {{700, 320}, {1023, 320}, {1023, 320}, {1023, 320}},
         kSlow,
         {648, 300, 1024, 348},
         false,
         "---#"},
        {"one pixel off the edge", {{500, 10}, {500, 1}, {500, 1}, {500, 1}}, kSlow, kTopBar, false, "----"},
        {"border only, off the edge", Repeat({500, 20}, 8), {0.2f, true, true}, kTopBar, false, "--------"},
        {"border only, on the edge",
         Repeat({500, 20}, 8) + Repeat({500, 0}, 3),
         {0.2f, true, true},
         kTopBar,
         false,
         "----------#"},
        {"border only, no edge", Repeat({500, 320}, 8), {0.2f, true, true}, kBar, false, "-----###"},
        // Left at t = 1100; see-through at the first tick with t - 200 > 1100.
        {"leaving", Repeat({500, 320}, 1) + Repeat({500, 360}, 6), kDefault, kBar, true, "######-"},
        {"leaving with a popup open",
         {{500, 320}, {900, 700}, {900, 700}, {900, 700}, {900, 701}},
         kDefault,
         kBar,
         true,
         "####-"},
        // Inside first, then one tick outside: only the far test can end it so soon.
        {"100 px right", {{500, 320}, {876, 320}}, kSlow, kBar, true, "##"},
        {"101 px right", {{500, 320}, {877, 320}}, kSlow, kBar, true, "#-"},
        {"101 px left", {{500, 320}, {299, 320}}, kSlow, kBar, true, "#-"},
        {"100 px left", {{500, 320}, {300, 320}}, kSlow, kBar, true, "##"},
        {"101 px above", {{500, 320}, {500, 199}}, kSlow, kBar, true, "#-"},
        {"101 px below", {{500, 320}, {500, 449}}, kSlow, kBar, true, "#-"},
        {"100 px below", {{500, 320}, {500, 448}}, kSlow, kBar, true, "##"},
    };
    for (const auto& c : cases) {
        Env env;
        EXPECT_EQ(RunTicks(c.pointers, c.settings, c.bar, c.solid, env), c.states) << c.what;
    }
}

TEST(Transparency, EdgesAreThoseOfTheMonitorTheBarLiesOn) {
    // A second monitor above the first: a bar docked at its top edge (y = -1080) behaves as one on the first.
    Env env;
    env.monitor = {0, -1080, 1920, 0};
    const Rect bar{400, -1080, 776, -1032};
    EXPECT_EQ(RunTicks({{500, -1070}, {500, -1080}, {500, -1080}, {500, -1080}}, kSlow, bar, false, env), "---#");
}

TEST(Transparency, OnlyATickThatCouldTurnTheBarSolidAsksForTheMonitor) {
    Env env;
    std::vector<Point> crossing;
    for (int x = 400; x < 776; x += 5) crossing.push_back({x, 320});
    RunTicks(Repeat({10, 10}, 5) + crossing, kDefault, kBar, false, env);
    EXPECT_EQ(env.monitorReads, 0);
}

}  // namespace
}  // namespace tarn
