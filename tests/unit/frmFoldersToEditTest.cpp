#include <gtest/gtest.h>

#include <tuple>

#include "bar/ProgramHost.h"
#include "fakes/FakeDialogControls.h"
#include "order/frmFoldersToEdit.h"

namespace tarn {
namespace {

using namespace fakes;
using Opened = std::vector<std::pair<std::string, bool>>;

constexpr const char* kButtons = "C:\\T\\Buttons";

// Opens editors that answer with the scripted results in turn, then with 2; notes whether the picker had a taskbar
// button while one was open.
struct EditorHost final : ProgramHost {
    void UnloadWindow(FormName) override {}
    void EndProgram() override {}
    int ShowFoldersToEdit(const std::string&) override { return 2; }
    int ShowEditOrder(const std::string& folder, bool menuItemOrder) override {
        opened.push_back({folder, menuItemOrder}), taskbarWhileOpen |= window->taskbar;
        return opened.size() <= results.size() ? results[opened.size() - 1] : 2;
    }
    void ShowOptions() override {}
    void ShowHelp() override {}
    const FakeWindow* window = nullptr;
    std::vector<int> results;
    Opened opened;
    bool taskbarWhileOpen = false;
};

struct PickerRig {
    explicit PickerRig(bool subFolders = true) {
        if (subFolders) fs.AddFolder("C:\\T\\Buttons\\Tools\\Deep"), fs.AddFolder("C:\\T\\Buttons\\games");
        fs.AddFile("C:\\T\\Buttons\\a.lnk"), host.window = &window;
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

// A folder without sub folders goes to the editor at once and a missing one nowhere, without showing the picker.
TEST(frmFoldersToEdit, ReturnsOneOnceAnyEditorWroteItsOrderFile) {
    // The folder, whether it has sub folders, the editors' results, the picker's.
    const std::tuple<const char*, bool, std::vector<int>, int> cases[] = {{kButtons, false, {1}, 1},
                                                                          {"C:\\T\\Gone", true, {}, 2},
                                                                          {kButtons, true, {1, 2}, 1},
                                                                          {kButtons, true, {2, 1}, 1}};
    for (const auto& [folder, subFolders, editorResults, result] : cases) {
        PickerRig rig(subFolders);
        rig.host.results = editorResults;
        rig.dialog.user = [&] {
            for (std::size_t i = 0; i < editorResults.size(); ++i) rig.picker.cmdEditOrder_Click();
            rig.picker.cmdClose_Click();
        };
        EXPECT_EQ(rig.picker.ShowForm(folder), result) << testing::PrintToString(editorResults);
        EXPECT_EQ(rig.host.opened, Opened(editorResults.size(), {kButtons, false}));
        EXPECT_EQ(!rig.dialog.title.empty(), subFolders && folder == std::string(kButtons));
    }
}

TEST(frmFoldersToEdit, ShowsTheFolderAndItsDirectSubFoldersAndOpensTheEditorFromEveryWayIn) {
    PickerRig rig;
    rig.shell.iconRule = [](const std::string& path) { return path == kButtons ? std::optional(3) : std::nullopt; };
    rig.dialog.user = [&] {
        EXPECT_EQ(rig.TV.nodes, (std::vector<TreeNode>{{kButtons, "Buttons", "I3", 0},
                                                       {"C:\\T\\Buttons\\games", "games", "I1", 1},
                                                       {"C:\\T\\Buttons\\Tools", "Tools", "I1", 1}}));
        rig.picker.Form_KeyDown(Key::F9, 0);
        rig.TV.Select(3), rig.picker.TV_NodeClick(3);
        EXPECT_EQ(rig.cmdEditOrder.Caption(), "Edit menu item order");
        rig.picker.TV_KeyDown(Key::Return, 0);
        EXPECT_TRUE(rig.TV.Expanded(3));
        rig.picker.Form_KeyDown(Key::F9, kShiftMask), rig.picker.TV_KeyDown(Key::Return, kCtrlMask);
        rig.TV.Select(1), rig.picker.TV_NodeClick(1);
        EXPECT_EQ(rig.cmdEditOrder.Caption(), "Edit button order");
        rig.picker.TV_DblClick(), rig.picker.cmdEditOrder_Click();
    };
    rig.picker.ShowForm(kButtons);
    EXPECT_EQ(rig.host.opened,
              (Opened{{kButtons, false}, {"C:\\T\\Buttons\\Tools", true}, {kButtons, false}, {kButtons, false}}));
    // Only the editor has a taskbar button while it is open.
    EXPECT_FALSE(rig.host.taskbarWhileOpen);
}

}  // namespace
}  // namespace tarn
