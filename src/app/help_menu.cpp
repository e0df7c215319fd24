#include "app/form_about.h"
#include "app/form_main.h"
#include "platform/app_paths.h"
#include "platform/shell_open.h"
#include "shared/app_title.h"

namespace {
const wchar_t* const kHelpWindowTitle = L"Kestrune Disk Cleaner Help";
// The Help menu hangs right-aligned from the header's bottom edge, 40 pixels in from the right.
constexpr int kHelpMenuRightInset = 40, kHeaderBottom = 95;
}  // namespace

void TFormMain::topHelpClick() {
    RECT window;
    GetWindowRect(hwnd, &window);
    menuHelp.Popup(window.right - Px(kHelpMenuRightInset), window.top + Px(kHeaderBottom),
                   PopupMenu::Align::kRight);
    topHelp.SetFont(kThemeFonts.classicBold);
}

// An open help viewer is brought back (also from minimised) instead of starting a second one.
void TFormMain::menuHelp1Click() {
    if (HWND viewer = FindWindowW(nullptr, kHelpWindowTitle)) {
        ShowWindow(viewer, SW_SHOWNORMAL);
        SetActiveWindow(viewer);
        SetForegroundWindow(viewer);
        return;
    }
    ShellOpen("", ExeFolder() + kHelpFileName, SW_SHOW);
}

// Each use makes a fresh box; it is destroyed when it closes rather than kept hidden until exit.
void TFormMain::menuHelp2Click() {
    TformAbout about;
    about.FormCreate(hwnd);
    about.ShowModal();
    DestroyWindow(about.hwnd);
}

void TFormMain::menuHelp3Click() { ShellOpen("open", kHomePage, SW_HIDE); }
