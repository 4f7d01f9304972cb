#include "bar/ContextMenu.h"

#include <array>

#include "bar/BarTexts.h"

namespace tarn {

std::span<const std::optional<BarCommand>> ContextMenuCommands() {
    static constexpr std::array<std::optional<BarCommand>, 11> kLines{
        BarCommand::EditFolder, BarCommand::EditOrder, std::nullopt,     BarCommand::Options,
        std::nullopt,           BarCommand::Refresh,   BarCommand::Help, std::nullopt,
        BarCommand::Minimize,   std::nullopt,          BarCommand::End,
    };
    return kLines;
}

std::string CommandCaption(BarCommand command) {
    const char* caption = texts::kEnd;
    switch (command) {
        case BarCommand::EditFolder: caption = texts::kEditFolder; break;
        case BarCommand::EditOrder: caption = texts::kEditOrder; break;
        case BarCommand::Options: caption = texts::kOptions; break;
        case BarCommand::Refresh: caption = texts::kRefresh; break;
        case BarCommand::Help: caption = texts::kHelp; break;
        case BarCommand::Minimize: caption = texts::kMinimize; break;
        case BarCommand::End: caption = texts::kEnd; break;
    }
    std::string out = caption;
    for (char& c : out) {
        if (c == '$') c = '\t';
    }
    return out;
}

std::optional<BarCommand> KeyCommand(Key key, int shift) {
    switch (key) {
        case Key::F1: return BarCommand::Help;
        case Key::F2: return BarCommand::Options;
        case Key::F3: return BarCommand::Minimize;
        case Key::F4: return (shift & kAltMask) ? std::optional(BarCommand::End) : std::nullopt;
        case Key::F5: return BarCommand::Refresh;
        case Key::F8: return BarCommand::EditFolder;
        case Key::F9: return BarCommand::EditOrder;
        default: return std::nullopt;
    }
}

}  // namespace tarn
