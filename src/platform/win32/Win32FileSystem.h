#pragma once
#include "platform/FileSystem.h"

namespace tarn::win32 {

class Win32FileSystem final : public FileSystem {
public:
    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    std::vector<std::string> ListFiles(const std::string& folder) const override;
    std::vector<std::string> ListFolders(const std::string& folder) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // A temporary file beside the target, renamed over it; a read-only target is not replaced.
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
    bool CreateDirectoryPath(const std::string& path) override;
};

}  // namespace tarn::win32
