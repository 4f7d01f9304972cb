#include "platform/win32/Log.h"

#include <string>

namespace tarn::win32 {

void Log(const wchar_t* what, DWORD lastError) {
    std::wstring line = L"TarnDock: ";
    line += what;
    line += L" failed";
    if (lastError == 0) {
        OutputDebugStringW((line + L"\n").c_str());
        return;
    }
    line += L" (error " + std::to_wstring(lastError);
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, lastError, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length != 0 && text != nullptr) {
        std::wstring message(text, length);
        while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
        line += L": " + message;
    }
    if (text != nullptr) LocalFree(text);
    line += L")\n";
    OutputDebugStringW(line.c_str());
}

}  // namespace tarn::win32
