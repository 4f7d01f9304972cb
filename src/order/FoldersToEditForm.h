#pragma once
#include <string_view>

#include "platform/ControlDesign.h"
#include "platform/Geometry.h"

// The folder picker as designed: every text it shows, and its controls' places and fonts at 96 DPI.
namespace tarn::FoldersToEditForm {

inline constexpr std::string_view kTitle = "TarnDock - Select folder";
inline constexpr std::string_view kEditButtonOrder = "Edit button order";
inline constexpr std::string_view kEditMenuItemOrder = "Edit menu item order";

inline constexpr Size kClientSize{337, 185};
inline constexpr ControlDesign lblHelp{{8, 3, 327, 29},
                                       "There are sub folders for menus. Either select the top folder to edit the "
                                       "button order, or select one of the sub folders to edit the menu item order.",
                                       {},
                                       {"Arial", 6.75, false}};
inline constexpr ControlDesign TV{{8, 32, 329, 129}, {}, {}, {"Trebuchet MS", 9.75, false}};
inline constexpr ControlDesign cmdEditOrder{
    {8, 136, 193, 177}, "Edit button order   F9", "Change the sort order", {"Trebuchet MS", 9.75, false}};
inline constexpr ControlDesign cmdClose{{216, 136, 329, 177}, "Close", "Close this window", {"Trebuchet MS", 9.75, true}};

}  // namespace tarn::FoldersToEditForm
