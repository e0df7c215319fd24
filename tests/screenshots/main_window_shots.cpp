#include "app/form_main.h"
#include "shared/all_var.h"
#include "shots.h"

SCREENSHOT(main_window) {
    TFormMain form;
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    Capture(form.hwnd, "main_window");
    DestroyWindow(form.hwnd);
    Pump(50);
}
