#pragma once
#include <windows.h>

#include <functional>
#include <string>

// `make screenshots`: each shot builds a window state and captures it into a bitmap that the script
// turns into build/screenshots/<name>.png.
bool RegisterShot(const char* name, std::function<void()> body);
#define SCREENSHOT(id)                                          \
    static void id##_shot();                                    \
    static bool id##_registered = RegisterShot(#id, id##_shot); \
    static void id##_shot()

// Captures the window's screen area (after letting it paint) as <name>.
void Capture(HWND window, const std::string& name);
// Runs fn from the message loop after the given delay, e.g. while a modal dialog is shown.
void RunLater(int milliseconds, std::function<void()> fn);
void Pump(int milliseconds);
