#pragma once
#include <windows.h>

#include <string>

namespace tarn::win32 {

// A window class registered once, unregistered by its owner.
class WindowClass {
public:
    WindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background = nullptr, HICON icon = nullptr);
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    ~WindowClass();
    const wchar_t* Name() const { return name_.c_str(); }

private:
    std::wstring name_;
    ATOM atom_ = 0;
};

// The one window-procedure pattern: `this` is stored at WM_NCCREATE from the create parameters and cleared at
// WM_NCDESTROY; every other message goes to HandleMessage. Nothing escapes the procedure.
class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();
    HWND Hwnd() const { return hwnd_; }
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

protected:
    bool CreateTopLevel(const WindowClass& windowClass, const wchar_t* caption, DWORD style, DWORD exStyle,
                        const RECT& rect, HWND owner = nullptr);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(hwnd_, message, wParam, lParam); }
    void Destroy();

private:
    HWND hwnd_ = nullptr;
};

}  // namespace tarn::win32
