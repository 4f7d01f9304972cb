#pragma once
#include <string>

#include "app/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"

namespace tarn {

// Reads the settings file into `settings` and `placement`, whose values on entry are the defaults of absent
// keys (`placement` in twips). Creates the default button folder when no folder is configured. Never fails:
// a file that cannot be read or makes no sense gives the defaults.
void ReadSettingsFile(const std::string& settingsFile, Settings& settings, Placement& placement, FileSystem& fs,
                      const TextCodec& codec, Shell& shell);

// Writes the twelve keys into the "Settings" section in one replacement of the whole file, keeping every other
// line of an existing file. False when nothing was written; the old file is then intact.
bool WriteSettingsFile(const std::string& settingsFile, const Settings& settings, const Placement& placement,
                       FileSystem& fs, const TextCodec& codec);

}  // namespace tarn
