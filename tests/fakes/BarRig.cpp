#include "fakes/BarRig.h"

namespace tarn::fakes {

BarRig::BarRig() {
    toolbar.Move({8, 0, 360, 42});
    picBox.SetBackground(SysColour::ButtonFace);
    bar = std::make_unique<frmTarnDock>(BarServices{fs, codec, shell, clock, screen, messageBox},
                                        BarControls{window, form, toolbar, ilIcons, picBox, picHint, picHintImage,
                                                    tmrMouse, popup},
                                        host);
    menu = std::make_unique<frmMenu>(*bar, host, menuWindow, window);
    tip = std::make_unique<frmToolTip>(tipWindow, lblTip, tmrHide, screen);
    bar->AttachWindows(*menu, *tip);
}

void BarRig::UseButtonFolder(const std::string& folder) {
    fs.AddFolder(folder);
    fs.AddFile(kSettingsFile, "[Settings]\r\nFolderPath=" + folder + "\r\n");
}

frmTarnDock& BarRig::Load() {
    bar->Form_Load();
    return *bar;
}

void BarRig::Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        clock.now += 50;
        bar->tmrMouse_Timer();
    }
}

void BarRig::RestUntilSolid() {
    screen.cursor = {700, 20};
    for (int i = 0; i < 8 && !bar->Solid(); ++i) Tick();
}

std::vector<std::string> BarRig::Images() const {
    std::vector<std::string> images;
    for (const ButtonRecord& b : toolbar.buttons) images.push_back(b.image);
    return images;
}

std::string BarRig::SettingsText() const { return fs.Bytes(kSettingsFile).value_or(""); }

}  // namespace tarn::fakes
