#pragma once
#include <cstdint>

#include "platform/Geometry.h"

namespace tarn {

constexpr std::uint32_t kWsExTransparent = 0x20;
constexpr std::uint32_t kWsExAppWindow = 0x40000;
constexpr std::uint32_t kWsExLayered = 0x80000;
constexpr std::uint32_t kLwaColourKey = 1;
constexpr std::uint32_t kLwaAlpha = 2;

enum class ShowCommand { Hide = 0, ShowMinimized = 2, ShowNoActivate = 4, Show = 5 };

// A top-level window, in screen pixels.
class Window {
public:
    virtual ~Window() = default;
    virtual Rect WindowRect() const = 0;
    virtual Size ClientSize() const = 0;
    // SetWindowPos without z-order change or activation.
    virtual void Move(const Rect& pixels) = 0;
    // HWND_TOPMOST without moving, sizing or activating.
    virtual void SetTopmost() = 0;
    virtual std::uint32_t ExStyle() const = 0;
    // Writes the extended style whole.
    virtual void SetExStyle(std::uint32_t style) = 0;
    virtual void SetLayeredAttributes(Colour key, int alpha, std::uint32_t flags) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show(ShowCommand command) = 0;
};

}  // namespace tarn
