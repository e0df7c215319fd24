#pragma once
#include <windows.h>

#include <string>

// Puts text (UTF-8) on the clipboard as Unicode text; false when the clipboard is busy.
bool CopyTextToClipboard(HWND owner, const std::string& text);
// The clipboard's Unicode text, empty when it holds none.
std::string ClipboardText(HWND owner);
