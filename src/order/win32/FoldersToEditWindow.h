#pragma once
#include <windows.h>

#include "order/frmFoldersToEdit.h"
#include "platform/win32/DialogControls.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32TreeView.h"

namespace tarn::win32 {

// frmFoldersToEdit's window: it owns the picker and its controls and turns their messages into its handlers.
class FoldersToEditWindow final : public DialogWindow {
public:
    FoldersToEditWindow(const FoldersToEditServices& services, HWND home, ProgramHost& host);
    frmFoldersToEdit& Picker() { return picker_; }

protected:
    bool PreviewKey(const MSG& message) override;

private:
    Win32ImageList ilIcons_;
    MemoryCanvas picBox_;
    Win32Label lblHelp_;
    Win32TreeView TV_;
    Win32Button cmdEditOrder_;
    Win32Button cmdClose_;
    frmFoldersToEdit picker_;
};

}  // namespace tarn::win32
