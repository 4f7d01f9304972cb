#pragma once
#include <string_view>

#include "platform/ControlDesign.h"
#include "platform/Geometry.h"

// The order editor as designed: every text it shows, and its controls' places and fonts at 96 DPI.
namespace tarn::EditOrderForm {

inline constexpr std::string_view kTitleButtons = "TarnDock - Edit button order";
inline constexpr std::string_view kTitleMenuItems = "TarnDock - Edit menu item order";
inline constexpr std::string_view kColumnCaption = "Files";
inline constexpr std::string_view kSeparatorText = "----- separator line -----";
inline constexpr std::string_view kSaveFailed = "The order could not be saved.";
inline constexpr std::string_view kErrorTitle = "TarnDock Error";
inline constexpr std::string_view kHelpText =
    "Either press the keys shift+up and shift+down, or click the up and down buttons, or move items with the mouse.";

inline constexpr FontSpec kButtonFont{"Trebuchet MS", 9.75, false};
inline constexpr FontSpec kBoldButtonFont{"Trebuchet MS", 9.75, true};
inline constexpr FontSpec kHelpFont{"Arial", 6.75, false};
inline constexpr FontSpec kListFont{"Trebuchet MS", 9.75, false};

inline constexpr Size kClientSize{265, 385};
// The help label shows its caption as its tooltip too.
inline constexpr ControlDesign lblHelp{{8, 0, 265, 25}, kHelpText, kHelpText, kHelpFont};
inline constexpr ControlDesign cmdDown{{8, 32, 53, 77}, "Down", "Move item down   Shift + down arrow keys", kButtonFont};
inline constexpr ControlDesign cmdUp{{60, 32, 105, 77}, "Up", "Move item up   Shift + up arrow keys", kButtonFont};
inline constexpr ControlDesign cmdInsertSeparator{
    {160, 32, 205, 77}, "Insert", "Insert a separator line   Ins key", kButtonFont};
inline constexpr ControlDesign cmdDeleteSeparator{
    {212, 32, 257, 77}, "Delete", "Delete the selected separator line   Del key", kButtonFont};
inline constexpr ControlDesign LV{{8, 80, 257, 260}, {}, {}, kListFont};
inline constexpr ControlDesign cmdCancel{{8, 336, 121, 377}, "Cancel", "Discard changes and close this window", kButtonFont};
inline constexpr ControlDesign cmdOK{{144, 336, 257, 377}, "OK", "Accept changes and close this window", kBoldButtonFont};
// The drop marker: a bar 4 pixels high laid over the list, 2 pixels in from its sides.
inline constexpr Rect kMarker{10, 80, 255, 84};

inline constexpr Size kDragImageSize{32, 32};
inline constexpr Colour kDragImageMask = 0xFFDFFE;  // RGB(254, 223, 255)
inline constexpr Colour kMarkerColour = 0x00FFDF;   // RGB(223, 255, 0)

}  // namespace tarn::EditOrderForm
