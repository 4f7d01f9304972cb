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
    const std::string account = "C:\\Users\\me\\AppData\\Local\\TarnDock\\";
    struct Case {
        const char* programFolder;
        bool portable;
    };
    static constexpr Case kCases[] = {
        {"D:\\Bars\\Two", true}, {"D:\\Bars\\One", false}, {"D:\\Bars\\Three", false}, {"", false}};
    for (const auto& c : kCases) {
        const SettingsLocation at = FindSettingsLocation(shell, fs, c.programFolder);
        const std::string folder = c.portable ? std::string(c.programFolder) + "\\" : account;
        EXPECT_EQ(at.settingsFile + "|" + at.defaultButtonFolder, folder + "TarnDock.ini|" + folder + "Buttons")
            << c.programFolder;
    }
}

}  // namespace
}  // namespace tarn
