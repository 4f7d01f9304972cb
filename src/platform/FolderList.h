#pragma once
#include <string>
#include <vector>

#include "platform/Control.h"

namespace tarn {

// One entry of a folder list: the folder's full path, the name shown, its depth below the drive's root and the
// index of its icon in the shell's small system image list.
struct FolderRow {
    std::string path;
    std::string name;
    int indent = 0;
    int icon = 0;
    friend bool operator==(const FolderRow&, const FolderRow&) = default;
};

// A list of folders, each indented by its depth, one of them highlighted. A click only highlights an entry;
// a double click is the window's to handle.
class FolderList : public Control {
public:
    virtual void SetRows(std::vector<FolderRow> rows, int highlighted) = 0;
    virtual int Count() const = 0;
    virtual const FolderRow& Row(int index) const = 0;
    // The highlighted entry, or -1 when the list is empty.
    virtual int Highlighted() const = 0;
};

// A choice of the machine's drives, each named by its letter and a colon ("C:").
class DriveChoice : public Control {
public:
    virtual std::string Drive() const = 0;
    // A drive that is not offered leaves the choice as it is.
    virtual void SetDrive(const std::string& drive) = 0;
};

}  // namespace tarn
