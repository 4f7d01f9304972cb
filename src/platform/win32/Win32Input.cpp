#include "platform/win32/Win32Input.h"

namespace tarn::win32 {

Key KeyFromVirtualKey(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_F1: return Key::F1;
        case VK_F2: return Key::F2;
        case VK_F3: return Key::F3;
        case VK_F4: return Key::F4;
        case VK_F5: return Key::F5;
        case VK_F8: return Key::F8;
        case VK_F9: return Key::F9;
        case VK_APPS: return Key::Menu;
        case VK_RETURN: return Key::Return;
        case VK_ESCAPE: return Key::Escape;
        case VK_INSERT: return Key::Insert;
        case VK_DELETE: return Key::Delete;
        case VK_UP: return Key::Up;
        case VK_DOWN: return Key::Down;
        case VK_LEFT: return Key::Left;
        case VK_RIGHT: return Key::Right;
        default: return Key::Other;
    }
}

int MouseButtons(WPARAM wParam) {
    return ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0) |
           ((wParam & MK_MBUTTON) ? kMiddleButton : 0);
}

int ShiftState() {
    return ((GetKeyState(VK_SHIFT) < 0) ? kShiftMask : 0) | ((GetKeyState(VK_CONTROL) < 0) ? kCtrlMask : 0) |
           ((GetKeyState(VK_MENU) < 0) ? kAltMask : 0);
}

}  // namespace tarn::win32
