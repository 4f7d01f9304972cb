#pragma once
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/OptionsHost.h"
#include "platform/CheckBox.h"
#include "platform/FolderList.h"
#include "platform/ModelessDialog.h"
#include "platform/QuestionDialog.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Window.h"

namespace tarn::fakes {

// A control that only keeps its place.
template <typename Interface>
class Placed : public Interface {
public:
    Rect Bounds() const override { return bounds; }
    void Move(const Rect& r) override { bounds = r; }
    bool Visible() const override { return true; }
    void SetVisible(bool) override {}
    Rect bounds;
};

// A top-level window, open from ShowModeless until Unload; its client area is its whole rectangle.
class FakeFormWindow final : public Window, public ModelessDialog {
public:
    Rect WindowRect() const override { return rect; }
    Size ClientSize() const override { return {rect.Width(), rect.Height()}; }
    void Move(const Rect& pixels) override { rect = pixels; }
    void SetTopmost() override {}
    void SetSeeThrough(Colour, int) override {}
    void SetSolid(int) override {}
    bool HasTaskbarButton() const override { return taskbar; }
    void SetTaskbarButton(bool show) override { taskbar = show; }
    bool IsVisible() const override { return open; }
    void Show(ShowCommand command) override { open = command != ShowCommand::Hide; }
    void SetTitle(const std::string& value) override { title = value; }
    void ShowModeless() override { open = true; }
    void Unload() override { open = false; }
    Rect rect;
    std::string title;
    bool taskbar = false, open = false;
};

class FakeSlider final : public Placed<Slider> {
public:
    explicit FakeSlider(int high) : high_(high) {}
    int Value() const override { return value_; }
    void SetValue(int v) override { value_ = std::clamp(v, 0, high_); }

private:
    int high_, value_ = 0;
};

struct FakeCheckBox final : Placed<CheckBox> {
    bool Checked() const override { return checked; }
    void SetChecked(bool c) override { checked = c; }
    bool checked = false;
};

struct FakeTextBox final : Placed<TextBox> {
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void SetTip(const std::string& t) override { tip = t; }
    std::string text, tip;
};

struct FakeFolderList final : Placed<FolderList> {
    void SetRows(std::vector<FolderRow> r, int h) override { rows = std::move(r), highlighted = h; }
    int Count() const override { return static_cast<int>(rows.size()); }
    const FolderRow& Row(int index) const override { return rows.at(static_cast<std::size_t>(index)); }
    int Highlighted() const override { return highlighted; }
    std::vector<FolderRow> rows;
    int highlighted = -1;
};

struct FakeDriveChoice final : Placed<DriveChoice> {
    std::string Drive() const override { return drive; }
    void SetDrive(const std::string& d) override { drive = d; }
    std::string drive;
};

// Keeps the text and title of the last question.
struct FakeQuestion final : QuestionDialog {
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override {
        return asked = text + "|" + title, answer;
    }
    Answer answer = Answer::Cancel;
    std::string asked;
};

// The bar's settings; what its idle opacity shows, the settings its buttons were last built from, and whether
// its order was written back over the order files.
struct FakeOptionsBar final : OptionsBar {
    Settings& CurrentSettings() override { return settings; }
    void SetAlpha(int tempAlpha) override { shownAlpha = tempAlpha; }
    void FillToolbar() override { builtFrom = settings; }
    void SaveFileDic() override { orderWrittenBack = true; }
    Settings settings;
    int shownAlpha = -1;
    std::optional<Settings> builtFrom;
    bool orderWrittenBack = false;
};

// The picker saves an order when told to; the folder selection picks `picked` unless it is empty. Both note
// where they were opened and whether the options window had a taskbar button meanwhile.
struct FakeOptionsHost final : OptionsHost {
    explicit FakeOptionsHost(const Window& options) : options_(options) {}
    int ShowFoldersToEdit(const std::string& folder) override { return Opened(folder), orderSaved ? 1 : 2; }
    int ShowSelectFolder(const std::string& path, std::string& newPath) override {
        Opened(path);
        if (!picked.empty()) newPath = picked;
        return picked.empty() ? 2 : 1;
    }
    void ShowHelp() override { helpShown = true; }
    void Opened(const std::string& at) { openedAt = at, taskbarWhileOpen = options_.HasTaskbarButton(); }
    bool orderSaved = false, taskbarWhileOpen = true, helpShown = false;
    std::string picked, openedAt;

private:
    const Window& options_;
};

}  // namespace tarn::fakes
