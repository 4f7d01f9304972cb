#include "order/win32/FoldersToEditWindow.h"

#include "order/ButtonPictures.h"
#include "order/FoldersToEditForm.h"
#include "platform/win32/Win32Input.h"

namespace tarn::win32 {
namespace {

namespace form = FoldersToEditForm;

constexpr Colour kPictureMask = 0xFFDFFE;
constexpr int kPictureSize = 16;

}  // namespace

FoldersToEditWindow::FoldersToEditWindow(const FoldersToEditServices& services, HWND home, ProgramHost& host)
    : DialogWindow(home, form::kClientSize, false),
      ilIcons_(SmallSystemIconSize()),
      picBox_({SmallSystemIconSize(), SmallSystemIconSize()}),
      lblHelp_(*this, form::lblHelp),
      TV_(*this, form::TV, ilIcons_,
          {[this](int node) { picker_.TV_NodeClick(node); }, [this] { picker_.TV_DblClick(); }}),
      cmdEditOrder_(*this, 101, form::cmdEditOrder, [this] { picker_.cmdEditOrder_Click(); }),
      cmdClose_(*this, IDCANCEL, form::cmdClose, [this] { picker_.cmdClose_Click(); }),
      picker_(services, {*this, *this, TV_, cmdEditOrder_, picBox_, ilIcons_}, host) {
    picBox_.SetBackground(SysColour::ButtonFace);
    MemoryCanvas picture({Scale()(kPictureSize), Scale()(kPictureSize)});
    picture.SetBackground(kPictureMask);
    DrawButtonPicture(picture, ButtonPicture::EditOrder);
    cmdEditOrder_.SetPicture(picture, false);
    FocusFirst(TV_.Hwnd());
    RouteMessages();
}

bool FoldersToEditWindow::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    const Key key = KeyFromVirtualKey(message.wParam);
    const int shift = ShiftState();
    if (picker_.Form_KeyDown(key, shift)) return true;
    return GetFocus() == TV_.Hwnd() && picker_.TV_KeyDown(key, shift);
}

}  // namespace tarn::win32
