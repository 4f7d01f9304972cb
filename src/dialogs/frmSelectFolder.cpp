#include "dialogs/frmSelectFolder.h"

#include "dialogs/SelectFolderForm.h"
#include "platform/Text.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

bool IsSlash(char c) { return c == '\\' || c == '/'; }

// A drive's root keeps its backslash ("C:\"); any other folder loses a trailing one.
std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && IsSlash(path.back()) && !(path.size() == 3 && path[1] == ':')) path.pop_back();
    if (path.size() == 2 && path[1] == ':') path += '\\';
    return path;
}

// The folder and its ancestors, the drive's root first.
std::vector<std::string> AncestorsAndSelf(const std::string& path) {
    std::vector<std::string> chain;
    const std::string root = DriveName(path);
    std::size_t end = root.size();
    if (end < path.size() && IsSlash(path[end])) ++end;
    chain.push_back(path.substr(0, end));
    while (end < path.size()) {
        std::size_t next = path.find_first_of("\\/", end);
        if (next == std::string::npos) next = path.size();
        if (next > end) chain.push_back(path.substr(0, next));
        end = next + 1;
    }
    return chain;
}

}  // namespace

std::string DriveName(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    // A network share: \\server\share.
    if (path.size() > 2 && IsSlash(path[0]) && IsSlash(path[1])) {
        const std::size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos) return path;
        const std::size_t share = path.find_first_of("\\/", server + 1);
        return path.substr(0, share);
    }
    return {};
}

frmSelectFolder::frmSelectFolder(const SelectFolderServices& services, const SelectFolderControls& controls)
    : services_(services), controls_(controls) {}

int frmSelectFolder::ShowForm(const std::string& Path, std::string& NewPath) {
    std::string path = services_.fs.FolderExists(Path) ? Path : services_.programFolder;
    if (services_.absolutePath) path = services_.absolutePath(path);
    path = WithoutTrailingSlash(path);
    controls_.DriveList.SetDrive(DriveName(path));
    SetPath(path);
    controls_.dialog.SetTitle(std::string(SelectFolderForm::kTitle));
    ShowInTaskbar(controls_.window, true);
    Cancelled_ = true;
    controls_.dialog.ShowModal();
    if (Cancelled_ || Highlighted() < 0) return 2;
    NewPath = controls_.DirList.Row(Highlighted()).path;
    return 1;
}

void frmSelectFolder::SetPath(const std::string& path) {
    std::vector<FolderRow> rows;
    const std::vector<std::string> chain = AncestorsAndSelf(path);
    for (std::size_t depth = 0; depth < chain.size(); ++depth) {
        const std::string& folder = chain[depth];
        const std::string name = depth == 0 ? folder : FileNamePart(folder);
        rows.push_back({folder, name, static_cast<int>(depth), services_.shell.SmallIconIndex(folder)});
    }
    current_ = static_cast<int>(rows.size()) - 1;
    const int indent = static_cast<int>(chain.size());
    for (const std::string& name : services_.fs.ListFolders(path)) {
        const std::string folder = JoinPath(path, name);
        rows.push_back({folder, name, indent, services_.shell.SmallIconIndex(folder)});
    }
    path_ = path;
    controls_.DirList.SetRows(std::move(rows), current_);
}

int frmSelectFolder::Highlighted() const {
    const int row = controls_.DirList.Highlighted();
    return row >= 0 ? row : current_;
}

void frmSelectFolder::OpenHighlighted() {
    const int row = Highlighted();
    if (row >= 0) SetPath(controls_.DirList.Row(row).path);
}

void frmSelectFolder::cmdOK_Click() {
    Cancelled_ = false;
    controls_.dialog.EndModal();
}

void frmSelectFolder::DriveList_Change() {
    const std::string drive = controls_.DriveList.Drive();
    const std::string root = drive + "\\";
    // A drive without a medium, or one that cannot be read, leaves the folder as it is.
    if (drive.empty() || !services_.fs.FolderExists(root)) {
        controls_.DriveList.SetDrive(DriveName(path_));
        return;
    }
    SetPath(root);
}

bool frmSelectFolder::DirList_KeyDown(Key key, int /*shift*/) {
    switch (key) {
        case Key::Return:
            if (Highlighted() == current_) {
                cmdOK_Click();
            } else {
                OpenHighlighted();
            }
            return true;
        case Key::Left:
        case Key::Right: OpenHighlighted(); return true;
        default: return false;
    }
}

}  // namespace tarn
