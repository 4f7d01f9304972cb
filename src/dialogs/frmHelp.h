#pragma once
#include <string>

#include "platform/Button.h"
#include "platform/Control.h"
#include "platform/ModelessDialog.h"
#include "platform/Shell.h"
#include "platform/TextBox.h"
#include "platform/Window.h"

namespace tarn {

struct HelpServices {
    Shell& shell;
    // The folder of the running program file, where the help page lies.
    std::string programFolder;
};

struct HelpControls {
    Window& window;
    ModelessDialog& dialog;
    TextBox& txtHelp;
    Control& lblLink;
    Button& cmdClose;
};

// The address the help window's link opens: a web address as it is, a file name beside the program file.
std::string HelpPageAddress(const std::string& programFolder);

// The help window: a fixed text about the program, a link to its help page and Close.
class frmHelp {
public:
    frmHelp(const HelpServices& services, const HelpControls& controls);

    void Form_Load();
    void Form_Resize();
    void cmdClose_Click() { controls_.dialog.Unload(); }
    void lblLink_Click();

private:
    HelpServices services_;
    HelpControls controls_;
};

}  // namespace tarn
