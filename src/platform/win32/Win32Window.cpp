#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

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

}  // namespace tarn::win32
