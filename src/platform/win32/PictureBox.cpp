#include "platform/win32/PictureBox.h"

#include <commctrl.h>

namespace tarn::win32 {

const WindowClass& PictureBox::Class() {
    static const WindowClass windowClass(L"TarnDockPicture", &WindowBase::Procedure);
    return windowClass;
}

PictureBox::PictureBox(HWND parent, const Rect& bounds, SysColour background, const std::wstring& tip)
    : image_({bounds.Width() - 2, bounds.Height() - 2}, [this] { InvalidateRect(Hwnd(), nullptr, FALSE); }),
      tipText_(tip) {
    image_.SetBackground(background);
    image_.Clear();
    CreateWindowExW(0, Class().Name(), nullptr, WS_CHILD | WS_BORDER | WS_CLIPSIBLINGS, bounds.left, bounds.top,
                    bounds.Width(), bounds.Height(), parent, nullptr, GetModuleHandleW(nullptr),
                    static_cast<WindowBase*>(this));
    if (!tipText_.empty() && Hwnd() != nullptr) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = Hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(Hwnd());
        info.lpszText = tipText_.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

Rect PictureBox::Bounds() const {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(Hwnd()), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

void PictureBox::Move(const Rect& bounds) {
    SetWindowPos(Hwnd(), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            RECT client{};
            GetClientRect(Hwnd(), &client);
            const Size size{client.right, client.bottom};
            if (size != image_.ClientSize()) image_.Resize(size);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(Hwnd(), &ps);
            const Size size = image_.ClientSize();
            BitBlt(dc, 0, 0, size.cx, size.cy, image_.Dc(), 0, 0, SRCCOPY);
            EndPaint(Hwnd(), &ps);
            return 0;
        }
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace tarn::win32
