#include "widgets/page_control.h"

#include "platform/text.h"

void PageControl::Create(Widget& parent, int x, int y, int w, int h) {
    CreateChild(parent, WC_TABCONTROLW, "", WS_CLIPCHILDREN | WS_TABSTOP | WS_VISIBLE, x, y, w, h,
                WS_EX_CONTROLPARENT);
    OnDpiChanged();
}

// The new font changes the height of the tabs, and with it the sheets' area.
void PageControl::OnDpiChanged(int) {
    SendMessageW(hwnd, WM_SETFONT, WPARAM(GetFont(kThemeFonts.body, dpi)), TRUE);
    RECT area = SheetArea();
    for (Panel* sheet : sheets_)
        SetWindowPos(sheet->hwnd, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PageControl::OnLanguageChanged() {
    for (size_t i = 0; i < captions_.size(); ++i) {
        std::wstring text = Widen(captions_[i].Text());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(hwnd, TCM_SETITEMW, i, LPARAM(&item));
    }
    OnDpiChanged(dpi);  // the tabs' height may differ in the other language's font
}

void PageControl::AddSheet(Panel& sheet, const Caption& caption) {
    captions_.push_back(caption);
    std::wstring text = Widen(caption.Text());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(hwnd, TCM_INSERTITEMW, sheets_.size(), LPARAM(&item));
    RECT area = SheetArea();
    sheet.Create(*this, 0, 0, 0, 0, {.fill = Panel::Fill::kSolid, .color = MainTheme().pageBack});
    SetWindowPos(sheet.hwnd, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    sheet.anchors = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;
    sheets_.push_back(&sheet);
    ShowActiveSheet();
}

int PageControl::PageCount() const { return int(sheets_.size()); }

std::string PageControl::PageCaption(int page) const {
    wchar_t buffer[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(hwnd, TCM_GETITEMW, page, LPARAM(&item));
    return Narrow(buffer);
}

int PageControl::ActivePage() const { return int(SendMessageW(hwnd, TCM_GETCURSEL, 0, 0)); }

void PageControl::SetActivePage(int page) {
    SendMessageW(hwnd, TCM_SETCURSEL, page, 0);
    ShowActiveSheet();
}

void PageControl::SelectNext(bool backwards) {
    const int n = PageCount();
    if (n == 0) return;
    const int old = ActivePage();
    HWND focus = GetFocus();
    const bool focusInSheet = old >= 0 && old < n && IsChild(sheets_[old]->hwnd, focus);
    SetActivePage((old + (backwards ? n - 1 : 1)) % n);
    if (focusInSheet) SetFocus(hwnd);
}

RECT PageControl::SheetArea() const {
    RECT r;
    GetClientRect(hwnd, &r);
    TabCtrl_AdjustRect(hwnd, FALSE, &r);
    return r;
}

void PageControl::ShowActiveSheet() {
    int active = ActivePage();
    for (int i = 0; i < int(sheets_.size()); ++i) sheets_[i]->Show(i == active);
}

bool PageControl::HandleNotify(NMHDR* header, LRESULT& result) {
    if (header->code != TCN_SELCHANGE) return false;
    ShowActiveSheet();
    result = 0;
    return true;
}

LRESULT PageControl::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_SIZE) {
        // The sheets follow the display area rather than keep their offsets, so a resize never uncovers the
        // tabs.
        LRESULT r = CallOriginal(msg, wp, lp);
        RECT area = SheetArea();
        for (Panel* sheet : sheets_)
            SetWindowPos(sheet->hwnd, nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
        handled = true;
        return r;
    }
    return Widget::OnSubclassMessage(msg, wp, lp, handled);
}
