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
        if (!TranslateModeless(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        ReleaseUnloaded();
    }
    return 0;
}

bool App::TranslateModeless(MSG& msg) {
    return (options_ && options_->TranslateDialogMessage(msg)) || (help_ && help_->TranslateDialogMessage(msg));
}

void App::ReleaseUnloaded() {
    if (options_ && options_->Unloaded()) options_.reset();
    if (help_ && help_->Unloaded()) help_.reset();
}

void App::UnloadWindow(FormName form) {
    switch (form) {
        case FormName::frmMenu: barWindow_.MenuWindow().Unload(); break;
        case FormName::frmToolTip: tipWindow_.Unload(); break;
        // A dialog open by code ends its modal showing; it goes once the call that opened it returns.
        case FormName::frmEditOrder:
            if (editOrder_ != nullptr) editOrder_->EndModal();
            break;
        case FormName::frmHelp:
            if (help_) help_->Unload();
            break;
        case FormName::frmTarnOptions:
            if (options_) options_->Unload();
            break;
        case FormName::frmSelectFolder:
            if (selectFolder_ != nullptr) selectFolder_->EndModal();
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
    if (options_) options_->StopMessages();
    if (help_) help_->StopMessages();
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

void App::ShowOptions() {
    if (ending_) return;
    if (!options_ || options_->Unloaded()) {
        options_.reset();
        options_ = std::make_unique<OptionsWindow>(OptionsServices{fs_, shell_, messageBox_, messageBox_},
                                                   barWindow_.Hwnd(), owner_.Hwnd(), optionsBar_, *this);
        if (!options_->Created()) {
            options_.reset();
            return;
        }
    }
    options_->Form().ShowForm();
}

void App::ShowHelp() {
    if (ending_) return;
    if (!help_ || help_->Unloaded()) {
        help_.reset();
        help_ = std::make_unique<HelpWindow>(HelpServices{shell_, programFolder_}, barWindow_.Hwnd(), owner_.Hwnd());
        if (!help_->Created()) {
            help_.reset();
            return;
        }
    }
    help_->ShowModeless();
}

int App::ShowSelectFolder(const std::string& path, std::string& newPath) {
    if (ending_ || selectFolder_ != nullptr) return 2;
    SelectFolderWindow window({fs_, shell_, programFolder_, &FullPath}, barWindow_.Hwnd());
    if (!window.Created()) return 2;
    selectFolder_ = &window;
    const int result = window.Form().ShowForm(path, newPath);
    selectFolder_ = nullptr;
    return result;
}

}  // namespace tarn::win32
