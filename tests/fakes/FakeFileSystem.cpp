#include "fakes/FakeFileSystem.h"

#include <algorithm>

#include "platform/Text.h"

namespace tarn::fakes {
namespace {

std::string ParentOf(const std::string& key) {
    const auto slash = key.find_last_of('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

}  // namespace

std::string FakeFileSystem::Key(const std::string& path) {
    std::string key = path;
    std::replace(key.begin(), key.end(), '/', '\\');
    while (key.size() > 1 && key.back() == '\\') key.pop_back();
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return key;
}

void FakeFileSystem::AddFolder(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    if (trimmed.empty()) return;
    const auto slash = trimmed.find_last_of("\\/");
    if (slash != std::string::npos && slash > 0 && !FolderExists(trimmed.substr(0, slash))) {
        AddFolder(trimmed.substr(0, slash));
    }
    entries_[Key(trimmed)] = Entry{FileNamePart(trimmed), true, {}};
}

void FakeFileSystem::AddFile(const std::string& path, std::string bytes) {
    const auto slash = path.find_last_of("\\/");
    if (slash != std::string::npos && slash > 0 && !FolderExists(path.substr(0, slash))) AddFolder(path.substr(0, slash));
    entries_[Key(path)] = Entry{FileNamePart(path), false, std::move(bytes)};
}

void FakeFileSystem::Remove(const std::string& path) {
    const std::string key = Key(path);
    for (auto it = entries_.begin(); it != entries_.end();) {
        it = (it->first == key || it->first.starts_with(key + "\\")) ? entries_.erase(it) : std::next(it);
    }
}

void FakeFileSystem::SetReadOnly(const std::string& path) { readOnly_.insert(Key(path)); }

bool FakeFileSystem::IsReadOnly(const std::string& key) const {
    return readOnly_.contains(key) || readOnly_.contains(ParentOf(key));
}

std::optional<std::string> FakeFileSystem::Bytes(const std::string& path) const { return ReadFile(path); }

bool FakeFileSystem::FileExists(const std::string& path) const {
    const auto it = entries_.find(Key(path));
    return it != entries_.end() && !it->second.folder;
}

bool FakeFileSystem::FolderExists(const std::string& path) const {
    const auto it = entries_.find(Key(path));
    return it != entries_.end() && it->second.folder;
}

std::vector<std::string> FakeFileSystem::List(const std::string& folder, bool folders) const {
    std::vector<std::string> names;
    const std::string prefix = Key(folder) + "\\";
    // Keys are folded, so the map's order is case-insensitive name order.
    for (auto it = entries_.lower_bound(prefix); it != entries_.end() && it->first.starts_with(prefix); ++it) {
        if (it->first.find('\\', prefix.size()) != std::string::npos) continue;
        if (it->second.folder == folders) names.push_back(it->second.name);
    }
    return names;
}

std::vector<std::string> FakeFileSystem::ListFiles(const std::string& folder) const {
    return FolderExists(folder) ? List(folder, false) : std::vector<std::string>{};
}

std::vector<std::string> FakeFileSystem::ListFolders(const std::string& folder) const {
    return FolderExists(folder) ? List(folder, true) : std::vector<std::string>{};
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) const {
    const auto it = entries_.find(Key(path));
    if (it == entries_.end() || it->second.folder) return std::nullopt;
    return it->second.bytes;
}

bool FakeFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string key = Key(path);
    if (IsReadOnly(key) || !FolderExists(ParentOf(path)) || FolderExists(path)) return false;
    ++writes;
    const auto it = entries_.find(key);
    if (it != entries_.end()) {
        it->second.bytes = std::string(bytes);  // keeps the name's case, as a replaced file does
    } else {
        entries_[key] = Entry{FileNamePart(path), false, std::string(bytes)};
    }
    return true;
}

bool FakeFileSystem::CreateDirectoryPath(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return true;
    const std::string folder = path.substr(0, slash);
    if (FileExists(folder)) return false;
    if (IsReadOnly(Key(folder))) return false;
    AddFolder(folder);
    return true;
}

}  // namespace tarn::fakes
