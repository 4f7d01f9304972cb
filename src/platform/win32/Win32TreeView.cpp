#include "platform/win32/Win32TreeView.h"

#include "platform/win32/Wide.h"

namespace tarn::win32 {

Win32TreeView::Win32TreeView(DialogWindow& dialog, const ControlDesign& design, const Win32ImageList& images,
                             Events events)
    : images_(images), events_(std::move(events)) {
    const Rect r = dialog.Scale()(design.bounds);
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS,
                            r.left, r.top, r.Width(), r.Height(), dialog.Hwnd(), nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.Font(design.font)), FALSE);
    SendMessageW(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.Handle()));
    dialog.Register(*this);
}

void Win32TreeView::Clear() {
    SendMessageW(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    nodes_.clear();
}

int Win32TreeView::Add(const TreeNode& node) {
    std::wstring text = Widen(node.text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.parent > 0 ? nodes_.at(static_cast<std::size_t>(node.parent - 1)).item : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = text.data();
    insert.item.iImage = images_.IndexOf(node.image);
    insert.item.iSelectedImage = insert.item.iImage;
    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(hwnd_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    nodes_.push_back({item, node});
    return Count();
}

void Win32TreeView::Expand(int node) {
    SendMessageW(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(nodes_.at(static_cast<std::size_t>(node - 1)).item));
}

bool Win32TreeView::Expanded(int node) const {
    const HTREEITEM item = nodes_.at(static_cast<std::size_t>(node - 1)).item;
    const auto state = SendMessageW(hwnd_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0;
}

void Win32TreeView::Select(int node) {
    SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(nodes_.at(static_cast<std::size_t>(node - 1)).item));
}

int Win32TreeView::NumberOf(HTREEITEM item) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i].item == item) return static_cast<int>(i) + 1;
    }
    return 0;
}

int Win32TreeView::Selected() const {
    return NumberOf(reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

std::optional<LRESULT> Win32TreeView::Notify(const NMHDR& header) {
    if (header.hwndFrom != hwnd_) return std::nullopt;
    switch (header.code) {
        case TVN_SELCHANGEDW: {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            if ((change.action == TVC_BYMOUSE || change.action == TVC_BYKEYBOARD) && events_.nodeClick) {
                events_.nodeClick(NumberOf(change.itemNew.hItem));
            }
            return 0;
        }
        case NM_DBLCLK:
            if (events_.doubleClick) events_.doubleClick();
            return TRUE;  // the double-click opens the editor instead of folding the node
        default: return std::nullopt;
    }
}

}  // namespace tarn::win32
