#pragma once
#include <windows.h>

#include "platform/win32/Win32Window.h"

namespace tarn {
class frmMenu;
}

namespace tarn::win32 {

// frmMenu's window: never shown but minimised, captioned "TarnDock", with the program's icon.
class MenuHostWindow final : public Win32Window {
public:
    MenuHostWindow();
    void Attach(frmMenu* menu) { menu_ = menu; }
    // Unloading by code: the window goes without asking its handler.
    void Unload();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    frmMenu* menu_ = nullptr;
};

// The hidden owner of the bar, so that the bar has no taskbar button of its own.
class OwnerWindow final : public WindowBase {
public:
    OwnerWindow();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override { return Default(message, wParam, lParam); }
};

}  // namespace tarn::win32
