#include "dialogs/frmTarnOptions.h"

#include <algorithm>

#include "dialogs/OptionsForm.h"
#include "platform/Geometry.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

namespace form = OptionsForm;

int Within(int value, const form::SliderDesign& range) { return std::clamp(value, range.minimum, range.maximum); }
bool Offered(int value, const form::SliderDesign& range) { return Within(value, range) == value; }
int Milliseconds(double seconds) { return RoundToInt(seconds * 1000.0); }

}  // namespace

int SliderFromAlpha(int alpha, int maxAlpha) {
    if (maxAlpha == 0) return form::kAlphaRange.maximum;
    return Within(RoundToInt(static_cast<double>(maxAlpha - alpha) / maxAlpha * 100.0), form::kAlphaRange);
}

int AlphaFromSlider(int slider, int maxAlpha) { return RoundToInt(maxAlpha - (slider * maxAlpha) / 100.0); }

int SliderFromDelay(double delay) { return Within(Milliseconds(delay), form::kDelayRange); }

frmTarnOptions::frmTarnOptions(const OptionsServices& services, const OptionsControls& controls, OptionsBar& bar,
                               OptionsHost& host)
    : services_(services), controls_(controls), bar_(bar), host_(host) {}

int frmTarnOptions::AlphaFromSlider() const {
    return tarn::AlphaFromSlider(controls_.sldAlpha.Value(), bar_.CurrentSettings().MaxAlpha);
}

void frmTarnOptions::ShowForm() {
    const Settings& s = bar_.CurrentSettings();
    controls_.sldAlpha.SetValue(SliderFromAlpha(s.Alpha, s.MaxAlpha));
    controls_.sldDelay.SetValue(SliderFromDelay(s.Delay));
    controls_.txtPath.SetText(s.FolderPath);
    controls_.txtPath.SetTip(s.FolderPath);
    controls_.chkNoDelay.SetChecked(s.NoDelayOnScreenBorder);
    controls_.chkOnBoderOnly.SetChecked(s.OnScreenBoderOnly);
    // A grouping mode that no option stands for selects none.
    for (std::size_t i = 0; i < controls_.optFileGrouping.size(); ++i) {
        controls_.optFileGrouping[i]->SetChecked(static_cast<int>(i) == s.FileGrouping);
    }
    controls_.chkIconMenu.SetChecked(s.IconsInMenus);
    controls_.chkShortcutLNK.SetChecked(s.ShortcutLNK);
    OrderChanged_ = false;
    alphaMoved_ = false;
    delayMoved_ = false;
    controls_.dialog.SetTitle(std::string(form::kTitle));
    ShowInTaskbar(controls_.window, true);
    controls_.dialog.ShowModeless();
}

void frmTarnOptions::sldAlpha_Change() {
    alphaMoved_ = true;
    bar_.SetAlpha(AlphaFromSlider());
}

void frmTarnOptions::cmdOK_Click() {
    if (!FolderTyped()) {
        ShowFolderError();
        return;
    }
    Settings& s = bar_.CurrentSettings();
    bool changed = false;
    const std::string path = controls_.txtPath.Text();
    if (path != s.FolderPath) {
        changed = true;
        s.FolderPath = path;
    }
    // A stored value that the slider cannot show is kept unless the user moved the slider.
    if (alphaMoved_ || (s.Alpha >= 0 && s.Alpha <= s.MaxAlpha)) s.Alpha = AlphaFromSlider();
    if (delayMoved_ || Offered(Milliseconds(s.Delay), form::kDelayRange))
        s.Delay = controls_.sldDelay.Value() / 1000.0;
    s.NoDelayOnScreenBorder = controls_.chkNoDelay.Checked();
    s.OnScreenBoderOnly = controls_.chkOnBoderOnly.Checked();
    s.IconsInMenus = controls_.chkIconMenu.Checked();
    s.ShortcutLNK = controls_.chkShortcutLNK.Checked();
    for (std::size_t i = 0; i < controls_.optFileGrouping.size(); ++i) {
        if (!controls_.optFileGrouping[i]->Checked()) continue;
        if (static_cast<int>(i) != s.FileGrouping) {
            changed = true;
            s.FileGrouping = static_cast<int>(i);
        }
        break;
    }
    if (OrderChanged_) changed = true;
    if (changed) bar_.FillToolbar();
    controls_.dialog.Unload();
}

void frmTarnOptions::cmdCancel_Click() {
    bar_.SetAlpha(bar_.CurrentSettings().Alpha);
    if (OrderChanged_) {
        switch (services_.question.AskYesNoCancel(std::string(form::kOrderQuestion), std::string(form::kAppTitle))) {
            case Answer::Yes: bar_.FillToolbar(); break;
            case Answer::No: bar_.SaveFileDic(); break;
            case Answer::Cancel: return;
        }
    }
    controls_.dialog.Unload();
}

void frmTarnOptions::ShowFolderError() {
    services_.messageBox.Show(std::string(form::kFolderError), std::string(form::kErrorTitle), MessageIcon::Critical);
}

void frmTarnOptions::cmdEditFolder_Click() {
    if (!FolderTyped()) {
        ShowFolderError();
        return;
    }
    services_.shell.OpenFolder(controls_.txtPath.Text());
}

void frmTarnOptions::cmdEditOrder_Click() {
    if (!FolderTyped()) {
        ShowFolderError();
        return;
    }
    // Only the picker has a taskbar button while it is open.
    ShowInTaskbar(controls_.window, false);
    if (host_.ShowFoldersToEdit(controls_.txtPath.Text()) == 1) OrderChanged_ = true;
    ShowInTaskbar(controls_.window, true);
}

void frmTarnOptions::cmdSelectFolder_Click() {
    ShowInTaskbar(controls_.window, false);
    std::string newPath;
    if (host_.ShowSelectFolder(controls_.txtPath.Text(), newPath) == 1) controls_.txtPath.SetText(newPath);
    ShowInTaskbar(controls_.window, true);
}

bool frmTarnOptions::Form_KeyDown(Key key, int /*shift*/) {
    switch (key) {
        case Key::F1: cmdHelp_Click(); return true;
        case Key::F8: cmdEditFolder_Click(); return true;
        case Key::F9: cmdEditOrder_Click(); return true;
        default: return false;
    }
}

}  // namespace tarn
