#pragma once
#include <string>

#include "model/IconCache.h"
#include "platform/Button.h"
#include "platform/Canvas.h"
#include "platform/FileSystem.h"
#include "platform/ImageList.h"
#include "platform/Keys.h"
#include "platform/ModalDialog.h"
#include "platform/Shell.h"
#include "platform/TreeView.h"
#include "platform/Window.h"

namespace tarn {

class ProgramHost;

struct FoldersToEditServices {
    const FileSystem& fs;
    Shell& shell;
};

struct FoldersToEditControls {
    Window& window;
    ModalDialog& dialog;
    TreeView& TV;
    Button& cmdEditOrder;
    Canvas& picBox;
    ImageList& ilIcons;
};

// The folder picker: the button folder and its sub folders, each of whose order can be edited in turn.
class frmFoldersToEdit {
public:
    frmFoldersToEdit(const FoldersToEditServices& services, const FoldersToEditControls& controls, ProgramHost& host);

    // 1 when an editor opened from here wrote an order file, 2 otherwise. A folder without sub folders goes to the
    // editor at once, without showing this window.
    int ShowForm(const std::string& Path);

    // The window sees keys before its controls; true when it took the key.
    bool Form_KeyDown(Key key, int shift);
    bool TV_KeyDown(Key key, int shift);
    void TV_DblClick() { ExpandAndEdit(); }
    void TV_NodeClick(int node);
    void cmdEditOrder_Click() { EditOrder(); }
    void cmdClose_Click();

    bool OrderChanged() const { return orderChanged_; }

private:
    void EditOrder();
    void ExpandAndEdit();

    FoldersToEditServices services_;
    FoldersToEditControls controls_;
    ProgramHost& host_;
    IconCache icons_;
    int root_ = 0;
    bool orderChanged_ = false;
};

}  // namespace tarn
