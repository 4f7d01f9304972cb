#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/frmToolTip.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeServices.h"

namespace tarn {
namespace {

using fakes::FakeScreen;
using fakes::FakeTimer;
using fakes::FakeWindow;

// Takes a fixed size per line of its text, as an auto-sizing label does with one font.
class FakeTipLabel final : public TipLabel {
public:
    static constexpr int kCharWidth = 7;
    static constexpr int kLineHeight = 18;
    Size SetText(const std::string& text) override {
        texts.push_back(text);
        int lines = 1;
        int widest = 0;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
            widest = std::max(widest, static_cast<int>(end - start));
        }
        widest = std::max(widest, static_cast<int>(text.size() - start));
        return {widest * kCharWidth, lines * kLineHeight};
    }
    std::vector<std::string> texts;
};

struct TipRig {
    FakeWindow window{{0, 0, 200, 100}};
    FakeTipLabel lblTip;
    FakeTimer tmrHide;
    FakeScreen screen;
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
    rig.window.Move({40, 50, 240, 150});
    rig.window.moves.clear();
    rig.tip.Form_Load();
    EXPECT_EQ(rig.lblTip.texts, (std::vector<std::string>{""}));
    EXPECT_EQ(rig.window.moves, (std::vector<Rect>{{40, 50, 40, 50 + FakeTipLabel::kLineHeight}}));
    EXPECT_EQ(rig.window.topmostCalls, 1);
    EXPECT_TRUE(rig.window.shows.empty());
    EXPECT_FALSE(rig.tip.Visible());
    EXPECT_FALSE(rig.tmrHide.Enabled());
}

TEST(frmToolTip, ShowTipPutsTheLabelsSizeBelowRightOfThePointerOnTopWithoutActivation) {
    TipRig rig;
    rig.ShowAt({100, 200}, "Games\r\nChess.lnk");
    EXPECT_EQ(rig.lblTip.texts, (std::vector<std::string>{"Games\r\nChess.lnk"}));
    // 9 characters wide, two lines high.
    EXPECT_EQ(rig.window.moves, (std::vector<Rect>{{103, 233, 103 + 63, 233 + 36}}));
    EXPECT_EQ(rig.window.topmostCalls, 1);
    EXPECT_EQ(rig.window.shows, (std::vector<ShowCommand>{ShowCommand::ShowNoActivate}));
    EXPECT_TRUE(rig.tmrHide.Enabled());
    EXPECT_TRUE(rig.tip.Visible());
}

struct PlacementCase {
    const char* name;
    double twipsPerPixel;
    std::vector<Rect> monitors;
    Point pointer;
    std::string text;
    Rect expected;
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class ShowTipPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(ShowTipPlacement, KeepsTheWholeTipOnTheMonitor) {
    const PlacementCase& c = GetParam();
    TipRig rig;
    rig.screen.twipsPerPixel = c.twipsPerPixel;
    rig.screen.monitors = c.monitors;
    rig.ShowAt(c.pointer, c.text);
    ASSERT_EQ(rig.window.moves.size(), 1u);
    EXPECT_EQ(rig.window.moves[0], c.expected);
}

const std::vector<Rect> kOne{{0, 0, 1024, 768}};
const std::vector<Rect> kTwo{{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
const std::string kTen = "0123456789";  // 70 by 18 pixels

INSTANTIATE_TEST_SUITE_P(
    frmToolTip, ShowTipPlacement,
    testing::Values(
        PlacementCase{"InTheMiddle", 15, kOne, {500, 300}, kTen, {503, 333, 573, 351}},
        PlacementCase{"AtTheBottomEdgeItIsPushedUp", 15, kOne, {500, 740}, kTen, {503, 750, 573, 768}},
        PlacementCase{"AtTheRightEdgeItIsPushedLeft", 15, kOne, {1000, 300}, kTen, {954, 333, 1024, 351}},
        PlacementCase{"InTheBottomRightCornerBoth", 15, kOne, {1023, 767}, kTen, {954, 750, 1024, 768}},
        PlacementCase{"OnTheSecondMonitorAtItsRightEdge", 15, kTwo, {2040, 100}, kTen, {1978, 133, 2048, 151}},
        PlacementCase{"At144Dpi", 10, kOne, {500, 300}, kTen, {503, 333, 573, 351}},
        // 168 DPI: the twips are whole numbers, yet the tip still lands on the pixel below right of the pointer.
        PlacementCase{"At168Dpi", 1440.0 / 168, kOne, {101, 57}, kTen, {104, 90, 174, 108}},
        PlacementCase{"At168DpiElsewhere", 1440.0 / 168, kOne, {333, 444}, kTen, {336, 477, 406, 495}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(frmToolTip, ShowingAnotherTipReplacesTheTextAndMovesTheWindow) {
    TipRig rig;
    rig.ShowAt({100, 100}, "one");
    rig.ShowAt({300, 100}, "second tip");
    EXPECT_EQ(rig.lblTip.texts, (std::vector<std::string>{"one", "second tip"}));
    EXPECT_EQ(rig.window.moves.back(), (Rect{303, 133, 373, 151}));
    EXPECT_TRUE(rig.tip.Visible());
}

struct HideCase {
    Point moveBy;
    bool hides;
};

TEST(frmToolTip, TheHideTimerHidesAtFourPixelsInEitherDirectionButNotAtThree) {
    const std::vector<HideCase> cases{{{0, 0}, false},  {{3, 0}, false},  {{-3, 0}, false}, {{0, 3}, false},
                                      {{0, -3}, false}, {{3, -3}, false}, {{4, 0}, true},   {{-4, 0}, true},
                                      {{0, 4}, true},   {{0, -4}, true},  {{4, 4}, true},   {{-3, 40}, true}};
    for (const HideCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "moved by " << c.moveBy.x << ", " << c.moveBy.y);
        TipRig rig;
        rig.ShowAt({500, 300}, "tip");
        rig.TickAt({500 + c.moveBy.x, 300 + c.moveBy.y});
        EXPECT_EQ(rig.tip.Visible(), !c.hides);
        EXPECT_EQ(rig.tmrHide.Enabled(), !c.hides);
    }
}

TEST(frmToolTip, NewMousePosMovesTheReferenceButNotTheTip) {
    TipRig rig;
    rig.ShowAt({500, 300}, "tip");
    rig.screen.cursor = {503, 300};
    rig.tip.NewMousePos();
    EXPECT_EQ(rig.window.moves.size(), 1u);
    // Six pixels from where the tip was shown, three from the last report.
    rig.TickAt({506, 300});
    EXPECT_TRUE(rig.tip.Visible());
    rig.TickAt({507, 300});
    EXPECT_FALSE(rig.tip.Visible());
    EXPECT_EQ(rig.window.moves.size(), 1u);
}

TEST(frmToolTip, HideTipStopsTheTimerAndHides) {
    TipRig rig;
    rig.ShowAt({500, 300}, "tip");
    rig.tip.HideTip();
    EXPECT_FALSE(rig.tmrHide.Enabled());
    EXPECT_FALSE(rig.tip.Visible());
    EXPECT_EQ(rig.window.shows.back(), ShowCommand::Hide);
}

}  // namespace
}  // namespace tarn
