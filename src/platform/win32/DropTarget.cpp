#include "platform/win32/DropTarget.h"

#include <shellapi.h>

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "platform/Keys.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool HoldsFileList(IDataObject* data) {
    if (data == nullptr) return false;
    FORMATETC format = FileListFormat();
    return data->QueryGetData(&format) == S_OK;
}

// Frees what GetData handed out, whatever kind of medium it is; an untouched medium is TYMED_NULL and frees nothing.
class StorageMedium {
public:
    StorageMedium() = default;
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;
    ~StorageMedium() { ReleaseStgMedium(&medium_); }
    STGMEDIUM* Receive() { return &medium_; }
    const STGMEDIUM& Get() const { return medium_; }

private:
    STGMEDIUM medium_{};
};

std::vector<std::string> ReadFileList(IDataObject* data) {
    std::vector<std::string> files;
    if (data == nullptr) return files;
    FORMATETC format = FileListFormat();
    StorageMedium medium;
    if (FAILED(data->GetData(&format, medium.Receive()))) {
        *medium.Receive() = STGMEDIUM{};  // a failing source may have scribbled on it; it owns nothing of ours
        return files;
    }
    if (medium.Get().tymed != TYMED_HGLOBAL || medium.Get().hGlobal == nullptr) return files;
    const auto drop = static_cast<HDROP>(medium.Get().hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    files.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        // Names are not limited to MAX_PATH: ask for the length first.
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::vector<wchar_t> name(static_cast<std::size_t>(length) + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
        files.push_back(Narrow(std::wstring_view(name.data(), copied)));
    }
    return files;
}

int ButtonMask(DWORD keyState) {
    return ((keyState & MK_LBUTTON) ? kLeftButton : 0) | ((keyState & MK_RBUTTON) ? kRightButton : 0);
}

int ShiftMask(DWORD keyState) {
    return ((keyState & MK_SHIFT) ? kShiftMask : 0) | ((keyState & MK_CONTROL) ? kCtrlMask : 0) |
           ((keyState & MK_ALT) ? kAltMask : 0);
}

DWORD ToDropEffect(DropEffect effect) { return effect == DropEffect::Move ? DROPEFFECT_MOVE : DROPEFFECT_NONE; }

}  // namespace

// Turns the OLE calls of a drag over one window into calls of its FileDropHandler.
class FileDropTarget final : public IDropTarget {
public:
    FileDropTarget(HWND hwnd, FileDropHandler& handler) : hwnd_(hwnd), handler_(&handler) {}

    void Disconnect() noexcept {
        handler_ = nullptr;
        hwnd_ = nullptr;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }

    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        // Made by make_unique and handed to the reference count; the last Release takes it back to free it.
        if (left == 0) std::unique_ptr<FileDropTarget> last(this);
        return left;
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override {
        if (effect == nullptr) return E_INVALIDARG;
        try {
            const Hold hold(*this);
            hasFiles_ = HoldsFileList(data);
            *effect = Report(keyState, pt, DragState::Enter, *effect);
            return S_OK;
        } catch (...) {
            *effect = DROPEFFECT_NONE;
            return E_UNEXPECTED;
        }
    }

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL pt, DWORD* effect) override {
        if (effect == nullptr) return E_INVALIDARG;
        try {
            const Hold hold(*this);
            *effect = Report(keyState, pt, DragState::Over, *effect);
            return S_OK;
        } catch (...) {
            *effect = DROPEFFECT_NONE;
            return E_UNEXPECTED;
        }
    }

    HRESULT STDMETHODCALLTYPE DragLeave() override {
        try {
            const Hold hold(*this);
            if (handler_ != nullptr) handler_->OLEDragOver(hasFiles_, buttons_, shift_, point_, DragState::Leave);
            return S_OK;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }

    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override {
        if (effect == nullptr) return E_INVALIDARG;
        const DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        try {
            const Hold hold(*this);
            if (handler_ == nullptr) return S_OK;
            hasFiles_ = HoldsFileList(data);
            const std::vector<std::string> files = ReadFileList(data);
            // The effect a drop ends with is the one the handler gives for this very point.
            const DWORD said = Report(keyState, pt, DragState::Over, allowed);
            if (handler_ == nullptr) return S_OK;
            handler_->OLEDragDrop(files, buttons_, shift_, point_);
            // The drag shows the move effect, but the bar only reads the paths: a source told that its files
            // were moved would delete them.
            if (!files.empty() && said != DROPEFFECT_NONE) *effect = DROPEFFECT_COPY & allowed;
            return S_OK;
        } catch (...) {
            *effect = DROPEFFECT_NONE;
            return E_UNEXPECTED;
        }
    }

private:
    // Keeps the object alive through a call whose handler might revoke the registration.
    class Hold {
    public:
        explicit Hold(FileDropTarget& target) : target_(target) { target_.AddRef(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold() { target_.Release(); }

    private:
        FileDropTarget& target_;
    };

    DWORD Report(DWORD keyState, POINTL pt, DragState state, DWORD allowed) {
        if (handler_ == nullptr) return DROPEFFECT_NONE;
        buttons_ = ButtonMask(keyState);
        shift_ = ShiftMask(keyState);
        POINT client{pt.x, pt.y};
        ScreenToClient(hwnd_, &client);
        point_ = {client.x, client.y};
        return ToDropEffect(handler_->OLEDragOver(hasFiles_, buttons_, shift_, point_, state)) & allowed;
    }

    std::atomic<ULONG> references_{1};
    HWND hwnd_;
    FileDropHandler* handler_;
    bool hasFiles_ = false;
    int buttons_ = 0;
    int shift_ = 0;
    Point point_;
};

void DropRegistration::ReleaseTarget::operator()(FileDropTarget* target) const noexcept { target->Release(); }

DropRegistration::DropRegistration() noexcept = default;

DropRegistration::DropRegistration(DropRegistration&& other) noexcept
    : hwnd_(std::exchange(other.hwnd_, nullptr)), target_(std::move(other.target_)) {}

DropRegistration& DropRegistration::operator=(DropRegistration&& other) noexcept {
    if (this != &other) {
        Revoke();
        hwnd_ = std::exchange(other.hwnd_, nullptr);
        target_ = std::move(other.target_);
    }
    return *this;
}

DropRegistration::~DropRegistration() { Revoke(); }

DropRegistration DropRegistration::Register(HWND hwnd, FileDropHandler& handler) {
    DropRegistration registration;
    std::unique_ptr<FileDropTarget, ReleaseTarget> target(std::make_unique<FileDropTarget>(hwnd, handler).release());
    if (FAILED(RegisterDragDrop(hwnd, target.get()))) {
        target->Disconnect();
        return registration;
    }
    registration.hwnd_ = hwnd;
    registration.target_ = std::move(target);
    return registration;
}

IDropTarget* DropRegistration::Target() const noexcept { return target_.get(); }

void DropRegistration::Revoke() noexcept {
    if (hwnd_ == nullptr) return;
    RevokeDragDrop(std::exchange(hwnd_, nullptr));
    target_->Disconnect();
    target_.reset();
}

}  // namespace tarn::win32
