#pragma once
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
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
    TwipScale Twips() const override { return twips; }
    Rect MonitorRect(const Rect& pixels) const override;
    Point CursorPos() const override { return cursor; }
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    TwipScale twips;
    Point cursor;
};

// Keeps the last message shown and how many there were.
class FakeMessageBox final : public MessageDialog {
public:
    void Show(const std::string& message, const std::string& caption, MessageIcon) override {
        text = message, title = caption, ++shown;
    }
    std::string text, title;
    int shown = 0;
};

// Icons by extension, programs by extension, shortcuts by a table; keeps what it opened.
class FakeShell final : public Shell {
public:
    std::string GetSpecialFolderPath(SpecialFolder) override { return localAppData; }
    int SmallIconIndex(const std::string& path) override;
    bool IsExecutable(const std::string& path) override;
    std::string GetLinkTarget(const std::string& path) override;
    void Open(const std::string& file, const std::string& parameters) override { opened.push_back({file, parameters}); }
    void OpenFolder(const std::string& folder) override { openedFolder = folder; }

    std::string localAppData = "C:\\Users\\me\\AppData\\Local";
    // Rules instead of tables, for folders too large to list every path (the benchmarks): tried first.
    std::function<std::optional<int>(const std::string&)> iconRule;
    std::function<std::optional<std::string>(const std::string&)> linkRule;
    std::unordered_map<std::string, int> iconByPath;       // exact path first
    std::unordered_map<std::string, int> iconByExtension;  // lower-case extension, else 1
    std::unordered_map<std::string, std::string> links;    // shortcut path -> target
    int linkQueries = 0;
    struct Launch {
        std::string file, parameters;
        friend bool operator==(const Launch&, const Launch&) = default;
    };
    std::vector<Launch> opened;
    std::string openedFolder;
};

}  // namespace tarn::fakes
