#pragma once
#include <windows.h>

#include "bar/frmMenu.h"
#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

// frmMenu's window: never shown but minimised, captioned "TarnDock", with the program's icon.
class MenuHostWindow final : public Win32Window {
public:
    MenuHostWindow(frmTarnDock& bar, ProgramHost& host, Window& barWindow);
    frmMenu& Form() { return menu_; }
    // Unloading by code: the window goes without asking its handler.
    void Unload() { Destroy(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    frmMenu menu_;
};

// The hidden owner of the bar, so that the bar has no taskbar button of its own.
class OwnerWindow final : public WindowBase {
public:
    OwnerWindow();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        return Default(message, wParam, lParam);
    }
};

}  // namespace tarn::win32
