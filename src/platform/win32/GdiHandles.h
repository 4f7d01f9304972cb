#pragma once
#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace tarn::win32 {

// A move-only owner of one handle; Free is the function that releases it.
template <typename H, auto Free>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, H{}));
        return *this;
    }
    ~UniqueHandle() { reset(); }
    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != H{}; }
    void reset(H handle = H{}) {
        if (handle_ != H{}) Free(handle_);
        handle_ = handle;
    }
    H release() { return std::exchange(handle_, H{}); }

private:
    H handle_{};
};

inline void FreeBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void FreeFont(HFONT font) { DeleteObject(font); }
inline void FreeBrush(HBRUSH brush) { DeleteObject(brush); }
inline void FreePen(HPEN pen) { DeleteObject(pen); }
inline void FreeDc(HDC dc) { DeleteDC(dc); }
inline void FreeMenu(HMENU menu) { DestroyMenu(menu); }
inline void FreeImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void FreeIcon(HICON icon) { DestroyIcon(icon); }
inline void FreeKernelHandle(HANDLE handle) { CloseHandle(handle); }

using unique_hbitmap = UniqueHandle<HBITMAP, FreeBitmap>;
using unique_hfont = UniqueHandle<HFONT, FreeFont>;
using unique_hbrush = UniqueHandle<HBRUSH, FreeBrush>;
using unique_hpen = UniqueHandle<HPEN, FreePen>;
using unique_hdc = UniqueHandle<HDC, FreeDc>;
using unique_hmenu = UniqueHandle<HMENU, FreeMenu>;
using unique_himagelist = UniqueHandle<HIMAGELIST, FreeImageList>;
using unique_hicon = UniqueHandle<HICON, FreeIcon>;
using unique_handle = UniqueHandle<HANDLE, FreeKernelHandle>;

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
