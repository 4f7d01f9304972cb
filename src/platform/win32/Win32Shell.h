#pragma once
#include "platform/Shell.h"

namespace tarn::win32 {

// The shell: special folders, system icons, the program test, shortcuts and opening files.
// Shortcuts need COM, initialised for the thread (apartment-threaded) by the program's entry.
class Win32Shell final : public Shell {
public:
    std::string GetSpecialFolderPath(SpecialFolder folder) override;
    int SmallIconIndex(const std::string& path) override;
    bool IsExecutable(const std::string& path) override;
    std::string GetLinkTarget(const std::string& path) override;
    void Open(const std::string& file, const std::string& parameters) override;
    void OpenFolder(const std::string& folder) override;
};

}  // namespace tarn::win32
