#pragma once
#include <windows.h>

#include "bar/frmTarnDock.h"
#include "bar/win32/MenuHostWindow.h"
#include "platform/win32/DropTarget.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/PictureBox.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32PopupMenu.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Toolbar.h"
#include "platform/win32/Win32Window.h"

namespace tarn::win32 {

// The bar's window: a sizing border without title bar, its toolbar, the hint box and the hidden picture box,
// with the bar's handlers and the hidden window that hosts its menus. It turns messages into calls of the
// handlers and nothing more.
class BarWindow final : public Win32Window {
public:
    BarWindow(const BarServices& services, Win32Screen& screen, ProgramHost& host, frmToolTip& tip, HWND owner);
    ~BarWindow() override;
    bool Created() const { return Hwnd() != nullptr; }
    frmTarnDock& Form() { return bar_; }
    MenuHostWindow& MenuWindow() { return menuWindow_; }
    Win32Timer& MouseTimer() { return tmrMouse_; }
    Win32Toolbar& ToolbarControl() { return toolbar_; }
    Win32PopupMenu& Popup() { return popup_; }
    // The program is ending: no handler of the bar or its menu host runs any more, and nothing can be dropped.
    void EndHandlers();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void HandlerFailed(UINT message) override;

private:
    static LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self) noexcept;
    LRESULT OnToolbarMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    LRESULT OnNotify(const NMHDR& header);

    // The bar's background takes file drags only to grey the buttons; nothing can be dropped on it.
    class BackgroundDrop final : public FileDropHandler {
    public:
        explicit BackgroundDrop(frmTarnDock& bar) : bar_(bar) {}
        DropEffect OLEDragOver(bool, int, int, Point, DragState state) override { return bar_.Form_OLEDragOver(state); }
        void OLEDragDrop(const std::vector<std::string>&, int, int, Point) override {}

    private:
        frmTarnDock& bar_;
    };

    // The toolbar's control is made anew whenever the toolbar is emptied; each one gets the bar's hooks.
    class ToolbarHooks final : public Win32Toolbar::Owner {
    public:
        explicit ToolbarHooks(BarWindow& owner) : owner_(owner) {}
        void ToolbarCreated(HWND toolbar) override;
        void ToolbarDestroying(HWND toolbar) override;

    private:
        BarWindow& owner_;
    };

    // The controls are made without their windows first, so that the handlers can be made with them; the
    // windows follow in the constructor, once every handler is whole.
    Win32Screen& screen_;
    ProgramHost& host_;
    MemoryCanvas formImage_;
    MemoryCanvas picBox_;
    Win32ImageList icons_;
    Win32Toolbar toolbar_;
    PictureBox picHint_;
    Win32PopupMenu popup_;
    Win32Timer tmrMouse_;
    ToolbarHooks toolbarHooks_{*this};
    MenuHostWindow menuWindow_;
    frmTarnDock bar_;
    BackgroundDrop backgroundDrop_{bar_};
    DropRegistration toolbarDrop_;
    DropRegistration formDrop_;
};

}  // namespace tarn::win32
