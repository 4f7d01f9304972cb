// Prints the opacity of the bar's layered window, 0 to 255, or "none" while it has no alpha of its own.
#include <windows.h>

#include <cstdio>

int main() {
    BYTE alpha = 0;
    DWORD flags = 0;
    // Fails as well when there is no bar, on the null window.
    if (!GetLayeredWindowAttributes(FindWindowW(L"frmTarnDock", nullptr), nullptr, &alpha, &flags)) return 1;
    return (flags & LWA_ALPHA ? std::printf("%u\n", alpha) : std::printf("none\n")) < 0;
}
