#pragma once
#include <string>
#include <string_view>

namespace tarn::win32 {

// UTF-8 inside the program, UTF-16 at the Win32 boundary.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace tarn::win32
