// DragFiles.exe X Y PATH...: a black square of 40 pixels at X,Y; once it prints "ready", a left-button press on it
// drags the paths with the platform's own OLE drag and drop (copy and move allowed), and on the release it prints
// "effect E" (1 copy, 2 move) or "refused". It prints nothing when it cannot set itself up.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <string>

// Lives until the end of the program: the reference count never frees it.
struct DropSource final : IDropSource {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override { return *object = this, S_OK; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        return escape ? DRAGDROP_S_CANCEL : (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
} g_source;

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || FAILED(OleInitialize(nullptr))) return 1;
    // The shell's file list: a DROPFILES header, then each UTF-16 path with its NUL, then one more NUL.
    std::wstring list(sizeof(DROPFILES) / sizeof(wchar_t), L'\0');
    for (int i = 3; i < argc; ++i) list += std::wstring(argv[i]) + L'\0';
    *reinterpret_cast<DROPFILES*>(list.data()) = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    const HGLOBAL memory = GlobalAlloc(GMEM_FIXED, (list.size() + 1) * sizeof(wchar_t));
    CopyMemory(memory, list.c_str(), (list.size() + 1) * sizeof(wchar_t));  // with the list's final NUL
    const HWND square = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"",
                                        WS_POPUP | WS_VISIBLE | SS_BLACKRECT | SS_NOTIFY, _wtoi(argv[1]),
                                        _wtoi(argv[2]), 40, 40, nullptr, nullptr, nullptr, nullptr);
    // The list goes on the clipboard of the journey's own display, which OLE hands out as a data object.
    IDataObject* files = nullptr;
    const bool set = OpenClipboard(square) && EmptyClipboard() && SetClipboardData(CF_HDROP, memory) != nullptr;
    if (!CloseClipboard() || !set || FAILED(OleGetClipboard(&files)) || std::puts("ready") < 0 || std::fflush(stdout))
        return 1;
    for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0 && msg.message != WM_LBUTTONDOWN;) DispatchMessageW(&msg);
    // The press is still down: DoDragDrop follows the pointer until it is released.
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(files, &g_source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    // Ends with OLE still set up and the data object held: the process's end frees both.
    return std::printf(result == DRAGDROP_S_DROP && effect ? "effect %lu\n" : "refused\n", effect) < 0;
}
