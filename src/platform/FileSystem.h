#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Paths are UTF-8 with backslashes, as on Windows.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A file test: a folder is not a file.
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool FolderExists(const std::string& path) const = 0;
    // Names only (no path), hidden and system entries included, in the platform's listing order.
    virtual std::vector<std::string> ListFiles(const std::string& folder) const = 0;
    virtual std::vector<std::string> ListFolders(const std::string& folder) const = 0;
    // The whole file's bytes, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // Replaces the file as a whole: on failure the old file is left intact and false is returned.
    virtual bool WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;
    // Creates every missing folder of the path up to its last backslash.
    virtual bool CreateDirectoryPath(const std::string& path) = 0;
};

}  // namespace tarn
