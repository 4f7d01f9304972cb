#pragma once
#include <functional>
#include <optional>
#include <string>

#include "model/ItemDictionary.h"
#include "platform/Toolbar.h"

namespace tarn {

// The tip for a button, or nothing when the tip is to be hidden (a non-plain non-menu style, or a separator).
// `menu` is the menu button's item dictionary (null counts as empty); `displayName` gives the shown name of a
// path or file name.
std::optional<std::string> HoverTipText(const ButtonRecord& button, const ItemDictionary* menu,
                                        const std::string& tipPrefix,
                                        const std::function<std::string(const std::string&)>& displayName);

}  // namespace tarn
