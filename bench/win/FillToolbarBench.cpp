// Times FillToolbar on a folder of N real files against the floor of its shell queries alone (the small system
// icon index and the program test, SHGetFileInfoW twice per file), in the same run.
//   wine64 fill_toolbar_bench.exe [N]
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bar/ProgramHost.h"
#include "bar/frmTarnDock.h"
#include "bar/win32/BarWindow.h"
#include "bar/win32/ToolTipWindow.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextCodec.h"
#include "FreeGdiHandles.h"

namespace {

using namespace tarn;
using Steady = std::chrono::steady_clock;

class BenchHost final : public ProgramHost {
public:
    void UnloadWindow(FormName) override {}
    void EndProgram() override {}
    int ShowFoldersToEdit(const std::string&) override { return 2; }
    int ShowEditOrder(const std::string&, bool) override { return 2; }
    void ShowOptions() override {}
    void ShowHelp() override {}
};

double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int count = argc > 1 ? _wtoi(argv[1]) : 1000;
    OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarn-fill-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    win32::Win32FileSystem fs;
    // What an interrupted earlier run left there would be counted as well.
    for (const std::string& name : fs.ListFiles(win32::Narrow(folder))) {
        DeleteFileW((folder + L"\\" + win32::Widen(name)).c_str());
    }
    // A mix of types, so that the icons repeat as in a real button folder.
    const wchar_t* kinds[] = {L".txt", L".exe", L".bmp", L".html", L".ini", L".bat"};
    std::vector<std::wstring> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(folder + L"\\file" + std::to_wstring(i) + kinds[i % 6]);
        const HANDLE file = CreateFileW(paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }

    win32::Win32TextCodec codec;
    win32::Win32Shell shell;
    win32::Win32Clock clock;
    win32::Win32Screen screen;
    win32::Win32MessageBox messageBox;
    BenchHost host;
    win32::ToolTipWindow tip(screen);
    win32::BarWindow window({fs, codec, shell, clock, screen, messageBox}, screen, host, tip.Form(), nullptr);
    frmTarnDock& bar = window.Form();
    bar.CurrentSettings().FolderPath = win32::Narrow(folder);

    // The floor: the two shell queries of every file, with the shell's caches as warm as FillToolbar finds them.
    auto floor = Steady::duration::max();
    auto fill = Steady::duration::max();
    for (int round = 0; round < 3; ++round) {
        const auto start = Steady::now();
        for (const std::wstring& path : paths) {
            SHFILEINFOW info{};
            SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
            SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_EXETYPE);
        }
        floor = std::min(floor, Steady::now() - start);
        const auto filled = Steady::now();
        bar.FillToolbar();
        fill = std::min(fill, Steady::now() - filled);
    }
    std::printf("files %d: shell floor %.3f ms/file, FillToolbar %.3f ms/file, ratio %.2f, buttons %d\n", count,
                Ms(floor) / count, Ms(fill) / count, Ms(fill) / Ms(floor), window.ToolbarControl().Count());
    // A rebuild starts by emptying the toolbar, so that must stay linear in the number of buttons too.
    const auto cleared = Steady::now();
    window.ToolbarControl().Clear();
    std::printf("emptying the toolbar of %d buttons: %.3f ms\n", count, Ms(Steady::now() - cleared));

    // Leaks: the GDI handles still free.
    for (int i = 0; i < 10; ++i) bar.FillToolbar();  // warm the allocator and the caches
    const std::size_t before = FreeGdiHandles();
    for (int i = 0; i < 200; ++i) bar.FillToolbar();
    std::vector<MenuItem> entries;
    for (int i = 0; i < 20; ++i)
        entries.push_back({"entry " + std::to_string(i), {}, true, std::string("I3"), {80, 16}});
    // Each menu is closed as soon as its modal loop runs.
    SetTimer(window.Hwnd(), 77, 1, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    for (int i = 0; i < 300; ++i) window.Popup().Show(entries, Point{40, 40});
    const std::size_t middle = FreeGdiHandles();
    for (int i = 0; i < 300; ++i) window.Popup().Show(entries, Point{40, 40});
    for (int i = 0; i < 200; ++i) bar.FillToolbar();
    KillTimer(window.Hwnd(), 77);
    std::printf(
        "free GDI handles: %zu before, %zu after 200 rebuilds and 300 menus of 20 bitmaps, %zu after as "
        "many again\n",
        before, middle, FreeGdiHandles());
    window.EndHandlers();
    for (const std::wstring& path : paths) DeleteFileW(path.c_str());
    DeleteFileW((folder + L"\\TarnDock_Folder.ini").c_str());
    RemoveDirectoryW(folder.c_str());
    OleUninitialize();
    return 0;
}
