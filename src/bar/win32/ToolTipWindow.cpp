#include "bar/win32/ToolTipWindow.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

constexpr UINT_PTR kHideTimerId = 1;
constexpr UINT kHideIntervalMs = 150;
constexpr UINT kTextFormat = DT_NOPREFIX;

const WindowClass& ToolTipClass() {
    static const WindowClass windowClass(L"frmToolTip", &WindowBase::Procedure);
    return windowClass;
}

// Trebuchet MS at 9.75 point, normal weight, in pixels of the given DPI.
unique_hfont MakeLabelFont(UINT dpi) {
    return unique_hfont(CreateFontW(-MulDiv(975, static_cast<int>(dpi), 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"Trebuchet MS"));
}

UINT WindowDpi(HWND hwnd) {
    const UINT dpi = GetDpiForWindow(hwnd);
    return TwipScale::DpiOrDefault(dpi);
}

}  // namespace

ToolTipWindow::ToolTipWindow(const Screen& screen, HWND owner)
    : Win32Window(SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE),
      tmrHide_(kHideTimerId, kHideIntervalMs),
      tip_(*this, *this, tmrHide_, screen) {
    if (!CreateTopLevel(ToolTipClass(), L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                        RECT{0, 0, 1, 1}, owner)) {
        return;
    }
    tmrHide_.SetOwner(Hwnd());
    font_ = MakeLabelFont(WindowDpi(Hwnd()));
    RouteMessages();
}

// The window goes while this object is whole, so that its last messages still find their handler.
ToolTipWindow::~ToolTipWindow() { Unload(); }

Size ToolTipWindow::SetText(const std::string& text) {
    text_ = Widen(text);
    InvalidateRect(Hwnd(), nullptr, FALSE);
    return MeasureText();
}

Size ToolTipWindow::MeasureText() const {
    const unique_hdc dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    const SelectInDc selected(dc.get(), font_.get());
    RECT r{};
    DrawTextW(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &r, kTextFormat | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

void ToolTipWindow::Paint() {
    const PaintScope paint(Hwnd());
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    {
        const SelectInDc selected(dc, font_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &client, kTextFormat);
    }
}

LRESULT ToolTipWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_.get());
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_TIMER:
            if (wParam == tmrHide_.Id()) tip_.tmrHide_Timer();
            return 0;
        case WM_DPICHANGED: {
            // Moved onto a monitor of another DPI: the label keeps its point size there.
            font_ = MakeLabelFont(HIWORD(wParam));
            const Size size = MeasureText();
            SetWindowPos(Hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(Hwnd(), nullptr, FALSE);
            return 0;
        }
        case WM_DESTROY:
            tmrHide_.SetEnabled(false);
            tmrHide_.SetOwner(nullptr);
            return Default(message, wParam, lParam);
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace tarn::win32
