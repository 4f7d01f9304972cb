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
// WM_NCDESTROY. A derived window calls RouteMessages() at the end of its constructor, when it and the handler
// it holds are whole; from then until StopMessages() or its destruction every message goes to HandleMessage,
// before and after that to the default procedure. Nothing escapes the procedure.
class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();
    HWND Hwnd() const { return hwnd_; }
    // The program is ending: no handler runs any more.
    void StopMessages() { routing_ = false; }
    bool Routes() const { return routing_; }
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

protected:
    bool CreateTopLevel(const WindowClass& windowClass, const wchar_t* caption, DWORD style, DWORD exStyle,
                        const RECT& rect, HWND owner = nullptr);
    bool CreateChild(const WindowClass& windowClass, DWORD style, const RECT& rect, HWND parent);
    void RouteMessages() { routing_ = hwnd_ != nullptr; }
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // A handler threw: its work is skipped and the message answered with 0. A window whose closing ends the
    // program still ends it here.
    virtual void HandlerFailed(UINT /*message*/) {}
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    void Destroy();
    // Moved onto a monitor of another DPI: takes the place and size the system suggests (WM_DPICHANGED).
    void MoveToSuggestedRect(LPARAM lParam);

private:
    HWND hwnd_ = nullptr;
    bool routing_ = false;
};

}  // namespace tarn::win32
