// Put on the bar by the journeys: appends its command line to probe.log beside itself (UTF-8, CR LF) and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const wchar_t* command = GetCommandLineW();
    std::string line(WideCharToMultiByte(CP_UTF8, 0, command, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, command, -1, line.data(), static_cast<int>(line.size()), nullptr, nullptr);
    line.replace(line.size() - 1, 1, "\r\n");  // in place of the final NUL
    std::wstring path(MAX_PATH, L'\0');        // the journeys' folders are short
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path.replace(path.find_last_of(L'\\') + 1, std::wstring::npos, L"probe.log");
    // Appended in one write, so that probes started at once each add their whole line.
    FILE* log = _wfopen(path.c_str(), L"ab");
    return log != nullptr && std::fputs(line.c_str(), log) >= 0 && std::fclose(log) == 0 ? 0 : 1;
}
