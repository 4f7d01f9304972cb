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
        // A dialog open by code ends its modal showing; it goes once the call that opened it returns.
        case FormName::frmEditOrder:
            if (editOrder_ != nullptr) editOrder_->EndModal();
            break;
        case FormName::frmFoldersToEdit:
            if (foldersToEdit_ != nullptr) foldersToEdit_->EndModal();
            break;
        default: break;  // not loaded
    }
}

void App::EndProgram() {
    ending_ = true;
    barWindow_.EndHandlers();
    tipWindow_.StopMessages();
    PostQuitMessage(0);
}

int App::ShowFoldersToEdit(const std::string& folderPath) {
    if (ending_ || foldersToEdit_ != nullptr) return 2;
    FoldersToEditWindow window({fs_, shell_}, barWindow_.Hwnd(), *this);
    if (!window.Created()) return 2;
    foldersToEdit_ = &window;
    const int result = window.Picker().ShowForm(folderPath);
    foldersToEdit_ = nullptr;
    return result;
}

int App::ShowEditOrder(const std::string& folder, bool menuItemOrder) {
    if (ending_ || editOrder_ != nullptr) return 2;
    EditOrderWindow window({fs_, codec_, shell_, screen_, messageBox_}, barWindow_.Hwnd());
    if (!window.Created()) return 2;
    editOrder_ = &window;
    const int result = window.Editor().ShowForm(folder, menuItemOrder);
    editOrder_ = nullptr;
    return result;
}

// The options dialog and the help window are windows of their own still to come: until then their commands
// leave the bar as it is.
void App::ShowOptions() {}
void App::ShowHelp() {}

}  // namespace tarn::win32
