#include "platform/win32/Win32Toolbar.h"

#include "platform/win32/Log.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

BYTE StyleBits(const ButtonRecord& button) {
    BYTE style = BTNS_BUTTON;
    if (button.style == ButtonStyle::DropDown) style |= BTNS_DROPDOWN;
    if (!button.caption.empty()) style |= BTNS_SHOWTEXT | BTNS_AUTOSIZE;
    return style;
}

BYTE StateBits(const ButtonRecord& button) {
    return static_cast<BYTE>((button.enabled ? TBSTATE_ENABLED : 0) | (button.pressed ? TBSTATE_PRESSED : 0));
}

}  // namespace

void Win32Toolbar::Create(HWND parent, const Rect& bounds) {
    hwnd_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                            WS_CHILD | (visible_ ? WS_VISIBLE : 0) | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_WRAPABLE |
                                TBSTYLE_LIST | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                            bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) LogLastError(L"CreateWindowExW of the toolbar");
    // Below its siblings: the hint box lies over the toolbar's left end.
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(hwnd_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Handle()));
    owner_.ToolbarCreated(hwnd_);
}

void Win32Toolbar::Clear() {
    buttons_.clear();
    if (flushed_ == 0) return;
    flushed_ = 0;
    // Deleting the buttons one by one would lay the rest out again each time: quadratic in their number.
    const HWND parent = GetParent(hwnd_);
    const Rect bounds = Bounds();
    owner_.ToolbarDestroying(hwnd_);
    DestroyWindow(hwnd_);
    Create(parent, bounds);
}

int Win32Toolbar::Add(const ButtonRecord& button) {
    buttons_.push_back(button);
    return Count();
}

void Win32Toolbar::Flush() const {
    if (flushed_ == Count()) return;
    std::vector<std::wstring> captions;
    captions.reserve(buttons_.size() - static_cast<std::size_t>(flushed_));
    std::vector<TBBUTTON> batch;
    for (int i = flushed_ + 1; i <= Count(); ++i) {
        const ButtonRecord& record = Button(i);
        TBBUTTON tb{};
        const int image = images_.IndexOf(record.image);
        tb.iBitmap = image >= 0 ? image : I_IMAGENONE;
        tb.idCommand = i;
        tb.fsState = StateBits(record);
        tb.fsStyle = StyleBits(record);
        if (!record.caption.empty()) {
            captions.push_back(Widen(record.caption));
            tb.iString = reinterpret_cast<INT_PTR>(captions.back().c_str());
        } else {
            tb.iString = -1;
        }
        batch.push_back(tb);
    }
    SendMessageW(hwnd_, TB_ADDBUTTONSW, batch.size(), reinterpret_cast<LPARAM>(batch.data()));
    flushed_ = Count();
}

void Win32Toolbar::SetStyle(int index, ButtonStyle style) {
    At(index).style = style;
    if (index > flushed_) return;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STYLE;
    info.fsStyle = StyleBits(Button(index));
    SendMessageW(hwnd_, TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

void Win32Toolbar::SetEnabled(int index, bool enabled) {
    At(index).enabled = enabled;
    if (index <= flushed_) SendMessageW(hwnd_, TB_ENABLEBUTTON, static_cast<WPARAM>(index), MAKELPARAM(enabled, 0));
}

void Win32Toolbar::SetPressed(int index, bool pressed) {
    At(index).pressed = pressed;
    if (index <= flushed_) SendMessageW(hwnd_, TB_PRESSBUTTON, static_cast<WPARAM>(index), MAKELPARAM(pressed, 0));
}

Rect Win32Toolbar::ButtonRect(int index) const {
    Flush();
    RECT r{};
    SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(index - 1), reinterpret_cast<LPARAM>(&r));
    return {r.left, r.top, r.right, r.bottom};
}

int Win32Toolbar::RowsHeight() const {
    if (buttons_.empty()) return 0;
    Flush();
    // The rows end with the lowest button: the last one, as buttons wrap in order.
    return ButtonRect(Count()).bottom;
}

int Win32Toolbar::ButtonHeight() const {
    Flush();
    return HIWORD(SendMessageW(hwnd_, TB_GETBUTTONSIZE, 0, 0));
}

void Win32Toolbar::Move(const Rect& bounds) {
    Flush();
    SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The control wraps its buttons into rows of this width, then takes the height the rows need.
    SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
    const int rows = RowsHeight();
    SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), rows > 0 ? rows : bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Toolbar::SetVisible(bool visible) {
    visible_ = visible;
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

Rect Win32Toolbar::Bounds() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace tarn::win32
