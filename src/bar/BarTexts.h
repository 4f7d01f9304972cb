#pragma once

// Every text the bar, its menus and its tips show.
namespace tarn::texts {

inline constexpr const char* kProgramTitle = "TarnDock";
inline constexpr const char* kErrorTitle = "TarnDock Error";
inline constexpr const char* kFileNotFound = "File not found:";
inline constexpr const char* kInfoButton = "TarnDock - Add buttons";
inline constexpr const char* kAddButtonsItem = "(Add buttons)";
inline constexpr const char* kHintTip = "There are some more buttons";
inline constexpr const char* kOpenWith = "Open with";
inline constexpr const char* kTipSeparatorLine = "-----------------";
inline constexpr const char* kMoreEntries = "  more...";

// The tip of the information button, one line each.
inline constexpr const char* kInfoLines[] = {
    "Open the button folder and add shortcuts to your programs and files.",
    "After you added shortcuts and files, right-click here for a menu and select 'Refresh'.",
    "Alternatively you can right-click here and select 'Options' to change the button folder.",
};

// The context menu's captions, "$" before the key name.
inline constexpr const char* kEditFolder = "Add or remove buttons$F8";
inline constexpr const char* kEditOrder = "Edit button order$F9";
inline constexpr const char* kOptions = "Options$F2";
inline constexpr const char* kRefresh = "Refresh$F5";
inline constexpr const char* kHelp = "Help$F1";
inline constexpr const char* kMinimize = "Minimize$F3";
inline constexpr const char* kEnd = "End$Alt+F4";

}  // namespace tarn::texts
