#include "platform/win32/Win32TextCodec.h"

#include <windows.h>

#include "platform/win32/Wide.h"

namespace tarn::win32 {

std::optional<std::string> Win32TextCodec::ToCodePage(std::string_view utf8) const {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    // The UTF-8 code page holds every text, and its conversion takes no flags and no lossy flag.
    if (GetACP() == CP_UTF8) return Narrow(wide);
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                        nullptr, &lossy);
    if (lossy) return std::nullopt;
    return out;
}

std::string Win32TextCodec::FromCodePage(std::string_view bytes) const {
    if (bytes.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
    return Narrow(wide);
}

std::string Win32TextCodec::FoldCase(std::string_view utf8) const {
    std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    // NTFS compares names by their invariant upper case.
    std::wstring upper(wide.size(), L'\0');
    const int size = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), static_cast<int>(wide.size()),
                                   upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0);
    if (size > 0) {
        upper.resize(static_cast<std::size_t>(size));
        return Narrow(upper);
    }
    return Narrow(wide);
}

}  // namespace tarn::win32
