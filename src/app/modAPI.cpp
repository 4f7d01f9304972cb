#include "app/modAPI.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace tarn {
namespace {

// Far beyond any screen, yet small enough that a left edge plus a width cannot overflow.
constexpr double kPixelLimit = 1 << 29;

// To the nearest pixel, halves to the even neighbour (the default rounding mode).
int ToPixel(double value) { return static_cast<int>(std::nearbyint(std::clamp(value, -kPixelLimit, kPixelLimit))); }

Rect ToPixels(double left, double top, double width, double height, double twipsX, double twipsY) {
    const int x = ToPixel(left / twipsX);
    const int y = ToPixel(top / twipsY);
    return {x, y, x + ToPixel(width / twipsX), y + ToPixel(height / twipsY)};
}

}  // namespace

std::string GetSpecialFolderPath(Shell& shell, int csidl) { return shell.GetSpecialFolderPath(csidl); }

bool CreateDirectoryPath(FileSystem& fs, const std::string& path) {
    try {
        return fs.CreateDirectoryPath(path);
    } catch (const std::exception&) {
        return false;
    }
}

void ShowInTaskbar(Window& window, bool show) {
    const bool wasVisible = window.IsVisible();
    const std::uint32_t style = window.ExStyle();
    window.Show(ShowCommand::Hide);
    window.SetExStyle(show ? (style | kWsExAppWindow) : (style & ~kWsExAppWindow));
    if (wasVisible) window.Show(ShowCommand::Show);
}

Rect PlaceWindowRect(const Placement& twips, bool half, const Screen& screen) {
    const double f = half ? 2.0 : 1.0;
    const double twipsX = screen.TwipsPerPixelX();
    const double twipsY = screen.TwipsPerPixelY();
    double left = twips.left;
    double top = twips.top;
    const double width = std::max<double>(twips.width, 120.0 * f);
    const double height = std::max<double>(twips.height, 120.0 * f);

    // The monitor the window would lie on, in twips; with a single monitor this is the whole screen.
    const Rect monitor = screen.MonitorRect(ToPixels(left, top, width, height, twipsX, twipsY));
    const double monitorLeft = monitor.left * twipsX;
    const double monitorTop = monitor.top * twipsY;
    const double monitorRight = monitor.right * twipsX;
    const double monitorBottom = monitor.bottom * twipsY;

    if (top + height / f > monitorBottom) top = monitorBottom - height / f;
    if (left + width / f > monitorRight) left = monitorRight - width / f;
    if (top < monitorTop + height / f - height) top = monitorTop + height / f - height;
    if (left < monitorLeft + width / f - width) left = monitorLeft + width / f - width;
    return ToPixels(left, top, width, height, twipsX, twipsY);
}

void PlaceWindowOnScreen(Window& window, const Screen& screen, const Placement& twips, bool half) {
    window.Move(PlaceWindowRect(twips, half, screen));
}

}  // namespace tarn
