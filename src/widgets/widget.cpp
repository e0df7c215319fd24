#include "widgets/widget.h"

#include <windowsx.h>
#include <oleacc.h>

#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/text.h"
#include "widgets/accessible.h"
#include "widgets/busy_cursor.h"
#include "widgets/keyboard.h"

// Under Wine every read of a window property is a round trip to the wine server, and the common
// controls' subclassing reads one for each message: some 200 µs a message, which made painting and
// the scan's status updates slow. A widget therefore replaces the window procedure itself, keeps the
// link from its window in the window's user data, and the handle-to-widget lookup in a table of its own.
struct Widget::Hook {
    Widget* widget;  // nullptr once the widget is gone while another procedure still calls this one
    WNDPROC original;
};

namespace {
std::mutex widgetsLock;
std::unordered_map<HWND, Widget*> widgets;

void Register(HWND h, Widget* w) {
    std::lock_guard lock(widgetsLock);
    if (w)
        widgets[h] = w;
    else
        widgets.erase(h);
}
}  // namespace

Widget::~Widget() {
    if (hwnd && IsWindow(hwnd)) Detach();
}

Widget* Widget::From(HWND h) {
    if (!h) return nullptr;
    std::lock_guard lock(widgetsLock);
    auto found = widgets.find(h);
    return found == widgets.end() ? nullptr : found->second;
}

namespace {
bool changingDpi = false;
}  // namespace

RECT Widget::Px(const RECT& r) const { return {Px(r.left), Px(r.top), Px(r.right), Px(r.bottom)}; }

SIZE Widget::ClientSize() const {
    RECT r{};
    if (hwnd) GetClientRect(hwnd, &r);
    return {MulDiv(r.right, kDesignDpi, dpi), MulDiv(r.bottom, kDesignDpi, dpi)};
}

void Widget::CreateChild(Widget& parent, const wchar_t* cls, const Caption& text, DWORD style, int x, int y,
                         int w, int h, DWORD exStyle) {
    dpi = parent.dpi;
    caption_ = text;
    HWND created =
        CreateWindowExW(exStyle, cls, Widen(text.Text()).c_str(), style | WS_CHILD | WS_CLIPSIBLINGS, Px(x),
                        Px(y), Px(w), Px(h), parent.hwnd, nullptr, GetModuleHandleW(nullptr), this);
    Attach(created);
}

void Widget::PaintLogical(HDC dc, const RECT& device,
                          const std::function<void(HDC, const RECT&)>& paint) const {
    if (!paint) return;
    if (dpi == kDesignDpi) {
        paint(dc, device);
        return;
    }
    const int saved = SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    const float scale = float(dpi) / kDesignDpi;
    XFORM x{scale, 0, 0, scale, float(device.left), float(device.top)};
    ModifyWorldTransform(dc, &x, MWT_LEFTMULTIPLY);
    RECT logical{0, 0, Logical(device.right - device.left), Logical(device.bottom - device.top)};
    paint(dc, logical);
    RestoreDC(dc, saved);
}

bool Widget::ChangingDpi() { return changingDpi; }

void Widget::ChangeDpi(int newDpi) {
    const bool outer = !changingDpi;
    changingDpi = true;
    const int oldDpi = dpi;
    dpi = newDpi;
    if (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) {
        RECT r = Bounds();
        auto scale = [&](LONG v) { return MulDiv(v, newDpi, oldDpi); };
        SetWindowPos(hwnd, nullptr, scale(r.left), scale(r.top), scale(r.right) - scale(r.left),
                     scale(r.bottom) - scale(r.top), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::vector<HWND> children;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    for (HWND c : children)
        if (Widget* w = From(c)) w->ChangeDpi(newDpi);
    OnDpiChanged(oldDpi);  // after the children, so a container can place them by its own rules
    if (outer) changingDpi = false;
}

void Widget::ApplyLanguage() {
    std::vector<HWND> children;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    for (HWND c : children)
        if (Widget* w = From(c)) w->ApplyLanguage();
    OnLanguageChanged();  // after the children, as a DPI change: a container may place them anew
    if (onLanguageChanged) onLanguageChanged();
}

void Widget::OnLanguageChanged() {
    if (!caption_.Key() || !hwnd) return;
    SetWindowTextW(hwnd, Widen(caption_.Text()).c_str());
    Invalidate();
}

void ApplyLanguageToWindows() {
    std::vector<HWND> tops;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(h);
            return TRUE;
        },
        LPARAM(&tops));
    for (HWND top : tops) {
        Widget* w = Widget::From(top);
        if (!w) continue;
        w->ApplyLanguage();
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

void Widget::Attach(HWND created) {
    if (hook_ && hwnd == created) return;           // taken at WM_NCCREATE (a window of our own classes)
    if (hook_ && hwnd && IsWindow(hwnd)) Detach();  // a widget made again keeps no link to its old window
    hwnd = created;
    if (!hwnd) return;
    hook_ = new Hook{this, nullptr};
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(hook_));
    hook_->original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, LONG_PTR(HookProc)));
    Register(hwnd, this);
}

// The window lives on without its widget: the original procedure goes back in place, or, when another
// procedure was put in front of this one since, the hook stays in the chain and only passes messages on.
void Widget::Detach() {
    Register(hwnd, nullptr);
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == LONG_PTR(HookProc)) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, LONG_PTR(hook_->original));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete hook_;
    } else {
        hook_->widget = nullptr;
    }
    hook_ = nullptr;
    hwnd = nullptr;
}

LRESULT Widget::CallOriginal(UINT msg, WPARAM wp, LPARAM lp) {
    return hook_ ? CallWindowProcW(hook_->original, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Widget::ContainerProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE && !GetWindowLongPtrW(h, GWLP_USERDATA)) {
        if (auto* self = static_cast<Widget*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams)) {
            if (self->hook_ && self->hwnd && IsWindow(self->hwnd)) self->Detach();
            self->hwnd = h;
            self->hook_ = new Hook{self, DefWindowProcW};
            SetWindowLongPtrW(h, GWLP_USERDATA, LONG_PTR(self->hook_));
            Register(h, self);
        }
    }
    return HookProc(h, msg, wp, lp);
}

LRESULT CALLBACK Widget::HookProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Hook* hook = reinterpret_cast<Hook*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!hook) return DefWindowProcW(h, msg, wp, lp);
    // A handler may destroy the widget, and with it the hook: only what is read here is used after it.
    const WNDPROC original = hook->original;
    if (Widget* self = hook->widget) {
        bool handled = false;
        LRESULT r = self->OnSubclassMessage(msg, wp, lp, handled);
        if (handled) return r;
    }
    if (msg == WM_NCDESTROY) {
        if (Hook* last = reinterpret_cast<Hook*>(GetWindowLongPtrW(h, GWLP_USERDATA))) {
            if (Widget* self = last->widget) {
                Register(h, nullptr);
                self->hook_ = nullptr;
                self->hwnd = nullptr;
            }
            SetWindowLongPtrW(h, GWLP_WNDPROC, LONG_PTR(original));
            SetWindowLongPtrW(h, GWLP_USERDATA, 0);
            delete last;
        }
        ForgetKeyboardCues(h);
    }
    return CallWindowProcW(original, h, msg, wp, lp);
}

LRESULT Widget::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!trackingMouse_) {
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd, 0};
                trackingMouse_ = TrackMouseEvent(&tme);
            }
            if (onMouseMove) onMouseMove(Logical(GET_X_LPARAM(lp)), Logical(GET_Y_LPARAM(lp)));
            break;
        case WM_MOUSELEAVE:
            trackingMouse_ = false;
            if (onMouseLeave) onMouseLeave();
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (onMouseDown) {
                MouseButton b = msg == WM_LBUTTONDOWN   ? kLeftButton
                                : msg == WM_RBUTTONDOWN ? kRightButton
                                                        : kMiddleButton;
                onMouseDown(b, Logical(GET_X_LPARAM(lp)), Logical(GET_Y_LPARAM(lp)));
            }
            break;
        case WM_GETOBJECT:
            if (LONG(lp) == LONG(OBJID_CLIENT)) {
                handled = true;
                return AnswerAccessibleObject(*this, wp);
            }
            break;
        case WM_SETCURSOR:
            if (BusyCursor()) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                handled = true;
                return TRUE;
            }
            if (cursor && LOWORD(lp) == HTCLIENT) {
                SetCursor(cursor);
                handled = true;
                return TRUE;
            }
            break;
    }
    (void)wp;
    return 0;
}

void Widget::SetText(const std::string& text) { SetCaption(text); }

void Widget::SetCaption(const Caption& caption) {
    caption_ = caption;
    if (!hwnd) return;
    SetWindowTextW(hwnd, Widen(caption.Text()).c_str());
    Invalidate();
}

std::string Widget::Text() const {
    if (!hwnd) return {};
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(n + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(n);
    return Narrow(text);
}

void Widget::Show(bool visible) {
    if (hwnd) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}
bool Widget::Visible() const { return hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE); }
void Widget::Enable(bool enabled) {
    if (hwnd) {
        EnableWindow(hwnd, enabled);
        Invalidate();
    }
}
bool Widget::Enabled() const { return hwnd && IsWindowEnabled(hwnd); }
void Widget::Move(int x, int y) {
    if (hwnd) SetWindowPos(hwnd, nullptr, Px(x), Px(y), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
void Widget::SetBounds(int x, int y, int w, int h) {
    if (hwnd) SetWindowPos(hwnd, nullptr, Px(x), Px(y), Px(w), Px(h), SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Widget::Bounds() const {
    RECT r{};
    if (!hwnd) return r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Widget::Invalidate() {
    if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
}

void Widget::SetTabStop(bool tabStop) {
    if (!hwnd) return;
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

bool Widget::TabStop() const { return hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP); }

bool Widget::HandleKey(UINT vk) { return (vk == VK_RETURN || vk == VK_SPACE) && Activate(); }
bool Widget::Activate() { return false; }

long Widget::AccRole() const { return 0; }

long Widget::AccState() const {
    long state = 0;
    if (!hwnd || !IsWindowVisible(hwnd)) state |= STATE_SYSTEM_INVISIBLE;
    if (!Enabled()) state |= STATE_SYSTEM_UNAVAILABLE;
    if (TabStop() || GetFocus() == hwnd) state |= STATE_SYSTEM_FOCUSABLE;
    if (hwnd && GetFocus() == hwnd) state |= STATE_SYSTEM_FOCUSED;
    return state;
}

// The text as it reads: without the access-key marker and the blanks that indent it.
std::optional<std::string> Widget::AccName() const {
    if (accessibleName) return accessibleName();
    std::string text;
    for (char c : Text())
        if (c != '&') text += c;
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Widget::AccDescription() const { return accessibleDescription ? accessibleDescription() : ""; }
int Widget::AccRowCount() const { return -1; }
std::string Widget::AccRowName(int) const { return {}; }
long Widget::AccRowState(int) const { return 0; }
RECT Widget::AccRowBounds(int) const { return {}; }

void Widget::PaintBackground(HDC dc, const RECT& rect) {
    HWND parentHwnd = hwnd ? GetParent(hwnd) : nullptr;
    Widget* parent = From(parentHwnd);
    if (!parent) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    RECT own = Bounds();
    POINT old;
    OffsetViewportOrgEx(dc, -own.left, -own.top, &old);
    RECT inParent = rect;
    OffsetRect(&inParent, own.left, own.top);
    parent->PaintBackground(dc, inParent);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

bool Widget::HandleCommand(WORD code) {
    if (code == BN_CLICKED || code == STN_CLICKED) {
        if (onClick) onClick();
        return true;
    }
    if (code == BN_DOUBLECLICKED || code == STN_DBLCLK) {
        if (onDblClick) onDblClick();
        return true;
    }
    return false;
}

bool Widget::HandleNotify(NMHDR*, LRESULT&) { return false; }
bool Widget::HandleDrawItem(const DRAWITEMSTRUCT&) { return false; }

void Widget::LayoutChildren(int oldW, int oldH, int newW, int newH) {
    int dx = newW - oldW, dy = newH - oldH;
    if (!hwnd || (dx == 0 && dy == 0)) return;
    std::vector<HWND> children;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    for (HWND c : children) {
        Widget* w = From(c);
        if (!w) continue;
        RECT r = w->Bounds();
        unsigned a = w->anchors;
        if (a & kAnchorRight) {
            if (a & kAnchorLeft)
                r.right += dx;
            else
                OffsetRect(&r, dx, 0);
        }
        if (a & kAnchorBottom) {
            if (a & kAnchorTop)
                r.bottom += dy;
            else {
                r.top += dy;
                r.bottom += dy;
            }
        }
        SetWindowPos(c, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void RegisterContainerClass(const wchar_t* name, HICON icon) {
    WNDCLASSEXW wc{sizeof(wc)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return;
    wc = {sizeof(wc)};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Widget::ContainerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

bool RouteChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (Widget* w = Widget::From(reinterpret_cast<HWND>(lp))) {
                result = 0;
                return w->HandleCommand(HIWORD(wp));
            }
            return false;
        case WM_NOTIFY: {
            NMHDR* header = reinterpret_cast<NMHDR*>(lp);
            if (Widget* w = Widget::From(header->hwndFrom)) {
                result = 0;
                return w->HandleNotify(header, result);
            }
            return false;
        }
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (Widget* w = Widget::From(item->hwndItem)) {
                result = TRUE;
                return w->HandleDrawItem(*item);
            }
            return false;
        }
    }
    return false;
}
