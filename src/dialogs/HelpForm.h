#pragma once
#include <string_view>

#include "platform/ControlDesign.h"
#include "platform/Geometry.h"

// The address of the program's help page, set when the program is built: a web address, or a file name that lies
// beside the program file.
#ifndef TARN_HELP_PAGE
#define TARN_HELP_PAGE "TarnDock-Help.html"
#endif

// The help window as designed: its text, link and controls' places and fonts at 96 DPI.
namespace tarn::HelpForm {

inline constexpr std::string_view kTitle = "TarnDock - Help";
inline constexpr std::string_view kHelpPage = TARN_HELP_PAGE;

inline constexpr Size kClientSize{640, 480};
inline constexpr ControlDesign txtHelp{{8, 8, 632, 398}, {}, {}, {"Courier New", 9, false}};
inline constexpr ControlDesign lblLink{
    {8, 414, 632, 432}, kHelpPage, "Look for more information and updates", {"Trebuchet MS", 9.75, false}};
inline constexpr ControlDesign cmdClose{
    {198, 440, 442, 472}, "Close", "Close this window", {"Trebuchet MS", 9.75, true}};

// Plain text with hard line breaks, at most 80 characters a line.
inline constexpr std::string_view kHelpText =
    "\r\n"
    " === What TarnDock does === \r\n"
    "\r\n"
    "TarnDock starts programs and opens files from a small bar of buttons that stays\r\n"
    "on the screen.\r\n"
    "\r\n"
    "\r\n"
    " === How the bar differs from others === \r\n"
    "\r\n"
    "- You place the bar anywhere on the screen and size it by its border. It does\r\n"
    "  not dock to a screen border and does not sit inside the taskbar.\r\n"
    "- It never hides itself: it is always visible.\r\n"
    "- It is half transparent, and mouse clicks go through it to the windows behind\r\n"
    "  it, so they stay usable. Hold the mouse pointer still over the bar for the\r\n"
    "  fading delay and it turns solid and takes clicks.\r\n"
    "- Its buttons are the files and shortcuts of one folder, the button folder.\r\n"
    "  Each sub folder of the button folder becomes a menu button that lists the\r\n"
    "  files of that sub folder.\r\n"
    "- To save room, files can be grouped into menus, by file type or by identical\r\n"
    "  icon (Options).\r\n"
    "- The order of the buttons is changed in a window of its own (Edit button\r\n"
    "  order, F9), not by dragging buttons on the bar. Separator lines are added\r\n"
    "  and removed in the same window.\r\n"
    "- To add a button, paste a shortcut into the button folder. The context menu\r\n"
    "  (right click on the solid bar) and the options window open the folder for\r\n"
    "  you (Add or remove buttons, F8); Refresh (F5) shows the new buttons.\r\n"
    "\r\n"
    "\r\n"
    " === More features === \r\n"
    "\r\n"
    "- Drag files onto a program button to open them with that program.\r\n"
    "- Drag files onto a menu button: the menu opens, and the program entry that\r\n"
    "  you click opens the files.\r\n"
    "- Several bars: each copy of the program is a bar of its own. Install the\r\n"
    "  program into several folders, or copy its folder. A copy keeps its own\r\n"
    "  settings and buttons when a file named TarnDock.ini lies beside\r\n"
    "  TarnDock.exe (an empty file will do): the settings are then kept in that\r\n"
    "  file, and the buttons are the files of the folder Buttons beside the\r\n"
    "  program. Without that file every copy shares the settings of your account,\r\n"
    "  kept in TarnDock\\TarnDock.ini in your local application data folder.\r\n"
    "\r\n"
    "\r\n"
    " === Terms of use === \r\n"
    "\r\n"
    "This copy of TarnDock comes without a licence file, so no licence grants you\r\n"
    "rights to it beyond what the law allows. It is provided as it is, without\r\n"
    "warranty of any kind; you use it at your own risk. The program only reads the\r\n"
    "button folder, starts what you click and writes its settings and order files;\r\n"
    "it sends nothing anywhere.\r\n"
    "\r\n"
    "\r\n"
    " === System requirements === \r\n"
    "\r\n"
    "Windows 10 version 1607 or later, 64-bit (x64), or Windows 11. The program\r\n"
    "follows the scaling of each monitor.\r\n";

}  // namespace tarn::HelpForm
