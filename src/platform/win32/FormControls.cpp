#include "platform/win32/FormControls.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

HWND Create(DialogWindow& dialog, const wchar_t* windowClass, std::string_view text, DWORD style,
            const ControlDesign& design, DWORD exStyle = 0) {
    const Rect r = dialog.Scale()(design.bounds);
    const HWND hwnd =
        CreateWindowExW(exStyle, windowClass, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                        r.Width(), r.Height(), dialog.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.Font(design.font)), FALSE);
    dialog.AddTip(hwnd, design.tip);
    return hwnd;
}

std::string WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// The shell's small system image list: shared by every program, never freed.
HIMAGELIST SystemSmallIcons() {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

Win32Slider::Win32Slider(DialogWindow& dialog, const ControlDesign& design, const Range& range,
                         std::function<void()> onMove)
    : onMove_(std::move(onMove)) {
    hwnd_ = Create(dialog, TRACKBAR_CLASSW, {}, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM, design);
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, range.minimum);
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, range.maximum);
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, range.smallStep);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, range.largeStep);
    SendMessageW(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(range.tickEvery), 0);
    dialog.Register(*this);
}

int Win32Slider::Value() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }

void Win32Slider::SetValue(int value) {
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, value);
    lastValue_ = Value();
}

// The preview follows the thumb while it is dragged; a notification that leaves the value as it was is no move.
void Win32Slider::Scrolled(WORD /*code*/) {
    const int value = Value();
    if (value == lastValue_) return;
    lastValue_ = value;
    if (onMove_) onMove_();
}

Win32CheckBox::Win32CheckBox(DialogWindow& dialog, const ControlDesign& design, Kind kind) {
    const DWORD style = kind == Kind::Check         ? (BS_AUTOCHECKBOX | WS_TABSTOP)
                        : kind == Kind::FirstOption ? (BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP)
                                                    : BS_AUTORADIOBUTTON;
    hwnd_ = Create(dialog, WC_BUTTONW, design.caption, style | BS_MULTILINE | BS_VCENTER, design);
    dialog.Register(*this);
}

bool Win32CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32CheckBox::SetChecked(bool checked) {
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Win32TextBox::Win32TextBox(DialogWindow& dialog, const ControlDesign& design, bool readOnlyLines) : dialog_(dialog) {
    const DWORD style =
        readOnlyLines ? (ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL) : (ES_AUTOHSCROLL | WS_TABSTOP);
    hwnd_ = Create(dialog, WC_EDITW, {}, style, design, WS_EX_CLIENTEDGE);
    // A path can be as long as the settings file keeps.
    if (!readOnlyLines) SendMessageW(hwnd_, EM_SETLIMITTEXT, 1999, 0);
    dialog.Register(*this);
}

std::string Win32TextBox::Text() const { return WindowText(hwnd_); }

void Win32TextBox::SetText(const std::string& text) { SetWindowTextW(hwnd_, Widen(text).c_str()); }

Win32Static::Win32Static(DialogWindow& dialog, const ControlDesign& design, Kind kind) {
    if (kind == Kind::Frame) {
        // Transparent, so that the dialog, which clips its children, still paints the frame's inside.
        hwnd_ = Create(dialog, WC_BUTTONW, design.caption, BS_GROUPBOX, design, WS_EX_TRANSPARENT);
    } else {
        hwnd_ = Create(dialog, WC_STATICW, design.caption, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, design);
    }
    dialog.Register(*this);
}

Win32Link::Win32Link(DialogWindow& dialog, const ControlDesign& design, std::function<void()> onClick)
    : onClick_(std::move(onClick)) {
    // The link text is shown as it is: markup characters in it are escaped by the control's own rules.
    std::string markup = "<a>";
    for (const char c : design.caption) markup += c == '<' ? std::string("&lt;") : std::string(1, c);
    markup += "</a>";
    hwnd_ = Create(dialog, WC_LINK, markup, WS_TABSTOP, design);
    dialog.Register(*this);
}

std::optional<LRESULT> Win32Link::Notify(const NMHDR& header) {
    if ((header.code == NM_CLICK || header.code == NM_RETURN) && onClick_) onClick_();
    return std::nullopt;
}

Win32DriveList::Win32DriveList(DialogWindow& dialog, const ControlDesign& design, std::function<void()> onChange)
    : onChange_(std::move(onChange)) {
    hwnd_ = Create(dialog, WC_COMBOBOXW, {}, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, design);
    const DWORD mask = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((mask & (1u << letter)) == 0) continue;
        const std::string drive{static_cast<char>('A' + letter), ':'};
        std::wstring shown = Widen(drive);
        // Asking a removable drive for its name would wait for its medium: only fixed and network drives tell.
        const std::wstring root = shown + L"\\";
        const UINT type = GetDriveTypeW(root.c_str());
        wchar_t name[MAX_PATH + 1] = {};
        if ((type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_RAMDISK) &&
            GetVolumeInformationW(root.c_str(), name, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) &&
            name[0] != L'\0') {
            shown += L" [" + std::wstring(name) + L"]";
        }
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
        drives_.push_back(drive);
    }
    dialog.Register(*this);
}

std::string Win32DriveList::Drive() const {
    const auto index = SendMessageW(hwnd_, CB_GETCURSEL, 0, 0);
    return index >= 0 && static_cast<std::size_t>(index) < drives_.size() ? drives_[static_cast<std::size_t>(index)]
                                                                          : std::string();
}

void Win32DriveList::SetDrive(const std::string& drive) {
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        if (CompareStringOrdinal(Widen(drives_[i]).c_str(), -1, Widen(drive).c_str(), -1, TRUE) == CSTR_EQUAL) {
            SendMessageW(hwnd_, CB_SETCURSEL, i, 0);
            return;
        }
    }
}

void Win32DriveList::Command(WORD code) {
    if (code == CBN_SELCHANGE && onChange_) onChange_();
}

Win32FolderList::Win32FolderList(DialogWindow& dialog, const ControlDesign& design, std::function<void()> onOpen)
    : onOpen_(std::move(onOpen)) {
    hwnd_ =
        Create(dialog, WC_LISTVIEWW, {},
               WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
               design, WS_EX_CLIENTEDGE);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(SystemSmallIcons()));
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    RECT client{};
    GetClientRect(hwnd_, &client);
    column.cx = client.right - GetSystemMetricsForDpi(SM_CXVSCROLL, static_cast<UINT>(dialog.Dpi()));
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    dialog.Register(*this);
}

void Win32FolderList::SetRows(std::vector<FolderRow> rows, int highlighted) {
    rows_ = std::move(rows);
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        std::wstring text = Widen(rows_[i].name);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT;
        item.iItem = static_cast<int>(i);
        item.pszText = text.data();
        item.iImage = rows_[i].icon;
        item.iIndent = rows_[i].indent;
        SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (highlighted >= 0) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(highlighted), reinterpret_cast<LPARAM>(&state));
        SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(highlighted), FALSE);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

int Win32FolderList::Highlighted() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::optional<LRESULT> Win32FolderList::Notify(const NMHDR& header) {
    if (header.code == NM_DBLCLK && reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0 && onOpen_) {
        onOpen_();
        return 0;
    }
    return std::nullopt;
}

}  // namespace tarn::win32
