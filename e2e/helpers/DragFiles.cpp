// Drags a file list with the platform's own OLE drag and drop:  DragFiles.exe X Y PATH...
// Shows a black square of 40 pixels at X,Y and prints "ready"; a left-button press on it starts the drag of the
// paths (copy and move allowed), and once the button is released it prints "effect E" (1 copy, 2 move) or "refused".
// A helper that cannot set itself up prints "error" and what failed.
#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

IDataObject* g_files = nullptr;

// Static, so the reference count never frees it.
struct DropSource final : IDropSource {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        return escape ? DRAGDROP_S_CANCEL : (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
} g_source;

int Fail(const char* what) {
    std::printf("error\n%s: %lu\n", what, GetLastError());
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || FAILED(OleInitialize(nullptr))) return Fail("OleInitialize");
    // The shell's file list: a DROPFILES header, then each UTF-16 path with its NUL, then one more NUL.
    std::wstring names;
    for (int i = 3; i < argc; ++i) names += std::wstring(argv[i]) + L'\0';
    const DROPFILES header{sizeof(DROPFILES), {}, FALSE, TRUE};
    const HGLOBAL list = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + (names.size() + 1) * 2);
    auto* bytes = static_cast<char*>(GlobalLock(list));
    if (bytes == nullptr) return Fail("GlobalAlloc");
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, names.data(), names.size() * 2);
    GlobalUnlock(list);
    const HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"",
                                        WS_POPUP | WS_VISIBLE | SS_BLACKRECT | SS_NOTIFY, _wtoi(argv[1]),
                                        _wtoi(argv[2]), 40, 40, nullptr, nullptr, nullptr, nullptr);
    // The list goes on the clipboard of the journey's own display, which OLE hands out as a data object.
    if (window == nullptr || !OpenClipboard(window)) return Fail("OpenClipboard");
    const bool set = EmptyClipboard() && SetClipboardData(CF_HDROP, list) != nullptr;
    CloseClipboard();
    if (!set || FAILED(OleGetClipboard(&g_files))) return Fail("SetClipboardData");
    std::puts("ready");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0 && msg.message != WM_LBUTTONDOWN) DispatchMessageW(&msg);
    // The press is still down: DoDragDrop follows the pointer until it is released.
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(g_files, &g_source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    std::printf(result == DRAGDROP_S_DROP && effect != DROPEFFECT_NONE ? "effect %lu\n" : "refused\n", effect);
    g_files->Release();
    OleUninitialize();
    return 0;
}
