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

Colour FakeCanvas::GetPixel(int x, int y) const {
    const auto it = pixels_.find({x, y});
    return it == pixels_.end() ? background_ : it->second;
}

void FakeImageList::Add(const std::string& key, const Canvas& picture) {
    if (!pictures.contains(key)) order.push_back(key);
    pictures[key] = static_cast<const FakeCanvas&>(picture).icons;
}

Rect FakeToolbar::ButtonRect(int index) const {
    const int width = std::max(bounds_.Width(), 1);
    int x = 0;
    int y = 0;
    for (int i = 1; i <= index; ++i) {
        const int w = Button(i).caption.empty() ? kButtonWidth : kCaptionButtonWidth;
        if (x > 0 && x + w > width) x = 0, y += kButtonHeight;
        if (i == index) return {x, y, x + w, y + kButtonHeight};
        x += w;
    }
    return {};
}

int FakePopupMenu::Show(const std::vector<MenuItem>& shown, std::optional<Point> at) {
    ++shows, items = shown, anchor = at;
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
    std::size_t start = 0;
    for (std::size_t end; (end = value.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
        longest = std::max(longest, end - start);
    }
    longest = std::max(longest, value.size() - start);
    return {6 * static_cast<int>(longest), 16 * lines};
}

}  // namespace tarn::fakes
