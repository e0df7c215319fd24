#include "widgets/list_view.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <map>

#include "platform/text.h"
#include "widgets/theme.h"

void ListView::Create(Widget& parent, int x, int y, int w, int h, DWORD extraStyle) {
    CreateChild(parent, WC_LISTVIEWW, "",
                LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_VISIBLE | WS_TABSTOP | extraStyle,
                x, y, w, h);
    ListView_SetExtendedListViewStyle(hwnd, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    SendMessageW(hwnd, WM_SETFONT, WPARAM(GetFont(kThemeFonts.text, dpi)), TRUE);
}

// The columns keep their share of the design: each width goes from the old scale to the new one.
void ListView::OnDpiChanged(int oldDpi) {
    SendMessageW(hwnd, WM_SETFONT, WPARAM(GetFont(kThemeFonts.text, dpi)), TRUE);
    if (markSize_) ListView_SetImageList(hwnd, RowMarkImages(Px(markSize_)), LVSIL_STATE);
    for (int c = 0; c < ColumnCount(); ++c)
        ListView_SetColumnWidth(hwnd, c, MulDiv(ListView_GetColumnWidth(hwnd, c), dpi, oldDpi));
}

void ListView::OnLanguageChanged() {
    for (size_t c = 0; c < columns_.size(); ++c)
        if (columns_[c].Key()) SetColumnCaption(int(c), Caption(columns_[c]));
}

void ListView::AddColumn(const Caption& caption, int width, int format) {
    columns_.push_back(caption);
    std::wstring text = Widen(caption.Text());
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.fmt = format;
    col.cx = Px(width);
    col.pszText = text.data();
    ListView_InsertColumn(hwnd, ColumnCount(), &col);
}

int ListView::ColumnCount() const {
    HWND header = ListView_GetHeader(hwnd);
    return header ? Header_GetItemCount(header) : 0;
}

void ListView::SetColumnCaption(int column, const Caption& caption) {
    if (column >= 0 && size_t(column) < columns_.size()) columns_[column] = caption;
    std::wstring text = Widen(caption.Text());
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = text.data();
    ListView_SetColumn(hwnd, column, &col);
}

Caption ListView::ColumnCaptionGiven(int column) const {
    return column >= 0 && size_t(column) < columns_.size() ? columns_[column]
                                                           : Caption(ColumnCaption(column));
}

std::string ListView::ColumnCaption(int column) const {
    wchar_t buffer[512] = {};
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = buffer;
    col.cchTextMax = 512;
    ListView_GetColumn(hwnd, column, &col);
    return Narrow(buffer);
}

void ListView::SetRowMarks(int imageSize) {
    markSize_ = imageSize;
    ListView_SetImageList(hwnd, RowMarkImages(Px(imageSize)), LVSIL_STATE);
}

int ListView::Count() const { return ListView_GetItemCount(hwnd); }
void ListView::Clear() { ListView_DeleteAllItems(hwnd); }

int ListView::AddRow(const std::vector<std::string>& cells, int mark) {
    std::wstring caption = cells.empty() ? L"" : Widen(cells[0]);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_STATE;
    item.iItem = Count();
    item.pszText = caption.data();
    item.state = INDEXTOSTATEIMAGEMASK(mark);
    item.stateMask = LVIS_STATEIMAGEMASK;
    int row = int(SendMessageW(hwnd, LVM_INSERTITEMW, 0, LPARAM(&item)));
    for (size_t c = 1; c < cells.size(); ++c) SetCell(row, int(c), cells[c]);
    return row;
}

void ListView::AddRows(const std::function<void()>& add) {
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    add();
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ListView::DeleteRow(int row) { ListView_DeleteItem(hwnd, row); }

std::string ListView::Cell(int row, int column) const {
    std::wstring buffer(1024, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = int(buffer.size());
        int n = int(SendMessageW(hwnd, LVM_GETITEMTEXTW, row, LPARAM(&item)));
        if (n < int(buffer.size()) - 1) return Narrow(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 4);
    }
}

void ListView::SetCell(int row, int column, const std::string& text) {
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(hwnd, LVM_SETITEMTEXTW, row, LPARAM(&item));
}

int ListView::Mark(int row) const { return int(ListView_GetItemState(hwnd, row, LVIS_STATEIMAGEMASK) >> 12); }

void ListView::SetMark(int row, int mark) {
    ListView_SetItemState(hwnd, row, INDEXTOSTATEIMAGEMASK(mark), LVIS_STATEIMAGEMASK);
}

int ListView::Selected() const { return ListView_GetNextItem(hwnd, -1, LVNI_SELECTED); }

void ListView::Select(int row) {
    ListView_SetItemState(hwnd, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0)
        ListView_SetItemState(hwnd, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int ListView::HitTest(int x, int y, bool* onStateIcon, UINT* flags) const {
    LVHITTESTINFO info{};
    info.pt = {Px(x), Px(y)};
    int row = ListView_SubItemHitTest(hwnd, &info);
    if (onStateIcon) *onStateIcon = row >= 0 && (info.flags & LVHT_ONITEMSTATEICON) && info.iSubItem == 0;
    if (flags) *flags = info.flags;
    return row;
}

std::vector<int> ListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = -1; (row = ListView_GetNextItem(hwnd, row, LVNI_SELECTED)) >= 0;) rows.push_back(row);
    return rows;
}

bool ListView::RowSelected(int row) const {
    return row >= 0 && (ListView_GetItemState(hwnd, row, LVIS_SELECTED) & LVIS_SELECTED);
}

int ListView::FocusedRow() const { return ListView_GetNextItem(hwnd, -1, LVNI_FOCUSED); }

void ListView::SetFocusedRow(int row, bool select) {
    UINT mask = LVIS_FOCUSED | (select ? LVIS_SELECTED : 0);
    if (select) ListView_SetItemState(hwnd, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(hwnd, row, mask, mask);
    ListView_EnsureVisible(hwnd, row, FALSE);
}

// The menu of the focused row opens below its name, where the keyboard user is looking.
void ListView::OpenContextMenuOfFocus() {
    const int row = FocusedRow();
    if (!onContextMenu || row < 0) return;
    ListView_EnsureVisible(hwnd, row, FALSE);
    RECT r{};
    ListView_GetItemRect(hwnd, row, &r, LVIR_LABEL);
    POINT at{r.left + 8, r.bottom};
    ClientToScreen(hwnd, &at);
    onContextMenu(row, at);
}

bool ListView::HandleKey(UINT vk) {
    if (onKey && onKey(vk)) return true;
    switch (vk) {
        case VK_APPS:
            if (!onContextMenu) return false;
            OpenContextMenuOfFocus();
            return true;
        case VK_F10:
            if (!onContextMenu || GetKeyState(VK_SHIFT) >= 0) return false;
            OpenContextMenuOfFocus();
            return true;
        case VK_SPACE:
            // Taken even without a handler, or the control would look for a row that starts with a blank.
            if (onTickKey && FocusedRow() >= 0) onTickKey(FocusedRow());
            return true;
        case VK_DELETE:
            if (!onDeleteKey) return false;
            if (FocusedRow() >= 0) onDeleteKey(FocusedRow());
            return true;
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            // Entered by Tab, no row has the focus yet: End finds the last row, any other key the first.
            if (FocusedRow() >= 0 || Count() == 0) return false;
            SetFocusedRow(vk == VK_END ? Count() - 1 : 0, true);
            return true;
    }
    return false;
}

long ListView::AccRole() const { return ROLE_SYSTEM_LIST; }
int ListView::AccRowCount() const { return Count(); }

std::string ListView::AccRowName(int row) const {
    std::string name;
    for (int column = 0, columns = std::max(ColumnCount(), 1); column < columns; ++column) {
        std::string cell = Cell(row, column);
        if (cell.empty()) continue;
        if (!name.empty()) name += ", ";
        name += cell;
    }
    return name;
}

long ListView::AccRowState(int row) const {
    long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    UINT item = ListView_GetItemState(hwnd, row, LVIS_SELECTED | LVIS_FOCUSED);
    if (item & LVIS_SELECTED) state |= STATE_SYSTEM_SELECTED;
    if ((item & LVIS_FOCUSED) && GetFocus() == hwnd) state |= STATE_SYSTEM_FOCUSED;
    if (Mark(row) == kMarkTicked) state |= STATE_SYSTEM_CHECKED;
    return state;
}

RECT ListView::AccRowBounds(int row) const {
    RECT r{};
    ListView_GetItemRect(hwnd, row, &r, LVIR_BOUNDS);
    return r;
}

namespace {
struct SortContext {
    const std::function<int(int, int)>* compare;
};
int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM ctx) {
    return (*reinterpret_cast<SortContext*>(ctx)->compare)(int(a), int(b));
}
}  // namespace

// The control moves rows while it sorts, and the indexes LVM_SORTITEMSEX hands out follow those moves
// (under Wine they are even ambiguous mid-merge). Each row therefore carries its index from before the
// sort in its item data, which LVM_SORTITEMS passes unchanged.
void ListView::Sort(const std::function<int(int, int)>& compare) {
    for (int row = 0, rows = Count(); row < rows; ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = row;
        SendMessageW(hwnd, LVM_SETITEMW, 0, LPARAM(&item));
    }
    SortContext ctx{&compare};
    ListView_SortItems(hwnd, CompareRows, LPARAM(&ctx));
}

void ListView::FixColumnWidth(int column) { fixedColumn_ = column; }

int ListView::CellAt(POINT client, int* column) const {
    LVHITTESTINFO info{};
    info.pt = client;
    const int row = ListView_SubItemHitTest(hwnd, &info);
    if (column) *column = info.iSubItem;
    return row;
}

void ListView::SetItemCount(int rows, DWORD flags) { ListView_SetItemCountEx(hwnd, rows, flags); }
void ListView::SetMarksFromOwner() { ListView_SetCallbackMask(hwnd, LVIS_STATEIMAGEMASK); }
void ListView::RedrawRows(int first, int last) { ListView_RedrawItems(hwnd, first, last); }
int ListView::TopRow() const { return ListView_GetTopIndex(hwnd); }
int ListView::RowsPerPage() const { return ListView_GetCountPerPage(hwnd); }

void ListView::SetBackColor(COLORREF color) {
    ListView_SetBkColor(hwnd, color);
    ListView_SetTextBkColor(hwnd, color);
}

void ListView::ClearRowStates(UINT states) { ListView_SetItemState(hwnd, -1, 0, states); }

namespace {
void CopyCell(NMLVDISPINFOW& info, const std::wstring& text) {
    if (!info.item.pszText || info.item.cchTextMax <= 0) return;
    lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
}
}  // namespace

// An owner-data row's mark and cell texts, as the control asks for them while it draws.
void ListView::ServeCell(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if (item.iItem < 0) return;
    if ((item.mask & LVIF_STATE) && onGetMark) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(onGetMark(item.iItem));
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
    if ((item.mask & LVIF_TEXT) && onGetCell) CopyCell(info, onGetCell(item.iItem, item.iSubItem));
}

// The row menu's keys and requests; the header's attempts to track or change the fixed column's width are
// refused.
LRESULT ListView::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    // The menu opened as the key went down; Windows would ask for it again as the menu key comes up.
    if ((msg == WM_KEYUP || msg == WM_SYSKEYUP) && onContextMenu &&
        (wp == VK_APPS || (wp == VK_F10 && GetKeyState(VK_SHIFT) < 0))) {
        handled = true;
        return 0;
    }
    if (msg == WM_CONTEXTMENU && onContextMenu) {
        handled = true;
        if (lp == -1) {  // the keyboard's request, should the platform make one
            OpenContextMenuOfFocus();
            return 0;
        }
        // A right click on a tick box has toggled the tick as it was pressed; it opens no menu. (The
        // control's own right clicks come as NM_RCLICK; this is a request from elsewhere.)
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, client = at;
        ScreenToClient(hwnd, &client);
        bool onBox = false;
        const int row = HitTest(client.x, client.y, &onBox);
        if (row >= 0 && !onBox) onContextMenu(row, at);
        return 0;
    }
    if (msg == WM_NOTIFY && fixedColumn_ >= 0) {
        const NMHEADERW* n = reinterpret_cast<const NMHEADERW*>(lp);
        if (n->hdr.hwndFrom == ListView_GetHeader(hwnd) && n->iItem == fixedColumn_) {
            switch (n->hdr.code) {
                case HDN_BEGINTRACKW:
                case HDN_BEGINTRACKA:
                    handled = true;
                    return TRUE;
                case HDN_DIVIDERDBLCLICKW:
                case HDN_DIVIDERDBLCLICKA:
                    handled = true;
                    return 0;
                case HDN_ITEMCHANGINGW:
                case HDN_ITEMCHANGINGA:
                    if (n->pitem && (n->pitem->mask & HDI_WIDTH)) {
                        handled = true;
                        return TRUE;
                    }
                    break;
            }
        }
    }
    return Widget::OnSubclassMessage(msg, wp, lp, handled);
}

bool ListView::HandleNotify(NMHDR* header, LRESULT& result) {
    if (header->code == LVN_COLUMNCLICK && onColumnClick) {
        onColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        return true;
    }
    if (header->code == NM_RCLICK && onContextMenu) {
        // Answered here with the click's own point, not the cursor's position that the control's later
        // WM_CONTEXTMENU carries; the nonzero result tells the control not to send that.
        const POINT client = reinterpret_cast<NMITEMACTIVATE*>(header)->ptAction;
        POINT at = client;
        ClientToScreen(hwnd, &at);
        bool onBox = false;
        const int row = HitTest(client.x, client.y, &onBox);
        if (row >= 0 && !onBox) onContextMenu(row, at);
        result = 1;
        return true;
    }
    if (header->code == NM_DBLCLK && onDblClickAt) {
        onDblClickAt(reinterpret_cast<NMITEMACTIVATE*>(header)->ptAction);
        return true;
    }
    if (header->code == NM_DBLCLK && onDblClick) {
        onDblClick();
        return true;
    }
    if (header->code == LVN_GETDISPINFOW && (onGetCell || onGetMark)) {
        ServeCell(*reinterpret_cast<NMLVDISPINFOW*>(header));
        return true;
    }
    if (header->code == NM_CUSTOMDRAW && onCustomDrawRow) {
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
            return true;
        }
        if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
            onCustomDrawRow(int(draw->nmcd.dwItemSpec), draw->nmcd.uItemState);
        result = CDRF_DODEFAULT;
        return true;
    }
    return false;
}

namespace {
HIMAGELIST BuildRowMarks(int size) {
    const Theme& t = MainTheme();
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32, 3, 0);
    HDC screen = GetDC(nullptr);
    for (int mark = kMarkUnticked; mark <= kMarkFolder; ++mark) {
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(dc, bmp);
        RECT all{0, 0, size, size};
        FillSolid(dc, all, RGB(255, 255, 255));
        int box = size * 13 / 16, off = (size - box) / 2;
        RECT r{off, off, off + box, off + box};
        if (mark == kMarkFolder) {
            RECT tab{off, off + box / 6, off + box / 2, off + box / 3};
            RECT body{off, off + box / 3 - 1, off + box, off + box - box / 8};
            FillSolid(dc, tab, RGB(214, 170, 60));
            FillSolid(dc, body, RGB(240, 200, 90));
        } else {
            SetDCPenColor(dc, t.checkBorder);
            SelectObject(dc, GetStockObject(DC_PEN));
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
            if (mark == kMarkTicked) {
                HPEN pen = CreatePen(PS_SOLID, size >= 24 ? 3 : 2, t.checkMark);
                HGDIOBJ op = SelectObject(dc, pen);
                MoveToEx(dc, r.left + box / 5, r.top + box / 2, nullptr);
                LineTo(dc, r.left + box * 2 / 5, r.top + box * 3 / 4);
                LineTo(dc, r.left + box * 4 / 5, r.top + box / 4);
                SelectObject(dc, op);
                DeleteObject(pen);
            }
        }
        SelectObject(dc, old);
        DeleteDC(dc);
        ImageList_Add(list, bmp, nullptr);
        DeleteObject(bmp);
    }
    ReleaseDC(nullptr, screen);
    return list;
}
}  // namespace

HIMAGELIST RowMarkImages(int size) {
    static std::map<int, HIMAGELIST> lists;
    auto it = lists.find(size);
    if (it != lists.end()) return it->second;
    return lists[size] = BuildRowMarks(size);
}
