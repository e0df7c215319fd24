#include "widgets/link_label.h"

#include "platform/shell_open.h"
#include "platform/text.h"

namespace {
std::string TrimBlanks(const std::string& s) {
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}
}  // namespace

void LinkLabel::Create(Widget& parent, const Caption& text, const std::string& linkTarget, int x, int y,
                       int w, int h, LinkStyle s) {
    target = linkTarget;
    linkColor = s.color;
    hoverColor = s.hoverColor;
    cursor = LoadCursorW(nullptr, IDC_HAND);
    fitsText_ = w <= 0;
    Label::Create(parent, text, x, y, fitsText_ ? 0 : w, h, {.font = s.font, .color = s.color});
    if (fitsText_) OnDpiChanged(dpi);
    SetTabStop(true);
}

// A link is as wide as its text, so the hand cursor and the hover colour end where the text does. Text
// widths do not follow the scale exactly (glyphs snap to whole pixels), so the width is measured in
// the font at the label's own DPI, in device pixels.
void LinkLabel::OnDpiChanged(int) {
    if (!fitsText_) return;
    RECT r;
    GetClientRect(hwnd, &r);
    SetWindowPos(hwnd, nullptr, 0, 0, TextWidthAt(Text(), style.font, dpi) + Px(2), r.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LinkLabel::OnLanguageChanged() {
    Label::OnLanguageChanged();
    OnDpiChanged(dpi);
}

bool LinkLabel::HandleCommand(WORD code) {
    if (code == STN_CLICKED) {
        std::string trimmed = TrimBlanks(target);
        if (!trimmed.empty()) ShellOpen("open", trimmed, SW_SHOW);
    }
    return Label::HandleCommand(code);
}

LRESULT LinkLabel::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_MOUSEMOVE && style.color != hoverColor) SetColor(hoverColor);
    if (msg == WM_MOUSELEAVE) SetColor(linkColor);
    return Label::OnSubclassMessage(msg, wp, lp, handled);
}
