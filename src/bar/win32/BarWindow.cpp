#include "bar/win32/BarWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include "bar/BarTexts.h"
#include "bar/ProgramHost.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Log.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Input.h"

namespace tarn::win32 {
namespace {

constexpr UINT_PTR kMouseTimerId = 1;
constexpr UINT kMouseIntervalMs = 50;
constexpr int kToolbarMarginTwips = 120;
constexpr int kHintHeightTwips = 255;

const WindowClass& BarClass() {
    static const WindowClass windowClass(L"frmTarnDock", &WindowBase::Procedure, nullptr,
                                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    return windowClass;
}

}  // namespace

BarWindow::BarWindow(const BarServices& services, Win32Screen& screen, ProgramHost& host, frmToolTip& tip, HWND owner)
    : screen_(screen),
      host_(host),
      formImage_({1, 1}, [this] { InvalidateRect(Hwnd(), nullptr, FALSE); }),
      picBox_({16, 16}),
      toolbar_(icons_, toolbarHooks_),
      picHint_(SysColour::InfoBackground, Widen(texts::kHintTip)),
      popup_(icons_),
      tmrMouse_(kMouseTimerId, kMouseIntervalMs),
      menuWindow_(bar_, host, *this),
      bar_(services,
           BarControls{*this, formImage_, toolbar_, icons_, picBox_, picHint_, picHint_.Image(), tmrMouse_, popup_},
           host, menuWindow_.Form(), tip) {
    const TwipScale twips = screen_.Twips();
    const RECT designed{twips.PixelsX(kDesignedBar.left), twips.PixelsY(kDesignedBar.top),
                        twips.PixelsX(kDesignedBar.left + kDesignedBar.width),
                        twips.PixelsY(kDesignedBar.top + kDesignedBar.height)};
    // Owned by a hidden window, so the bar itself has no taskbar button.
    if (!CreateTopLevel(BarClass(), Widen(texts::kProgramTitle).c_str(), WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN,
                        WS_EX_LAYERED, designed, owner)) {
        return;
    }
    screen_.SetReference(Hwnd());
    const int margin = twips.PixelsX(kToolbarMarginTwips);
    toolbar_.Create(Hwnd(), margin);
    picHint_.Create(Hwnd(), Rect{0, 0, margin, twips.PixelsY(kHintHeightTwips)});
    // The hint lies over the toolbar's left end, so it must be above it.
    SetWindowPos(picHint_.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    popup_.SetOwner(Hwnd());
    tmrMouse_.SetOwner(Hwnd());
    RECT client{};
    GetClientRect(Hwnd(), &client);
    formImage_.Resize({client.right, client.bottom});
    formDrop_ = DropRegistration::Register(Hwnd(), backgroundDrop_);
    RouteMessages();
}

BarWindow::~BarWindow() {
    tmrMouse_.SetEnabled(false);
    toolbarDrop_.Revoke();
    formDrop_.Revoke();
    RemoveWindowSubclass(toolbar_.Hwnd(), &BarWindow::ToolbarProc, 1);
}

void BarWindow::EndHandlers() {
    StopMessages();
    menuWindow_.StopMessages();
    toolbarDrop_.Revoke();
    formDrop_.Revoke();
}

void BarWindow::ToolbarHooks::ToolbarCreated(HWND toolbar) {
    SetWindowSubclass(toolbar, &BarWindow::ToolbarProc, 1, reinterpret_cast<DWORD_PTR>(&owner_));
    owner_.toolbarDrop_ = DropRegistration::Register(toolbar, owner_.bar_);
    if (!owner_.toolbarDrop_.Registered()) LogLastError(L"RegisterDragDrop of the toolbar");
}

void BarWindow::ToolbarHooks::ToolbarDestroying(HWND toolbar) {
    owner_.toolbarDrop_ = DropRegistration();
    RemoveWindowSubclass(toolbar, &BarWindow::ToolbarProc, 1);
}

void BarWindow::Paint() {
    bar_.Form_Paint();
    const PaintScope paint(Hwnd());
    const Size size = formImage_.ClientSize();
    BitBlt(paint.get(), 0, 0, size.cx, size.cy, formImage_.Dc(), 0, 0, SRCCOPY);
}

void BarWindow::HandlerFailed(UINT message) {
    // The bar closing is the program ending, even when its handler failed on the way.
    if (message == WM_CLOSE || message == WM_DESTROY) host_.EndProgram();
}

LRESULT BarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            const Size client{LOWORD(lParam), HIWORD(lParam)};
            if (client != formImage_.ClientSize()) formImage_.Resize(client);
            InvalidateRect(Hwnd(), nullptr, FALSE);
            bar_.Form_Resize();
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
            if (wParam == tmrMouse_.Id()) bar_.tmrMouse_Timer();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const int button = message == WM_LBUTTONDOWN   ? kLeftButton
                               : message == WM_RBUTTONDOWN ? kRightButton
                                                           : kMiddleButton;
            if (button == kLeftButton) SetCapture(Hwnd());
            bar_.Form_MouseDown(button, ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        }
        case WM_LBUTTONUP:
            if (GetCapture() == Hwnd()) ReleaseCapture();
            return 0;
        case WM_MOUSEMOVE:
            bar_.Form_MouseMove(MouseButtons(wParam), ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_COMMAND:
            if (lParam != 0 && reinterpret_cast<HWND>(lParam) == toolbar_.Hwnd())
                bar_.Toolbar_ButtonClick(LOWORD(wParam));
            return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_KEYDOWN: bar_.Form_KeyDown(KeyFromVirtualKey(wParam), ShiftState()); return 0;
        case WM_SYSKEYDOWN:
            // Keys pressed with Alt are the bar's too (Alt+F4 is its End command, which stores the settings on the
            // way out); Alt alone and Alt+Space keep the system's own meaning.
            if (wParam == VK_MENU || wParam == VK_SPACE) return Default(message, wParam, lParam);
            bar_.Form_KeyDown(KeyFromVirtualKey(wParam), ShiftState());
            return 0;
        case WM_CLOSE:
            // Closed by the system: the bar stores its settings, then the program ends.
            bar_.Form_Unload();
            host_.EndProgram();
            return 0;
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            if (wParam != 0) bar_.Form_Unload();
            return 0;
        case WM_DPICHANGED: MoveToSuggestedRect(lParam); return 0;
        default: return Default(message, wParam, lParam);
    }
}

LRESULT BarWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == toolbar_.Hwnd() && header.code == TBN_DROPDOWN) {
        bar_.Toolbar_ButtonDropDown(reinterpret_cast<const NMTOOLBARW&>(header).iItem);
        return TBDDRET_DEFAULT;
    }
    return 0;
}

LRESULT CALLBACK BarWindow::ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) noexcept {
    BarWindow& window = *reinterpret_cast<BarWindow*>(self);
    if (!window.Routes()) return DefSubclassProc(hwnd, message, wParam, lParam);
    try {
        return window.OnToolbarMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        Log(L"the toolbar's message handler", 0);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

LRESULT BarWindow::OnToolbarMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            const int button = message == WM_LBUTTONDOWN ? kLeftButton : kRightButton;
            bar_.Toolbar_MouseDown(button, ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (button == kRightButton) return 0;  // a right press opens the context menu, not the button
            break;
        }
        case WM_MOUSEMOVE: {
            const TwipScale twips = screen_.Twips();
            bar_.Toolbar_MouseMove(MouseButtons(wParam), ShiftState(), GET_X_LPARAM(lParam) * twips.perPixelX,
                                   GET_Y_LPARAM(lParam) * twips.perPixelY);
            break;
        }
        default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace tarn::win32
