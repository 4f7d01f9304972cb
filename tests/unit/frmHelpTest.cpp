#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/HelpForm.h"
#include "dialogs/frmHelp.h"
#include "fakes/FakeDialogControls.h"
#include "fakes/FakeOptionsControls.h"
#include "fakes/FakeServices.h"

namespace tarn {
namespace {

using namespace fakes;

struct HelpRig {
    HelpRig() { txtHelp.bounds = HelpForm::txtHelp.bounds; }
    FakeShell shell;
    FakeFormWindow window;
    FakeTextBox txtHelp;
    FakeButton lblLink{HelpForm::lblLink.bounds};
    FakeButton cmdClose{HelpForm::cmdClose.bounds};
    frmHelp form{{shell, "C:\\Tools\\TarnDock"}, {window, window, txtHelp, lblLink, cmdClose}};
};

// Close centred on 38 % of the width, the link above it, the text above both, all m = 8 from the edges; a step
// that would give a negative size is skipped and the others still run.
TEST(frmHelp, ResizeLaysOutAndSkipsStepsThatDoNotFit) {
    struct Case {
        Size client;
        Rect close, link, text;
    };
    static constexpr Case kCases[] = {
        {{640, 480}, {198, 440, 441, 472}, {8, 406, 632, 424}, {8, 8, 632, 398}},
        {{1000, 600}, {310, 560, 690, 592}, {8, 526, 632, 544}, {8, 8, 992, 518}},
        {{40, 30}, {12, -10, 27, 22}, {8, -44, 632, -26}, {8, 8, 632, 398}},
        {{10, 600}, {3, 560, 7, 592}, {8, 526, 632, 544}, {8, 8, 632, 398}},
    };
    for (const auto& c : kCases) {
        HelpRig rig;
        rig.window.rect = {0, 0, c.client.cx, c.client.cy};
        rig.form.Form_Resize();
        EXPECT_EQ(rig.cmdClose.Bounds(), c.close) << c.client.cx;
        EXPECT_EQ(rig.lblLink.Bounds(), c.link) << c.client.cx;
        EXPECT_EQ(rig.txtHelp.Bounds(), c.text) << c.client.cx;
    }
}

TEST(frmHelp, ShowsTheTextAndOpensThePageBesideTheProgram) {
    HelpRig rig;
    rig.window.rect = {0, 0, 640, 480};
    rig.form.Form_Load();
    EXPECT_EQ(rig.window.title, "TarnDock - Help");
    EXPECT_EQ(rig.txtHelp.text, HelpForm::kHelpText);
    rig.form.lblLink_Click();
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.shell.opened[0].file, "C:\\Tools\\TarnDock\\TarnDock-Help.html");
    rig.window.open = true;
    rig.form.cmdClose_Click();
    EXPECT_FALSE(rig.window.open);
}

// An empty line first; each section a heading " === ... === ", an empty line and its lines; two empty lines
// between sections; no line over 80 characters.
TEST(frmHelp, TheHelpTextKeepsItsFormat) {
    std::vector<std::string> lines;
    const std::string text(HelpForm::kHelpText);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "every line ends with CRLF";
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    std::vector<std::string> headings;
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 80u) << lines[i];
        if (!lines[i].starts_with(" === ")) continue;
        EXPECT_TRUE(lines[i].ends_with(" === ")) << lines[i];
        headings.push_back(lines[i].substr(5, lines[i].size() - 10));
        EXPECT_EQ(lines.at(i + 1), "");
        if (i > 1) {
            EXPECT_TRUE(lines[i - 1].empty() && lines[i - 2].empty() && !lines[i - 3].empty()) << lines[i];
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"What TarnDock does", "How the bar differs from others",
                                                  "More features", "Terms of use", "System requirements"}));
}

}  // namespace
}  // namespace tarn
