#include "platform/win32/WindowBase.h"

#include <string>
#include <utility>

#include "platform/win32/Log.h"

namespace tarn::win32 {

WindowClass::WindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background, HICON icon) : name_(name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.lpszClassName = name_.c_str();
    atom_ = RegisterClassExW(&wc);
    if (atom_ == 0) LogLastError(L"RegisterClassExW");
}

WindowClass::~WindowClass() {
    if (atom_ != 0) UnregisterClassW(name_.c_str(), GetModuleHandleW(nullptr));
}

WindowBase::~WindowBase() {
    if (hwnd_ != nullptr) {
        // The derived object is gone already: the window's last messages go to the default procedure.
        const HWND hwnd = std::exchange(hwnd_, nullptr);
        routing_ = false;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
}

void WindowBase::Destroy() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
        hwnd_ = nullptr;
        routing_ = false;
    }
}

bool WindowBase::CreateTopLevel(const WindowClass& windowClass, const wchar_t* caption, DWORD style, DWORD exStyle,
                                const RECT& rect, HWND owner) {
    CreateWindowExW(exStyle, windowClass.Name(), caption, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) LogLastError(L"CreateWindowExW of a window");
    return hwnd_ != nullptr;
}

bool WindowBase::CreateChild(const WindowClass& windowClass, DWORD style, const RECT& rect, HWND parent) {
    CreateWindowExW(0, windowClass.Name(), nullptr, WS_CHILD | style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) LogLastError(L"CreateWindowExW of a child window");
    return hwnd_ != nullptr;
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->routing_ = false;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (!self->routing_) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Log((L"the handler of window message " + std::to_wstring(message)).c_str(), 0);
        self->HandlerFailed(message);
        return 0;
    }
}

void WindowBase::MoveToSuggestedRect(LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tarn::win32
