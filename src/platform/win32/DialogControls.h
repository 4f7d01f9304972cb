#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/Button.h"
#include "platform/Canvas.h"
#include "platform/ControlDesign.h"
#include "platform/win32/ChildControl.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/GdiHandles.h"

namespace tarn::win32 {

// A push button of a dialog at its designed place, in its font, with its tooltip and, when given, a picture above
// its caption. The dialog's default button (IDOK) is drawn as such.
class Win32Button final : public ChildOf<Button> {
public:
    Win32Button(DialogWindow& dialog, int id, const ControlDesign& design, std::function<void()> onClick);
    // The picture's background colour becomes transparent; it stands above the caption, or left of it.
    void SetPicture(const Canvas& picture, bool above = true);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
    void SetEnabled(bool enabled) override;
    void Command(WORD code) override {
        if (code == BN_CLICKED && onClick_) onClick_();
    }

private:
    std::function<void()> onClick_;
    unique_himagelist picture_;
};

// A static text in the system's tooltip colours, with its tooltip when designed with one.
class Win32Label final : public ChildOf<Control> {
public:
    Win32Label(DialogWindow& dialog, const ControlDesign& design);
    HBRUSH ControlColour(HDC dc) override;

private:
    unique_hbrush background_;
};

// A plain bar of one colour that the pointer finds (a drop can land on it).
class Win32ColourBar final : public ChildOf<Control> {
public:
    Win32ColourBar(DialogWindow& dialog, const Rect& designed, Colour colour);
    HBRUSH ControlColour(HDC dc) override;

private:
    unique_hbrush brush_;
};

}  // namespace tarn::win32
