#pragma once
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeControls.h"
#include "platform/Button.h"
#include "platform/ListView.h"
#include "platform/ModalDialog.h"
#include "platform/TreeView.h"

namespace tarn::fakes {

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
class FakeListView final : public Placed<ListView> {
public:
    static constexpr int kHeader = 25;
    static constexpr int kRowHeight = 20;

    explicit FakeListView(Rect r = {}) { bounds = r; }
    void AddColumn(const std::string& caption) override { columns.push_back(caption); }
    int ColumnWidth() const override { return columnWidth_; }
    void SetColumnWidth(int width) override { columnWidth_ = width; }
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    void SetRows(std::vector<ListRow> rows) override { rows_ = std::move(rows), selected_ = -1, top_ = 0; }
    int Count() const override { return static_cast<int>(rows_.size()); }
    const ListRow& Row(int index) const override { return rows_.at(static_cast<std::size_t>(index)); }
    void InsertRow(int index, const ListRow& row) override;
    void RemoveRow(int index) override;
    void SetText(int index, const std::string& text) override { At(index).text = text; }
    void SetIcon(int index, const std::string& icon) override { At(index).icon = icon; }
    void SetTextColour(int index, SysColour colour) override { At(index).textColour = colour; }
    bool SetKey(int index, const std::string& key) override;
    int Selected() const override { return selected_; }
    void Select(int index) override { selected_ = (index >= 0 && index < Count()) ? index : -1; }
    void EnsureVisible(int index) override;
    int HitTest(Point point) const override;
    Rect RowRect(int index) const override;
    void BeginDrag(const ImageList&, const std::string& key) override { dragImage = key; }

    // Texts with "<>" for a separator row, and the keys.
    std::vector<std::string> Texts() const;
    std::vector<std::string> Keys() const;
    int TopRow() const { return top_; }
    std::vector<std::string> columns;
    std::string dragImage;  // the picture of the last drag begun

private:
    ListRow& At(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    int VisibleRows() const { return std::max(1, (bounds.Height() - kHeader - 1) / kRowHeight); }
    std::vector<ListRow> rows_;
    int selected_ = -1;
    int top_ = 0;
    int columnWidth_ = 60;
};

class FakeTreeView final : public Placed<TreeView> {
public:
    void Clear() override { nodes.clear(), expanded_.clear(), selected_ = 0; }
    int Add(const TreeNode& node) override { return nodes.push_back(node), Count(); }
    int Count() const override { return static_cast<int>(nodes.size()); }
    const TreeNode& Node(int node) const override { return nodes.at(static_cast<std::size_t>(node - 1)); }
    void Expand(int node) override { expanded_.insert(node); }
    bool Expanded(int node) const override { return expanded_.contains(node); }
    void Select(int node) override { selected_ = node; }
    int Selected() const override { return selected_; }
    std::vector<TreeNode> nodes;

private:
    std::set<int> expanded_;
    int selected_ = 0;
};

// A modal window that, while shown, runs the user's scripted actions in turn until one of them ends it; a
// script that runs out closes it as the close box does. Each showing takes the next script.
class FakeModalDialog final : public ModalDialog {
public:
    using Script = std::vector<std::function<void()>>;
    void SetTitle(const std::string& value) override { title = value; }
    void ShowModal() override;
    void EndModal() override { open = false; }
    Rect HomeMonitor() const override { return homeMonitor; }
    int Dpi() const override { return dpi; }
    const Control* ControlAt(Point) const override { return underPointer; }

    std::vector<Script> scripts;
    std::string title;
    bool open = false;
    Rect homeMonitor{0, 0, 1024, 768};
    int dpi = 96;
    const Control* underPointer = nullptr;
    std::size_t showings = 0;
};

inline void FakeListView::InsertRow(int index, const ListRow& row) {
    if (!row.key.empty() && std::ranges::any_of(rows_, [&](const ListRow& r) { return r.key == row.key; })) return;
    rows_.insert(rows_.begin() + std::clamp(index, 0, Count()), row);
    if (selected_ >= index) ++selected_;
}

inline void FakeListView::RemoveRow(int index) {
    rows_.erase(rows_.begin() + index);
    selected_ = selected_ == index ? -1 : selected_ > index ? selected_ - 1 : selected_;
    top_ = std::clamp(top_, 0, std::max(0, Count() - VisibleRows()));
}

inline bool FakeListView::SetKey(int index, const std::string& key) {
    for (int i = 0; i < Count(); ++i) {
        if (i != index && !key.empty() && rows_[static_cast<std::size_t>(i)].key == key) return false;
    }
    At(index).key = key;
    return true;
}

inline void FakeListView::EnsureVisible(int index) { top_ = std::clamp(top_, index - VisibleRows() + 1, index); }

inline Rect FakeListView::RowRect(int index) const {
    const int top = 1 + kHeader + (index - top_) * kRowHeight;
    return {1, top, 1 + columnWidth_, top + kRowHeight};
}

inline int FakeListView::HitTest(Point point) const {
    if (point.x < 1 || point.x >= bounds.Width() - 1 || point.y < 1 + kHeader || point.y >= bounds.Height() - 1) {
        return -1;
    }
    const int row = top_ + (point.y - 1 - kHeader) / kRowHeight;
    return row < Count() ? row : -1;
}

inline std::vector<std::string> FakeListView::Texts() const {
    std::vector<std::string> texts;
    for (const ListRow& row : rows_) texts.push_back(row.key.empty() ? "<>" : row.text);
    return texts;
}

inline std::vector<std::string> FakeListView::Keys() const {
    std::vector<std::string> keys;
    for (const ListRow& row : rows_) keys.push_back(row.key);
    return keys;
}

inline void FakeModalDialog::ShowModal() {
    open = true;
    const Script script = showings < scripts.size() ? scripts[showings] : Script{};
    ++showings;
    for (const auto& action : script) {
        if (!open) break;
        action();
    }
    open = false;
}

}  // namespace tarn::fakes
