#pragma once
#include "widgets/panel.h"

// A top-level window of the program: its surface is a panel, its controls route to their widgets, and
// it can be shown modally over an owner.
class Form : public Panel {
public:
    struct Options {
        std::string caption;
        int clientWidth = 0, clientHeight = 0;
        DWORD style = WS_POPUP;
        DWORD exStyle = 0;
        HWND owner = nullptr;
        Panel::Style surface{.fill = Panel::Fill::kSolid};
    };
    void CreateForm(const Options& options);
    void CenterOver(HWND other);  // nullptr: the desktop's work area

    // Shows the form and runs messages until CloseModal; the owner is disabled meanwhile.
    int ShowModal();
    void CloseModal(int result);
    bool IsModal() const { return modal_; }
    std::function<void()> onShow, onClose;

protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    // Messages a form handles itself before the panel's routing.
    virtual bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

private:
    bool modal_ = false;
    bool modalDone_ = false;
    int modalResult_ = 0;
};
