#pragma once
#include <string>

#include "platform/Canvas.h"

namespace tarn {

// Pictures by text key.
class ImageList {
public:
    virtual ~ImageList() = default;
    virtual bool Has(const std::string& key) const = 0;
    // Adds a copy of the canvas's image under the key.
    virtual void Add(const std::string& key, const Canvas& picture) = 0;
    virtual void Clear() = 0;
};

}  // namespace tarn
