#include "fakes/BarRig.h"

namespace tarn::fakes {

BarRig::BarRig()
    : bar(BarServices{fs, codec, shell, clock, screen, messageBox},
          BarControls{window, form, toolbar, ilIcons, picBox, picHint, picHintImage, tmrMouse, popup}, host, menu, tip),
      menu(bar, host, menuWindow, window),
      tip(tipWindow, lblTip, tmrHide, screen) {
    toolbar.Move({8, 0, 360, 42});
    picBox.SetBackground(SysColour::ButtonFace);
}

void BarRig::UseButtonFolder(const std::string& folder, const std::string& moreLines) {
    fs.AddFolder(folder);
    fs.AddFile(kSettingsFile, "[Settings]\r\nFolderPath=" + folder + "\r\n" + moreLines);
}

frmTarnDock& BarRig::Load() {
    bar.Form_Load();
    return bar;
}

void BarRig::Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        clock.now += 50;
        bar.tmrMouse_Timer();
    }
}

void BarRig::RestUntilSolid() {
    screen.cursor = {700, 20};
    for (int i = 0; i < 8 && !bar.Solid(); ++i) Tick();
}

}  // namespace tarn::fakes
