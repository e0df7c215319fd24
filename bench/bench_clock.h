#pragma once
#include <windows.h>

#include <functional>

// Wall-clock seconds, by the performance counter, for the benchmarks' figures.
inline double Seconds(LARGE_INTEGER start, LARGE_INTEGER end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

inline double Seconds(const std::function<void()>& fn) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    fn();
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}
