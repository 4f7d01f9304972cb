#pragma once
#include <optional>
#include <span>
#include <string>

#include "platform/Keys.h"

namespace tarn {

enum class BarCommand { EditFolder, EditOrder, Options, Refresh, Help, Minimize, End };

// The lines of the context menu mnuPop, in order; a separator line has no command.
std::span<const std::optional<BarCommand>> ContextMenuCommands();

// A command's caption with every "$" replaced by a tab, so that the key name shows right-aligned.
std::string CommandCaption(BarCommand command);

// The command of a key press, with the shift mask of the moment; the menu key opens the menu itself.
std::optional<BarCommand> KeyCommand(Key key, int shift);

}  // namespace tarn
