// Drags a file list with the platform's own OLE drag and drop, for end-to-end scenarios that drive the pointer.
//
//   DragFiles.exe [--at X,Y] [--size N] [--timeout SECONDS] PATH...
//
// Shows a small topmost square at X,Y (screen pixels, N pixels wide) and prints "ready X Y N" when it is up.
// A left-button press in the square starts DoDragDrop with a CF_HDROP list of the paths (copy and move allowed);
// the pointer held down is then moved over the target and released. Output and exit code:
//   "effect E"  0   the target accepted the drop with effect E (1 copy, 2 move)
//   "refused"   1   the drop ended with no effect, or the drag was cancelled
//   "timeout"   2   no drop within the timeout (default 20 s), counted from the start
//   "usage: ..."  3
//   "error ..."   4   the helper could not set itself up (the line says which call failed)
#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kClassName[] = L"TarnDragFiles";

struct Options {
    int x = 0;
    int y = 0;
    int size = 40;
    ULONGLONG timeoutMs = 20000;
    std::vector<std::wstring> paths;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--at" && i + 1 < argc) {
            if (std::swscanf(argv[++i], L"%d,%d", &options.x, &options.y) != 2) return false;
        } else if (arg == L"--size" && i + 1 < argc) {
            options.size = _wtoi(argv[++i]);
            if (options.size <= 0) return false;
        } else if (arg == L"--timeout" && i + 1 < argc) {
            const int seconds = _wtoi(argv[++i]);
            if (seconds <= 0) return false;
            options.timeoutMs = static_cast<ULONGLONG>(seconds) * 1000;
        } else {
            options.paths.push_back(arg);
        }
    }
    return !options.paths.empty();
}

void Say(const char* text) {
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The shell's file-list format: a DROPFILES header, then each UTF-16 path with its NUL, then one more NUL.
std::vector<char> FileListBytes(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<char> bytes(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    return bytes;
}

// Both COM objects live in wmain's frame until after OleUninitialize, so their counts never free them.
class FileListData final : public IDataObject {
public:
    explicit FileListData(std::vector<char> bytes) : bytes_(std::move(bytes)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (medium == nullptr) return E_POINTER;
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        // The receiver frees the medium: each call hands out a copy of its own.
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        if (memory == nullptr) return E_OUTOFMEMORY;
        void* target = GlobalLock(memory);
        std::memcpy(target, bytes_.data(), bytes_.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format == nullptr) return E_INVALIDARG;
        if (format->cfFormat != CF_HDROP || (format->tymed & TYMED_HGLOBAL) == 0) return DV_E_FORMATETC;
        if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out != nullptr) out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (formats == nullptr) return E_POINTER;
        *formats = nullptr;
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format = FileListFormat();
        return SHCreateStdEnumFmtEtc(1, &format, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<char> bytes_;
    std::atomic<ULONG> references_{1};
};

class DropSource final : public IDropSource {
public:
    explicit DropSource(ULONGLONG deadline) : deadline_(deadline) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override {
        if (escapePressed || GetTickCount64() >= deadline_) {
            timedOut_ = !escapePressed;
            return DRAGDROP_S_CANCEL;
        }
        return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    bool TimedOut() const { return timedOut_; }

private:
    ULONGLONG deadline_;
    bool timedOut_ = false;
    std::atomic<ULONG> references_{1};
};

struct DragSession {
    FileListData* data;
    DropSource* source;
    int exitCode = 2;
    bool finished = false;
};

LRESULT CALLBACK SquareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* session = reinterpret_cast<DragSession*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_LBUTTONDOWN && session != nullptr && !session->finished) {
        // The press that starts the drag is still down: DoDragDrop follows it until it is released.
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result =
            DoDragDrop(session->data, session->source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        session->finished = true;
        if (result == DRAGDROP_S_DROP && effect != DROPEFFECT_NONE) {
            const std::string line = "effect " + std::to_string(effect);
            Say(line.c_str());
            session->exitCode = 0;
        } else if (session->source->TimedOut()) {
            Say("timeout");
            session->exitCode = 2;
        } else {
            Say("refused");
            session->exitCode = 1;
        }
        PostQuitMessage(session->exitCode);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class SquareWindow {
public:
    SquareWindow(const Options& options, DragSession& session) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &SquareProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
        wc.hbrBackground = brush_;
        wc.lpszClassName = kClassName;
        RegisterClassExW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"DragFiles", WS_POPUP, options.x,
                                options.y, options.size, options.size, nullptr, nullptr, GetModuleHandleW(nullptr),
                                &session);
    }
    SquareWindow(const SquareWindow&) = delete;
    SquareWindow& operator=(const SquareWindow&) = delete;
    ~SquareWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
        UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
        DeleteObject(brush_);
    }
    HWND Hwnd() const { return hwnd_; }

private:
    HBRUSH brush_ = CreateSolidBrush(RGB(255, 0, 255));
    HWND hwnd_ = nullptr;
};

int Run(const Options& options, DragSession& session, ULONGLONG deadline) {
    const SquareWindow window(options, session);
    if (window.Hwnd() == nullptr) {
        const std::string error = "error CreateWindowExW " + std::to_string(GetLastError());
        Say(error.c_str());
        return 4;
    }
    ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.Hwnd());
    const std::string ready = "ready " + std::to_string(options.x) + " " + std::to_string(options.y) + " " +
                              std::to_string(options.size);
    Say(ready.c_str());

    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            Say("timeout");
            return 2;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        Say("usage: DragFiles.exe [--at X,Y] [--size N] [--timeout SECONDS] PATH...");
        return 3;
    }
    const ULONGLONG deadline = GetTickCount64() + options.timeoutMs;
    FileListData data(FileListBytes(options.paths));
    DropSource source(deadline);
    DragSession session{&data, &source};
    if (const HRESULT hr = OleInitialize(nullptr); FAILED(hr)) {
        const std::string error = "error OleInitialize " + std::to_string(static_cast<unsigned long>(hr));
        Say(error.c_str());
        return 4;
    }
    const int result = Run(options, session, deadline);
    OleUninitialize();
    return result;
}
