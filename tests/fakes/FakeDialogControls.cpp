#include "fakes/FakeDialogControls.h"

#include <algorithm>

namespace tarn::fakes {

void FakeListView::InsertRow(int index, const ListRow& row) {
    if (!row.key.empty() && std::ranges::any_of(rows_, [&](const ListRow& r) { return r.key == row.key; })) return;
    rows_.insert(rows_.begin() + std::clamp(index, 0, Count()), row);
    if (selected_ >= index) ++selected_;
}

void FakeListView::RemoveRow(int index) {
    rows_.erase(rows_.begin() + index);
    selected_ = selected_ == index ? -1 : selected_ > index ? selected_ - 1 : selected_;
    top_ = std::clamp(top_, 0, std::max(0, Count() - VisibleRows()));
}

bool FakeListView::SetKey(int index, const std::string& key) {
    for (int i = 0; i < Count(); ++i) {
        if (i != index && !key.empty() && rows_[static_cast<std::size_t>(i)].key == key) return false;
    }
    At(index).key = key;
    return true;
}

void FakeListView::EnsureVisible(int index) { top_ = std::clamp(top_, index - VisibleRows() + 1, index); }

Rect FakeListView::RowRect(int index) const {
    const int top = 1 + kHeader + (index - top_) * kRowHeight;
    return {1, top, 1 + columnWidth_, top + kRowHeight};
}

int FakeListView::HitTest(Point point) const {
    if (point.x < 1 || point.x >= bounds_.Width() - 1 || point.y < 1 + kHeader || point.y >= bounds_.Height() - 1) {
        return -1;
    }
    const int row = top_ + (point.y - 1 - kHeader) / kRowHeight;
    return row < Count() ? row : -1;
}

std::vector<std::string> FakeListView::Texts() const {
    std::vector<std::string> texts;
    for (const ListRow& row : rows_) texts.push_back(row.key.empty() ? "<>" : row.text);
    return texts;
}

std::vector<std::string> FakeListView::Keys() const {
    std::vector<std::string> keys;
    for (const ListRow& row : rows_) keys.push_back(row.key);
    return keys;
}

void FakeModalDialog::ShowModal() {
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
