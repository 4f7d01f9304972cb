#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/modAPI.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"

namespace tarn {
namespace {

struct PlaceCase {
    const char* what;
    Placement twips;
    bool half;
    Rect expected;
};

void ExpectPlaces(const fakes::FakeScreen& screen, const std::vector<PlaceCase>& cases) {
    for (const PlaceCase& c : cases) {
        EXPECT_EQ(PlaceWindowRect(c.twips, c.half, screen), c.expected) << c.what << (c.half ? " (half)" : " (whole)");
    }
}

// 1024 x 768 pixels at 15 twips per pixel: 15360 x 11520 twips.
TEST(ModApi, PlacesOnASingleMonitor) {
    const fakes::FakeScreen screen;
    ExpectPlaces(screen, {
        {"designed bar", kDesignedBar, true, {671, 0, 1047, 48}},
        {"designed bar", kDesignedBar, false, {648, 0, 1024, 48}},
        {"no size", {0, 0, 0, 0}, true, {0, 0, 16, 16}},
        {"no size", {0, 0, 0, 0}, false, {0, 0, 8, 8}},
        {"far left", {-100000, 0, 5640, 720}, true, {-188, 0, 188, 48}},
        {"far left", {-100000, 0, 5640, 720}, false, {0, 0, 376, 48}},
        {"far right and low", {100000, 100000, 5640, 720}, true, {836, 744, 1212, 792}},
        {"far right and low", {100000, 100000, 5640, 720}, false, {648, 720, 1024, 768}},
        {"above the top", {0, -5000, 5640, 720}, true, {0, -24, 376, 24}},
        {"above the top", {0, -5000, 5640, 720}, false, {0, 0, 376, 48}},
        {"larger than the screen", {500, 500, 20000, 15000}, false, {0, 0, 1333, 1000}},
        // 836.5 and 835.5 pixels: halves go to the even neighbour.
        {"left edge at 836.5 px", {100000, 0, 5625, 720}, true, {836, 0, 1211, 48}},
        {"left edge at 835.5 px", {100000, 0, 5655, 720}, true, {836, 0, 1213, 48}},
    });
}

TEST(ModApi, ConvertsWithTheScreensTwipsPerPixel) {
    fakes::FakeScreen screen;
    screen.twipsPerPixel = 10;  // 144 DPI
    screen.monitors = {{0, 0, 1536, 1152}};
    ExpectPlaces(screen, {
        {"designed bar", kDesignedBar, true, {1006, 0, 1570, 72}},
        {"far right", {100000, 0, 5640, 720}, false, {972, 0, 1536, 72}},
    });
}

TEST(ModApi, KeepsTheWindowOnTheMonitorItLiesOn) {
    fakes::FakeScreen screen;
    screen.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    ExpectPlaces(screen, {
        {"on the right monitor", {22500, 0, 5640, 720}, true, {1500, 0, 1876, 48}},
        {"beyond the right monitor", {100000, 0, 5640, 720}, true, {1860, 0, 2236, 48}},
        {"mostly on the right monitor", {15000, 0, 5640, 720}, false, {1024, 0, 1400, 48}},
        {"on the primary monitor", {10065, 0, 5640, 720}, false, {648, 0, 1024, 48}},
    });

    screen.monitors = {{0, 0, 1024, 768}, {0, -768, 1024, 0}};
    ExpectPlaces(screen, {
        {"on the monitor above", {0, -10500, 5640, 720}, true, {0, -700, 376, -652}},
        {"far above the monitor above", {0, -300000, 5640, 720}, true, {0, -792, 376, -744}},
        {"far above the monitor above", {0, -300000, 5640, 720}, false, {0, -768, 376, -720}},
    });
}

TEST(ModApi, PlaceWindowOnScreenMovesTheWindowOnce) {
    fakes::FakeScreen screen;
    fakes::FakeWindow window;
    PlaceWindowOnScreen(window, screen, {-100000, 0, 0, 0}, true);
    EXPECT_EQ(window.moves, (std::vector<Rect>{{-8, 0, 8, 16}}));
}

TEST(ModApi, ShowInTaskbarChangesOnlyTheAppWindowBitWhileHidden) {
    fakes::FakeWindow visible;
    visible.Show(ShowCommand::Show);
    visible.SetExStyle(kWsExLayered | kWsExTransparent);
    visible.shows.clear();
    visible.exStyles.clear();
    ShowInTaskbar(visible, true);
    EXPECT_EQ(visible.shows, (std::vector<ShowCommand>{ShowCommand::Hide, ShowCommand::Show}));
    EXPECT_EQ(visible.exStyles, (std::vector<std::uint32_t>{kWsExLayered | kWsExTransparent | kWsExAppWindow}));

    fakes::FakeWindow hidden;
    hidden.SetExStyle(kWsExLayered | kWsExAppWindow);
    hidden.exStyles.clear();
    ShowInTaskbar(hidden, false);
    EXPECT_EQ(hidden.shows, (std::vector<ShowCommand>{ShowCommand::Hide}));
    EXPECT_EQ(hidden.exStyles, (std::vector<std::uint32_t>{kWsExLayered}));
    EXPECT_FALSE(hidden.IsVisible());
}

class ThrowingFileSystem final : public FileSystem {
public:
    bool FileExists(const std::string&) const override { return false; }
    bool FolderExists(const std::string&) const override { return false; }
    std::vector<std::string> ListFiles(const std::string&) const override { return {}; }
    std::vector<std::string> ListFolders(const std::string&) const override { return {}; }
    std::optional<std::string> ReadFile(const std::string&) const override { return std::nullopt; }
    bool WriteFileAtomic(const std::string&, std::string_view) override { return false; }
    bool CreateDirectoryPath(const std::string&) override { throw std::runtime_error("device not ready"); }
};

TEST(ModApi, CreateDirectoryPathReportsFailuresAndErrorsAsFalse) {
    ThrowingFileSystem throwing;
    EXPECT_FALSE(CreateDirectoryPath(throwing, "C:\\a\\b\\"));

    fakes::FakeFileSystem fs;
    fs.AddFolder("C:\\ro");
    fs.SetReadOnly("C:\\ro");
    EXPECT_FALSE(CreateDirectoryPath(fs, "C:\\ro\\sub\\"));
    EXPECT_TRUE(CreateDirectoryPath(fs, "C:\\a\\b\\c\\TarnDock.ini"));
    EXPECT_TRUE(fs.FolderExists("C:\\a\\b\\c"));
}

}  // namespace
}  // namespace tarn
