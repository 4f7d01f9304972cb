#pragma once
#include <array>
#include <string>

#include "dialogs/OptionsHost.h"
#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/FileSystem.h"
#include "platform/Keys.h"
#include "platform/MessageDialog.h"
#include "platform/ModelessDialog.h"
#include "platform/QuestionDialog.h"
#include "platform/Shell.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Window.h"

namespace tarn {

struct OptionsServices {
    const FileSystem& fs;
    Shell& shell;
    MessageDialog& messageBox;
    QuestionDialog& question;
};

struct OptionsControls {
    Window& window;
    ModelessDialog& dialog;
    Slider& sldAlpha;
    Slider& sldDelay;
    std::array<CheckBox*, 3> optFileGrouping;
    CheckBox& chkNoDelay;
    CheckBox& chkOnBoderOnly;
    CheckBox& chkShortcutLNK;
    CheckBox& chkIconMenu;
    TextBox& txtPath;
};

// The slider position that shows an opacity, in percent of MaxAlpha see-through, within the slider's range.
int SliderFromAlpha(int alpha, int maxAlpha);
// The opacity that a slider position stands for.
int AlphaFromSlider(int slider, int maxAlpha);
// The delay slider's position for a fading delay in seconds, within the slider's range.
int SliderFromDelay(double delay);

// The options dialog: edits the bar's settings beside the working bar and applies them on OK, rebuilding the bar
// only when its buttons change.
class frmTarnOptions {
public:
    frmTarnOptions(const OptionsServices& services, const OptionsControls& controls, OptionsBar& bar,
                   OptionsHost& host);

    // Fills the dialog from the bar and shows it; returns at once. While open, it fills it again.
    void ShowForm();

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdEditFolder_Click();
    void cmdEditOrder_Click();
    void cmdSelectFolder_Click();
    void cmdHelp_Click() { host_.ShowHelp(); }
    // The user moved a slider.
    void sldAlpha_Change();
    void sldDelay_Change() { delayMoved_ = true; }
    // The window sees keys before its controls; true when it took the key.
    bool Form_KeyDown(Key key, int shift);

    bool OrderChanged() const { return OrderChanged_; }

private:
    int AlphaFromSlider() const;
    void ShowFolderError();
    bool FolderTyped() const { return services_.fs.FolderExists(controls_.txtPath.Text()); }

    OptionsServices services_;
    OptionsControls controls_;
    OptionsBar& bar_;
    OptionsHost& host_;
    bool OrderChanged_ = false;
    bool alphaMoved_ = false;
    bool delayMoved_ = false;
};

}  // namespace tarn
