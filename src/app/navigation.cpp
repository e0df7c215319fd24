#include "app/form_main.h"
#include "shared/all_var.h"

namespace {
const COLORREF kMenuOrange = RGB(255, 102, 0);
const COLORREF kMenuWhite = RGB(255, 255, 255);
}  // namespace

void TFormMain::m_SetMenuLabel(Label& label, MenuMode mode) {
    switch (mode) {
        case kHover:
            label.cursor = LoadCursorW(nullptr, IDC_HAND);
            label.style.color = kMenuOrange;
            label.SetFont(kThemeFonts.boldHover);
            return;
        case kNormal:
            label.cursor = nullptr;
            label.style.color = kMenuWhite;
            label.SetFont(kThemeFonts.bold);
            return;
        case kSelect:
            break;
    }
    for (Label* l : {&LeftMenu1, &LeftMenu2, &LeftMenu3}) m_SetMenuLabel(*l, kNormal);
    label.cursor = nullptr;
    label.style.color = kMenuOrange;
    label.SetFont(kThemeFonts.bold);

    Picture* icon = nullptr;
    if (label.name == "LeftMenu1") {
        lblOptionTitle.SetText("Drive Clean");
        CurrentPage = 1;
        drivePage.suiPanelClean.Show(true);
        optionsPage.suiPanelOptions.Show(false);
        resultsPage.suiPanelClean1.Show(false);
        otherCleanPage.suiPanelOtherClean.Show(false);
        icon = &TitleIm1;
    } else if (label.name == "LeftMenu2") {
        lblOptionTitle.SetText("Options");
        CurrentPage = 2;
        optionsPage.suiPanelOptions.Show(true);
        drivePage.suiPanelClean.Show(false);
        resultsPage.suiPanelClean1.Show(false);
        otherCleanPage.suiPanelOtherClean.Show(false);
        icon = &TitleIm2;
    } else if (label.name == "LeftMenu3") {
        lblOptionTitle.SetText("Other Clean");
        CurrentPage = 3;
        otherCleanPage.suiPanelOtherClean.Show(true);
        optionsPage.suiPanelOptions.Show(false);
        drivePage.suiPanelClean.Show(false);
        resultsPage.suiPanelClean1.Show(false);
        icon = &TitleIm3;
    }
    for (Picture* p : {&TitleIm1, &TitleIm2, &TitleIm3}) {
        p->Show(false);
        p->Move(2000, 3);
    }
    if (icon) {
        icon->Move(6, 3);
        icon->Show(true);
    }
}

void TFormMain::m_MouseML(int menu, int entering) {
    Label* labels[] = {&LeftMenu1, &LeftMenu2, &LeftMenu3};
    if (menu < 1 || menu > 3) return;
    if (entering == 1)
        m_SetMenuLabel(*labels[menu - 1], kHover);
    else if (entering == 0)
        m_SetMenuLabel(*labels[menu - 1], kNormal);
}

void TFormMain::LeftMenu1Click() {
    if (resultsPage.deleting) return;
    if (CurrentPage != 1) m_SetMenuLabel(LeftMenu1, kSelect);
}

void TFormMain::LeftMenu2Click() {
    if (resultsPage.deleting) return;
    if (CurrentPage != 2 && ScanState == Idle) m_SetMenuLabel(LeftMenu2, kSelect);
}

void TFormMain::LeftMenu3Click() {
    if (CurrentPage == 3 || ScanState != Idle || resultsPage.deleting) return;
    m_SetMenuLabel(LeftMenu3, kSelect);
    otherCleanPage.ShowAreaSizes();
}

void TFormMain::LeftMenu1MouseMove() {
    if (CurrentPage != 1 && ScanState == Idle) m_MouseML(1, 1);
}
void TFormMain::LeftMenu2MouseMove() {
    if (CurrentPage != 2 && ScanState == Idle) m_MouseML(2, 1);
}
void TFormMain::LeftMenu3MouseMove() {
    if (CurrentPage != 3 && ScanState == Idle) m_MouseML(3, 1);
}
void TFormMain::LeftMenu1MouseLeave() {
    if (CurrentPage != 1) m_MouseML(1, 0);
}
void TFormMain::LeftMenu2MouseLeave() {
    if (CurrentPage != 2) m_MouseML(2, 0);
}
void TFormMain::LeftMenu3MouseLeave() {
    if (CurrentPage != 3) m_MouseML(3, 0);
}

void TFormMain::topHelpMouseMove() { topHelp.SetFont(kThemeFonts.classicBoldHover); }
void TFormMain::topHelpMouseLeave() { topHelp.SetFont(kThemeFonts.classicBold); }
