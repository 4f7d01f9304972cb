// Stands in for the taskbar on a display without a window manager: reports, restores or closes the window
// "TarnDock" of class frmMenu that stands for the minimised bar.
//
//   Restore.exe state     prints "frmMenu visible V iconic I" and "frmTarnDock visible V" (V, I: 0 or 1)
//   Restore.exe restore   posts WM_SYSCOMMAND SC_RESTORE to it, as a click on its taskbar button does
//   Restore.exe close     posts WM_SYSCOMMAND SC_CLOSE to it, as "Close" on its window menu does
// Exit code: 0 done, 1 no such window, 3 usage.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int Visible(HWND hwnd) { return hwnd != nullptr && IsWindowVisible(hwnd) ? 1 : 0; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc == 2 ? argv[1] : L"";
    if (command != L"state" && command != L"restore" && command != L"close") {
        std::puts("usage: Restore.exe state|restore|close");
        return 3;
    }
    const HWND menu = FindWindowW(L"frmMenu", L"TarnDock");
    if (command == L"state") {
        const HWND bar = FindWindowW(L"frmTarnDock", nullptr);
        std::printf("frmMenu visible %d iconic %d\n", Visible(menu), menu != nullptr && IsIconic(menu) ? 1 : 0);
        std::printf("frmTarnDock visible %d\n", Visible(bar));
        std::fflush(stdout);
        return menu != nullptr ? 0 : 1;
    }
    if (menu == nullptr) {
        std::puts("no window frmMenu \"TarnDock\"");
        return 1;
    }
    const WPARAM request = command == L"restore" ? SC_RESTORE : SC_CLOSE;
    return PostMessageW(menu, WM_SYSCOMMAND, request, 0) ? 0 : 1;
}
