#pragma once
#include <map>
#include <set>

#include "platform/FileSystem.h"

namespace tarn::fakes {

// An in-memory file system. Paths are compared without regard to ASCII case, and listings come in
// case-insensitive name order, as the usual Windows file system gives them. Missing parent folders are made.
class FakeFileSystem final : public FileSystem {
public:
    void AddFile(const std::string& path, std::string bytes = {}) { Add(path, false, std::move(bytes)); }
    void AddFolder(const std::string& path) { Add(path, true, {}); }
    void Remove(const std::string& path);
    // Writes to this path (or right below this folder) fail, as on a read-only file or folder.
    void SetReadOnly(const std::string& path) { readOnly_.insert(Key(path)); }
    // The file stays listed but cannot be read.
    void SetUnreadable(const std::string& path) { unreadable_.insert(Key(path)); }
    // The stored bytes, readable or not; nothing when no such file.
    std::optional<std::string> Bytes(const std::string& path) const;

    bool FileExists(const std::string& path) const override { return Is(path, false); }
    bool FolderExists(const std::string& path) const override { return Is(path, true); }
    std::vector<std::string> ListFiles(const std::string& folder) const override { return List(folder, false); }
    std::vector<std::string> ListFolders(const std::string& folder) const override { return List(folder, true); }
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
    void Add(const std::string& path, bool folder, std::string bytes);
    bool Is(const std::string& path, bool folder) const;
    std::vector<std::string> List(const std::string& folder, bool folders) const;
    bool IsReadOnly(const std::string& key) const {
        return readOnly_.contains(key) || readOnly_.contains(key.substr(0, key.find_last_of('\\')));
    }
    std::map<std::string, Entry> entries_;  // folded full path -> entry
    std::set<std::string> readOnly_;
    std::set<std::string> unreadable_;
};

}  // namespace tarn::fakes
