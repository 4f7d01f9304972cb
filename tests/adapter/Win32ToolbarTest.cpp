#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "platform/win32/Win32Toolbar.h"

namespace tarn::win32 {
namespace {

struct RecordingOwner final : Win32Toolbar::Owner {
    void ToolbarCreated(HWND toolbar) override { created.push_back(toolbar); }
    void ToolbarDestroying(HWND toolbar) override {
        // Still whole here, so that a subclass or a drop target can come off it.
        EXPECT_TRUE(IsWindow(toolbar));
        destroying.push_back(toolbar);
    }
    std::vector<HWND> created;
    std::vector<HWND> destroying;
};

class Win32ToolbarTest : public testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr) << "no display to create windows on";
        ShowWindow(parent_, SW_SHOWNA);
        sibling_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 8, 8, parent_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override {
        if (parent_ != nullptr) DestroyWindow(parent_);
    }

    static int ControlButtons(HWND toolbar) { return static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0)); }

    HWND parent_ = nullptr;
    HWND sibling_ = nullptr;
    Win32ImageList images_;
    RecordingOwner owner_;
};

TEST_F(Win32ToolbarTest, EmptyingPutsAFreshControlInTheOldOnesPlace) {
    Win32Toolbar toolbar(images_, owner_);
    toolbar.Create(parent_, 8);
    ASSERT_EQ(owner_.created, std::vector<HWND>{toolbar.Hwnd()});
    for (int i = 0; i < 5; ++i)
        toolbar.Add({ButtonStyle::Plain, "", "", ButtonKind::File, "button " + std::to_string(i)});
    toolbar.Move({8, 10, 308, 60});
    ASSERT_EQ(ControlButtons(toolbar.Hwnd()), 5);
    toolbar.SetVisible(false);
    const Rect bounds = toolbar.Bounds();
    const HWND old = toolbar.Hwnd();

    toolbar.Clear();

    EXPECT_EQ(owner_.destroying, std::vector<HWND>{old});
    EXPECT_FALSE(IsWindow(old));
    ASSERT_EQ(owner_.created.size(), 2u);
    EXPECT_EQ(owner_.created.back(), toolbar.Hwnd());
    EXPECT_EQ(toolbar.Count(), 0);
    EXPECT_EQ(ControlButtons(toolbar.Hwnd()), 0);
    EXPECT_EQ(toolbar.Bounds(), bounds);
    EXPECT_FALSE(IsWindowVisible(toolbar.Hwnd()));
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar.Hwnd(), TB_GETIMAGELIST, 0, 0)), images_.Handle());
    // The other children stay above it.
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), sibling_);
    EXPECT_EQ(GetWindow(sibling_, GW_HWNDNEXT), toolbar.Hwnd());

    // The new control takes buttons and lays them out as the first did.
    toolbar.Add({ButtonStyle::Plain, "", "", ButtonKind::File, "again"});
    toolbar.Add({ButtonStyle::DropDown, "", "", ButtonKind::File, "menu"});
    toolbar.SetVisible(true);
    toolbar.Move({8, 10, 308, 60});
    EXPECT_EQ(ControlButtons(toolbar.Hwnd()), 2);
    EXPECT_GT(toolbar.ButtonRect(2).left, toolbar.ButtonRect(1).left);
    EXPECT_TRUE(IsWindowVisible(toolbar.Hwnd()));
}

TEST_F(Win32ToolbarTest, ButtonsNotYetHandedToTheControlAreDroppedWithoutANewControl) {
    Win32Toolbar toolbar(images_, owner_);
    toolbar.Create(parent_, 8);
    toolbar.Add({ButtonStyle::Plain, "", "", ButtonKind::File, "never laid out"});
    toolbar.Clear();
    EXPECT_EQ(toolbar.Count(), 0);
    EXPECT_TRUE(owner_.destroying.empty());
    EXPECT_EQ(owner_.created.size(), 1u);
    toolbar.Move({8, 10, 308, 60});
    EXPECT_EQ(ControlButtons(toolbar.Hwnd()), 0);
}

}  // namespace
}  // namespace tarn::win32
