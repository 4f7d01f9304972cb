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

namespace {

// Modal to the whole program, as the bar must not rebuild its buttons under an open message: over an open modal
// dialog it is that dialog's own (the dialog keeps the rest disabled and gets the keyboard back after it), else
// task-modal and topmost, above the topmost bar, and the window that was active gets the keyboard back after it.
int ProgramModalBox(const std::string& text, const std::string& title, UINT kind) {
    const HWND dialog = DialogWindow::Innermost();
    const HWND active = dialog != nullptr ? dialog : GetActiveWindow();
    const UINT modality = dialog != nullptr ? MB_APPLMODAL : (MB_TASKMODAL | MB_TOPMOST);
    const int answer =
        MessageBoxW(dialog, Widen(text).c_str(), Widen(title).c_str(), kind | MB_SETFOREGROUND | modality);
    if (active != nullptr && IsWindow(active)) SetForegroundWindow(active);
    return answer;
}

}  // namespace

void Win32MessageBox::Show(const std::string& text, const std::string& title, MessageIcon icon) {
    ProgramModalBox(text, title, MB_OK | (icon == MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION));
}

Answer Win32MessageBox::AskYesNoCancel(const std::string& text, const std::string& title) {
    switch (ProgramModalBox(text, title, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        default: return Answer::Cancel;
    }
}

}  // namespace tarn::win32
