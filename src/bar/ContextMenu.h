#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tarn {

enum class BarCommand { EditFolder, EditOrder, Options, Refresh, Help, Minimize, End };

// The items of the context menu mnuPop, in order; a separator has no command.
struct ContextMenuItem {
    std::string name;
    std::string caption;  // as designed, with "$" before the key name
    std::optional<BarCommand> command;
};
const std::vector<ContextMenuItem>& ContextMenuItems();

// Every "$" replaced by a tab, so that the key name shows right-aligned.
std::string TabbedCaption(const std::string& caption);

// The command of a key press (virtual-key code, shift mask with 4 for Alt); the menu key opens the menu itself.
constexpr int kMenuKey = 93;
std::optional<BarCommand> KeyCommand(int keyCode, int shift);

}  // namespace tarn
