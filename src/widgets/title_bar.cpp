#include "widgets/title_bar.h"

#include "platform/frame.h"
#include "platform/text.h"
#include "widgets/caption_button.h"

void DialogTitleBar::Create(Widget& form, int width, bool withClose) {
    const Theme& t = DialogTheme();
    HWND formHwnd = form.hwnd;
    // Inside the form's one-pixel border.
    Panel::Create(form, 1, 1, width - 2, t.titleBarHeight,
                  {.fill = Panel::Fill::kGradient, .color = t.titleBarTop, .color2 = t.titleBarBottom});
    name = "TitleBar";
    anchors = kAnchorLeft | kAnchorTop | kAnchorRight;
    onMouseDown = [formHwnd](MouseButton button, int, int) {
        if (button == kLeftButton) RequestWindowMove(formHwnd);
    };
    if (!withClose) return;
    CreateCaptionButton(closeButton, *this, "Close", width - 2 - kCaptionButtonWidth - 5,
                        (t.titleBarHeight - kCaptionButtonHeight) / 2, CaptionGlyph::kClose, t);
    closeButton.anchors = kAnchorTop | kAnchorRight;
    closeButton.onClick = [formHwnd] { PostMessageW(formHwnd, WM_CLOSE, 0, 0); };
}

void DialogTitleBar::PaintBackground(HDC dc, const RECT& rect) {
    Panel::PaintBackground(dc, rect);
    const Theme& t = DialogTheme();
    RECT r;
    GetClientRect(hwnd, &r);
    wchar_t caption[256] = {};
    GetWindowTextW(GetParent(hwnd), caption, 256);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, t.titleText);
    HGDIOBJ old = SelectObject(dc, GetFont(kThemeFonts.bold, dpi));
    RECT text{r.left + Px(8), r.top, r.right - Px(kCaptionButtonWidth + 8), r.bottom};
    DrawTextW(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
}
