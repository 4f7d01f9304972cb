#pragma once
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/ListView.h"
#include "platform/ModalDialog.h"
#include "platform/ModelessDialog.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

namespace tarn::fakes {

// The dialog windows' controls, and the services they all use.

struct FakeButton final : Placed<Button> {
    explicit FakeButton(Rect r = {}) { bounds = r; }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool on) override { enabled = on; }
    std::string caption;
    bool enabled = true;
};

// A report list with a header 25 pixels high over rows of 20 inside a border of one pixel, 7 pixels per
// character; it scrolls by whole rows. Keys are unique as in the real list.
struct FakeListView final : Placed<ListView> {
    static constexpr int kHeader = 25, kRowHeight = 20;
    explicit FakeListView(Rect r = {}) { bounds = r; }
    void AddColumn(const std::string& caption) override { columns += caption; }
    int ColumnWidth() const override { return columnWidth; }
    void SetColumnWidth(int width) override { columnWidth = width; }
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    void SetRows(std::vector<ListRow> r) override { rows = std::move(r), selected = -1, top = 0; }
    int Count() const override { return static_cast<int>(rows.size()); }
    const ListRow& Row(int index) const override { return rows.at(std::size_t(index)); }
    // Whether a row other than `except` holds the non-empty key.
    bool Holds(const std::string& key, int except = -1) const {
        return !key.empty() && std::ranges::count(rows, key, &ListRow::key) > (except >= 0 && Row(except).key == key);
    }
    void InsertRow(int index, const ListRow& row) override {
        if (Holds(row.key)) return;
        rows.insert(rows.begin() + std::clamp(index, 0, Count()), row);
        if (selected >= index) ++selected;
    }
    void RemoveRow(int index) override {
        rows.erase(rows.begin() + index);
        selected = selected == index ? -1 : selected > index ? selected - 1 : selected;
        top = std::clamp(top, 0, std::max(0, Count() - VisibleRows()));
    }
    void SetText(int index, const std::string& text) override { rows.at(std::size_t(index)).text = text; }
    void SetIcon(int index, const std::string& icon) override { rows.at(std::size_t(index)).icon = icon; }
    void SetTextColour(int index, SysColour colour) override { rows.at(std::size_t(index)).textColour = colour; }
    bool SetKey(int index, const std::string& key) override {
        return !Holds(key, index) && (rows.at(std::size_t(index)).key = key, true);
    }
    int Selected() const override { return selected; }
    void Select(int index) override { selected = (index >= 0 && index < Count()) ? index : -1; }
    void EnsureVisible(int index) override { top = std::clamp(top, index - VisibleRows() + 1, index); }
    int HitTest(Point p) const override {
        if (p.x < 1 || p.x >= bounds.Width() - 1 || p.y < 1 + kHeader || p.y >= bounds.Height() - 1) return -1;
        const int row = top + (p.y - 1 - kHeader) / kRowHeight;
        return row < Count() ? row : -1;
    }
    Rect RowRect(int index) const override {
        const int y = 1 + kHeader + (index - top) * kRowHeight;
        return {1, y, 1 + columnWidth, y + kRowHeight};
    }
    void BeginDrag(const ImageList&, const std::string& key) override { dragImage = key; }
    int VisibleRows() const { return std::max(1, (bounds.Height() - kHeader - 1) / kRowHeight); }
    // The rows, blank-separated: "<>" for a separator, the key for a file row, and "key/text" when its text is not
    // its key.
    std::string Texts() const {
        std::string t;
        for (const ListRow& r : rows) t += (r.key.empty() ? "<>" : r.key + (r.key == r.text ? "" : "/" + r.text)) + " ";
        return t.substr(0, t.empty() ? 0 : t.size() - 1);
    }
    std::vector<ListRow> rows;
    std::string columns, dragImage;  // the column captions; the picture of the last drag begun
    int selected = -1, top = 0, columnWidth = 60;
};

struct FakeTreeView final : Placed<TreeView> {
    void Clear() override { nodes.clear(), expanded.clear(), selected = 0; }
    int Add(const TreeNode& node) override { return nodes.push_back(node), Count(); }
    int Count() const override { return static_cast<int>(nodes.size()); }
    const TreeNode& Node(int node) const override { return nodes.at(std::size_t(node - 1)); }
    void Expand(int node) override { expanded.insert(node); }
    bool Expanded(int node) const override { return expanded.contains(node); }
    void Select(int node) override { selected = node; }
    int Selected() const override { return selected; }
    std::vector<TreeNode> nodes;
    std::set<int> expanded;
    int selected = 0;
};

// A modal window that, while shown, runs what the user does in it; when that is done it closes as the close box
// does.
struct FakeModalDialog final : ModalDialog {
    void SetTitle(const std::string& value) override { title = value; }
    void ShowModal() override {
        if (open = true; user) user();
        open = false;
    }
    void EndModal() override { open = false; }
    Rect HomeMonitor() const override { return homeMonitor; }
    int Dpi() const override { return dpi; }
    const Control* ControlAt(Point) const override { return underPointer; }
    std::function<void()> user;
    std::string title;
    bool open = false;
    Rect homeMonitor{0, 0, 1024, 768};
    int dpi = 96;
    const Control* underPointer = nullptr;
};

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
    explicit FakeTextBox(Rect r = {}) { bounds = r; }
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void SetTip(const std::string& t) override { tip = t; }
    std::string text, tip;
};

}  // namespace tarn::fakes
