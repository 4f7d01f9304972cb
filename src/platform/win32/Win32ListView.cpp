#include "platform/win32/Win32ListView.h"

#include <algorithm>

#include "platform/win32/MemoryCanvas.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Input.h"

namespace tarn::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// While the pointer rests during a drag, it is reported again this often, so that a row at an edge scrolls on.
constexpr UINT_PTR kDragRepeatTimer = 7;
constexpr UINT kDragRepeatMs = 100;

POINT ScreenCursor() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

}  // namespace

Win32ListView::Win32ListView(DialogWindow& dialog, const ControlDesign& design, const Win32ImageList& images,
                             Events events)
    : images_(images), events_(std::move(events)), dialog_(dialog.Hwnd()), measure_(CreateCompatibleDC(nullptr)) {
    const Rect r = dialog.Scale()(design.bounds);
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER,
                            r.left, r.top, r.Width(), r.Height(), dialog.Hwnd(), nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    const HFONT font = dialog.Font(design.font);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (measure_) measureFont_ = SelectObject(measure_.get(), font);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.Handle()));
    SetWindowSubclass(hwnd_, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    dialog.Register(*this);
}

Win32ListView::~Win32ListView() {
    if (dragging_) EndDrag(false);
    if (measure_ && measureFont_ != nullptr) SelectObject(measure_.get(), measureFont_);
    RemoveWindowSubclass(hwnd_, &SubclassProc, kSubclassId);
}

void Win32ListView::AddColumn(const std::string& caption) {
    std::wstring text = Widen(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = TextWidth(caption);
    const int count = Header_GetItemCount(ListView_GetHeader(hwnd_));
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&column));
}

int Win32ListView::ColumnWidth() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETCOLUMNWIDTH, 0, 0)); }

void Win32ListView::SetColumnWidth(int width) { SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0)); }

int Win32ListView::TextWidth(const std::string& text) const {
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(measure_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void Win32ListView::SetCount(int selected) {
    SendMessageW(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows_.size()), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    if (selected >= 0 && selected < Count()) Select(selected);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32ListView::SetRows(std::vector<ListRow> rows) {
    rows_ = std::move(rows);
    SetCount(-1);
}

void Win32ListView::InsertRow(int index, const ListRow& row) {
    if (!row.key.empty() && std::any_of(rows_.begin(), rows_.end(), [&](const ListRow& r) { return r.key == row.key; })) {
        return;
    }
    const int selected = Selected();
    index = std::clamp(index, 0, Count());
    rows_.insert(rows_.begin() + index, row);
    SetCount(selected >= index ? selected + 1 : selected);
}

void Win32ListView::RemoveRow(int index) {
    if (index < 0 || index >= Count()) return;
    const int selected = Selected();
    rows_.erase(rows_.begin() + index);
    SetCount(selected == index ? -1 : selected > index ? selected - 1 : selected);
}

void Win32ListView::Redraw(int index) const { SendMessageW(hwnd_, LVM_REDRAWITEMS, index, index); }

void Win32ListView::SetText(int index, const std::string& text) {
    rows_.at(static_cast<std::size_t>(index)).text = text;
    Redraw(index);
}

void Win32ListView::SetIcon(int index, const std::string& icon) {
    rows_.at(static_cast<std::size_t>(index)).icon = icon;
    Redraw(index);
}

void Win32ListView::SetTextColour(int index, SysColour colour) {
    rows_.at(static_cast<std::size_t>(index)).textColour = colour;
    Redraw(index);
}

bool Win32ListView::SetKey(int index, const std::string& key) {
    for (int i = 0; i < Count(); ++i) {
        if (i != index && !key.empty() && rows_[static_cast<std::size_t>(i)].key == key) return false;
    }
    rows_.at(static_cast<std::size_t>(index)).key = key;
    return true;
}

int Win32ListView::Selected() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32ListView::Select(int index) {
    if (index < 0 || index >= Count()) return;
    LVITEMW item{};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SendMessageW(hwnd_, LVM_SETSELECTIONMARK, 0, index);
}

void Win32ListView::EnsureVisible(int index) { SendMessageW(hwnd_, LVM_ENSUREVISIBLE, index, FALSE); }

POINT Win32ListView::ClientOffset() const {
    RECT window{};
    GetWindowRect(hwnd_, &window);
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    return {origin.x - window.left, origin.y - window.top};
}

int Win32ListView::HitTest(Point point) const {
    const POINT offset = ClientOffset();
    RECT client{};
    GetClientRect(hwnd_, &client);
    LVHITTESTINFO info{};
    info.pt = {point.x - offset.x, point.y - offset.y};
    if (!PtInRect(&client, info.pt)) return -1;
    // A full row counts, also right of its text: the row's left end tells which row lies at that height.
    info.pt.x = 2;
    const int row = static_cast<int>(SendMessageW(hwnd_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    return row >= 0 && row < Count() ? row : -1;
}

Rect Win32ListView::RowRect(int index) const {
    RECT r{};
    r.left = LVIR_BOUNDS;
    if (!SendMessageW(hwnd_, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return {};
    const POINT offset = ClientOffset();
    return {r.left + offset.x, r.top + offset.y, r.right + offset.x, r.bottom + offset.y};
}

void Win32ListView::BeginDrag(const ImageList& images, const std::string& key) {
    const auto& list = static_cast<const Win32ImageList&>(images);
    const int index = list.IndexOf(key);
    // The image's centre is its hot spot: the arrow drawn there points at the pointer.
    if (index < 0 || !ImageList_BeginDrag(list.Handle(), index, list.Size() / 2, list.Size() / 2)) return;
    dragging_ = true;
    SetCapture(hwnd_);
    RECT window{};
    GetWindowRect(dialog_, &window);
    const POINT p = ScreenCursor();
    ImageList_DragEnter(dialog_, p.x - window.left, p.y - window.top);
    SetTimer(hwnd_, kDragRepeatTimer, kDragRepeatMs, nullptr);
    MoveDrag();
}

void Win32ListView::MoveDrag() {
    const POINT p = ScreenCursor();
    RECT window{};
    GetWindowRect(dialog_, &window);
    RECT mine{};
    GetWindowRect(hwnd_, &mine);
    // What the window does meanwhile (scrolling, the marker) is drawn without the drag image over it.
    ImageList_DragShowNolock(FALSE);
    if (events_.dragOver) events_.dragOver(WindowFromPoint(p), {p.x - mine.left, p.y - mine.top});
    UpdateWindow(dialog_);
    ImageList_DragShowNolock(TRUE);
    ImageList_DragMove(p.x - window.left, p.y - window.top);
}

void Win32ListView::EndDrag(bool dropped) {
    dragging_ = false;
    KillTimer(hwnd_, kDragRepeatTimer);
    ImageList_DragLeave(dialog_);
    ImageList_EndDrag();
    if (GetCapture() == hwnd_) ReleaseCapture();
    if (events_.drop) events_.drop(dropped ? WindowFromPoint(ScreenCursor()) : nullptr);
}

LRESULT Win32ListView::CustomDraw(NMLVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const auto index = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
        if (index < rows_.size() && rows_[index].textColour != SysColour::WindowText) {
            draw.clrText = SysColourRef(rows_[index].textColour);
        }
    }
    return CDRF_DODEFAULT;
}

std::optional<LRESULT> Win32ListView::Notify(const NMHDR& header) {
    if (header.hwndFrom != hwnd_) return std::nullopt;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            LVITEMW& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
            if (item.iItem < 0 || item.iItem >= Count()) return 0;
            const ListRow& row = rows_[static_cast<std::size_t>(item.iItem)];
            if ((item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 0) {
                const std::wstring text = Widen(row.text);
                const std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
                text.copy(item.pszText, n);
                item.pszText[n] = L'\0';
            }
            if ((item.mask & LVIF_IMAGE) != 0) item.iImage = row.icon.empty() ? I_IMAGENONE : images_.IndexOf(row.icon);
            return 0;
        }
        case NM_CUSTOMDRAW:
            return CustomDraw(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0 && events_.click) {
                events_.click();
            }
            return 0;
        }
        case LVN_BEGINDRAG: {
            const auto& drag = reinterpret_cast<const NMLISTVIEW&>(header);
            const POINT offset = ClientOffset();
            if (events_.beginDrag) {
                // Only the left button begins a drag of the list's own.
                events_.beginDrag(kLeftButton, ShiftState(),
                                  {drag.ptAction.x + offset.x, drag.ptAction.y + offset.y});
            }
            return 0;
        }
        default: return std::nullopt;
    }
}

LRESULT CALLBACK Win32ListView::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) noexcept {
    try {
        return reinterpret_cast<Win32ListView*>(self)->OnMessage(message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

LRESULT Win32ListView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (events_.keyDown && !events_.keyDown(KeyFromVirtualKey(wParam), ShiftState())) return 0;
            break;
        case WM_MOUSEMOVE:
            if (dragging_) {
                MoveDrag();
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kDragRepeatTimer) {
                if (dragging_) MoveDrag();
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (dragging_) {
                EndDrag(true);
                return 0;
            }
            if (events_.mouseUp) events_.mouseUp();
            break;
        case WM_CAPTURECHANGED:
            // Another window took the mouse, or Esc let it go: the drag ends where nothing can be dropped.
            if (dragging_ && reinterpret_cast<HWND>(lParam) != hwnd_) EndDrag(false);
            break;
        default: break;
    }
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

}  // namespace tarn::win32
