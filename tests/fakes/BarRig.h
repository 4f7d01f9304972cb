#pragma once

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
    "[Settings]\r\nFolderPath=C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons\r\nDelay=200\r\nAlpha=110\r\n"
    "NoDelayOnScreenBorder=-1\r\nOnScreenBoderOnly=0\r\nFileGrouping=0\r\nIconsInMenus=0\r\nShortcutLNK=-1\r\n"
    "Left=10065\r\nTop=0\r\nWidth=5640\r\nHeight=720\r\n";

struct FakeProgramHost final : ProgramHost {
    void UnloadWindow(FormName) override {}
    void EndProgram() override { ++ends; }
    int ShowFoldersToEdit(const std::string&) override { return foldersToEditResult; }
    int ShowEditOrder(const std::string&, bool) override { return 2; }
    void ShowOptions() override {}
    void ShowHelp() override {}
    int ends = 0, foldersToEditResult = 2;  // cancelled
};

// A bar with every platform service and control faked. The local application-data folder is
// C:\Users\me\AppData\Local; the toolbar starts 8 pixels from the left, as designed at 15 twips per pixel.
struct BarRig {
    static constexpr const char* kSettingsFile = "C:\\Users\\me\\AppData\\Local\\TarnDock\\TarnDock.ini";
    static constexpr const char* kButtons = "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons";

    // Writes a settings file whose FolderPath is the given folder (and any further lines); the folder is made by the
    // files the test adds to it.
    void UseButtonFolder(const std::string& folder, const std::string& moreLines = {}) {
        fs.AddFile(kSettingsFile, "[Settings]\r\nFolderPath=" + folder + "\r\n" + moreLines);
    }
    frmTarnDock& Load() { return bar.Form_Load(), bar; }
    // A tick of the transparency timer, 50 ms after the last.
    void Tick() { clock.now += 50, bar.tmrMouse_Timer(); }

    FakeFileSystem fs;
    FakeTextCodec codec;
    FakeShell shell;
    FakeClock clock;
    FakeScreen screen;
    FakeMessageBox messageBox;
    FakeWindow window{{671, 0, 1047, 48}, 3}, menuWindow{{0, 0, 200, 60}}, tipWindow{{0, 0, 100, 20}};
    FakeCanvas form{{370, 42}}, picBox{{16, 16}, SysColourValue(SysColour::ButtonFace)}, picHintImage{{6, 15}};
    FakeToolbar toolbar;
    FakeImageList ilIcons;
    FakeControl picHint{{0, 0, 8, 17}};
    FakeTimer tmrMouse, tmrHide;
    FakePopupMenu popup;
    FakeProgramHost host;
    // The bar takes the menu host and the tooltip before they are made; it uses them only once loaded.
    frmTarnDock bar{BarServices{fs, codec, shell, clock, screen, messageBox},
                    BarControls{window, form, toolbar, ilIcons, picBox, picHint, picHintImage, tmrMouse, popup}, host,
                    menu, tip};
    frmMenu menu{bar, host, menuWindow, window};
    FakeTipLabel lblTip;
    frmToolTip tip{tipWindow, lblTip, tmrHide, screen};
};

}  // namespace tarn::fakes
