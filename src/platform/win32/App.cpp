#include "platform/win32/App.h"

#include "bar/frmMenu.h"
#include "bar/frmTarnDock.h"
#include "bar/frmToolTip.h"
#include "platform/win32/BarWindow.h"
#include "platform/win32/MenuHostWindow.h"
#include "platform/win32/ToolTipWindow.h"

namespace tarn::win32 {

App::App() = default;

App::~App() {
    // Handlers must not run while the windows go.
    if (barWindow_) barWindow_->Detach();
    if (menuWindow_) menuWindow_->Attach(nullptr);
    if (tipWindow_) tipWindow_->Attach(nullptr);
}

int App::Run() {
    owner_ = std::make_unique<OwnerWindow>();
    barWindow_ = std::make_unique<BarWindow>(screen_, owner_->Hwnd());
    if (!barWindow_->Created()) return 1;
    BarWindow& window = *barWindow_;
    const BarServices services{fs_, codec_, shell_, clock_, screen_, messageBox_};
    const BarControls controls{window,
                               window.FormImage(),
                               window.ToolbarControl(),
                               window.Icons(),
                               window.PicBox(),
                               window.PicHint(),
                               window.PicHint().Image(),
                               window.MouseTimer(),
                               window.Popup()};
    bar_ = std::make_unique<frmTarnDock>(services, controls, *this);
    menuWindow_ = std::make_unique<MenuHostWindow>();
    menu_ = std::make_unique<frmMenu>(*bar_, *this, *menuWindow_, window);
    menuWindow_->Attach(menu_.get());
    tipWindow_ = std::make_unique<ToolTipWindow>();
    tip_ = std::make_unique<frmToolTip>(*tipWindow_, *tipWindow_, tipWindow_->HideTimer(), screen_);
    tipWindow_->Attach(tip_.get());
    bar_->AttachWindows(*menu_, *tip_);

    window.Attach(bar_.get(), this);
    bar_->Form_Load();
    if (ending_) return 0;
    window.Show(ShowCommand::Show);
    window.MouseTimer().SetEnabled(true);

    MSG msg;
    while (!ending_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

void App::UnloadWindow(FormName form) {
    switch (form) {
        case FormName::frmMenu:
            if (menuWindow_) menuWindow_->Unload();
            break;
        case FormName::frmToolTip:
            if (tipWindow_) tipWindow_->Unload();
            break;
        default: break;  // not loaded
    }
}

void App::EndProgram() {
    ending_ = true;
    if (barWindow_) barWindow_->Detach();
    if (menuWindow_) menuWindow_->Attach(nullptr);
    if (tipWindow_) tipWindow_->Attach(nullptr);
    PostQuitMessage(0);
}

// The order editor, the options dialog and the help window are windows of their own still to come: until then
// their commands leave the bar as it is.
int App::ShowFoldersToEdit(const std::string&) { return 2; }
void App::ShowOptions() {}
void App::ShowHelp() {}

}  // namespace tarn::win32
