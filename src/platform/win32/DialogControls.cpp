#include "platform/win32/DialogControls.h"

#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

HWND CreateChild(DialogWindow& dialog, const wchar_t* windowClass, std::string_view text, DWORD style,
                 const Rect& designed, int id) {
    const Rect r = dialog.Scale()(designed);
    return CreateWindowExW(0, windowClass, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.Width(), r.Height(), dialog.Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

Win32Button::Win32Button(DialogWindow& dialog, int id, const ControlDesign& design, std::function<void()> onClick)
    : onClick_(std::move(onClick)) {
    const DWORD kind = id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    hwnd_ = CreateChild(dialog, WC_BUTTONW, design.caption, WS_TABSTOP | kind, design.bounds, id);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.Font(design.font)), FALSE);
    dialog.AddTip(hwnd_, design.tip);
    dialog.Register(*this, id);
}

void Win32Button::SetPicture(const Canvas& picture, bool above) {
    const auto& canvas = static_cast<const MemoryCanvas&>(picture);
    const Size size = canvas.ClientSize();
    unique_himagelist list(ImageList_Create(size.cx, size.cy, ILC_COLOR32 | ILC_MASK, 1, 0));
    const unique_hbitmap bitmap = canvas.Snapshot();
    if (!list || ImageList_AddMasked(list.get(), bitmap.get(), canvas.BackgroundColour()) < 0) return;
    BUTTON_IMAGELIST images{list.get(), {2, 2, 2, 0}, static_cast<UINT>(above ? BUTTON_IMAGELIST_ALIGN_TOP : BUTTON_IMAGELIST_ALIGN_LEFT)};
    SendMessageW(hwnd_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    picture_ = std::move(list);
}

std::string Win32Button::Caption() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Win32Button::SetCaption(const std::string& caption) { SetWindowTextW(hwnd_, Widen(caption).c_str()); }

void Win32Button::SetEnabled(bool enabled) {
    if (Enabled() == enabled) return;
    // A button that loses the focus by being disabled would leave the keyboard nowhere.
    if (!enabled && GetFocus() == hwnd_) SendMessageW(GetParent(hwnd_), WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(hwnd_, enabled);
}

Win32Label::Win32Label(DialogWindow& dialog, const ControlDesign& design)
    : background_(CreateSolidBrush(GetSysColor(COLOR_INFOBK))) {
    // SS_NOTIFY lets the tooltip see the pointer over the label.
    hwnd_ = CreateChild(dialog, WC_STATICW, design.caption, SS_LEFT | SS_NOTIFY | SS_NOPREFIX, design.bounds, 0);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.Font(design.font)), FALSE);
    dialog.AddTip(hwnd_, design.tip);
    dialog.Register(*this);
}

HBRUSH Win32Label::ControlColour(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    SetBkColor(dc, GetSysColor(COLOR_INFOBK));
    return background_.get();
}

Win32ColourBar::Win32ColourBar(DialogWindow& dialog, const Rect& designed, Colour colour)
    : brush_(CreateSolidBrush(colour)) {
    hwnd_ = CreateChild(dialog, WC_STATICW, {}, SS_NOTIFY | WS_CLIPSIBLINGS, designed, 0);
    ShowWindow(hwnd_, SW_HIDE);
    // Over the controls made before it.
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    dialog.Register(*this);
}

HBRUSH Win32ColourBar::ControlColour(HDC) { return brush_.get(); }

}  // namespace tarn::win32
