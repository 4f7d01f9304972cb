#include "bar/frmToolTip.h"

#include <cmath>
#include <cstdlib>

#include "settings/Settings.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

// The pointer may tremble by up to 3 pixels without losing its tip.
constexpr int kHideDistance = 4;
// Below and right of the pointer, clear of the cursor's picture.
constexpr int kOffsetX = 3;
constexpr int kOffsetY = 33;

}  // namespace

frmToolTip::frmToolTip(Window& window, TipLabel& lblTip, Timer& tmrHide, const Screen& screen)
    : window_(window), lblTip_(lblTip), tmrHide_(tmrHide), screen_(screen) {}

void frmToolTip::Form_Load() {
    // The label is empty until the first tip; the window takes the size it has then, where it stands.
    const Size size = lblTip_.SetText({});
    const Rect at = window_.WindowRect();
    window_.Move({at.left, at.top, at.left + size.cx, at.top + size.cy});
    window_.SetTopmost();
}

void frmToolTip::ShowTip(const std::string& Text) {
    mousePos_ = screen_.CursorPos();
    const Size label = lblTip_.SetText(Text);
    const TwipScale twips = screen_.Twips();
    const Placement place{twips.TwipsX(mousePos_.x + kOffsetX), twips.TwipsY(mousePos_.y + kOffsetY),
                          twips.TwipsX(label.cx), twips.TwipsY(label.cy)};
    PlaceWindowOnScreen(window_, screen_, place, false);
    tmrHide_.SetEnabled(true);
    window_.SetTopmost();
    window_.Show(ShowCommand::ShowNoActivate);
}

void frmToolTip::HideTip() {
    tmrHide_.SetEnabled(false);
    window_.Show(ShowCommand::Hide);
}

void frmToolTip::NewMousePos() { mousePos_ = screen_.CursorPos(); }

void frmToolTip::tmrHide_Timer() {
    const Point now = screen_.CursorPos();
    if (std::abs(now.x - mousePos_.x) >= kHideDistance || std::abs(now.y - mousePos_.y) >= kHideDistance) {
        tmrHide_.SetEnabled(false);
        window_.Show(ShowCommand::Hide);
    }
}

}  // namespace tarn
