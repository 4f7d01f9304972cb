// Times the start of TarnDock.exe on a button folder of 200 entries (100 programs, copies of bare_window.exe with an
// icon each, and 100 shortcuts to them) against the start of bare_window.exe, in turn, from the same folder: from
// CreateProcess until the window is visible (the bar: with every button on its toolbar, polled each millisecond),
// and until the program first waits for input with nothing left to do, its first paint done (WaitForInputIdle).
// A TarnDock.ini beside the copy of TarnDock.exe makes it use the Buttons folder beside it. Each program is closed
// as the system closes it (WM_CLOSE) before the next starts; one start of each comes first, not counted.
// Then where the bar's time goes: a copy of this program in the same folder starts the bar as WinMain does, the real
// App in its own process, and times each step up to its message loop, then a rebuild and the shell queries alone.
//   wine64 start_bench.exe [rounds] [TarnDock.exe]   (12 rounds; the program built beside this one by default)
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "main/win32/App.h"

namespace {

constexpr int kPrograms = 100, kShortcuts = 100;

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring ModuleFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.rfind(L'\\'));
}

bool MakeShortcut(const std::wstring& link, const std::wstring& target) {
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return false;
    IPersistFile* file = nullptr;
    bool saved = SUCCEEDED(shellLink->SetPath(target.c_str())) &&
                 SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    if (file != nullptr) {
        saved = SUCCEEDED(file->Save(link.c_str(), TRUE));
        file->Release();
    }
    shellLink->Release();
    return saved;
}

struct Window {
    DWORD process;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<Window*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t name[64];
    if (process != search.process || !GetClassNameW(hwnd, name, 64) || wcscmp(name, search.windowClass) != 0)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

struct Start {
    double shownMs, idleMs, closeMs;
    int buttons;
};

// Starts the program and waits until its window of that class is visible, with that many toolbar buttons if any.
Start TimeStart(const std::wstring& exe, const std::wstring& folder, const wchar_t* windowClass, int buttons) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    const double started = NowMs();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        std::printf("cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
        std::exit(1);
    }
    Start result{-1, -1, -1, 0};
    Window window{process.dwProcessId, windowClass, nullptr};
    while (NowMs() - started < 60000) {
        window.found = nullptr;
        EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&window));
        if (window.found != nullptr && IsWindowVisible(window.found)) {
            const HWND toolbar = FindWindowExW(window.found, nullptr, L"ToolbarWindow32", nullptr);
            DWORD_PTR count = 0;
            if (toolbar != nullptr) SendMessageTimeoutW(toolbar, TB_BUTTONCOUNT, 0, 0, SMTO_BLOCK, 1000, &count);
            result.buttons = static_cast<int>(count);
            if (result.buttons >= buttons) {
                result.shownMs = NowMs() - started;
                break;
            }
        }
        Sleep(1);
    }
    if (WaitForInputIdle(process.hProcess, 60000) == 0) result.idleMs = NowMs() - started;
    const double closed = NowMs();
    if (window.found != nullptr) PostMessageW(window.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    result.closeMs = NowMs() - closed;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

struct Spread {
    double median, min, max;
};

Spread Of(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return {n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2, values.front(), values.back()};
}

void Print(const char* what, const std::vector<double>& values, const char* unit) {
    const Spread s = Of(values);
    std::printf("%-34s median %8.2f%s, min %8.2f%s, max %8.2f%s\n", what, s.median, unit, s.min, unit, s.max, unit);
}

// The steps of the bar's start, in ms, in the order they run.
constexpr const char* kPhases[] = {"process created to wmain",
                                   "OleInitialize, InitCommonControlsEx",
                                   "App: its windows made",
                                   "Form_Load and show, to the loop's first timer",
                                   "a rebuild (F5), caches warm",
                                   "its shell queries alone: icon indices",
                                   "and program tests"};
double phaseStart = 0;
std::vector<double> phases;

void CALLBACK FirstTick(HWND, UINT timer, UINT_PTR, DWORD) {
    KillTimer(nullptr, timer);
    phases.push_back(NowMs() - phaseStart);
    HWND bar = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) {
            wchar_t name[64];
            if (GetClassNameW(hwnd, name, 64) && wcscmp(name, L"frmTarnDock") == 0)
                *reinterpret_cast<HWND*>(lParam) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&bar));
    phaseStart = NowMs();
    SendMessageW(bar, WM_KEYDOWN, VK_F5, 0);
    phases.push_back(NowMs() - phaseStart);
    // What FillToolbar asks the shell of each file, as fill_toolbar_bench.exe times it, one query at a time.
    const std::wstring buttons = ModuleFolder() + L"\\Buttons\\";
    for (const UINT query : {SHGFI_SYSICONINDEX | SHGFI_SMALLICON, SHGFI_EXETYPE}) {
        WIN32_FIND_DATAW found;
        phaseStart = NowMs();
        const HANDLE find = FindFirstFileW((buttons + L"*").c_str(), &found);
        do {
            SHFILEINFOW info{};
            const std::wstring path = buttons + found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, query);
        } while (FindNextFileW(find, &found));
        FindClose(find);
        phases.push_back(NowMs() - phaseStart);
    }
    PostMessageW(bar, WM_CLOSE, 0, 0);
}

// In the copy beside the bar's button folder: the start that WinMain makes, timed step by step.
int TimePhases() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    phases.push_back(static_cast<double>(ticks(now) - ticks(created)) / 10000.0);
    phaseStart = NowMs();
    OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    phases.push_back(NowMs() - phaseStart);
    phaseStart = NowMs();
    {
        tarn::win32::App app;
        phases.push_back(NowMs() - phaseStart);
        phaseStart = NowMs();
        SetTimer(nullptr, 0, 1, &FirstTick);
        app.Run();
    }
    OleUninitialize();
    for (const double ms : phases) std::printf("%.3f\n", ms);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc > 1 && wcscmp(argv[1], L"phases") == 0) return TimePhases();
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 12;
    const std::wstring here = ModuleFolder();
    const std::wstring tarnDock = argc > 2 ? std::wstring(argv[2]) : here + L"\\..\\src\\TarnDock.exe";
    const std::wstring bare = here + L"\\bare_window.exe";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarn-start-bench";
    const std::wstring buttons = folder + L"\\Buttons";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW(buttons.c_str(), nullptr);
    std::vector<std::wstring> made{folder + L"\\TarnDock.exe", folder + L"\\bare_window.exe",
                                   folder + L"\\TarnDock.ini", buttons + L"\\TarnDock_Folder.ini",
                                   folder + L"\\start_bench.exe"};
    if (!CopyFileW(tarnDock.c_str(), made[0].c_str(), FALSE) || !CopyFileW(bare.c_str(), made[1].c_str(), FALSE) ||
        !CopyFileW((here + L"\\start_bench.exe").c_str(), made[4].c_str(), FALSE)) {
        std::printf("cannot copy %ls and %ls\n", tarnDock.c_str(), bare.c_str());
        return 1;
    }
    const HANDLE ini = CreateFileW(made[2].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(ini);              // empty: every setting its default, the button folder beside the program
    DeleteFileW(made[3].c_str());  // a fresh order, read from the folder the first time
    for (int i = 0; i < kPrograms; ++i) {
        made.push_back(buttons + L"\\program " + std::to_wstring(i) + L".exe");
        CopyFileW(bare.c_str(), made.back().c_str(), FALSE);
    }
    for (int i = 0; i < kShortcuts; ++i) {
        made.push_back(buttons + L"\\shortcut " + std::to_wstring(i) + L".lnk");
        if (!MakeShortcut(made.back(), made[5 + i])) std::printf("cannot make %ls\n", made.back().c_str());
    }

    std::vector<double> barShown, barIdle, bareShown, bareIdle, ratioShown, ratioIdle, barClose, bareClose;
    for (int round = -1; round < rounds; ++round) {
        const Start a = TimeStart(made[0], folder, L"frmTarnDock", kPrograms + kShortcuts);
        const Start b = TimeStart(made[1], folder, L"TarnBareWindow", 0);
        if (round < 0) {
            std::printf(
                "warm-up: TarnDock.exe shown after %.1f ms with %d buttons, idle after %.1f ms; bare window "
                "%.1f ms, %.1f ms\n",
                a.shownMs, a.buttons, a.idleMs, b.shownMs, b.idleMs);
            continue;
        }
        barShown.push_back(a.shownMs);
        barIdle.push_back(a.idleMs);
        bareShown.push_back(b.shownMs);
        bareIdle.push_back(b.idleMs);
        ratioShown.push_back(a.shownMs / b.shownMs);
        ratioIdle.push_back(a.idleMs / b.idleMs);
        barClose.push_back(a.closeMs);
        bareClose.push_back(b.closeMs);
    }
    std::printf("%d starts of each, in turn:\n", rounds);
    Print("TarnDock.exe shown with 200 buttons", barShown, " ms");
    Print("bare window shown", bareShown, " ms");
    Print("ratio, start by start", ratioShown, "   ");
    Print("TarnDock.exe idle, first paint done", barIdle, " ms");
    Print("bare window idle", bareIdle, " ms");
    Print("ratio, start by start", ratioIdle, "   ");
    Print("TarnDock.exe from WM_CLOSE to its end", barClose, " ms");
    Print("bare window from WM_CLOSE to its end", bareClose, " ms");

    // Five starts of the copy of this program, each reading back what it timed.
    std::vector<std::vector<double>> steps(std::size(kPhases));
    for (int run = 0; run < 5; ++run) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE readEnd = nullptr, writeEnd = nullptr;
        CreatePipe(&readEnd, &writeEnd, &inherit, 0);
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + made[4] + L"\" phases";
        if (!CreateProcessW(made[4].c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                            &startup, &process))
            break;
        CloseHandle(writeEnd);
        std::string out;
        char buffer[256];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
        CloseHandle(readEnd);
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::size_t at = 0;
        for (auto& step : steps) {
            if (at >= out.size()) break;
            step.push_back(std::atof(out.c_str() + at));
            at = out.find('\n', at) + 1;
        }
    }
    std::printf("the bar's start in the real App, step by step (5 starts):\n");
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (!steps[i].empty()) Print(kPhases[i], steps[i], " ms");
    }

    for (auto it = made.rbegin(); it != made.rend(); ++it) DeleteFileW(it->c_str());
    RemoveDirectoryW(buttons.c_str());
    RemoveDirectoryW(folder.c_str());
    CoUninitialize();
    return 0;
}
