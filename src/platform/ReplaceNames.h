#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// A file is replaced through a temporary file beside it, named after it, the writing process and a counter:
// "TarnDock.ini.1234-0.tmp". A process that is killed while it writes leaves such a file behind.
std::string ReplaceTemporaryName(std::string_view targetName, unsigned long processId, unsigned counter);

// The writing process of a temporary file of that pattern for `targetName` (compared without regard to ASCII
// case, as the file system does), or nothing for any other name.
std::optional<unsigned long> ReplaceTemporaryOwner(std::string_view fileName, std::string_view targetName);

}  // namespace tarn
