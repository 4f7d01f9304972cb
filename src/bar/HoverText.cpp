#include "bar/HoverText.h"

#include "bar/BarTexts.h"
#include "platform/Text.h"

namespace tarn {
namespace {

constexpr const char* kLineBreak = "\r\n";
// A menu of up to this many entries is listed whole; a longer one lists the first ten and a count of the rest.
constexpr int kListedWhole = 11;
constexpr int kListedBeforeCount = 10;

std::string InfoText() {
    std::string text;
    for (const char* line : texts::kInfoLines) {
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
    std::string text =
        TrimBlanks(button.tag).empty() ? tipPrefix : Prefixed(tipPrefix, "   [" + BaseName(button.tag) + "]   ");
    const int n = menu != nullptr ? menu->Count() : 0;
    for (int i = 0; i < n; ++i) {
        if (!TrimBlanks(text).empty()) text += kLineBreak;
        if (n != kListedWhole && i >= kListedBeforeCount) {
            text += "..." + std::to_string(n - kListedBeforeCount) + texts::kMoreEntries;
            break;
        }
        const ItemEntry& entry = (*menu)[i];
        text += entry.IsSeparator() ? std::string(texts::kTipSeparatorLine) : displayName(entry.key);
    }
    return text;
}

}  // namespace

std::optional<std::string> HoverTipText(const ButtonRecord& button, const ItemDictionary* menu,
                                        const std::string& tipPrefix,
                                        const std::function<std::string(const std::string&)>& displayName) {
    if (button.style == ButtonStyle::DropDown) return MenuText(button, menu, tipPrefix, displayName);
    if (button.style != ButtonStyle::Plain || button.kind == ButtonKind::Separator) return std::nullopt;
    if (button.kind == ButtonKind::Info) return InfoText();
    return Prefixed(tipPrefix, displayName(FileNamePart(button.tag)));
}

}  // namespace tarn
