#include "order/frmFoldersToEdit.h"

#include "settings/WindowPlacement.h"
#include "bar/ProgramHost.h"
#include "order/FoldersToEditForm.h"
#include "platform/Text.h"

namespace tarn {
namespace {

// The name a folder goes by in the tree: its last component, or the whole path for a drive's root.
std::string FolderName(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    std::string name = FileNamePart(trimmed);
    return name.empty() || name.back() == ':' ? path : name;
}

}  // namespace

frmFoldersToEdit::frmFoldersToEdit(const FoldersToEditServices& services, const FoldersToEditControls& controls,
                                   ProgramHost& host)
    : services_(services), controls_(controls), host_(host), icons_(services.shell, controls.picBox, controls.ilIcons) {}

int frmFoldersToEdit::ShowForm(const std::string& Path) {
    if (!services_.fs.FolderExists(Path)) return 2;
    const std::vector<std::string> folders = services_.fs.ListFolders(Path);
    if (folders.empty()) return host_.ShowEditOrder(Path, false);

    TreeView& tree = controls_.TV;
    tree.Clear();
    root_ = tree.Add({Path, FolderName(Path), icons_.GetIconKey(Path), 0});
    for (const std::string& name : folders) {
        const std::string folder = JoinPath(Path, name);
        tree.Add({folder, name, icons_.GetIconKey(folder), root_});
    }
    tree.Expand(root_);
    tree.Select(root_);
    orderChanged_ = false;
    controls_.dialog.SetTitle(std::string(FoldersToEditForm::kTitle));
    ShowInTaskbar(controls_.window, true);
    controls_.dialog.ShowModal();
    return orderChanged_ ? 1 : 2;
}

void frmFoldersToEdit::EditOrder() {
    const int node = controls_.TV.Selected();
    if (node == 0) return;
    // Only the editor has a taskbar button while it is open.
    ShowInTaskbar(controls_.window, false);
    if (host_.ShowEditOrder(controls_.TV.Node(node).key, node != root_) == 1) orderChanged_ = true;
    ShowInTaskbar(controls_.window, true);
}

void frmFoldersToEdit::ExpandAndEdit() {
    TreeView& tree = controls_.TV;
    const int node = tree.Selected();
    if (node != 0 && !tree.Expanded(node)) tree.Expand(node);
    EditOrder();
}

void frmFoldersToEdit::TV_NodeClick(int node) {
    controls_.cmdEditOrder.SetCaption(
        std::string(node == root_ ? FoldersToEditForm::kEditButtonOrder : FoldersToEditForm::kEditMenuItemOrder));
}

bool frmFoldersToEdit::Form_KeyDown(Key key, int shift) {
    if (key != Key::F9 || shift != 0) return false;
    EditOrder();
    return true;
}

bool frmFoldersToEdit::TV_KeyDown(Key key, int shift) {
    if (key != Key::Return || shift != 0) return false;
    ExpandAndEdit();
    return true;
}

void frmFoldersToEdit::cmdClose_Click() { controls_.dialog.EndModal(); }

}  // namespace tarn
