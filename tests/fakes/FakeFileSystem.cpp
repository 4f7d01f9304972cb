#include "fakes/FakeFileSystem.h"

#include <algorithm>

#include "platform/Text.h"

namespace tarn::fakes {
namespace {

std::string ParentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

static std::string Trimmed(const std::string& path) {
    std::string trimmed = path;
    std::replace(trimmed.begin(), trimmed.end(), '/', '\\');
    while (trimmed.size() > 1 && trimmed.back() == '\\') trimmed.pop_back();
    return trimmed;
}

std::string FakeFileSystem::Key(const std::string& path) {
    std::string key = Trimmed(path);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return key;
}

void FakeFileSystem::Add(const std::string& path, bool folder, std::string bytes) {
    const std::string trimmed = Trimmed(path);
    if (trimmed.empty()) return;
    if (const std::string parent = ParentOf(trimmed); !parent.empty() && !FolderExists(parent)) Add(parent, true, {});
    entries_[Key(trimmed)] = Entry{FileNamePart(trimmed), folder, std::move(bytes)};
}

void FakeFileSystem::Remove(const std::string& path) {
    const std::string key = Key(path);
    std::erase_if(entries_, [&](const auto& e) { return e.first == key || e.first.starts_with(key + "\\"); });
}

std::optional<std::string> FakeFileSystem::Bytes(const std::string& path) const {
    const auto it = entries_.find(Key(path));
    if (it == entries_.end() || it->second.folder) return std::nullopt;
    return it->second.bytes;
}

bool FakeFileSystem::Is(const std::string& path, bool folder) const {
    const auto it = entries_.find(Key(path));
    return it != entries_.end() && it->second.folder == folder;
}

std::vector<std::string> FakeFileSystem::List(const std::string& folder, bool folders) const {
    std::vector<std::string> names;
    if (!FolderExists(folder)) return names;
    const std::string prefix = Key(folder) + "\\";
    // Keys are folded, so the map's order is case-insensitive name order.
    for (auto it = entries_.lower_bound(prefix); it != entries_.end() && it->first.starts_with(prefix); ++it) {
        if (it->first.find('\\', prefix.size()) == std::string::npos && it->second.folder == folders) {
            names.push_back(it->second.name);
        }
    }
    return names;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) const {
    return unreadable_.contains(Key(path)) ? std::nullopt : Bytes(path);
}

bool FakeFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string key = Key(path);
    if (IsReadOnly(key) || !FolderExists(ParentOf(key)) || FolderExists(path)) return false;
    const auto it = entries_.find(key);
    if (it == entries_.end()) return AddFile(path, std::string(bytes)), true;
    it->second.bytes = std::string(bytes);  // keeps the name's case, as a replaced file does
    return true;
}

bool FakeFileSystem::CreateDirectoryPath(const std::string& path) {
    const std::string folder = Trimmed(path.substr(0, path.find_last_of("\\/") + 1));
    if (folder.empty() || folder == "\\") return true;
    if (FileExists(folder) || IsReadOnly(Key(folder))) return false;
    AddFolder(folder);
    return true;
}

}  // namespace tarn::fakes
