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
#include <vector>

namespace {

constexpr int kSize = 40;
constexpr UINT_PTR kTimer = 1;
constexpr UINT kTimeoutMs = 20000;

int Say(int code, const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return code;
}

// The data object and the drop source in one, living in wmain's frame until after OleUninitialize, so that
// the reference count never frees it.
class Drag final : public IDataObject, public IDropSource {
public:
    explicit Drag(const std::vector<std::wstring>& paths) : deadline_(GetTickCount64() + kTimeoutMs) {
        // The shell's file-list format: a DROPFILES header, then each UTF-16 path with its NUL, then one more NUL.
        std::wstring names;
        for (const std::wstring& path : paths) names += path + L'\0';
        names += L'\0';
        DROPFILES header{};
        header.pFiles = sizeof header;
        header.fWide = TRUE;
        bytes_.resize(sizeof header + names.size() * sizeof(wchar_t));
        std::memcpy(bytes_.data(), &header, sizeof header);
        std::memcpy(bytes_.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) *object = static_cast<IDataObject*>(this);
        if (IsEqualIID(riid, IID_IDropSource)) *object = static_cast<IDropSource*>(this);
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (medium == nullptr) return E_POINTER;
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        // The receiver frees the medium: each call hands out a copy of its own.
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        if (memory == nullptr) return E_OUTOFMEMORY;
        std::memcpy(GlobalLock(memory), bytes_.data(), bytes_.size());
        GlobalUnlock(memory);
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format == nullptr) return E_INVALIDARG;
        if (format->cfFormat != CF_HDROP || (format->tymed & TYMED_HGLOBAL) == 0) return DV_E_FORMATETC;
        return format->dwAspect == DVASPECT_CONTENT ? S_OK : DV_E_DVASPECT;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out != nullptr) out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (formats == nullptr) return E_POINTER;
        *formats = nullptr;
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &format, formats) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override {
        if (escapePressed || GetTickCount64() >= deadline_) return DRAGDROP_S_CANCEL;
        return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    // The press that starts the drag is still down: DoDragDrop follows it until it is released.
    int Run() {
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = DoDragDrop(this, this, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        if (result == DRAGDROP_S_DROP && effect != DROPEFFECT_NONE) return Say(0, "effect " + std::to_string(effect));
        return GetTickCount64() >= deadline_ ? Say(2, "timeout") : Say(1, "refused");
    }

private:
    std::vector<char> bytes_;
    ULONGLONG deadline_;
};

LRESULT CALLBACK SquareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* drag = reinterpret_cast<Drag*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if ((message == WM_LBUTTONDOWN || message == WM_TIMER) && drag != nullptr) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);  // one drag, one outcome
        PostQuitMessage(message == WM_TIMER ? Say(2, "timeout") : drag->Run());
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Show(int x, int y, Drag& drag) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &SquareProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"TarnDragFiles";
    if (RegisterClassExW(&wc) == 0) return Say(4, "error RegisterClassExW " + std::to_string(GetLastError()));
    const std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> window(
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"DragFiles", WS_POPUP, x, y, kSize, kSize,
                        nullptr, nullptr, wc.hInstance, &drag),
        &DestroyWindow);
    if (!window) return Say(4, "error CreateWindowExW " + std::to_string(GetLastError()));
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    SetTimer(window.get(), kTimer, kTimeoutMs, nullptr);
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
    Drag drag(std::vector<std::wstring>(argv + 3, argv + argc));
    if (const HRESULT hr = OleInitialize(nullptr); FAILED(hr)) {
        return Say(4, "error OleInitialize " + std::to_string(static_cast<unsigned long>(hr)));
    }
    const int result = Show(x, y, drag);
    OleUninitialize();
    return result;
}
