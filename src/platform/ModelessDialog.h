#pragma once
#include <string>

namespace tarn {

// A window that opens beside the program's others, which stay usable, and goes when it is unloaded.
class ModelessDialog {
public:
    virtual ~ModelessDialog() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // Shows the window in front and returns at once; a window shown already comes to the front.
    virtual void ShowModeless() = 0;
    // Hides the window for good: the program lets it go once the handler that asked has returned.
    virtual void Unload() = 0;
};

}  // namespace tarn
