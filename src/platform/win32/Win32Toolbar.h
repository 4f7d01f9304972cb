#pragma once
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "platform/Toolbar.h"
#include "platform/win32/Win32ImageList.h"

namespace tarn::win32 {

// The common controls' toolbar: flat, wrapping, with drop-down arrows. A button's command identifier is its
// index. The control lays itself out again at every single addition or deletion, so buttons are handed to it
// in one batch when the layout is next needed, and emptying it makes a new, empty control in its place.
class Win32Toolbar final : public Toolbar {
public:
    // What the parent hangs on the control (a subclass, a drop target) is hung on every new one again.
    class Owner {
    public:
        virtual void ToolbarCreated(HWND toolbar) = 0;
        virtual void ToolbarDestroying(HWND toolbar) = 0;

    protected:
        ~Owner() = default;
    };

    Win32Toolbar(const Win32ImageList& images, Owner& owner) : images_(images), owner_(owner) {}
    // Makes the control, `margin` pixels from the parent's left edge.
    void Create(HWND parent, int margin) { Create(parent, Rect{margin, 0, margin + 100, 24}); }
    Win32Toolbar(const Win32Toolbar&) = delete;
    Win32Toolbar& operator=(const Win32Toolbar&) = delete;
    HWND Hwnd() const { return hwnd_; }

    void Clear() override;
    int Add(const ButtonRecord& button) override;
    int Count() const override { return static_cast<int>(buttons_.size()); }
    const ButtonRecord& Button(int index) const override { return buttons_.at(static_cast<std::size_t>(index - 1)); }
    void SetStyle(int index, ButtonStyle style) override;
    void SetTag(int index, const std::string& tag) override { At(index).tag = tag; }
    void SetEnabled(int index, bool enabled) override;
    void SetPressed(int index, bool pressed) override;
    Rect ButtonRect(int index) const override;
    void Move(const Rect& bounds) override;
    Rect Bounds() const override;
    int RowsHeight() const override;
    int ButtonHeight() const override;
    void SetVisible(bool visible) override;

private:
    ButtonRecord& At(int index) { return buttons_.at(static_cast<std::size_t>(index - 1)); }
    void Create(HWND parent, const Rect& bounds);
    // The control is below its siblings, with the bar's hooks.
    void Flush() const;
    HWND hwnd_ = nullptr;
    const Win32ImageList& images_;
    Owner& owner_;
    bool visible_ = true;
    std::vector<ButtonRecord> buttons_;
    mutable int flushed_ = 0;  // buttons the control holds
};

}  // namespace tarn::win32
