#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>

#include "platform/Shell.h"
#include "platform/Toolbar.h"

namespace tarn {

// The shortcut targets of one build of the bar: each path is resolved by the shell at most once. Made afresh by
// every build, so that a shortcut changed in between is seen.
class LinkTargetCache {
public:
    explicit LinkTargetCache(Shell& shell);
    // Room for this many paths, so that a large folder fills the cache without rehashing.
    void Reserve(std::size_t paths) { links_.reserve(paths); }
    // The target of a shell shortcut, or the path itself.
    const std::string& Target(const std::string& path);
    // The lower-case extension of the target, without the dot; empty when it has none.
    const std::string& TypeOf(const std::string& path);

private:
    struct Link {
        std::string target;  // empty when it is the path itself, as for every file that is no shortcut
        std::string type;
    };
    using Links = std::unordered_map<std::string, Link>;
    Links::const_iterator Resolve(const std::string& path);
    Shell& shell_;
    Links links_;
};

// Finds the earlier button that a file joins as a group, under FileGrouping 1 (same type of file or shortcut
// target) or 2 (same icon key); any other value groups nothing.
// Contract: during one build, the bar calls ButtonAdded for every button it appends to the toolbar, right after
// Toolbar::Add and in that order; FindGroupButton then answers as a walk over those buttons would, the first
// matching one winning and separator buttons never taking part.
class GroupFinder {
public:
    GroupFinder(int fileGrouping, LinkTargetCache& links);

    // The 1-based index of the button the file joins, or -1 when it gets a button of its own.
    int FindGroupButton(const std::string& path, const std::string& iconKey);
    void ButtonAdded(int index, const ButtonRecord& button);

private:
    int fileGrouping_;
    LinkTargetCache& links_;
    // Type or icon key -> the first button that has it.
    std::unordered_map<std::string, int> firstButton_;
};

}  // namespace tarn
