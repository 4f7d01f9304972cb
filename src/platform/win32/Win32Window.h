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
    void SetSeeThrough(Colour colourKey, int alpha) override;
    void SetSolid(int alpha) override;
    bool HasTaskbarButton() const override;
    void SetTaskbarButton(bool show) override;
    bool IsVisible() const override { return IsWindowVisible(Hwnd()) != FALSE; }
    void Show(ShowCommand command) override;

private:
    UINT topmostFlags_;
};

// The ShowWindow command of a ShowCommand.
int ShowWindowCommand(ShowCommand command);

}  // namespace tarn::win32
