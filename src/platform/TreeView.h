#pragma once
#include <string>

#include "platform/Control.h"

namespace tarn {

// A node of a tree: its key, its text and the key of its image in the tree's image list. `parent` is 0 for a root.
struct TreeNode {
    std::string key;
    std::string text;
    std::string image;
    int parent = 0;
    friend bool operator==(const TreeNode&, const TreeNode&) = default;
};

// A tree view whose nodes are numbered from 1 in the order they were added; 0 is no node.
class TreeView : public Control {
public:
    virtual void Clear() = 0;
    // Returns the new node's number; it goes after the parent's other children.
    virtual int Add(const TreeNode& node) = 0;
    virtual int Count() const = 0;
    virtual const TreeNode& Node(int node) const = 0;
    virtual void Expand(int node) = 0;
    virtual bool Expanded(int node) const = 0;
    virtual void Select(int node) = 0;
    virtual int Selected() const = 0;
};

}  // namespace tarn
