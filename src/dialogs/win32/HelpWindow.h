#pragma once
#include <windows.h>

#include "dialogs/frmHelp.h"
#include "platform/win32/DialogControls.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/FormControls.h"

namespace tarn::win32 {

// frmHelp's window, modeless and resizable: it owns the handler and its controls.
class HelpWindow final : public DialogWindow {
public:
    HelpWindow(const HelpServices& services, HWND home, HWND hiddenOwner);
    frmHelp& Form() { return form_; }

protected:
    void Resized() override { form_.Form_Resize(); }

private:
    Win32TextBox txtHelp_;
    Win32Link lblLink_;
    Win32Button cmdClose_;
    frmHelp form_;
};

}  // namespace tarn::win32
