#include "main/win32/App.h"

namespace tarn::win32 {

int App::Run() {
    if (!barWindow_.Created() || !tipWindow_.Created()) return 1;
    barWindow_.Form().Form_Load();
    if (ending_) return 0;
    barWindow_.Show(ShowCommand::Show);
    barWindow_.MouseTimer().SetEnabled(true);

    MSG msg;
    while (!ending_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

void App::UnloadWindow(FormName form) {
    switch (form) {
        case FormName::frmMenu: barWindow_.MenuWindow().Unload(); break;
        case FormName::frmToolTip: tipWindow_.Unload(); break;
        default: break;  // not loaded
    }
}

void App::EndProgram() {
    ending_ = true;
    barWindow_.EndHandlers();
    tipWindow_.StopMessages();
    PostQuitMessage(0);
}

// The order editor, the options dialog and the help window are windows of their own still to come: until then
// their commands leave the bar as it is.
int App::ShowFoldersToEdit(const std::string&) { return 2; }
void App::ShowOptions() {}
void App::ShowHelp() {}

}  // namespace tarn::win32
