#include "model/Grouping.h"

#include "platform/Text.h"

namespace tarn {
namespace {

constexpr int kGroupByType = 1;
constexpr int kGroupByIcon = 2;

}  // namespace

LinkTargetCache::LinkTargetCache(Shell& shell) : shell_(shell) {}

LinkTargetCache::Links::const_iterator LinkTargetCache::Resolve(const std::string& path) {
    auto it = links_.find(path);
    if (it == links_.end()) {
        std::string target = shell_.GetLinkTarget(path);
        std::string type = AsciiLower(ExtensionOf(target));
        if (target == path) target.clear();
        it = links_.emplace(path, Link{std::move(target), std::move(type)}).first;
    }
    return it;
}

const std::string& LinkTargetCache::Target(const std::string& path) {
    const auto it = Resolve(path);
    return it->second.target.empty() ? it->first : it->second.target;
}

const std::string& LinkTargetCache::TypeOf(const std::string& path) { return Resolve(path)->second.type; }

GroupFinder::GroupFinder(int fileGrouping, LinkTargetCache& links) : fileGrouping_(fileGrouping), links_(links) {}

int GroupFinder::FindGroupButton(const std::string& path, const std::string& iconKey) {
    if (fileGrouping_ != kGroupByType && fileGrouping_ != kGroupByIcon) return -1;
    const auto it = firstButton_.find(fileGrouping_ == kGroupByType ? links_.TypeOf(path) : iconKey);
    return it == firstButton_.end() ? -1 : it->second;
}

void GroupFinder::ButtonAdded(int index, const ButtonRecord& button) {
    if (button.kind == ButtonKind::Separator) return;
    if (fileGrouping_ == kGroupByType) {
        firstButton_.try_emplace(links_.TypeOf(button.tag), index);
    } else if (fileGrouping_ == kGroupByIcon) {
        firstButton_.try_emplace(button.image, index);
    }
}

}  // namespace tarn
