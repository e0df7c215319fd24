#pragma once
#include <windows.h>

#include <algorithm>

#include "widgets/message_pump.h"

// The longest time between two of the program's own message pumps while it is being watched, seen from
// inside through the pump's hook.
namespace pump_gaps {
inline LARGE_INTEGER lastPump;
inline double longestMs = 0;

inline void OnPump() {
    LARGE_INTEGER f, now;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&now);
    if (lastPump.QuadPart)
        longestMs = std::max(longestMs, double(now.QuadPart - lastPump.QuadPart) * 1000 / double(f.QuadPart));
    lastPump = now;
}

inline void Start() {
    lastPump.QuadPart = 0;
    longestMs = 0;
    onProcessMessages = OnPump;
}

// The longest gap since Start.
inline double Stop() {
    onProcessMessages = nullptr;
    return longestMs;
}
}  // namespace pump_gaps
