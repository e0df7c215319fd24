#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

// In-process tests create the program's real windows, so they initialise what the program entry does.
int wmain(int argc, wchar_t** argv) {
    // "--hold-open PATH [SHARE]": a helper process that holds a file open with the sharing given (none by
    // default) until it is ended, as another program using the file would.
    if (argc >= 3 && wcscmp(argv[1], L"--hold-open") == 0) {
        const DWORD share = argc > 3 ? DWORD(_wtoi(argv[3])) : 0;
        HANDLE file = CreateFileW(argv[2], GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        Sleep(INFINITE);
    }
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    testing::InitGoogleTest(&argc, argv);
    int rc = RUN_ALL_TESTS();
    OleUninitialize();
    return rc;
}
