#include "platform/win32/MemoryCanvas.h"

#include <shellapi.h>

#include "platform/win32/Win32ImageList.h"

namespace tarn::win32 {
namespace {

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
std::uint32_t ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
COLORREF FromPixel(std::uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

HIMAGELIST SmallSystemImageList() {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                                                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

}  // namespace

int SmallSystemIconSize() {
    int cx = 0;
    int cy = 0;
    const HIMAGELIST list = SmallSystemImageList();
    return list != nullptr && ImageList_GetIconSize(list, &cx, &cy) && cx > 0 ? cx : 16;
}

COLORREF SysColourRef(SysColour colour) {
    switch (colour) {
        case SysColour::ButtonFace: return GetSysColor(COLOR_BTNFACE);
        case SysColour::Highlight3D: return GetSysColor(COLOR_3DHIGHLIGHT);
        case SysColour::ButtonShadow: return GetSysColor(COLOR_BTNSHADOW);
        case SysColour::InfoBackground: return GetSysColor(COLOR_INFOBK);
        case SysColour::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
        case SysColour::Menu: return GetSysColor(COLOR_MENU);
        case SysColour::MenuText: return GetSysColor(COLOR_MENUTEXT);
    }
    return 0;
}

MemoryCanvas::MemoryCanvas(Size size, std::function<void()> onRefresh)
    : onRefresh_(std::move(onRefresh)),
      dc_(CreateCompatibleDC(nullptr)),
      background_(SysColourRef(SysColour::ButtonFace)) {
    Resize(size);
}

MemoryCanvas::~MemoryCanvas() {
    // The DIB can only be freed once it is no longer selected.
    if (originalBitmap_ != nullptr) SelectObject(dc_.get(), originalBitmap_);
}

void MemoryCanvas::Resize(Size size) {
    const Size wanted{size.cx > 0 ? size.cx : 1, size.cy > 0 ? size.cy : 1};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = wanted.cx;
    info.bmiHeader.biHeight = -wanted.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_hbitmap bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    // Without memory for the new size the old picture and its size stay, so no pixel lies outside it.
    if (!bitmap) return;
    size_ = wanted;
    const HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (originalBitmap_ == nullptr) originalBitmap_ = previous;
    bitmap_ = std::move(bitmap);
    bits_ = static_cast<std::uint32_t*>(bits);
    Clear();
}

void MemoryCanvas::Clear() {
    if (bits_ == nullptr) return;
    GdiFlush();
    const std::uint32_t pixel = ToPixel(background_);
    std::fill(bits_, bits_ + static_cast<std::size_t>(size_.cx) * size_.cy, pixel);
}

void MemoryCanvas::SetPixel(int x, int y, SysColour colour) {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= size_.cx || y >= size_.cy) return;
    GdiFlush();
    bits_[static_cast<std::size_t>(y) * size_.cx + x] = ToPixel(SysColourRef(colour));
}

Colour MemoryCanvas::GetPixel(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= size_.cx || y >= size_.cy) return background_;
    GdiFlush();
    return FromPixel(bits_[static_cast<std::size_t>(y) * size_.cx + x]);
}

void MemoryCanvas::Line(int x1, int y1, int x2, int y2, Colour colour) {
    unique_hpen pen(CreatePen(PS_SOLID, 1, colour));
    SelectInDc select(dc_.get(), pen.get());
    MoveToEx(dc_.get(), x1, y1, nullptr);
    LineTo(dc_.get(), x2, y2);
}

void MemoryCanvas::Stroke(int x1, int y1, int x2, int y2, Colour colour, int width) {
    unique_hpen pen(CreatePen(PS_SOLID, width, colour));
    SelectInDc select(dc_.get(), pen.get());
    MoveToEx(dc_.get(), x1, y1, nullptr);
    LineTo(dc_.get(), x2, y2);
    // A wide pen's round cap covers the end point; a thin one stops before it.
    if (width <= 1) SetPixelV(dc_.get(), x2, y2, colour);
}

void MemoryCanvas::DrawImage(const ImageList& images, const std::string& key, int x, int y) {
    const auto& list = static_cast<const Win32ImageList&>(images);
    const int index = list.IndexOf(key);
    if (index >= 0) ImageList_Draw(list.Handle(), index, dc_.get(), x, y, ILD_TRANSPARENT);
}

void MemoryCanvas::DrawSystemSmallIcon(int index, int x, int y) {
    static const HIMAGELIST list = SmallSystemImageList();
    if (list != nullptr) ImageList_Draw(list, index, dc_.get(), x, y, ILD_TRANSPARENT);
}

unique_hbitmap MemoryCanvas::Snapshot() const {
    unique_hbitmap copy(CreateCompatibleBitmap(WindowDc(nullptr).get(), size_.cx, size_.cy));
    if (!copy) return copy;
    unique_hdc target(CreateCompatibleDC(dc_.get()));
    SelectInDc select(target.get(), copy.get());
    BitBlt(target.get(), 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
    return copy;
}

}  // namespace tarn::win32
