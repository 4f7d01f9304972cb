#pragma once
#include <string>

namespace tarn {

enum class SpecialFolder { LocalAppData };

class Shell {
public:
    virtual ~Shell() = default;
    // Path of a shell special folder; empty when it cannot be found.
    virtual std::string GetSpecialFolderPath(SpecialFolder folder) = 0;
    // Index of the file's icon in the small system image list; 0 when the shell cannot describe it.
    virtual int SmallIconIndex(const std::string& path) = 0;
    // SHGFI_EXETYPE: the file is an executable program.
    virtual bool IsExecutable(const std::string& path) = 0;
    // The target of a shell shortcut, or the path itself.
    virtual std::string GetLinkTarget(const std::string& path) = 0;
    // The verb "open" with the desktop as owner, no working directory, SW_SHOWNORMAL.
    virtual void Open(const std::string& file, const std::string& parameters) = 0;
    // Shows a folder in the file browser.
    virtual void OpenFolder(const std::string& folder) = 0;
};

}  // namespace tarn
