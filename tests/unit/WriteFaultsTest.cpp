#include <gtest/gtest.h>

#include "fakes/BarRig.h"
#include "fakes/FakeDialogControls.h"
#include "model/OrderFile.h"
#include "order/frmEditOrder.h"
#include "settings/SettingsFile.h"

// A file replaced by a store while one step of the replace after the other fails.
namespace tarn {
namespace {

using namespace fakes;

// Every step of the store failing once, then its rename four times (the fifth try goes through) and five times
// (the target stays held): the file holds its old bytes or all of the new ones, and no temporary file is left.
void ForEveryFault(FakeFileSystem& fs, const std::string& file, const auto& store) {
    const std::string old = fs.Bytes(file).value();
    const std::vector<std::string> names = fs.ListFiles(FakeFileSystem::Parent(file));
    const std::optional<std::string> fresh = (store(true), fs.Bytes(file));
    for (int n = 1, steps = fs.steps; n <= steps + 2; ++n) {
        const int first = std::min(n, steps), count = n <= steps ? 1 : n - steps + 3;  // the last step: 4, then 5
        SCOPED_TRACE(std::to_string(count) + " from step " + std::to_string(first) + " of " + std::to_string(steps));
        fs.AddFile(file, old), fs.failFrom = first, fs.failCount = count;
        const bool replaced = first == steps && count < 5;
        store(replaced);
        EXPECT_EQ(fs.ReadFile(file), replaced ? fresh : old);
        EXPECT_EQ(fs.ListFiles(FakeFileSystem::Parent(file)), names);
    }
}

TEST(WriteFaults, AStoreWhoseReplaceFailsAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    BarRig rig;  // its files and services, and its controls where the editor's save does not look at them
    FakeModalDialog dialog;
    FakeButton button;
    FakeListView list;
    frmEditOrder editor{{rig.fs, rig.codec, rig.shell, rig.screen, rig.messageBox},
                        {rig.window, dialog, rig.picHint, button, button, button, button, button, button, list,
                         rig.picBox, rig.ilIcons, rig.form, rig.ilIcons, rig.picHint, rig.tmrMouse}};
    // The settings store gives false and nothing more.
    rig.fs.AddFile(BarRig::kSettingsFile, "; mine\r\n[Other]\r\nKept=1\r\n[Settings]\r\nDelay=350\r\n");
    ForEveryFault(rig.fs, BarRig::kSettingsFile, [&](bool replaced) {
        EXPECT_EQ(WriteSettingsFile(BarRig::kSettingsFile, {0.35, 200, 230, "D:\\Buttons", false, true, 2, true, false},
                                    {-2820, 15, 5640, 720}, rig.fs, rig.codec),
                  replaced);
    });
    // The order editor says so and stays open.
    const std::string orderFile = "C:\\B\\TarnDock_Folder.ini";
    rig.fs.AddFile("C:\\B\\a.lnk"), rig.fs.AddFile("C:\\B\\b.lnk");
    rig.fs.AddFile(orderFile, FormatOrderFile({"gone.lnk", "<>", "b.lnk"}, rig.codec));
    ForEveryFault(rig.fs, orderFile, [&](bool replaced) {
        dialog.user = [&] {
            editor.cmdOK_Click();
            EXPECT_EQ(dialog.open, !replaced);
        };
        EXPECT_EQ(editor.ShowForm("C:\\B"), replaced ? 1 : 2);
        EXPECT_EQ(std::exchange(rig.messageBox.text, ""),
                  replaced ? "" : "TarnDock Error: The order could not be saved.\r\n" + orderFile);
    });
}

}  // namespace
}  // namespace tarn
