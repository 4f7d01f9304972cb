// A soak of the whole program in this process: the real App, its windows and its message loop, driven from a
// thread timer through the bar's own messages: rebuilds (F5), button menus (a drop-down button's TBN_DROPDOWN, the
// menu ended as soon as it runs), tooltips (pointer moves over the toolbar), the order editor (F9, then the folder
// picker's edit button) and the options dialog (F2, then its close box). The work runs in ten equal slices; GDI and
// USER objects, private bytes and the heaps' bytes in use are counted at the start and after each slice: no growth
// after the first.
// Wine's static control keeps a record of 24 bytes in the process heap for each one given a font, after it is
// destroyed: the dialogs' labels leave that much behind at each opening. The soak measures that share on its own
// and counts the static controls the program gives a font, so that what is left is the program's own growth.
// Wine's GetGuiResources counts nothing, so the handles still free are counted as well: every leaked bitmap, font,
// brush or image list takes GDI handles, every leaked window, menu or icon a USER handle. Wine's USER handles are
// shared by all the programs of one wineserver, so run it in a prefix of its own, with unmanaged windows.
//   wine64 soak_bench.exe [rebuilds]   (default 10000; a tenth as many menus and tips, a fiftieth dialogs of each)
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FreeGdiHandles.h"
#include "main/win32/App.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/ProgramFile.h"
#include "platform/win32/Wide.h"

namespace {

using tarn::win32::DialogWindow;

// Per round; a slice is a tenth of the rounds.
constexpr int kRefreshes = 50, kMenus = 5, kTips = 5;

struct Counts {
    std::size_t freeGdi, freeUser;
    DWORD gdi, user;
    SIZE_T privateBytes;
    std::pair<SIZE_T, SIZE_T> heapBytes;
    int statics;
};

// The fonts given to static controls on this thread: the program gives each its font once, as it makes it.
int staticFonts = 0;

LRESULT CALLBACK NoteStaticFonts(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    wchar_t name[16];
    if (code == HC_ACTION && call.message == WM_SETFONT && call.wParam != 0 && GetClassNameW(call.hwnd, name, 16) &&
        _wcsicmp(name, L"Static") == 0)
        ++staticFonts;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::size_t FreeUserHandles() {
    std::vector<HMENU> probes;
    while (probes.size() < 200000) {
        const HMENU probe = CreateMenu();
        if (probe == nullptr) break;
        probes.push_back(probe);
    }
    for (const HMENU probe : probes) DestroyMenu(probe);
    return probes.size();
}

// The bytes of the blocks in use in the process heap, where the system's libraries allocate, and in the other heaps.
// Under Wine the C runtime has a heap of its own, so the program's own new and malloc show in the second figure alone.
std::pair<SIZE_T, SIZE_T> HeapBytesInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    SIZE_T process = 0, others = 0;
    for (const HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) (heap == GetProcessHeap() ? process : others) += entry.cbData;
        }
        HeapUnlock(heap);
    }
    return {process, others};
}

// The process heap's bytes that a static control given a font leaves behind once destroyed.
double BytesLeftPerStatic() {
    constexpr int kControls = 200;
    const auto before = HeapBytesInUse().first;
    const HWND parent =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < kControls; ++i) {
        const HWND label = CreateWindowExW(0, WC_STATICW, L"Label", WS_CHILD | SS_LEFT, 0, 0, 50, 20, parent, nullptr,
                                           nullptr, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        DestroyWindow(label);
    }
    DestroyWindow(parent);
    return static_cast<double>(HeapBytesInUse().first - before) / kControls;
}

Counts Count() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    return {FreeGdiHandles(), FreeUserHandles(), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS),
            // Wine fills only the older part of the counters; the commit charge there is the same figure.
            memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage, HeapBytesInUse(), staticFonts};
}

// The top-level window of this thread with that class, visible if told so, or null.
HWND ThreadWindow(const wchar_t* windowClass, bool visible = true) {
    struct Search {
        const wchar_t* windowClass;
        bool visible;
        HWND found;
    } search{windowClass, visible, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) {
            auto& s = *reinterpret_cast<Search*>(lParam);
            wchar_t name[64];
            if ((!s.visible || IsWindowVisible(hwnd)) && GetClassNameW(hwnd, name, 64) &&
                wcscmp(name, s.windowClass) == 0) {
                s.found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Soak {
    int rounds = 2000;
    int round = 0;
    bool busy = false;    // an action of a tick runs, maybe in a modal loop of its own
    bool inMenu = false;  // a button menu was asked for
    HWND picker = nullptr;
    bool editorSeen = false;
    HWND options = nullptr;
    int menus = 0, tips = 0, editors = 0, optionDialogs = 0;
    std::vector<Counts> counts;
    HWND bar = nullptr;
} soak;

HWND Toolbar() { return FindWindowExW(soak.bar, nullptr, TOOLBARCLASSNAMEW, nullptr); }

// The 1-based indices of the toolbar's drop-down buttons (the folders) and of its other buttons.
void Buttons(std::vector<int>& menus, std::vector<int>& files) {
    const HWND toolbar = Toolbar();
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_DROPDOWN) menus.push_back(button.idCommand);
        if (!(button.fsStyle & (BTNS_DROPDOWN | BTNS_SEP))) files.push_back(i);
    }
}

void Round() {
    for (int i = 0; i < kRefreshes; ++i) SendMessageW(soak.bar, WM_KEYDOWN, VK_F5, 0);
    std::vector<int> menus, files;
    Buttons(menus, files);
    for (int i = 0; i < kMenus && !menus.empty(); ++i) {
        NMTOOLBARW notify{};
        notify.hdr = {Toolbar(), static_cast<UINT_PTR>(GetDlgCtrlID(Toolbar())), TBN_DROPDOWN};
        notify.iItem = menus[static_cast<std::size_t>(i) % menus.size()];
        soak.inMenu = true;
        SendMessageW(soak.bar, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
        soak.inMenu = false;
    }
    for (int i = 0; i < kTips && files.size() >= 2; ++i) {
        RECT r{};
        SendMessageW(Toolbar(), TB_GETITEMRECT, files[static_cast<std::size_t>(i) % 2], reinterpret_cast<LPARAM>(&r));
        SendMessageW(Toolbar(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        if (ThreadWindow(L"frmToolTip") != nullptr) ++soak.tips;
    }
    // The picker, and in it the editor, are closed by the ticks that run in their modal loops.
    soak.picker = nullptr;
    soak.editorSeen = false;
    SendMessageW(soak.bar, WM_KEYDOWN, VK_F9, 0);
    soak.editors += soak.editorSeen;
    SendMessageW(soak.bar, WM_KEYDOWN, VK_F2, 0);
    soak.options = ThreadWindow(L"TarnDockDialog");
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (soak.inMenu) {
        // GUI_INMENUMODE would say the same; the menu's window is the plainer signal.
        if (ThreadWindow(L"#32768") != nullptr) ++soak.menus;
        EndMenu();
        return;
    }
    if (const HWND dialog = DialogWindow::Innermost()) {
        if (soak.picker == nullptr) {
            soak.picker = dialog;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);  // its Edit order button
        } else {
            soak.editorSeen |= dialog != soak.picker;
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        }
        return;
    }
    if (soak.busy) return;
    if (soak.options != nullptr) {
        // Closed by its close box; the next round waits until the program let go of it.
        if (IsWindow(soak.options)) {
            if (IsWindowVisible(soak.options)) PostMessageW(soak.options, WM_CLOSE, 0, 0);
            return;
        }
        ++soak.optionDialogs;
        soak.options = nullptr;
    }
    if (soak.round % (soak.rounds / 10) == 0) soak.counts.push_back(Count());
    if (soak.round == soak.rounds) {
        PostMessageW(soak.bar, WM_CLOSE, 0, 0);
        return;
    }
    soak.busy = true;
    Round();
    soak.busy = false;
    ++soak.round;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc > 1) soak.rounds = std::max(10, _wtoi(argv[1]) / kRefreshes / 10 * 10);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarn-soak-bench";
    // A settings file beside the program makes it portable; this one points it at the soak's button folder, files of
    // several types and two folders, each a menu of its own.
    const std::wstring settings = tarn::win32::Widen(tarn::win32::ProgramFolder()) + L"\\TarnDock.ini";
    const std::string ini = "[Settings]\r\nIconsInMenus=-1\r\nFolderPath=" + tarn::win32::Narrow(folder) + "\r\n";
    const HANDLE file = CreateFileW(settings.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    CloseHandle(file);
    std::vector<std::wstring> made;
    const wchar_t* kinds[] = {L".txt", L".exe", L".bmp", L".html", L".ini", L".bat"};
    for (const std::wstring sub : {L"", L"\\Menu A", L"\\Menu B"}) {
        CreateDirectoryW((folder + sub).c_str(), nullptr);
        for (int i = 0; i < 12; ++i) {
            made.push_back(folder + sub + L"\\file" + std::to_wstring(i) + kinds[i % 6]);
            CloseHandle(CreateFileW(made.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
    }

    OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    soak.counts.reserve(11);  // made before the first count, so that the soak's own figures do not grow the heap
    const double perStatic = BytesLeftPerStatic();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &NoteStaticFonts, nullptr, GetCurrentThreadId());
    const DWORD started = GetTickCount();
    int result = 0;
    {
        tarn::win32::App app;
        soak.bar = ThreadWindow(L"frmTarnDock", false);
        const UINT_PTR timer = SetTimer(nullptr, 0, 1, &Tick);
        result = app.Run();
        KillTimer(nullptr, timer);
    }
    UnhookWindowsHookEx(hook);
    OleUninitialize();
    const int rounds = soak.rounds;
    std::printf(
        "%d rebuilds, %d of %d button menus seen, %d of %d tips, %d of %d order editors, %d of %d options "
        "dialogs, in %.0f s (exit code %d)\n",
        rounds * kRefreshes, soak.menus, rounds * kMenus, soak.tips, rounds * kTips, soak.editors, rounds,
        soak.optionDialogs, rounds, (GetTickCount() - started) / 1000.0, result);
    const char* when[] = {"start", "1/10", "2/10", "3/10", "4/10", "5/10", "6/10", "7/10", "8/10", "9/10", "end"};
    std::printf("%-6s %9s %9s %5s %5s %14s %12s %12s %8s\n", "", "free GDI", "free USER", "GDI", "USER",
                "private bytes", "process heap", "other heaps", "statics");
    for (std::size_t i = 0; i < soak.counts.size() && i < std::size(when); ++i) {
        const Counts& c = soak.counts[i];
        std::printf("%-6s %9zu %9zu %5lu %5lu %14zu %12zu %12zu %8d\n", when[i], c.freeGdi, c.freeUser, c.gdi, c.user,
                    c.privateBytes, c.heapBytes.first, c.heapBytes.second, c.statics);
    }
    if (soak.counts.size() > 2) {
        const Counts &tenth = soak.counts[1], &end = soak.counts.back();
        const double wine = perStatic * (end.statics - tenth.statics);
        const double grown = static_cast<double>(end.heapBytes.first) - static_cast<double>(tenth.heapBytes.first);
        std::printf(
            "process heap after the first tenth: %+.0f bytes; %d static controls given a font, which Wine keeps "
            "%.1f bytes of each: %.0f; the rest: %+.0f\n",
            grown, end.statics - tenth.statics, perStatic, wine, grown - wine);
    }
    for (const std::wstring& path : made) DeleteFileW(path.c_str());
    for (const std::wstring sub : {L"\\Menu A", L"\\Menu B", L""}) {
        DeleteFileW((folder + sub + L"\\TarnDock_Folder.ini").c_str());
        RemoveDirectoryW((folder + sub).c_str());
    }
    DeleteFileW(settings.c_str());
    return result;
}
