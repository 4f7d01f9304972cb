#pragma once
#include <string>
#include <unordered_map>

#include "platform/ImageList.h"
#include "platform/win32/GdiHandles.h"

namespace tarn::win32 {

// 16 x 16 pictures by key; the canvas's background colour becomes the mask.
class Win32ImageList final : public ImageList {
public:
    Win32ImageList();
    HIMAGELIST Handle() const { return list_.get(); }
    // The position of a key's picture, or -1.
    int IndexOf(const std::string& key) const;
    bool Has(const std::string& key) const override { return index_.contains(key); }
    void Add(const std::string& key, const Canvas& picture) override;

private:
    unique_himagelist list_;
    std::unordered_map<std::string, int> index_;
};

}  // namespace tarn::win32
