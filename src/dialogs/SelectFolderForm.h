#pragma once
#include <string_view>

#include "platform/ControlDesign.h"
#include "platform/Geometry.h"

// The folder selection dialog as designed: every text it shows, and its controls' places and fonts at 96 DPI.
namespace tarn::SelectFolderForm {

inline constexpr std::string_view kTitle = "TarnDock - Select a folder";

inline constexpr FontSpec kFont{"Trebuchet MS", 9.75, false};

inline constexpr Size kClientSize{320, 360};
// The drive list's bounds include its drop-down part.
inline constexpr ControlDesign DriveList{{8, 8, 312, 240}, {}, {}, kFont};
inline constexpr ControlDesign DirList{{8, 40, 312, 308}, {}, {}, kFont};
inline constexpr ControlDesign cmdCancel{{8, 318, 120, 352}, "Cancel", "Discard changes and close this window", kFont};
inline constexpr ControlDesign cmdOK{
    {200, 318, 312, 352}, "OK", "Accept changes and close this window", {"Trebuchet MS", 9.75, true}};

}  // namespace tarn::SelectFolderForm
