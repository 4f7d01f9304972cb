#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "settings/SettingsLocation.h"

namespace tarn {
namespace {

using namespace fakes;

// A settings file beside the program makes a portable installation; any other keeps the account's settings.
TEST(PortableSettings, ASettingsFileBesideTheProgramMakesItPortable) {
    FakeShell shell;
    FakeFileSystem fs;
    fs.AddFile("D:\\Bars\\Two\\tarndock.INI");
    fs.AddFile("D:\\Bars\\Three\\TarnDock.ini\\x");  // a folder of that name is no settings file
    struct Case {
        const char* programFolder;
        const char* settingsFile;
        const char* buttons;
    };
    static constexpr Case kCases[] = {
        {"D:\\Bars\\Two", "D:\\Bars\\Two\\TarnDock.ini", "D:\\Bars\\Two\\Buttons"},
        {"D:\\Bars\\One", "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini",
         "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons"},
        {"D:\\Bars\\Three", "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini",
         "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons"},
        {"", "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini",
         "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons"},
    };
    for (const auto& c : kCases) {
        const SettingsLocation at = FindSettingsLocation(shell, fs, c.programFolder);
        EXPECT_EQ(at.settingsFile, c.settingsFile) << c.programFolder;
        EXPECT_EQ(at.defaultButtonFolder, c.buttons) << c.programFolder;
    }
}

}  // namespace
}  // namespace tarn
