#include "app/form_main.h"
#include "settings/add_filter_dialogs.h"
#include "widgets/keyboard.h"
#include "shots.h"

namespace {
void ShowDialogShot(Form& dialog, Button& addButton, const char* name, const std::function<void()>& fill) {
    RunLater(200, [&dialog, name, fill] {
        fill();
        Capture(dialog.hwnd, name);
        dialog.CloseModal(0);
    });
    SendMessageW(addButton.hwnd, BM_CLICK, 0, 0);
}
}  // namespace

SCREENSHOT(options_pages) {
    TFormMain form;
    form.FormCreate();
    CreateAddFilterDialogs();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    form.LeftMenu2Click();
    form.optionsPage.suiButtonDefaultClick();
    const char* names[] = {"options_general", "options_exclude_paths", "options_include_filters",
                           "options_exclude_filters"};
    for (int page = 0; page < 4; ++page) {
        form.optionsPage.suiPage.SetActivePage(page);
        Capture(form.hwnd, names[page]);
    }
    form.optionsPage.ListViewFilterIColumnClick(3);
    form.optionsPage.suiPage.SetActivePage(2);
    Capture(form.hwnd, "options_include_sorted");

    ShowDialogShot(*AddFilter, form.optionsPage.ifButtonAdd, "add_filter", [] {
        AddFilter->EditIncludeFilter.SetText("*.jnk");
        AddFilter->EditDesFilter.SetText("Junk Files");
    });
    form.optionsPage.suiPage.SetActivePage(3);
    ShowDialogShot(*AddFilterExclude, form.optionsPage.efButtonAdd, "add_filter_exclude", [] {});

    // The page as a keyboard user sees it: after a key press the focused box shows its focus rectangle.
    form.optionsPage.suiPage.SetActivePage(0);
    ShowKeyboardCues(form.hwnd, true);
    SetFocus(form.optionsPage.gCheckHide.hwnd);
    Capture(form.hwnd, "options_keyboard_focus");
    ShowKeyboardCues(form.hwnd, false);
    DestroyWindow(form.hwnd);
    Pump(50);
}
