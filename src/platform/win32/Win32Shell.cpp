#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>
#include <utility>

#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Log.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

struct CoTaskMemDeleter {
    void operator()(void* p) const { CoTaskMemFree(p); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, CoTaskMemDeleter>;

bool IsShortcut(const std::string& path) { return AsciiLower(ExtensionOf(path)) == "lnk"; }

}  // namespace

std::string Win32Shell::GetSpecialFolderPath(SpecialFolder folder) {
    int csidl = CSIDL_LOCAL_APPDATA;
    switch (folder) {
        case SpecialFolder::LocalAppData: csidl = CSIDL_LOCAL_APPDATA; break;
    }
    LPITEMIDLIST raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &raw)) || !raw) return {};
    const ItemIdList list(raw);
    wchar_t buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(list.get(), buffer)) return {};
    return Narrow(buffer);
}

int Win32Shell::SmallIconIndex(const std::string& path) {
    SHFILEINFOW info{};
    // The result is the shell's own system image list, which is never freed.
    if (!SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return 0;
    return info.iIcon;
}

bool Win32Shell::IsExecutable(const std::string& path) {
    // SHGFI_EXETYPE cannot be combined with any other flag.
    SHFILEINFOW info{};
    return SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof info, SHGFI_EXETYPE) != 0;
}

std::string Win32Shell::GetLinkTarget(const std::string& path) {
    if (!IsShortcut(path)) return path;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()))) {
        return path;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return path;
    if (FAILED(file->Load(Widen(path).c_str(), STGM_READ))) return path;
    // The stored path only: resolving would search for a moved target and could show a dialog.
    std::wstring target(32768, L'\0');
    if (link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0) != S_OK) return path;
    target.resize(wcsnlen(target.c_str(), target.size()));
    return target.empty() ? path : Narrow(target);
}

void Win32Shell::Open(const std::string& file, const std::string& parameters) {
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    const HINSTANCE result =
        ShellExecuteW(GetDesktopWindow(), L"open", wideFile.c_str(),
                      parameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
    // Values up to 32 are errors (the platform's own old error codes).
    if (reinterpret_cast<INT_PTR>(result) <= 32) {
        Log(L"ShellExecuteW", static_cast<DWORD>(reinterpret_cast<INT_PTR>(result)));
    }
}

void Win32Shell::OpenFolder(const std::string& folder) {
    // The folder goes to the shell as a path, never through a command line, which would split it at commas.
    const std::wstring wideFolder = Widen(folder);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = GetDesktopWindow();
    info.lpVerb = L"open";
    info.lpFile = wideFolder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) LogLastError(L"ShellExecuteExW of a folder");
}

}  // namespace tarn::win32
