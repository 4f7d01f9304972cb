// Put on the bar by the journeys: appends its command line to probe.log beside itself (UTF-8, CR LF) and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::string out(WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.replace(out.size() - 1, 1, "\r\n");  // in place of the final NUL
    std::wstring path(MAX_PATH, L'\0');      // the journeys' folders are short
    // The name after the last backslash of the module's path becomes probe.log.
    path.replace(path.rfind(L'\\', GetModuleFileNameW(nullptr, path.data(), MAX_PATH)) + 1, MAX_PATH, L"probe.log");
    // Appended in one write, so that probes started at once each add their whole line.
    FILE* log = _wfopen(path.c_str(), L"ab");
    return log != nullptr && std::fputs(out.c_str(), log) >= 0 && std::fclose(log) == 0 ? 0 : 1;
}
