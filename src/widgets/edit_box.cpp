#include "widgets/edit_box.h"

#include "widgets/theme.h"

void EditBox::Create(Widget& parent, int x, int y, int w, int h) {
    CreateChild(parent, L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE, x, y, w, h, WS_EX_CLIENTEDGE);
    SendMessageW(hwnd, WM_SETFONT, WPARAM(GetFont({.face = L"Tahoma", .height = -12})), TRUE);
}

bool EditBox::HandleCommand(WORD code) {
    if (code != EN_CHANGE) return false;
    if (onChange) onChange();
    return true;
}
