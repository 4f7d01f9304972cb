#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/win32/DropTarget.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

constexpr DWORD kCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

std::string Said(const char* what, bool hasFiles, int buttons, int shift, Point point) {
    return std::string(what) + (hasFiles ? " files " : " ") + std::to_string(buttons) + "/" + std::to_string(shift) +
           " at " + std::to_string(point.x) + "," + std::to_string(point.y);
}

// Writes down every call and answers each question about the effect with `effect`.
struct RecordingHandler final : FileDropHandler {
    DropEffect OLEDragOver(bool hasFiles, int buttons, int shift, Point point, DragState state) override {
        const char* const names[] = {"enter", "leave", "over"};  // in the order of DragState
        calls.push_back(Said(names[static_cast<int>(state)], hasFiles, buttons, shift, point));
        return effect;
    }
    void OLEDragDrop(const std::vector<std::string>& files, int buttons, int shift, Point point) override {
        calls.push_back(Said("drop", false, buttons, shift, point));
        dropped = files;
    }
    DropEffect effect = DropEffect::Move;
    std::vector<std::string> calls, dropped;
};

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

// A message-only window at (100, 120), its client area's corner, with the handler's drop target. The data is the
// platform's own object for the clipboard, as a drag from another program brings it.
struct DropTargetTest : testing::Test {
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));  // RegisterDragDrop needs OLE, not only COM
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 120, 9, 9, HWND_MESSAGE, nullptr, nullptr, nullptr);
        registration = DropRegistration::Register(window, handler);
        target = registration.Target();
        ASSERT_NE(target, nullptr);
    }
    void TearDown() override {
        registration.Revoke();
        if (data != nullptr) data->Release();
        DestroyWindow(window);
        OleUninitialize();
    }
    // The shell's file list (a DROPFILES header, each UTF-16 path with its NUL, one more NUL), or without paths text.
    void Offer(const std::vector<std::string>& paths) {
        std::wstring bytes(sizeof(DROPFILES) / sizeof(wchar_t), L'\0');
        for (const std::string& path : paths) bytes += Widen(path) + L'\0';
        *reinterpret_cast<DROPFILES*>(bytes.data()) = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
        if (paths.empty()) bytes = L"C:\\looks-like-a-path.txt";
        const HGLOBAL memory = GlobalAlloc(GMEM_FIXED, (bytes.size() + 1) * sizeof(wchar_t));
        CopyMemory(memory, bytes.c_str(), (bytes.size() + 1) * sizeof(wchar_t));
        ASSERT_TRUE(OpenClipboard(window));
        ASSERT_TRUE(EmptyClipboard() && SetClipboardData(paths.empty() ? CF_UNICODETEXT : CF_HDROP, memory));
        if (data != nullptr) data->Release();
        ASSERT_TRUE(CloseClipboard() && SUCCEEDED(OleGetClipboard(&data)));
    }

    HWND window = nullptr;
    RecordingHandler handler;
    DropRegistration registration;
    IDropTarget* target = nullptr;
    IDataObject* data = nullptr;
};

TEST_F(DropTargetTest, TheHandlerSeesTheDragInClientPixelsAndDecidesTheEffectWithinWhatTheSourceAllows) {
    const std::string longPath = "C:\\" + std::string(120, 'd') + "\\" + std::string(150, 'e') + "\\Gr\xC3\xBC\xC3\x9F";
    struct Case {
        std::vector<std::string> files;  // none: text
        DropEffect handlerEffect;
        DWORD allowed, keys, shown, dropped;
        const char* masks;
    };
    // The drag shows the move effect; the drop tells the source its files were copied, never moved, and ends a drag
    // of no files with no effect.
    // clang-format off
    const Case cases[] = {
        {{"C:\\Program Files\\Tool\\tool.exe"}, DropEffect::Move, kCopyOrMove, MK_LBUTTON | MK_SHIFT, DROPEFFECT_MOVE, DROPEFFECT_COPY, "1/1"},
        {{"C:\\1.txt", "D:\\two words\\2.doc", "\\\\server\\share\\caf\xC3\xA9.lnk", longPath}, DropEffect::Move,
         kCopyOrMove, MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_ALT, DROPEFFECT_MOVE, DROPEFFECT_COPY, "2/7"},
        {{"C:\\a.txt"}, DropEffect::Move, DROPEFFECT_MOVE | DROPEFFECT_LINK, MK_LBUTTON | MK_RBUTTON, DROPEFFECT_MOVE, 0, "3/0"},
        {{"C:\\a.txt"}, DropEffect::Move, DROPEFFECT_COPY, MK_MBUTTON | MK_ALT, 0, 0, "0/4"},
        {{"C:\\a.txt"}, DropEffect::None, kCopyOrMove, MK_CONTROL, 0, 0, "0/2"},
        {{}, DropEffect::Move, kCopyOrMove, MK_LBUTTON, DROPEFFECT_MOVE, 0, "1/0"}};
    // clang-format on
    for (const Case& c : cases) {
        Offer(c.files);
        handler.calls.clear();
        handler.effect = c.handlerEffect;
        const ULONG references = References(data);
        DWORD enter = c.allowed, over = c.allowed, drop = c.allowed;
        ASSERT_EQ(target->DragEnter(data, c.keys, {150, 160}, &enter), S_OK);
        ASSERT_EQ(target->DragOver(c.keys, {95, 127}, &over), S_OK);
        ASSERT_EQ(target->DragLeave(), S_OK);
        ASSERT_EQ(target->Drop(data, c.keys, {121, 132}, &drop), S_OK);
        EXPECT_EQ((std::vector<DWORD>{enter, over, drop}), (std::vector<DWORD>{c.shown, c.shown, c.dropped}));
        // Leave carries the last point; the drop asks for the effect at its own point first.
        const std::string masks = std::string(c.files.empty() ? " " : " files ") + c.masks;
        EXPECT_EQ(handler.calls, (std::vector<std::string>{"enter" + masks + " at 50,40", "over" + masks + " at -5,7",
                                                           "leave" + masks + " at -5,7", "over" + masks + " at 21,12",
                                                           std::string("drop ") + c.masks + " at 21,12"}));
        EXPECT_EQ(handler.dropped, c.files);
        EXPECT_EQ(References(data), references);
    }
}

TEST_F(DropTargetTest, ARevokedTargetCallsNoHandlerFreesTheWindowAndGoesWithItsLastReference) {
    Offer({"C:\\a.txt"});
    EXPECT_FALSE(DropRegistration::Register(window, handler).Registered()) << "a second target on one window";
    target->AddRef();  // as a drag in progress holds it
    registration.Revoke();
    DWORD enter = kCopyOrMove, drop = kCopyOrMove;
    EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, {101, 121}, &enter), S_OK);
    EXPECT_EQ(target->Drop(data, 0, {102, 122}, &drop), S_OK);
    EXPECT_EQ(enter | drop, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(handler.calls.empty());
    EXPECT_EQ(target->Release(), 0u);
    EXPECT_TRUE(DropRegistration::Register(window, handler).Registered()) << "the window is free again";
}

}  // namespace
}  // namespace tarn::win32
