#include "platform/ReplaceNames.h"

#include <charconv>

#include "platform/Text.h"

namespace tarn {
namespace {

constexpr std::string_view kSuffix = ".tmp";

// Digits only, at least one, and nothing else.
std::optional<unsigned long> Number(std::string_view text) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string ReplaceTemporaryName(std::string_view targetName, unsigned long processId, unsigned counter) {
    return std::string(targetName) + "." + std::to_string(processId) + "-" + std::to_string(counter) +
           std::string(kSuffix);
}

std::optional<unsigned long> ReplaceTemporaryOwner(std::string_view fileName, std::string_view targetName) {
    const std::size_t fixed = targetName.size() + 1 + kSuffix.size();
    if (fileName.size() < fixed + 3) return std::nullopt;
    if (AsciiLower(fileName.substr(0, targetName.size())) != AsciiLower(targetName) ||
        fileName[targetName.size()] != '.' ||
        AsciiLower(fileName.substr(fileName.size() - kSuffix.size())) != kSuffix) {
        return std::nullopt;
    }
    const std::string_view middle = fileName.substr(targetName.size() + 1, fileName.size() - fixed);
    const std::size_t dash = middle.find('-');
    if (dash == std::string_view::npos || !Number(middle.substr(dash + 1))) return std::nullopt;
    return Number(middle.substr(0, dash));
}

}  // namespace tarn
