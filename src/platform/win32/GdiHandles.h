#pragma once
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/Handles.h"

namespace tarn::win32 {

// Handles whose empty value is null, freed by one function.
template <typename H, auto FreeFunction>
struct NullHandleTraits {
    using Handle = H;
    static Handle Empty() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr; }
    static bool Free(Handle h) noexcept { return FreeFunction(h); }
};

inline bool FreeBitmap(HBITMAP bitmap) { return DeleteObject(bitmap) != FALSE; }
inline bool FreeFont(HFONT font) { return DeleteObject(font) != FALSE; }
inline bool FreeBrush(HBRUSH brush) { return DeleteObject(brush) != FALSE; }
inline bool FreePen(HPEN pen) { return DeleteObject(pen) != FALSE; }
inline bool FreeDc(HDC dc) { return DeleteDC(dc) != FALSE; }
inline bool FreeMenu(HMENU menu) { return DestroyMenu(menu) != FALSE; }
inline bool FreeImageList(HIMAGELIST list) { return ImageList_Destroy(list) != FALSE; }
inline bool FreeIcon(HICON icon) { return DestroyIcon(icon) != FALSE; }

using unique_hbitmap = UniqueHandle<NullHandleTraits<HBITMAP, FreeBitmap>>;
using unique_hfont = UniqueHandle<NullHandleTraits<HFONT, FreeFont>>;
using unique_hbrush = UniqueHandle<NullHandleTraits<HBRUSH, FreeBrush>>;
using unique_hpen = UniqueHandle<NullHandleTraits<HPEN, FreePen>>;
using unique_hdc = UniqueHandle<NullHandleTraits<HDC, FreeDc>>;
using unique_hmenu = UniqueHandle<NullHandleTraits<HMENU, FreeMenu>>;
using unique_himagelist = UniqueHandle<NullHandleTraits<HIMAGELIST, FreeImageList>>;
using unique_hicon = UniqueHandle<NullHandleTraits<HICON, FreeIcon>>;

// Selects an object into a device context for the scope, then puts the old one back.
class SelectInDc {
public:
    SelectInDc(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectInDc(const SelectInDc&) = delete;
    SelectInDc& operator=(const SelectInDc&) = delete;
    ~SelectInDc() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tarn::win32
