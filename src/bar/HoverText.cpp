#include "bar/HoverText.h"

#include "platform/Text.h"

namespace tarn {
namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr const char* kSeparatorLine = "-----------------";
// A menu of up to this many entries is listed whole; a longer one lists the first ten and a count of the rest.
constexpr int kListedWhole = 11;
constexpr int kListedBeforeCount = 10;

// The help of the information button, the only button of a bar without entries.
constexpr const char* kInfoLines[] = {
    "Open the button folder and add shortcuts to your programs and files.",
    "After you added shortcuts and files, right-click here for a menu and select 'Refresh'.",
    "Alternatively you can right-click here and select 'Options' to change the button folder.",
};

std::string InfoText() {
    std::string text;
    for (const char* line : kInfoLines) {
        if (!text.empty()) text += kLineBreak;
        text += line;
    }
    return text;
}

std::string Prefixed(const std::string& tipPrefix, const std::string& text) {
    return tipPrefix.empty() ? text : tipPrefix + kLineBreak + text;
}

std::string MenuText(const ButtonRecord& button, const ItemDictionary* menu, const std::string& tipPrefix,
                     const std::function<std::string(const std::string&)>& displayName) {
    // A sub-folder button names its folder first; a group button has no tag.
    std::string text = TrimBlanks(button.tag).empty() ? tipPrefix
                                                      : Prefixed(tipPrefix, "   [" + BaseName(button.tag) + "]   ");
    const int n = menu != nullptr ? menu->Count() : 0;
    for (int i = 0; i < n; ++i) {
        if (!TrimBlanks(text).empty()) text += kLineBreak;
        if (n != kListedWhole && i >= kListedBeforeCount) {
            text += "..." + std::to_string(n - kListedBeforeCount) + "  more...";
            break;
        }
        const ItemEntry& entry = (*menu)[i];
        text += entry.IsSeparator() ? std::string(kSeparatorLine) : displayName(entry.key);
    }
    return text;
}

}  // namespace

std::optional<std::string> HoverTipText(const ButtonRecord& button, const ItemDictionary* menu,
                                        const std::string& tipPrefix,
                                        const std::function<std::string(const std::string&)>& displayName) {
    if (button.style == ButtonStyle::DropDown) return MenuText(button, menu, tipPrefix, displayName);
    if (button.style != ButtonStyle::Plain || button.description == "SEP") return std::nullopt;
    if (button.description == "INFO") return InfoText();
    return Prefixed(tipPrefix, displayName(FileNamePart(button.tag)));
}

}  // namespace tarn
