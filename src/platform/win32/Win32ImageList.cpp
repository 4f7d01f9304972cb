#include "platform/win32/Win32ImageList.h"

#include "platform/win32/MemoryCanvas.h"

namespace tarn::win32 {

Win32ImageList::Win32ImageList(int size)
    : size_(size), list_(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 16, 16)) {}

void Win32ImageList::Clear() {
    if (list_) ImageList_RemoveAll(list_.get());
    index_.clear();
}

int Win32ImageList::IndexOf(const std::string& key) const {
    const auto it = index_.find(key);
    return it == index_.end() ? -1 : it->second;
}

void Win32ImageList::Add(const std::string& key, const Canvas& picture) {
    if (Has(key) || !list_) return;
    const auto& canvas = static_cast<const MemoryCanvas&>(picture);
    // A bitmap without alpha makes the list use the mask, so greyed buttons still grey only the icon.
    unique_hbitmap bitmap = canvas.Snapshot();
    const int index = ImageList_AddMasked(list_.get(), bitmap.get(), canvas.BackgroundColour());
    if (index >= 0) index_.emplace(key, index);
}

}  // namespace tarn::win32
