#pragma once
#include <memory>

#include "widgets/button.h"
#include "widgets/panel.h"
#include "widgets/title_bar.h"

// A top-level window of the program: its surface is a panel, its controls route to their widgets, and
// it can be shown modally over an owner.
class Form : public Panel {
  public:
    struct Options {
        Caption caption;
        int clientWidth = 0, clientHeight = 0;
        DWORD style = WS_POPUP;
        DWORD exStyle = 0;
        HWND owner = nullptr;
        Panel::Style surface{.fill = Panel::Fill::kSolid};
        // The skinned dialog frame: a title bar from the "mainfrom" theme across the top
        // DialogTheme().titleBarHeight + 1 rows of the client area (lay the controls out below it),
        // showing the caption and, with closeButton, a Close button that sends WM_CLOSE (which ends a
        // modal display); the form can be dragged by the bar. The surface gets a one-pixel border in
        // the theme's border colour unless surface.border is given. Use a WS_POPUP style with it.
        struct TitleBar {
            bool show = false;
            bool closeButton = true;
        } titleBar;
    };
    void CreateForm(const Options& options);
    void CenterOver(HWND other);  // nullptr: the desktop's work area

    // Shows the form and runs messages until CloseModal; the owner is disabled meanwhile.
    int ShowModal();
    void CloseModal(int result);
    bool IsModal() const { return modal_; }
    // The skinned title bar when Options::titleBar.show was set, else nullptr.
    DialogTitleBar* TitleBar() { return titleBar_.get(); }
    std::function<void()> onShow, onClose;
    // Esc in a modal form clicks this button when it is shown and enabled; without one, Esc closes the
    // form as its Close button would (WM_CLOSE). A form that means something else by Esc overrides
    // OnCancel.
    Button* cancelButton = nullptr;
    // The user guide's page that F1 opens while this form is on screen.
    std::string helpPage;
    virtual std::string HelpPage() const { return helpPage; }

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    // Messages a form handles itself before the panel's routing.
    virtual bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Enter and Esc in the form, as the dialog manager reports them (IDOK, IDCANCEL). Enter does
    // nothing unless a form gives it a meaning; Esc is as cancelButton says.
    virtual void OnOK();
    virtual void OnCancel();

  private:
    std::unique_ptr<DialogTitleBar> titleBar_;
    bool modal_ = false;
    bool modalDone_ = false;
    int modalResult_ = 0;
};
