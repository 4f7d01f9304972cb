#pragma once
#include <string>

#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "platform/Shell.h"

namespace tarn {

// Icon keys ("I" and the file's index in the small system image list) and their pictures in ilIcons, each stored
// once for the whole run: a rebuild of the bar reuses the pictures already there.
class IconCache {
public:
    IconCache(Shell& shell, Canvas& picBox, ImageList& ilIcons);

    // The separator picture under "sep": two black vertical lines.
    void MakeSeparatorImage();
    std::string GetIconKey(const std::string& path);

private:
    Shell& shell_;
    Canvas& picBox_;
    ImageList& ilIcons_;
};

}  // namespace tarn
