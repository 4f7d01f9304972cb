#pragma once
#include <windows.h>

#include "dialogs/frmSelectFolder.h"
#include "platform/win32/DialogControls.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/FormControls.h"

namespace tarn::win32 {

// frmSelectFolder's window, modal: it owns the dialog's handler and controls and turns their messages into the
// handler's calls.
class SelectFolderWindow final : public DialogWindow {
public:
    SelectFolderWindow(const SelectFolderServices& services, HWND home);
    frmSelectFolder& Form() { return form_; }

protected:
    bool PreviewKey(const MSG& message) override;

private:
    Win32DriveList DriveList_;
    Win32FolderList DirList_;
    Win32Button cmdCancel_;
    Win32Button cmdOK_;
    frmSelectFolder form_;
};

}  // namespace tarn::win32
