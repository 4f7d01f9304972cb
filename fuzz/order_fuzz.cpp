// The order file: any bytes parse without harm, and entry lines survive formatting and parsing unchanged.
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeTextCodec.h"
#include "model/OrderFile.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const tarn::fakes::FakeTextCodec codec;
    const std::vector<std::string> parsed = tarn::ParseOrderFile(input, codec);

    // The input's lines as entry lines, each made valid UTF-8 by the round trip through UTF-16.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find_first_of("\r\n", start);
        if (end == std::string::npos) end = input.size();
        lines.push_back(tarn::Utf16ToUtf8(tarn::Utf8ToUtf16(input.substr(start, end - start))));
        start = end + 1;
    }
    assert(tarn::ParseOrderFile(tarn::FormatOrderFile(lines, codec), codec) == lines);
    // Never more lines than the bytes could hold.
    assert(parsed.size() <= size);
    return 0;
}
