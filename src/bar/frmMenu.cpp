#include "bar/frmMenu.h"

#include "bar/ProgramHost.h"
#include "bar/frmTarnDock.h"

namespace tarn {

void frmMenu::mnuItem_Click(int index) {
    if (index < 0 || index >= static_cast<int>(mnuItem.size())) return;
    // A copy: starting the file may change the entries.
    bar_.StartFile(std::string(mnuItem[static_cast<std::size_t>(index)].tag));
}

void frmMenu::Minimize() {
    window_.Show(ShowCommand::ShowMinimized);
    barWindow_.Show(ShowCommand::Hide);
}

void frmMenu::Form_Resize(WindowState windowState) {
    if (windowState == lastWindowState_) return;
    if (windowState != WindowState::Minimized) {
        barWindow_.Show(ShowCommand::Show);
        window_.Show(ShowCommand::Hide);
    }
    lastWindowState_ = windowState;
}

void frmMenu::Form_QueryUnload(UnloadMode unloadMode) {
    if (unloadMode != UnloadMode::FormControlMenu) return;
    bar_.StoreSettings();
    host_.EndProgram();
}

}  // namespace tarn
