#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "platform/ControlDesign.h"
#include "platform/Keys.h"
#include "platform/ListView.h"
#include "platform/win32/ChildControl.h"
#include "platform/win32/DialogWindow.h"
#include "platform/win32/GdiHandles.h"
#include "platform/win32/Win32ImageList.h"

namespace tarn::win32 {

// The common controls' list view in report view as a virtual list: the rows live here and the control only asks
// for what it shows, so that thousands of rows are handed over at once. Positions are relative to the control's
// top-left corner. During a drag it holds the mouse, moves the drag image and tells where the pointer is.
class Win32ListView final : public ChildOf<ListView> {
public:
    // What the window hears from the list; points relative to the list, `under` the window under the pointer.
    struct Events {
        std::function<bool(Key, int shift)> keyDown;  // true: the list gets the key too
        std::function<void()> click;
        std::function<void(int buttons, int shift, Point point)> beginDrag;
        std::function<void()> mouseUp;
        std::function<void(HWND under, Point point)> dragOver;
        std::function<void(HWND under)> drop;
    };

    Win32ListView(DialogWindow& dialog, const ControlDesign& design, const Win32ImageList& images, Events events);
    ~Win32ListView();

    void AddColumn(const std::string& caption) override;
    int ColumnWidth() const override;
    void SetColumnWidth(int width) override;
    int TextWidth(const std::string& text) const override;
    void SetRows(std::vector<ListRow> rows) override;
    int Count() const override { return static_cast<int>(rows_.size()); }
    const ListRow& Row(int index) const override { return rows_.at(static_cast<std::size_t>(index)); }
    void InsertRow(int index, const ListRow& row) override;
    void RemoveRow(int index) override;
    void SetText(int index, const std::string& text) override;
    void SetIcon(int index, const std::string& icon) override;
    void SetTextColour(int index, SysColour colour) override;
    bool SetKey(int index, const std::string& key) override;
    int Selected() const override;
    void Select(int index) override;
    void EnsureVisible(int index) override;
    int HitTest(Point point) const override;
    Rect RowRect(int index) const override;
    void BeginDrag(const ImageList& images, const std::string& key) override;

    std::optional<LRESULT> Notify(const NMHDR& header) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // From the control's client area to its own corner and back.
    POINT ClientOffset() const;
    void Redraw(int index) const;
    void SetCount(int selected);
    void MoveDrag();
    void EndDrag(bool dropped);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;

    const Win32ImageList& images_;
    Events events_;
    HWND dialog_;
    std::vector<ListRow> rows_;
    unique_hdc measure_;
    HGDIOBJ measureFont_ = nullptr;
    bool dragging_ = false;
};

}  // namespace tarn::win32
