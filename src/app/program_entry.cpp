#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/form_main.h"
#include "settings/add_filter_dialogs.h"
#include "widgets/keyboard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);

    TFormMain main;
    main.FormCreate();
    CreateAddFilterDialogs();
    ShowWindow(main.hwnd, SW_SHOW);
    main.FormShow();

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchUiMessage(msg);
    OleUninitialize();
    return 0;
}
