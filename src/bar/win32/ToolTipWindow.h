#pragma once
#include <windows.h>

#include <string>

#include "bar/frmToolTip.h"
#include "platform/TipLabel.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

// frmToolTip's window: a borderless topmost popup that is never activated and whose client area is its label.
// It sizes nothing itself; the label measures its text and frmToolTip gives the window that size.
class ToolTipWindow final : public Win32Window, public TipLabel {
public:
    explicit ToolTipWindow(const Screen& screen, HWND owner = nullptr);
    ~ToolTipWindow() override;
    bool Created() const { return Hwnd() != nullptr; }
    frmToolTip& Form() { return tip_; }
    Timer& HideTimer() { return tmrHide_; }
    // Unloading by code: the window goes, and its timer with it.
    void Unload() { Destroy(); }

    Size SetText(const std::string& text) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Size MeasureText() const;
    void Paint();

    unique_hfont font_;
    std::wstring text_;
    Win32Timer tmrHide_;
    frmToolTip tip_;
};

}  // namespace tarn::win32
