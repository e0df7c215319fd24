#include "widgets/popup_menu.h"

#include "platform/text.h"

namespace {
const wchar_t* const kHostClass = L"KdcMenuHost";
constexpr int kSeparatorHeight = 7;
constexpr int kTextPadding = 22;

HWND CreateHost(PopupMenu* menu, WNDPROC proc) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        registered = RegisterClassExW(&wc) != 0;
    }
    // A hidden owner of the menu: its owner-draw messages stay here instead of reaching a form.
    return CreateWindowExW(WS_EX_TOOLWINDOW, kHostClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), menu);
}
}  // namespace

PopupMenu::~PopupMenu() {
    if (open_) EndMenu();
}

void PopupMenu::Add(const std::string& name, const Caption& caption, std::function<void()> onClick) {
    items_.push_back({name, caption, std::move(onClick)});
}

PopupMenu::Item* PopupMenu::Find(const std::string& name) {
    for (Item& item : items_)
        if (item.name == name) return &item;
    return nullptr;
}

void PopupMenu::Choose(const std::string& name) {
    Item* item = Find(name);
    if (item && item->enabled && !item->IsSeparator() && item->onClick) item->onClick();
}

void PopupMenu::Popup(int x, int y, Align align) {
    if (open_) return;
    lastPoint_ = {x, y};
    lastAlign_ = align;
    dpi_ = DpiAtPoint(lastPoint_);
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < items_.size(); ++i) {
        UINT flags =
            MF_OWNERDRAW | (items_[i].IsSeparator() ? MF_SEPARATOR : 0) | (items_[i].enabled ? 0 : MF_GRAYED);
        AppendMenuW(menu, flags, i + 1, reinterpret_cast<LPCWSTR>(i));
    }
    HWND host = CreateHost(this, HostProc);
    open_ = menu;
    SetForegroundWindow(host);
    UINT side = align == Align::kRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    int chosen = TrackPopupMenu(menu, side | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON, x,
                                y, 0, host, nullptr);
    open_ = nullptr;
    DestroyMenu(menu);
    DestroyWindow(host);
    if (chosen > 0 && size_t(chosen) <= items_.size()) Choose(items_[chosen - 1].name);
}

LRESULT CALLBACK PopupMenu::HostProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(h, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<PopupMenu*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (self && msg == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (m->CtlType == ODT_MENU) {
            self->Measure(*m);
            return TRUE;
        }
    }
    if (self && msg == WM_DRAWITEM) {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (d->CtlType == ODT_MENU) {
            self->Draw(*d);
            return TRUE;
        }
    }
    return DefWindowProcW(h, msg, wp, lp);
}

void PopupMenu::Measure(MEASUREITEMSTRUCT& m) const {
    size_t index = m.itemData;
    if (index >= items_.size()) return;
    const Item& item = items_[index];
    if (item.IsSeparator()) {
        m.itemWidth = 0;
        m.itemHeight = Px(kSeparatorHeight);
        return;
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont(kThemeFonts.body, dpi_));
    std::wstring text = Widen(item.caption.Text());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    m.itemWidth = UINT(Px(theme.menuGutterWidth + 8 + kTextPadding) + size.cx);
    m.itemHeight = UINT(Px(theme.menuItemHeight));
}

void PopupMenu::Draw(const DRAWITEMSTRUCT& d) const {
    size_t index = d.itemData;
    if (index >= items_.size()) return;
    const Item& item = items_[index];
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    RECT gutter{r.left, r.top, r.left + Px(theme.menuGutterWidth), r.bottom};
    RECT body{gutter.right, r.top, r.right, r.bottom};
    FillSolid(dc, gutter, theme.menuGutter);
    FillSolid(dc, body, theme.menuBack);
    if (item.IsSeparator()) {
        int y = (r.top + r.bottom) / 2;
        FillSolid(dc, {body.left + Px(4), y, body.right - Px(4), y + Px(1)}, theme.menuSeparator);
        return;
    }
    bool selected = (d.itemState & ODS_SELECTED) && item.enabled;
    if (selected) {
        RECT hot{r.left + Px(2), r.top + Px(1), r.right - Px(2), r.bottom - Px(1)};
        FillSolid(dc, hot, theme.menuHot);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, !item.enabled ? theme.disabledText : selected ? theme.menuHotText : theme.menuText);
    HGDIOBJ old = SelectObject(dc, GetFont(kThemeFonts.body, dpi_));
    RECT text{body.left + Px(8), r.top, r.right - Px(4), r.bottom};
    std::wstring caption = Widen(item.caption.Text());
    DrawTextW(dc, caption.c_str(), -1, &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
}
