#pragma once
#include <algorithm>
#include <deque>
#include <functional>
#include <map>

#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/ImageList.h"
#include "platform/PopupMenu.h"
#include "platform/Timer.h"
#include "platform/TipLabel.h"
#include "platform/Toolbar.h"
#include "platform/Window.h"

namespace tarn::fakes {

// System colours as a test display renders them: the usual button face, the others told apart.
constexpr Colour SysColourValue(SysColour c) { return c == SysColour::ButtonFace ? 0xF0F0F0 : 0x100 + Colour(c); }

// Keeps the pixels set over its background, and what else is on it as text: "L" a line, "I5" icon 5, "PI1"
// the picture I1 of an image list.
struct FakeCanvas final : Canvas {
    explicit FakeCanvas(Size size = {16, 16}, Colour background = 0xC0C0C0) : size(size), background(background) {}
    Size ClientSize() const override { return size; }
    void SetBackground(Colour colour) override { background = colour; }
    void SetBackground(SysColour colour) override { background = SysColourValue(colour); }
    void Clear() override { pixels.clear(), drawn.clear(); }
    void SetPixel(int x, int y, SysColour colour) override { pixels[{x, y}] = SysColourValue(colour); }
    Colour GetPixel(int x, int y) const override { return pixels.contains({x, y}) ? pixels.at({x, y}) : background; }
    void Line(int, int, int, int, Colour) override { drawn += 'L'; }
    void Stroke(int, int, int, int, Colour, int) override { drawn += 'L'; }
    void DrawImage(const ImageList&, const std::string& key, int, int) override { drawn += "P" + key; }
    void DrawSystemSmallIcon(int index, int, int) override { drawn += 'I' + std::to_string(index); }
    void Refresh() override {}
    Size size;
    Colour background;
    std::map<std::pair<int, int>, Colour> pixels;
    std::string drawn;
};

// A picture is what its canvas showed when it was added.
struct FakeImageList final : ImageList {
    bool Has(const std::string& key) const override { return pictures.contains(key); }
    void Add(const std::string& k, const Canvas& c) override { pictures[k] = static_cast<const FakeCanvas&>(c).drawn; }
    void Clear() override { pictures.clear(); }
    std::map<std::string, std::string> pictures;
};

// Buttons in cells of 23 x 22 pixels, as many in a row as its width holds, at least one.
struct FakeToolbar final : Toolbar {
    void Clear() override { buttons.clear(); }
    int Add(const ButtonRecord& button) override { return buttons.push_back(button), Count(); }
    int Count() const override { return static_cast<int>(buttons.size()); }
    const ButtonRecord& Button(int index) const override { return buttons.at(std::size_t(index - 1)); }
    void SetStyle(int index, ButtonStyle style) override { buttons.at(std::size_t(index - 1)).style = style; }
    void SetTag(int index, const std::string& tag) override { buttons.at(std::size_t(index - 1)).tag = tag; }
    void SetEnabled(int index, bool enabled) override { buttons.at(std::size_t(index - 1)).enabled = enabled; }
    void SetPressed(int index, bool pressed) override { buttons.at(std::size_t(index - 1)).pressed = pressed; }
    Rect ButtonRect(int i) const override {
        const int perRow = std::max(1, bounds.Width() / 23), x = (i - 1) % perRow * 23, y = (i - 1) / perRow * 22;
        return {x, y, x + 23, y + 22};
    }
    void Move(const Rect& moved) override { bounds = moved; }
    Rect Bounds() const override { return {bounds.left, bounds.top, bounds.right, bounds.top + RowsHeight()}; }
    int RowsHeight() const override { return buttons.empty() ? 0 : ButtonRect(Count()).bottom; }
    int ButtonHeight() const override { return 22; }
    void SetVisible(bool) override {}
    std::vector<ButtonRecord> buttons;
    Rect bounds{8, 0, 360, 42};  // as the bar is designed
};

// A control that only keeps its place and whether it is shown.
template <typename Interface>
struct Placed : Interface {
    Rect Bounds() const override { return bounds; }
    void Move(const Rect& r) override { bounds = r; }
    bool Visible() const override { return visible; }
    void SetVisible(bool shown) override { visible = shown; }
    Rect bounds;
    bool visible = true;
};

// Starts hidden.
struct FakeControl final : Placed<Control> {
    explicit FakeControl(Rect r = {}) { bounds = r, visible = false; }
};

struct FakeTimer final : Timer {
    void SetEnabled(bool on) override { enabled = on; }
    bool Enabled() const override { return enabled; }
    bool enabled = false;
};

// A window whose client area is its rectangle less a border of `border` pixels each side.
struct FakeWindow : Window {
    explicit FakeWindow(Rect rect = {0, 0, 376, 48}, int border = 0) : rect(rect), border(border) {}
    Rect WindowRect() const override { return rect; }
    Size ClientSize() const override { return {rect.Width() - 2 * border, rect.Height() - 2 * border}; }
    void Move(const Rect& pixels) override { rect = pixels; }
    void SetTopmost() override { topmost = true; }
    void SetSeeThrough(Colour key, int a) override { seeThrough = true, colourKey = key, alpha = a; }
    void SetSolid(int a) override { seeThrough = false, alpha = a; }
    bool HasTaskbarButton() const override { return taskbar; }
    void SetTaskbarButton(bool show) override { taskbar = show; }
    bool IsVisible() const override { return shown != ShowCommand::Hide; }
    void Show(ShowCommand command) override { shown = command; }
    Rect rect;
    int border, alpha = -1;
    bool topmost = false, seeThrough = false, taskbar = true;
    Colour colourKey = 0;
    ShowCommand shown = ShowCommand::Hide;
};

// Answers with the scripted choices, one per menu, then with -1 (dismissed); `during` runs while a menu is open,
// as the timers do. Keeps the last menu shown.
struct FakePopupMenu final : PopupMenu {
    int Show(const std::vector<MenuItem>& shown, std::optional<Point>) override {
        if (++shows, items = shown; during) during();
        if (choices.empty()) return -1;
        const int choice = choices.front();
        return choices.pop_front(), choice;
    }
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) const override { return 15; }
    std::deque<int> choices;
    std::function<void()> during;
    int shows = 0;
    std::vector<MenuItem> items;
};

// A label of one line, 6 pixels per character and 16 high.
struct FakeTipLabel final : TipLabel {
    Size SetText(const std::string& value) override {
        return text = value, Size{6 * static_cast<int>(value.size()), 16};
    }
    std::string text;
};

}  // namespace tarn::fakes
