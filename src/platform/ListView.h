#pragma once
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Geometry.h"

namespace tarn {

class ImageList;

// One row of a report list: a key that no other row holds unless it is empty, the text of its one column, the
// key of its small icon in the list's image list (empty for none), and its text colour.
struct ListRow {
    std::string key;
    std::string text;
    std::string icon;
    SysColour textColour = SysColour::WindowText;
    friend bool operator==(const ListRow&, const ListRow&) = default;
};

// A list view in report view, one selected row at most, full-row selection. Rows are 0-based. Positions are pixels
// relative to the control's top-left corner.
class ListView : public Control {
public:
    virtual void AddColumn(const std::string& caption) = 0;
    virtual int ColumnWidth() const = 0;
    virtual void SetColumnWidth(int width) = 0;
    // Width of a text in the list's font.
    virtual int TextWidth(const std::string& text) const = 0;

    // Replaces every row in one batch, without laying the list out once per row; nothing is selected after it.
    virtual void SetRows(std::vector<ListRow> rows) = 0;
    virtual int Count() const = 0;
    virtual const ListRow& Row(int index) const = 0;
    // Rows at and after the index move down; a selected row stays selected.
    virtual void InsertRow(int index, const ListRow& row) = 0;
    // Rows after it move up; when it was the selected row, nothing is selected afterwards.
    virtual void RemoveRow(int index) = 0;
    virtual void SetText(int index, const std::string& text) = 0;
    virtual void SetIcon(int index, const std::string& icon) = 0;
    virtual void SetTextColour(int index, SysColour colour) = 0;
    // False, and nothing changes, when another row holds that non-empty key already.
    virtual bool SetKey(int index, const std::string& key) = 0;

    // The selected row, or -1.
    virtual int Selected() const = 0;
    // Selects the row, gives it the focus and shows it highlighted.
    virtual void Select(int index) = 0;
    virtual void EnsureVisible(int index) = 0;
    // The row under a point, or -1.
    virtual int HitTest(Point point) const = 0;
    virtual Rect RowRect(int index) const = 0;

    // Starts an in-window drag of the selected row, showing the image of `key` in `images` with its centre at the
    // pointer. The window's drag handlers then hear of the pointer's moves and of where the button is released.
    virtual void BeginDrag(const ImageList& images, const std::string& key) = 0;
};

}  // namespace tarn
