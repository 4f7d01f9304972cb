#pragma once
#include <functional>
#include <string>
#include <vector>

#include "bar/BarTexts.h"
#include "model/ItemDictionary.h"
#include "platform/Geometry.h"
#include "platform/PopupMenu.h"

namespace tarn {

// The first element of frmMenu's entries, there from the start: chosen, it starts nothing and opens the button
// folder.
inline MenuItem AddButtonsItem() { return MenuItem{texts::kAddButtonsItem, "", true, std::nullopt, {}}; }

// The entries of a button's menu. While files are being dropped, entries that are not programs cannot be chosen.
// A separator keeps the tag that element had before (`previous`), as a reused menu element does.
std::vector<MenuItem> BuildMenuItems(const ItemDictionary& items, bool dropping,
                                     const std::function<std::string(const std::string&)>& displayName,
                                     const std::function<bool(const std::string&)>& isProgram,
                                     const std::vector<MenuItem>& previous);

// Every entry bitmap of icon mode has this size: the widest caption plus 25 pixels, and the height of a
// sample with ascenders and descenders plus 1, at least 16.
Size MenuBitmapSize(int widestCaption, int sampleTextHeight);
inline constexpr const char* kMenuTextSample = "fj\xC2\xB4g";

// Where a button's menu opens, in the bar's pixels: centred under the button, at its lower edge.
Point MenuAnchor(const Rect& toolbarBounds, const Rect& buttonRect);

}  // namespace tarn
