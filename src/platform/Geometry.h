#pragma once
#include <algorithm>
#include <cmath>
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

// To the nearest integer, halves to the even neighbour (the default rounding mode), kept far inside the int range
// so that a left edge plus a width cannot overflow.
inline int RoundToInt(double value) {
    constexpr double kLimit = 1 << 29;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

// Twips (1/1440 inch) per screen pixel: 15 at 96 DPI. Window places and sizes are held in twips, windows
// measure in pixels.
struct TwipScale {
    static constexpr unsigned kDefaultDpi = 96;
    double perPixelX = 15.0;
    double perPixelY = 15.0;

    // A DPI of 0 (not known) counts as the default.
    static constexpr unsigned DpiOrDefault(unsigned dpi) { return dpi != 0 ? dpi : kDefaultDpi; }
    static constexpr TwipScale ForDpi(unsigned dpi) {
        const double perPixel = 1440.0 / DpiOrDefault(dpi);
        return {perPixel, perPixel};
    }
    int PixelsX(double twips) const { return RoundToInt(twips / perPixelX); }
    int PixelsY(double twips) const { return RoundToInt(twips / perPixelY); }
    int TwipsX(double pixels) const { return RoundToInt(pixels * perPixelX); }
    int TwipsY(double pixels) const { return RoundToInt(pixels * perPixelY); }
    friend bool operator==(const TwipScale&, const TwipScale&) = default;
};

// 0x00BBGGRR, as a Win32 COLORREF.
using Colour = std::uint32_t;

enum class SysColour { ButtonFace, Highlight3D, ButtonShadow, InfoBackground, WindowText, Menu, MenuText };

}  // namespace tarn
