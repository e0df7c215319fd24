#pragma once
#include <functional>
#include <string>
#include <vector>

#include "widgets/widget.h"

// Row marks shared by every list with tick boxes: 1 unticked box, 2 ticked box, 3 folder.
enum RowMark { kMarkUnticked = 1, kMarkTicked = 2, kMarkFolder = 3 };

// A thin wrapper over a report-view SysListView32. Cells are UTF-8; column 0 is the row caption.
class ListView : public Widget {
  public:
    void Create(Widget& parent, int x, int y, int w, int h, DWORD extraStyle = 0);
    void AddColumn(const Caption& caption, int width, int format = LVCFMT_LEFT);  // logical width
    int ColumnCount() const;
    void SetColumnCaption(int column, const Caption& caption);
    std::string ColumnCaption(int column) const;
    Caption ColumnCaptionGiven(int column) const;  // as AddColumn or SetColumnCaption gave it
    void SetRowMarks(int imageSize);  // state images: the three row marks at the given logical size
    // Keeps a column at its width: its divider can be neither dragged nor double-clicked.
    void FixColumnWidth(int column);

    int Count() const;
    void Clear();
    int AddRow(const std::vector<std::string>& cells, int mark = 0);
    // Many rows at once: the list neither repaints nor updates its scroll bars until the last one is in.
    void AddRows(const std::function<void()>& add);
    void DeleteRow(int row);
    std::string Cell(int row, int column) const;
    void SetCell(int row, int column, const std::string& text);
    int Mark(int row) const;
    void SetMark(int row, int mark);
    int Selected() const;  // -1 when none
    void Select(int row);
    // Row under a point of the client area (logical pixels, as the mouse hooks give them); onStateIcon
    // tells whether the point is on its tick box.
    int HitTest(int x, int y, bool* onStateIcon = nullptr, UINT* flags = nullptr) const;
    // Sorts the rows with an ascending comparison of two row indexes from before the sort. The rows move
    // while the control sorts: read what the comparison needs before calling this.
    void Sort(const std::function<int(int, int)>& compare);
    // The row at a point of the client area in the control's own pixels, and the column of the cell
    // there; -1 for a point on no row.
    int CellAt(POINT client, int* column) const;

    // Owner data (LVS_OWNERDATA): the control keeps no rows. It shows as many as SetItemCount says and
    // asks onGetCell for the text of each cell it draws, and onGetMark for each row's mark once
    // SetMarksFromOwner has been called.
    void SetItemCount(int rows, DWORD flags = 0);  // flags: LVSICF_NOINVALIDATEALL, LVSICF_NOSCROLL
    void SetMarksFromOwner();
    std::function<std::wstring(int row, int column)> onGetCell;
    std::function<int(int row)> onGetMark;
    // Draws the rows first to last again, from what the hooks give now.
    void RedrawRows(int first, int last);
    // The first row in view, and how many whole rows the view holds.
    int TopRow() const;
    int RowsPerPage() const;
    // The colour behind the rows and behind their texts.
    void SetBackColor(COLORREF color);
    // Takes the states (LVIS_SELECTED, LVIS_FOCUSED) from every row.
    void ClearRowStates(UINT states);
    // Called as each row is about to be drawn, with its drawing state (CDIS_SELECTED, CDIS_FOCUS),
    // which the hook may change before the control draws the row.
    std::function<void(int row, UINT& drawState)> onCustomDrawRow;
    // A double click, with its point in the control's own client pixels; without it, onDblClick.
    std::function<void(POINT client)> onDblClickAt;

    // Every selected row, first to last.
    std::vector<int> SelectedRows() const;
    bool RowSelected(int row) const;
    // The row with the keyboard focus, or -1.
    int FocusedRow() const;
    void SetFocusedRow(int row, bool select);

    // Space on the focused row (tick lists toggle its tick as a click on the tick box does) and Delete
    // on it; unset, the keys do nothing.
    std::function<void(int row)> onTickKey, onDeleteKey;
    // Any other key on the list before the control's own handling (Ctrl+S, for example); true when taken.
    std::function<bool(UINT vk)> onKey;
    // A right click on a row outside its tick box, or the menu key or Shift+F10 on the focused row: the
    // row and the screen point where its menu belongs.
    std::function<void(int row, POINT screen)> onContextMenu;
    bool HandleKey(UINT vk) override;
    // A screen reader reads each row as its texts and whether it is ticked.
    long AccRole() const override;
    int AccRowCount() const override;
    std::string AccRowName(int row) const override;
    long AccRowState(int row) const override;
    RECT AccRowBounds(int row) const override;

    std::function<void(int column)> onColumnClick;
    bool HandleNotify(NMHDR* header, LRESULT& result) override;

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnDpiChanged(int oldDpi) override;
    void OnLanguageChanged() override;

  private:
    void OpenContextMenuOfFocus();
    void ServeCell(NMLVDISPINFOW& info) const;
    int fixedColumn_ = -1;
    std::vector<Caption> columns_;
    int markSize_ = 0;  // logical; 0: no row marks
};

// The row-mark images (box, ticked box, folder) drawn at the given size; owned by the program.
HIMAGELIST RowMarkImages(int size);
