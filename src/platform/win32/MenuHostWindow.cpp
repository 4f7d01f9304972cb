#include "platform/win32/MenuHostWindow.h"

#include "bar/frmMenu.h"

namespace tarn::win32 {

MenuHostWindow::MenuHostWindow() {
    static const WindowClass windowClass(L"frmMenu", &WindowBase::Procedure, nullptr,
                                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    CreateTopLevel(windowClass, L"TarnDock", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_APPWINDOW,
                   RECT{0, 0, 200, 60});
}

void MenuHostWindow::Unload() {
    menu_ = nullptr;
    Destroy();
}

LRESULT MenuHostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && menu_ != nullptr) {
        menu_->Form_Resize(wParam == SIZE_MINIMIZED ? kWindowStateMinimized : wParam == SIZE_MAXIMIZED ? 2 : kWindowStateNormal);
        return 0;
    }
    if (message == WM_CLOSE) {
        // The user closed it from its window menu or taskbar button.
        if (menu_ != nullptr) menu_->Form_QueryUnload(kUnloadFormControlMenu);
        return 0;
    }
    return Default(message, wParam, lParam);
}

OwnerWindow::OwnerWindow() {
    static const WindowClass windowClass(L"TarnDockOwner", &WindowBase::Procedure);
    CreateTopLevel(windowClass, L"TarnDock", WS_POPUP, WS_EX_TOOLWINDOW, RECT{0, 0, 0, 0});
}

}  // namespace tarn::win32
