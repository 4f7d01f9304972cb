#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "settings/SettingsLocation.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

const std::vector<Rect> kOne{{0, 0, 1024, 768}};
const std::vector<Rect> kSideBySide{{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
const std::vector<Rect> kAt144Dpi{{0, 0, 1536, 1152}};
const std::vector<Rect> kAbove{{0, 0, 1024, 768}, {0, -768, 1024, 0}};

// 1024 x 768 pixels at 15 twips per pixel are 15360 x 11520 twips.
TEST(WindowPlacement, KeepsAllOrHalfOfTheWindowOnTheMonitorItLiesOn) {
    const struct {
        const char* what;
        const std::vector<Rect>* monitors;
        double twipsPerPixel;
        Placement twips;
        bool half;
        Rect expected;
    } cases[] = {
        {"designed bar", &kOne, 15, kDesignedBar, true, {671, 0, 1047, 48}},
        {"designed bar", &kOne, 15, kDesignedBar, false, {648, 0, 1024, 48}},
        {"no size", &kOne, 15, {0, 0, 0, 0}, true, {0, 0, 16, 16}},
        {"no size", &kOne, 15, {0, 0, 0, 0}, false, {0, 0, 8, 8}},
        {"far left", &kOne, 15, {-100000, 0, 5640, 720}, true, {-188, 0, 188, 48}},
        {"far left", &kOne, 15, {-100000, 0, 5640, 720}, false, {0, 0, 376, 48}},
        {"far right and low", &kOne, 15, {100000, 100000, 5640, 720}, true, {836, 744, 1212, 792}},
        {"far right and low", &kOne, 15, {100000, 100000, 5640, 720}, false, {648, 720, 1024, 768}},
        {"above the top", &kOne, 15, {0, -5000, 5640, 720}, true, {0, -24, 376, 24}},
        {"larger than the screen", &kOne, 15, {500, 500, 20000, 15000}, false, {0, 0, 1333, 1000}},
        // 836.5 and 835.5 pixels: halves go to the even neighbour.
        {"left edge at 836.5 px", &kOne, 15, {100000, 0, 5625, 720}, true, {836, 0, 1211, 48}},
        {"left edge at 835.5 px", &kOne, 15, {100000, 0, 5655, 720}, true, {836, 0, 1213, 48}},
        {"144 DPI", &kAt144Dpi, 10, kDesignedBar, true, {1006, 0, 1570, 72}},
        {"on the right monitor", &kSideBySide, 15, {22500, 0, 5640, 720}, true, {1500, 0, 1876, 48}},
        {"beyond the right monitor", &kSideBySide, 15, {100000, 0, 5640, 720}, true, {1860, 0, 2236, 48}},
        {"mostly on the right monitor", &kSideBySide, 15, {15000, 0, 5640, 720}, false, {1024, 0, 1400, 48}},
        {"on the primary monitor", &kSideBySide, 15, {10065, 0, 5640, 720}, false, {648, 0, 1024, 48}},
        {"on the monitor above", &kAbove, 15, {0, -10500, 5640, 720}, true, {0, -700, 376, -652}},
        {"far above the monitor above", &kAbove, 15, {0, -300000, 5640, 720}, true, {0, -792, 376, -744}},
        {"far above the monitor above", &kAbove, 15, {0, -300000, 5640, 720}, false, {0, -768, 376, -720}},
    };
    for (const auto& c : cases) {
        fakes::FakeScreen screen;
        screen.monitors = *c.monitors;
        screen.twips = {c.twipsPerPixel, c.twipsPerPixel};
        EXPECT_EQ(PlaceWindowRect(c.twips, c.half, screen), c.expected) << c.what << (c.half ? " (half)" : "");
        fakes::FakeWindow window;
        PlaceWindowOnScreen(window, screen, c.twips, c.half);
        EXPECT_EQ(window.WindowRect(), c.expected) << c.what;
    }
}

TEST(WindowPlacement, ShowInTaskbarShowsTheWindowAgainOnlyIfItWasVisible) {
    for (const bool visible : {false, true}) {
        fakes::FakeWindow window;
        if (visible) window.Show(ShowCommand::Show);
        window.SetSeeThrough(0xF0F0F0, 110);
        ShowInTaskbar(window, false);
        EXPECT_FALSE(window.HasTaskbarButton());
        EXPECT_TRUE(window.seeThrough);
        EXPECT_EQ(window.IsVisible(), visible);
        ShowInTaskbar(window, true);
        EXPECT_TRUE(window.HasTaskbarButton());
    }
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

TEST(SettingsLocation, CreateDirectoryPathReportsFailuresAndErrorsAsFalse) {
    ThrowingFileSystem throwing;
    EXPECT_FALSE(CreateDirectoryPath(throwing, "C:\\a\\b\\"));
    fakes::FakeFileSystem fs;
    fs.AddFolder("C:\\ro");
    fs.SetReadOnly("C:\\ro");
    EXPECT_FALSE(CreateDirectoryPath(fs, "C:\\ro\\sub\\"));
    EXPECT_TRUE(CreateDirectoryPath(fs, "C:\\a\\b\\c\\TarnDock.ini"));
    EXPECT_TRUE(fs.FolderExists("C:\\a\\b\\c"));
}

TEST(SettingsLocation, BelowTheLocalApplicationDataFolderOrRelativeWhenItIsUnknown) {
    fakes::FakeShell shell;
    SettingsLocation at = FindSettingsLocation(shell);
    EXPECT_EQ(at.settingsFile, "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini");
    EXPECT_EQ(at.defaultButtonFolder, "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons");
    shell.localAppData.clear();
    at = FindSettingsLocation(shell);
    EXPECT_EQ(at.settingsFile, "TarnDock\\TarnDock.ini");
    EXPECT_EQ(at.defaultButtonFolder, "TarnDock\\Buttons");
}

}  // namespace
}  // namespace tarn
