#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

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
        {{{0, 0, 40, 30}, {12, -10, 27, 22}, {8, -44, 632, -26}, {8, 8, 632, 398}}},
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

// An empty line first; each section a heading " === ... === ", an empty line and its lines; two empty lines
// between sections; every line ends with CRLF and has at most 80 characters.
TEST(frmHelp, TheHelpTextKeepsItsFormat) {
    const std::string text(HelpForm::kHelpText);
    std::vector<std::string> headings;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string line = text.substr(at, end - at);
        EXPECT_LE(line.size(), 80u) << line;
        if (line.starts_with(" === ") && line.ends_with(" === ")) headings.push_back(line);
    }
    EXPECT_EQ(at, text.size());
    EXPECT_TRUE(text.starts_with("\r\n" + headings.at(0) + "\r\n\r\n"));
    for (std::size_t i = 1; i < headings.size(); ++i)
        EXPECT_NE(text.find("\r\n\r\n\r\n" + headings[i] + "\r\n\r\n"), std::string::npos) << headings[i];
    EXPECT_EQ(headings.size(), 5u);
}

}  // namespace
}  // namespace tarn
