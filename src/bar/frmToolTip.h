#pragma once
#include <string>

#include "platform/Geometry.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "platform/TipLabel.h"
#include "platform/Window.h"

namespace tarn {

// The bar's own tooltip: a borderless window below and right of the pointer that hides as soon as the pointer
// moves away from where the tip was shown or last reported.
class frmToolTip {
public:
    frmToolTip(Window& window, TipLabel& lblTip, Timer& tmrHide, const Screen& screen);

    void Form_Load();
    void ShowTip(const std::string& Text);
    void HideTip();
    // The pointer moved within the button the tip belongs to: keep the tip where it is.
    void NewMousePos();
    void tmrHide_Timer();
    bool Visible() const { return window_.IsVisible(); }

private:
    Window& window_;
    TipLabel& lblTip_;
    Timer& tmrHide_;
    const Screen& screen_;
    Point mousePos_;
};

}  // namespace tarn
