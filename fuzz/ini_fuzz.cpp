// The initialisation-file reader and writer: a value set is read back as set, and the text of a file re-parses
// to the same lines.
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The input is a file. Every answer comes from its lines alone, so the same lines again give the same answers.
    const IniFile ini(input);
    assert(IniFile(ini.Text()).Text() == ini.Text());

    // Its last three lines, when there are that many, are also a section, a key and a value to set.
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
        assert(changed.Get(tail[2], tail[1]) == tail[0]);
        assert(IniFile(changed.Text()).Get(tail[2], tail[1]) == tail[0]);
    }
    return 0;
}
