#include "model/OrderFile.h"

#include <algorithm>
#include <unordered_map>

#include "model/ModelNames.h"
#include "platform/ReplaceNames.h"
#include "platform/Text.h"

namespace tarn {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    // A last line without its line end still counts; a file ending in a line end has no empty line after it.
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

// Only a bare name can be one of the folder's own files: anything that reaches elsewhere is not.
bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string_view::npos;
}

}  // namespace

std::vector<std::string> ParseOrderFile(std::string_view bytes, const TextCodec& codec) {
    std::vector<std::string> lines = SplitLines(DecodeTextFile(bytes, codec));
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, lines.size())));
    return lines;
}

std::string FormatOrderFile(const std::vector<std::string>& entryLines, const TextCodec& codec) {
    std::string text;
    text.append(kOrderFileHeader).append(kLineEnd);
    text.append(kOrderFileSection).append(kLineEnd);
    for (const std::string& line : entryLines) text.append(line).append(kLineEnd);
    return EncodeTextFile(text, codec, UnicodeForm::Utf8);
}

std::optional<std::vector<std::string>> ReadOrderFileLines(const std::string& folder, const FileSystem& fs,
                                                           const TextCodec& codec) {
    const std::optional<std::string> bytes = fs.ReadFile(JoinPath(folder, kOrderFileName));
    if (!bytes) return std::nullopt;
    return ParseOrderFile(*bytes, codec);
}

bool WriteOrderFile(const std::vector<std::string>& entryLines, const std::string& filePath, FileSystem& fs,
                    const TextCodec& codec) noexcept {
    try {
        const std::string orderFileKey = codec.FoldCase(kOrderFileName);
        std::vector<std::string> kept;
        kept.reserve(entryLines.size());
        for (const std::string& line : entryLines) {
            // Only the folder's own files have a line: never the order file, never a path.
            if (line == kSeparatorValue || (IsPlainFileName(line) && codec.FoldCase(line) != orderFileKey)) {
                kept.push_back(line);
            }
        }
        return fs.WriteFileAtomic(filePath, FormatOrderFile(kept, codec));
    } catch (...) {
        // The bar writes its order files on the way out; a failure must not stop it.
        return false;
    }
}

bool WriteFileDic(const ItemDictionary& dictionary, const std::string& filePath, FileSystem& fs,
                  const TextCodec& codec) noexcept {
    try {
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(dictionary.Count()));
        for (const ItemEntry& entry : dictionary) {
            lines.push_back(entry.IsSeparator() ? std::string(kSeparatorValue) : entry.key);
        }
        return WriteOrderFile(lines, filePath, fs, codec);
    } catch (...) {
        return false;
    }
}

void LoadFileDic(ItemDictionary& dictionary, const std::string& folder, const FileSystem& fs, const TextCodec& codec) {
    dictionary.Clear();
    const std::string orderFileKey = codec.FoldCase(kOrderFileName);
    const std::string desktopIniKey = codec.FoldCase(kDesktopIniName);

    // Each listed file under its folded name, and where it may still go: the file system takes names that
    // differ only in case as one file, so the first of them to come, in the order file or the listing, is the
    // one that counts. "desktop.ini" comes only where the order file names it, the order file never, nor a
    // temporary file that a killed writer of the order file left behind.
    enum Place : char { Anywhere, OrderFileOnly, Taken };
    const std::vector<std::string> listing = fs.ListFiles(folder);
    std::unordered_map<std::string, std::size_t> byFoldedName;
    byFoldedName.reserve(listing.size());
    std::vector<Place> place(listing.size(), Anywhere);
    for (std::size_t i = 0; i < listing.size(); ++i) {
        std::string folded = codec.FoldCase(listing[i]);
        if (folded == orderFileKey || ReplaceTemporaryOwner(listing[i], kOrderFileName)) {
            place[i] = Taken;
            continue;
        }
        if (folded == desktopIniKey) place[i] = OrderFileOnly;
        if (!byFoldedName.try_emplace(std::move(folded), i).second) place[i] = Taken;
    }

    const auto lines = ReadOrderFileLines(folder, fs, codec);
    dictionary.Reserve(listing.size() + (lines ? lines->size() : 0));
    if (lines) {
        int separators = 0;
        for (const std::string& line : *lines) {
            if (line == kSeparatorValue) {
                dictionary.Add(std::string(kSeparatorValue) + std::to_string(separators++),
                               std::string(kSeparatorValue));
                continue;
            }
            if (!IsPlainFileName(line)) continue;
            const auto found = byFoldedName.find(codec.FoldCase(line));
            if (found == byFoldedName.end() || place[found->second] == Taken) continue;
            place[found->second] = Taken;
            dictionary.Add(line, JoinPath(folder, line));
        }
    }

    for (std::size_t i = 0; i < listing.size(); ++i) {
        if (place[i] == Anywhere) dictionary.Add(listing[i], JoinPath(folder, listing[i]));
    }
}

}  // namespace tarn
