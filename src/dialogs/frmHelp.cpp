#include "dialogs/frmHelp.h"

#include "dialogs/HelpForm.h"
#include "platform/Geometry.h"
#include "platform/Text.h"

namespace tarn {
namespace {

// A step that would give a control a negative size is skipped, as in a window made very small.
void TryMove(Control& control, int left, int top, int width, int height) {
    if (width < 0 || height < 0) return;
    control.Move({left, top, left + width, top + height});
}

}  // namespace

std::string HelpPageAddress(const std::string& programFolder) {
    const std::string address(HelpForm::kHelpPage);
    if (address.find("://") != std::string::npos) return address;
    return JoinPath(programFolder, address);
}

frmHelp::frmHelp(const HelpServices& services, const HelpControls& controls)
    : services_(services), controls_(controls) {}

void frmHelp::Form_Load() {
    controls_.dialog.SetTitle(std::string(HelpForm::kTitle));
    controls_.txtHelp.SetText(std::string(HelpForm::kHelpText));
    Form_Resize();
}

void frmHelp::Form_Resize() {
    const Size inner = controls_.window.ClientSize();
    const int m = controls_.txtHelp.Bounds().left;
    const Rect close = controls_.cmdClose.Bounds();
    TryMove(controls_.cmdClose, RoundToInt(0.31 * inner.cx), inner.cy - close.Height() - m, RoundToInt(0.38 * inner.cx),
            close.Height());
    const Rect link = controls_.lblLink.Bounds();
    const int linkTop = controls_.cmdClose.Bounds().top - link.Height() - 2 * m;
    TryMove(controls_.lblLink, link.left, linkTop, link.Width(), link.Height());
    TryMove(controls_.txtHelp, m, m, inner.cx - 2 * m, controls_.lblLink.Bounds().top - 2 * m);
}

void frmHelp::lblLink_Click() { services_.shell.Open(HelpPageAddress(services_.programFolder), {}); }

}  // namespace tarn
