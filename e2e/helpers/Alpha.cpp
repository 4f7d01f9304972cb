// Prints the opacity of the bar's layered window, 0 to 255, or "none" while it has no alpha of its own.
#include <windows.h>

#include <cstdio>

int main() {
    BYTE alpha = 0;
    DWORD flags = 0;
    HWND bar = FindWindowW(L"frmTarnDock", nullptr);
    if (bar == nullptr || !GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags)) return 1;
    flags & LWA_ALPHA ? std::printf("%u\n", alpha) : std::printf("none\n");
    return 0;
}
