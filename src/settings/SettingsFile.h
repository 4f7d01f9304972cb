#pragma once
#include <string>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "settings/Settings.h"
#include "settings/SettingsLocation.h"

namespace tarn {

// Reads the settings file into `settings` and `placement`, whose values on entry are the defaults of absent
// keys (`placement` in twips). Creates the default button folder and takes it when no folder is configured.
// Never fails: a file that cannot be read or makes no sense gives the defaults.
void ReadSettingsFile(const SettingsLocation& location, Settings& settings, Placement& placement, FileSystem& fs,
                      const TextCodec& codec);

// Writes the twelve keys into the "Settings" section in one replacement of the whole file, keeping every other
// line of an existing file. False when nothing was written; the old file is then intact.
bool WriteSettingsFile(const std::string& settingsFile, const Settings& settings, const Placement& placement,
                       FileSystem& fs, const TextCodec& codec);

}  // namespace tarn
