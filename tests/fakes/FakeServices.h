#pragma once
#include <algorithm>
#include <functional>
#include <unordered_map>

#include "platform/Clock.h"
#include "platform/MessageDialog.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Text.h"

namespace tarn::fakes {

struct FakeClock final : Clock {
    std::int64_t NowMs() const override { return now; }
    std::int64_t now = 0;
};

// Monitors in pixels; a rectangle lies on the one it overlaps most, the first when it overlaps none.
struct FakeScreen final : Screen {
    TwipScale Twips() const override { return twips; }
    Rect MonitorRect(const Rect& r) const override {
        return *std::ranges::max_element(monitors, {}, [&](const Rect& m) {
            return std::max(0, std::min(m.right, r.right) - std::max(m.left, r.left)) *
                   std::max(0, std::min(m.bottom, r.bottom) - std::max(m.top, r.top));
        });
    }
    Point CursorPos() const override { return cursor; }
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    TwipScale twips;
    Point cursor;
};

// Keeps the last message shown.
struct FakeMessageBox final : MessageDialog {
    void Show(const std::string& body, const std::string& title, MessageIcon) override { text = title + ": " + body; }
    std::string text;
};

// Icons by extension, programs by the extensions exe and bat, shortcuts by a table; keeps what it opened.
struct FakeShell final : Shell {
    std::string GetSpecialFolderPath(SpecialFolder) override { return "C:\\Users\\me\\AppData\\Local"; }
    int SmallIconIndex(const std::string& path) override {
        const auto it = iconByExtension.find(AsciiLower(ExtensionOf(path)));
        return iconRule && iconRule(path) ? *iconRule(path) : it == iconByExtension.end() ? 1 : it->second;
    }
    bool IsExecutable(const std::string& path) override { return path.ends_with(".exe") || path.ends_with(".bat"); }
    std::string GetLinkTarget(const std::string& path) override {
        if (auto target = linkRule ? linkRule(path) : std::nullopt) return *target;
        return links.contains(path) ? links.at(path) : path;
    }
    void Open(const std::string& file, const std::string& args) override { opened.emplace_back(file, args); }
    void OpenFolder(const std::string& folder) override { openedFolder = folder; }

    // Rules instead of tables, for folders too large to list every path (the benchmarks): tried first.
    std::function<std::optional<int>(const std::string&)> iconRule;
    std::function<std::optional<std::string>(const std::string&)> linkRule;
    std::unordered_map<std::string, int> iconByExtension;     // lower-case extension, else 1
    std::unordered_map<std::string, std::string> links;       // shortcut path -> target
    std::vector<std::pair<std::string, std::string>> opened;  // file, parameters
    std::string openedFolder;
};

}  // namespace tarn::fakes
