#pragma once
#include <cstdint>

namespace tarn {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom lie just outside, as in a Win32 RECT.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // PtInRect: right and bottom edges excluded.
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR, as a Win32 COLORREF.
using Colour = std::uint32_t;

enum class SysColour { ButtonFace, Highlight3D, ButtonShadow, InfoBackground, WindowText, Menu, MenuText };

}  // namespace tarn
