#pragma once
#include <string_view>

#include "platform/ControlDesign.h"
#include "platform/Geometry.h"

// The options dialog as designed: every text it shows, its sliders' ranges, and its controls' places and fonts
// at 96 DPI.
namespace tarn::OptionsForm {

inline constexpr std::string_view kTitle = "TarnDock - Options";
inline constexpr std::string_view kAppTitle = "TarnDock";
inline constexpr std::string_view kErrorTitle = "TarnDock Error";
inline constexpr std::string_view kFolderError = "Folder does not exist.\r\nPlease enter a valid folder path.";
inline constexpr std::string_view kOrderQuestion =
    "You probably have changed the button order.\r\nDo you want to apply the changes?";

struct SliderDesign {
    int minimum;
    int maximum;
    int smallStep;
    int largeStep;
    int tickEvery;
};
inline constexpr SliderDesign kAlphaRange{0, 100, 2, 10, 10};
inline constexpr SliderDesign kDelayRange{0, 3000, 30, 300, 100};

inline constexpr FontSpec kFont{"Trebuchet MS", 9.75, false};
inline constexpr FontSpec kBoldFont{"Trebuchet MS", 9.75, true};

inline constexpr Size kClientSize{600, 332};
inline constexpr ControlDesign lblAlpha{{8, 6, 296, 24}, "Transparency", {}, kFont};
inline constexpr ControlDesign sldAlpha{{4, 24, 300, 56}, {}, {}, kFont};
inline constexpr ControlDesign lblDelay{{8, 62, 296, 80}, "Fading delay [ms]", {}, kFont};
inline constexpr ControlDesign sldDelay{{4, 80, 300, 112}, {}, {}, kFont};
inline constexpr ControlDesign fraFileGrouping{{304, 2, 592, 118}, "Group files into menus", {}, kFont};
inline constexpr ControlDesign optFileGrouping[3] = {
    {{316, 22, 584, 60}, "No grouping. Show each file with a separate button", {}, kFont},
    {{316, 62, 584, 84}, "Group by file type", {}, kFont},
    {{316, 88, 584, 110},
     "Group by identical icon",
     "Note: in some cases icons might look the same but are not identical.",
     kFont},
};
inline constexpr ControlDesign chkNoDelay{{8, 124, 300, 146}, "No delay if mouse is on screen border", {}, kFont};
inline constexpr ControlDesign chkOnBoderOnly{
    {8, 148, 300, 170}, "Only make solid if mouse is on screen border", {}, kFont};
inline constexpr ControlDesign chkShortcutLNK{{308, 124, 592, 146}, "Show \".lnk\" extension for shortcuts", {}, kFont};
inline constexpr ControlDesign chkIconMenu{{308, 148, 592, 170}, "Display icons in the menus", {}, kFont};
inline constexpr ControlDesign fraFolder{
    {8, 176, 592, 280}, "Folder containing the files and shortcuts to be displayed as buttons", {}, kFont};
inline constexpr ControlDesign txtPath{{20, 198, 580, 222}, {}, {}, kFont};
inline constexpr ControlDesign cmdEditFolder{
    {20, 230, 202, 268}, "Add or remove buttons", "Edit folder content   F8", kFont};
inline constexpr ControlDesign cmdEditOrder{
    {209, 230, 391, 268}, "Edit button order", "Change the sort order   F9", kFont};
inline constexpr ControlDesign cmdSelectFolder{{398, 230, 580, 268}, "Select folder", "Change the directory", kFont};
inline constexpr ControlDesign cmdHelp{{8, 290, 120, 324}, "Help", "Show help   F1", kFont};
inline constexpr ControlDesign cmdCancel{
    {356, 290, 468, 324}, "Cancel", "Discard changes and close this window", kFont};
inline constexpr ControlDesign cmdOK{{480, 290, 592, 324}, "OK", "Apply changes and close this window", kBoldFont};

}  // namespace tarn::OptionsForm
