#pragma once
#include <memory>

#include "bar/ProgramHost.h"
#include "bar/frmTarnDock.h"
#include "bar/win32/BarWindow.h"
#include "bar/win32/MenuHostWindow.h"
#include "bar/win32/ToolTipWindow.h"
#include "dialogs/OptionsHost.h"
#include "dialogs/win32/HelpWindow.h"
#include "dialogs/win32/OptionsWindow.h"
#include "dialogs/win32/SelectFolderWindow.h"
#include "order/win32/EditOrderWindow.h"
#include "order/win32/FoldersToEditWindow.h"
#include "platform/win32/ProgramFile.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextCodec.h"

namespace tarn::win32 {

// The running program: the platform services, every window with its handlers, and the message loop. The
// windows that open on demand are made here when they are asked for.
class App final : public ProgramHost, public OptionsHost {
public:
    App() = default;
    int Run();

    void UnloadWindow(FormName form) override;
    void EndProgram() override;
    int ShowFoldersToEdit(const std::string& folderPath) override;
    int ShowEditOrder(const std::string& folder, bool menuItemOrder) override;
    void ShowOptions() override;
    void ShowHelp() override;
    int ShowSelectFolder(const std::string& path, std::string& newPath) override;

private:
    // The bar's settings and operations as the options dialog uses them.
    class OptionsBarOf final : public OptionsBar {
    public:
        explicit OptionsBarOf(frmTarnDock& bar) : bar_(bar) {}
        Settings& CurrentSettings() override { return bar_.CurrentSettings(); }
        void SetAlpha(int tempAlpha) override { bar_.SetAlpha(tempAlpha); }
        void FillToolbar() override { bar_.FillToolbar(); }
        void SaveFileDic() override { bar_.SaveFileDic(); }

    private:
        frmTarnDock& bar_;
    };
    // Lets go of the modeless windows that were unloaded, once no handler of theirs runs.
    void ReleaseUnloaded();
    bool TranslateModeless(MSG& msg);

    std::string programFolder_ = ProgramFolder();
    Win32FileSystem fs_;
    Win32TextCodec codec_;
    Win32Shell shell_;
    Win32Clock clock_;
    Win32Screen screen_;
    Win32MessageBox messageBox_;
    OwnerWindow owner_;
    ToolTipWindow tipWindow_{screen_};
    BarWindow barWindow_{BarServices{fs_, codec_, shell_, clock_, screen_, messageBox_, programFolder_}, screen_, *this,
                         tipWindow_.Form(), owner_.Hwnd()};
    OptionsBarOf optionsBar_{barWindow_.Form()};
    // The modeless windows, made when first shown and let go after they were unloaded.
    std::unique_ptr<OptionsWindow> options_;
    std::unique_ptr<HelpWindow> help_;
    SelectFolderWindow* selectFolder_ = nullptr;
    // The dialogs open now, made when opened and gone when closed.
    EditOrderWindow* editOrder_ = nullptr;
    FoldersToEditWindow* foldersToEdit_ = nullptr;
    bool ending_ = false;
};

}  // namespace tarn::win32
