#include "platform/frame.h"

namespace {
std::function<void(HWND)> g_moveHook;
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;  // 0xF012
}  // namespace

void SetWindowMoveHook(std::function<void(HWND)> hook) { g_moveHook = std::move(hook); }

void RequestWindowMove(HWND window) {
    if (g_moveHook) {
        g_moveHook(window);
        return;
    }
    ReleaseCapture();
    SendMessageW(window, WM_SYSCOMMAND, kMoveByCaption, 0);
}

RECT WorkAreaNear(HWND window) {
    RECT area{};
    MONITORINFO info{sizeof(info)};
    if (window && GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
        return info.rcWork;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}
