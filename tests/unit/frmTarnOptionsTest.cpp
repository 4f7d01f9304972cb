#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "dialogs/frmTarnOptions.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeOptionsControls.h"
#include "fakes/FakeServices.h"

namespace tarn {
namespace {

using namespace fakes;

constexpr const char* kButtons = "C:\\My Buttons";

// The options dialog beside a bar whose button folder exists.
struct OptionsRig {
    OptionsRig() {
        fs.AddFolder(kButtons);
        fs.AddFolder("C:\\Other");
        bar.settings.FolderPath = kButtons;
    }
    OptionsRig& Open() {
        form.ShowForm();
        return *this;
    }
    void MoveAlpha(int value) { sldAlpha.SetValue(value), form.sldAlpha_Change(); }
    void MoveDelay(int value) { sldDelay.SetValue(value), form.sldDelay_Change(); }
    int Grouping() const {
        const auto i = std::ranges::find(opt, true, &FakeCheckBox::checked) - std::begin(opt);
        return i < 3 ? static_cast<int>(i) : -1;
    }

    FakeFileSystem fs;
    FakeShell shell;
    FakeMessageBox messageBox;
    FakeQuestion question;
    FakeFormWindow window;
    FakeSlider sldAlpha{100};
    FakeSlider sldDelay{3000};
    FakeCheckBox opt[3], chkNoDelay, chkOnBoderOnly, chkShortcutLNK, chkIconMenu;
    FakeTextBox txtPath;
    FakeOptionsBar bar;
    FakeOptionsHost host{window};
    OptionsControls Controls() {
        return {window,     window,         sldAlpha,       sldDelay,    {&opt[0], &opt[1], &opt[2]},
                chkNoDelay, chkOnBoderOnly, chkShortcutLNK, chkIconMenu, txtPath};
    }
    frmTarnOptions form{{fs, shell, messageBox, question}, Controls(), bar, host};
};

TEST(frmTarnOptions, SliderPositionsRoundHalvesToEven) {
    struct AlphaCase {
        int alpha, slider;
    };
    static constexpr AlphaCase kShown[] = {{110, 52}, {230, 0}, {0, 100}, {115, 50}, {300, 0}, {-20, 100}};
    for (const auto& c : kShown) EXPECT_EQ(SliderFromAlpha(c.alpha, 230), c.slider) << c.alpha;
    static constexpr AlphaCase kTaken[] = {{110, 52}, {230, 0}, {0, 100}, {172, 25}, {218, 5}};
    for (const auto& c : kTaken) EXPECT_EQ(AlphaFromSlider(c.slider, 230), c.alpha) << c.slider;
    EXPECT_EQ(SliderFromDelay(0.2f), 200);
    EXPECT_EQ(SliderFromDelay(5.0f), 3000);
    EXPECT_EQ(SliderFromDelay(-1.0f), 0);
}

// What OK applies, and whether the bar's buttons are rebuilt.
TEST(frmTarnOptions, OkRebuildsTheBarOnlyForFolderGroupingOrOrder) {
    struct Case {
        const char* what;
        void (*act)(OptionsRig&);
        bool rebuilt;
    };
    static constexpr Case kCases[] = {
        {"nothing", [](OptionsRig&) {}, false},
        {"transparency", [](OptionsRig& r) { r.MoveAlpha(100); }, false},
        {"delay", [](OptionsRig& r) { r.MoveDelay(3000); }, false},
        {"check boxes", [](OptionsRig& r) { r.chkNoDelay.checked = false, r.chkIconMenu.checked = true; }, false},
        {"folder", [](OptionsRig& r) { r.txtPath.text = "C:\\Other"; }, true},
        {"letter case", [](OptionsRig& r) { r.txtPath.text = "C:\\my buttons"; }, true},
        {"grouping", [](OptionsRig& r) { r.opt[0].checked = false, r.opt[1].checked = true; }, true},
        {"order", [](OptionsRig& r) { r.host.orderSaved = true, r.form.cmdEditOrder_Click(); }, true},
    };
    for (const auto& c : kCases) {
        OptionsRig rig;
        rig.Open();
        c.act(rig);
        rig.form.cmdOK_Click();
        EXPECT_EQ(rig.bar.builtFrom.has_value(), c.rebuilt) << c.what;
        EXPECT_FALSE(rig.window.open) << c.what;
        EXPECT_EQ(rig.bar.settings.FolderPath, rig.txtPath.text) << c.what;
        if (rig.bar.builtFrom) {
            EXPECT_TRUE(*rig.bar.builtFrom == rig.bar.settings) << c.what;
        }
    }
}

TEST(frmTarnOptions, ValuesTheControlsCannotShowAreKeptUntilTheControlMoves) {
    OptionsRig rig;
    rig.bar.settings.Alpha = 300;
    rig.bar.settings.Delay = 5.0f;
    rig.bar.settings.FileGrouping = 7;
    rig.Open();
    EXPECT_EQ(rig.sldAlpha.Value(), 0);
    EXPECT_EQ(rig.sldDelay.Value(), 3000);
    EXPECT_EQ(rig.Grouping(), -1);
    rig.form.cmdOK_Click();
    EXPECT_EQ(rig.bar.settings.Alpha, 300);
    EXPECT_FLOAT_EQ(rig.bar.settings.Delay, 5.0f);
    EXPECT_EQ(rig.bar.settings.FileGrouping, 7);
    EXPECT_FALSE(rig.bar.builtFrom);

    rig.Open().MoveAlpha(1);
    rig.MoveDelay(3000);
    rig.form.cmdOK_Click();
    EXPECT_EQ(rig.bar.settings.Alpha, 228);
    EXPECT_FLOAT_EQ(rig.bar.settings.Delay, 3.0f);
}

// Cancel undoes the preview; after an order edit it asks whether to show the edited order, write the bar's order
// back over it, or stay open.
TEST(frmTarnOptions, CancelUndoesThePreviewAndAsksAboutAnOrderEdit) {
    struct Case {
        bool edited;
        Answer answer;
        bool rebuilt, writtenBack, open;
    };
    static constexpr Case kCases[] = {{false, Answer::Yes, false, false, false},
                                      {true, Answer::Yes, true, false, false},
                                      {true, Answer::No, false, true, false},
                                      {true, Answer::Cancel, false, false, true}};
    for (const auto& c : kCases) {
        OptionsRig rig;
        rig.Open().MoveAlpha(100);
        EXPECT_EQ(rig.bar.shownAlpha, 0);
        rig.host.orderSaved = c.edited;
        rig.form.cmdEditOrder_Click();
        rig.question.answer = c.answer;
        rig.form.cmdCancel_Click();
        EXPECT_EQ(rig.question.asked, c.edited ? "You probably have changed the button order.\r\nDo you want to "
                                                 "apply the changes?|TarnDock"
                                               : "");
        EXPECT_EQ(rig.bar.shownAlpha, 110);
        EXPECT_EQ(rig.bar.builtFrom.has_value(), c.rebuilt);
        EXPECT_EQ(rig.bar.orderWrittenBack, c.writtenBack);
        EXPECT_EQ(rig.window.open, c.open);
        EXPECT_TRUE(rig.bar.settings == Settings{.FolderPath = kButtons});
    }
}

TEST(frmTarnOptions, AFolderThatDoesNotExistIsRefused) {
    static constexpr void (*kActions[])(frmTarnOptions&) = {
        [](frmTarnOptions& f) { f.cmdOK_Click(); },
        [](frmTarnOptions& f) { f.Form_KeyDown(Key::F8, 0); },
        [](frmTarnOptions& f) { f.Form_KeyDown(Key::F9, kShiftMask); },
    };
    for (const auto action : kActions) {
        OptionsRig rig;
        rig.Open();
        rig.txtPath.text = "C:\\Gone";
        rig.MoveAlpha(0);
        action(rig.form);
        EXPECT_EQ(rig.messageBox.text, "TarnDock Error: Folder does not exist.\r\nPlease enter a valid folder path.");
        EXPECT_TRUE(rig.window.open);
        EXPECT_EQ(rig.bar.settings.FolderPath, kButtons);
        EXPECT_EQ(rig.bar.settings.Alpha, 110);
        EXPECT_TRUE(rig.host.openedAt.empty() && rig.shell.openedFolder.empty());
    }
}

TEST(frmTarnOptions, FolderButtonsWorkOnTheTypedFolderWithoutATaskbarButtonMeanwhile) {
    OptionsRig rig;
    rig.Open();
    rig.txtPath.text = "C:\\Other";
    EXPECT_TRUE(rig.form.Form_KeyDown(Key::F9, 0));
    EXPECT_TRUE(rig.host.openedAt == "C:\\Other" && !rig.host.taskbarWhileOpen && rig.window.taskbar);
    // The folder goes to the shell as a whole path, blanks and all.
    rig.txtPath.text = kButtons;
    EXPECT_TRUE(rig.form.Form_KeyDown(Key::F8, 0));
    EXPECT_EQ(rig.shell.openedFolder, kButtons);
    EXPECT_TRUE(rig.form.Form_KeyDown(Key::F1, 0));
    EXPECT_TRUE(rig.host.helpShown);
    EXPECT_FALSE(rig.form.Form_KeyDown(Key::F2, 0));

    rig.form.cmdSelectFolder_Click();
    EXPECT_EQ(rig.txtPath.text, kButtons);
    rig.host.picked = "C:\\Other";
    rig.form.cmdSelectFolder_Click();
    EXPECT_TRUE(rig.txtPath.text == "C:\\Other" && !rig.host.taskbarWhileOpen && rig.window.taskbar);
    EXPECT_EQ(rig.bar.settings.FolderPath, kButtons);
}

TEST(frmTarnOptions, ShowFormFillsFromTheBarAgainWhileOpenAndForgetsTheOrderEdit) {
    OptionsRig rig;
    rig.bar.settings.FileGrouping = 2;
    rig.Open();
    rig.host.orderSaved = true;
    rig.form.cmdEditOrder_Click();
    rig.txtPath.text = "C:\\Other";
    rig.sldAlpha.SetValue(90);
    rig.chkNoDelay.checked = false;
    rig.Open();
    EXPECT_EQ(rig.window.title, "TarnDock - Options");
    EXPECT_TRUE(rig.window.open && rig.window.taskbar);
    EXPECT_EQ(std::make_tuple(rig.sldAlpha.Value(), rig.sldDelay.Value(), rig.Grouping()), std::make_tuple(52, 200, 2));
    EXPECT_EQ(rig.txtPath.text + "|" + rig.txtPath.tip, std::string(kButtons) + "|" + kButtons);
    EXPECT_EQ(std::vector<bool>({rig.chkNoDelay.checked, rig.chkOnBoderOnly.checked, rig.chkShortcutLNK.checked,
                                 rig.chkIconMenu.checked}),
              std::vector<bool>({true, false, true, false}));
    rig.form.cmdOK_Click();
    EXPECT_FALSE(rig.bar.builtFrom);
}

}  // namespace
}  // namespace tarn
