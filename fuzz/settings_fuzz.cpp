// The settings load from any bytes: it never fails, and what it writes back reads back as the same settings.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeTextCodec.h"
#include "settings/SettingsFile.h"

namespace {

constexpr const char* kFile = "C:\\T\\TarnDock.ini";

bool Same(const tarn::Settings& a, const tarn::Settings& b) {
    return a.FolderPath == b.FolderPath && a.Delay == b.Delay && a.Alpha == b.Alpha &&
           a.NoDelayOnScreenBorder == b.NoDelayOnScreenBorder && a.OnScreenBoderOnly == b.OnScreenBoderOnly &&
           a.FileGrouping == b.FileGrouping && a.IconsInMenus == b.IconsInMenus && a.ShortcutLNK == b.ShortcutLNK;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn;
    fakes::FakeFileSystem fs;
    const fakes::FakeTextCodec codec;
    fs.AddFile(kFile, std::string(reinterpret_cast<const char*>(data), size));
    const SettingsLocation location{kFile, "C:\\T\\Buttons"};
    Settings read[3];
    Placement place[3];
    for (int round = 0; round < 3; ++round) {
        if (round > 0) FUZZ_REQUIRE(WriteSettingsFile(kFile, read[round - 1], place[round - 1], fs, codec));
        ReadSettingsFile(location, read[round], place[round], fs, codec);
    }
    FUZZ_REQUIRE(Same(read[0], read[1]) && Same(read[1], read[2]));
    FUZZ_REQUIRE(place[0] == place[1] && place[1] == place[2]);
    return 0;
}
