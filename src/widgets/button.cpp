#include "widgets/button.h"

#include <oleacc.h>

#include <algorithm>

#include "platform/text.h"
#include "widgets/keyboard.h"

void Button::Create(Widget& parent, const Caption& text, int x, int y, int w, int h, Style s) {
    style = std::move(s);
    CreateChild(parent, L"BUTTON", text, BS_OWNERDRAW | WS_TABSTOP | WS_VISIBLE, x, y, w, h);
}

void Button::SetChecked(bool checked) {
    checked_ = checked;
    Invalidate();
}

bool Button::Activate() {
    if (!hwnd || !Enabled() || !IsWindowVisible(hwnd)) return false;
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), LPARAM(hwnd));
    return true;
}

// Space is the button's own key even when it cannot act, so the control's built-in handling of it
// never clicks a second time.
bool Button::HandleKey(UINT vk) {
    if (vk == VK_SPACE) {
        Activate();
        return true;
    }
    return vk == VK_RETURN && Activate();
}

long Button::AccRole() const {
    switch (style.kind) {
        case Kind::kCheck:
            return ROLE_SYSTEM_CHECKBUTTON;
        case Kind::kRadio:
            return ROLE_SYSTEM_RADIOBUTTON;
        default:
            return ROLE_SYSTEM_PUSHBUTTON;
    }
}

long Button::AccState() const {
    long state = Widget::AccState();
    if (checked_ && (style.kind == Kind::kCheck || style.kind == Kind::kRadio)) state |= STATE_SYSTEM_CHECKED;
    return state;
}

bool Button::HandleCommand(WORD code) {
    if (code == BN_CLICKED && style.kind == Kind::kCheck && style.autoCheck) SetChecked(!checked_);
    if (code == BN_CLICKED && style.kind == Kind::kRadio) SetChecked(true);
    if (code == BN_DOUBLECLICKED) return Widget::HandleCommand(BN_CLICKED);
    return Widget::HandleCommand(code);
}

LRESULT Button::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    switch (msg) {
        case BM_GETCHECK:
            handled = true;
            return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            handled = true;
            SetChecked(wp == BST_CHECKED);
            return 0;
        case WM_MOUSEMOVE:
            if (!hot_) {
                hot_ = true;
                Invalidate();
            }
            break;
        case WM_MOUSELEAVE:
            hot_ = false;
            Invalidate();
            break;
        case WM_ERASEBKGND:
            handled = true;
            return TRUE;
    }
    return Widget::OnSubclassMessage(msg, wp, lp, handled);
}

namespace {
void DrawFrameRect(HDC dc, const RECT& r, COLORREF border, int radius, int penWidth) {
    // One pixel wide, the stock pen draws exactly what the design was drawn with.
    HPEN pen = penWidth > 1 ? CreatePen(PS_INSIDEFRAME, penWidth, border) : nullptr;
    if (!pen) SetDCPenColor(dc, border);
    HGDIOBJ oldPen = SelectObject(dc, pen ? HGDIOBJ(pen) : GetStockObject(DC_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    if (pen) DeleteObject(pen);
}

void DrawCheckMark(HDC dc, const RECT& box, COLORREF color, int penWidth) {
    HPEN pen = CreatePen(PS_SOLID, penWidth, color);
    HGDIOBJ old = SelectObject(dc, pen);
    int l = box.left, t = box.top, w = box.right - box.left;
    MoveToEx(dc, l + w / 5, t + w / 2, nullptr);
    LineTo(dc, l + w * 2 / 5, t + w * 3 / 4);
    LineTo(dc, l + w * 4 / 5, t + w / 4);
    SelectObject(dc, old);
    DeleteObject(pen);
}
}  // namespace

bool Button::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    const Theme& t = MainTheme();
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = item.itemState & ODS_SELECTED;
    bool disabled = item.itemState & ODS_DISABLED;
    PaintBackground(dc, r);
    // The keyboard focus shows only after a key press, so the mouse-driven look stays as it is.
    const bool focusCue = GetFocus() == hwnd && KeyboardCuesShown(hwnd);
    if (style.kind == Kind::kImage) {
        if (style.image)
            PaintLogical(dc, r, [&](HDC d, const RECT& logical) { style.image(d, logical, hot_, pressed); });
        if (focusCue) DrawFocusRect(dc, &r);
        return true;
    }
    std::wstring text = Widen(Text());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled                         ? t.disabledText
                     : style.textColor != CLR_INVALID ? style.textColor
                                                      : t.buttonText);
    HGDIOBJ oldFont = SelectObject(dc, GetFont(style.font, dpi));
    if (style.kind == Kind::kPush) {
        RECT face = r;
        InflateRect(&face, -Px(1), -Px(1));
        FillGradient(dc, face,
                     pressed ? t.buttonBottom
                     : hot_  ? t.buttonHot
                             : t.buttonTop,
                     pressed ? t.buttonTop : t.buttonBottom);
        DrawFrameRect(dc, r, disabled ? t.disabledText : t.buttonBorder, Px(5), Px(1));
        RECT tr = r;
        if (pressed) OffsetRect(&tr, Px(1), Px(1));
        DrawTextW(dc, text.c_str(), -1, &tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (focusCue) {
            RECT cue = r;
            InflateRect(&cue, -Px(3), -Px(3));
            DrawFocusRect(dc, &cue);
        }
    } else {
        int size = Px(13);
        int top = r.top + (r.bottom - r.top - size) / 2;
        RECT box{r.left + Px(1), top, r.left + Px(1) + size, top + size};
        FillSolid(dc, box, RGB(255, 255, 255));
        if (style.kind == Kind::kCheck) {
            DrawFrameRect(dc, box, hot_ ? t.checkMark : t.checkBorder, Px(3), Px(1));
            if (checked_) DrawCheckMark(dc, box, disabled ? t.disabledText : t.checkMark, Px(2));
        } else {
            PaintBackground(dc, box);
            HPEN ring =
                Px(1) > 1 ? CreatePen(PS_INSIDEFRAME, Px(1), hot_ ? t.checkMark : t.checkBorder) : nullptr;
            SetDCPenColor(dc, hot_ ? t.checkMark : t.checkBorder);
            SetDCBrushColor(dc, RGB(255, 255, 255));
            HGDIOBJ op = SelectObject(dc, ring ? HGDIOBJ(ring) : GetStockObject(DC_PEN));
            HGDIOBJ ob = SelectObject(dc, GetStockObject(DC_BRUSH));
            Ellipse(dc, box.left, box.top, box.right, box.bottom);
            if (checked_) {
                SetDCBrushColor(dc, disabled ? t.disabledText : t.checkMark);
                Ellipse(dc, box.left + Px(3), box.top + Px(3), box.right - Px(3), box.bottom - Px(3));
            }
            SelectObject(dc, op);
            SelectObject(dc, ob);
            if (ring) DeleteObject(ring);
        }
        RECT tr{box.right + Px(5), r.top, r.right, r.bottom};
        DrawTextW(dc, text.c_str(), -1, &tr, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (focusCue) {
            RECT cue = tr;
            DrawTextW(dc, text.c_str(), -1, &cue, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
            int h = cue.bottom - cue.top;
            cue.top = r.top + (r.bottom - r.top - h) / 2 - Px(1);
            cue.bottom = cue.top + h + Px(2);
            cue.left -= Px(2);
            cue.right = std::min<LONG>(cue.right + Px(2), r.right);
            DrawFocusRect(dc, &cue);
        }
    }
    SelectObject(dc, oldFont);
    return true;
}
