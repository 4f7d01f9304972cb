#include "order/ButtonPictures.h"

#include <algorithm>

namespace tarn {
namespace {

constexpr Colour kInk = 0x202020;
constexpr Colour kSeparatorGrey = 0x808080;
constexpr Colour kAdd = 0x10A010;
constexpr Colour kRemove = 0x2020D0;

// An arrow along the vertical middle, its head at `tip`.
void Arrow(Canvas& c, int n, int pen, bool up) {
    const int mid = n / 2;
    const int tip = up ? 1 : n - 2;
    const int tail = up ? n - 2 : 1;
    const int barb = up ? mid : n - 1 - mid;
    c.Stroke(mid, tail, mid, tip, kInk, pen);
    c.Stroke(mid, tip, 2, barb, kInk, pen);
    c.Stroke(mid, tip, n - 3, barb, kInk, pen);
}

}  // namespace

void DrawButtonPicture(Canvas& c, ButtonPicture picture) {
    c.Clear();
    const int n = std::min(c.ClientSize().cx, c.ClientSize().cy);
    const int pen = std::max(1, n / 8);
    const int mid = n / 2;
    switch (picture) {
        case ButtonPicture::Up: Arrow(c, n, pen, true); break;
        case ButtonPicture::Down: Arrow(c, n, pen, false); break;
        case ButtonPicture::InsertSeparator:
            c.Stroke(1, n - 3, n - 2, n - 3, kSeparatorGrey, pen);
            c.Stroke(mid, 1, mid, n / 2 + 1, kAdd, pen);
            c.Stroke(mid - n / 4, n / 4 + 1, mid + n / 4, n / 4 + 1, kAdd, pen);
            break;
        case ButtonPicture::DeleteSeparator:
            c.Stroke(1, n - 3, n - 2, n - 3, kSeparatorGrey, pen);
            c.Stroke(mid - n / 4, 1, mid + n / 4, n / 2, kRemove, pen);
            c.Stroke(mid + n / 4, 1, mid - n / 4, n / 2, kRemove, pen);
            break;
        case ButtonPicture::EditOrder:
            for (int row = 0; row < 3; ++row) c.Stroke(1, 3 + row * n / 3, mid, 3 + row * n / 3, kInk, pen);
            c.Stroke(n - 4, 1, n - 4, n - 2, kInk, pen);
            c.Stroke(n - 4, 1, mid + 1, n / 4, kInk, pen);
            c.Stroke(n - 4, n - 2, mid + 1, n - 1 - n / 4, kInk, pen);
            break;
    }
}

}  // namespace tarn
