#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// An initialisation file ("[section]" headers and "key=value" lines) read and changed the way the
// platform's profile functions do, but keeping every line it does not change byte for byte.
// Text is UTF-8; names match without regard to ASCII case; blanks around names and values do not count.
class IniFile {
public:
    IniFile() = default;
    // Lines end with CRLF, LF or a lone CR.
    explicit IniFile(std::string_view text);

    // What GetPrivateProfileString gives for an unlimited buffer: the value of the first matching key of the
    // first matching section, with one pair of enclosing quotes removed. Nothing when the section or key is
    // absent or the key's line has no "=".
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // GetPrivateProfileInt: the default when the key is absent or its value is empty.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Replaces the value where Get finds it, else adds the key at the end of the section's keys, else adds the
    // section at the end of the file. A value ends at its first line break or NUL, which the format cannot hold;
    // the rest is read back as set, in quotes where it has blanks at its ends or enclosing quotes.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Every line with a CRLF line end.
    std::string Text() const;

private:
    struct SectionRange {
        std::size_t first;  // the first line after the header
        std::size_t end;    // the next header, or the end of the file
    };
    std::optional<SectionRange> FindSection(std::string_view name) const;
    // Index of the first line in the range whose key matches.
    std::optional<std::size_t> FindKey(const SectionRange& range, std::string_view name) const;

    std::vector<std::string> lines_;
};

// The integer GetPrivateProfileInt reads from a value found by IniFile::Get: blanks, an optional sign, an
// optional "0x", "0o" or "0b" base prefix, then digits up to the first other character, taken modulo 2^32.
// An absent or empty value gives the default; a value without digits gives 0.
int ProfileInt(const std::optional<std::string>& value, int defaultValue);

}  // namespace tarn
