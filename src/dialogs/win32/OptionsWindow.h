#pragma once
#include <windows.h>

#include "dialogs/frmTarnOptions.h"
#include "platform/win32/DialogControls.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/FormControls.h"

namespace tarn::win32 {

// frmTarnOptions' window, modeless: it owns the dialog's handler and controls and turns their messages into the
// handler's calls.
class OptionsWindow final : public DialogWindow {
public:
    OptionsWindow(const OptionsServices& services, HWND home, HWND hiddenOwner, OptionsBar& bar, OptionsHost& host);
    frmTarnOptions& Form() { return form_; }

protected:
    bool PreviewKey(const MSG& message) override;

private:
    Win32Static lblAlpha_;
    Win32Slider sldAlpha_;
    Win32Static lblDelay_;
    Win32Slider sldDelay_;
    Win32Static fraFileGrouping_;
    Win32CheckBox optFileGrouping0_;
    Win32CheckBox optFileGrouping1_;
    Win32CheckBox optFileGrouping2_;
    Win32CheckBox chkNoDelay_;
    Win32CheckBox chkOnBoderOnly_;
    Win32CheckBox chkShortcutLNK_;
    Win32CheckBox chkIconMenu_;
    Win32Static fraFolder_;
    Win32TextBox txtPath_;
    Win32Button cmdEditFolder_;
    Win32Button cmdEditOrder_;
    Win32Button cmdSelectFolder_;
    Win32Button cmdHelp_;
    Win32Button cmdCancel_;
    Win32Button cmdOK_;
    frmTarnOptions form_;
};

}  // namespace tarn::win32
