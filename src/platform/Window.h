#pragma once
#include "platform/Geometry.h"

namespace tarn {

enum class ShowCommand { Hide, ShowMinimized, ShowNoActivate, Show };

// A top-level window, in screen pixels.
class Window {
public:
    virtual ~Window() = default;
    virtual Rect WindowRect() const = 0;
    virtual Size ClientSize() const = 0;
    // Moves and sizes without a change of z-order or activation.
    virtual void Move(const Rect& pixels) = 0;
    // Above every window that is not topmost, without moving, sizing or activating.
    virtual void SetTopmost() = 0;
    // Clicks pass through to the windows beneath; pixels of the key colour are invisible, the rest is drawn
    // with the opacity alpha (0 to 255).
    virtual void SetSeeThrough(Colour colourKey, int alpha) = 0;
    // Takes clicks; everything is drawn with the opacity alpha.
    virtual void SetSolid(int alpha) = 0;
    // Whether the window has a button of its own in the taskbar. The change shows only after the window has
    // been hidden and shown again (ShowInTaskbar does that).
    virtual bool HasTaskbarButton() const = 0;
    virtual void SetTaskbarButton(bool show) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show(ShowCommand command) = 0;
};

}  // namespace tarn
