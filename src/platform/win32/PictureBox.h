#pragma once
#include <windows.h>

#include <string>

#include "platform/Control.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/WindowBase.h"

namespace tarn::win32 {

// A child picture box that shows its persistent image, with an optional tooltip of the platform's own.
class PictureBox final : public WindowBase, public Control {
public:
    explicit PictureBox(SysColour background, std::wstring tip = {});
    void Create(HWND parent, const Rect& bounds);
    MemoryCanvas& Image() { return image_; }
    Rect Bounds() const override;
    void Move(const Rect& bounds) override;
    bool Visible() const override { return IsWindowVisible(Hwnd()) != FALSE; }
    void SetVisible(bool visible) override { ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const WindowClass& Class();
    MemoryCanvas image_;
    SysColour background_;
    HWND tooltip_ = nullptr;  // owned by the control's window
    std::wstring tipText_;
};

}  // namespace tarn::win32
