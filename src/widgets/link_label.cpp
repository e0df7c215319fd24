#include "widgets/link_label.h"

#include "platform/shell_open.h"
#include "platform/text.h"

namespace {
// A link is as wide as its text, so the hand cursor and the hover colour end where the text does.
int TextWidth(const std::string& text, const FontSpec& font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont(font));
    std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx + 2;
}

std::string TrimBlanks(const std::string& s) {
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}
}  // namespace

void LinkLabel::Create(Widget& parent, const std::string& text, const std::string& linkTarget, int x, int y,
                       int w, int h, LinkStyle s) {
    target = linkTarget;
    linkColor = s.color;
    hoverColor = s.hoverColor;
    cursor = LoadCursorW(nullptr, IDC_HAND);
    if (w <= 0) w = TextWidth(text, s.font);
    Label::Create(parent, text, x, y, w, h, {.font = s.font, .color = s.color});
    SetTabStop(true);
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
