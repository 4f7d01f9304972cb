#pragma once
#include <string>

namespace tarn {

// The settings variables of the bar, with their start values.
struct Settings {
    double Delay = 0.2;  // seconds; a double holds every stored whole number of milliseconds exactly
    int Alpha = 110;
    int MaxAlpha = 230;
    std::string FolderPath;
    bool NoDelayOnScreenBorder = true;
    bool OnScreenBoderOnly = false;
    int FileGrouping = 0;
    bool IconsInMenus = false;
    bool ShortcutLNK = true;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// A window's place and size in twips.
struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The designed bar, before the settings are read: the defaults of the four position keys.
constexpr Placement kDesignedBar{10065, 0, 5640, 720};

}  // namespace tarn
