// The initialisation-file reader and writer: a value set is read back as set, and the text of a file re-parses
// to the same answers.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "settings/IniFile.h"

namespace {

using tarn::IniFile;

// Names and values that the format holds: no line break or NUL, and for names no blank at either end and no
// character that ends a name.
bool Plain(const std::string& text, bool name) {
    if (name && (text.empty() || static_cast<unsigned char>(text.front()) <= ' ' ||
                 static_cast<unsigned char>(text.back()) <= ' ')) {
        return false;
    }
    for (const char c : text) {
        if (c == '\r' || c == '\n' || c == '\0' || (name && (c == '=' || c == '[' || c == ']' || c == ';'))) {
            return false;
        }
    }
    return true;
}

// The section and key names that a text's lines spell, as a reader would find them.
std::vector<std::pair<std::string, std::string>> NamesIn(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    std::size_t start = 0;
    while (start <= text.size() && names.size() < 64) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (line.size() > 1 && line.front() == '[' && line.find(']') != std::string::npos) {
            section = line.substr(1, line.find(']') - 1);
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            names.push_back({section, line.substr(0, eq)});
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The input is a file; its last three lines, when there are that many, are also a section, a key and a
    // value to set.
    const IniFile ini(input);
    const IniFile again(ini.Text());
    for (const auto& [section, key] : NamesIn(input)) {
        FUZZ_REQUIRE(ini.Get(section, key) == again.Get(section, key));
        FUZZ_REQUIRE(ini.GetInt(section, key, 7) == again.GetInt(section, key, 7));
    }
    FUZZ_REQUIRE(again.Text() == ini.Text());

    std::vector<std::string> tail;
    for (std::size_t end = input.size(); tail.size() < 3 && end != std::string::npos && end > 0;) {
        const std::size_t begin = input.rfind('\n', end - 1);
        tail.push_back(input.substr(begin == std::string::npos ? 0 : begin + 1,
                                    end - (begin == std::string::npos ? 0 : begin + 1)));
        end = begin;
    }
    if (tail.size() == 3 && Plain(tail[2], true) && Plain(tail[1], true) && Plain(tail[0], false)) {
        IniFile changed(input);
        changed.Set(tail[2], tail[1], tail[0]);
        FUZZ_REQUIRE(changed.Get(tail[2], tail[1]) == tail[0]);
        FUZZ_REQUIRE(IniFile(changed.Text()).Get(tail[2], tail[1]) == tail[0]);
    }
    return 0;
}
