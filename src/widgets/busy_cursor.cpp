#include "widgets/busy_cursor.h"

#include <windows.h>

namespace {
bool g_busy = false;
}

void SetBusyCursor(bool busy) {
    g_busy = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool BusyCursor() { return g_busy; }
