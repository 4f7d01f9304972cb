#pragma once
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "platform/Control.h"

namespace tarn::win32 {

// A child control of a dialog window; the parent owns its HWND and hands it the messages it sends about it.
class ChildWindow {
public:
    ChildWindow() = default;
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    HWND Hwnd() const { return hwnd_; }
    virtual const Control& AsControl() const = 0;
    virtual void Command(WORD /*code*/) {}
    // A scroll bar or slider moved by the user (WM_HSCROLL, WM_VSCROLL).
    virtual void Scrolled(WORD /*code*/) {}
    virtual std::optional<LRESULT> Notify(const NMHDR& /*header*/) { return std::nullopt; }
    // The brush a static control is painted with, its colours set in the DC.
    virtual HBRUSH ControlColour(HDC /*dc*/) { return nullptr; }

protected:
    ~ChildWindow() = default;
    HWND hwnd_ = nullptr;
};

// A control interface over a child window: its place in the parent's client pixels and its visibility.
template <typename Interface>
class ChildOf : public Interface, public ChildWindow {
public:
    const Control& AsControl() const override { return *this; }
    Rect Bounds() const override {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    void Move(const Rect& bounds) override {
        SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    bool Visible() const override { return IsWindowVisible(hwnd_) != FALSE; }
    void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
};

}  // namespace tarn::win32
