#include <gtest/gtest.h>

#include "bar/frmToolTip.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeServices.h"

namespace tarn {
namespace {

// The fake label is 6 pixels per character and 16 per line.
struct TipRig {
    fakes::FakeWindow window{{40, 50, 240, 150}};
    fakes::FakeTipLabel lblTip;
    fakes::FakeTimer tmrHide;
    fakes::FakeScreen screen;
    frmToolTip tip{window, lblTip, tmrHide, screen};

    void ShowAt(Point pointer, const std::string& text) {
        screen.cursor = pointer;
        tip.ShowTip(text);
    }
    void TickAt(Point pointer) {
        screen.cursor = pointer;
        tip.tmrHide_Timer();
    }
};

TEST(frmToolTip, LoadingTakesTheEmptyLabelsSizeAndStaysHiddenOnTop) {
    TipRig rig;
    rig.tip.Form_Load();
    EXPECT_EQ(rig.window.WindowRect(), (Rect{40, 50, 40, 66}));
    EXPECT_TRUE(rig.window.topmost);
    EXPECT_FALSE(rig.tip.Visible());
    EXPECT_FALSE(rig.tmrHide.Enabled());
}

TEST(frmToolTip, ShowTipPutsTheLabelsSizeBelowRightOfThePointerWholeOnItsMonitor) {
    const std::vector<Rect> one{{0, 0, 1024, 768}};
    const std::vector<Rect> two{{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    const struct {
        double twipsPerPixel;
        const std::vector<Rect>* monitors;
        Point pointer;
        Rect expected;
    } cases[] = {
        {15, &one, {500, 300}, {503, 333, 563, 349}},
        {15, &one, {500, 760}, {503, 752, 563, 768}},    // pushed up at the bottom edge
        {15, &one, {1000, 300}, {964, 333, 1024, 349}},  // pushed left at the right edge
        {15, &one, {1023, 767}, {964, 752, 1024, 768}},
        {15, &two, {2040, 100}, {1988, 133, 2048, 149}},
        {10, &one, {500, 300}, {503, 333, 563, 349}},  // 144 DPI
        // 168 DPI: the twips are whole numbers, yet the tip still lands on the pixel below right of the pointer.
        {1440.0 / 168, &one, {101, 57}, {104, 90, 164, 106}},
        {1440.0 / 168, &one, {333, 444}, {336, 477, 396, 493}},
    };
    for (const auto& c : cases) {
        TipRig rig;
        rig.screen.twips = {c.twipsPerPixel, c.twipsPerPixel};
        rig.screen.monitors = *c.monitors;
        rig.ShowAt(c.pointer, "0123456789");
        EXPECT_EQ(rig.window.WindowRect(), c.expected) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(rig.window.lastShow, ShowCommand::ShowNoActivate);
        EXPECT_TRUE(rig.window.topmost);
        EXPECT_TRUE(rig.tmrHide.Enabled());
    }
    TipRig rig;
    rig.ShowAt({100, 200}, "Games\r\nChess.lnk");
    EXPECT_EQ(rig.window.WindowRect(), (Rect{103, 233, 103 + 54, 233 + 32}));
}

TEST(frmToolTip, TheHideTimerHidesAtFourPixelsInEitherDirectionButNotAtThree) {
    const struct {
        Point moveBy;
        bool hides;
    } cases[] = {{{0, 0}, false},  {{3, 0}, false}, {{-3, 0}, false}, {{0, 3}, false}, {{0, -3}, false},
                 {{3, -3}, false}, {{4, 0}, true},  {{-4, 0}, true},  {{0, 4}, true},  {{0, -4}, true}};
    for (const auto& c : cases) {
        TipRig rig;
        rig.ShowAt({500, 300}, "tip");
        rig.TickAt({500 + c.moveBy.x, 300 + c.moveBy.y});
        EXPECT_EQ(rig.tip.Visible(), !c.hides) << c.moveBy.x << "," << c.moveBy.y;
        EXPECT_EQ(rig.tmrHide.Enabled(), !c.hides) << c.moveBy.x << "," << c.moveBy.y;
    }
}

TEST(frmToolTip, NewMousePosMovesTheReferenceButNotTheTip) {
    TipRig rig;
    rig.ShowAt({500, 300}, "tip");
    const Rect shown = rig.window.WindowRect();
    rig.screen.cursor = {503, 300};
    rig.tip.NewMousePos();
    rig.TickAt({506, 300});  // six pixels from where the tip was shown, three from the last report
    EXPECT_TRUE(rig.tip.Visible());
    rig.TickAt({507, 300});
    EXPECT_FALSE(rig.tip.Visible());
    EXPECT_EQ(rig.window.WindowRect(), shown);
    rig.ShowAt({500, 300}, "tip");
    rig.tip.HideTip();
    EXPECT_FALSE(rig.tmrHide.Enabled());
    EXPECT_FALSE(rig.tip.Visible());
}

}  // namespace
}  // namespace tarn
