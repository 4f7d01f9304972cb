#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeServices.h"
#include "model/IconCache.h"

namespace tarn {
namespace {

struct IconCacheTest : testing::Test {
    fakes::FakeShell shell;
    fakes::FakeCanvas picBox{{18, 18}};
    fakes::FakeImageList ilIcons;
    IconCache icons{shell, picBox, ilIcons};
};

TEST_F(IconCacheTest, KeyIsTheLetterIAndTheDecimalSystemIndex) {
    for (const int index : {0, 3, 10, 1234}) {
        shell.iconByPath["C:\\B\\f" + std::to_string(index)] = index;
        EXPECT_EQ(icons.GetIconKey("C:\\B\\f" + std::to_string(index)), "I" + std::to_string(index));
    }
}

TEST_F(IconCacheTest, StoresEachIconOnceAndNeverReplacesAStoredPicture) {
    shell.iconByExtension = {{"txt", 5}, {"exe", 7}};
    EXPECT_EQ(icons.GetIconKey("C:\\B\\a.txt"), "I5");
    EXPECT_EQ(icons.GetIconKey("C:\\B\\b.exe"), "I7");
    EXPECT_EQ(icons.GetIconKey("C:\\B\\c.txt"), "I5");
    EXPECT_EQ(ilIcons.order, (std::vector<std::string>{"I5", "I7"}));
    EXPECT_EQ(ilIcons.pictures["I5"], 5 + 1);
    // A second cache over the same image list, as after a rebuild.
    IconCache again(shell, picBox, ilIcons);
    picBox.DrawSystemSmallIcon(99, 1, 1);
    EXPECT_EQ(again.GetIconKey("C:\\B\\d.txt"), "I5");
    EXPECT_EQ(ilIcons.pictures["I5"], 5 + 1);
    EXPECT_EQ(ilIcons.order.size(), 2u);
}

TEST_F(IconCacheTest, TheSeparatorPictureIsDrawnOnACleanBox) {
    picBox.DrawSystemSmallIcon(3, 0, 0);
    icons.MakeSeparatorImage();
    ASSERT_TRUE(ilIcons.Has("sep"));
    EXPECT_EQ(ilIcons.pictures["sep"], 0);
}

}  // namespace
}  // namespace tarn
