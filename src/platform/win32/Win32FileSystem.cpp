#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <string>

#include "platform/ReplaceNames.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Log.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

constexpr DWORD kRenameRetryMs = 50;
constexpr DWORD kMaxChunk = 1u << 30;

DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::vector<std::string> List(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data{};
    UniqueFindHandle find(FindFirstFileExW(Widen(JoinPath(folder, "*")).c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return names;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders) names.push_back(Narrow(name));
    } while (FindNextFileW(find.get(), &data));
    return names;
}

// The folder part of a path, its last separator included, and the name after it.
std::size_t NameStart(const std::wstring& path) {
    const auto last = std::find_if(path.rbegin(), path.rend(), IsSeparator);
    return static_cast<std::size_t>(path.rend() - last);
}

// Temporary files of the target that writers which no longer run left behind (killed while writing).
void RemoveStaleTemporaries(const std::wstring& target) {
    const std::size_t nameStart = NameStart(target);
    const std::wstring folder = target.substr(0, nameStart);
    const std::string name = Narrow(target.substr(nameStart));
    WIN32_FIND_DATAW data{};
    const UniqueFindHandle all(FindFirstFileW((target + L".*.tmp").c_str(), &data));
    if (!all) return;
    do {
        const auto owner = ReplaceTemporaryOwner(Narrow(data.cFileName), name);
        if (!owner || *owner == GetCurrentProcessId()) continue;
        const UniqueKernelHandle process(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(*owner)));
        if (process || GetLastError() == ERROR_ACCESS_DENIED) continue;  // its writer still runs
        DeleteFileW((folder + data.cFileName).c_str());
    } while (FindNextFileW(all.get(), &data));
}

// Each step of a replace one call of the platform, on the one temporary file it creates.
class Win32ReplaceSteps final : public ReplaceSteps {
public:
    Result Create(const std::string& path) override {
        file_.reset(
            CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file_) return Result::Done;
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Result::Again : Result::Failed;
    }
    std::size_t Write(std::string_view bytes) override {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kMaxChunk));
        DWORD written = 0;
        return ::WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr) && written == chunk ? chunk : 0;
    }
    bool Flush() override { return FlushFileBuffers(file_.get()) != FALSE; }
    bool Close() override { return file_.close(); }
    Result Rename(const std::string& from, const std::string& to) override {
        if (MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return Result::Done;
        renameError = GetLastError();
        const bool held = renameError == ERROR_SHARING_VIOLATION || renameError == ERROR_ACCESS_DENIED ||
                          renameError == ERROR_LOCK_VIOLATION;
        return held ? Result::Again : Result::Failed;
    }
    void Pause() override { Sleep(kRenameRetryMs); }
    void Delete(const std::string& path) override { DeleteFileW(Widen(path).c_str()); }

    DWORD renameError = 0;  // of the last rename that failed

private:
    UniqueKernelHandle file_;
};

// Where the folders that can be created begin: after "\\server\share" or a "\\?\" prefix.
std::size_t CreatableStart(const std::wstring& path) {
    const auto skipComponents = [&](std::size_t from, int count) {
        std::size_t pos = from;
        for (int k = 0; k < count && pos < path.size(); ++k) {
            while (pos < path.size() && !IsSeparator(path[pos])) ++pos;
            if (k + 1 < count && pos < path.size()) ++pos;
        }
        return pos;
    };
    if (path.starts_with(L"\\\\?\\UNC\\")) return skipComponents(8, 2);
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) return 4;
    if (path.starts_with(L"\\\\")) return skipComponents(2, 2);
    return 0;
}

bool EnsureFolder(const std::wstring& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    // Already there (as a folder), or a parent the user may not create in but that exists.
    return IsFolder(Attributes(folder));
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) const {
    const DWORD attributes = Attributes(Widen(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) const { return IsFolder(Attributes(Widen(path))); }

std::vector<std::string> Win32FileSystem::ListFiles(const std::string& folder) const { return List(folder, false); }

std::vector<std::string> Win32FileSystem::ListFolders(const std::string& folder) const { return List(folder, true); }

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) const {
    UniqueKernelHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kMaxChunk));
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
        if (read == 0) break;  // the file became shorter meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool Win32FileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    // MoveFileExW replaces a read-only file under Wine, where Windows refuses; refuse it here on both.
    const DWORD attributes = Attributes(target);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }
    Win32ReplaceSteps steps;
    if (!ReplaceThroughTemporary(steps, path, bytes, GetCurrentProcessId())) {
        if (steps.renameError != 0) Log(L"MoveFileExW of a replaced file", steps.renameError);
        return false;
    }
    RemoveStaleTemporaries(target);
    return true;
}

bool Win32FileSystem::CreateDirectoryPath(const std::string& path) {
    const std::wstring wide = Widen(path);
    const auto last = std::find_if(wide.rbegin(), wide.rend(), IsSeparator);
    if (last == wide.rend()) return true;
    const std::wstring folder(wide.begin(), last.base() - 1);
    const std::size_t start = CreatableStart(folder);
    // Every prefix that ends before a separator, then the folder itself; drives ("C:") are not created.
    for (std::size_t i = start; i <= folder.size(); ++i) {
        if (i < folder.size() && !IsSeparator(folder[i])) continue;
        if (i == 0 || i <= start || IsSeparator(folder[i - 1]) || folder[i - 1] == L':') continue;
        if (!EnsureFolder(folder.substr(0, i))) return false;
    }
    return true;
}

}  // namespace tarn::win32
