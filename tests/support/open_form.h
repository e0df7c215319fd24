#pragma once
#include <windows.h>

#include "widgets/widget.h"

// The program's window of a kind that is open on this thread (a dialog a page has opened), or nullptr:
// tests reach the windows through their handles, as a user's tools would.
template <class FormType>
FormType* OpenForm() {
    struct Search {
        FormType* found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM p) {
            auto* s = reinterpret_cast<Search*>(p);
            if (auto* f = dynamic_cast<FormType*>(Widget::From(h))) s->found = f;
            return s->found ? FALSE : TRUE;
        },
        LPARAM(&search));
    return search.found;
}
