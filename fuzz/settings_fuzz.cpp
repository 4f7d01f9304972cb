// The settings load from any bytes: it never fails, and what it writes back reads back as the same settings.
#include <cassert>
#include <cstdint>
#include <string>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeTextCodec.h"
#include "settings/SettingsFile.h"

constexpr const char* kFile = "C:\\T\\TarnDock.ini";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn;
    fakes::FakeFileSystem fs;
    const fakes::FakeTextCodec codec;
    fs.AddFile(kFile, std::string(reinterpret_cast<const char*>(data), size));
    const SettingsLocation location{kFile, "C:\\T\\Buttons"};
    Settings read[3];
    Placement place[3];
    for (int round = 0; round < 3; ++round) {
        const bool written = round == 0 || WriteSettingsFile(kFile, read[round - 1], place[round - 1], fs, codec);
        assert(written);
        ReadSettingsFile(location, read[round], place[round], fs, codec);
    }
    assert(read[0] == read[1] && read[1] == read[2]);
    assert(place[0] == place[1] && place[1] == place[2]);
    return 0;
}
