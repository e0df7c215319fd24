#include "support/keys.h"

#include "support/main_window.h"
#include "widgets/keyboard.h"
#include "widgets/widget.h"

namespace {
void HoldModifiers(unsigned modifiers) {
    BYTE state[256];
    GetKeyboardState(state);
    auto hold = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
    hold(VK_SHIFT, modifiers & kShift);
    hold(VK_LSHIFT, modifiers & kShift);
    hold(VK_CONTROL, modifiers & kCtrl);
    hold(VK_LCONTROL, modifiers & kCtrl);
    hold(VK_MENU, modifiers & kAlt);
    hold(VK_LMENU, modifiers & kAlt);
    SetKeyboardState(state);
}
}  // namespace

void PressKey(HWND form, UINT vk, unsigned modifiers) {
    HWND target = GetFocus();
    if (!target) target = form;
    HoldModifiers(modifiers);
    const bool alt = modifiers & kAlt;
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (LPARAM(scan) << 16) | (alt ? LPARAM(KF_ALTDOWN) << 16 : 0);
    const LPARAM up = down | (LPARAM(KF_REPEAT | KF_UP) << 16);
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, down);
    PumpFor(30);
    target = GetFocus() ? GetFocus() : form;
    if (IsWindow(target)) PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, up);
    PumpFor(20);
    HoldModifiers(kNoModifier);
}

std::string FocusName() {
    Widget* w = Widget::From(GetFocus());
    if (!w) return "";
    return w->name.empty() ? w->Text() : w->name;
}

std::vector<std::string> TabWalk(HWND form, int count, bool backwards) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        PressKey(form, VK_TAB, backwards ? kShift : kNoModifier);
        names.push_back(FocusName());
    }
    return names;
}

void PostClickAt(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpFor(30);
}
