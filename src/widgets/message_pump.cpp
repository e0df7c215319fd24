#include "widgets/message_pump.h"

#include <windows.h>

#include "widgets/keyboard.h"

void (*onProcessMessages)() = nullptr;

void ProcessMessages() {
    if (onProcessMessages) onProcessMessages();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));  // leave it for the main loop
            return;
        }
        DispatchUiMessage(msg);
    }
}
