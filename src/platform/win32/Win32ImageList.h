#pragma once
#include <string>
#include <unordered_map>

#include "platform/ImageList.h"
#include "platform/win32/GdiHandles.h"

namespace tarn::win32 {

// Square pictures by key, 16 pixels unless told; the canvas's background colour becomes the mask.
class Win32ImageList final : public ImageList {
public:
    explicit Win32ImageList(int size = 16);
    int Size() const { return size_; }
    HIMAGELIST Handle() const { return list_.get(); }
    // The position of a key's picture, or -1.
    int IndexOf(const std::string& key) const;
    bool Has(const std::string& key) const override { return index_.contains(key); }
    void Add(const std::string& key, const Canvas& picture) override;
    void Clear() override;

private:
    int size_;
    unique_himagelist list_;
    std::unordered_map<std::string, int> index_;
};

}  // namespace tarn::win32
