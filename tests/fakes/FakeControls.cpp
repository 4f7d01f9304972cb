#include "fakes/FakeControls.h"

#include <algorithm>

namespace tarn::fakes {

Colour SysColourValue(SysColour colour) {
    switch (colour) {
        case SysColour::ButtonFace: return 0xF0F0F0;
        case SysColour::Highlight3D: return 0xFFFFFF;
        case SysColour::ButtonShadow: return 0xA0A0A0;
        case SysColour::InfoBackground: return 0xE1FFFF;
        case SysColour::WindowText: return 0x000000;
        case SysColour::Menu: return 0xF0F0F0;
        case SysColour::MenuText: return 0x000000;
    }
    return 0;
}

void FakeCanvas::Clear() {
    ++clears;
    pixels_.clear();
    lines.clear();
    icons.clear();
}

Colour FakeCanvas::GetPixel(int x, int y) const {
    const auto it = pixels_.find({x, y});
    return it == pixels_.end() ? background_ : it->second;
}

void FakeCanvas::Line(int x1, int y1, int x2, int y2, Colour colour) { lines.push_back({x1, y1, x2, y2, colour}); }

void FakeImageList::Add(const std::string& key, const Canvas& picture) {
    const auto& canvas = static_cast<const FakeCanvas&>(picture);
    if (!pictures.contains(key)) order.push_back(key);
    pictures[key] = Picture{canvas.lines, canvas.icons};
}

int FakeToolbar::Add(const ButtonRecord& button) {
    buttons.push_back(button);
    return Count();
}

Rect FakeToolbar::ButtonRect(int index) const {
    const int width = bounds_.Width() > 0 ? bounds_.Width() : 1;
    int x = 0;
    int y = 0;
    for (int i = 1; i <= index; ++i) {
        const int w = Button(i).caption.empty() ? kButtonWidth : kCaptionButtonWidth;
        if (x > 0 && x + w > width) {
            x = 0;
            y += kButtonHeight;
        }
        if (i == index) return {x, y, x + w, y + kButtonHeight};
        x += w;
    }
    return {};
}

int FakeToolbar::RowsHeight() const {
    if (buttons.empty()) return 0;
    return ButtonRect(Count()).bottom;
}

Rect FakeToolbar::Bounds() const {
    // The control takes the height its rows need.
    return {bounds_.left, bounds_.top, bounds_.right, bounds_.top + RowsHeight()};
}

void FakeWindow::Move(const Rect& pixels) {
    moves.push_back(pixels);
    rect_ = pixels;
}

void FakeWindow::SetExStyle(std::uint32_t style) {
    exStyles.push_back(style);
    exStyle_ = style;
}

void FakeWindow::SetLayeredAttributes(Colour key, int alpha, std::uint32_t flags) {
    layered.push_back({key, alpha, flags});
}

void FakeWindow::Show(ShowCommand command) {
    shows.push_back(command);
    visible_ = command != ShowCommand::Hide;
}

int FakePopupMenu::Show(const std::vector<MenuEntry>& entries, std::optional<Point> anchor) {
    shown.push_back({entries, anchor});
    if (during) during();
    if (choices.empty()) return -1;
    const int choice = choices.front();
    choices.erase(choices.begin());
    return choice;
}

Size FakeTipLabel::SetText(const std::string& value) {
    text = value;
    int lines = 1;
    std::size_t longest = 0;
    std::size_t current = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 2, "\r\n") == 0) {
            ++lines;
            longest = std::max(longest, current);
            current = 0;
            ++i;
        } else {
            ++current;
        }
    }
    longest = std::max(longest, current);
    return {6 * static_cast<int>(longest), 16 * lines};
}

}  // namespace tarn::fakes
