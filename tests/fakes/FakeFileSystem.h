#pragma once
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/ReplaceNames.h"
#include "platform/Text.h"

namespace tarn::fakes {

// An in-memory file system. Paths are compared without regard to ASCII case, and listings come in
// case-insensitive name order, as the usual Windows file system gives them. Missing parent folders are made.
struct FakeFileSystem final : FileSystem, ReplaceSteps {
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
        return !FolderExists(path) && !readOnly.contains(Key(path)) && ReplaceThroughTemporary(*this, path, bytes, 4);
    }
    // The steps of a replace, 32 bytes a write. Each write, flush and rename is a step, counted from 1 in `steps`: from
    // the failFrom-th on, failCount of them fail, a rename as while the target is held. Bytes reach the file when
    // flushed.
    Result Create(const std::string& path) override {
        if (entries.contains(Key(path))) return Result::Again;
        return FolderExists(Parent(path)) ? (AddFile(temporary = path), steps = 0, Result::Done) : Result::Failed;
    }
    std::size_t Write(std::string_view bytes) override {
        return Fails() ? 0 : (pending += bytes.substr(0, 32), std::min<std::size_t>(bytes.size(), 32));
    }
    bool Flush() override { return !Fails() && (entries[Key(temporary)].second = std::exchange(pending, {}), true); }
    bool Close() override { return true; }
    Result Rename(const std::string& from, const std::string& to) override {
        if (Fails()) return Result::Again;
        // A replaced file keeps its name's case.
        entries.try_emplace(Key(to), FileNamePart(to), std::nullopt).first->second.second = Bytes(from);
        return Remove(from), Result::Done;
    }
    void Pause() override {}
    void Delete(const std::string& path) override { Remove(path), pending.clear(); }
    bool Fails() { return ++steps >= failFrom && steps < failFrom + failCount; }
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
        for (auto it = entries.lower_bound(prefix); it != entries.end() && it->first.starts_with(prefix); ++it)
            if (it->first.find('\\', prefix.size()) == std::string::npos && !it->second.second == folders)
                names.push_back(it->second.first);
        return names;
    }

    std::map<std::string, std::pair<std::string, std::optional<std::string>>> entries;  // Key -> name, bytes
    std::set<std::string> unreadable, readOnly;                                         // by Key
    bool notReady = false;
    std::string temporary, pending;  // the file being written, and its bytes not flushed yet
    int steps = 0, failFrom = 0, failCount = 0;
};

}  // namespace tarn::fakes
