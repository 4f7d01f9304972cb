#pragma once
#include <windows.h>

#include "order/frmEditOrder.h"
#include "platform/win32/DialogControls.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32ListView.h"
#include "platform/win32/Win32Timer.h"

namespace tarn::win32 {

// frmEditOrder's window: it owns the editor and its controls and turns their messages into the editor's handlers.
class EditOrderWindow final : public DialogWindow {
public:
    EditOrderWindow(const EditOrderServices& services, HWND home);
    frmEditOrder& Editor() { return editor_; }

protected:
    void Resized() override { editor_.Form_Resize(); }
    void Timer(UINT_PTR id) override {
        if (id == tmrCheckPos_.Id()) editor_.tmrCheckPos_Timer();
    }

private:
    Win32ListView::Events ListEvents();
    void DragOver(HWND under, Point point);
    void Drop(HWND under);

    Win32ImageList ilIcons_;
    MemoryCanvas picBox_;
    Win32ImageList ilMouse_;
    MemoryCanvas picMouse_;
    Win32Label lblHelp_;
    Win32Button cmdDown_;
    Win32Button cmdUp_;
    Win32Button cmdInsertSeparator_;
    Win32Button cmdDeleteSeparator_;
    Win32ListView LV_;
    Win32Button cmdCancel_;
    Win32Button cmdOK_;
    Win32ColourBar picPos_;
    Win32Timer tmrCheckPos_;
    frmEditOrder editor_;
};

}  // namespace tarn::win32
