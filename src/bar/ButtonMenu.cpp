#include "bar/ButtonMenu.h"

#include <algorithm>

#include "model/ModelNames.h"

namespace tarn {

std::vector<MenuItem> BuildMenuItems(const ItemDictionary& items, bool dropping,
                                     const std::function<std::string(const std::string&)>& displayName,
                                     const std::function<bool(const std::string&)>& isProgram,
                                     const std::vector<MenuItem>& previous) {
    std::vector<MenuItem> menu;
    menu.reserve(static_cast<std::size_t>(items.Count()));
    for (const ItemEntry& entry : items) {
        MenuItem item;
        if (entry.value == kSeparatorValue) {
            item.caption = "-";
            if (menu.size() < previous.size()) item.tag = previous[menu.size()].tag;
            menu.push_back(item);
            continue;
        }
        // The caption "-" draws a separator line: a file shown as "-" ("-", or "-.lnk" without its extension)
        // gets "- " and stays an entry that can be chosen.
        std::string caption = displayName(entry.key);
        item.caption = caption == "-" ? "- " : std::move(caption);
        item.tag = entry.value;
        if (dropping && !isProgram(entry.value)) item.enabled = false;
        menu.push_back(item);
    }
    return menu;
}

Size MenuBitmapSize(int widestCaption, int sampleTextHeight) {
    return {widestCaption + 25, std::max(16, sampleTextHeight + 1)};
}

Point MenuAnchor(const Rect& toolbarBounds, const Rect& buttonRect) {
    // Half a button's width is rounded to the even neighbour, as every computed pixel position.
    const int half = RoundToInt(buttonRect.Width() / 2.0);
    return {toolbarBounds.left + buttonRect.left + half, toolbarBounds.top + buttonRect.top + buttonRect.Height()};
}

}  // namespace tarn
