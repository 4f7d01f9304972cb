#include "platform/win32/BarWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>

#include "app/Settings.h"
#include "bar/ProgramHost.h"
#include "bar/frmTarnDock.h"

namespace tarn::win32 {
namespace {

constexpr UINT_PTR kMouseTimerId = 1;
constexpr int kToolbarMarginTwips = 120;
constexpr int kHintHeightTwips = 255;

const WindowClass& BarClass() {
    static const WindowClass windowClass(L"frmTarnDock", &WindowBase::Procedure, nullptr,
                                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    return windowClass;
}

int Pixels(double twips, double twipsPerPixel) { return static_cast<int>(std::nearbyint(twips / twipsPerPixel)); }

}  // namespace

int MouseButtons(WPARAM wParam) {
    return ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0) |
           ((wParam & MK_MBUTTON) ? 4 : 0);
}

int ShiftState() {
    return ((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) | ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
           ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
}

BarWindow::BarWindow(Win32Screen& screen, HWND owner)
    : screen_(screen),
      formImage_({1, 1}, [this] { InvalidateRect(Hwnd(), nullptr, FALSE); }),
      picBox_({16, 16}),
      tmrMouse_(kMouseTimerId, 50) {
    const double tx = screen_.TwipsPerPixelX();
    const double ty = screen_.TwipsPerPixelY();
    const RECT designed{Pixels(kDesignedBar.left, tx), Pixels(kDesignedBar.top, ty),
                        Pixels(kDesignedBar.left + kDesignedBar.width, tx),
                        Pixels(kDesignedBar.top + kDesignedBar.height, ty)};
    // Owned by a hidden window, so the bar itself has no taskbar button.
    if (!CreateTopLevel(BarClass(), L"TarnDock", WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN, kWsExLayered, designed,
                        owner)) {
        return;
    }
    screen_.SetReference(Hwnd());
    const int margin = Pixels(kToolbarMarginTwips, tx);
    toolbar_ = std::make_unique<Win32Toolbar>(Hwnd(), icons_, margin, toolbarHooks_);
    const int hintHeight = Pixels(kHintHeightTwips, ty);
    picHint_ = std::make_unique<PictureBox>(Hwnd(), Rect{0, 0, margin, hintHeight}, SysColour::InfoBackground,
                                            L"There are some more buttons");
    // The hint lies over the toolbar's left end, so it must be above it.
    SetWindowPos(picHint_->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    popup_ = std::make_unique<Win32PopupMenu>(Hwnd(), icons_);
    tmrMouse_.SetOwner(Hwnd());
    RECT client{};
    GetClientRect(Hwnd(), &client);
    formImage_.Resize({client.right, client.bottom});
}

void BarWindow::Attach(frmTarnDock* bar, ProgramHost* host) {
    bar_ = bar;
    host_ = host;
    toolbarDrop_ = DropRegistration::Register(toolbar_->Hwnd(), *bar);
    formDrop_ = DropRegistration::Register(Hwnd(), backgroundDrop_);
}

void BarWindow::Detach() {
    bar_ = nullptr;
    toolbarDrop_ = DropRegistration();
    formDrop_ = DropRegistration();
}

void BarWindow::ToolbarHooks::ToolbarCreated(HWND toolbar) {
    SetWindowSubclass(toolbar, &BarWindow::ToolbarProc, 1, reinterpret_cast<DWORD_PTR>(&owner_));
    if (owner_.bar_ != nullptr) owner_.toolbarDrop_ = DropRegistration::Register(toolbar, *owner_.bar_);
}

void BarWindow::ToolbarHooks::ToolbarDestroying(HWND toolbar) {
    owner_.toolbarDrop_ = DropRegistration();
    RemoveWindowSubclass(toolbar, &BarWindow::ToolbarProc, 1);
}

int BarWindow::BackgroundDrop::OLEDragOver(bool, int, int, Point, DragState state) {
    return owner_.bar_ != nullptr ? owner_.bar_->Form_OLEDragOver(state) : kDropEffectNone;
}

BarWindow::~BarWindow() {
    Detach();
    tmrMouse_.SetEnabled(false);
    if (toolbar_) RemoveWindowSubclass(toolbar_->Hwnd(), &BarWindow::ToolbarProc, 1);
}

void BarWindow::Paint() {
    if (bar_ != nullptr) bar_->Form_Paint();
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Hwnd(), &ps);
    const Size size = formImage_.ClientSize();
    BitBlt(dc, 0, 0, size.cx, size.cy, formImage_.Dc(), 0, 0, SRCCOPY);
    EndPaint(Hwnd(), &ps);
}

LRESULT BarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (bar_ == nullptr) return Default(message, wParam, lParam);
    frmTarnDock& bar = *bar_;
    switch (message) {
        case WM_SIZE: {
            const Size client{LOWORD(lParam), HIWORD(lParam)};
            if (client != formImage_.ClientSize()) formImage_.Resize(client);
            InvalidateRect(Hwnd(), nullptr, FALSE);
            bar.Form_Resize();
            return 0;
        }
        case WM_ERASEBKGND: {
            // The flat toolbar asks its parent for its background: the bar's background colour, not the grip.
            const HDC dc = reinterpret_cast<HDC>(wParam);
            if (WindowFromDC(dc) != Hwnd()) {
                RECT clip{};
                GetClipBox(dc, &clip);
                const unique_hbrush brush(CreateSolidBrush(formImage_.BackgroundColour()));
                FillRect(dc, &clip, brush.get());
            }
            return 1;
        }
        case WM_PAINT: Paint(); return 0;
        case WM_TIMER:
            if (wParam == tmrMouse_.Id()) bar.tmrMouse_Timer();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const int button = message == WM_LBUTTONDOWN ? kLeftButton : message == WM_RBUTTONDOWN ? kRightButton : 4;
            if (button == kLeftButton) SetCapture(Hwnd());
            bar.Form_MouseDown(button, ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        }
        case WM_LBUTTONUP:
            if (GetCapture() == Hwnd()) ReleaseCapture();
            return 0;
        case WM_MOUSEMOVE:
            bar.Form_MouseMove(MouseButtons(wParam), ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_COMMAND:
            if (lParam != 0 && reinterpret_cast<HWND>(lParam) == toolbar_->Hwnd()) {
                bar.Toolbar_ButtonClick(LOWORD(wParam));
            }
            return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_KEYDOWN: bar.Form_KeyDown(static_cast<int>(wParam), ShiftState()); return 0;
        case WM_SYSKEYDOWN:
            // Alt+F4 is the bar's own End command, which stores the settings on the way out.
            if (wParam == VK_F4) {
                bar.Form_KeyDown(VK_F4, ShiftState());
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_CLOSE:
            // Closed by the system: the bar stores its settings, then the program ends.
            bar.Form_Unload();
            if (host_ != nullptr) host_->EndProgram();
            return 0;
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            if (wParam != 0) bar.Form_Unload();
            return 0;
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(Hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default: return Default(message, wParam, lParam);
    }
}

LRESULT BarWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == toolbar_->Hwnd() && header.code == TBN_DROPDOWN) {
        bar_->Toolbar_ButtonDropDown(reinterpret_cast<const NMTOOLBARW&>(header).iItem);
        return TBDDRET_DEFAULT;
    }
    return 0;
}

LRESULT CALLBACK BarWindow::ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) noexcept {
    try {
        return reinterpret_cast<BarWindow*>(self)->OnToolbarMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

LRESULT BarWindow::OnToolbarMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (bar_ != nullptr) {
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN: {
                const int button = message == WM_LBUTTONDOWN ? kLeftButton : kRightButton;
                bar_->Toolbar_MouseDown(button, ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
                if (button == kRightButton) return 0;  // a right press opens the context menu, not the button
                break;
            }
            case WM_MOUSEMOVE:
                bar_->Toolbar_MouseMove(MouseButtons(wParam), ShiftState(),
                                        GET_X_LPARAM(lParam) * screen_.TwipsPerPixelX(),
                                        GET_Y_LPARAM(lParam) * screen_.TwipsPerPixelY());
                break;
            default: break;
        }
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace tarn::win32
