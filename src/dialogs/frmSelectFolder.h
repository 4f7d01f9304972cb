#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/Button.h"
#include "platform/FileSystem.h"
#include "platform/FolderList.h"
#include "platform/Keys.h"
#include "platform/ModalDialog.h"
#include "platform/Shell.h"
#include "platform/Window.h"

namespace tarn {

struct SelectFolderServices {
    const FileSystem& fs;
    Shell& shell;
    // The folder of the running program file.
    std::string programFolder;
    // A path's absolute form: relative parts resolved against the current directory.
    std::function<std::string(const std::string&)> absolutePath;
};

struct SelectFolderControls {
    Window& window;
    ModalDialog& dialog;
    DriveChoice& DriveList;
    FolderList& DirList;
};

// The drive part of an absolute path ("C:"), or empty.
std::string DriveName(const std::string& path);

// The folder selection dialog: a drive and a folder of it, picked from the folder's ancestors and sub folders.
class frmSelectFolder {
public:
    frmSelectFolder(const SelectFolderServices& services, const SelectFolderControls& controls);

    // 1 when the user accepted, with the picked folder in NewPath; 2 otherwise, NewPath untouched.
    int ShowForm(const std::string& Path, std::string& NewPath);

    void cmdOK_Click();
    void cmdCancel_Click() { controls_.dialog.EndModal(); }
    void DriveList_Change();
    void DirList_DblClick() { OpenHighlighted(); }
    // True when the key was taken and goes no further to the list.
    bool DirList_KeyDown(Key key, int shift);

    // The folder whose sub folders are listed.
    const std::string& Path() const { return path_; }

private:
    void SetPath(const std::string& path);
    // The highlighted entry; nothing highlighted stands for the current folder.
    int Highlighted() const;
    void OpenHighlighted();

    SelectFolderServices services_;
    SelectFolderControls controls_;
    std::string path_;
    int current_ = -1;  // the list's entry of the current folder
    bool Cancelled_ = true;
};

}  // namespace tarn
