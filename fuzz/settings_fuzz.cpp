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
    Settings first;
    Placement firstPlace;
    ReadSettingsFile(location, first, firstPlace, fs, codec);
    FUZZ_REQUIRE(WriteSettingsFile(kFile, first, firstPlace, fs, codec));
    Settings second;
    Placement secondPlace;
    ReadSettingsFile(location, second, secondPlace, fs, codec);
    FUZZ_REQUIRE(Same(first, second));
    FUZZ_REQUIRE(firstPlace == secondPlace);
    return 0;
}
