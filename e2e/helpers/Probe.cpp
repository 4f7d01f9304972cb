// A program that end-to-end journeys put on the bar: it appends how it was started to "probe.log" beside
// itself, one line per start (the command line, a TAB, then its arguments joined by TAB; UTF-8, CRLF), and ends.
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const wchar_t* commandLine = GetCommandLineW();
    std::string line = Utf8(commandLine);
    int count = 0;
    const std::unique_ptr<wchar_t*, decltype(&LocalFree)> argv(CommandLineToArgvW(commandLine, &count), &LocalFree);
    for (int i = 0; argv && i < count; ++i) line += '\t' + Utf8(argv.get()[i]);
    line += "\r\n";

    // The journeys' folders are short: MAX_PATH holds the program's path.
    std::wstring logPath(MAX_PATH, L'\0');
    logPath.resize(GetModuleFileNameW(nullptr, logPath.data(), MAX_PATH));
    const std::size_t slash = logPath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return 1;
    logPath.replace(slash + 1, std::wstring::npos, L"probe.log");

    // Appending only, and shared, so that several probes started at once each add their whole line.
    const HANDLE opened = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return 1;
    const std::unique_ptr<void, decltype(&CloseHandle)> file(opened, &CloseHandle);
    DWORD written = 0;
    const BOOL ok = WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return ok && written == line.size() ? 0 : 1;
}
