#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/ControlDesign.h"
#include "platform/ModalDialog.h"
#include "platform/win32/ChildControl.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

// A modal dialog window of the program, made hidden at its designed client size for the DPI of the bar's
// monitor, owned by the innermost dialog open (else by the bar) and centred on the bar's monitor. While shown
// modally every other window of the program is disabled; its timers and paints go on. Enter and Esc reach the
// default and cancel buttons (IDOK, IDCANCEL), Tab moves between controls, the close box ends the modal showing.
// Messages reach the derived window only once it calls RouteMessages(), when it and its controls are whole.
class DialogWindow : public Win32Window, public ModalDialog {
public:
    DialogWindow(HWND home, Size designedClient, bool resizable);
    ~DialogWindow() override;
    bool Created() const { return Hwnd() != nullptr; }
    // The dialog shown modally innermost now, or null.
    static HWND Innermost();
    DpiScale Scale() const { return scale_; }
    // A font of the spec at this window's DPI, made once and kept while the window lives.
    HFONT Font(const FontSpec& font);
    void AddTip(HWND control, std::string_view text);
    // The dialog's message loop hands over notifications and colours of registered controls.
    void Register(ChildWindow& child, int id = 0);

    void SetTitle(const std::string& title) override;
    void ShowModal() override;
    void EndModal() override;
    Rect HomeMonitor() const override;
    int Dpi() const override { return scale_.dpi; }
    const Control* ControlAt(Point screen) const override;

protected:
    // The control that has the keyboard when the window opens.
    void FocusFirst(HWND control) { firstFocus_ = control; }
    // Keys before any control sees them; true when taken.
    virtual bool PreviewKey(const MSG& /*message*/) { return false; }
    virtual void Resized() {}
    virtual void Timer(UINT_PTR /*id*/) {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The registered control that a window is, or lies in; null for any other window.
    ChildWindow* ChildOfWindow(HWND hwnd) const;

private:
    static const WindowClass& Class();
    HWND home_;
    HWND firstFocus_ = nullptr;
    HWND lastFocus_ = nullptr;
    DpiScale scale_;
    bool modal_ = false;
    DialogWindow* outer_ = nullptr;
    HWND tooltip_ = nullptr;  // owned by this window
    std::vector<std::wstring> tips_;
    std::map<HWND, ChildWindow*> children_;
    std::map<int, ChildWindow*> byId_;
    struct FontKey {
        std::string face;
        double points;
        bool bold;
        auto operator<=>(const FontKey&) const = default;
    };
    std::map<FontKey, unique_hfont> fonts_;
};

}  // namespace tarn::win32
