#include "main/Entry.h"

#include <cstdint>
#include <cstdio>

#include "platform/MessageDialog.h"

namespace tarn {

std::string InstanceMutexName(std::string_view foldedProgramPath) {
    // FNV-1a, 64 bits: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : foldedProgramPath) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("Local\\TarnDock-") + hex;
}

bool EntryMayShowBar(bool previousInstance, std::string_view programPath, MessageDialog& messageBox) {
    if (!previousInstance) return true;
    // The program's folder, a backslash, the application's title and ".exe".
    const auto slash = programPath.find_last_of("\\/");
    const std::string_view folder = slash == std::string_view::npos ? std::string_view() : programPath.substr(0, slash);
    messageBox.Show("Program already running.\r\n" + std::string(folder) + "\\TarnDock.exe", "TarnDock",
                    MessageIcon::Information);
    return false;
}

}  // namespace tarn
