// Times opening the order editor on a folder of N real files (its load step and LoadItemList with the real shell,
// list view and image list) against the floor of its shell queries alone (the small system icon index of every
// file, SHGetFileInfoW), in the same run; then counts the GDI handles still free around 200 openings and closings
// of the real editor and folder picker windows. Without a window manager, Wine waits about a second for every
// hidden window unless the prefix's windows are unmanaged (HKCU\Software\Wine\X11 Driver, Managed=N).
//   wine64 edit_order_bench.exe [N ...]
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bar/ProgramHost.h"
#include "order/EditOrderForm.h"
#include "order/frmEditOrder.h"
#include "order/win32/EditOrderWindow.h"
#include "order/win32/FoldersToEditWindow.h"
#include "platform/win32/DialogControls.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ListView.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextCodec.h"
#include "platform/win32/Win32Timer.h"
#include "FreeGdiHandles.h"

namespace {

using namespace tarn;
using namespace tarn::win32;
using Steady = std::chrono::steady_clock;
namespace form = EditOrderForm;

double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The editor's own window and controls, but a modal showing that returns at once: what is timed is the opening,
// not the time a user looks at it.
class ImmediateModal final : public ModalDialog {
public:
    explicit ImmediateModal(DialogWindow& real) : real_(real) {}
    void SetTitle(const std::string& title) override { real_.SetTitle(title); }
    void ShowModal() override {}
    void EndModal() override {}
    Rect HomeMonitor() const override { return real_.HomeMonitor(); }
    int Dpi() const override { return real_.Dpi(); }
    const Control* ControlAt(Point screen) const override { return real_.ControlAt(screen); }

private:
    DialogWindow& real_;
};

class TimedEditorWindow final : public DialogWindow {
public:
    explicit TimedEditorWindow(const EditOrderServices& services)
        : DialogWindow(nullptr, form::kClientSize, true),
          ilIcons_(SmallSystemIconSize()),
          picBox_({SmallSystemIconSize(), SmallSystemIconSize()}),
          ilMouse_(32),
          picMouse_({32, 32}),
          lblHelp_(*this, form::lblHelp),
          cmdDown_(*this, 101, form::cmdDown, {}),
          cmdUp_(*this, 102, form::cmdUp, {}),
          cmdInsertSeparator_(*this, 103, form::cmdInsertSeparator, {}),
          cmdDeleteSeparator_(*this, 104, form::cmdDeleteSeparator, {}),
          LV_(*this, form::LV, ilIcons_, {}),
          cmdCancel_(*this, IDCANCEL, form::cmdCancel, {}),
          cmdOK_(*this, IDOK, form::cmdOK, {}),
          picPos_(*this, form::kMarker, form::kMarkerColour),
          tmrCheckPos_(1, 120),
          modal_(*this),
          editor_(services, {*this, modal_, lblHelp_, cmdDown_, cmdUp_, cmdInsertSeparator_, cmdDeleteSeparator_,
                             cmdCancel_, cmdOK_, LV_, picBox_, ilIcons_, picMouse_, ilMouse_, picPos_, tmrCheckPos_}) {
        picBox_.SetBackground(SysColour::ButtonFace);
        RouteMessages();
    }
    frmEditOrder& Editor() { return editor_; }
    int Rows() const { return LV_.Count(); }

private:
    Win32ImageList ilIcons_;
    MemoryCanvas picBox_;
    Win32ImageList ilMouse_;
    MemoryCanvas picMouse_;
    Win32Label lblHelp_;
    Win32Button cmdDown_, cmdUp_, cmdInsertSeparator_, cmdDeleteSeparator_;
    Win32ListView LV_;
    Win32Button cmdCancel_, cmdOK_;
    Win32ColourBar picPos_;
    Win32Timer tmrCheckPos_;
    ImmediateModal modal_;
    frmEditOrder editor_;
};

struct Services {
    Win32FileSystem fs;
    Win32TextCodec codec;
    Win32Shell shell;
    Win32Screen screen;
    Win32MessageBox messageBox;
    EditOrderServices Editor() { return {fs, codec, shell, screen, messageBox}; }
};

// Opens the real windows, as the program does; each modal showing is closed as soon as its loop runs.
class BenchHost final : public ProgramHost {
public:
    explicit BenchHost(Services& services) : services_(services) {}
    void UnloadWindow(FormName) override {}
    void EndProgram() override {}
    int ShowFoldersToEdit(const std::string& folder) override {
        FoldersToEditWindow window({services_.fs, services_.shell}, nullptr, *this);
        return window.Picker().ShowForm(folder);
    }
    int ShowEditOrder(const std::string& folder, bool menuItemOrder) override {
        EditOrderWindow window(services_.Editor(), nullptr);
        return window.Editor().ShowForm(folder, menuItemOrder);
    }
    void ShowOptions() override {}
    void ShowHelp() override {}

private:
    Services& services_;
};

std::wstring MakeFolder(const std::wstring& folder, int count, std::vector<std::wstring>& paths) {
    CreateDirectoryW(folder.c_str(), nullptr);
    Win32FileSystem fs;
    for (const std::string& name : fs.ListFiles(Narrow(folder))) DeleteFileW((folder + L"\\" + Widen(name)).c_str());
    const wchar_t* kinds[] = {L".txt", L".exe", L".bmp", L".html", L".ini", L".bat"};
    paths.clear();
    for (int i = 0; i < count; ++i) {
        paths.push_back(folder + L"\\file" + std::to_wstring(i) + kinds[i % 6]);
        CloseHandle(CreateFileW(paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return folder;
}

void RemoveFolder(const std::wstring& folder, const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) DeleteFileW(path.c_str());
    DeleteFileW((folder + L"\\TarnDock_Folder.ini").c_str());
    RemoveDirectoryW((folder + L"\\Sub").c_str());
    RemoveDirectoryW(folder.c_str());
}


void CALLBACK CloseInnermost(HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND dialog = DialogWindow::Innermost()) PostMessageW(dialog, WM_CLOSE, 0, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(_wtoi(argv[i]));
    if (counts.empty()) counts = {1000, 5000};
    OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarn-order-bench";
    Services services;
    std::vector<std::wstring> paths;

    for (const int count : counts) {
        MakeFolder(folder, count, paths);
        auto floor = Steady::duration::max();
        auto open = Steady::duration::max();
        int rows = 0;
        for (int round = 0; round < 3; ++round) {
            const auto start = Steady::now();
            for (const std::wstring& path : paths) {
                SHFILEINFOW info{};
                SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
            }
            floor = std::min(floor, Steady::now() - start);
            TimedEditorWindow window(services.Editor());
            const auto opened = Steady::now();
            window.Editor().ShowForm(Narrow(folder));
            open = std::min(open, Steady::now() - opened);
            rows = window.Rows();
        }
        // Beyond the floor is the editor's own work per row: the listing, the order file, the pictures, the list.
        std::printf("files %d: shell floor %.4f ms/file, opening the editor %.4f ms/row (%.4f beyond the floor), "
                    "ratio %.2f, rows %d\n",
                    count, Ms(floor) / count, Ms(open) / rows, (Ms(open) - Ms(floor)) / rows, Ms(open) / Ms(floor),
                    rows);
    }

    MakeFolder(folder, 50, paths);
    CreateDirectoryW((folder + L"\\Sub").c_str(), nullptr);
    BenchHost host(services);
    const std::string path = Narrow(folder);
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, &CloseInnermost);
    const auto cycle = [&](int times) {
        for (int i = 0; i < times; ++i) {
            host.ShowEditOrder(path, false);
            host.ShowFoldersToEdit(path);
        }
    };
    cycle(10);  // warm the allocator and the caches
    const std::size_t gdiBefore = FreeGdiHandles();
    const auto started = Steady::now();
    cycle(200);
    const double cycleMs = Ms(Steady::now() - started) / 200;
    const std::size_t gdiMiddle = FreeGdiHandles();
    cycle(200);
    KillTimer(nullptr, timer);
    std::printf("free GDI handles: %zu before, %zu after 200 openings of the editor and the picker, %zu after as many "
                "again (%.1f ms an opening of both)\n",
                gdiBefore, gdiMiddle, FreeGdiHandles(), cycleMs);
    RemoveFolder(folder, paths);
    OleUninitialize();
    return 0;
}
