#pragma once
#include <string>
#include <vector>

#include "bar/ProgramHost.h"
#include "bar/frmMenu.h"
#include "bar/frmTarnDock.h"
#include "bar/frmToolTip.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeTextCodec.h"

namespace tarn::fakes {

// The settings file that a first run leaves for the rig's account: the twelve keys in order, the defaults.
inline constexpr const char* kFreshSettingsFile =
    "[Settings]\r\n"
    "FolderPath=C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons\r\n"
    "Delay=200\r\n"
    "Alpha=110\r\n"
    "NoDelayOnScreenBorder=-1\r\n"
    "OnScreenBoderOnly=0\r\n"
    "FileGrouping=0\r\n"
    "IconsInMenus=0\r\n"
    "ShortcutLNK=-1\r\n"
    "Left=10065\r\n"
    "Top=0\r\n"
    "Width=5640\r\n"
    "Height=720\r\n";

class FakeProgramHost final : public ProgramHost {
public:
    void UnloadWindow(FormName) override { ++unloaded; }
    void EndProgram() override { ++ends; }
    int ShowFoldersToEdit(const std::string&) override { return foldersToEditResult; }
    int ShowEditOrder(const std::string&, bool) override { return 2; }
    void ShowOptions() override { ++options; }
    void ShowHelp() override { ++help; }
    int unloaded = 0;
    int ends = 0;
    int foldersToEditResult = 2;
    int options = 0;
    int help = 0;
};

// A bar with every platform service and control faked. The local application-data folder is
// C:\Users\me\AppData\Local; the toolbar starts 8 pixels from the left, as designed at 15 twips per pixel.
struct BarRig {
    static constexpr const char* kSettingsFile = "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini";
    static constexpr const char* kButtons = "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons";

    BarRig();
    // Writes a settings file whose FolderPath is the given folder (and any further lines), and creates the folder.
    void UseButtonFolder(const std::string& folder, const std::string& moreLines = {});
    frmTarnDock& Load();
    // Ticks of the transparency timer, 50 ms apart.
    void Tick(int ticks = 1);
    // Rests the pointer on the bar until it turns solid (at most eight ticks).
    void RestUntilSolid();
    std::string SettingsText() const { return fs.Bytes(kSettingsFile).value_or(""); }

    FakeFileSystem fs;
    FakeTextCodec codec;
    FakeShell shell;
    FakeClock clock;
    FakeScreen screen;
    FakeMessageBox messageBox;
    FakeWindow window{{671, 0, 1047, 48}, 3};
    FakeCanvas form{{370, 42}};
    FakeToolbar toolbar;
    FakeImageList ilIcons;
    FakeCanvas picBox{{16, 16}};
    FakeControl picHint{{0, 0, 8, 17}};
    FakeCanvas picHintImage{{6, 15}};
    FakeTimer tmrMouse;
    FakePopupMenu popup;
    FakeProgramHost host;
    // The bar takes the menu host and the tooltip before they are made; it uses them only once loaded.
    frmTarnDock bar;
    FakeWindow menuWindow{{0, 0, 200, 60}};
    frmMenu menu;
    FakeWindow tipWindow{{0, 0, 100, 20}};
    FakeTipLabel lblTip;
    FakeTimer tmrHide;
    frmToolTip tip;
};

}  // namespace tarn::fakes
