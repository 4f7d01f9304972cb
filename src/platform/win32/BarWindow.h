#pragma once
#include <windows.h>

#include <memory>

#include "platform/Window.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/DropTarget.h"
#include "platform/win32/PictureBox.h"
#include "platform/win32/Win32PopupMenu.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Toolbar.h"
#include "platform/win32/Win32Window.h"

namespace tarn {
class frmTarnDock;
class ProgramHost;
}  // namespace tarn

namespace tarn::win32 {

// The bar's window: a sizing border without title bar, its toolbar, the hint box and the hidden picture box.
// It turns messages into calls of the bar's handlers and nothing more.
class BarWindow final : public Win32Window {
public:
    BarWindow(Win32Screen& screen, HWND owner);
    ~BarWindow() override;
    bool Created() const { return Hwnd() != nullptr; }
    // From now on the bar's handlers receive the window's messages and file drags.
    void Attach(frmTarnDock* bar, ProgramHost* host);
    void Detach();

    MemoryCanvas& FormImage() { return formImage_; }
    Win32Toolbar& ToolbarControl() { return *toolbar_; }
    Win32ImageList& Icons() { return icons_; }
    MemoryCanvas& PicBox() { return picBox_; }
    PictureBox& PicHint() { return *picHint_; }
    Win32Timer& MouseTimer() { return tmrMouse_; }
    Win32PopupMenu& Popup() { return *popup_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self) noexcept;
    LRESULT OnToolbarMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    LRESULT OnNotify(const NMHDR& header);

    // The bar's background takes file drags only to grey the buttons; nothing can be dropped on it.
    class BackgroundDrop final : public FileDropHandler {
    public:
        explicit BackgroundDrop(BarWindow& owner) : owner_(owner) {}
        int OLEDragOver(bool hasFiles, int buttons, int shift, Point point, DragState state) override;
        void OLEDragDrop(const std::vector<std::string>&, int, int, Point) override {}

    private:
        BarWindow& owner_;
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

    Win32Screen& screen_;
    ToolbarHooks toolbarHooks_{*this};
    frmTarnDock* bar_ = nullptr;
    ProgramHost* host_ = nullptr;
    MemoryCanvas formImage_;
    MemoryCanvas picBox_;
    Win32ImageList icons_;
    std::unique_ptr<Win32Toolbar> toolbar_;
    std::unique_ptr<PictureBox> picHint_;
    std::unique_ptr<Win32PopupMenu> popup_;
    Win32Timer tmrMouse_;
    BackgroundDrop backgroundDrop_{*this};
    DropRegistration toolbarDrop_;
    DropRegistration formDrop_;
};

// Mouse button and shift masks of a mouse message, as the handlers take them.
int MouseButtons(WPARAM wParam);
int ShiftState();

}  // namespace tarn::win32
