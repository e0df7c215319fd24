#include "app/form_main.h"
#include "platform/app_paths.h"
#include "platform/shell_open.h"
#include "shared/app_title.h"
#include "shared/all_var.h"
#include "widgets/keyboard.h"

namespace {
const char* const kHelpViewer = "hh.exe";
}  // namespace

// The Help label, the menu entries and the link of the left column are worked by the keyboard too;
// F1 opens the user guide at the page on screen, in the help viewer.
void TFormMain::WireKeyboard() {
    for (Label* l : {&topHelp, &LeftMenu1, &LeftMenu2, &LeftMenu3}) l->SetTabStop(true);
    onKeyPreview = [this](UINT vk) { return FormKeyPreview(vk); };
    SetHelpOpener([](const std::string& page) {
        ShellOpen("open", kHelpViewer, SW_SHOW, ExeFolder() + kHelpFileName + "::/" + page);
    });
}

std::string TFormMain::HelpPage() const {
    switch (CurrentPage) {
        case 2:
            return "options.html";
        case 3:
            return "other_clean.html";
        default:
            return "drive_clean.html";
    }
}

bool TFormMain::FormKeyPreview(UINT vk) {
    if (CurrentPage == 2) return optionsPage.KeyPreview(vk);
    return false;
}
