#pragma once

namespace tarn {

class frmTarnDock;
class ProgramHost;

// Unload modes of a window: closed by the user from its window menu or taskbar button, or unloaded by code.
constexpr int kUnloadFormControlMenu = 0;
constexpr int kUnloadFromCode = 1;

// The hidden window that hosts the button menus and stands for the bar in the taskbar while it is minimised.
class frmMenu {
public:
    frmMenu(frmTarnDock& bar, ProgramHost& host) : bar_(bar), host_(host) {}
    // Closing the minimised bar's taskbar entry stores the settings and ends the program at once; the bar's own
    // unload handler then does not run.
    void Form_QueryUnload(int unloadMode);

private:
    frmTarnDock& bar_;
    ProgramHost& host_;
};

}  // namespace tarn
