#pragma once
#include <string>
#include <string_view>

#include "platform/TextCodec.h"

namespace tarn {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The Unicode form a text file takes when the code page cannot hold its text.
enum class UnicodeForm { Utf8, Utf16Le };

// A byte-order mark (UTF-16LE or UTF-8) means Unicode; anything else is the code page.
std::string DecodeTextFile(std::string_view bytes, const TextCodec& codec);
// The code page when every character fits, else the Unicode form with its byte-order mark.
std::string EncodeTextFile(std::string_view utf8, const TextCodec& codec, UnicodeForm unicodeForm);

// Blanks (spaces only) removed at both ends.
std::string TrimBlanks(std::string_view text);
std::string AsciiLower(std::string_view text);
// Joins like a path: a backslash is put between only when the folder does not end with one.
std::string JoinPath(std::string_view folder, std::string_view name);
// The last component of a path.
std::string FileNamePart(std::string_view path);
// The last component without its extension.
std::string BaseName(std::string_view path);
// The extension of the last component, without the dot; empty when there is none.
std::string ExtensionOf(std::string_view path);

}  // namespace tarn
