#include <gtest/gtest.h>

#include <array>

#include "dialogs/HelpForm.h"
#include "dialogs/frmHelp.h"
#include "fakes/FakeDialogControls.h"

namespace tarn {
namespace {

using namespace fakes;

struct HelpRig {
    FakeShell shell;
    FakeFormWindow window;
    FakeTextBox txtHelp{HelpForm::txtHelp.bounds};
    FakeButton lblLink{HelpForm::lblLink.bounds}, cmdClose{HelpForm::cmdClose.bounds};
    frmHelp form{{shell, "C:\\Tools\\TarnDock"}, {window, window, txtHelp, lblLink, cmdClose}};
};

// Close centred on 38 % of the width, the link above it, the text above both, all m = 8 from the edges; a step
// that would give a negative size is skipped and the others still run. The link opens the page beside the program.
TEST(frmHelp, ShowsTheTextLaidOutSkipsStepsThatDoNotFitAndOpensThePage) {
    // The window, then where Close, the link and the text are.
    const std::array<Rect, 4> cases[] = {
        {{{0, 0, 1000, 600}, {310, 560, 690, 592}, {8, 526, 632, 544}, {8, 8, 992, 518}}},
        {{{0, 0, 10, 600}, {3, 560, 7, 592}, {8, 526, 632, 544}, {8, 8, 632, 398}}}};
    for (const auto& c : cases) {
        HelpRig rig;
        rig.window.rect = c[0];
        rig.form.Form_Load();
        EXPECT_TRUE(rig.window.title == "TarnDock - Help" && rig.txtHelp.text == HelpForm::kHelpText);
        EXPECT_EQ((std::array{rig.cmdClose.Bounds(), rig.lblLink.Bounds(), rig.txtHelp.Bounds()}),
                  (std::array{c[1], c[2], c[3]}));
        rig.form.lblLink_Click();
        EXPECT_EQ(rig.shell.opened, (decltype(rig.shell.opened){{"C:\\Tools\\TarnDock\\TarnDock-Help.html", ""}}));
    }
}

}  // namespace
}  // namespace tarn
