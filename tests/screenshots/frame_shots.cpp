#include <memory>

#include "app/form_about.h"
#include "app/form_main.h"
#include "shared/all_var.h"
#include "shots.h"

namespace {
std::unique_ptr<TFormMain> OpenMain() {
    ScanState = Idle;
    auto form = std::make_unique<TFormMain>();
    form->FormCreate();
    ShowWindow(form->hwnd, SW_SHOW);
    form->FormShow();
    Pump(100);
    return form;
}

void CloseMain(std::unique_ptr<TFormMain>& form) {
    DestroyWindow(form->hwnd);
    Pump(50);
    form.reset();
    FormMain = nullptr;
}

// Captures the window while the menu is open, then closes the menu.
void CaptureWithMenu(HWND window, const char* name) {
    RunLater(400, [window, name] {
        Capture(window, name);
        EndMenu();
    });
}
}  // namespace

SCREENSHOT(frame_normal) {
    auto form = OpenMain();
    Capture(form->hwnd, "frame_normal");
    CloseMain(form);
}

SCREENSHOT(frame_maximised) {
    auto form = OpenMain();
    form->BtnMaxClick();
    // The maximised window reaches past the screen's edges, so the screen itself is captured.
    Capture(GetDesktopWindow(), "frame_maximised");
    CloseMain(form);
}

SCREENSHOT(frame_inactive) {
    auto form = OpenMain();
    SendMessageW(form->hwnd, WM_ACTIVATEAPP, FALSE, 0);
    Capture(form->hwnd, "frame_inactive");
    CloseMain(form);
}

SCREENSHOT(help_menu) {
    auto form = OpenMain();
    CaptureWithMenu(form->hwnd, "help_menu");
    form->topHelpClick();
    CloseMain(form);
}

SCREENSHOT(window_menu) {
    auto form = OpenMain();
    form->BtnMaxClick();
    form->BtnRestoreClick();
    CaptureWithMenu(form->hwnd, "window_menu");
    form->MaintitleImageClick();
    CloseMain(form);
}

SCREENSHOT(about_box) {
    auto form = OpenMain();
    TformAbout about;
    about.FormCreate(form->hwnd);
    RunLater(400, [&about] {
        Capture(about.hwnd, "about_box");
        about.btnCloseClick();
    });
    about.ShowModal();
    DestroyWindow(about.hwnd);
    CloseMain(form);
}
