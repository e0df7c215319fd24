#pragma once
#include <windows.h>

#include <functional>

// What a page may ask of the main window that holds it. The shell fills it in before it makes the
// pages; a page never reaches the shell any other way.
struct PageHost {
    HWND window = nullptr;                 // the main window: owner of the pages' message boxes and dialogs
    std::function<void()> showDriveClean;  // Drive Clean chosen in the left menu, as its click does
    std::function<void()> showResults;     // the results in place of the drive list; the menu stays
};
