#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

int ShowWindowCommand(ShowCommand command) {
    switch (command) {
        case ShowCommand::Hide: return SW_HIDE;
        case ShowCommand::ShowMinimized: return SW_SHOWMINIMIZED;
        case ShowCommand::ShowNoActivate: return SW_SHOWNOACTIVATE;
        case ShowCommand::Show: return SW_SHOW;
    }
    return SW_SHOW;
}

Rect Win32Window::WindowRect() const {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

Size Win32Window::ClientSize() const {
    RECT r{};
    GetClientRect(Hwnd(), &r);
    return {r.right, r.bottom};
}

void Win32Window::Move(const Rect& pixels) {
    SetWindowPos(Hwnd(), nullptr, pixels.left, pixels.top, pixels.Width(), pixels.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The extended style is written whole: a layered window, transparent for the mouse while it is see-through.
void Win32Window::SetSeeThrough(Colour colourKey, int alpha) {
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TRANSPARENT);
    SetLayeredWindowAttributes(Hwnd(), colourKey, static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
}

void Win32Window::SetSolid(int alpha) {
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, WS_EX_LAYERED);
    SetLayeredWindowAttributes(Hwnd(), static_cast<COLORREF>(-1), static_cast<BYTE>(alpha), LWA_ALPHA);
}

bool Win32Window::HasTaskbarButton() const { return (GetWindowLongW(Hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0; }

void Win32Window::SetTaskbarButton(bool show) {
    const LONG style = GetWindowLongW(Hwnd(), GWL_EXSTYLE);
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, show ? (style | WS_EX_APPWINDOW) : (style & ~WS_EX_APPWINDOW));
}

void Win32Window::Show(ShowCommand command) { ShowWindow(Hwnd(), ShowWindowCommand(command)); }

}  // namespace tarn::win32
