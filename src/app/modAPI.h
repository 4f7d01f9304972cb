#pragma once
#include <string>

#include "app/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Geometry.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Window.h"

namespace tarn {

// The path of a shell special folder (a CSIDL number); empty when there is none.
std::string GetSpecialFolderPath(Shell& shell, int csidl);

// Creates every missing folder of the path up to its last backslash; false on any failure.
bool CreateDirectoryPath(FileSystem& fs, const std::string& path);

// Gives a window a taskbar button or takes it away; the style only takes effect while the window is hidden.
void ShowInTaskbar(Window& window, bool show);

// The pixel rectangle of a window given in twips, at least 120·f twips wide and high, moved so that all of it
// (half false, f = 1) or at least half of it in each direction (half true, f = 2) lies on the monitor that
// the unmoved rectangle lies on, or the nearest one.
Rect PlaceWindowRect(const Placement& twips, bool half, const Screen& screen);
void PlaceWindowOnScreen(Window& window, const Screen& screen, const Placement& twips, bool half);

}  // namespace tarn
