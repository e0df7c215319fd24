#include "widgets/edit_box.h"

#include "widgets/theme.h"

void EditBox::Create(Widget& parent, int x, int y, int w, int h) {
    CreateChild(parent, L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE, x, y, w, h, WS_EX_CLIENTEDGE);
    OnDpiChanged();
}

void EditBox::OnDpiChanged(int) {
    SendMessageW(hwnd, WM_SETFONT, WPARAM(GetFont(kThemeFonts.body, dpi)), TRUE);
}

bool EditBox::HandleCommand(WORD code) {
    if (code != EN_CHANGE) return false;
    if (onChange) onChange();
    return true;
}
