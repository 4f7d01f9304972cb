#include "dialogs/win32/OptionsWindow.h"

#include <shellapi.h>

#include "dialogs/OptionsForm.h"
#include "order/ButtonPictures.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/Win32Input.h"

namespace tarn::win32 {
namespace {

namespace form = OptionsForm;

constexpr Colour kPictureMask = 0xFFDFFE;

Win32Slider::Range RangeOf(const form::SliderDesign& d) {
    return {d.minimum, d.maximum, d.smallStep, d.largeStep, d.tickEvery};
}

// The shell's own small icon of a folder, as the button's picture left of its caption.
void FolderPicture(Win32Button& button, const wchar_t* folder) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(folder, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return;
    MemoryCanvas canvas({SmallSystemIconSize(), SmallSystemIconSize()});
    canvas.SetBackground(kPictureMask);
    canvas.Clear();
    canvas.DrawSystemSmallIcon(info.iIcon, 0, 0);
    button.SetPicture(canvas, false);
}

}  // namespace

OptionsWindow::OptionsWindow(const OptionsServices& services, HWND home, HWND hiddenOwner, OptionsBar& bar,
                             OptionsHost& host)
    : DialogWindow(home, form::kClientSize, false, hiddenOwner),
      lblAlpha_(*this, form::lblAlpha, Win32Static::Kind::Text),
      sldAlpha_(*this, form::sldAlpha, RangeOf(form::kAlphaRange), [this] { form_.sldAlpha_Change(); }),
      lblDelay_(*this, form::lblDelay, Win32Static::Kind::Text),
      sldDelay_(*this, form::sldDelay, RangeOf(form::kDelayRange), [this] { form_.sldDelay_Change(); }),
      fraFileGrouping_(*this, form::fraFileGrouping, Win32Static::Kind::Frame),
      optFileGrouping0_(*this, form::optFileGrouping[0], Win32CheckBox::Kind::FirstOption),
      optFileGrouping1_(*this, form::optFileGrouping[1], Win32CheckBox::Kind::Option),
      optFileGrouping2_(*this, form::optFileGrouping[2], Win32CheckBox::Kind::Option),
      chkNoDelay_(*this, form::chkNoDelay, Win32CheckBox::Kind::Check),
      chkOnBoderOnly_(*this, form::chkOnBoderOnly, Win32CheckBox::Kind::Check),
      chkShortcutLNK_(*this, form::chkShortcutLNK, Win32CheckBox::Kind::Check),
      chkIconMenu_(*this, form::chkIconMenu, Win32CheckBox::Kind::Check),
      fraFolder_(*this, form::fraFolder, Win32Static::Kind::Frame),
      txtPath_(*this, form::txtPath, false),
      cmdEditFolder_(*this, 101, form::cmdEditFolder, [this] { form_.cmdEditFolder_Click(); }),
      cmdEditOrder_(*this, 102, form::cmdEditOrder, [this] { form_.cmdEditOrder_Click(); }),
      cmdSelectFolder_(*this, 103, form::cmdSelectFolder, [this] { form_.cmdSelectFolder_Click(); }),
      cmdHelp_(*this, 104, form::cmdHelp, [this] { form_.cmdHelp_Click(); }),
      cmdCancel_(*this, IDCANCEL, form::cmdCancel, [this] { form_.cmdCancel_Click(); }),
      cmdOK_(*this, IDOK, form::cmdOK, [this] { form_.cmdOK_Click(); }),
      form_(services,
            {*this,
             *this,
             sldAlpha_,
             sldDelay_,
             {&optFileGrouping0_, &optFileGrouping1_, &optFileGrouping2_},
             chkNoDelay_,
             chkOnBoderOnly_,
             chkShortcutLNK_,
             chkIconMenu_,
             txtPath_},
            bar, host) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    FolderPicture(cmdEditFolder_, windows);
    MemoryCanvas order({Scale()(16), Scale()(16)});
    order.SetBackground(kPictureMask);
    DrawButtonPicture(order, ButtonPicture::EditOrder);
    cmdEditOrder_.SetPicture(order, false);
    const wchar_t root[] = {windows[0] != L'\0' ? windows[0] : L'C', L':', L'\\', L'\0'};
    FolderPicture(cmdSelectFolder_, root);
    FocusFirst(cmdOK_.Hwnd());
    RouteMessages();
}

bool OptionsWindow::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    return form_.Form_KeyDown(KeyFromVirtualKey(message.wParam), ShiftState());
}

}  // namespace tarn::win32
