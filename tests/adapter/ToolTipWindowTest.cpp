#include <gtest/gtest.h>

#include <windows.h>

#include "bar/frmToolTip.h"
#include "bar/win32/ToolTipWindow.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Win32Services.h"

namespace tarn::win32 {
namespace {

void PumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (GetTickCount64() < end);
}

// An ordinary window the user works in: it has the activation before the tip appears.
class WorkWindow {
public:
    WorkWindow() {
        static const WindowClass windowClass(L"TarnTipTestWork", &DefWindowProcW,
                                             reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        hwnd_ = CreateWindowExW(0, windowClass.Name(), L"Work", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
        PumpFor(100);
    }
    WorkWindow(const WorkWindow&) = delete;
    WorkWindow& operator=(const WorkWindow&) = delete;
    ~WorkWindow() { DestroyWindow(hwnd_); }
    HWND Hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// The label's text measured here on its own, with the font the tip is meant to have.
Size MeasuredAlone(const std::wstring& text, UINT dpi) {
    const unique_hfont font(CreateFontW(-MulDiv(975, static_cast<int>(dpi), 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                        FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Trebuchet MS"));
    const unique_hdc dc(CreateCompatibleDC(nullptr));
    const SelectInDc selected(dc.get(), font.get());
    RECT r{};
    DrawTextW(dc.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX);
    return {r.right - r.left, r.bottom - r.top};
}

// Windows need a display; without one (no X server for Wine) there is nothing to test here.
bool HaveDisplay() {
    static const bool have = [] {
        const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                           GetModuleHandleW(nullptr), nullptr);
        if (probe == nullptr) return false;
        DestroyWindow(probe);
        return true;
    }();
    return have;
}

class ToolTipWindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no display to create windows on";
    }
};

struct TipUnderTest {
    Win32Screen screen;
    ToolTipWindow window{screen};
    frmToolTip& tip = window.Form();
    TipUnderTest() { tip.Form_Load(); }
};

TEST_F(ToolTipWindowTest, ShowingTheTipLeavesTheActivationWithTheWindowTheUserWorksIn) {
    WorkWindow work;
    ASSERT_EQ(GetForegroundWindow(), work.Hwnd());
    TipUnderTest t;
    ASSERT_TRUE(t.window.Created());
    EXPECT_FALSE(IsWindowVisible(t.window.Hwnd()));
    t.tip.ShowTip("Notes.txt");
    PumpFor(50);
    EXPECT_TRUE(IsWindowVisible(t.window.Hwnd()));
    EXPECT_EQ(GetForegroundWindow(), work.Hwnd());
    EXPECT_EQ(GetActiveWindow(), work.Hwnd());
    // A click on the tip does not take the activation either.
    EXPECT_EQ(SendMessageW(t.window.Hwnd(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(t.window.Hwnd()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    t.tip.ShowTip("Games\r\nChess");
    PumpFor(50);
    EXPECT_EQ(GetForegroundWindow(), work.Hwnd());
    EXPECT_EQ(GetActiveWindow(), work.Hwnd());
}

TEST_F(ToolTipWindowTest, TheWindowTakesExactlyTheSizeOfItsText) {
    TipUnderTest t;
    const std::wstring text = L"Open with\r\nEditor & Co";
    t.tip.ShowTip("Open with\r\nEditor & Co");
    const Size expected = MeasuredAlone(text, GetDpiForWindow(t.window.Hwnd()));
    ASSERT_GT(expected.cx, 0);
    const Rect rect = t.window.WindowRect();
    EXPECT_EQ((Size{rect.Width(), rect.Height()}), expected);
    EXPECT_EQ(t.window.ClientSize(), expected);
}

TEST_F(ToolTipWindowTest, ItIsATopmostToolWindowWithoutActivation) {
    TipUnderTest t;
    t.tip.ShowTip("tip");
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(t.window.Hwnd(), GWL_EXSTYLE));
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0u);
    EXPECT_NE(exStyle & WS_EX_NOACTIVATE, 0u);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0u);
    const auto style = static_cast<DWORD>(GetWindowLongW(t.window.Hwnd(), GWL_STYLE));
    EXPECT_NE(style & WS_POPUP, 0u);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0u);
}

TEST_F(ToolTipWindowTest, TheLabelGrowsWithItsLinesAndItsWidestLine) {
    Win32Screen screen;
    ToolTipWindow window(screen);
    const Size one = window.SetText("Editor");
    const Size two = window.SetText("Editor\r\nNotes");
    EXPECT_GT(one.cy, 0);
    EXPECT_EQ(two.cy, 2 * one.cy);
    EXPECT_EQ(two.cx, one.cx);  // "Notes" is the shorter line
    const Size wider = window.SetText("Editor\r\nA much longer line");
    EXPECT_EQ(wider.cx, window.SetText("A much longer line").cx);
    EXPECT_GT(wider.cx, one.cx);
}

TEST_F(ToolTipWindowTest, TheHideTimerReachesTheTipAndHidesItWhenThePointerMovesAway) {
    TipUnderTest t;
    ASSERT_TRUE(SetCursorPos(400, 300));
    PumpFor(20);
    POINT at{};
    GetCursorPos(&at);
    if (at.x != 400 || at.y != 300) GTEST_SKIP() << "the pointer cannot be moved on this display";
    t.tip.ShowTip("tip");
    PumpFor(400);
    EXPECT_TRUE(t.tip.Visible());  // the pointer rests
    SetCursorPos(420, 300);
    PumpFor(400);
    EXPECT_FALSE(t.tip.Visible());
    EXPECT_FALSE(t.window.HideTimer().Enabled());
}

TEST_F(ToolTipWindowTest, OneFontServesEveryTipAndGoesWithTheWindow) {
    HFONT font = nullptr;
    {
        TipUnderTest t;
        font = reinterpret_cast<HFONT>(SendMessageW(t.window.Hwnd(), WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
        for (int i = 0; i < 3; ++i) {
            t.tip.ShowTip("tip " + std::to_string(i));
            UpdateWindow(t.window.Hwnd());
        }
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(t.window.Hwnd(), WM_GETFONT, 0, 0)), font);
        const HWND hwnd = t.window.Hwnd();
        t.window.Unload();
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(t.window.Hwnd(), nullptr);
        EXPECT_FALSE(t.window.HideTimer().Enabled());
    }
    EXPECT_EQ(GetObjectType(font), 0u);
}

}  // namespace
}  // namespace tarn::win32
