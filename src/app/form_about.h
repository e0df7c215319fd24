#pragma once
#include "widgets/button.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/link_label.h"

// The product's addresses, shown in the About box and the main window.
inline const char* const kHomePage = "www.kestrune.example";
inline const char* const kSupportEmail = "support@kestrune.example";

// The About box: program name and version, the maker's notice, the home page and e-mail links.
class TformAbout : public Form {
  public:
    // Creates the box centred over the owner (the main window); it is shown by ShowModal.
    void FormCreate(HWND owner);
    void btnCloseClick();

    Picture suiImagePanel1;
    Label lblTitle, lblNotice;
    LinkLabel lblHomePage, lblEmailTo;
    Button btnClose;
};
