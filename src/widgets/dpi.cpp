#include "widgets/dpi.h"

namespace {
// The per-window calls of Windows 10 (1607 and later) are looked up at run time; older systems have
// one DPI for every screen.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

template <typename Fn>
Fn Lookup(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (!m) m = LoadLibraryW(module);
    return m ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}
}  // namespace

int SystemDpi() {
    static const int dpi = [] {
        if (auto fn = Lookup<GetDpiForSystemFn>(L"user32.dll", "GetDpiForSystem")) return int(fn());
        HDC screen = GetDC(nullptr);
        int found = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return found;
    }();
    return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND hwnd) {
    static const auto fn = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    int found = fn && hwnd ? int(fn(hwnd)) : 0;
    return found > 0 ? found : SystemDpi();
}

int DpiAtPoint(POINT screen) {
    static const auto fn = Lookup<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (fn &&
        fn(MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), 0 /* MDT_EFFECTIVE_DPI */, &x, &y) == S_OK &&
        y > 0)
        return int(y);
    return SystemDpi();
}
