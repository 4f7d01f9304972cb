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

// Creates every missing folder of the path up to its last backslash; false on any failure.
bool CreateDirectoryPath(FileSystem& fs, const std::string& path);

}  // namespace tarn
