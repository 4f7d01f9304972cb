#include <gtest/gtest.h>

#include "bar/ProgramHost.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDialogControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "order/frmFoldersToEdit.h"

namespace tarn {
namespace {

using namespace fakes;
using Opened = std::vector<std::pair<std::string, bool>>;

constexpr const char* kButtons = "C:\\T\\Buttons";

// Opens editors that answer with the scripted results in turn, then with 2.
struct EditorHost final : ProgramHost {
    void UnloadWindow(FormName) override {}
    void EndProgram() override {}
    int ShowFoldersToEdit(const std::string&) override { return 2; }
    int ShowEditOrder(const std::string& folder, bool menuItemOrder) override {
        opened.push_back({folder, menuItemOrder});
        taskbarWhileOpen.push_back(window->taskbar);
        return opened.size() <= results.size() ? results[opened.size() - 1] : 2;
    }
    void ShowOptions() override {}
    void ShowHelp() override {}
    const FakeWindow* window = nullptr;
    std::vector<int> results;
    Opened opened;
    std::vector<bool> taskbarWhileOpen;
};

struct PickerRig {
    PickerRig() {
        fs.AddFolder("C:\\T\\Buttons\\Tools\\Deep");
        fs.AddFolder("C:\\T\\Buttons\\games");
        fs.AddFile("C:\\T\\Buttons\\a.lnk");
        host.window = &window;
    }
    int Open(FakeModalDialog::Script script) {
        dialog.scripts.push_back(std::move(script));
        return picker.ShowForm(kButtons);
    }
    FakeFileSystem fs;
    FakeShell shell;
    FakeWindow window;
    FakeModalDialog dialog;
    FakeTreeView TV;
    FakeButton cmdEditOrder;
    FakeCanvas picBox;
    FakeImageList ilIcons;
    EditorHost host;
    frmFoldersToEdit picker{{fs, shell}, {window, dialog, TV, cmdEditOrder, picBox, ilIcons}, host};
};

TEST(frmFoldersToEdit, AFolderWithoutSubFoldersGoesStraightToTheEditorAndAMissingOneNowhere) {
    for (const int editorResult : {1, 2}) {
        PickerRig rig;
        rig.fs.Remove("C:\\T\\Buttons\\Tools");
        rig.fs.Remove("C:\\T\\Buttons\\games");
        rig.host.results = {editorResult};
        EXPECT_EQ(rig.picker.ShowForm(kButtons), editorResult);
        EXPECT_EQ(rig.host.opened, (Opened{{kButtons, false}}));
        EXPECT_EQ(rig.dialog.showings, 0u);
    }
    PickerRig rig;
    EXPECT_EQ(rig.picker.ShowForm("C:\\T\\Gone"), 2);
    EXPECT_TRUE(rig.host.opened.empty());
    EXPECT_EQ(rig.dialog.showings, 0u);
}

TEST(frmFoldersToEdit, ShowsTheFolderAndItsDirectSubFoldersAndOpensTheEditorFromEveryWayIn) {
    PickerRig rig;
    rig.shell.iconRule = [](const std::string& path) { return path == kButtons ? std::optional(3) : std::nullopt; };
    rig.window.taskbar = false;
    rig.Open({[&] {
                  EXPECT_EQ(rig.TV.nodes, (std::vector<TreeNode>{{kButtons, "Buttons", "I3", 0},
                                                                 {"C:\\T\\Buttons\\games", "games", "I1", 1},
                                                                 {"C:\\T\\Buttons\\Tools", "Tools", "I1", 1}}));
                  EXPECT_TRUE(rig.TV.Expanded(1));
                  EXPECT_EQ(rig.TV.Selected(), 1);
                  EXPECT_EQ(rig.dialog.title, "TarnDock - Select folder");
                  EXPECT_TRUE(rig.window.taskbar);
                  rig.picker.Form_KeyDown(Key::F9, 0);
              },
              [&] {
                  rig.TV.Select(3);
                  rig.picker.TV_NodeClick(3);
                  EXPECT_EQ(rig.cmdEditOrder.Caption(), "Edit menu item order");
                  rig.picker.TV_KeyDown(Key::Return, 0);
                  EXPECT_TRUE(rig.TV.Expanded(3));
              },
              [&] { rig.picker.Form_KeyDown(Key::F9, kShiftMask); },
              [&] { rig.picker.TV_KeyDown(Key::Return, kCtrlMask); },
              [&] {
                  rig.TV.Select(1);
                  rig.picker.TV_NodeClick(1);
                  EXPECT_EQ(rig.cmdEditOrder.Caption(), "Edit button order");
                  rig.picker.TV_DblClick();
                  rig.picker.cmdEditOrder_Click();
                  // The picker stays open and has its taskbar button back.
                  EXPECT_TRUE(rig.dialog.open);
                  EXPECT_TRUE(rig.window.taskbar);
              }});
    EXPECT_EQ(rig.host.opened,
              (Opened{{kButtons, false}, {"C:\\T\\Buttons\\Tools", true}, {kButtons, false}, {kButtons, false}}));
    // Only the editor has a taskbar button while it is open.
    EXPECT_EQ(rig.host.taskbarWhileOpen, std::vector<bool>(4, false));
}

TEST(frmFoldersToEdit, ReturnsOneOnceAnyEditorWroteItsOrderFile) {
    const struct {
        std::vector<int> editorResults;
        int result;
    } cases[] = {{{}, 2}, {{2}, 2}, {{2, 2}, 2}, {{1, 2}, 1}, {{2, 1}, 1}};
    for (const auto& c : cases) {
        PickerRig rig;
        rig.host.results = c.editorResults;
        FakeModalDialog::Script script(c.editorResults.size(), [&] { rig.picker.cmdEditOrder_Click(); });
        script.push_back([&] { rig.picker.cmdClose_Click(); });
        EXPECT_EQ(rig.Open(script), c.result) << testing::PrintToString(c.editorResults);
    }
}

}  // namespace
}  // namespace tarn
