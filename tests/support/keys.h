#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Keys as the keyboard sends them: WM_KEYDOWN and WM_KEYUP posted to the window with the focus (the
// form itself when nothing has it), with Shift, Ctrl or Alt held in the thread's key state, and run
// through the program's own message dispatch. Posted keys reach the same code as typed ones; only the
// key state must be set by hand, since posting does not change it.
enum KeyModifier : unsigned { kNoModifier = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
void PressKey(HWND form, UINT vk, unsigned modifiers = kNoModifier);

// The widget with the focus: its name, else its text; "" when the focus is on no widget.
std::string FocusName();
// Tab pressed `count` times from the current focus; the names of the widgets it visits.
std::vector<std::string> TabWalk(HWND form, int count, bool backwards = false);
// A left click posted to the window's client point, run through the program's dispatch.
void PostClickAt(HWND window, int x, int y);
