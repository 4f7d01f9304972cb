#pragma once
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/ImageList.h"
#include "platform/PopupMenu.h"
#include "platform/Timer.h"
#include "platform/TipLabel.h"
#include "platform/Toolbar.h"
#include "platform/Window.h"

namespace tarn::fakes {

// System colours as a test display renders them.
Colour SysColourValue(SysColour colour);

// Keeps what is drawn: the pixels set, lines and icons, over a background.
class FakeCanvas final : public Canvas {
public:
    explicit FakeCanvas(Size size = {16, 16}) : size_(size) {}
    Size ClientSize() const override { return size_; }
    void SetBackground(Colour colour) override { background_ = colour; }
    void SetBackground(SysColour colour) override { background_ = SysColourValue(colour); }
    void Clear() override { pixels_.clear(), lines = icons = images = 0; }
    void SetPixel(int x, int y, SysColour colour) override { pixels_[{x, y}] = SysColourValue(colour); }
    Colour GetPixel(int x, int y) const override;
    void Line(int, int, int, int, Colour) override { ++lines; }
    void Stroke(int, int, int, int, Colour, int) override { ++lines; }
    void DrawImage(const ImageList&, const std::string&, int, int) override { ++images; }
    void DrawSystemSmallIcon(int index, int, int) override { icons = index + 1; }
    void Refresh() override {}
    Colour Background() const { return background_; }
    std::size_t PixelCount() const { return pixels_.size(); }
    int lines = 0;
    int icons = 0;  // 1 + the index of the last icon drawn; 0 for none
    int images = 0;

private:
    Size size_;
    Colour background_ = 0xC0C0C0;
    std::map<std::pair<int, int>, Colour> pixels_;
};

// A picture is what its canvas showed when it was added: here the icon drawn on it.
class FakeImageList final : public ImageList {
public:
    bool Has(const std::string& key) const override { return pictures.contains(key); }
    void Add(const std::string& key, const Canvas& picture) override;
    void Clear() override { pictures.clear(), order.clear(); }
    std::unordered_map<std::string, int> pictures;  // key -> FakeCanvas::icons
    std::vector<std::string> order;                 // keys in the order added
};

// Lays buttons out in rows of fixed-size cells, wrapping at its width, as a wrapping toolbar does.
class FakeToolbar final : public Toolbar {
public:
    static constexpr int kButtonWidth = 23;
    static constexpr int kButtonHeight = 22;
    static constexpr int kCaptionButtonWidth = 150;

    void Clear() override { buttons.clear(); }
    int Add(const ButtonRecord& button) override { return buttons.push_back(button), Count(); }
    int Count() const override { return static_cast<int>(buttons.size()); }
    const ButtonRecord& Button(int index) const override { return buttons.at(static_cast<std::size_t>(index - 1)); }
    void SetStyle(int index, ButtonStyle style) override { At(index).style = style; }
    void SetTag(int index, const std::string& tag) override { At(index).tag = tag; }
    void SetEnabled(int index, bool enabled) override { At(index).enabled = enabled; }
    void SetPressed(int index, bool pressed) override { At(index).pressed = pressed; }
    Rect ButtonRect(int index) const override;
    void Move(const Rect& bounds) override { bounds_ = bounds; }
    Rect Bounds() const override { return {bounds_.left, bounds_.top, bounds_.right, bounds_.top + RowsHeight()}; }
    int RowsHeight() const override { return buttons.empty() ? 0 : ButtonRect(Count()).bottom; }
    int ButtonHeight() const override { return kButtonHeight; }
    void SetVisible(bool) override {}
    std::vector<ButtonRecord> buttons;

private:
    ButtonRecord& At(int index) { return buttons.at(static_cast<std::size_t>(index - 1)); }
    Rect bounds_{0, 0, 360, 48};
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

// A window whose client area is its rectangle less a border of `border` pixels each side. `changes` counts
// everything that alters what it shows.
class FakeWindow final : public Window {
public:
    explicit FakeWindow(Rect rect = {0, 0, 376, 48}, int border = 0) : rect_(rect), border_(border) {}
    Rect WindowRect() const override { return rect_; }
    Size ClientSize() const override { return {rect_.Width() - 2 * border_, rect_.Height() - 2 * border_}; }
    void Move(const Rect& pixels) override { rect_ = pixels, ++changes; }
    void SetTopmost() override { topmost = true; }
    void SetSeeThrough(Colour key, int a) override { seeThrough = true, colourKey = key, alpha = a, ++changes; }
    void SetSolid(int a) override { seeThrough = false, alpha = a, ++changes; }
    bool HasTaskbarButton() const override { return taskbar; }
    void SetTaskbarButton(bool show) override { taskbar = show; }
    bool IsVisible() const override { return lastShow != ShowCommand::Hide; }
    void Show(ShowCommand command) override { lastShow = command, ++changes; }

    bool topmost = false;
    bool seeThrough = false;
    Colour colourKey = 0;
    int alpha = -1;
    bool taskbar = true;
    ShowCommand lastShow = ShowCommand::Hide;
    int changes = 0;

private:
    Rect rect_;
    int border_;
};

// A popup menu that answers with the scripted choices, one per Show, then with -1 (dismissed). `during` runs
// while the menu is open, as the timers do.
class FakePopupMenu final : public PopupMenu {
public:
    int Show(const std::vector<MenuItem>& items, std::optional<Point> anchor) override;
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) const override { return 15; }
    std::vector<int> choices;
    std::function<void()> during;
    int shows = 0;
    std::vector<MenuItem> items;  // of the last menu shown
    std::optional<Point> anchor;
};

// A label 6 pixels per character of its longest line and 16 per line.
class FakeTipLabel final : public TipLabel {
public:
    Size SetText(const std::string& text) override;
    std::string text;
};

}  // namespace tarn::fakes
