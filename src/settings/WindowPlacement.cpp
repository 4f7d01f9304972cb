#include "settings/WindowPlacement.h"

#include <algorithm>

namespace tarn {
namespace {

Rect ToPixels(double left, double top, double width, double height, const TwipScale& twips) {
    const int x = twips.PixelsX(left);
    const int y = twips.PixelsY(top);
    return {x, y, x + twips.PixelsX(width), y + twips.PixelsY(height)};
}

}  // namespace

void ShowInTaskbar(Window& window, bool show) {
    const bool wasVisible = window.IsVisible();
    window.Show(ShowCommand::Hide);
    window.SetTaskbarButton(show);
    if (wasVisible) window.Show(ShowCommand::Show);
}

Rect PlaceWindowRect(const Placement& place, bool half, const Screen& screen) {
    const double f = half ? 2.0 : 1.0;
    const TwipScale twips = screen.Twips();
    double left = place.left;
    double top = place.top;
    const double width = std::max<double>(place.width, 120.0 * f);
    const double height = std::max<double>(place.height, 120.0 * f);

    // The monitor the window would lie on, in twips; with a single monitor this is the whole screen.
    const Rect monitor = screen.MonitorRect(ToPixels(left, top, width, height, twips));
    const double monitorLeft = monitor.left * twips.perPixelX;
    const double monitorTop = monitor.top * twips.perPixelY;
    const double monitorRight = monitor.right * twips.perPixelX;
    const double monitorBottom = monitor.bottom * twips.perPixelY;

    if (top + height / f > monitorBottom) top = monitorBottom - height / f;
    if (left + width / f > monitorRight) left = monitorRight - width / f;
    if (top < monitorTop + height / f - height) top = monitorTop + height / f - height;
    if (left < monitorLeft + width / f - width) left = monitorLeft + width / f - width;
    return ToPixels(left, top, width, height, twips);
}

void PlaceWindowOnScreen(Window& window, const Screen& screen, const Placement& twips, bool half) {
    const Rect wanted = PlaceWindowRect(twips, half, screen);
    window.Move(wanted);
    // The system keeps a window no larger than about the screen: one it made smaller is placed again at the size
    // it took, else a stored size far beyond the screen leaves the window wholly off it.
    const Rect taken = window.WindowRect();
    if (taken.Width() >= wanted.Width() && taken.Height() >= wanted.Height()) return;
    const TwipScale scale = screen.Twips();
    window.Move(PlaceWindowRect({twips.left, twips.top, scale.TwipsX(taken.Width()), scale.TwipsY(taken.Height())},
                                half, screen));
}

}  // namespace tarn
