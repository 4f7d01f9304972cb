#include "platform/ReplaceNames.h"

#include <atomic>
#include <charconv>

#include "platform/Text.h"

namespace tarn {
namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr int kCreateAttempts = 100;
// Virus scanners and indexers hold a freshly written file for a moment.
constexpr int kRenameAttempts = 5;

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

bool ReplaceThroughTemporary(ReplaceSteps& steps, const std::string& target, std::string_view bytes,
                             unsigned long processId) {
    using Result = ReplaceSteps::Result;
    static std::atomic<unsigned> counter{0};
    const std::size_t nameStart = target.find_last_of("\\/") + 1;
    std::string temp;
    Result step = Result::Again;
    for (int attempt = 0; attempt < kCreateAttempts && step == Result::Again; ++attempt) {
        temp = target.substr(0, nameStart) + ReplaceTemporaryName(target.substr(nameStart), processId, counter++);
        step = steps.Create(temp);
    }
    if (step != Result::Done) return false;
    bool written = true;
    for (std::string_view rest = bytes; written && !rest.empty();) {
        const std::size_t chunk = steps.Write(rest);
        written = chunk > 0;
        rest.remove_prefix(chunk);
    }
    const bool flushed = written && steps.Flush();
    // Closed before a failed temporary file is deleted: an open file cannot be, and would stay behind.
    step = steps.Close() && flushed ? Result::Again : Result::Failed;
    for (int attempt = 0; attempt < kRenameAttempts && step == Result::Again; ++attempt) {
        if (attempt > 0) steps.Pause();
        step = steps.Rename(temp, target);
    }
    if (step != Result::Done) steps.Delete(temp);
    return step == Result::Done;
}

}  // namespace tarn
