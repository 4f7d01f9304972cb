#pragma once
#include <memory>

#include "bar/ProgramHost.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextCodec.h"

namespace tarn {
class frmTarnDock;
class frmMenu;
class frmToolTip;
}  // namespace tarn

namespace tarn::win32 {

class BarWindow;
class MenuHostWindow;
class OwnerWindow;
class ToolTipWindow;

// The running program: the platform services, the windows and their handlers, and the message loop.
class App final : public ProgramHost {
public:
    App();
    ~App() override;
    int Run();

    void UnloadWindow(FormName form) override;
    void EndProgram() override;
    int ShowFoldersToEdit(const std::string& folderPath) override;
    void ShowOptions() override;
    void ShowHelp() override;

private:
    Win32FileSystem fs_;
    Win32TextCodec codec_;
    Win32Shell shell_;
    Win32Clock clock_;
    Win32Screen screen_;
    Win32MessageBox messageBox_;
    std::unique_ptr<OwnerWindow> owner_;
    std::unique_ptr<BarWindow> barWindow_;
    std::unique_ptr<frmTarnDock> bar_;
    std::unique_ptr<MenuHostWindow> menuWindow_;
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<ToolTipWindow> tipWindow_;
    std::unique_ptr<frmToolTip> tip_;
    bool ending_ = false;
};

}  // namespace tarn::win32
