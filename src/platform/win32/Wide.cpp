#include "platform/win32/Wide.h"

#include "platform/Text.h"

namespace tarn::win32 {

// wchar_t is UTF-16 on Windows; the conversion itself is the portable one.
std::wstring Widen(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string Narrow(std::wstring_view wide) { return Utf16ToUtf8(std::u16string(wide.begin(), wide.end())); }

}  // namespace tarn::win32
