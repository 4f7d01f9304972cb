#pragma once
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace tarn {

// Where the program keeps its settings file, and the button folder it uses when none is configured.
struct SettingsLocation {
    std::string settingsFile;
    std::string defaultButtonFolder;
};

// "TarnDock\TarnDock.ini" and "TarnDock\Buttons" below the user's local application-data folder.
SettingsLocation FindSettingsLocation(Shell& shell);
// A portable installation, with a file "TarnDock.ini" beside the program file, keeps that file and the folder
// "Buttons" beside it; any other installation "TarnDock\TarnDock.ini" and "TarnDock\Buttons" below the user's
// local application-data folder. An empty program folder is never portable.
SettingsLocation FindSettingsLocation(Shell& shell, const FileSystem& fs, const std::string& programFolder);

// Creates every missing folder of the path up to its last backslash; false on any failure.
bool CreateDirectoryPath(FileSystem& fs, const std::string& path);

}  // namespace tarn
