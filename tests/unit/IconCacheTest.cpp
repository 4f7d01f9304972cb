#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeServices.h"
#include "model/IconCache.h"

namespace tarn {
namespace {

using fakes::FakeCanvas;
using Icon = FakeCanvas::IconCall;
using Line = FakeCanvas::LineCall;

struct IconCacheTest : testing::Test {
    fakes::FakeShell shell;
    FakeCanvas picBox{{18, 18}};
    fakes::FakeImageList ilIcons;
    IconCache icons{shell, picBox, ilIcons};
};

TEST_F(IconCacheTest, KeyIsTheLetterIAndTheDecimalSystemIndex) {
    const struct {
        int index;
        const char* key;
    } cases[] = {{0, "I0"}, {3, "I3"}, {10, "I10"}, {1234, "I1234"}};
    for (const auto& c : cases) {
        shell.iconByPath["C:\\B\\f" + std::to_string(c.index)] = c.index;
        EXPECT_EQ(icons.GetIconKey("C:\\B\\f" + std::to_string(c.index)), c.key);
    }
}

TEST_F(IconCacheTest, StoresEachIconOnceAsTheIconAloneAtTheTopLeft) {
    shell.iconByExtension = {{"txt", 5}, {"exe", 7}};
    EXPECT_EQ(icons.GetIconKey("C:\\B\\a.txt"), "I5");
    EXPECT_EQ(icons.GetIconKey("C:\\B\\b.exe"), "I7");
    EXPECT_EQ(icons.GetIconKey("C:\\B\\c.txt"), "I5");
    EXPECT_EQ(ilIcons.order, (std::vector<std::string>{"I5", "I7"}));
    // The box is cleared before each icon, so a picture never shows the icon drawn before it.
    EXPECT_EQ(ilIcons.pictures["I5"].icons, std::vector<Icon>{(Icon{5, 0, 0})});
    EXPECT_EQ(ilIcons.pictures["I7"].icons, std::vector<Icon>{(Icon{7, 0, 0})});
    EXPECT_EQ(picBox.clears, 2);
}

TEST_F(IconCacheTest, NeverReplacesAStoredPictureAcrossCaches) {
    shell.iconByExtension = {{"txt", 5}};
    icons.GetIconKey("C:\\B\\a.txt");
    // A second cache over the same image list, as after a rebuild or in another window sharing it.
    IconCache again(shell, picBox, ilIcons);
    picBox.DrawSystemSmallIcon(99, 1, 1);
    EXPECT_EQ(again.GetIconKey("C:\\B\\d.txt"), "I5");
    EXPECT_EQ(ilIcons.pictures["I5"].icons, std::vector<Icon>{(Icon{5, 0, 0})});
    EXPECT_EQ(ilIcons.order.size(), 1u);
}

TEST_F(IconCacheTest, SeparatorPictureIsTwoBlackLinesOnACleanBox) {
    picBox.DrawSystemSmallIcon(3, 0, 0);
    icons.MakeSeparatorImage();
    ASSERT_TRUE(ilIcons.Has("sep"));
    const auto& picture = ilIcons.pictures["sep"];
    EXPECT_EQ(picture.lines, (std::vector<Line>{{6, 0, 6, 16, 0x000000}, {9, 0, 9, 16, 0x000000}}));
    EXPECT_TRUE(picture.icons.empty());
}

}  // namespace
}  // namespace tarn
