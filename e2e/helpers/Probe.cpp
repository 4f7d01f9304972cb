// A program that end-to-end scenarios put on the bar: it appends how it was started to "probe.log" beside
// itself, one line per start (the command line, a TAB, then its arguments joined by TAB; UTF-8, CRLF), and ends.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

namespace {

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

class LocalArgv {
public:
    explicit LocalArgv(const wchar_t* commandLine) : argv_(CommandLineToArgvW(commandLine, &count_)) {}
    LocalArgv(const LocalArgv&) = delete;
    LocalArgv& operator=(const LocalArgv&) = delete;
    ~LocalArgv() {
        if (argv_ != nullptr) LocalFree(argv_);
    }
    int Count() const { return argv_ != nullptr ? count_ : 0; }
    const wchar_t* operator[](int i) const { return argv_[i]; }

private:
    int count_ = 0;
    wchar_t** argv_;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (Valid()) CloseHandle(handle_);
    }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const wchar_t* commandLine = GetCommandLineW();
    std::string line = Utf8(commandLine);
    const LocalArgv argv(commandLine);
    for (int i = 0; i < argv.Count(); ++i) line += '\t' + Utf8(argv[i]);
    line += "\r\n";

    std::wstring logPath = OwnPath();
    const std::size_t slash = logPath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return 1;
    logPath.resize(slash + 1);
    logPath += L"probe.log";

    // Appending only, and shared, so that several probes started at once each add their whole line.
    const FileHandle file(CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return ok && written == line.size() ? 0 : 1;
}
