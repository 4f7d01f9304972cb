#include "platform/win32/PictureBox.h"

#include <commctrl.h>

#include <utility>

#include "platform/win32/Handles.h"

namespace tarn::win32 {

const WindowClass& PictureBox::Class() {
    static const WindowClass windowClass(L"TarnDockPicture", &WindowBase::Procedure);
    return windowClass;
}

PictureBox::PictureBox(SysColour background, std::wstring tip)
    : image_({1, 1}, [this] { InvalidateRect(Hwnd(), nullptr, FALSE); }),
      background_(background),
      tipText_(std::move(tip)) {}

void PictureBox::Create(HWND parent, const Rect& bounds) {
    // The image is the client area, inside the one-pixel border.
    image_.Resize({bounds.Width() - 2, bounds.Height() - 2});
    image_.SetBackground(background_);
    image_.Clear();
    CreateChild(Class(), WS_BORDER | WS_CLIPSIBLINGS, RECT{bounds.left, bounds.top, bounds.right, bounds.bottom},
                parent);
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
    RouteMessages();
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
            const PaintScope paint(Hwnd());
            const Size size = image_.ClientSize();
            BitBlt(paint.get(), 0, 0, size.cx, size.cy, image_.Dc(), 0, 0, SRCCOPY);
            return 0;
        }
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace tarn::win32
