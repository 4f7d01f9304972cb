#include <gtest/gtest.h>

#include "bar/BarLayout.h"
#include "fakes/BarRig.h"

namespace tarn {
namespace {

using fakes::BarRig;

TEST(BarLayout, TheMinimumSizeIsFourHundredEightyByTwoHundredFortyTwips) {
    EXPECT_EQ(EnforcedBarSize({10, 10}, 15, 15), (Size{32, 16}));
    EXPECT_EQ(EnforcedBarSize({32, 16}, 15, 15), std::nullopt);
    EXPECT_EQ(EnforcedBarSize({400, 10}, 15, 15), (Size{400, 16}));
    EXPECT_EQ(EnforcedBarSize({31, 300}, 15, 15), (Size{32, 300}));
    EXPECT_EQ(EnforcedBarSize({10, 10}, 7.5, 7.5), (Size{64, 32}));  // 192 DPI
}

TEST(BarLayout, TheToolbarFillsTheWidthBetweenTheMargins) {
    EXPECT_EQ(ToolbarBounds({370, 42}, 8), (Rect{8, 0, 362, 42}));
    EXPECT_EQ(ToolbarBounds({10, 42}, 8), (Rect{8, 0, 8, 42}));
}

TEST(BarLayout, TheHintShowsWhenTheLastRowStartsLessThanSevenPixelsAboveTheBottom) {
    EXPECT_FALSE(HintNeeded(44, 22, 50));                    // the last row starts 28 above the bottom edge
    EXPECT_TRUE(HintNeeded(44, 22, 29));                     // 7 above: shown, though part of the row shows
    EXPECT_FALSE(HintNeeded(44, 22, 30));
    EXPECT_TRUE(HintNeeded(66, 22, 42));                     // three rows in a two-row bar
    EXPECT_FALSE(HintNeeded(22, 22, 42));
}

struct FolderBar : BarRig {
    explicit FolderBar(int files) {
        UseButtonFolder("D:\\Bar");
        for (int i = 0; i < files; ++i) fs.AddFile("D:\\Bar\\f" + std::to_string(100 + i) + ".txt");
    }
};

TEST(BarLayout, ABarTwoRowsHighWithThreeRowsShowsTheHintUntilARefreshWithFewerButtons) {
    // 354 pixels between the margins hold 15 buttons a row; 40 buttons make three rows.
    FolderBar rig(40);
    rig.Load();
    EXPECT_EQ(rig.toolbar.Bounds(), (Rect{8, 0, 362, 66}));
    EXPECT_TRUE(rig.picHint.Visible());
    EXPECT_EQ(rig.picHint.Bounds().bottom, 42);
    for (int i = 0; i < 20; ++i) rig.fs.Remove("D:\\Bar\\f" + std::to_string(100 + i) + ".txt");
    rig.bar->FillToolbar();
    EXPECT_FALSE(rig.picHint.Visible());
}

TEST(BarLayout, ANarrowerBarWrapsIntoMoreRowsAndKeepsItsMargins) {
    FolderBar rig(20);
    rig.Load();
    EXPECT_EQ(rig.toolbar.RowsHeight(), 44);
    rig.window.Move({671, 0, 871, 48});
    rig.bar->Form_Resize();
    EXPECT_EQ(rig.toolbar.Bounds().left, 8);
    EXPECT_EQ(rig.toolbar.Bounds().right, 194 - 8);
    EXPECT_EQ(rig.toolbar.RowsHeight(), 66);  // 178 pixels hold 7 buttons a row
}

TEST(BarLayout, TheHintIsDrawnOnceAtLoadAsAnArrowIntoItsLowerRightCorner) {
    BarRig rig;
    rig.Load();
    EXPECT_EQ(rig.picHint.Bounds().Width(), 8 + 3);
    const int w = rig.picHintImage.ClientSize().cx;
    const int h = rig.picHintImage.ClientSize().cy;
    EXPECT_EQ(rig.picHintImage.lines,
              (std::vector<fakes::FakeCanvas::LineCall>{{w - 2, h - 2, 0, h - w, 0}, {w - 2, h - 2, w - 2, h - 6, 0},
                                                         {w - 2, h - 2, w - 6, h - 2, 0}}));
}

TEST(BarLayout, TheGripCoversTheClientAreaOnlyWhileSolid) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    bar.Form_Paint();
    EXPECT_EQ(rig.form.PixelCount(), 0u);
    // Solid: dots every 4 pixels up to the client size less 2, highlight and shadow.
    rig.RestUntilSolid();
    ASSERT_TRUE(bar.Solid());
    const Size client = rig.form.ClientSize();
    const std::size_t dots = static_cast<std::size_t>((client.cx - 2) / 4 + 1) * ((client.cy - 2) / 4 + 1);
    EXPECT_EQ(rig.form.PixelCount(), 2 * dots);
    EXPECT_EQ(rig.form.GetPixel(0, 0), fakes::SysColourValue(SysColour::Highlight3D));
    EXPECT_EQ(rig.form.GetPixel(1, 1), fakes::SysColourValue(SysColour::ButtonShadow));
    EXPECT_EQ(rig.form.GetPixel(2, 2), rig.form.Background());
}

TEST(BarTransparency, TurningSolidAndBackAppliesEachStatesAttributes) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    rig.RestUntilSolid();
    ASSERT_TRUE(bar.Solid());
    EXPECT_EQ(rig.window.exStyles.back(), 0x80000u);
    EXPECT_EQ(rig.window.layered.back(), (fakes::FakeWindow::Layered{0xFFFFFFFF, 230, 2}));
    EXPECT_EQ(rig.form.Background(), fakes::SysColourValue(SysColour::ButtonFace));
    // SetAlpha while solid has no effect.
    const std::size_t before = rig.window.layered.size();
    bar.SetAlpha(40);
    EXPECT_EQ(rig.window.layered.size(), before);
    // 101 pixels below the bar: see-through at the next tick.
    rig.screen.cursor = {700, 48 + 101};
    rig.Tick();
    EXPECT_FALSE(bar.Solid());
    EXPECT_EQ(rig.window.exStyles.back(), 0x80020u);
    EXPECT_EQ(rig.window.layered.back(), (fakes::FakeWindow::Layered{0xF0F0F0, 110, 3}));
    EXPECT_EQ(rig.form.PixelCount(), 0u);
    bar.SetAlpha(40);
    EXPECT_EQ(rig.window.layered.back(), (fakes::FakeWindow::Layered{0xF0F0F0, 40, 3}));
}

TEST(BarTransparency, AnIdleTickOnlyReadsThePointerAndTheBarsRectangle) {
    BarRig rig;
    rig.Load();
    rig.screen.cursor = {10, 700};
    const std::size_t changes = rig.window.Changes();
    const int clears = rig.form.clears;
    const int refreshes = rig.form.refreshes;
    rig.Tick(100);
    EXPECT_EQ(rig.window.Changes(), changes);
    EXPECT_EQ(rig.form.clears, clears);
    EXPECT_EQ(rig.form.refreshes, refreshes);
}

TEST(BarTransparency, AnOpenPopupMenuKeepsTheBarSolid) {
    BarRig rig;
    frmTarnDock& bar = rig.Load();
    rig.RestUntilSolid();
    ASSERT_TRUE(bar.Solid());
    bool solidThroughout = true;
    rig.popup.during = [&] {
        rig.screen.cursor = {10, 700};
        for (int i = 0; i < 20; ++i) {
            rig.Tick();
            solidThroughout = solidThroughout && bar.Solid();
        }
    };
    bar.Form_MouseDown(kRightButton, 0, 5, 5);
    EXPECT_TRUE(solidThroughout);
    rig.Tick();
    EXPECT_FALSE(bar.Solid());
}

}  // namespace
}  // namespace tarn
