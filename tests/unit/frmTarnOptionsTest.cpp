#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "dialogs/frmTarnOptions.h"
#include "fakes/FakeDialogControls.h"
#include "platform/QuestionDialog.h"

namespace tarn {
namespace {

using namespace fakes;

// The bar, the dialogs it opens for the options and the question Cancel asks: what its idle opacity shows, the
// settings its buttons were last built from, whether its order was written back over the order files, the last
// question asked. The order picker saves an order when told to, the folder selection is cancelled; both note where
// they were opened and whether the options window had a taskbar button meanwhile.
struct FakeOptionsBar final : OptionsBar, OptionsHost, QuestionDialog {
    explicit FakeOptionsBar(const Window& options) : options(options) {}
    Settings& CurrentSettings() override { return settings; }
    void SetAlpha(int tempAlpha) override { shownAlpha = tempAlpha; }
    void FillToolbar() override { builtFrom = settings; }
    void SaveFileDic() override { orderWrittenBack = true; }
    int ShowFoldersToEdit(const std::string& folder) override { return Opened(folder), orderSaved ? 1 : 2; }
    int ShowSelectFolder(const std::string& path, std::string&) override { return Opened(path), 2; }
    void ShowHelp() override {}
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override {
        return asked = text + "|" + title, answer;
    }
    void Opened(const std::string& at) { openedAt = at, taskbarWhileOpen = options.HasTaskbarButton(); }
    const Window& options;
    Settings settings;
    int shownAlpha = -1;
    std::optional<Settings> builtFrom;
    bool orderWrittenBack = false, orderSaved = false, taskbarWhileOpen = true;
    Answer answer = Answer::Cancel;
    std::string openedAt, asked;
};

constexpr const char* kButtons = "C:\\My Buttons";

// The options dialog beside a bar whose button folder exists.
struct OptionsRig {
    OptionsRig() { fs.AddFolder(kButtons), fs.AddFolder("C:\\Other"), bar.settings.FolderPath = kButtons; }
    OptionsRig& Open() { return form.ShowForm(), *this; }
    void MoveAlpha(int value) { sldAlpha.value = value, form.sldAlpha_Change(); }
    void MoveDelay(int value) { sldDelay.value = value, form.sldDelay_Change(); }

    FakeFileSystem fs;
    FakeShell shell;
    FakeMessageBox messageBox;
    FakeFormWindow window;
    FakeSlider sldAlpha, sldDelay;
    FakeCheckBox opt[3], chkNoDelay, chkOnBoderOnly, chkShortcutLNK, chkIconMenu;
    FakeTextBox txtPath;
    FakeOptionsBar bar{window};
    OptionsControls controls{window,     window,         sldAlpha,       sldDelay,    {&opt[0], &opt[1], &opt[2]},
                             chkNoDelay, chkOnBoderOnly, chkShortcutLNK, chkIconMenu, txtPath};
    frmTarnOptions form{{fs, shell, messageBox, bar}, controls, bar, bar};
};

// Each row both ways: the slider shown for an opacity, and the opacity taken back from that slider.
TEST(frmTarnOptions, SliderPositionsRoundHalvesToEven) {
    // The opacity, its slider and the opacity taken back.
    static constexpr int kCases[][3] = {{172, 25, 172}, {218, 5, 218}, {300, 0, 230}, {-20, 100, 0}};
    for (const auto& [alpha, slider, back] : kCases)
        EXPECT_EQ(std::pair(SliderFromAlpha(alpha, 230), AlphaFromSlider(slider, 230)), std::pair(slider, back))
            << alpha;
    EXPECT_EQ(std::make_tuple(SliderFromDelay(0.2), SliderFromDelay(5.0), SliderFromDelay(-1.0)),
              std::make_tuple(200, 3000, 0));
}

// What OK applies, and whether the bar's buttons are rebuilt; showing the form again forgets an order edit.
TEST(frmTarnOptions, OkRebuildsTheBarOnlyForFolderGroupingOrOrder) {
    const std::tuple<const char*, void (*)(OptionsRig&), bool> kCases[] = {
        {"check boxes", [](OptionsRig& r) { r.chkNoDelay.checked = false, r.chkIconMenu.checked = true; }, false},
        {"letter case", [](OptionsRig& r) { r.txtPath.text = "C:\\my buttons"; }, true},
        {"grouping", [](OptionsRig& r) { r.opt[0].checked = false, r.opt[1].checked = true; }, true},
        {"order", [](OptionsRig& r) { r.bar.orderSaved = true, r.form.cmdEditOrder_Click(); }, true},
        {"order, shown again", [](OptionsRig& r) { r.bar.orderSaved = true, r.form.cmdEditOrder_Click(), r.Open(); },
         false},
    };
    for (const auto& [what, act, rebuilt] : kCases) {
        OptionsRig rig;
        act(rig.Open());
        rig.form.cmdOK_Click();
        EXPECT_EQ(rig.bar.builtFrom.has_value(), rebuilt) << what;
        EXPECT_TRUE(!rig.window.IsVisible() && rig.bar.settings.FolderPath == rig.txtPath.text &&
                    (!rig.bar.builtFrom || *rig.bar.builtFrom == rig.bar.settings))
            << what;
    }
}

// Showing the form again while it is open fills the controls from the bar again.
TEST(frmTarnOptions, ValuesTheControlsCannotShowAreKeptUntilTheControlMoves) {
    for (const bool moved : {false, true}) {
        OptionsRig rig;
        Settings& s = rig.bar.settings;
        s.Alpha = 300, s.Delay = 5.0, s.FileGrouping = 7;
        rig.Open().txtPath.text = "C:\\Other";
        rig.sldAlpha.value = 90, rig.chkNoDelay.checked = false, rig.opt[1].checked = true;
        rig.Open();
        EXPECT_EQ(
            std::tuple(rig.sldAlpha.value, rig.sldDelay.value, std::ranges::none_of(rig.opt, &FakeCheckBox::checked),
                       rig.chkNoDelay.checked, rig.chkOnBoderOnly.checked, rig.chkShortcutLNK.checked,
                       rig.chkIconMenu.checked, rig.txtPath.text, rig.txtPath.tip),
            std::tuple(0, 3000, true, true, false, true, false, kButtons, kButtons));
        if (moved) rig.MoveAlpha(1), rig.MoveDelay(3000), rig.opt[2].checked = true;
        rig.form.cmdOK_Click();
        EXPECT_EQ(std::make_tuple(s.Alpha, s.Delay, s.FileGrouping),
                  moved ? std::make_tuple(228, 3.0, 2) : std::make_tuple(300, 5.0, 7));
        EXPECT_EQ(rig.bar.builtFrom.has_value(), moved);
    }
}

// Cancel undoes the preview; after an order edit it asks whether to show the edited order, write the bar's order
// back over it, or stay open.
TEST(frmTarnOptions, CancelUndoesThePreviewAndAsksAboutAnOrderEdit) {
    // Whether the order was edited, the answer, and whether the bar was rebuilt, its order written back, the window
    // left open.
    // clang-format off
    const std::tuple<bool, Answer, bool, bool, bool> kCases[] = {{false, Answer::Yes, false, false, false},
        {true, Answer::Yes, true, false, false}, {true, Answer::No, false, true, false},
        {true, Answer::Cancel, false, false, true}};
    // clang-format on
    for (const auto& [edited, answer, rebuilt, writtenBack, open] : kCases) {
        OptionsRig rig;
        rig.Open().MoveAlpha(100);
        rig.bar.orderSaved = edited, rig.bar.answer = answer;
        rig.form.cmdEditOrder_Click();
        rig.form.cmdCancel_Click();
        EXPECT_EQ(rig.bar.asked, edited ? "You probably have changed the button order.\r\nDo you want to "
                                          "apply the changes?|TarnDock"
                                        : "");
        EXPECT_EQ(std::make_tuple(rig.bar.shownAlpha, rig.bar.builtFrom.has_value(), rig.bar.orderWrittenBack,
                                  rig.window.IsVisible()),
                  std::make_tuple(110, rebuilt, writtenBack, open));
    }
}

// OK, F8 and F9 refuse a folder that does not exist; F9 and the folder selection open without a taskbar button
// meanwhile; F8 gives the shell the whole path, blanks and all.
TEST(frmTarnOptions, FolderButtonsWorkOnTheTypedFolder) {
    for (const auto action :
         {&frmTarnOptions::cmdOK_Click, &frmTarnOptions::cmdEditFolder_Click, &frmTarnOptions::cmdEditOrder_Click}) {
        OptionsRig rig;
        rig.Open().MoveAlpha(0);
        rig.txtPath.text = "C:\\Gone";
        (rig.form.*action)();
        EXPECT_EQ(rig.messageBox.text, "TarnDock Error: Folder does not exist.\r\nPlease enter a valid folder path.");
        EXPECT_TRUE(rig.window.IsVisible() && rig.bar.settings == Settings{.FolderPath = kButtons});
    }
    OptionsRig rig;
    rig.Open().txtPath.text = "C:\\Other";
    EXPECT_TRUE(rig.form.Form_KeyDown(Key::F9, kShiftMask));
    EXPECT_TRUE(rig.bar.openedAt == "C:\\Other" && !rig.bar.taskbarWhileOpen && rig.window.taskbar);
    rig.txtPath.text = kButtons;
    EXPECT_TRUE(rig.form.Form_KeyDown(Key::F8, 0) && rig.shell.openedFolder == kButtons);
    rig.form.cmdSelectFolder_Click();
    EXPECT_EQ(rig.txtPath.text, kButtons);
}

}  // namespace
}  // namespace tarn
