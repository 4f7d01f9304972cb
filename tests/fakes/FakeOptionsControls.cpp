#include "fakes/FakeOptionsControls.h"

namespace tarn::fakes {

int FakeOptionsHost::ShowFoldersToEdit(const std::string& folder) {
    openedAt = folder;
    taskbarWhileOpen = options_.HasTaskbarButton();
    return orderSaved ? 1 : 2;
}

int FakeOptionsHost::ShowSelectFolder(const std::string& path, std::string& newPath) {
    openedAt = path;
    taskbarWhileOpen = options_.HasTaskbarButton();
    if (picked.empty()) return 2;
    newPath = picked;
    return 1;
}

}  // namespace tarn::fakes
