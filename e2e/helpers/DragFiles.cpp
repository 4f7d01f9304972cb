// Drags a file list with the platform's own OLE drag and drop, for end-to-end journeys that drive the pointer.
//
//   DragFiles.exe X Y PATH...
//
// Shows a black topmost square of 40 pixels at X,Y (screen pixels) and prints "ready" when it is up. A left-button
// press in the square starts DoDragDrop with a CF_HDROP list of the paths (copy and move allowed); the pointer
// held down is then moved over the target and released. Output and exit code:
//   "effect E"  0   the target accepted the drop with effect E (1 copy, 2 move)
//   "refused"   1   the drop ended with no effect, or the drag was cancelled
//   "timeout"   2   no drop within 20 s of the start
//   "usage: ..."  3
//   "error ..."   4   the helper could not set itself up (the line says which call failed)
#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <type_traits>

namespace {

constexpr int kSize = 40;
constexpr UINT kTimeoutMs = 20000;

int Say(int code, const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return code;
}

// Lives in wmain's frame until after OleUninitialize, so that the reference count never frees it.
class DropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        const bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource);
        *object = known ? this : nullptr;
        return known ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override {
        if (escapePressed || GetTickCount64() >= deadline) return DRAGDROP_S_CANCEL;
        return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    IDataObject* data = nullptr;
    ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
};

LRESULT CALLBACK SquareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* source = reinterpret_cast<DropSource*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if ((message == WM_LBUTTONDOWN || message == WM_TIMER) && source != nullptr) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);  // one drag, one outcome
        if (message == WM_TIMER) {
            PostQuitMessage(Say(2, "timeout"));
            return 0;
        }
        // The press that starts the drag is still down: DoDragDrop follows it until it is released.
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = DoDragDrop(source->data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        if (result == DRAGDROP_S_DROP && effect != DROPEFFECT_NONE) {
            PostQuitMessage(Say(0, "effect " + std::to_string(effect)));
        } else {
            PostQuitMessage(GetTickCount64() >= source->deadline ? Say(2, "timeout") : Say(1, "refused"));
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The shell's file-list format: a DROPFILES header, then each UTF-16 path with its NUL, then one more NUL.
HGLOBAL FileList(int count, wchar_t** paths) {
    std::wstring names;
    for (int i = 0; i < count; ++i) names += std::wstring(paths[i]) + L'\0';
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof header + names.size() * sizeof(wchar_t));
    if (memory == nullptr) return nullptr;
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

int Run(int x, int y, int count, wchar_t** paths, DropSource& source) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &SquareProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"TarnDragFiles";
    if (RegisterClassExW(&wc) == 0) return Say(4, "error RegisterClassExW " + std::to_string(GetLastError()));
    const std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> window(
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"DragFiles", WS_POPUP, x, y, kSize, kSize,
                        nullptr, nullptr, wc.hInstance, &source),
        &DestroyWindow);
    if (!window) return Say(4, "error CreateWindowExW " + std::to_string(GetLastError()));
    // The list goes on the clipboard of the journey's own display, which OLE hands out as a data object.
    const HGLOBAL list = FileList(count, paths);
    if (list == nullptr || !OpenClipboard(window.get())) {
        return Say(4, "error OpenClipboard " + std::to_string(GetLastError()));
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_HDROP, list) != nullptr;
    CloseClipboard();
    if (!set) return Say(4, "error SetClipboardData " + std::to_string(GetLastError()));
    if (const HRESULT hr = OleGetClipboard(&source.data); FAILED(hr)) {
        return Say(4, "error OleGetClipboard " + std::to_string(static_cast<unsigned long>(hr)));
    }
    const std::unique_ptr<IDataObject, void (*)(IDataObject*)> data(source.data, [](IDataObject* d) { d->Release(); });
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    SetTimer(window.get(), 1, kTimeoutMs, nullptr);
    Say(0, "ready");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int x = 0;
    int y = 0;
    if (argc < 4 || std::swscanf(argv[1], L"%d", &x) != 1 || std::swscanf(argv[2], L"%d", &y) != 1) {
        return Say(3, "usage: DragFiles.exe X Y PATH...");
    }
    DropSource source;
    if (const HRESULT hr = OleInitialize(nullptr); FAILED(hr)) {
        return Say(4, "error OleInitialize " + std::to_string(static_cast<unsigned long>(hr)));
    }
    const int result = Run(x, y, argc - 3, argv + 3, source);
    OleUninitialize();
    return result;
}
