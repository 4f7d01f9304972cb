#pragma once
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/MessageDialog.h"
#include "platform/Screen.h"
#include "platform/Shell.h"

namespace tarn::fakes {

class FakeClock final : public Clock {
public:
    std::int64_t NowMs() const override { return now; }
    std::int64_t now = 0;
};

// Monitors in pixels; the first is the primary one.
class FakeScreen final : public Screen {
public:
    double TwipsPerPixelX() const override { return twipsPerPixel; }
    double TwipsPerPixelY() const override { return twipsPerPixel; }
    Rect MonitorRect(const Rect& pixels) const override;
    Point CursorPos() const override {
        ++cursorReads;
        return cursor;
    }
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    double twipsPerPixel = 15;
    Point cursor;
    mutable int cursorReads = 0;
};

class FakeMessageBox final : public MessageDialog {
public:
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
        shown.push_back({text, title, icon});
    }
    struct Message {
        std::string text, title;
        MessageIcon icon;
        friend bool operator==(const Message&, const Message&) = default;
    };
    std::vector<Message> shown;
};

// Icons by extension, programs by extension, shortcuts by a table; records what it opened.
class FakeShell final : public Shell {
public:
    std::string GetSpecialFolderPath(int csidl) override;
    int SmallIconIndex(const std::string& path) override;
    bool IsExecutable(const std::string& path) override;
    std::string GetLinkTarget(const std::string& path) override;
    void Open(const std::string& file, const std::string& parameters) override { opened.push_back({file, parameters}); }
    void OpenFolder(const std::string& folder) override { openedFolders.push_back(folder); }

    std::map<int, std::string> specialFolders{{28, "C:\\Users\\me\\AppData\\Local"}};
    // Rules instead of tables, for folders too large to list every path (the benchmarks): tried first.
    std::function<std::optional<int>(const std::string&)> iconRule;
    std::function<std::optional<std::string>(const std::string&)> linkRule;
    std::unordered_map<std::string, int> iconByPath;       // exact path first
    std::unordered_map<std::string, int> iconByExtension;  // lower-case extension, else 1
    std::unordered_map<std::string, std::string> links;    // shortcut path -> target
    int iconQueries = 0;
    int exeQueries = 0;
    int linkQueries = 0;
    struct Launch {
        std::string file, parameters;
        friend bool operator==(const Launch&, const Launch&) = default;
    };
    std::vector<Launch> opened;
    std::vector<std::string> openedFolders;
};

}  // namespace tarn::fakes
