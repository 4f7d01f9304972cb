#pragma once
#include <windows.h>

#include "platform/Window.h"
#include "platform/win32/WindowBase.h"

namespace tarn::win32 {

// The Window interface over a top-level window of ours.
class Win32Window : public WindowBase, public Window {
public:
    // `topmostFlags` are the SetWindowPos flags with which SetTopmost puts the window on top.
    explicit Win32Window(UINT topmostFlags = SWP_NOMOVE | SWP_NOSIZE) : topmostFlags_(topmostFlags) {}
    Rect WindowRect() const override;
    Size ClientSize() const override;
    void Move(const Rect& pixels) override;
    void SetTopmost() override { SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, topmostFlags_); }
    std::uint32_t ExStyle() const override { return static_cast<std::uint32_t>(GetWindowLongW(Hwnd(), GWL_EXSTYLE)); }
    void SetExStyle(std::uint32_t style) override { SetWindowLongW(Hwnd(), GWL_EXSTYLE, static_cast<LONG>(style)); }
    void SetLayeredAttributes(Colour key, int alpha, std::uint32_t flags) override {
        SetLayeredWindowAttributes(Hwnd(), key, static_cast<BYTE>(alpha), flags);
    }
    bool IsVisible() const override { return IsWindowVisible(Hwnd()) != FALSE; }
    void Show(ShowCommand command) override { ShowWindow(Hwnd(), static_cast<int>(command)); }

private:
    UINT topmostFlags_;
};

}  // namespace tarn::win32
