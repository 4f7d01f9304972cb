#include "bar/ContextMenu.h"

namespace tarn {

const std::vector<ContextMenuItem>& ContextMenuItems() {
    static const std::vector<ContextMenuItem> items{
        {"mnuEditFolder", "Add or remove buttons$F8", BarCommand::EditFolder},
        {"mnuEditOrder", "Edit button order$F9", BarCommand::EditOrder},
        {"mnuSep3", "-", std::nullopt},
        {"mnuOptions", "Options$F2", BarCommand::Options},
        {"mnuSep2", "-", std::nullopt},
        {"mnuRefresh", "Refresh$F5", BarCommand::Refresh},
        {"mnuHelp", "Help$F1", BarCommand::Help},
        {"mnuSep4", "-", std::nullopt},
        {"mnuMin", "Minimize$F3", BarCommand::Minimize},
        {"mnuSep1", "-", std::nullopt},
        {"mnuClose", "End$Alt+F4", BarCommand::End},
    };
    return items;
}

std::string TabbedCaption(const std::string& caption) {
    std::string out = caption;
    for (char& c : out) {
        if (c == '$') c = '\t';
    }
    return out;
}

std::optional<BarCommand> KeyCommand(int keyCode, int shift) {
    constexpr int kAlt = 4;
    switch (keyCode) {
        case 112: return BarCommand::Help;
        case 113: return BarCommand::Options;
        case 114: return BarCommand::Minimize;
        case 115: return (shift & kAlt) ? std::optional(BarCommand::End) : std::nullopt;
        case 116: return BarCommand::Refresh;
        case 119: return BarCommand::EditFolder;
        case 120: return BarCommand::EditOrder;
        default: return std::nullopt;
    }
}

}  // namespace tarn
