#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ItemDictionary.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

namespace tarn {

// The two lines that open every order file; readers skip them unread.
inline constexpr std::string_view kOrderFileHeader =
    "; >>> This file has been created and is used by the program TarnDock. <<<";
inline constexpr std::string_view kOrderFileSection = "[FileNames]";

// The entry lines of an order file's bytes: the first two lines dropped, any of CRLF, LF or CR ending a line.
// A code-page file and a UTF-8 or UTF-16LE file with its byte-order mark read alike.
std::vector<std::string> ParseOrderFile(std::string_view bytes, const TextCodec& codec);

// The whole file for these entry lines, each line ended by CRLF: in the code page when every name fits it,
// else as UTF-8 with a byte-order mark, so that no name loses its place.
std::string FormatOrderFile(const std::vector<std::string>& entryLines, const TextCodec& codec);

// The entry lines of the folder's order file; nothing when it has none or it cannot be read.
std::optional<std::vector<std::string>> ReadOrderFileLines(const std::string& folder, const FileSystem& fs,
                                                           const TextCodec& codec);

// Writes the entry lines to the order file at filePath, leaving out any line that names the order file itself or
// holds a path.
// False when the file could not be replaced (a read-only file or folder); the old file then stays as it was.
bool WriteOrderFile(const std::vector<std::string>& entryLines, const std::string& filePath, FileSystem& fs,
                    const TextCodec& codec) noexcept;

// Writes a folder's item dictionary as its order file: "<>" for a separator, else the entry's name.
bool WriteFileDic(const ItemDictionary& dictionary, const std::string& filePath, FileSystem& fs,
                  const TextCodec& codec) noexcept;

// Refills the dictionary from the folder: the entries its order file names, in that order and with its separators
// (keyed "<>0", "<>1", ...), then the files the order file does not name, in listing order. Names are matched
// against the listing without regard to case; lines naming no file of the folder, or the order file itself, are
// dropped. "desktop.ini" is never taken from the listing, only where the order file names it.
void LoadFileDic(ItemDictionary& dictionary, const std::string& folder, const FileSystem& fs, const TextCodec& codec);

}  // namespace tarn
