#include "platform/clipboard.h"

#include <cstring>

#include "platform/text.h"

bool CopyTextToClipboard(HWND owner, const std::string& text) {
    const std::wstring wide = Widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
    return placed;
}

std::string ClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}
