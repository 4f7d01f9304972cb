#pragma once
#include <windows.h>

#include <memory>

#include "platform/Window.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/PictureBox.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Toolbar.h"
#include "platform/win32/WindowBase.h"

namespace tarn {
class frmTarnDock;
class ProgramHost;
}  // namespace tarn

namespace tarn::win32 {

// The bar's window: a sizing border without title bar, its toolbar, the hint box and the hidden picture box.
// It turns messages into calls of the bar's handlers and nothing more.
class BarWindow final : public WindowBase, public Window {
public:
    BarWindow(Win32Screen& screen, HWND owner);
    ~BarWindow() override;
    bool Created() const { return Hwnd() != nullptr; }
    void Attach(frmTarnDock* bar, ProgramHost* host) {
        bar_ = bar;
        host_ = host;
    }
    void Detach() { bar_ = nullptr; }

    MemoryCanvas& FormImage() { return formImage_; }
    Win32Toolbar& ToolbarControl() { return *toolbar_; }
    Win32ImageList& Icons() { return icons_; }
    MemoryCanvas& PicBox() { return picBox_; }
    PictureBox& PicHint() { return *picHint_; }
    Win32Timer& MouseTimer() { return tmrMouse_; }

    Rect WindowRect() const override;
    Size ClientSize() const override;
    void Move(const Rect& pixels) override;
    void SetTopmost() override;
    std::uint32_t ExStyle() const override;
    void SetExStyle(std::uint32_t style) override;
    void SetLayeredAttributes(Colour key, int alpha, std::uint32_t flags) override;
    bool IsVisible() const override { return IsWindowVisible(Hwnd()) != FALSE; }
    void Show(ShowCommand command) override { ShowWindow(Hwnd(), static_cast<int>(command)); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self) noexcept;
    LRESULT OnToolbarMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    Win32Screen& screen_;
    frmTarnDock* bar_ = nullptr;
    ProgramHost* host_ = nullptr;
    MemoryCanvas formImage_;
    MemoryCanvas picBox_;
    Win32ImageList icons_;
    std::unique_ptr<Win32Toolbar> toolbar_;
    std::unique_ptr<PictureBox> picHint_;
    Win32Timer tmrMouse_;
};

// Mouse button and shift masks of a mouse message, as the handlers take them.
int MouseButtons(WPARAM wParam);
int ShiftState();

}  // namespace tarn::win32
