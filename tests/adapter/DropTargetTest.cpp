#include <gtest/gtest.h>

#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/DropTarget.h"
#include "platform/win32/Wide.h"
#include "platform/win32/WindowBase.h"

namespace tarn::win32 {
namespace {

constexpr int kWindowLeft = 100;
constexpr int kWindowTop = 120;
constexpr DWORD kCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

// A message-only popup: it needs no display, and its client area starts at its window position.
class TestWindow {
public:
    TestWindow() {
        static const WindowClass windowClass(L"TarnDropTestWindow", &DefWindowProcW);
        hwnd_ = CreateWindowExW(0, windowClass.Name(), L"drop test", WS_POPUP, kWindowLeft, kWindowTop, 300, 200,
                                HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    HWND Hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// A data object that offers one format on TYMED_HGLOBAL and hands out a fresh copy of its bytes on each GetData.
class MemoryDataObject final : public IDataObject {
public:
    MemoryDataObject(CLIPFORMAT format, std::vector<char> bytes) : format_(format), bytes_(std::move(bytes)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack; the count only shows that every reference taken is given back.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        if (memory == nullptr) return E_OUTOFMEMORY;
        std::memcpy(GlobalLock(memory), bytes_.data(), bytes_.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format == nullptr) return E_INVALIDARG;
        if (format->cfFormat != format_ || (format->tymed & TYMED_HGLOBAL) == 0) return DV_E_FORMATETC;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    ULONG References() const { return references_; }

private:
    CLIPFORMAT format_;
    std::vector<char> bytes_;
    std::atomic<ULONG> references_{1};
};

// The shell's file-list format: a DROPFILES header, then each UTF-16 path with its NUL, then one more NUL.
MemoryDataObject FileList(const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) names += Widen(path) + L'\0';
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<char> bytes(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    return MemoryDataObject(CF_HDROP, std::move(bytes));
}

MemoryDataObject UnicodeText(const std::wstring& text) {
    std::vector<char> bytes((text.size() + 1) * sizeof(wchar_t), '\0');
    std::memcpy(bytes.data(), text.data(), text.size() * sizeof(wchar_t));
    return MemoryDataObject(CF_UNICODETEXT, std::move(bytes));
}

struct OverCall {
    bool hasFiles;
    int buttons;
    int shift;
    Point point;
    DragState state;
};

struct DropCall {
    std::vector<std::string> files;
    int buttons;
    int shift;
    Point point;
};

// Records every call in order and answers OLEDragOver with `effect`.
class RecordingHandler final : public FileDropHandler {
public:
    DropEffect OLEDragOver(bool hasFiles, int buttons, int shift, Point point, DragState state) override {
        overs.push_back({hasFiles, buttons, shift, point, state});
        order += 'O';
        return effect;
    }
    void OLEDragDrop(const std::vector<std::string>& files, int buttons, int shift, Point point) override {
        drops.push_back({files, buttons, shift, point});
        order += 'D';
    }

    DropEffect effect = DropEffect::Move;
    std::vector<OverCall> overs;
    std::vector<DropCall> drops;
    std::string order;
};

POINTL Screen(int clientX, int clientY) { return {kWindowLeft + clientX, kWindowTop + clientY}; }

class DropTargetTest : public testing::Test {
protected:
    void SetUp() override {
        // RegisterDragDrop needs OLE, not only COM, on the thread.
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_NE(window.Hwnd(), nullptr);
        registration = DropRegistration::Register(window.Hwnd(), handler);
        ASSERT_TRUE(registration.Registered());
        target = registration.Target();
        ASSERT_NE(target, nullptr);
    }
    void TearDown() override {
        registration.Revoke();
        OleUninitialize();
    }

    TestWindow window;
    RecordingHandler handler;
    DropRegistration registration;
    IDropTarget* target = nullptr;
};

TEST_F(DropTargetTest, EnterOverLeaveReachTheHandlerInClientPixels) {
    MemoryDataObject data = FileList({"C:\\a.txt"});
    DWORD effect = kCopyOrMove;
    ASSERT_EQ(target->DragEnter(&data, MK_LBUTTON | MK_SHIFT, Screen(50, 40), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    effect = kCopyOrMove;
    ASSERT_EQ(target->DragOver(MK_RBUTTON | MK_CONTROL, Screen(-5, 7), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    ASSERT_EQ(target->DragLeave(), S_OK);

    ASSERT_EQ(handler.overs.size(), 3u);
    const OverCall& enter = handler.overs[0];
    EXPECT_TRUE(enter.hasFiles);
    EXPECT_EQ(enter.state, DragState::Enter);
    EXPECT_EQ(enter.point, (Point{50, 40}));
    EXPECT_EQ(enter.buttons, 1);
    EXPECT_EQ(enter.shift, 1);
    const OverCall& over = handler.overs[1];
    EXPECT_EQ(over.state, DragState::Over);
    EXPECT_EQ(over.point, (Point{-5, 7}));
    EXPECT_EQ(over.buttons, 2);
    EXPECT_EQ(over.shift, 2);
    // Leave carries no point of its own: the last one seen, and the data's kind from the enter.
    const OverCall& leave = handler.overs[2];
    EXPECT_EQ(leave.state, DragState::Leave);
    EXPECT_TRUE(leave.hasFiles);
    EXPECT_EQ(leave.point, (Point{-5, 7}));
    EXPECT_EQ(leave.buttons, 2);
    EXPECT_EQ(leave.shift, 2);
    EXPECT_TRUE(handler.drops.empty());
    EXPECT_EQ(data.References(), 1u);
}

TEST_F(DropTargetTest, KeyStateBecomesButtonAndShiftMasks) {
    struct Case {
        DWORD keyState;
        int buttons;
        int shift;
    };
    const Case cases[] = {
        {0, 0, 0},
        {MK_LBUTTON, 1, 0},
        {MK_RBUTTON, 2, 0},
        {MK_LBUTTON | MK_RBUTTON, 3, 0},
        {MK_MBUTTON, 0, 0},
        {MK_LBUTTON | MK_SHIFT, 1, 1},
        {MK_LBUTTON | MK_CONTROL, 1, 2},
        {MK_LBUTTON | MK_ALT, 1, 4},
        {MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_ALT, 2, 7},
    };
    MemoryDataObject data = FileList({"C:\\a.txt"});
    DWORD effect = kCopyOrMove;
    ASSERT_EQ(target->DragEnter(&data, 0, Screen(1, 1), &effect), S_OK);
    for (const Case& c : cases) {
        effect = kCopyOrMove;
        ASSERT_EQ(target->DragOver(c.keyState, Screen(1, 1), &effect), S_OK);
        EXPECT_EQ(handler.overs.back().buttons, c.buttons) << "key state " << c.keyState;
        EXPECT_EQ(handler.overs.back().shift, c.shift) << "key state " << c.keyState;
    }
    target->DragLeave();
}

TEST_F(DropTargetTest, EffectIsTheHandlersMaskedByWhatTheSourceAllows) {
    // The drag shows the move effect; the drop itself tells the source its files were copied, never moved.
    struct Case {
        DropEffect handlerEffect;
        DWORD allowed;
        DWORD expected;
        DWORD dropped;
    };
    const Case cases[] = {
        {DropEffect::Move, kCopyOrMove, DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {DropEffect::Move, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {DropEffect::Move, DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE},
        {DropEffect::Move, DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE},
        {DropEffect::None, kCopyOrMove, DROPEFFECT_NONE, DROPEFFECT_NONE},
        {DropEffect::None, DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE},
    };
    MemoryDataObject data = FileList({"C:\\a.txt"});
    for (const Case& c : cases) {
        handler.effect = c.handlerEffect;
        DWORD effect = c.allowed;
        ASSERT_EQ(target->DragEnter(&data, MK_LBUTTON, Screen(3, 3), &effect), S_OK);
        EXPECT_EQ(effect, c.expected) << "enter, handler " << static_cast<int>(c.handlerEffect) << ", allowed "
                                      << c.allowed;
        effect = c.allowed;
        ASSERT_EQ(target->DragOver(MK_LBUTTON, Screen(4, 4), &effect), S_OK);
        EXPECT_EQ(effect, c.expected) << "over, handler " << static_cast<int>(c.handlerEffect) << ", allowed "
                                      << c.allowed;
        effect = c.allowed;
        ASSERT_EQ(target->Drop(&data, 0, Screen(4, 4), &effect), S_OK);
        EXPECT_EQ(effect, c.dropped) << "drop, handler " << static_cast<int>(c.handlerEffect) << ", allowed "
                                     << c.allowed;
    }
}

TEST_F(DropTargetTest, DropHandsOverEveryPathAsUtf8) {
    const std::string longPath = "C:\\" + std::string(120, 'd') + "\\" + std::string(150, 'e') +
                                 "\\Gr\xC3\xBC\xC3\x9F"
                                 "e \xE6\x97\xA5\xE6\x9C\xAC.txt";
    ASSERT_GT(Widen(longPath).size(), static_cast<std::size_t>(MAX_PATH));
    const std::vector<std::vector<std::string>> lists = {
        {"C:\\Program Files\\Tool\\tool.exe"},
        {"C:\\one.txt", "D:\\two words\\zwei.doc", "\\\\server\\share\\caf\xC3\xA9.lnk"},
        {longPath, "C:\\short.txt"},
    };
    for (const std::vector<std::string>& files : lists) {
        handler.overs.clear();
        handler.drops.clear();
        handler.order.clear();
        MemoryDataObject data = FileList(files);
        DWORD effect = kCopyOrMove;
        ASSERT_EQ(target->DragEnter(&data, MK_LBUTTON, Screen(10, 10), &effect), S_OK);
        effect = kCopyOrMove;
        ASSERT_EQ(target->Drop(&data, MK_CONTROL, Screen(21, 12), &effect), S_OK);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));

        // The handler is asked for the effect at the drop point, then gets the drop.
        EXPECT_EQ(handler.order, "OOD");
        ASSERT_EQ(handler.overs.size(), 2u);
        EXPECT_EQ(handler.overs[1].state, DragState::Over);
        EXPECT_EQ(handler.overs[1].point, (Point{21, 12}));
        EXPECT_TRUE(handler.overs[1].hasFiles);
        ASSERT_EQ(handler.drops.size(), 1u);
        EXPECT_EQ(handler.drops[0].files, files);
        EXPECT_EQ(handler.drops[0].point, (Point{21, 12}));
        EXPECT_EQ(handler.drops[0].buttons, 0);
        EXPECT_EQ(handler.drops[0].shift, 2);
        EXPECT_EQ(data.References(), 1u);
    }
}

TEST_F(DropTargetTest, DataWithoutFileListIsRefusedAndDropsAnEmptyList) {
    MemoryDataObject data = UnicodeText(L"C:\\looks-like-a-path.txt");
    DWORD effect = kCopyOrMove;
    handler.effect = DropEffect::None;
    ASSERT_EQ(target->DragEnter(&data, MK_LBUTTON, Screen(5, 5), &effect), S_OK);
    EXPECT_FALSE(handler.overs.back().hasFiles);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));

    // Even a handler that says move ends a drop of no files with no effect.
    handler.effect = DropEffect::Move;
    effect = kCopyOrMove;
    ASSERT_EQ(target->Drop(&data, 0, Screen(6, 6), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_FALSE(handler.overs.back().hasFiles);
    ASSERT_EQ(handler.drops.size(), 1u);
    EXPECT_TRUE(handler.drops[0].files.empty());
}

TEST_F(DropTargetTest, FileDropRefusedByTheHandlerHasNoEffect) {
    MemoryDataObject data = FileList({"C:\\a.txt"});
    handler.effect = DropEffect::None;
    DWORD effect = kCopyOrMove;
    ASSERT_EQ(target->Drop(&data, 0, Screen(6, 6), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    ASSERT_EQ(handler.drops.size(), 1u);
    EXPECT_EQ(handler.drops[0].files, std::vector<std::string>{"C:\\a.txt"});
}

TEST_F(DropTargetTest, RevokedTargetCallsNoHandlerAndFreesTheWindow) {
    target->AddRef();  // keeps the object alive, as a drag in progress would
    registration.Revoke();
    EXPECT_FALSE(registration.Registered());
    EXPECT_EQ(registration.Target(), nullptr);

    MemoryDataObject data = FileList({"C:\\a.txt"});
    DWORD effect = kCopyOrMove;
    EXPECT_EQ(target->DragEnter(&data, MK_LBUTTON, Screen(1, 1), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = kCopyOrMove;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, Screen(2, 2), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(target->DragLeave(), S_OK);
    effect = kCopyOrMove;
    EXPECT_EQ(target->Drop(&data, 0, Screen(2, 2), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    target->Release();
    EXPECT_TRUE(handler.overs.empty());
    EXPECT_TRUE(handler.drops.empty());

    // The window is free for a new target only when the old one was revoked.
    RecordingHandler other;
    DropRegistration again = DropRegistration::Register(window.Hwnd(), other);
    EXPECT_TRUE(again.Registered());
}

TEST_F(DropTargetTest, OwnerRevokesWhenDestroyedAndNotWhenMovedFrom) {
    RecordingHandler other;
    EXPECT_FALSE(DropRegistration::Register(window.Hwnd(), other).Registered()) << "a second target on one window";
    registration.Revoke();
    {
        DropRegistration first = DropRegistration::Register(window.Hwnd(), other);
        ASSERT_TRUE(first.Registered());
        DropRegistration moved = std::move(first);
        EXPECT_FALSE(first.Registered());  // NOLINT(bugprone-use-after-move): the moved-from state is the point
        ASSERT_TRUE(moved.Registered());
        // Still registered after the moved-from owner is gone: a second target is refused.
        { DropRegistration gone = std::move(first); }
        EXPECT_FALSE(DropRegistration::Register(window.Hwnd(), handler).Registered());

        MemoryDataObject data = FileList({"C:\\a.txt"});
        DWORD effect = kCopyOrMove;
        ASSERT_EQ(moved.Target()->DragEnter(&data, 0, Screen(1, 1), &effect), S_OK);
        EXPECT_EQ(other.overs.size(), 1u);
        moved.Target()->DragLeave();
    }
    registration = DropRegistration::Register(window.Hwnd(), handler);
    EXPECT_TRUE(registration.Registered());
}

}  // namespace
}  // namespace tarn::win32
