#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/DropTarget.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Wide.h"

namespace tarn::win32 {
namespace {

constexpr DWORD kCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

ULONG References(IUnknown* object) { return object->AddRef(), object->Release(); }

// A message-only window at (100, 120), its client area's corner, with a drop target whose handler is the test: it
// answers each question about the effect with `effect`, and keeps what it was told last and the files dropped. The
// data is the platform's own object for the clipboard, as a drag from another program brings it.
struct DropTargetTest : testing::Test, FileDropHandler {
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(ole.Result()) && target != nullptr); }
    ~DropTargetTest() override { registration.Revoke(), DestroyWindow(window); }
    DropEffect OLEDragOver(bool hasFiles, int buttons, int shift, Point point, DragState state) override {
        const char* names[] = {"enter", "leave", "over"};
        return told = names[static_cast<int>(state)] + Said(hasFiles ? " files " : " ", buttons, shift, point), effect;
    }
    void OLEDragDrop(const std::vector<std::string>& files, int buttons, int shift, Point point) override {
        told = "drop" + Said(" ", buttons, shift, point), dropped = files;
    }
    static std::string Said(const std::string& what, int buttons, int shift, Point point) {
        return what + std::to_string(buttons) + "/" + std::to_string(shift) + " at " + std::to_string(point.x) + "," +
               std::to_string(point.y);
    }
    // The shell's file list (a DROPFILES header, each UTF-16 path with its NUL, one more NUL), or without paths text.
    void Offer(const std::vector<std::string>& paths) {
        std::wstring bytes(sizeof(DROPFILES) / sizeof(wchar_t), L'\0');
        for (const std::string& path : paths) bytes += Widen(path) + L'\0';
        *reinterpret_cast<DROPFILES*>(bytes.data()) = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
        if (paths.empty()) bytes = L"C:\\looks-like-a-path.txt";
        const HGLOBAL memory = GlobalAlloc(GMEM_FIXED, (bytes.size() + 1) * sizeof(wchar_t));
        CopyMemory(memory, bytes.c_str(), (bytes.size() + 1) * sizeof(wchar_t));
        ASSERT_TRUE(OpenClipboard(window) && EmptyClipboard() &&
                    SetClipboardData(paths.empty() ? CF_UNICODETEXT : CF_HDROP, memory));
        ASSERT_TRUE(CloseClipboard() && SUCCEEDED(OleGetClipboard(data.Put())));
    }

    const OleScope ole;  // the first to come, the last to go: RegisterDragDrop needs OLE, not only COM
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 120, 9, 9, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DropEffect effect = DropEffect::Move;
    std::string told;
    std::vector<std::string> dropped;
    DropRegistration registration = DropRegistration::Register(window, *this);
    IDropTarget* target = registration.Target();
    ComPtr<IDataObject> data;
};

TEST_F(DropTargetTest, TheHandlerSeesTheDragInClientPixelsAndDecidesTheEffectWithinWhatTheSourceAllowsUntilRevoked) {
    // The files (none: text), the handler's effect, what the source allows, the keys, the effect shown, the effect
    // dropped and the buttons and shift masks the handler sees.
    using Case = std::tuple<std::vector<std::string>, DropEffect, DWORD, DWORD, DWORD, DWORD, const char*>;
    // The drag shows the move effect; the drop tells the source its files were copied, never moved, and ends a drag
    // of no files with no effect.
    // clang-format off
    const Case cases[] = {
        {{"C:\\Program Files\\Tool\\tool.exe"}, DropEffect::Move, kCopyOrMove, MK_LBUTTON | MK_SHIFT, DROPEFFECT_MOVE, DROPEFFECT_COPY, "1/1"},
        {{"C:\\1.txt", "D:\\two words\\2.doc", "\\\\server\\share\\caf\xC3\xA9.lnk", "C:\\" + std::string(120, 'd') + "\\" + std::string(150, 'e') + "\\Gr\xC3\xBC\xC3\x9F"}, DropEffect::Move,
         kCopyOrMove, MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_ALT, DROPEFFECT_MOVE, DROPEFFECT_COPY, "2/7"},
        {{"C:\\a.txt"}, DropEffect::Move, DROPEFFECT_MOVE | DROPEFFECT_LINK, MK_LBUTTON | MK_RBUTTON, DROPEFFECT_MOVE, 0, "3/0"},
        {{"C:\\a.txt"}, DropEffect::Move, DROPEFFECT_COPY, MK_MBUTTON | MK_ALT, 0, 0, "0/4"},
        {{"C:\\a.txt"}, DropEffect::None, kCopyOrMove, MK_CONTROL, 0, 0, "0/2"},
        {{}, DropEffect::Move, kCopyOrMove, MK_LBUTTON, DROPEFFECT_MOVE, 0, "1/0"}};
    // clang-format on
    // What the handler was told last after each call, in client pixels.
    std::vector<std::string> seen;
    const auto step = [&](HRESULT result) { seen.push_back(result == S_OK ? told : "failed"); };
    for (const auto& [files, answer, allowed, keys, shown, dropEffect, said] : cases) {
        Offer(files);
        effect = answer;
        const ULONG references = References(data.Get());
        DWORD enter = allowed, over = allowed, drop = allowed;
        seen.clear();
        step(target->DragEnter(data.Get(), keys, {150, 160}, &enter)), step(target->DragOver(keys, {95, 127}, &over));
        step(target->DragLeave()), step(target->Drop(data.Get(), keys, {121, 132}, &drop));
        EXPECT_EQ((std::vector<DWORD>{enter, over, drop}), (std::vector<DWORD>{shown, shown, dropEffect}));
        // Leave carries the last point; the drop asks for the effect at its own point first.
        const std::string masks = std::string(files.empty() ? " " : " files ") + said;
        EXPECT_EQ(seen,
                  (std::vector<std::string>{"enter" + masks + " at 50,40", "over" + masks + " at -5,7",
                                            "leave" + masks + " at -5,7", "drop " + std::string(said) + " at 21,12"}));
        EXPECT_EQ(dropped, files);
        EXPECT_EQ(References(data.Get()), references);
    }

    // A revoked target tells the handler nothing, frees the window and goes with its last reference.
    Offer({"C:\\a.txt"});
    EXPECT_FALSE(DropRegistration::Register(window, *this).Registered()) << "a second target on one window";
    target->AddRef();  // as a drag in progress holds it
    registration.Revoke();
    DWORD enter = kCopyOrMove, drop = kCopyOrMove;
    told.clear(), seen.clear();
    step(target->DragEnter(data.Get(), MK_LBUTTON, {101, 121}, &enter)),
        step(target->Drop(data.Get(), 0, {102, 122}, &drop));
    EXPECT_EQ(seen, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(enter | drop, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(target->Release(), 0u);
    EXPECT_TRUE(DropRegistration::Register(window, *this).Registered()) << "the window is free again";
}

}  // namespace
}  // namespace tarn::win32
