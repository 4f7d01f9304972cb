#include "model/IconCache.h"

namespace tarn {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr const char* kSeparatorImageKey = "sep";

}  // namespace

IconCache::IconCache(Shell& shell, Canvas& picBox, ImageList& ilIcons)
    : shell_(shell), picBox_(picBox), ilIcons_(ilIcons) {}

void IconCache::MakeSeparatorImage() {
    // A key, once stored, keeps its picture.
    if (ilIcons_.Has(kSeparatorImageKey)) return;
    picBox_.Clear();
    picBox_.Line(6, 0, 6, 16, kBlack);
    picBox_.Line(9, 0, 9, 16, kBlack);
    ilIcons_.Add(kSeparatorImageKey, picBox_);
}

std::string IconCache::GetIconKey(const std::string& path) {
    const int index = shell_.SmallIconIndex(path);
    std::string key = "I";
    key += std::to_string(index);
    if (!ilIcons_.Has(key)) {
        picBox_.Clear();
        picBox_.DrawSystemSmallIcon(index, 0, 0);
        ilIcons_.Add(key, picBox_);
    }
    return key;
}

}  // namespace tarn
