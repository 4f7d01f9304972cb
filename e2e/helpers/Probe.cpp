// Put on the bar by the journeys: appends its command line to probe.log beside itself (UTF-8, CR LF) and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const wchar_t* command = GetCommandLineW();
    std::string line(WideCharToMultiByte(CP_UTF8, 0, command, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, command, -1, line.data(), static_cast<int>(line.size()), nullptr, nullptr);
    line.replace(line.size() - 1, 1, "\r\n");  // in place of the final NUL
    std::wstring path(MAX_PATH, L'\0');        // the journeys' folders are short
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path.replace(path.find_last_of(L'\\') + 1, std::wstring::npos, L"probe.log");
    // Appending only, and shared, so that probes started at once each add their whole line.
    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return CloseHandle(file) && ok && written == line.size() ? 0 : 1;
}
