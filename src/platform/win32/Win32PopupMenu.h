#pragma once
#include <windows.h>

#include <vector>

#include "platform/PopupMenu.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Win32ImageList.h"

namespace tarn::win32 {

// TrackPopupMenu over the bar's window; entries with an icon become bitmaps drawn in the system menu font.
class Win32PopupMenu final : public PopupMenu {
public:
    explicit Win32PopupMenu(const Win32ImageList& icons) : icons_(icons) {}
    // The window the menus belong to; the menu font is the one of its monitor's DPI.
    void SetOwner(HWND owner);
    int Show(const std::vector<MenuItem>& entries, std::optional<Point> anchor) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;

private:
    SIZE Measure(const std::string& text) const;
    unique_hbitmap EntryBitmap(const MenuItem& entry) const;
    HWND owner_ = nullptr;
    const Win32ImageList& icons_;
    unique_hfont font_;
    // The entry bitmaps stay with the menu while it is shown.
    std::vector<unique_hbitmap> bitmaps_;
};

}  // namespace tarn::win32
