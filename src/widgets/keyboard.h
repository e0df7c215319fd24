#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The keyboard of every window of the program, in one place: every message loop dispatches through
// DispatchUiMessage, which gives Tab and Shift+Tab (reading order of the window's tab stops), Enter,
// Space, Esc and F1 their meaning, and keeps the keyboard cues (focus rectangles, access-key
// underlines) hidden while the mouse is used and shown from the first key press on.

// Dispatches one message taken from the queue, as the program's loops do.
void DispatchUiMessage(MSG& msg);

// Whether the window's top-level window shows its keyboard cues (the platform's UI state).
bool KeyboardCuesShown(HWND hwnd);
// Shows or hides the cues of the window's top-level window and repaints it when that changes them.
void ShowKeyboardCues(HWND hwnd, bool show);
// Drops the record of the cues from a window that is being destroyed.
void ForgetKeyboardCues(HWND hwnd);

// The tab stops of a top-level window in the order Tab visits them: its visible, enabled windows
// with WS_TABSTOP, depth first in creation order, entering every container (WS_EX_CONTROLPARENT).
std::vector<HWND> TabStops(HWND root);
// Moves the focus to the next (or previous) tab stop of the window that holds the focus, wrapping.
void MoveFocusByTab(HWND root, bool backwards);

// F1 asks the window on screen for its help page; the program's shell opens it.
void SetHelpOpener(std::function<void(const std::string& page)> opener);
void OpenHelpPage(const std::string& page);
