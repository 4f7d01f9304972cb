#include <gtest/gtest.h>

#include "platform/win32/MemoryCanvas.h"

namespace tarn::win32 {
namespace {

TEST(MemoryCanvasTest, ASizeWithoutMemoryKeepsTheOldPictureAndItsSize) {
    MemoryCanvas canvas({4, 3});
    canvas.SetPixel(3, 2, SysColour::ButtonShadow);
    // About 40 GB of pixels: no bitmap of that size can be made.
    canvas.Resize({100000, 100000});
    EXPECT_EQ(canvas.ClientSize(), (Size{4, 3}));
    EXPECT_EQ(canvas.GetPixel(3, 2), SysColourRef(SysColour::ButtonShadow));
    // Drawing goes on within the old picture and nowhere beyond it.
    canvas.Clear();
    canvas.SetPixel(50000, 50000, SysColour::ButtonShadow);
    EXPECT_EQ(canvas.GetPixel(3, 2), canvas.BackgroundColour());

    canvas.Resize({6, 5});
    EXPECT_EQ(canvas.ClientSize(), (Size{6, 5}));
    canvas.SetPixel(5, 4, SysColour::ButtonShadow);
    EXPECT_EQ(canvas.GetPixel(5, 4), SysColourRef(SysColour::ButtonShadow));
}

}  // namespace
}  // namespace tarn::win32
