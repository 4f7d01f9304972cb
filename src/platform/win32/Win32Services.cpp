#include "platform/win32/Win32Services.h"

#include "platform/win32/DialogWindow.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {

UINT Win32Screen::Dpi() const {
    const UINT dpi = reference_ != nullptr ? GetDpiForWindow(reference_) : GetDpiForSystem();
    return TwipScale::DpiOrDefault(dpi);
}

Rect Win32Screen::MonitorRect(const Rect& pixels) const {
    const RECT r{pixels.left, pixels.top, pixels.right, pixels.bottom};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

Point Win32Screen::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32MessageBox::Show(const std::string& text, const std::string& title, MessageIcon icon) {
    // Modal to the whole program, as the bar must not rebuild its buttons under an open message: over an open
    // dialog it is that dialog's own (the dialog keeps the rest disabled and gets the keyboard back after it),
    // else task-modal and topmost, above the topmost bar.
    const HWND dialog = DialogWindow::Innermost();
    const UINT modality = dialog != nullptr ? MB_APPLMODAL : (MB_TASKMODAL | MB_TOPMOST);
    const UINT flags = MB_OK | MB_SETFOREGROUND | modality |
                       (icon == MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION);
    MessageBoxW(dialog, Widen(text).c_str(), Widen(title).c_str(), flags);
    if (dialog != nullptr) SetForegroundWindow(dialog);
}

}  // namespace tarn::win32
