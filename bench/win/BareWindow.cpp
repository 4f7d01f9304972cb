// The floor for the bar's start: a bare program with what the bar has and nothing more, a window class of its own,
// one layered top-most window, a 50 ms timer and a message loop. start_bench.exe starts it beside TarnDock.exe.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TarnBareWindow";
    if (!RegisterClassW(&windowClass)) return 1;
    const HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST, windowClass.lpszClassName, L"Bare window",
                                      WS_POPUP | WS_THICKFRAME, 0, 0, 600, 40, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) return 1;
    SetLayeredWindowAttributes(hwnd, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    SetTimer(hwnd, 1, 50, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
