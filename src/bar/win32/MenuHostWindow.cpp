#include "bar/win32/MenuHostWindow.h"

#include "bar/BarTexts.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {

MenuHostWindow::MenuHostWindow(frmTarnDock& bar, ProgramHost& host, Window& barWindow)
    : menu_(bar, host, *this, barWindow) {
    static const WindowClass windowClass(L"frmMenu", &WindowBase::Procedure, nullptr,
                                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    CreateTopLevel(windowClass, Widen(texts::kProgramTitle).c_str(),
                   WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_APPWINDOW, RECT{0, 0, 200, 60});
    RouteMessages();
}

LRESULT MenuHostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            menu_.Form_Resize(wParam == SIZE_MINIMIZED   ? WindowState::Minimized
                              : wParam == SIZE_MAXIMIZED ? WindowState::Maximized
                                                         : WindowState::Normal);
            return 0;
        case WM_CLOSE:
            // The user closed it from its window menu or taskbar button.
            menu_.Form_QueryUnload(UnloadMode::FormControlMenu);
            return 0;
        default: return Default(message, wParam, lParam);
    }
}

OwnerWindow::OwnerWindow() {
    static const WindowClass windowClass(L"TarnDockOwner", &WindowBase::Procedure);
    CreateTopLevel(windowClass, L"TarnDock", WS_POPUP, WS_EX_TOOLWINDOW, RECT{0, 0, 0, 0});
    RouteMessages();
}

}  // namespace tarn::win32
