#include <windows.h>

#include <commctrl.h>

#include <string>

#include "main/Entry.h"
#include "main/win32/App.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Log.h"
#include "platform/win32/ProgramFile.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32TextCodec.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace tarn;
    const std::string programPath = win32::Narrow(win32::ProgramPath());
    const win32::Win32TextCodec codec;
    // Not inheritable (no security attributes), so the programs the bar starts do not keep it.
    const std::wstring mutexName = win32::Widen(InstanceMutexName(codec.FoldCase(programPath)));
    const win32::UniqueKernelHandle instance(CreateMutexW(nullptr, FALSE, mutexName.c_str()));
    // A bar running elevated holds a mutex that this one may not open: that is a running bar too.
    const DWORD error = GetLastError();
    const bool previousInstance = error == ERROR_ALREADY_EXISTS || (!instance && error == ERROR_ACCESS_DENIED);
    win32::Win32MessageBox messageBox;
    if (!EntryMayShowBar(previousInstance, programPath, messageBox)) return 0;

    const win32::OleScope ole;
    if (FAILED(ole.Result())) win32::Log(L"OleInitialize", static_cast<DWORD>(ole.Result()));
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&controls)) win32::LogLastError(L"InitCommonControlsEx");
    win32::App app;
    return app.Run();
}
