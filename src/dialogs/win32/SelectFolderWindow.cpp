#include "dialogs/win32/SelectFolderWindow.h"

#include "dialogs/SelectFolderForm.h"
#include "platform/win32/Win32Input.h"

namespace tarn::win32 {
namespace {

namespace form = SelectFolderForm;

// Neither button is the dialog's OK or Cancel: Enter belongs to the folder list, Esc to nobody.
constexpr int kCancelId = 101;
constexpr int kOkId = 102;

}  // namespace

SelectFolderWindow::SelectFolderWindow(const SelectFolderServices& services, HWND home)
    : DialogWindow(home, form::kClientSize, false),
      DriveList_(*this, form::DriveList, [this] { form_.DriveList_Change(); }),
      DirList_(*this, form::DirList, [this] { form_.DirList_DblClick(); }),
      cmdCancel_(*this, kCancelId, form::cmdCancel, [this] { form_.cmdCancel_Click(); }),
      cmdOK_(*this, kOkId, form::cmdOK, [this] { form_.cmdOK_Click(); }),
      form_(services, {*this, *this, DriveList_, DirList_}) {
    FocusFirst(DirList_.Hwnd());
    RouteMessages();
}

bool SelectFolderWindow::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.hwnd != DirList_.Hwnd()) return false;
    return form_.DirList_KeyDown(KeyFromVirtualKey(message.wParam), ShiftState());
}

}  // namespace tarn::win32
