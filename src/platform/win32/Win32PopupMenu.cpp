#include "platform/win32/Win32PopupMenu.h"

#include "platform/win32/Wide.h"

namespace tarn::win32 {

void Win32PopupMenu::SetOwner(HWND owner) {
    owner_ = owner;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const UINT dpi = GetDpiForWindow(owner_);
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                   TwipScale::DpiOrDefault(dpi)) ||
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        font_.reset(CreateFontIndirectW(&metrics.lfMenuFont));
    }
}

SIZE Win32PopupMenu::Measure(const std::string& text) const {
    SIZE size{};
    const WindowDc dc(owner_);
    SelectInDc select(dc.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring wide = Widen(text);
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

int Win32PopupMenu::TextWidth(const std::string& text) const { return Measure(text).cx; }

int Win32PopupMenu::TextHeight(const std::string& text) const { return Measure(text).cy; }

unique_hbitmap Win32PopupMenu::EntryBitmap(const MenuItem& entry) const {
    const WindowDc screen(nullptr);
    unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), entry.bitmapSize.cx, entry.bitmapSize.cy));
    unique_hdc dc(CreateCompatibleDC(screen.get()));
    if (!bitmap || !dc) return {};
    SelectInDc selectBitmap(dc.get(), bitmap.get());
    const RECT all{0, 0, entry.bitmapSize.cx, entry.bitmapSize.cy};
    FillRect(dc.get(), &all, GetSysColorBrush(COLOR_MENU));
    const int image = icons_.IndexOf(*entry.iconKey);
    if (image >= 0) ImageList_Draw(icons_.Handle(), image, dc.get(), 2, 0, ILD_TRANSPARENT);
    SelectInDc selectFont(dc.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), GetSysColor(COLOR_MENUTEXT));
    const std::wstring caption = Widen(entry.caption);
    TextOutW(dc.get(), 22, 1, caption.c_str(), static_cast<int>(caption.size()));
    return bitmap;
}

int Win32PopupMenu::Show(const std::vector<MenuItem>& entries, std::optional<Point> anchor) {
    bitmaps_.clear();
    const unique_hmenu menu(CreatePopupMenu());
    if (!menu) return -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuItem& entry = entries[i];
        const UINT id = static_cast<UINT>(i + 1);
        if (entry.caption == "-") {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = Widen(entry.caption);
        AppendMenuW(menu.get(), MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED), id, caption.c_str());
        if (entry.iconKey) {
            unique_hbitmap bitmap = EntryBitmap(entry);
            if (bitmap) {
                ModifyMenuW(menu.get(), id, MF_BYCOMMAND | MF_BITMAP, id, reinterpret_cast<LPCWSTR>(bitmap.get()));
                bitmaps_.push_back(std::move(bitmap));
            }
        }
    }
    POINT at{};
    UINT flags = TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_TOPALIGN;
    if (anchor) {
        at = {anchor->x, anchor->y};
        ClientToScreen(owner_, &at);
        flags |= TPM_CENTERALIGN;
    } else {
        GetCursorPos(&at);
        flags |= TPM_LEFTALIGN;
    }
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner_);
    const int command = static_cast<int>(TrackPopupMenu(menu.get(), flags, at.x, at.y, 0, owner_, nullptr));
    PostMessageW(owner_, WM_NULL, 0, 0);
    return command - 1;
}

}  // namespace tarn::win32
