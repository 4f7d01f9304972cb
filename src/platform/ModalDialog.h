#pragma once
#include <string>

#include "platform/Control.h"
#include "platform/Geometry.h"

namespace tarn {

// What a dialog window does beyond a window: its title, its modal showing, and where it is.
class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // Shows the window while the program's other windows take no input (their timers go on), and returns once
    // EndModal hid it or the user closed it.
    virtual void ShowModal() = 0;
    virtual void EndModal() = 0;
    // The whole monitor that the program's bar lies on, in screen pixels.
    virtual Rect HomeMonitor() const = 0;
    // The window's dots per inch: designed pixel sizes are at 96 and scale with it.
    virtual int Dpi() const = 0;
    // The control of this window under a point of the screen, or null.
    virtual const Control* ControlAt(Point screen) const = 0;
};

}  // namespace tarn
