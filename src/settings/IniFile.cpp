#include "settings/IniFile.h"

#include <cstdint>

namespace tarn {
namespace {

// The profile functions also take the DOS end-of-file character for a blank, but not Unicode spaces.
bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

std::string_view TrimStart(std::string_view s) {
    while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimEnd(std::string_view s) {
    while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) { return TrimEnd(TrimStart(s)); }

// The platform keeps names and values as C strings, so an embedded NUL ends them; blanks before it then end
// them too.
std::string_view UpToNul(std::string_view s) { return TrimEnd(s.substr(0, s.find('\0'))); }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    }
    return true;
}

struct ParsedLine {
    enum class Kind { Blank, Header, Key } kind = Kind::Blank;
    std::string_view name;
    std::optional<std::string_view> value;  // nothing for a key line without "="
};

// A line that starts with "[" and holds a "]" somewhere is a header up to its last "]"; any other non-blank
// line is a key, comment lines included, as the platform reads them.
ParsedLine ParseLine(std::string_view line) {
    const std::string_view s = Trim(line);
    if (s.empty()) return {};
    if (s.front() == '[') {
        const auto close = s.rfind(']');
        if (close != std::string_view::npos) {
            return {ParsedLine::Kind::Header, UpToNul(Trim(s.substr(1, close - 1))), std::nullopt};
        }
    }
    const auto equals = s.find('=');
    if (equals == std::string_view::npos) return {ParsedLine::Kind::Key, UpToNul(s), std::nullopt};
    return {ParsedLine::Kind::Key, UpToNul(TrimEnd(s.substr(0, equals))), UpToNul(TrimStart(s.substr(equals + 1)))};
}

std::string StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// A value that reading would change, one with a blank at an end or inside a pair of quotes, goes into quotes
// of its own, which reading removes again.
std::string Stored(std::string_view value) {
    const bool changed = !value.empty() &&
                         (IsProfileSpace(value.front()) || IsProfileSpace(value.back()) || StripQuotes(value) != value);
    return changed ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

IniFile::IniFile(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.emplace_back(text.substr(start));
            break;
        }
        lines_.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

std::optional<IniFile::SectionRange> IniFile::FindSection(std::string_view name) const {
    name = Trim(name);
    // Lines before the first header form a section without a name.
    std::optional<SectionRange> found;
    if (name.empty()) found = SectionRange{0, lines_.size()};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine parsed = ParseLine(lines_[i]);
        if (parsed.kind != ParsedLine::Kind::Header) continue;
        if (found) {
            found->end = i;
            return found;
        }
        if (SameName(parsed.name, name)) found = SectionRange{i + 1, lines_.size()};
    }
    return found;
}

std::optional<std::size_t> IniFile::FindKey(const SectionRange& range, std::string_view name) const {
    name = Trim(name);
    for (std::size_t i = range.first; i < range.end; ++i) {
        const ParsedLine parsed = ParseLine(lines_[i]);
        if (parsed.kind == ParsedLine::Kind::Key && SameName(parsed.name, name)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    // Only the first of several equally named sections is searched, and only the first matching key counts
    // even when it has no value.
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto line = FindKey(*range, key);
    if (!line) return std::nullopt;
    const ParsedLine parsed = ParseLine(lines_[*line]);
    if (!parsed.value) return std::nullopt;
    return StripQuotes(*parsed.value);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    return ProfileInt(Get(section, key), defaultValue);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string stored = Stored(value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3))));
    key = Trim(key);
    const auto range = FindSection(section);
    if (!range) {
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(std::string(key) + "=" + stored);
        return;
    }
    if (const auto line = FindKey(*range, key)) {
        // The key keeps its spelling from the file; only the value changes.
        const std::string_view text = Trim(lines_[*line]);
        const std::string name(TrimEnd(text.substr(0, text.find('='))));
        lines_[*line] = name + "=" + stored;
        return;
    }
    // After the section's last key, so that blank lines before the next header stay where they are.
    std::size_t insertAt = range->first;
    for (std::size_t i = range->first; i < range->end; ++i) {
        if (ParseLine(lines_[i]).kind == ParsedLine::Kind::Key) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::string(key) + "=" + stored);
}

std::string IniFile::Text() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

int ProfileInt(const std::optional<std::string>& value, int defaultValue) {
    if (!value || value->empty()) return defaultValue;
    // The platform reads the value into a buffer of 30 characters, its terminating NUL included.
    const std::string_view s = std::string_view(*value).substr(0, 29);
    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::uint32_t base = 10;
    if (s.size() - i >= 2 && s[i] == '0') {
        if (s[i + 1] == 'x') base = 16;
        if (s[i + 1] == 'o') base = 8;
        if (s[i + 1] == 'b') base = 2;
        if (base != 10) i += 2;
    }
    std::uint32_t total = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        std::uint32_t digit = 99;
        if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
        if (c >= 'a' && c <= 'z') digit = static_cast<std::uint32_t>(c - 'a' + 10);
        if (c >= 'A' && c <= 'Z') digit = static_cast<std::uint32_t>(c - 'A' + 10);
        if (digit >= base) break;
        total = total * base + digit;
    }
    if (negative) total = 0u - total;
    return static_cast<int>(total);
}

}  // namespace tarn
