#pragma once
#include <map>
#include <set>

#include "platform/FileSystem.h"

namespace tarn::fakes {

// An in-memory file system. Paths are compared without regard to ASCII case, and listings come in
// case-insensitive name order, as the usual Windows file system gives them.
class FakeFileSystem final : public FileSystem {
public:
    void AddFile(const std::string& path, std::string bytes = {});
    void AddFolder(const std::string& path);
    void Remove(const std::string& path);
    // Writes to this path (or below this folder) fail, as on a read-only file or folder.
    void SetReadOnly(const std::string& path);
    // The stored bytes; nothing when no such file.
    std::optional<std::string> Bytes(const std::string& path) const;
    int writes = 0;

    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    std::vector<std::string> ListFiles(const std::string& folder) const override;
    std::vector<std::string> ListFolders(const std::string& folder) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
    bool CreateDirectoryPath(const std::string& path) override;

private:
    struct Entry {
        std::string name;  // as created
        bool folder = false;
        std::string bytes;
    };
    static std::string Key(const std::string& path);
    std::vector<std::string> List(const std::string& folder, bool folders) const;
    bool IsReadOnly(const std::string& key) const;
    std::map<std::string, Entry> entries_;  // folded full path -> entry
    std::set<std::string> readOnly_;
};

}  // namespace tarn::fakes
