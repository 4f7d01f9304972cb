#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "platform/ControlDesign.h"
#include "platform/TreeView.h"
#include "platform/win32/ChildControl.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/Win32ImageList.h"

namespace tarn::win32 {

// The common controls' tree view with lines and buttons, its pictures from an image list of the window.
class Win32TreeView final : public ChildOf<TreeView> {
public:
    struct Events {
        std::function<void(int node)> nodeClick;  // the user selected a node, with the mouse or the keyboard
        std::function<void()> doubleClick;
    };

    Win32TreeView(DialogWindow& dialog, const ControlDesign& design, const Win32ImageList& images, Events events);

    void Clear() override;
    int Add(const TreeNode& node) override;
    int Count() const override { return static_cast<int>(nodes_.size()); }
    const TreeNode& Node(int node) const override { return nodes_.at(static_cast<std::size_t>(node - 1)).node; }
    void Expand(int node) override;
    bool Expanded(int node) const override;
    void Select(int node) override;
    int Selected() const override;

    std::optional<LRESULT> Notify(const NMHDR& header) override;

private:
    int NumberOf(HTREEITEM item) const;
    struct Entry {
        HTREEITEM item;
        TreeNode node;
    };
    const Win32ImageList& images_;
    Events events_;
    std::vector<Entry> nodes_;
};

}  // namespace tarn::win32
