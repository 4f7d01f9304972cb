#include "bar/frmMenu.h"

#include "bar/ProgramHost.h"
#include "bar/frmTarnDock.h"

namespace tarn {

void frmMenu::Form_QueryUnload(int unloadMode) {
    if (unloadMode != kUnloadFormControlMenu) return;
    bar_.StoreSettings();
    host_.EndProgram();
}

}  // namespace tarn
