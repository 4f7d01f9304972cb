#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/ControlDesign.h"
#include "platform/ModalDialog.h"
#include "platform/ModelessDialog.h"
#include "platform/win32/ChildControl.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

// A modal dialog window of the program, made hidden at its designed client size for the DPI of the bar's
// monitor, owned by the innermost dialog open (else by the bar) and centred on the bar's monitor. While shown
// modally every other window of the program is disabled; its timers and paints go on. Enter and Esc reach the
// default and cancel buttons (IDOK, IDCANCEL), Tab moves between controls, the close box ends the modal showing.
// Messages reach the derived window only once it calls RouteMessages(), when it and its controls are whole.
// A modeless dialog instead stands beside the others, which stay usable: it belongs to the program's hidden owner
// window, so that it has a taskbar button exactly while ShowInTaskbar gives it one; the program's message loop
// hands it its messages first (TranslateDialogMessage), and its close box unloads it.
class DialogWindow : public Win32Window, public ModalDialog, public ModelessDialog {
public:
    DialogWindow(HWND home, Size designedClient, bool resizable);
    // A modeless dialog; a resizable one has minimise and maximise boxes too.
    DialogWindow(HWND home, Size designedClient, bool resizable, HWND hiddenOwner);
    ~DialogWindow() override;
    bool Created() const { return Hwnd() != nullptr; }
    // The dialog shown modally innermost now, or null.
    static HWND Innermost();
    DpiScale Scale() const { return scale_; }
    // A font of that face, size and weight at this window's DPI, made once and kept while the window lives.
    HFONT Font(const FontSpec& font);
    void AddTip(HWND control, std::string_view text);
    // Replaces the control's tip; an empty text removes it.
    void SetTip(HWND control, std::string_view text);
    // The dialog's message loop hands over notifications and colours of registered controls.
    void Register(ChildWindow& child, int id = 0);

    void SetTitle(const std::string& title) override;
    void ShowModal() override;
    void ShowModeless() override;
    void Unload() override;
    bool Unloaded() const { return unloaded_; }
    // Keyboard navigation and the window's own keys for a message of the program's loop; true when it was taken.
    bool TranslateDialogMessage(MSG& msg);
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
    void Create(Size designedClient, DWORD style, HWND owner);
    bool TakeKey(const MSG& msg);
    HWND home_;
    bool modeless_ = false;
    bool unloaded_ = false;
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
