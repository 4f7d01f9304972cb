#include "bar/frmMenu.h"

#include "bar/ProgramHost.h"
#include "bar/frmTarnDock.h"

namespace tarn {

void frmMenu::mnuItem_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(mnuItem.size())) return;
    std::string path = mnuItem[static_cast<std::size_t>(Index)].Tag;
    bar_.StartFile(path);
}

void frmMenu::Minimize() {
    window_.Show(ShowCommand::ShowMinimized);
    barWindow_.Show(ShowCommand::Hide);
}

void frmMenu::Form_Resize(int windowState) {
    if (windowState == lastWindowState_) return;
    if (windowState != kWindowStateMinimized) {
        barWindow_.Show(ShowCommand::Show);
        window_.Show(ShowCommand::Hide);
    }
    lastWindowState_ = windowState;
}

void frmMenu::Form_QueryUnload(int unloadMode) {
    if (unloadMode != kUnloadFormControlMenu) return;
    bar_.StoreSettings();
    host_.EndProgram();
}

}  // namespace tarn
