#pragma once
#include <functional>
#include <map>
#include <unordered_map>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/ImageList.h"
#include "platform/PopupMenu.h"
#include "platform/TipLabel.h"
#include "platform/Timer.h"
#include "platform/Toolbar.h"
#include "platform/Window.h"

namespace tarn::fakes {

// System colours as a test display renders them.
Colour SysColourValue(SysColour colour);

// Records what is drawn: the pixels set, lines and icons, over a background.
class FakeCanvas final : public Canvas {
public:
    explicit FakeCanvas(Size size = {16, 16}) : size_(size) {}
    void Resize(Size size) { size_ = size; }
    Size ClientSize() const override { return size_; }
    void SetBackground(Colour colour) override { background_ = colour; }
    void SetBackground(SysColour colour) override { background_ = SysColourValue(colour); }
    void Clear() override;
    void SetPixel(int x, int y, SysColour colour) override { pixels_[{x, y}] = SysColourValue(colour); }
    Colour GetPixel(int x, int y) const override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;
    void DrawSystemSmallIcon(int index, int x, int y) override { icons.push_back({index, x, y}); }
    void Refresh() override { ++refreshes; }

    Colour Background() const { return background_; }
    std::size_t PixelCount() const { return pixels_.size(); }
    struct LineCall {
        int x1, y1, x2, y2;
        Colour colour;
        friend bool operator==(const LineCall&, const LineCall&) = default;
    };
    struct IconCall {
        int index, x, y;
        friend bool operator==(const IconCall&, const IconCall&) = default;
    };
    std::vector<LineCall> lines;
    std::vector<IconCall> icons;
    int clears = 0;
    int refreshes = 0;

private:
    Size size_;
    Colour background_ = 0xC0C0C0;
    std::map<std::pair<int, int>, Colour> pixels_;
};

// A picture is what its canvas showed when it was added: here its lines and icons.
class FakeImageList final : public ImageList {
public:
    bool Has(const std::string& key) const override { return pictures.contains(key); }
    void Add(const std::string& key, const Canvas& picture) override;
    struct Picture {
        std::vector<FakeCanvas::LineCall> lines;
        std::vector<FakeCanvas::IconCall> icons;
    };
    std::unordered_map<std::string, Picture> pictures;
    std::vector<std::string> order;  // keys in the order added
};

// Lays buttons out in rows of fixed-size cells, wrapping at its width, as a wrapping toolbar does.
class FakeToolbar final : public Toolbar {
public:
    static constexpr int kButtonWidth = 23;
    static constexpr int kButtonHeight = 22;
    static constexpr int kCaptionButtonWidth = 150;

    void Clear() override { buttons.clear(); }
    int Add(const ButtonRecord& button) override;
    int Count() const override { return static_cast<int>(buttons.size()); }
    const ButtonRecord& Button(int index) const override { return buttons.at(static_cast<std::size_t>(index - 1)); }
    void SetStyle(int index, ButtonStyle style) override { At(index).style = style; }
    void SetTag(int index, const std::string& tag) override { At(index).tag = tag; }
    void SetEnabled(int index, bool enabled) override { At(index).enabled = enabled; }
    void SetPressed(int index, bool pressed) override { At(index).pressed = pressed; }
    Rect ButtonRect(int index) const override;
    void Move(const Rect& bounds) override { bounds_ = bounds; }
    Rect Bounds() const override;
    int RowsHeight() const override;
    int ButtonHeight() const override { return kButtonHeight; }
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Visible() const { return visible_; }

    std::vector<ButtonRecord> buttons;

private:
    ButtonRecord& At(int index) { return buttons.at(static_cast<std::size_t>(index - 1)); }
    Rect bounds_{0, 0, 360, 48};
    bool visible_ = true;
};

class FakeControl final : public Control {
public:
    explicit FakeControl(Rect bounds = {}) : bounds_(bounds) {}
    Rect Bounds() const override { return bounds_; }
    void Move(const Rect& bounds) override { bounds_ = bounds; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }

private:
    Rect bounds_;
    bool visible_ = false;
};

class FakeTimer final : public Timer {
public:
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Enabled() const override { return enabled_; }

private:
    bool enabled_ = false;
};

// A window whose client area is its rectangle less a border of `border` pixels each side.
class FakeWindow final : public Window {
public:
    explicit FakeWindow(Rect rect = {0, 0, 376, 48}, int border = 0) : rect_(rect), border_(border) {}
    Rect WindowRect() const override { return rect_; }
    Size ClientSize() const override { return {rect_.Width() - 2 * border_, rect_.Height() - 2 * border_}; }
    void Move(const Rect& pixels) override;
    void SetTopmost() override { ++topmostCalls; }
    std::uint32_t ExStyle() const override { return exStyle_; }
    void SetExStyle(std::uint32_t style) override;
    void SetLayeredAttributes(Colour key, int alpha, std::uint32_t flags) override;
    bool IsVisible() const override { return visible_; }
    void Show(ShowCommand command) override;

    struct Layered {
        Colour key;
        int alpha;
        std::uint32_t flags;
        friend bool operator==(const Layered&, const Layered&) = default;
    };
    std::vector<Layered> layered;
    std::vector<std::uint32_t> exStyles;
    std::vector<Rect> moves;
    std::vector<ShowCommand> shows;
    int topmostCalls = 0;
    // Everything recorded that changes what the window shows.
    std::size_t Changes() const { return layered.size() + exStyles.size() + moves.size() + shows.size(); }

private:
    Rect rect_;
    int border_;
    std::uint32_t exStyle_ = 0;
    bool visible_ = false;
};

// A popup menu that answers with the scripted choices, one per Show, then with -1 (dismissed). `during` runs
// while the menu is open, as the timers do.
class FakePopupMenu final : public PopupMenu {
public:
    int Show(const std::vector<MenuEntry>& entries, std::optional<Point> anchor) override;
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) const override { return 15; }
    std::vector<int> choices;
    std::function<void()> during;
    struct Shown {
        std::vector<MenuEntry> entries;
        std::optional<Point> anchor;
    };
    std::vector<Shown> shown;
};

// A label 6 pixels per character of its longest line and 16 per line.
class FakeTipLabel final : public TipLabel {
public:
    Size SetText(const std::string& text) override;
    std::string text;
};

}  // namespace tarn::fakes
