#pragma once
#include <windows.h>

#include <functional>

// Window frame services for windows that draw their own frame.

// Starts the window system's interactive move of the window, as a drag of its caption would. A test
// can record the request instead (SetWindowMoveHook) since the move runs until the button goes up.
void RequestWindowMove(HWND window);
void SetWindowMoveHook(std::function<void(HWND)> hook);  // an empty hook restores the real move

// The work area of the monitor nearest to the window, or the primary one when there is no window.
RECT WorkAreaNear(HWND window);
