#pragma once
#include "app/window_frame.h"
#include "otherclean/other_clean_page.h"
#include "scan/drive_page.h"
#include "scan/results_page.h"
#include "settings/options_page.h"
#include "shared/app_title.h"
#include "widgets/button.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/link_label.h"
#include "widgets/panel.h"
#include "widgets/popup_menu.h"

// The main window, the shell around the pages: the frame, the header with Help, the left menu with the
// date line, the page title bar, and the switching between the pages, which it owns. Each page owns
// its controls, state and handlers; the shell wires the few things one page reads from another.
class TFormMain : public Form {
  public:
    enum MenuMode { kHover, kNormal, kSelect };

    // Creates the window and runs its start-up; the window is shown by the caller.
    void FormCreate();
    void FormShow();
    void FormClose();

    // ---- header, left column, page title bar ----
    Picture MaintitleImage;
    Button BtnMin, BtnMax, BtnRestore, BtnClose;
    Panel topMain;
    Picture topLogo;
    Label topTitle2, topTitle, topHelp;
    Panel suiImagePanel3;
    Label lblDate;
    Label LeftMenu1, LeftMenu2, LeftMenu3;
    Picture Image10, Image11, Image12;
    Label DesLabel1, DesLabel2, DesLabel3;
    Panel suiImagePanel2;
    Label btmVersion;
    LinkLabel btmURL;
    Panel suiImagePanel4;
    Picture TitleIm1, TitleIm2, TitleIm3;
    Label lblOptionTitle;

    // ---- the pages, each on its panel below the title bar ----
    DriveCleanPage drivePage;
    ResultsPage resultsPage;
    OptionsPage optionsPage;
    OtherCleanPage otherCleanPage;

    void m_SetMenuLabel(Label& label, MenuMode mode);
    void m_MouseML(int menu, int entering);
    void LeftMenu1Click();
    void LeftMenu2Click();
    void LeftMenu3Click();
    void LeftMenu1MouseMove();
    void LeftMenu2MouseMove();
    void LeftMenu3MouseMove();
    void LeftMenu1MouseLeave();
    void LeftMenu2MouseLeave();
    void LeftMenu3MouseLeave();
    void topHelpMouseMove();
    void topHelpMouseLeave();

    // ---- window frame and help menu (window_frame.cpp, help_menu.cpp) ----
    HBITMAP ImageDi = nullptr;  // the 710 x 540 skin bitmap the frame is cut from; owned by the theme
    PopupMenu FrmMainMenu, menuHelp;
    void FormPaint(HDC dc, const RECT& area);  // the skin and the caption over area, in device pixels
    void PaintBackground(HDC dc, const RECT& rect) override;
    void OnDpiChanged(int oldDpi) override;  // the skin at the new scale
    void FormResize();
    void FormMouseDown(MouseButton button, int x, int y);
    void FormDblClick();
    void m_ApplyOutline();
    void m_GetWorkArea(RECT& area);
    void BtnMinClick();
    void BtnMaxClick();
    void BtnRestoreClick();
    void BtnCloseClick();
    void MaintitleImageClick();
    // The frame's own state: the bounds that Maximise took and Restore puts back, and the title strip's
    // caption colour, dark while the program is active and grey while not.
    RECT SavedBounds{};
    COLORREF TitleTextColor = kTitleActive;
    void topHelpClick();
    void menuHelp1Click();
    void menuHelp2Click();
    void menuHelp3Click();

    // ---- keyboard (keyboard.cpp) ----
    // F1: the user guide's page of the page on screen.
    std::string HelpPage() const override;
    bool FormKeyPreview(UINT vk);

  protected:
    bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    void CreateShell();
    void CreatePages();
    void CreateFrame();
    void WireKeyboard();
    bool FrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

// The one main window of the program.
extern TFormMain* FormMain;
