// Stands in for the taskbar on a display without a window manager, for the window "TarnDock" of class frmMenu that
// stands for the minimised bar. "state" prints whether it is visible and iconic and whether the bar is visible
// (0 or 1 each); "restore" and "close" post it SC_RESTORE or SC_CLOSE, as its taskbar button and window menu do.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const HWND menu = FindWindowW(L"frmMenu", L"TarnDock");
    const std::wstring command = argc == 2 ? argv[1] : L"";
    if (command == L"state") {
        return std::printf("%d %d %d\n", IsWindowVisible(menu), IsIconic(menu),
                           IsWindowVisible(FindWindowW(L"frmTarnDock", nullptr))) < 0;
    }
    const WPARAM request = command == L"restore" ? SC_RESTORE : command == L"close" ? SC_CLOSE : 0;
    return request != 0 && PostMessageW(menu, WM_SYSCOMMAND, request, 0) ? 0 : 1;
}
