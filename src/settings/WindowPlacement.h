#pragma once
#include "platform/Geometry.h"
#include "platform/Screen.h"
#include "platform/Window.h"
#include "settings/Settings.h"

namespace tarn {

// Gives a window a taskbar button or takes it away: hidden while the style changes, shown again only if it was
// visible.
void ShowInTaskbar(Window& window, bool show);

// The pixel rectangle of a window given in twips, at least 120·f twips wide and high, moved so that all of it
// (half false, f = 1) or at least half of it in each direction (half true, f = 2) lies on the monitor that
// the unmoved rectangle lies on, or the nearest one.
Rect PlaceWindowRect(const Placement& twips, bool half, const Screen& screen);
void PlaceWindowOnScreen(Window& window, const Screen& screen, const Placement& twips, bool half);

}  // namespace tarn
