#include "settings/SettingsLocation.h"

#include <exception>

#include "platform/Text.h"

namespace tarn {

SettingsLocation FindSettingsLocation(Shell& shell, const FileSystem& fs, const std::string& programFolder) {
    if (!programFolder.empty()) {
        const std::string beside = JoinPath(programFolder, "TarnDock.ini");
        if (fs.FileExists(beside)) return {beside, JoinPath(programFolder, "Buttons")};
    }
    return FindSettingsLocation(shell);
}

SettingsLocation FindSettingsLocation(Shell& shell) {
    const std::string folder = JoinPath(shell.GetSpecialFolderPath(SpecialFolder::LocalAppData), "TarnDock");
    return {JoinPath(folder, "TarnDock.ini"), JoinPath(folder, "Buttons")};
}

bool CreateDirectoryPath(FileSystem& fs, const std::string& path) {
    try {
        return fs.CreateDirectoryPath(path);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace tarn
