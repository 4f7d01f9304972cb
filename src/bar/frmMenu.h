#pragma once
#include <vector>

#include "bar/ButtonMenu.h"
#include "platform/Window.h"

namespace tarn {

class frmTarnDock;
class ProgramHost;

// How a window is being closed: by the user from its window menu or taskbar button, or by code.
enum class UnloadMode { FormControlMenu, FromCode };

enum class WindowState { Normal, Minimized, Maximized };

// The hidden window that hosts the bar's button menus and, while the bar is minimised, stands for it in the
// taskbar: it is the only window of the program with a taskbar button of its own.
class frmMenu {
public:
    frmMenu(frmTarnDock& bar, ProgramHost& host, Window& window, Window& barWindow)
        : bar_(bar), host_(host), window_(window), barWindow_(barWindow) {}

    // The entries of the last button menu; element 0 is there from the start.
    std::vector<MenuItem> mnuItem{AddButtonsItem()};

    void mnuItem_Click(int index);
    // The bar's Minimize command: this window's taskbar entry stands for the hidden bar.
    void Minimize();
    // Restoring the taskbar entry shows the bar again.
    void Form_Resize(WindowState windowState);
    // Closing the minimised bar's taskbar entry stores the settings and ends the program at once; the bar's own
    // unload handler then does not run.
    void Form_QueryUnload(UnloadMode unloadMode);

private:
    frmTarnDock& bar_;
    ProgramHost& host_;
    Window& window_;
    Window& barWindow_;
    WindowState lastWindowState_ = WindowState::Normal;
};

}  // namespace tarn
