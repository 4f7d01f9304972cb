#include "dialogs/win32/HelpWindow.h"

#include "dialogs/HelpForm.h"
#include "settings/WindowPlacement.h"

namespace tarn::win32 {

HelpWindow::HelpWindow(const HelpServices& services, HWND home, HWND hiddenOwner)
    : DialogWindow(home, HelpForm::kClientSize, true, hiddenOwner),
      txtHelp_(*this, HelpForm::txtHelp, true),
      lblLink_(*this, HelpForm::lblLink, [this] { form_.lblLink_Click(); }),
      cmdClose_(*this, IDCANCEL, HelpForm::cmdClose, [this] { form_.cmdClose_Click(); }),
      form_(services, {*this, *this, txtHelp_, lblLink_, cmdClose_}) {
    // Close answers Enter as well as Esc.
    Register(cmdClose_, IDOK);
    SendMessageW(cmdClose_.Hwnd(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    FocusFirst(cmdClose_.Hwnd());
    RouteMessages();
    form_.Form_Load();
    ShowInTaskbar(*this, true);
}

}  // namespace tarn::win32
