#pragma once
#include <string_view>

namespace tarn {

// The value of a separator entry, and its line in an order file.
inline constexpr std::string_view kSeparatorValue = "<>";
// The order file that lies in every folder shown on the bar; its name is compared without regard to case.
inline constexpr std::string_view kOrderFileName = "TarnDock_Folder.ini";
// The shell's own folder settings file, never a button.
inline constexpr std::string_view kDesktopIniName = "desktop.ini";

}  // namespace tarn
