#include "order/frmEditOrder.h"

#include <algorithm>
#include <vector>

#include "settings/WindowPlacement.h"
#include "model/ItemDictionary.h"
#include "model/ModelNames.h"
#include "model/OrderFile.h"
#include "order/EditOrderForm.h"
#include "platform/Text.h"

namespace tarn {
namespace {

namespace form = EditOrderForm;

constexpr int kMargin = 8;            // M: the list's left offset, and the gap between controls
constexpr int kColumnPadding = 24;    // room for the icon beside a column's text
constexpr Colour kBlack = 0x000000;

const std::string kSeparatorText(form::kSeparatorText);

ListRow SeparatorRow() { return {{}, kSeparatorText, {}, SysColour::ButtonShadow}; }

// A control keeps its place when a step would give it a negative size, as in a window made very small.
bool TryMove(Control& control, const Rect& bounds) {
    if (bounds.Width() < 0 || bounds.Height() < 0) return false;
    control.Move(bounds);
    return true;
}

Rect WithLeft(const Rect& r, int left) { return {left, r.top, left + r.Width(), r.bottom}; }

}  // namespace

frmEditOrder::frmEditOrder(const EditOrderServices& services, const EditOrderControls& controls)
    : services_(services), controls_(controls), icons_(services.shell, controls.picBox, controls.ilIcons) {}

DpiScale frmEditOrder::Scale() const { return DpiScale{controls_.dialog.Dpi()}; }

TwipScale frmEditOrder::Twips() const { return TwipScale::ForDpi(static_cast<unsigned>(controls_.dialog.Dpi())); }

std::string frmEditOrder::OrderFilePath() const { return JoinPath(path_, kOrderFileName); }

int frmEditOrder::ShowForm(const std::string& Path, bool MenuItemOrder) {
    controls_.dialog.SetTitle(std::string(MenuItemOrder ? form::kTitleMenuItems : form::kTitleButtons));
    if (!loaded_) Form_Load();
    path_ = Path;
    LoadItemList();
    cancelled_ = true;
    controls_.dialog.ShowModal();
    // The order was written by OK already: a file that could not be written kept the window open.
    return cancelled_ ? 2 : 1;
}

void frmEditOrder::Form_Load() {
    loaded_ = true;
    controls_.picMouse.SetBackground(form::kDragImageMask);
    // The window takes most of the height of the bar's monitor, in the golden ratio's square of it for the width.
    Window& window = controls_.window;
    const Rect designed = window.WindowRect();
    const Rect monitor = controls_.dialog.HomeMonitor();
    const int height = RoundToInt(0.81 * monitor.Height());
    const int width = std::max(RoundToInt(0.618 * 0.618 * height), designed.Width());
    const int left = monitor.left + RoundToInt((monitor.Width() - width) / 2.0);
    const int top = monitor.top + RoundToInt((monitor.Height() - height) / 2.0);
    window.Move({left, top, left + width, top + height});
    controls_.LV.AddColumn(std::string(form::kColumnCaption));
    ShowInTaskbar(window, true);
}

void frmEditOrder::LoadItemList() {
    ListView& list = controls_.LV;
    int width = list.TextWidth(std::string(form::kColumnCaption));
    ItemDictionary items;
    LoadFileDic(items, path_, services_.fs, services_.codec);
    std::vector<ListRow> rows;
    rows.reserve(static_cast<std::size_t>(items.Count()));
    bool separators = false;
    for (const ItemEntry& entry : items) {
        if (entry.IsSeparator()) {
            rows.push_back(SeparatorRow());
            separators = true;
        } else {
            rows.push_back({entry.key, entry.key, GetIconKey(entry.value), SysColour::WindowText});
            width = std::max(width, list.TextWidth(entry.key));
        }
    }
    if (separators) width = std::max(width, list.TextWidth(kSeparatorText));
    const bool empty = rows.empty();
    list.SetRows(std::move(rows));
    if (!empty) list.Select(0);
    list.SetColumnWidth(width + Scale()(kColumnPadding));
    Form_Resize();
    UpdateButtons();
}

bool frmEditOrder::SaveOrder() {
    const ListView& list = controls_.LV;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const ListRow& row = list.Row(i);
        lines.push_back(row.key.empty() ? std::string(kSeparatorValue) : row.text);
    }
    return WriteOrderFile(lines, OrderFilePath(), services_.fs, services_.codec);
}

void frmEditOrder::cmdOK_Click() {
    if (!SaveOrder()) {
        // Nothing is lost: the rows stay for another try or for Cancel.
        services_.messageBox.Show(std::string(form::kSaveFailed) + "\r\n" + OrderFilePath(),
                                  std::string(form::kErrorTitle), MessageIcon::Critical);
        return;
    }
    cancelled_ = false;
    controls_.dialog.EndModal();
}

void frmEditOrder::cmdCancel_Click() { controls_.dialog.EndModal(); }

void frmEditOrder::MoveItem(bool down) {
    ListView& list = controls_.LV;
    const int selected = list.Selected();
    const int neighbour = down ? selected + 1 : selected - 1;
    if (list.Count() >= 2 && selected >= 0 && neighbour >= 0 && neighbour < list.Count()) {
        const ListRow mine = list.Row(selected);
        const ListRow theirs = list.Row(neighbour);
        list.SetIcon(selected, theirs.icon);
        list.SetIcon(neighbour, mine.icon);
        list.SetText(selected, theirs.text);
        list.SetText(neighbour, mine.text);
        list.SetTextColour(selected, theirs.textColour);
        list.SetTextColour(neighbour, mine.textColour);
        // Through an empty key, so that no two rows ever hold the same key.
        list.SetKey(selected, "");
        list.SetKey(neighbour, mine.key);
        list.SetKey(selected, theirs.key);
        list.Select(neighbour);
        list.EnsureVisible(neighbour);
    }
    UpdateButtons();
}

void frmEditOrder::InsertSeparator() {
    ListView& list = controls_.LV;
    const int selected = list.Selected();
    if (list.Count() == 0 || selected < 0) {
        list.InsertRow(list.Count(), SeparatorRow());
        if (list.Selected() < 0) list.Select(list.Count() - 1);
    } else {
        list.InsertRow(selected, SeparatorRow());
    }
    const int wanted = list.TextWidth(kSeparatorText) + Scale()(kColumnPadding);
    if (wanted > list.ColumnWidth()) list.SetColumnWidth(wanted);
    UpdateButtons();
}

void frmEditOrder::DeleteSeparator() {
    ListView& list = controls_.LV;
    const int selected = list.Selected();
    if (selected < 0 || !list.Row(selected).key.empty()) return;
    list.RemoveRow(selected);
    // The row that took its place, else the new last row.
    if (list.Count() > 0) list.Select(std::min(selected, list.Count() - 1));
    UpdateButtons();
}

void frmEditOrder::UpdateButtons() {
    const ListView& list = controls_.LV;
    const int count = list.Count();
    const int selected = list.Selected();
    controls_.cmdUp.SetEnabled(count >= 2 && selected > 0);
    controls_.cmdDown.SetEnabled(count >= 2 && selected >= 0 && selected < count - 1);
    controls_.cmdDeleteSeparator.SetEnabled(count >= 1 && selected >= 0 && list.Row(selected).key.empty());
    controls_.cmdInsertSeparator.SetEnabled(true);
    controls_.cmdOK.SetEnabled(true);
    controls_.cmdCancel.SetEnabled(true);
}

bool frmEditOrder::LV_KeyDown(Key key, int shift) {
    const bool modified = (shift & (kShiftMask | kCtrlMask | kAltMask)) != 0;
    switch (key) {
        case Key::Up:
        case Key::Down:
            if (!modified) return true;
            MoveItem(key == Key::Down);
            return false;
        case Key::Delete:
            if (shift == 0) DeleteSeparator();
            return true;
        case Key::Insert:
            if (shift == 0) InsertSeparator();
            return true;
        default: return true;
    }
}

void frmEditOrder::Form_Resize() {
    const Size client = controls_.window.ClientSize();
    const DpiScale scale = Scale();
    const int sw = client.cx;
    const int sh = client.cy;
    const int m = scale(kMargin);
    const int halfWidth = RoundToInt(sw / 2.0) - 2 * m;
    // Each step stands alone: one that cannot be done leaves its control where it is, and the next goes on.
    Button& down = controls_.cmdDown;
    Button& up = controls_.cmdUp;
    Button& del = controls_.cmdDeleteSeparator;
    Button& ins = controls_.cmdInsertSeparator;
    Button& cancel = controls_.cmdCancel;
    Button& ok = controls_.cmdOK;
    ListView& list = controls_.LV;
    Control& marker = controls_.picPos;
    Control& help = controls_.lblHelp;

    TryMove(down, WithLeft(down.Bounds(), m));
    TryMove(up, WithLeft(up.Bounds(), down.Bounds().right + m));
    TryMove(del, WithLeft(del.Bounds(), sw - del.Bounds().Width() - m));
    TryMove(ins, WithLeft(ins.Bounds(), del.Bounds().left - ins.Bounds().Width() - m));
    {
        const int top = sh - cancel.Bounds().Height() - m;
        TryMove(cancel, {m, top, m + halfWidth, top + cancel.Bounds().Height()});
    }
    {
        const Rect c = cancel.Bounds();
        TryMove(ok, {sw - halfWidth - m, c.top, sw - m, c.top + ok.Bounds().Height()});
    }
    {
        const Rect l = list.Bounds();
        TryMove(list, {m, l.top, sw - m, cancel.Bounds().top - m});
    }
    {
        const Rect l = list.Bounds();
        const Rect p = marker.Bounds();
        const int inset = scale(2);
        const int width = std::min(p.Width(), l.Width() - 2 * inset);
        TryMove(marker, {l.left + inset, p.top, l.left + inset + width, p.bottom});
    }
    {
        const Rect h = help.Bounds();
        TryMove(help, {h.left, h.top, sw - m, h.bottom});
    }
}

void frmEditOrder::SetDragging(bool on) {
    dragging_ = on;
    controls_.tmrCheckPos.SetEnabled(on);
    if (!on) controls_.picPos.SetVisible(false);
}

bool frmEditOrder::PointInList(double x, double y) const {
    const Rect bounds = controls_.LV.Bounds();
    const TwipScale twips = Twips();
    return x >= 0 && x <= twips.TwipsX(bounds.Width()) && y >= 0 && y <= twips.TwipsY(bounds.Height());
}

void frmEditOrder::MakeDragImage(const ListRow& row) {
    Canvas& image = controls_.picMouse;
    controls_.ilMouse.Clear();
    image.Clear();
    if (!row.icon.empty()) image.DrawImage(controls_.ilIcons, row.icon, 0, 0);
    // An arrow from the centre to the upper left, outlined in black and filled in the marker's colour.
    const Size size = image.ClientSize();
    const int w = size.cx;
    const int h = size.cy;
    const int cx = w / 2;
    const int cy = h / 2;
    const int shaft = RoundToInt(0.77 * h);
    const int barb = RoundToInt(0.77 * w);
    image.Stroke(cx, cy, w, h, kBlack, 5);
    image.Stroke(cx, cy, cx, shaft, kBlack, 5);
    image.Stroke(cx, cy, barb, cy, kBlack, 5);
    image.Stroke(cx, cy, w - 3, h - 3, EditOrderForm::kMarkerColour, 2);
    image.Stroke(cx, cy, cx, shaft, EditOrderForm::kMarkerColour, 1);
    image.Stroke(cx, cy, barb, cy, EditOrderForm::kMarkerColour, 1);
    controls_.ilMouse.Add("cur", image);
}

void frmEditOrder::LV_MouseMove(int button, int /*shift*/, int x, int y) {
    ListView& list = controls_.LV;
    if (button != kLeftButton || list.Count() < 2) return;
    const int row = list.HitTest({x, y});
    if (row < 0) return;
    list.Select(row);
    dragItem_ = row;
    MakeDragImage(list.Row(row));
    Control& marker = controls_.picPos;
    const Rect p = marker.Bounds();
    marker.Move({p.left, p.top, p.left + list.ColumnWidth(), p.bottom});
    SetDragging(true);
    list.BeginDrag(controls_.ilMouse, "cur");
}

void frmEditOrder::LV_DragOver(double x, double y) {
    if (!dragging_ || !PointInList(x, y)) return;
    ListView& list = controls_.LV;
    Control& marker = controls_.picPos;
    marker.SetVisible(true);
    const TwipScale twips = Twips();
    const int row = list.HitTest({twips.PixelsX(x), twips.PixelsY(y)});
    const Rect p = marker.Bounds();
    const int listTop = list.Bounds().top;
    if (row >= 0) {
        list.EnsureVisible(row);
        dropTarget_ = row;
        const int top = listTop + list.RowRect(row).top;
        marker.Move({p.left, top, p.right, top + p.Height()});
    } else if (dropTarget_ && *dropTarget_ == list.Count() - 1) {
        const int last = list.Count() - 1;
        list.EnsureVisible(last);
        const int top = listTop + list.RowRect(last).bottom;
        marker.Move({p.left, top, p.right, top + p.Height()});
        dropTarget_.reset();
    }
}

void frmEditOrder::LV_DragDrop() {
    SetDragging(false);
    ListView& list = controls_.LV;
    if (dragItem_ < 0 || dragItem_ >= list.Count()) return;
    const ListRow dragged = list.Row(dragItem_);
    const int target = dropTarget_ && *dropTarget_ <= list.Count() ? *dropTarget_ : list.Count();
    list.InsertRow(target, {{}, dragged.text, dragged.icon, dragged.textColour});
    const int from = target <= dragItem_ ? dragItem_ + 1 : dragItem_;
    list.RemoveRow(from);
    const int placed = target > from ? target - 1 : target;
    list.SetKey(placed, dragged.key);
    dragItem_ = placed;
    list.Select(placed);
    UpdateButtons();
}

void frmEditOrder::LV_MouseUp() { controls_.picPos.SetVisible(false); }

void frmEditOrder::tmrCheckPos_Timer() {
    if (!dragging_) return;
    const Control* under = controls_.dialog.ControlAt(services_.screen.CursorPos());
    if (under != &controls_.LV && under != &controls_.picPos) controls_.picPos.SetVisible(false);
}

}  // namespace tarn
