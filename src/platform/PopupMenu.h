#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace tarn {

// One line of a popup menu. The caption "-" is a separator line.
struct MenuItem {
    std::string caption;
    std::string tag;  // what choosing it acts on: the full path of a file to start
    bool enabled = true;
    // Shown as a bitmap of this size instead of its text: the icon of iconKey (in ilIcons) at (2, 0) and the
    // caption at (22, 1) in the menu font and colours.
    std::optional<std::string> iconKey;
    Size bitmapSize;
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// A modal popup menu of the bar's window, in the system menu font.
class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // Shows the entries centred horizontally under `anchor` (client pixels of the bar), or at the pointer when
    // there is no anchor, and returns the index of the chosen entry, or -1 when the menu was dismissed.
    virtual int Show(const std::vector<MenuItem>& items, std::optional<Point> anchor) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
};

}  // namespace tarn
