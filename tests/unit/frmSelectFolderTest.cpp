#include <gtest/gtest.h>

#include <string_view>

#include "dialogs/frmSelectFolder.h"
#include "fakes/FakeDialogControls.h"
#include "platform/FolderList.h"

namespace tarn {
namespace {

using namespace fakes;

struct FakeFolderList final : Placed<FolderList> {
    void SetRows(std::vector<FolderRow> r, int h) override { rows = std::move(r), highlighted = h; }
    int Count() const override { return static_cast<int>(rows.size()); }
    const FolderRow& Row(int index) const override { return rows.at(static_cast<std::size_t>(index)); }
    int Highlighted() const override { return highlighted; }
    std::vector<FolderRow> rows;
    int highlighted = -1;
};
struct FakeDriveChoice final : Placed<DriveChoice> {
    std::string Drive() const override { return drive; }
    void SetDrive(const std::string& d) override { drive = d; }
    std::string drive;
};

struct SelectRig {
    SelectRig() {
        for (const char* folder : {"C:\\A\\B\\C1", "C:\\A\\B\\C2", "C:\\Prog", "D:\\"}) fs.AddFolder(folder);
    }
    // One user action per character: a digit highlights that entry, - none; E Enter, L and R the arrow keys, D a double
    // click, O and C the buttons.
    int Open(const std::string& path, std::string_view actions = "") {
        dialog.user = [this, actions] {
            for (const char a : actions) {
                if ((a >= '0' && a <= '9') || a == '-') DirList.highlighted = a == '-' ? -1 : a - '0';
                if (a == 'E' || a == 'L' || a == 'R')
                    form.DirList_KeyDown(a == 'E' ? Key::Return : a == 'L' ? Key::Left : Key::Right, 0);
                if (a == 'D') form.DirList_DblClick();
                if (a == 'O') form.cmdOK_Click();
                if (a == 'C') form.cmdCancel_Click();
            }
        };
        return form.ShowForm(path, newPath);
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> rows;
        for (const FolderRow& r : DirList.rows) rows.push_back(std::string(r.indent, ' ') + r.name);
        return rows;
    }

    FakeFileSystem fs;
    FakeShell shell;
    FakeFormWindow window;
    FakeModalDialog dialog;
    FakeDriveChoice DriveList;
    FakeFolderList DirList;
    std::string newPath = "untouched";
    frmSelectFolder form{{fs, shell, "C:\\Prog", {}}, {window, dialog, DriveList, DirList}};
};

TEST(frmSelectFolder, ListsAncestorsTheFolderAndItsSubFoldersAndKeepsThemForADriveItCannotRead) {
    SelectRig rig;
    rig.Open("C:\\A\\B\\");
    EXPECT_EQ(rig.Shown(), (std::vector<std::string>{"C:\\", " A", "  B", "   C1", "   C2"}));
    EXPECT_TRUE(rig.DirList.highlighted == 2 && rig.DirList.rows[3].path == "C:\\A\\B\\C1");
    rig.DriveList.drive = "E:";  // cannot be read
    rig.form.DriveList_Change();
    EXPECT_TRUE(rig.form.Path() == "C:\\A\\B" && rig.DriveList.drive == "C:" && rig.DirList.rows.size() == 5u);
    rig.DriveList.drive = "D:";
    rig.form.DriveList_Change();
    EXPECT_TRUE(rig.form.Path() == "D:\\" && rig.Shown() == std::vector<std::string>{"D:\\"});
    rig.Open("C:\\Nowhere");
    EXPECT_EQ(rig.form.Path(), "C:\\Prog");
}

// Each case: the actions, then the result, the new path and the folder open at the end.
TEST(frmSelectFolder, KeysOpenEntriesAndTheResultIsTheHighlightedFolder) {
    for (const std::string c :
         {"3O 1 C:\\A\\B\\C1 C:\\A\\B", "3E 2 untouched C:\\A\\B\\C1", "3EE 1 C:\\A\\B\\C1 C:\\A\\B\\C1",
          "1L 2 untouched C:\\A", "4R 2 untouched C:\\A\\B\\C2", "3C 2 untouched C:\\A\\B", "3 2 untouched C:\\A\\B"}) {
        SelectRig rig;
        const std::string actions = c.substr(0, c.find(' '));
        const int result = rig.Open("C:\\A\\B", actions);
        EXPECT_EQ(actions + " " + std::to_string(result) + " " + rig.newPath + " " + rig.form.Path(), c);
    }
}

}  // namespace
}  // namespace tarn
