#pragma once
#include <windows.h>

namespace tarn::win32 {

// Leaves a trace of a platform failure that the user is not told about: one line on the debugger's output
// (under Wine: WINEDEBUG=+debugstr), with the error code and the system's text for it
// when there is one (not 0).
void Log(const wchar_t* what, DWORD lastError);

// The same with GetLastError() of the moment.
inline void LogLastError(const wchar_t* what) { Log(what, GetLastError()); }

}  // namespace tarn::win32
