#include "app/form_main.h"

#include "app/date_label.h"
#include "app/form_about.h"
#include "app/shell_images.h"
#include "settings/config_loaders.h"
#include "shared/all_var.h"

TFormMain* FormMain = nullptr;

namespace {
constexpr int kDesignWidth = 717, kDesignHeight = 547;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMenuDescription = RGB(191, 220, 192);
}  // namespace

void TFormMain::FormCreate() {
    FormMain = this;
    // Every caption is made in the saved language from the start.
    SetCurrentUiLanguage(ReadInterfaceLanguage());
    ApplyLanguageToWindows();  // dialogs made before, if any
    const Theme& t = MainTheme();
    CreateForm({.caption = kAppTitle,
                .clientWidth = kDesignWidth,
                .clientHeight = kDesignHeight,
                .style = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU,
                .exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT,
                .surface = {.fill = Panel::Fill::kSolid, .color = t.frame}});
    CenterOver(nullptr);
    CreateShell();
    CreateFrame();
    CreatePages();
    WireKeyboard();

    SetDateLabel(lblDate);
    drivePage.FillDrives();
    optionsPage.LoadOptions();
    CurrentPage = 1;
    m_SetMenuLabel(LeftMenu1, kSelect);
    WindowReady = true;
}

void TFormMain::FormShow() {
    m_ApplyOutline();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void TFormMain::FormClose() { ScanState = Idle; }

void TFormMain::CreateShell() {
    const Theme& t = MainTheme();
    MaintitleImage.Create(*this, 8, 8, 16, 16, PaintAppIcon);
    MaintitleImage.name = "MaintitleImage";

    auto captionButton = [this, &t](Button& b, const char* name, int x, CaptionGlyph glyph,
                                    void (TFormMain::*click)()) {
        CreateCaptionButton(b, *this, name, x, 8, glyph, t);
        b.anchors = kAnchorTop | kAnchorRight;
        b.onClick = [this, click] { (this->*click)(); };
    };
    captionButton(BtnMin, "BtnMin", 614, CaptionGlyph::kMinimise, &TFormMain::BtnMinClick);
    captionButton(BtnMax, "BtnMax", 644, CaptionGlyph::kMaximise, &TFormMain::BtnMaxClick);
    captionButton(BtnRestore, "BtnRestore", 644, CaptionGlyph::kRestore, &TFormMain::BtnRestoreClick);
    captionButton(BtnClose, "BtnClose", 674, CaptionGlyph::kClose, &TFormMain::BtnCloseClick);
    BtnRestore.Show(false);

    topMain.Create(*this, 8, 28, 701, 67,
                   {.fill = Panel::Fill::kGradient, .color = t.headerTop, .color2 = t.headerBottom});
    topMain.anchors = kAnchorLeft | kAnchorTop | kAnchorRight;
    topLogo.Create(topMain, 14, 8, 50, 50, PaintLogo);
    const FontSpec& titleFont = kThemeFonts.title;
    // The white title is created first so that it lies above its black shadow.
    topTitle.Create(topMain, kAppTitle, 71, 24, 300, 22, {.font = titleFont, .color = kWhite});
    topTitle2.Create(topMain, kAppTitle, 71, 26, 300, 22, {.font = titleFont, .color = RGB(0, 0, 0)});
    topHelp.Create(topMain, UiText::kHeaderHelp, 637, 48, 40, 16,
                   {.font = kThemeFonts.classicBold, .color = kWhite});
    topHelp.anchors = kAnchorTop | kAnchorRight;
    topHelp.cursor = LoadCursorW(nullptr, IDC_HAND);
    topHelp.onMouseMove = [this](int, int) { topHelpMouseMove(); };
    topHelp.onMouseLeave = [this] { topHelpMouseLeave(); };
    topHelp.onClick = [this] { topHelpClick(); };

    suiImagePanel3.Create(*this, 8, 95, 178, 298,
                          {.fill = Panel::Fill::kGradient, .color = t.columnTop, .color2 = t.columnBottom});
    suiImagePanel3.anchors = kAnchorLeft | kAnchorTop | kAnchorBottom;
    lblDate.Create(suiImagePanel3, "", -7, 7, 188, 13,
                   {.font = kThemeFonts.bold, .color = kWhite, .align = DT_CENTER});

    struct MenuEntry {
        Label& label;
        Picture& icon;
        Label& description;
        Caption caption;
        Caption text;
        int y, descriptionX;
    } entries[] = {
        {LeftMenu1, Image10, DesLabel1, UiText::kMenuDriveClean, UiText::kMenuDriveCleanHint, 44, 42},
        {LeftMenu2, Image11, DesLabel2, UiText::kMenuOptions, UiText::kMenuOptionsHint, 104, 42},
        {LeftMenu3, Image12, DesLabel3, UiText::kMenuOtherClean, UiText::kMenuOtherCleanHint, 164, 38},
    };
    int page = 1;
    for (MenuEntry& e : entries) {
        e.label.Create(suiImagePanel3, e.caption, 42, e.y, 120, 15,
                       {.font = kThemeFonts.bold, .color = kWhite});
        e.icon.Create(suiImagePanel3, 18, e.y, 18, 18,
                      [page](HDC dc, const RECT& r) { PaintPageIcon(dc, r, page); });
        e.description.Create(suiImagePanel3, e.text, e.descriptionX, e.y + 20, 138, 30,
                             {.font = kThemeFonts.text, .color = kMenuDescription, .wordWrap = true});
        ++page;
    }
    LeftMenu1.name = "LeftMenu1";
    LeftMenu2.name = "LeftMenu2";
    LeftMenu3.name = "LeftMenu3";
    LeftMenu1.onClick = [this] { LeftMenu1Click(); };
    LeftMenu2.onClick = [this] { LeftMenu2Click(); };
    LeftMenu3.onClick = [this] { LeftMenu3Click(); };
    LeftMenu1.onMouseMove = [this](int, int) { LeftMenu1MouseMove(); };
    LeftMenu2.onMouseMove = [this](int, int) { LeftMenu2MouseMove(); };
    LeftMenu3.onMouseMove = [this](int, int) { LeftMenu3MouseMove(); };
    LeftMenu1.onMouseLeave = [this] { LeftMenu1MouseLeave(); };
    LeftMenu2.onMouseLeave = [this] { LeftMenu2MouseLeave(); };
    LeftMenu3.onMouseLeave = [this] { LeftMenu3MouseLeave(); };

    suiImagePanel2.Create(*this, 8, 393, 178, 146,
                          {.fill = Panel::Fill::kGradient, .color = t.columnBottom, .color2 = t.frameDark});
    suiImagePanel2.anchors = kAnchorLeft | kAnchorBottom;
    btmVersion.Create(suiImagePanel2, "Version 2.0", 10, 87, 150, 16,
                      {.font = kThemeFonts.classic, .color = kWhite});
    btmURL.Create(suiImagePanel2, kHomePage, kHomePage, 10, 106, 0, 16,
                  {.font = kThemeFonts.link, .color = kWhite, .hoverColor = RGB(255, 255, 0)});
    btmURL.name = "btmURL";

    suiImagePanel4.Create(
        *this, 186, 95, 523, 38,
        {.fill = Panel::Fill::kGradient, .color = t.titleBarTop, .color2 = t.titleBarBottom});
    suiImagePanel4.anchors = kAnchorLeft | kAnchorTop | kAnchorRight;
    Picture* titleIcons[] = {&TitleIm1, &TitleIm2, &TitleIm3};
    for (int i = 0; i < 3; ++i)
        titleIcons[i]->Create(suiImagePanel4, 6, 3, 32, 32,
                              [i](HDC dc, const RECT& r) { PaintPageIcon(dc, r, i + 1); });
    lblOptionTitle.Create(suiImagePanel4, "", 44, 6, 300, 24,
                          {.font = kThemeFonts.pageTitle, .color = RGB(0, 0, 0)});

    Panel* pages[] = {&drivePage.suiPanelClean, &resultsPage.suiPanelClean1, &optionsPage.suiPanelOptions,
                      &otherCleanPage.suiPanelOtherClean};
    for (Panel* p : pages) {
        p->Create(*this, 186, 133, 523, 406, {.fill = Panel::Fill::kSolid, .color = t.pageBack});
        p->anchors = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;
        p->Show(false);
    }
    drivePage.suiPanelClean.name = "suiPanelClean";
    resultsPage.suiPanelClean1.name = "suiPanelClean1";
    optionsPage.suiPanelOptions.name = "suiPanelOptions";
    otherCleanPage.suiPanelOtherClean.name = "suiPanelOtherClean";
}

// The pages fill the panels made above; what one page reads from another passes through here.
void TFormMain::CreatePages() {
    const PageHost host{
        .window = hwnd,
        .showDriveClean = [this] { m_SetMenuLabel(LeftMenu1, kSelect); },
        .showResults =
            [this] {
                drivePage.suiPanelClean.Show(false);
                resultsPage.suiPanelClean1.Show(true);
            },
    };
    drivePage.Create([this] { resultsPage.suiButtonScanClick(); });
    resultsPage.Create(host, {
                                 .tickedDrives = [this] { return drivePage.TickedDrives(); },
                                 .scanSettings = [this] { return optionsPage.CurrentScanSettings(); },
                                 .deleteToRecycleBin = [this] { return optionsPage.DeleteToRecycleBin(); },
                             });
    optionsPage.Create(host);
    otherCleanPage.Create(host);
}

bool TFormMain::FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (FrameMessage(msg, wp, lp, result)) return true;
    switch (msg) {
        case WM_CLOSE:
            FormClose();
            // A scan or deletion may be running below this message, inside its own handler: destroying
            // the window under it would pull its controls away. Hide now; that handler destroys the
            // window when it has unwound. A deletion stops after the file in hand and keeps the window
            // answering meanwhile, with the busy panel saying so.
            if (resultsPage.deleting) {
                resultsPage.StopDeletionToClose();
            } else if (resultsPage.longWorkRunning) {
                resultsPage.closeRequested = true;
                ShowWindow(hwnd, SW_HIDE);
            } else {
                DestroyWindow(hwnd);
            }
            result = 0;
            return true;
        case WM_DESTROY:
            PostQuitMessage(0);
            result = 0;
            return true;
    }
    return false;
}
