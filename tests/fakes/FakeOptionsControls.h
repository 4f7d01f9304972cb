#pragma once
#include <optional>
#include <string>
#include <vector>

#include "dialogs/OptionsHost.h"
#include "fakes/FakeControls.h"
#include "platform/CheckBox.h"
#include "platform/FolderList.h"
#include "platform/ModelessDialog.h"
#include "platform/QuestionDialog.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"

namespace tarn::fakes {

// A top-level window without a border, shown from ShowModeless until Unload.
struct FakeFormWindow final : FakeWindow, ModelessDialog {
    FakeFormWindow() : FakeWindow(Rect{}) { taskbar = false; }
    void SetTitle(const std::string& value) override { title = value; }
    void ShowModeless() override { shown = ShowCommand::Show; }
    void Unload() override { shown = ShowCommand::Hide; }
    std::string title;
};

struct FakeSlider final : Placed<Slider> {
    int Value() const override { return value; }
    void SetValue(int v) override { value = v; }
    int value = 0;
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

// The bar and the dialogs it opens for the options: what its idle opacity shows, the settings its buttons were last
// built from, whether its order was written back over the order files. The order picker saves an order when told
// to; the folder selection picks `picked` unless it is empty; both note where they were opened and whether the
// options window had a taskbar button meanwhile.
struct FakeOptionsBar final : OptionsBar, OptionsHost {
    explicit FakeOptionsBar(const Window& options) : options(options) {}
    Settings& CurrentSettings() override { return settings; }
    void SetAlpha(int tempAlpha) override { shownAlpha = tempAlpha; }
    void FillToolbar() override { builtFrom = settings; }
    void SaveFileDic() override { orderWrittenBack = true; }
    int ShowFoldersToEdit(const std::string& folder) override { return Opened(folder), orderSaved ? 1 : 2; }
    int ShowSelectFolder(const std::string& path, std::string& newPath) override {
        if (Opened(path), !picked.empty()) newPath = picked;
        return picked.empty() ? 2 : 1;
    }
    void ShowHelp() override { helpShown = true; }
    void Opened(const std::string& at) { openedAt = at, taskbarWhileOpen = options.HasTaskbarButton(); }
    const Window& options;
    Settings settings;
    int shownAlpha = -1;
    std::optional<Settings> builtFrom;
    bool orderWrittenBack = false, orderSaved = false, taskbarWhileOpen = true, helpShown = false;
    std::string picked, openedAt;
};

}  // namespace tarn::fakes
