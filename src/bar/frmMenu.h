#pragma once
#include <vector>

#include "bar/ButtonMenu.h"
#include "platform/Window.h"

namespace tarn {

class frmTarnDock;
class ProgramHost;

// Unload modes of a window: closed by the user from its window menu or taskbar button, or unloaded by code.
constexpr int kUnloadFormControlMenu = 0;
constexpr int kUnloadFromCode = 1;

constexpr int kWindowStateNormal = 0;
constexpr int kWindowStateMinimized = 1;

// The hidden window that hosts the button menus and stands for the bar in the taskbar while it is minimised.
class frmMenu {
public:
    frmMenu(frmTarnDock& bar, ProgramHost& host, Window& window, Window& barWindow)
        : bar_(bar), host_(host), window_(window), barWindow_(barWindow) {}

    // The entries of the last button menu; element 0 is there from the start.
    std::vector<MenuItem> mnuItem{kAddButtonsItem};

    void mnuItem_Click(int Index);
    // The bar's Minimize command: this window's taskbar entry stands for the hidden bar.
    void Minimize();
    // Restoring the taskbar entry shows the bar again.
    void Form_Resize(int windowState);
    // Closing the minimised bar's taskbar entry stores the settings and ends the program at once; the bar's own
    // unload handler then does not run.
    void Form_QueryUnload(int unloadMode);

private:
    frmTarnDock& bar_;
    ProgramHost& host_;
    Window& window_;
    Window& barWindow_;
    int lastWindowState_ = kWindowStateNormal;
};

}  // namespace tarn
