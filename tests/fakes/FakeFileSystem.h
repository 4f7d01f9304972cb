#pragma once
#include <map>
#include <set>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace tarn::fakes {

// An in-memory file system. Paths are compared without regard to ASCII case, and listings come in
// case-insensitive name order, as the usual Windows file system gives them. Missing parent folders are made.
struct FakeFileSystem final : FileSystem {
    void AddFile(const std::string& path, std::string bytes = {}) { Add(path, std::move(bytes)); }
    void AddFolder(const std::string& path) { Add(path, std::nullopt); }
    void Remove(const std::string& path) { entries.erase(Key(path)); }
    // The stored bytes, readable or not; nothing when no such file.
    std::optional<std::string> Bytes(const std::string& path) const {
        return entries.contains(Key(path)) ? entries.at(Key(path)).second : std::nullopt;
    }
    bool FileExists(const std::string& path) const override { return Bytes(path).has_value(); }
    bool FolderExists(const std::string& path) const override { return entries.contains(Key(path)) && !Bytes(path); }
    std::vector<std::string> ListFiles(const std::string& folder) const override { return List(folder, false); }
    std::vector<std::string> ListFolders(const std::string& folder) const override { return List(folder, true); }
    std::optional<std::string> ReadFile(const std::string& path) const override {
        return unreadable.contains(Key(path)) ? std::nullopt : Bytes(path);
    }
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override {
        if (!FolderExists(Parent(path)) || FolderExists(path)) return false;
        if (!FileExists(path)) AddFile(path);
        entries[Key(path)].second = bytes;  // keeps the name's case, as a replaced file does
        return true;
    }
    // Every folder up to the last backslash; throws while the device is not ready.
    bool CreateDirectoryPath(const std::string& path) override {
        if (notReady) throw std::runtime_error("device not ready");
        return AddFolder(Parent(path)), true;
    }

    static std::string Key(const std::string& path) {
        std::string key = path.substr(0, path.find_last_not_of('\\') + 1);
        for (char& c : key) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        return key;
    }
    static std::string Parent(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }
    void Add(const std::string& path, std::optional<std::string> bytes) {
        const std::string name = path.substr(0, path.find_last_not_of('\\') + 1);
        if (name.find('\\') != std::string::npos && !FolderExists(Parent(name))) AddFolder(Parent(name));
        entries[Key(name)] = {FileNamePart(name), std::move(bytes)};
    }
    std::vector<std::string> List(const std::string& folder, bool folders) const {
        std::vector<std::string> names;
        const std::string prefix = Key(folder) + "\\";
        // Keys are folded, so the map's order is case-insensitive name order.
        for (auto it = entries.lower_bound(prefix); it != entries.end() && it->first.starts_with(prefix); ++it) {
            if (it->first.find('\\', prefix.size()) == std::string::npos && !it->second.second == folders) {
                names.push_back(it->second.first);
            }
        }
        return names;
    }

    std::map<std::string, std::pair<std::string, std::optional<std::string>>> entries;  // Key -> name, bytes
    std::set<std::string> unreadable;                                                   // by Key
    bool notReady = false;
};

}  // namespace tarn::fakes
