#include "platform/win32/DialogWindow.h"

#include <cmath>
#include <utility>

#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

// The dialog shown modally innermost, whose window owns the next dialog.
DialogWindow* innermost = nullptr;

UINT DpiOf(HWND window) {
    return TwipScale::DpiOrDefault(window != nullptr ? GetDpiForWindow(window) : GetDpiForSystem());
}

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM context) {
    auto& state = *reinterpret_cast<DisabledWindows*>(context);
    if (hwnd != state.keep && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        state.disabled.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

HWND DialogWindow::Innermost() { return innermost != nullptr ? innermost->Hwnd() : nullptr; }

const WindowClass& DialogWindow::Class() {
    static const WindowClass windowClass(L"TarnDockDialog", &WindowBase::Procedure,
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    return windowClass;
}

DialogWindow::DialogWindow(HWND home, Size designedClient, bool resizable)
    : home_(home), scale_{static_cast<int>(DpiOf(home))} {
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (resizable ? WS_THICKFRAME : DWORD{0});
    Create(designedClient, style, innermost != nullptr ? innermost->Hwnd() : home);
}

DialogWindow::DialogWindow(HWND home, Size designedClient, bool resizable, HWND hiddenOwner)
    : home_(home), modeless_(true), scale_{static_cast<int>(DpiOf(home))} {
    const DWORD frame = resizable ? (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX) : DWORD{0};
    Create(designedClient, WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | frame, hiddenOwner);
}

void DialogWindow::Create(Size designedClient, DWORD style, HWND owner) {
    const DWORD exStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, scale_(designedClient.cx), scale_(designedClient.cy)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(scale_.dpi));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const Rect monitor = HomeMonitor();
    const int left = monitor.left + (monitor.Width() - width) / 2;
    const int top = monitor.top + (monitor.Height() - height) / 2;
    if (!CreateTopLevel(Class(), L"", style, exStyle, RECT{left, top, left + width, top + height}, owner)) return;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
}

DialogWindow::~DialogWindow() {
    StopMessages();
    if (modal_) EndModal();
}

HFONT DialogWindow::Font(const FontSpec& font) {
    FontKey key{std::string(font.face), font.points, font.bold};
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        LOGFONTW logFont{};
        logFont.lfHeight = -static_cast<LONG>(std::lround(font.points * scale_.dpi / 72.0));
        logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        logFont.lfCharSet = DEFAULT_CHARSET;
        logFont.lfQuality = CLEARTYPE_QUALITY;
        const std::wstring face = Widen(font.face);
        face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
        it = fonts_.emplace(std::move(key), unique_hfont(CreateFontIndirectW(&logFont))).first;
    }
    return it->second.get();
}

void DialogWindow::AddTip(HWND control, std::string_view text) {
    if (tooltip_ == nullptr || text.empty()) return;
    tips_.push_back(Widen(text));
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = Hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = tips_.back().data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    // Long tips wrap instead of running across the screen.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scale_(400));
}

void DialogWindow::SetTip(HWND control, std::string_view text) {
    if (tooltip_ == nullptr) return;
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = Hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    AddTip(control, text);
}

void DialogWindow::Register(ChildWindow& child, int id) {
    children_[child.Hwnd()] = &child;
    if (id != 0) byId_[id] = &child;
}

ChildWindow* DialogWindow::ChildOfWindow(HWND hwnd) const {
    for (HWND h = hwnd; h != nullptr && h != Hwnd(); h = GetParent(h)) {
        const auto it = children_.find(h);
        if (it != children_.end()) return it->second;
    }
    return nullptr;
}

void DialogWindow::SetTitle(const std::string& title) { SetWindowTextW(Hwnd(), Widen(title).c_str()); }

Rect DialogWindow::HomeMonitor() const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromWindow(home_, MONITOR_DEFAULTTONEAREST), &info)) {
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

const Control* DialogWindow::ControlAt(Point screen) const {
    const ChildWindow* child = ChildOfWindow(WindowFromPoint(POINT{screen.x, screen.y}));
    return child != nullptr ? &child->AsControl() : nullptr;
}

void DialogWindow::ShowModal() {
    if (Hwnd() == nullptr || modal_) return;
    DisabledWindows others{Hwnd(), {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOther, reinterpret_cast<LPARAM>(&others));
    modal_ = true;
    outer_ = std::exchange(innermost, this);
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    if (firstFocus_ != nullptr) {
        lastFocus_ = firstFocus_;
        SetFocus(firstFocus_);
    }
    MSG msg;
    while (modal_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program ends: the loops outside this one must see it too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (TakeKey(msg) || IsDialogMessageW(Hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    modal_ = false;
    innermost = outer_;
    // The others first, so that the window activated next is one of them: the owner, as after any dialog.
    for (const HWND hwnd : others.disabled) EnableWindow(hwnd, TRUE);
    if (Hwnd() == nullptr) return;
    const HWND owner = GetWindow(Hwnd(), GW_OWNER);
    if (owner != nullptr && GetActiveWindow() == Hwnd()) SetForegroundWindow(owner);
    ShowWindow(Hwnd(), SW_HIDE);
}

bool DialogWindow::TakeKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (msg.hwnd != Hwnd() && !IsChild(Hwnd(), msg.hwnd)) return false;
    // Esc while the mouse is captured (a row is dragged) ends the drag, not the window.
    const HWND capture = GetCapture();
    if (msg.wParam == VK_ESCAPE && capture != nullptr && (capture == Hwnd() || IsChild(Hwnd(), capture))) {
        ReleaseCapture();
        return true;
    }
    return Routes() && PreviewKey(msg);
}

bool DialogWindow::TranslateDialogMessage(MSG& msg) {
    if (Hwnd() == nullptr || unloaded_) return false;
    if (msg.hwnd != Hwnd() && !IsChild(Hwnd(), msg.hwnd)) return false;
    return TakeKey(msg) || IsDialogMessageW(Hwnd(), &msg);
}

void DialogWindow::ShowModeless() {
    if (Hwnd() == nullptr) return;
    unloaded_ = false;
    const bool shown = IsWindowVisible(Hwnd()) != FALSE;
    if (IsIconic(Hwnd())) {
        ShowWindow(Hwnd(), SW_RESTORE);
    } else {
        ShowWindow(Hwnd(), SW_SHOW);
    }
    SetForegroundWindow(Hwnd());
    if (!shown && firstFocus_ != nullptr) {
        lastFocus_ = firstFocus_;
        SetFocus(firstFocus_);
    }
}

void DialogWindow::Unload() {
    if (Hwnd() == nullptr) return;
    unloaded_ = true;
    ShowWindow(Hwnd(), SW_HIDE);
}

void DialogWindow::EndModal() {
    if (!modal_) {
        ShowWindow(Hwnd(), SW_HIDE);
        return;
    }
    modal_ = false;
    PostMessageW(Hwnd(), WM_NULL, 0, 0);  // wakes the loop
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            ChildWindow* child = lParam != 0 ? ChildOfWindow(reinterpret_cast<HWND>(lParam)) : nullptr;
            if (child == nullptr) {
                const auto it = byId_.find(LOWORD(wParam));
                if (it != byId_.end()) child = it->second;
            }
            if (child != nullptr) child->Command(HIWORD(wParam));
            return 0;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (ChildWindow* child = ChildOfWindow(header.hwndFrom)) {
                if (const auto result = child->Notify(header)) return *result;
            }
            return Default(message, wParam, lParam);
        }
        case WM_CTLCOLORSTATIC:
            if (ChildWindow* child = ChildOfWindow(reinterpret_cast<HWND>(lParam))) {
                if (const HBRUSH brush = child->ControlColour(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            return Default(message, wParam, lParam);
        case WM_SIZE: Resized(); return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (ChildWindow* child = lParam != 0 ? ChildOfWindow(reinterpret_cast<HWND>(lParam)) : nullptr) {
                child->Scrolled(LOWORD(wParam));
            }
            return 0;
        case WM_TIMER: Timer(wParam); return 0;
        case WM_CLOSE:
            if (modeless_) {
                Unload();
            } else {
                EndModal();
            }
            return 0;
        case WM_ACTIVATE:
            // The control that had the keyboard gets it back when the window is active again.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(Hwnd(), focus)) lastFocus_ = focus;
            } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_DPICHANGED: MoveToSuggestedRect(lParam); return 0;
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace tarn::win32
